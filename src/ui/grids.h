#pragma once
// The window's data grids: built from the grid tables, captioned by the
// caption passes, set up by the window set-up.
#include "engine/captionset.h"

class QWidget;

namespace gx {
class WidgetFields;
}

namespace gx::ui {

struct ControlDef;

// The grid a control row names, with its columns, rows and editors.
[[nodiscard]] QWidget* makeGrid(const ControlDef& def);
// The grid part of a caption pass: column and band captions, fixed cells.
void applyGridCaptions(WidgetFields& fields, const Captions& captions);
// Grid rows and pre-filled cells of the window set-up.
void setUpGrids(WidgetFields& fields, const Captions& captions);

}  // namespace gx::ui
