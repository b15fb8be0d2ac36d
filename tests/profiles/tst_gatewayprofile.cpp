// The gateway profile's keys: the file written from known field values,
// reading it back, the value forms, and where a load stops.
#include <QtTest>

#include "link/codepage.h"
#include "profiles/xmlc.h"
#include "profiles/xmldoc.h"
#include "support/memoryfields.h"

using gx::FieldAccess;
using gx::profiles::ApplyError;
using gx::profiles::Form;
using gx::profiles::ProfileKey;
using gx::test::MemoryFields;

namespace {

const QString kGrid = QStringLiteral("tb_temp");

QByteArray fixture(const char* name) {
  QFile f(QStringLiteral(PROFILE_FIXTURES "/") + QLatin1String(name));
  if (!f.open(QIODevice::ReadOnly)) qFatal("fixture %s missing", name);
  return f.readAll();
}

QString eventBox(int n, int k) { return QStringLiteral("rzchckbx%1").arg(10 + 9 * (n - 1) + k); }
int lastDigit(const QString& name) { return name.back().digitValue(); }

// The field values the golden file was written by hand from: text fields
// hold their own names, combos the last digit of their names, check boxes
// are ticked when that digit is odd, plus the special cases below.
void fillGolden(FieldAccess& f) {
  for (const ProfileKey& k : gx::profiles::gatewayProfileKeys()) {
    if (k.form == Form::Text) f.setText(k.field, k.field);
    if (k.form == Form::Index) f.setIndex(k.field, lastDigit(k.field));
    if (k.form == Form::Flag || k.form == Form::Bool || k.form == Form::LinkFlag)
      f.setChecked(k.field, lastDigit(k.field) % 2 == 1);
  }
  // Authorised number n ticks event column n - 1; number 10 ticks columns 0 and 8.
  for (int n = 1; n <= 10; ++n)
    for (int k = 0; k <= 8; ++k) f.setChecked(eventBox(n, k), n <= 9 ? k == n - 1 : (k == 0 || k == 8));
  f.setText(QStringLiteral("RzEdit68"), QStringLiteral("a<b>&\"c'd"));
  f.setText(QStringLiteral("RzEdit4"), QStringLiteral("网关 01"));
  f.setText(QStringLiteral("RzEdit8"), QStringLiteral("one\r\ntwo\rthree"));
  f.setText(QStringLiteral("RzEdit10"), QString());
  f.setText(QStringLiteral("edt70"), QStringLiteral("08:30"));
  f.setTime(QStringLiteral("edt70"), QTime(8, 30, 15));
  f.setIndex(QStringLiteral("cbb6"), -1);
  const auto cells = [&](const char* column, const QVariant& row0, const QVariant& row1) {
    f.setCell(kGrid, 0, QLatin1String(column), row0);
    f.setCell(kGrid, 1, QLatin1String(column), row1);
  };
  cells("tb_col_name", QVariant(), QStringLiteral("湿度"));
  cells("tb_col_enable", true, false);
  cells("tb_col_alarm", QStringLiteral("10"), QStringLiteral("20"));
  cells("tb_col_highlimit", 25.5, 80);
  cells("tb_col_lowlimit", QStringLiteral("-5.5"), 0);
  cells("tb_col_hsms", QStringLiteral("hot&high"), QStringLiteral("wet"));
  cells("tb_col_lsms", QStringLiteral("cold"), QStringLiteral("dry"));
  cells("tb_col_rsms", QStringLiteral("ok"), QStringLiteral("fine"));
  cells("tb_col_relay1", true, false);
  cells("tb_col_relay2", false, true);
  cells("tb_col_recover", true, false);
}

// A profile holding just these key elements, plus the two link keys a load cannot do without.
QByteArray profileWith(const QByteArray& keys) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<MyRoot>\r\n    <systeminf>\r\n" + keys +
         "        <1011-TempType>0</1011-TempType>\r\n        <1011-1-TempType>0</1011-1-TempType>\r\n"
         "    </systeminf>\r\n</MyRoot>\r\n";
}

