#include "ui/grids.h"

#include <QTableView>

#include "ui/tables.h"
#include "ui/widgetfields.h"

namespace gx::ui {

QWidget* makeGrid(const ControlDef&) { return new QTableView; }

void applyGridCaptions(WidgetFields&, const Captions&) {}

void setUpGrids(WidgetFields&, const Captions&) {}

}  // namespace gx::ui
