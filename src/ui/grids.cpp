#include "ui/grids.h"

#include <QAbstractItemView>
#include <QDateTime>
#include <QPointer>
#include <QTableView>

#include "ui/gridmodel.h"
#include "ui/gridview.h"
#include "ui/tables.h"
#include "ui/widgetfields.h"

namespace gx::ui {

namespace {

// A program's write of one cell, with the change signal.
void put(GridModel* m, int row, const char* column, const QVariant& value) {
  if (m) m->setData(m->index(row, m->columnOf(QLatin1String(column))), value, Qt::EditRole);
}

QStringList numbers(int from, int to) {
  QStringList out;
  for (int n = from; n <= to; ++n) out << QString::number(n);
  return out;
}

// Steps 1 and 4: the input/output page's grid and the texts that go with it.
void setUpInputOutput(WidgetFields& fields, const Captions& tr) {
  GridModel* t = gridModel(fields, "tb_temp");
  if (t) t->setRowCount(2);
  const Txt name[2] = {Txt::TxtTemperature, Txt::TxtHumidity};
  const int high[2] = {80, 100};
  const int low[2] = {-40, 0};
  for (int row = 0; row < 2; ++row) {
    put(t, row, "tb_tempColumn1", tr(name[row]));
    put(t, row, "tb_col_name", tr(name[row]));
    put(t, row, "tb_col_alarm", 2);
    put(t, row, "tb_col_highlimit", high[row]);
    put(t, row, "tb_col_lowlimit", low[row]);
    put(t, row, "tb_col_hsms", tr(Txt::TxtHighAlarm));
    put(t, row, "tb_col_lsms", tr(Txt::TxtLowAlarm));
    put(t, row, "tb_col_rsms", tr(Txt::TxtRecovery));
  }
  for (const char* e : {"edt20", "edt21", "edt22", "edt23"}) fields.setText(QLatin1String(e), tr(Txt::TxtAlarm));
  for (const char* e : {"edt24", "edt25", "edt26", "edt27"}) fields.setText(QLatin1String(e), tr(Txt::TxtRecovery));
  for (const char* e : {"edt39", "edt46"}) fields.setText(QLatin1String(e), tr(Txt::TxtOpen));
  for (const char* e : {"edt38", "edt47"}) fields.setText(QLatin1String(e), tr(Txt::TxtClose));
  fields.setText(QStringLiteral("edt40"), tr(Txt::TxtRelay) + QLatin1Char('1'));
  fields.setText(QStringLiteral("edt45"), tr(Txt::TxtRelay) + QLatin1Char('2'));
}

// Step 5: the register grid.
void setUpRegisterGrid(WidgetFields& fields) {
  GridModel* m = gridModel(fields, "onehalf");
  if (!m) return;
  m->setRowCount(100);
  const int type = m->columnOf(u"type_col");
  const QVariant first = m->column(type).items[0].value(0);
  const int checks[] = {m->columnOf(u"attrib1"), m->columnOf(u"attrib2"), m->columnOf(u"attrib3")};
  for (int row = 0; row < 100; ++row) {
    m->fill(row, type, first);
    for (int c : checks) m->fill(row, c, false);
  }
  m->endFill();
}

// Step 6: the first slave type as its change handler leaves it. The first
// type has no register grid, so the channel defaults do nothing for it.
void setUpSlaveType(WidgetFields& fields) {
  fields.setIndex(QStringLiteral("cbb118"), 0);
  fields.setVisible(QStringLiteral("cxgrd1"), false);
  fields.setItems(QStringLiteral("cbb117"), numbers(51, 100), 0);
  for (const char* n : {"lbl106", "edt65", "Button12"}) fields.setVisible(QLatin1String(n), false);
}

// Record numbers as text in one column, 1 … rows.
void numberRows(GridModel* m, const char* column) {
  if (!m) return;
  const int c = m->columnOf(QLatin1String(column));
  for (int row = 0; row < m->rowCount(); ++row) m->fill(row, c, QString::number(row + 1));
  m->endFill();
}

// Step 7: the terminal lists and the record grids.
void setUpListsAndRecords(WidgetFields& fields) {
  if (GridModel* m = gridModel(fields, "testview1")) {
    m->setRowCount(50);
    std::vector<int> checks;
    for (int c = 0; c < m->columnCount(); ++c)
      if (m->column(c).editor == Editor::Check) checks.push_back(c);
    for (int row = 0; row < 50; ++row)
      for (int c : checks) m->fill(row, c, false);
    m->endFill();
  }
  if (GridModel* m = gridModel(fields, "testview_congji2")) {
    m->setRowCount(100);
    const int seq = m->columnOf(u"tvcol_seq");
    const int a0 = m->columnOf(u"tvcol_attrib0");
    const int a1 = m->columnOf(u"tvcol_attrib1");
    for (int row = 0; row < 100; ++row) {
      m->fill(row, seq, row + 1);  // a number: terminal n sits in row n - 1
      m->fill(row, a0, false);
      m->fill(row, a1, false);
    }
    m->endFill();
  }
  numberRows(gridModel(fields, "history_view"), "h_no");
  numberRows(gridModel(fields, "cxgrdtb_AlarmRecord"), "h_no_a");
  numberRows(gridModel(fields, "cxgrdtb_HistryRecord"), "history_no");
  const QDate today = QDate::currentDate();
  fields.setDate(QStringLiteral("dtp_s"), today);
  fields.setDate(QStringLiteral("dtp_e"), today);
  fields.setChecked(QStringLiteral("rzchckbx116"), false);
}

// Step 11: the KX-TH channels.
void setUpSlave2(WidgetFields& fields, const Captions& tr) {
  GridModel* m = gridModel(fields, "tableView_slave2");
  if (!m) return;
  m->setRowCount(2);
  const Txt name[2] = {Txt::TxtTemperature, Txt::TxtHumidity};
  const char* const high[2] = {"80", "100"};
  const char* const low[2] = {"-40", "0"};
  for (int row = 0; row < 2; ++row) {
    put(m, row, "tableView_slave2Column4", tr(name[row]));
    put(m, row, "tableView_slave2Column1", QString::fromLatin1(high[row]));
    put(m, row, "tableView_slave2Column2", QString::fromLatin1(low[row]));
    put(m, row, "tableView_slave2Column3", false);
  }
}

// The grids that share the register grid's edit check look at its focus.
void shareRegisterRule(WidgetFields& fields) {
  QPointer<QAbstractItemView> registers = qobject_cast<QAbstractItemView*>(fields.find(QStringLiteral("onehalf")));
  for (const GridDef& d : gridDefs()) {
    if (!d.registerRule) continue;
    if (GridModel* m = gridModel(fields, d.name))
      m->setRuleFocus([registers] { return registers ? registers->currentIndex() : QModelIndex(); });
  }
}

}  // namespace

QWidget* makeGrid(const ControlDef& def) {
  const GridDef* g = gridDef(def.name);
  if (!g) return new QTableView;  // a grid the tables do not know stays empty
  auto* model = new GridModel(*g);
  if (!g->bands.empty()) return new BandedGridView(model);
  return new PlainGridView(model);
}

GridModel* gridModel(const WidgetFields& fields, const char* grid) {
  auto* view = qobject_cast<QAbstractItemView*>(fields.find(QLatin1String(grid)));
  return view ? qobject_cast<GridModel*>(view->model()) : nullptr;
}

void FillRegisterNameGrid(WidgetFields& fields, const Captions& tr) {
  GridModel* m = gridModel(fields, "reg_table");
  if (!m) return;
  m->setRowCount(100);
  const QString word = tr.chinese() ? QStringLiteral("寄存器") : QStringLiteral("Register");
  const int cols[4] = {m->columnOf(u"col_name1"), m->columnOf(u"col_name2"), m->columnOf(u"col_name3"),
                       m->columnOf(u"col_name4")};
  for (int i = 1; i <= 100; ++i)
    for (int k = 0; k < 4; ++k) m->fill(i - 1, cols[k], word + QString::number(i + 100 * k));
  m->endFill();
  fields.processEvents();
}

void applyGridCaptions(WidgetFields& fields, const Captions& tr) {
  // Column, band and button captions of every grid.
  for (const GridDef& d : gridDefs())
    if (GridModel* m = gridModel(fields, d.name)) m->setLang(tr.lang());
  // The fixed first cells of the channel grids follow the language.
  GridModel* slave2 = gridModel(fields, "tableView_slave2");
  if (slave2) slave2->setRowCount(2);
  put(slave2, 0, "tableView_slave2Column4", tr(Txt::TxtTemperature));
  put(slave2, 1, "tableView_slave2Column4", tr(Txt::TxtHumidity));
  FillRegisterNameGrid(fields, tr);
  GridModel* temp = gridModel(fields, "tb_temp");
  put(temp, 0, "tb_tempColumn1", tr(Txt::TxtTemperature));
  put(temp, 1, "tb_tempColumn1", tr(Txt::TxtHumidity));
}

void setUpGrids(WidgetFields& fields, const Captions& tr) {
  setUpInputOutput(fields, tr);
  setUpRegisterGrid(fields);
  setUpSlaveType(fields);
  setUpListsAndRecords(fields);
  FillRegisterNameGrid(fields, tr);
  const QStringList terminals = numbers(1, 100);
  fields.setItems(QStringLiteral("RzComboBox1"), terminals, 0);
  fields.setItems(QStringLiteral("ComboBox2"), terminals, 0);
  setUpSlave2(fields, tr);
  shareRegisterRule(fields);
}

}  // namespace gx::ui