std::optional<ApplyError> load(const QByteArray& file, FieldAccess& f) {
  gx::xml::ParseError perr;
  const auto doc = gx::xml::parse(file, &perr);
  if (!doc) qFatal("test profile does not parse: line %d %s", perr.line, qPrintable(perr.reason));
  return gx::profiles::ApplyGatewayProfile(*doc->root.firstChild(), f);
}

// The window's reactions to check boxes in their most eager form: every
// change of a box, by a user or a program, runs its handler. A load must
// come out right even then.
class EagerFields final : public FieldAccess {
 public:
  MemoryFields m;
  QString text(const QString& n) const override { return m.text(n); }
  void setText(const QString& n, const QString& t) override {
    const bool changed = m.text(n) != t;
    m.setText(n, t);
    if (n == QLatin1String("edt59") && changed && !m.checked(QStringLiteral("rzchckbx116")))
      m.setText(n, QStringLiteral("2"));
  }
  void setEnabled(const QString& n, bool on) override { m.setEnabled(n, on); }
  void setFill(const QString& n, uint32_t rgb) override { m.setFill(n, rgb); }
  void setValue(const QString& n, int v) override { m.setValue(n, v); }
  void setItems(const QString& n, const QStringList& items, int s) override { m.setItems(n, items, s); }
  int itemCount(const QString& n) const override { return m.itemCount(n); }
  void addItem(const QString& n, const QString& t) override { m.addItem(n, t); }
  void clearItems(const QString& n) override { m.clearItems(n); }
  void scrollToLast(const QString& n) override { m.scrollToLast(n); }
  bool checked(const QString& n) const override { return m.checked(n); }
  void setChecked(const QString& n, bool on) override {
    const bool changed = m.checked(n) != on;
    m.setChecked(n, on);
    if (!changed) return;
    static const QHash<QString, QString> hexEdits{
        {"chk1", "RzEdit21"},      {"CheckBox1", "RzEdit22"}, {"CheckBox2", "RzEdit23"}, {"CheckBox3", "RzEdit24"},
        {"CheckBox4", "RzEdit25"}, {"CheckBox5", "RzEdit38"}, {"CheckBox6", "RzEdit43"}, {"CheckBox7", "RzEdit44"},
        {"CheckBox8", "RzEdit45"}, {"CheckBox9", "RzEdit46"}};
    if (hexEdits.contains(n)) m.setText(hexEdits[n], QString());
    if (n == QLatin1String("rzchckbx116")) {
      m.setEnabled(QStringLiteral("edt59"), on);
      if (!on) setText(QStringLiteral("edt59"), QStringLiteral("2"));
    }
  }
  int index(const QString& n) const override { return m.index(n); }
  void setIndex(const QString& n, int i) override { m.setIndex(n, i); }
  QDate date(const QString& n) const override { return m.date(n); }
  void setDate(const QString& n, const QDate& d) override { m.setDate(n, d); }
  QTime time(const QString& n) const override { return m.time(n); }
  void setTime(const QString& n, const QTime& t) override { m.setTime(n, t); }
  void setVisible(const QString& n, bool on) override { m.setVisible(n, on); }
  int rowCount(const QString& g) const override { return m.rowCount(g); }
  QVariant cell(const QString& g, int r, const QString& c) const override { return m.cell(g, r, c); }
  void setCell(const QString& g, int r, const QString& c, const QVariant& v) override { m.setCell(g, r, c, v); }
};

}  // namespace

