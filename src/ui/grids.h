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
class GridModel;

// The grid a control row names, with its columns, rows and editors.
[[nodiscard]] QWidget* makeGrid(const ControlDef& def);
// The model behind a grid of the window, or nullptr.
[[nodiscard]] GridModel* gridModel(const WidgetFields& fields, const char* grid);
// The grid part of a caption pass: column and band captions, fixed cells.
void applyGridCaptions(WidgetFields& fields, const Captions& captions);
// Grid rows and pre-filled cells of the window set-up, with the field
// defaults that belong to the same steps.
void setUpGrids(WidgetFields& fields, const Captions& captions);
// The register name grid in the language in force: "Register1" … "Register400".
void FillRegisterNameGrid(WidgetFields& fields, const Captions& captions);

}  // namespace gx::ui
