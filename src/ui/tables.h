#pragma once
// The window as data: every control with its kind, place, captions in each
// language, limits and defaults. The builder and both caption passes walk
// these tables; a control is one row, not a page of code.
#include <array>
#include <cstdint>
#include <span>

#include "engine/captionset.h"

namespace gx::ui {

using Texts = std::array<const char*, kLangCount>;  // UTF-8 per language; nullptr where none

enum class Kind : uint8_t {
  Button,
  Edit,
  ReadOnlyEdit,
  Combo,       // drop-down that also takes typed text
  ListCombo,   // drop-down list only
  Check,
  Label,
  Group,       // a titled box; a container for the rows that name it as parent
  List,        // list box
  DateEdit,
  TimeEdit,
  Pane,        // status pane
  Progress,
};

struct ControlDef {
  const char* name;
  Kind kind;
  const char* parent;    // RzToolbar1, rzstsbr1, a page or a group
  Texts caption;         // {nullptr, nullptr}: no caption
  bool inCaptionSet;     // assigned by the caption passes (otherwise the design caption stays)
  int max;               // most characters the user can type; 0 for no limit
  const char* defaultText;
  bool hidden;
  bool disabled;
};

struct PageDef {
  const char* name;
  Texts caption;
  bool inCaptionSet;
  bool visibleAtStart;
  bool disabled;
};

struct NavButtonDef {
  const char* name;
  const char* group;  // RzGroup1 or RzGroup2
  Texts caption;
  const char* page;   // the page it brings forward
  bool hidden;
};

struct NavGroupDef {
  const char* name;
  Texts caption;
};

[[nodiscard]] std::span<const PageDef> pageTable();
[[nodiscard]] std::span<const NavGroupDef> navGroupTable();
[[nodiscard]] std::span<const NavButtonDef> navButtonTable();
// Toolbar, status bar, and the page fields, in caption-pass order.
[[nodiscard]] std::span<const ControlDef> controlTable();

}  // namespace gx::ui