class TstGatewayProfile : public QObject {
  Q_OBJECT
 private slots:
  void writerMatchesHandWrittenFile();
  void handWrittenFileLoads();
  void saveThenLoadKeepsEveryField();
  void keysInOtherLetterCase();
  void laterOfTwoKeysWins();
  void valueForms_data();
  void valueForms();
  void eventBits_data();
  void eventBits();
  void timeOfDay_data();
  void timeOfDay();
  void emptySettingsStopsAtLinkKey_data();
  void emptySettingsStopsAtLinkKey();
  void unreadableNumberStopsThere_data();
  void unreadableNumberStopsThere();
  void hexPacketsSurviveTheirBoxes_data();
  void hexPacketsSurviveTheirBoxes();
  void edt59FollowsItsBox_data();
  void edt59FollowsItsBox();
};

void TstGatewayProfile::writerMatchesHandWrittenFile() {
  MemoryFields f;
  fillGolden(f);
  const QByteArray got = gx::xml::write(gx::profiles::BuildGatewayProfile(f));
  const QByteArray want = fixture("golden_gateway.xml");
  if (got != want) {
    const QList<QByteArray> g = got.split('\n'), w = want.split('\n');
    for (qsizetype i = 0; i < std::min(g.size(), w.size()); ++i)
      if (g[i] != w[i])
        QFAIL(qPrintable(QStringLiteral("line %1: got %2, want %3")
                             .arg(i + 1)
                             .arg(QString::fromLatin1(g[i]), QString::fromLatin1(w[i]))));
    QCOMPARE(got.size(), want.size());
  }
}

void TstGatewayProfile::handWrittenFileLoads() {
  MemoryFields f;
  QVERIFY(!load(fixture("golden_gateway.xml"), f));
  QCOMPARE(f.text("RzEdit68"), QStringLiteral("a<b>&\"c'd"));
  QCOMPARE(f.text("RzEdit4"), QStringLiteral("网关 01"));
  QCOMPARE(f.text("RzEdit8"), QStringLiteral("one\ntwo\nthree"));
  QCOMPARE(f.text("edt111"), QStringLiteral("edt111"));
  QCOMPARE(f.text("RzEdit21"), QStringLiteral("RzEdit21"));
  QCOMPARE(f.index("cbb6"), -1);
  QCOMPARE(f.index("cbb49"), 9);
  QCOMPARE(f.index("cbb52"), 2);
  QVERIFY(f.checked("CheckBox5") && !f.checked("CheckBox6"));
  QVERIFY(f.checked("rzchckbx121") && !f.checked("rzchckbx120"));
  QVERIFY(f.checked(eventBox(10, 0)) && f.checked(eventBox(10, 8)) && !f.checked(eventBox(10, 1)));
  QCOMPARE(f.time("edt70"), QTime(8, 30, 59));
  QCOMPARE(f.cell(kGrid, 0, "tb_col_name"), QVariant(QString()));
  QCOMPARE(f.cell(kGrid, 1, "tb_col_name"), QVariant(QStringLiteral("湿度")));
  QCOMPARE(f.cell(kGrid, 0, "tb_col_highlimit"), QVariant(QStringLiteral("25.5")));
  QCOMPARE(f.cell(kGrid, 0, "tb_col_relay1"), QVariant(true));
  QCOMPARE(f.cell(kGrid, 0, "tb_col_recover"), QVariant(true));
  QCOMPARE(f.cell(kGrid, 1, "tb_col_relay2"), QVariant(true));
  QCOMPARE(f.cell(kGrid, 1, "tb_col_recover"), QVariant(false));
  // rzchckbx116 is unticked in the file, so edt59 holds "2" whatever the file says.
  QCOMPARE(f.text("edt59"), QStringLiteral("2"));
}

