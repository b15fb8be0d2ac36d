// The grid model and views: user edits against program writes, the shared
// register rule, the banded layout and its buttons.
#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

#include "engine/virtualclock.h"
#include "sim/simline.h"
#include "support/apprig.h"
#include "ui/gridmodel.h"
#include "ui/gridroles.h"
#include "ui/grids.h"
#include "ui/gridview.h"
#include "ui/mainapp.h"
#include "ui/tform1.h"

using namespace gx;
using namespace gx::ui;

namespace {
struct App : test::AppRig {
  using test::AppRig::AppRig;
  QAbstractItemView* view(const char* name) {
    return qobject_cast<QAbstractItemView*>(app.form1().fields().find(QLatin1String(name)));
  }
  GridModel* model(const char* name) { return gridModel(app.form1().fields(), name); }
};

QModelIndex at(GridModel* m, int row, const char* column) { return m->index(row, m->columnOf(QLatin1String(column))); }
}  // namespace

class TstGrids : public QObject {
  Q_OBJECT
 private slots:
  // What a user's edit stores, per editor kind.
  void userValue_data() {
    QTest::addColumn<int>("editor");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("stored");  // invalid: the edit is refused
    QTest::addColumn<bool>("refused");
    const int text = int(Editor::Text), spin = int(Editor::Spin);
    QTest::newRow("text kept as typed") << text << 40 << 0 << " a b " << QVariant(QStringLiteral(" a b ")) << false;
    QTest::newRow("text cut at its limit") << text << 3 << 0 << "abcdef" << QVariant(QStringLiteral("abc")) << false;
    QTest::newRow("empty text stays text") << text << 3 << 0 << "" << QVariant(QString()) << false;
    QTest::newRow("spin in range") << spin << 65535 << 0 << "300" << QVariant(300) << false;
    QTest::newRow("spin above its maximum") << spin << 65535 << 0 << "70000" << QVariant(65535) << false;
    QTest::newRow("spin below zero with a maximum") << spin << 65535 << 0 << "-1" << QVariant(0) << false;
    QTest::newRow("spin without maximum takes negatives") << spin << 0 << 0 << "-40" << QVariant(-40) << false;
    QTest::newRow("whole-number spin refuses a fraction") << spin << 0 << 0 << "2.5" << QVariant() << true;
    QTest::newRow("spin refuses letters") << spin << 0 << 1 << "abc" << QVariant() << true;
    QTest::newRow("decimal spin rounds to its places") << spin << 0 << 1 << "25.55" << QVariant(25.6) << false;
    QTest::newRow("emptied spin has no value") << spin << 100 << 0 << " " << QVariant() << false;
    QTest::newRow("check cells take no text") << int(Editor::Check) << 0 << 0 << "true" << QVariant() << true;
    QTest::newRow("read-only cells take no text") << int(Editor::None) << 0 << 0 << "x" << QVariant() << true;
  }
  void userValue() {
    QFETCH(int, editor);
    QFETCH(int, max);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QFETCH(QVariant, stored);
    QFETCH(bool, refused);
    GridColumn c;
    c.editor = Editor(editor);
    c.max = max;
    c.decimals = decimals;
    const std::optional<QVariant> v = userCellValue(c, text);
    QCOMPARE(!v.has_value(), refused);
    if (!v) return;
    QCOMPARE(v->isValid(), stored.isValid());
    if (stored.isValid()) QCOMPARE(v->toString(), stored.toString());
    if (stored.typeId() == QMetaType::QString) QCOMPARE(v->typeId(), int(QMetaType::QString));
  }

