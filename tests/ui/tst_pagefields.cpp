// Field behaviours as programs trigger them (a parameter read, a profile
// load): boxes written by a program enable their fields and fill their rows,
// a HEX box written by a program keeps its packet, and the date and time
// edits show the device's formats.
#include <QDateEdit>
#include <QTest>
#include <QTimeEdit>

#include "engine/virtualclock.h"
#include "sim/simline.h"
#include "support/memoryfields.h"
#include "ui/mainapp.h"
#include "ui/tform1.h"

using namespace gx;

namespace {
struct App {
  VirtualClock clock;
  test::RecordingDialogs dialogs;
  sim::SimLine line{clock, nullptr};
  MainApp app;
  App() : app({clock, dialogs, line, QStringLiteral("English (United States)")}) {}
  WidgetFields& f() { return app.form1().fields(); }
  bool enabled(const QString& name) { return f().find(name)->isEnabled(); }
};
}  // namespace

class TstPageFields : public QObject {
  Q_OBJECT
 private slots:
  void programTicksEnable_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("field");
    QTest::newRow("daily report time") << "rzchckbx1"
                                       << "edt70";
    QTest::newRow("report period") << "rzchckbx115"
                                   << "edt72";
    QTest::newRow("history period") << "rzchckbx2"
                                    << "edt29";
  }
  void programTicksEnable() {
    QFETCH(QString, box);
    QFETCH(QString, field);
    App a;
    QVERIFY(!a.enabled(field));
    a.f().setChecked(box, true);
    QVERIFY(a.enabled(field));
    a.f().setChecked(box, false);
    QVERIFY(!a.enabled(field));
  }

  // Written in either order, a packet and its HEX box both stay as written.
  void programHexBoxKeepsPacket_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("boxFirst");
    const char* pairs[][2] = {{"chk1", "RzEdit21"},      {"CheckBox1", "RzEdit22"}, {"CheckBox2", "RzEdit23"},
                              {"CheckBox3", "RzEdit24"}, {"CheckBox4", "RzEdit25"}, {"CheckBox5", "RzEdit38"},
                              {"CheckBox6", "RzEdit43"}, {"CheckBox7", "RzEdit44"}, {"CheckBox8", "RzEdit45"},
                              {"CheckBox9", "RzEdit46"}};
    for (const auto& p : pairs) {
      QTest::addRow("%s text first", p[0]) << p[0] << p[1] << false;
      QTest::addRow("%s box first", p[0]) << p[0] << p[1] << true;
    }
  }
  void programHexBoxKeepsPacket() {
    QFETCH(QString, box);
    QFETCH(QString, edit);
    QFETCH(bool, boxFirst);
    App a;
    const QString packet = QStringLiteral("01 02 0A");
    if (boxFirst) a.f().setChecked(box, true);
    a.f().setText(edit, packet);
    if (!boxFirst) a.f().setChecked(box, true);
    QCOMPARE(a.f().text(edit), packet);
    QVERIFY(a.f().checked(box));
    a.f().setChecked(box, false);
    QCOMPARE(a.f().text(edit), packet);
  }

  void programSelectAllFillsRow() {
    App a;
    a.f().setChecked(QStringLiteral("rzchckbx113"), true);  // row 9: boxes 82 to 90
    for (int n = 82; n <= 90; ++n)
      QVERIFY2(a.f().checked(QStringLiteral("rzchckbx%1").arg(n)), qPrintable(QString::number(n)));
    QVERIFY(!a.f().checked(QStringLiteral("rzchckbx81")));
    QVERIFY(!a.f().checked(QStringLiteral("rzchckbx91")));
    a.f().setChecked(QStringLiteral("rzchckbx113"), false);
    for (int n = 82; n <= 90; ++n) QVERIFY(!a.f().checked(QStringLiteral("rzchckbx%1").arg(n)));
  }

  // A profile that unticks the polling box fixes the period at 2 and locks it.
  void programUntickFixesPollingPeriod() {
    App a;
    a.f().setChecked(QStringLiteral("rzchckbx116"), true);
    a.f().setText(QStringLiteral("edt59"), QStringLiteral("30"));
    QVERIFY(a.enabled(QStringLiteral("edt59")));
    a.f().setChecked(QStringLiteral("rzchckbx116"), false);
    QCOMPARE(a.f().text(QStringLiteral("edt59")), QStringLiteral("2"));
    QVERIFY(!a.enabled(QStringLiteral("edt59")));
  }

  void dateAndTimeFormats_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("device date") << "RzDateTimeEdit1"
                                 << "03/04/2026";
    QTest::newRow("device time") << "RzDateTimeEdit2"
                                 << "07:08:09";
    QTest::newRow("daily report time") << "edt70"
                                       << "07:08";
  }
  void dateAndTimeFormats() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    App a;
    auto* e = qobject_cast<QDateTimeEdit*>(a.f().find(name));
    QVERIFY(e);
    e->setDateTime(QDateTime(QDate(2026, 3, 4), QTime(7, 8, 9)));
    QCOMPARE(e->text(), shown);
  }
};

QTEST_MAIN(TstPageFields)
#include "tst_pagefields.moc"