void TstGatewayProfile::saveThenLoadKeepsEveryField() {
  MemoryFields a;
  fillGolden(a);
  a.setText(QStringLiteral("RzEdit8"), QStringLiteral("Lager Süd 网关"));  // edits hold one line
  a.setChecked(QStringLiteral("rzchckbx116"), true);                       // edt59 free to hold its text
  const QByteArray file = gx::xml::write(gx::profiles::BuildGatewayProfile(a));

  // A window full of other values.
  MemoryFields b;
  for (const ProfileKey& k : gx::profiles::gatewayProfileKeys()) {
    b.setText(k.field, QStringLiteral("other"));
    b.setIndex(k.field, 5);
    b.setChecked(k.field, !a.checked(k.field));
  }
  for (int n = 1; n <= 10; ++n)
    for (int k = 0; k <= 8; ++k) b.setChecked(eventBox(n, k), !a.checked(eventBox(n, k)));
  QVERIFY(!load(file, b));

  for (const ProfileKey& k : gx::profiles::gatewayProfileKeys()) {
    if (k.saveOnly) continue;  // RzEdit2, the new password, is written only
    const QString what = k.key + QLatin1Char(' ') + k.field;
    switch (k.form) {
      case Form::Text:
        QVERIFY2(b.text(k.field) == a.text(k.field), qPrintable(what));
        break;
      case Form::Index:
        QVERIFY2(b.index(k.field) == a.index(k.field), qPrintable(what));
        break;
      case Form::Flag:
      case Form::Bool:
      case Form::LinkFlag:
        QVERIFY2(b.checked(k.field) == a.checked(k.field), qPrintable(what));
        break;
      default:
        break;
    }
  }
  QCOMPARE(b.text("RzEdit2"), QStringLiteral("other"));
  for (int n = 1; n <= 10; ++n)
    for (int k = 0; k <= 8; ++k) QCOMPARE(b.checked(eventBox(n, k)), a.checked(eventBox(n, k)));
  QCOMPARE(b.time("edt70"), QTime(8, 30, 59));  // the seconds are not kept
  for (int row = 0; row < 2; ++row)
    for (const char* c :
         {"tb_col_name", "tb_col_alarm", "tb_col_highlimit", "tb_col_lowlimit", "tb_col_hsms", "tb_col_lsms",
          "tb_col_rsms", "tb_col_enable", "tb_col_relay1", "tb_col_relay2", "tb_col_recover"}) {
      const QVariant was = a.cell(kGrid, row, c), now = b.cell(kGrid, row, c);
      QVERIFY2(now.toString() == (was.isValid() ? was.toString() : QString()),
               c);  // a cell without value comes back empty
    }
}

void TstGatewayProfile::keysInOtherLetterCase() {
  MemoryFields exact, other;
  QVERIFY(!load(fixture("golden_gateway.xml"), exact));
  // Every element name in the file in upper case when its length is odd, in lower case otherwise.
  QByteArray file = fixture("golden_gateway.xml");
  QByteArray changed;
  for (qsizetype i = 0; i < file.size(); ++i) {
    changed += file[i];
    if (file[i] == '<' && i + 1 < file.size() && file[i + 1] != '?') {
      qsizetype j = i + 1;
      if (file[j] == '/') changed += file[j++];
      qsizetype end = j;
      while (end < file.size() && file[end] != '>' && file[end] != '/') ++end;
      const QByteArray name = file.mid(j, end - j);
      changed += name.size() % 2 ? name.toUpper() : name.toLower();
      i = end - 1;
    }
  }
  QVERIFY(changed != file);
  QVERIFY(changed.contains("<1-2-deviceid>") && changed.contains("<RZEDIT391>"));
  QVERIFY(!load(changed, other));
  QCOMPARE(other.texts, exact.texts);
  QCOMPARE(other.indexes, exact.indexes);
  QCOMPARE(other.checks, exact.checks);
  QCOMPARE(other.times, exact.times);
  QCOMPARE(other.cells, exact.cells);

  MemoryFields hand;
  QVERIFY(!load(fixture("other_case.xml"), hand));
  QCOMPARE(hand.text("RzEdit4"), QStringLiteral("17"));
  QCOMPARE(hand.text("RzEdit8"), QStringLiteral("office"));
  QVERIFY(hand.checked("rzchckbx1"));
  QCOMPARE(hand.index("cbb110"), 2);
  QVERIFY(hand.checked("CheckBox3"));
  QCOMPARE(hand.text("RzEdit24"), QStringLiteral("01 02"));
  QCOMPARE(hand.cell(kGrid, 0, "tb_col_relay1"), QVariant(true));
  QCOMPARE(hand.cell(kGrid, 1, "tb_col_recover"), QVariant(true));
}