  // Programs are not bound by the editing rules; users are.
  void programWritesBypassRules() {
    const GridDef* def = gridDef("tableView_slave2");
    QVERIFY(def);
    GridModel m(*def);
    const QModelIndex fixed = at(&m, 0, "tableView_slave2Column1");
    QVERIFY(!(m.flags(fixed) & Qt::ItemIsEditable));
    QVERIFY(!m.setData(fixed, QStringLiteral("90"), UserEditRole));
    QVERIFY(m.data(fixed, NullCellRole).toBool());
    QVERIFY(m.setData(fixed, QStringLiteral("90"), Qt::EditRole));
    QCOMPARE(m.data(fixed, Qt::EditRole), QVariant(QStringLiteral("90")));
    QVERIFY(!m.data(fixed, NullCellRole).toBool());
    // An invalid value makes the cell valueless again.
    QVERIFY(m.setData(fixed, QVariant(), Qt::EditRole));
    QVERIFY(m.data(fixed, NullCellRole).toBool());
    // Check cells: the user clicks, a program writes a bool.
    const QModelIndex box = at(&m, 1, "tableView_slave2Column3");
    QVERIFY(m.flags(box) & Qt::ItemIsUserCheckable);
    QVERIFY(m.setData(box, Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(m.data(box, Qt::EditRole), QVariant(true));
    QCOMPARE(m.data(box, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(m.data(box, Qt::DisplayRole).toString(), QStringLiteral("true"));
    QVERIFY(!m.setData(box, QStringLiteral("x"), UserEditRole));
  }

  void readOnlyGridRefusesUsers() {
    GridModel m(*gridDef("testview_congji2"));
    for (int c = 0; c < m.columnCount(); ++c) {
      const Qt::ItemFlags f = m.flags(m.index(5, c));
      QVERIFY2(!(f & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)), qPrintable(m.column(c).name));
    }
    const QModelIndex box = at(&m, 5, "tvcol_attrib0");
    QVERIFY(!m.setData(box, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(m.setData(box, true, Qt::EditRole));
    QCOMPARE(m.data(box, Qt::DisplayRole).toString(), QStringLiteral("true"));
  }

  // The register grid's alarm zone: painted red there, and while the register
  // grid's focus sits in it the KX-TH grid takes no user edit.
  void registerRule_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("zone");
    QTest::newRow("row 4, column 3") << 4 << 3 << true;
    QTest::newRow("row 99, column 6") << 99 << 6 << true;
    QTest::newRow("row 4, column 12") << 4 << 12 << true;
    QTest::newRow("row 3, column 3") << 3 << 3 << false;
    QTest::newRow("row 4, column 2") << 4 << 2 << false;
    QTest::newRow("row 4, column 7") << 4 << 7 << false;
    QTest::newRow("row 4, column 13") << 4 << 13 << false;
  }
  void registerRule() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, zone);
    App a(QStringLiteral("English"));
    GridModel* registers = a.model("onehalf");
    GridModel* slave2 = a.model("tableView_slave2");
    QVERIFY(registers && slave2);
    const QVariant red = registers->data(registers->index(row, column), Qt::BackgroundRole);
    QCOMPARE(red.isValid(), zone);
    if (zone) QCOMPARE(red.value<QBrush>().color(), QColor(255, 0, 0));
    a.view("onehalf")->setCurrentIndex(registers->index(row, column));
    const QModelIndex name = at(slave2, 0, "cxGridColumn2");
    QCOMPARE(bool(slave2->flags(name) & Qt::ItemIsEditable), !zone);
    QCOMPARE(slave2->setData(name, QStringLiteral("x"), UserEditRole), !zone);
    QCOMPARE(bool(slave2->flags(at(slave2, 1, "tableView_slave2Column3")) & Qt::ItemIsUserCheckable), !zone);
    // A program still writes.
    QVERIFY(slave2->setData(name, QStringLiteral("y"), Qt::EditRole));
    // Two rows: the KX-TH grid itself is never red.
    for (int r = 0; r < slave2->rowCount(); ++r)
      for (int c = 0; c < slave2->columnCount(); ++c)
        QVERIFY(!slave2->data(slave2->index(r, c), Qt::BackgroundRole).isValid());
  }

  // The terminal list draws each record as two lines under three bands, every
  // cell in its own place, and maps points back to the same cell.
  void bandedLayout() {
    App a(QStringLiteral("English"));
    auto* view = qobject_cast<BandedGridView*>(a.view("testview_congji2"));
    QVERIFY(view);
    view->resize(1000, 600);
    GridModel* m = view->gridModel();
    for (int record : {0, 1, 2}) {
      QList<QRect> rects;
      for (int c = 0; c < m->columnCount(); ++c) {
        const QModelIndex i = m->index(record, c);
        const QRect r = view->visualRect(i);
        QVERIFY(r.width() > 0 && r.height() > 0);
        for (const QRect& other : rects) QVERIFY2(!other.intersects(r), qPrintable(m->column(c).name));
        rects << r;
        if (view->viewport()->rect().contains(r.center())) QCOMPARE(view->indexAt(r.center()), i);
      }
    }
    // Line 2 of a record lies below line 1; the band order runs left to right.
    auto rect = [&](const char* column) { return view->visualRect(at(m, 0, column)); };
    QVERIFY(rect("tvcol_devDel").top() >= rect("tvcol_seq").bottom());
    QCOMPARE(rect("tvcol_devDel").left(), rect("tvcol_seq").left());
    QVERIFY(rect("tvcol_name0").left() >= rect("tvcol_TranMinute").right());
    QVERIFY(rect("tvcol_HighLim1").left() >= rect("tvcol_humidity").right());
    QVERIFY(view->visualRect(at(m, 1, "tvcol_seq")).top() >= rect("tvcol_devDel").bottom());
    QCOMPARE(view->bands().size(), 3);
  }

  // A press on a delete button says which record; other cells stay quiet.
  void buttonPress() {
    App a(QStringLiteral("English"));
    auto* view = qobject_cast<BandedGridView*>(a.view("testview_congji2"));
    QVERIFY(view);
    a.app.form1().ShowPage(QStringLiteral("TabSheet5"));
    a.app.form1().show();
    QVERIFY(QTest::qWaitForWindowExposed(&a.app.form1()));
    QSignalSpy spy(view, &BandedGridView::buttonClicked);
    GridModel* m = view->gridModel();
    const QModelIndex button = at(m, 1, "tvcol_devDel");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(button).center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at(m, 1, "tvcol_seq")).center());
    view->clickCell(99, button.column());
    view->clickCell(0, m->columnOf(u"tvcol_name0"));
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy[0][0].toInt(), 1);
    QCOMPARE(spy[0][1].toString(), QStringLiteral("tvcol_devDel"));
    QCOMPARE(spy[1][0].toInt(), 99);
    QCOMPARE(view->currentIndex().row(), 99);
  }

  // Editing in the plain grid through its real editor goes through the same rule.
  void editorPath() {
    App a(QStringLiteral("English"));
    auto* view = qobject_cast<PlainGridView*>(a.view("tb_temp"));
    QVERIFY(view);
    GridModel* m = view->gridModel();
    const QModelIndex alarm = at(m, 0, "tb_col_alarm");
    GridDelegate delegate;
    QWidget host;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&host, {}, alarm));
    QVERIFY(editor);
    delegate.setEditorData(editor.get(), alarm);
    QCOMPARE(editor->property("value").toInt(), 2);
    editor->setProperty("value", 99999);  // the spin box keeps to its range
    delegate.setModelData(editor.get(), m, alarm);
    QCOMPARE(m->data(alarm, Qt::EditRole).toInt(), 65535);
    QVERIFY(!delegate.createEditor(&host, {}, at(m, 0, "tb_col_current")));
  }
};

QTEST_MAIN(TstGrids)
#include "tst_grids.moc"
