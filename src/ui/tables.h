#pragma once
// The window as data: every control with its kind, place, captions in each
// language, limits, items and defaults. The builder and both caption passes
// walk these tables; a control is one row, not a page of code.
//
// Rows are written with designated initializers, e.g.
//   {.name = "RzEdit4", .kind = Kind::Edit, .parent = "RzGroupBox2", .line = 0, .max = 5},
// Layout: a row sits in its parent (toolbar, status bar, a page or a group)
// on grid line `line`, in the next free column of that line (table order),
// spanning `span` columns. Groups are rows too and become containers.
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
  Label,       // a caption; several lines are separated by "¦" in the texts
  Group,       // a titled box; a container for the rows that name it as parent
  Panel,       // an untitled container
  List,        // list box
  DateEdit,
  TimeEdit,
  Grid,        // a data grid; its columns and rows come from the grid tables
  Pane,        // status pane
  Progress,
};

struct ControlDef {
  const char* name = nullptr;
  Kind kind = Kind::Label;
  const char* parent = nullptr;  // RzToolbar1, rzstsbr1, a page, a group or a panel
  uint8_t line = 0;              // grid line inside the parent
  uint8_t span = 1;              // grid columns it takes
  Texts caption{};               // captions (labels, buttons, checks, groups); design caption when not in the sets
  bool inCaptionSet = false;     // the caption passes assign it (otherwise the first text stays in both languages)
  int max = 0;                   // most characters the user can type; 0 for no limit
  const char* text = nullptr;    // default text of an edit, or of a combo with no selection
  Texts items{};                 // combo items per language, separated by '|'
  bool itemsInCaptionSet = false;  // refilled by the caption passes, keeping the selected index
  int selected = -1;             // default item of a combo (-1: none)
  bool checked = false;          // default of a check box
  bool hidden = false;           // never shown; still read and written by name
  bool disabled = false;
  const char* format = nullptr;  // date and time edits: display format ("MM/dd/yyyy", "hh:mm:ss")
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
// Every control table, in caption-pass order: toolbar and status bar, then the pages'.
[[nodiscard]] std::span<const std::span<const ControlDef>> controlTables();

// The tables of each page live in src/ui/pages/ (one file per page or pair).
std::span<const ControlDef> shellControls();
std::span<const ControlDef> basicPageControls();       // TabSheet1
std::span<const ControlDef> numbersPageControls();     // TabSheet2
std::span<const ControlDef> ioPageControls();          // TabSheet3
std::span<const ControlDef> timersPageControls();      // TabSheet4
std::span<const ControlDef> cellularPageControls();    // TabSheet_GPRS1
std::span<const ControlDef> ethernetPageControls();    // TabSheet_Eth
std::span<const ControlDef> serialPageControls();      // TabSheet8
std::span<const ControlDef> secondSetsPageControls();  // TabSheet6, TabSheet7
std::span<const ControlDef> terminalPageControls();    // rztbsht_slave2
std::span<const ControlDef> terminalListPageControls();  // TabSheet5
std::span<const ControlDef> recordPagesControls();     // TabSheet11, rztbsht_alarmRecord
std::span<const ControlDef> firstGenPagesControls();   // TabSheet9, TabSheet10, TabSheet12

}  // namespace gx::ui