void TstGatewayProfile::laterOfTwoKeysWins() {
  MemoryFields f;
  QVERIFY(!load(profileWith("        <1-5-SmsReportInterMin>5</1-5-SmsReportInterMin>\r\n"
                            "        <edt111>A</edt111>\r\n"
                            "        <cbb6>1</cbb6>\r\n"
                            "        <97-GprsUsr>first</97-GprsUsr>\r\n"
                            "        <rest_1_smsp>9</rest_1_smsp>\r\n"
                            "        <rest_6_1>B</rest_6_1>\r\n"
                            "        <rest_7_un>second</rest_7_un>\r\n"
                            "        <xml_cbb6>0</xml_cbb6>\r\n"),
                f));
  QCOMPARE(f.text("edt72"), QStringLiteral("9"));
  QCOMPARE(f.text("edt111"), QStringLiteral("B"));
  QCOMPARE(f.text("edt49"), QStringLiteral("second"));
  QCOMPARE(f.index("cbb6"), 0);
}

void TstGatewayProfile::valueForms_data() {
  QTest::addColumn<QByteArray>("element");  // empty: the key is missing
  QTest::addColumn<QString>("field");
  QTest::addColumn<QVariant>("expected");  // int: index, bool: check state, string: text
  const auto row = [](const char* name, const char* element, const char* field, const QVariant& v) {
    QTest::newRow(name) << QByteArray(element) << QString::fromLatin1(field) << v;
  };
  row("index", "<41-DinType2>2</41-DinType2>", "cbb2", 2);
  row("index -1: no selection", "<41-DinType2>-1</41-DinType2>", "cbb2", -1);
  row("index beyond the list", "<41-DinType2>3</41-DinType2>", "cbb2", -1);
  row("index not a number", "<41-DinType2>two</41-DinType2>", "cbb2", 0);
  row("index missing", "", "cbb2", 0);
  row("flag 1", "<rest_1_dailyc>1</rest_1_dailyc>", "rzchckbx1", true);
  row("flag 01", "<rest_1_dailyc>01</rest_1_dailyc>", "rzchckbx1", true);
  row("flag 2", "<rest_1_dailyc>2</rest_1_dailyc>", "rzchckbx1", false);
  row("flag true", "<rest_1_dailyc>true</rest_1_dailyc>", "rzchckbx1", false);
  row("bool true", "<CheckBox7>true</CheckBox7>", "CheckBox7", true);
  row("bool TRUE", "<CheckBox7>TRUE</CheckBox7>", "CheckBox7", true);
  row("bool number", "<CheckBox7>-3</CheckBox7>", "CheckBox7", true);
  row("bool 0", "<CheckBox7>0</CheckBox7>", "CheckBox7", false);
  row("bool unreadable", "<CheckBox7>yes</CheckBox7>", "CheckBox7", false);
  row("bool missing", "", "CheckBox7", false);
  row("link flag 64", "<3-2-3-type>64</3-2-3-type>", "rzchckbx121", true);
  row("link flag 1", "<3-2-3-type>1</3-2-3-type>", "rzchckbx121", false);
  row("text", "<96-GprsApn>cmnet</96-GprsApn>", "edt42", QStringLiteral("cmnet"));
  row("text code page 936", "<43-DinName1>\xC3\xC5\xB4\xC5</43-DinName1>", "edt12", QStringLiteral("门磁"));
  row("text entities", "<43-DinName1>&lt;&amp;&gt;</43-DinName1>", "edt12", QStringLiteral("<&>"));
  row("text missing", "", "edt12", QString());
  row("interval of a lone dash", "<42-DinDelay3>-</42-DinDelay3>", "edt18", QString());
}

