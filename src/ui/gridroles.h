#pragma once
// How grids tell outsiders (the scenario driver, accessibility) about
// themselves: each column's component name, cells that never got a value,
// and the captions of bands (a QStringList property "bands" on the view).
#include <Qt>

namespace gx::ui {

enum GridRole {
  ColumnNameRole = Qt::UserRole + 100,  // header data: the column's component name
  NullCellRole = Qt::UserRole + 101,    // cell data: true for a cell that never got a value
  UserEditRole = Qt::UserRole + 102,    // setData: a user's edit, bound by the grid's editing rules
};

}  // namespace gx::ui