void TstGatewayProfile::valueForms() {
  QFETCH(QByteArray, element);
  QFETCH(QString, field);
  QFETCH(QVariant, expected);
  MemoryFields f;
  f.setItems(QStringLiteral("cbb2"), {"Disable", "NO", "NC"}, 1);
  f.setText(field, QStringLiteral("before"));
  f.setChecked(field, !expected.toBool());
  QVERIFY(!load(profileWith(element.isEmpty() ? QByteArray() : "        " + element + "\r\n"), f));
  if (expected.typeId() == QMetaType::Int) QCOMPARE(f.index(field), expected.toInt());
  if (expected.typeId() == QMetaType::Bool) QCOMPARE(f.checked(field), expected.toBool());
  if (expected.typeId() == QMetaType::QString) QCOMPARE(f.text(field), expected.toString());
}

void TstGatewayProfile::eventBits_data() {
  QTest::addColumn<QByteArray>("value");
  QTest::addColumn<QList<int>>("ticked");  // event columns of authorised number 3
  QTest::newRow("all nine") << QByteArray("767") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8};
  QTest::newRow("bit 8 has no box") << QByteArray("256") << QList<int>{};
  QTest::newRow("bit 9 is column 8") << QByteArray("512") << QList<int>{8};
  QTest::newRow("report and alarm") << QByteArray("10") << QList<int>{1, 3};
  QTest::newRow("empty") << QByteArray("") << QList<int>{};
}

void TstGatewayProfile::eventBits() {
  QFETCH(QByteArray, value);
  QFETCH(QList<int>, ticked);
  MemoryFields f;
  QVERIFY(!load(profileWith("        <2-2-3-AlarmnoAttrib>" + value + "</2-2-3-AlarmnoAttrib>\r\n"), f));
  for (int k = 0; k <= 8; ++k) QCOMPARE(f.checked(eventBox(3, k)), ticked.contains(k));
  for (int k = 0; k <= 8; ++k) QVERIFY(!f.checked(eventBox(2, k)) && !f.checked(eventBox(4, k)));
}

void TstGatewayProfile::timeOfDay_data() {
  QTest::addColumn<QByteArray>("elements");
  QTest::addColumn<QTime>("time");
  QTest::newRow("both") << QByteArray("<1_time_hour>23</1_time_hour><1_time_min>5</1_time_min>") << QTime(23, 5, 59);
  QTest::newRow("missing") << QByteArray() << QTime(0, 0, 59);
  QTest::newRow("empty") << QByteArray("<1_time_hour/><1_time_min></1_time_min>") << QTime(0, 0, 59);
  QTest::newRow("hour only") << QByteArray("<1_time_hour>7</1_time_hour>") << QTime(7, 0, 59);
}

void TstGatewayProfile::timeOfDay() {
  QFETCH(QByteArray, elements);
  QFETCH(QTime, time);
  MemoryFields f;
  QVERIFY(!load(profileWith(elements), f));
  QCOMPARE(f.time("edt70"), time);
}

void TstGatewayProfile::emptySettingsStopsAtLinkKey_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<int>("line");
  QTest::newRow("empty systeminf") << fixture("empty_settings.xml") << 3;
  QTest::newRow("terminal profile") << fixture("terminal_profile.xml") << 3;
}

void TstGatewayProfile::emptySettingsStopsAtLinkKey() {
  QFETCH(QByteArray, file);
  QFETCH(int, line);
  MemoryFields f;
  fillGolden(f);
  f.setChecked(QStringLiteral("rzchckbx116"), true);
  const auto err = load(file, f);
  QVERIFY(err);
  QCOMPARE(err->key, QStringLiteral("1011-TempType"));
  QVERIFY(err->missing);
  QCOMPARE(err->line, line);
  // Everything before the link key took the missing key's value.
  for (const ProfileKey& k : gx::profiles::gatewayProfileKeys()) {
    if (k.saveOnly) continue;
    if (k.form == Form::Text && k.field != QLatin1String("edt59"))
      QVERIFY2(f.text(k.field).isEmpty(), qPrintable(k.field));
    if (k.form == Form::Index) QVERIFY2(f.index(k.field) == 0, qPrintable(k.field));
    if (k.form == Form::Flag || k.form == Form::Bool || k.form == Form::LinkFlag)
      QVERIFY2(!f.checked(k.field), qPrintable(k.field));
  }
  QCOMPARE(f.text("edt59"), QStringLiteral("2"));  // rzchckbx116 is unticked now
  for (int k = 0; k <= 8; ++k) QVERIFY(!f.checked(eventBox(10, k)));
  QCOMPARE(f.cell(kGrid, 1, "tb_col_rsms"), QVariant(QString()));
  QCOMPARE(f.cell(kGrid, 1, "tb_col_enable"), QVariant(false));
  // The link cells were not reached.
  QCOMPARE(f.cell(kGrid, 0, "tb_col_relay1"), QVariant(true));
  QCOMPARE(f.cell(kGrid, 1, "tb_col_relay2"), QVariant(true));
}

void TstGatewayProfile::unreadableNumberStopsThere_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QString>("key");
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("reason");
  QTest::addColumn<bool>("attributesApplied");  // 2-2-1-AlarmnoAttrib follows the time keys
  QTest::newRow("hour above 23") << fixture("bad_hour.xml") << "1_time_hour" << 6 << "out of range 0 to 23" << false;
  const QByteArray before =
      "        <1-2-DeviceId>17</1-2-DeviceId>\r\n        <2-1-10-Alarmno>13800138000</2-1-10-Alarmno>\r\n";
  const QByteArray attrib = "        <2-2-1-AlarmnoAttrib>2</2-2-1-AlarmnoAttrib>\r\n";
  QTest::newRow("minute 60") << profileWith(before + "        <1_time_min>60</1_time_min>\r\n" + attrib) << "1_time_min"
                             << 6 << "out of range 0 to 59" << false;
  QTest::newRow("hour not a number") << profileWith(before + "        <1_time_hour>8h</1_time_hour>\r\n" + attrib)
                                     << "1_time_hour" << 6 << "not a decimal number" << false;
  QTest::newRow("event bits not a number")
      << profileWith(before + "        <2-2-1-AlarmnoAttrib>x2</2-2-1-AlarmnoAttrib>\r\n") << "2-2-1-AlarmnoAttrib" << 6
      << "not a decimal number" << false;
  QTest::newRow("link bits not a number")
      << QByteArray(
             "<MyRoot>\r\n<systeminf>\r\n<1-2-DeviceId>17</1-2-DeviceId>\r\n<2-1-10-Alarmno>13800138000</"
             "2-1-10-Alarmno>\r\n" +
             attrib + "<1011-TempType>0x10</1011-TempType>\r\n</systeminf></MyRoot>")
      << "1011-TempType" << 6 << "not a decimal number" << true;
  QTest::newRow("second link bits empty")
      << QByteArray(
             "<MyRoot>\r\n<systeminf>\r\n<1-2-DeviceId>17</1-2-DeviceId>\r\n<2-1-10-Alarmno>13800138000</"
             "2-1-10-Alarmno>\r\n" +
             attrib + "<1011-TempType>16</1011-TempType>\r\n<1011-1-TempType/>\r\n</systeminf></MyRoot>")
      << "1011-1-TempType" << 7 << "not a decimal number" << true;
}

void TstGatewayProfile::unreadableNumberStopsThere() {
  QFETCH(QByteArray, file);
  QFETCH(QString, key);
  QFETCH(int, line);
  QFETCH(QString, reason);
  QFETCH(bool, attributesApplied);
  MemoryFields f;
  f.setTime(QStringLiteral("edt70"), QTime(1, 2, 3));
  f.setText(QStringLiteral("edt40"), QStringLiteral("kept"));
  const auto err = load(file, f);
  QVERIFY(err);
  QCOMPARE(err->key, key);
  QCOMPARE(err->line, line);
  QVERIFY2(err->reason.contains(reason), qPrintable(err->reason));
  QVERIFY(!err->missing);
  // Keys before it hold the file's values; keys after it were not touched.
  QCOMPARE(f.text("RzEdit4"), QStringLiteral("17"));
  QCOMPARE(f.text("edt11"), QStringLiteral("13800138000"));
  QCOMPARE(f.checked(eventBox(1, 1)), attributesApplied);
  QCOMPARE(f.text("edt40"), attributesApplied ? QString() : QStringLiteral("kept"));
  if (key.startsWith(QLatin1String("1_time"))) QCOMPARE(f.time("edt70"), QTime(1, 2, 3));
}

void TstGatewayProfile::hexPacketsSurviveTheirBoxes_data() {
  QTest::addColumn<bool>("boxesBefore");
  QTest::newRow("boxes were unticked") << false;
  QTest::newRow("boxes were ticked") << true;
}

void TstGatewayProfile::hexPacketsSurviveTheirBoxes() {
  QFETCH(bool, boxesBefore);
  EagerFields f;
  for (const char* box : {"chk1", "CheckBox1", "CheckBox3", "CheckBox5", "CheckBox8"})
    f.m.setChecked(QLatin1String(box), boxesBefore);
  QVERIFY(!load(fixture("hex_packets.xml"), f));
  QVERIFY(f.checked("chk1") && f.checked("CheckBox3") && f.checked("CheckBox5"));
  QVERIFY(!f.checked("CheckBox1") && !f.checked("CheckBox8"));
  QCOMPARE(f.text("RzEdit21"), QStringLiteral("AA BB"));
  QCOMPARE(f.text("RzEdit22"), QStringLiteral("login ok"));
  QCOMPARE(f.text("RzEdit24"), QStringLiteral("01 02 0A"));
  QCOMPARE(f.text("RzEdit38"), QStringLiteral("0D 0A"));
  QCOMPARE(f.text("RzEdit45"), QStringLiteral("ACK"));
}

void TstGatewayProfile::edt59FollowsItsBox_data() {
  QTest::addColumn<bool>("boxBefore");
  QTest::addColumn<bool>("boxInFile");
  QTest::addColumn<QString>("edt59");
  QTest::newRow("ticked by the load") << false << true << "7";
  QTest::newRow("stays ticked") << true << true << "7";
  QTest::newRow("unticked by the load") << true << false << "2";
  QTest::newRow("stays unticked") << false << false << "2";
}

void TstGatewayProfile::edt59FollowsItsBox() {
  QFETCH(bool, boxBefore);
  QFETCH(bool, boxInFile);
  QFETCH(QString, edt59);
  for (bool eager : {false, true}) {
    EagerFields e;
    MemoryFields plain;
    FieldAccess& f = eager ? static_cast<FieldAccess&>(e) : plain;
    f.setChecked(QStringLiteral("rzchckbx116"), boxBefore);
    f.setText(QStringLiteral("edt59"), QStringLiteral("5"));
    QVERIFY(!load(profileWith(QByteArray("        <xml_edt59>7</xml_edt59>\r\n        <xml_rzchckbx116>") +
                              (boxInFile ? "1" : "0") + "</xml_rzchckbx116>\r\n"),
                  f));
    QCOMPARE(f.checked(QStringLiteral("rzchckbx116")), boxInFile);
    QCOMPARE(f.text(QStringLiteral("edt59")), edt59);
    QCOMPARE((eager ? e.m : plain).enabled.value(QStringLiteral("edt59")), boxInFile);
  }
}

QTEST_GUILESS_MAIN(TstGatewayProfile)
#include "tst_gatewayprofile.moc"
