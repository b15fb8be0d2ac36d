// Device utility commands and the debug monitor against a manual device line.
#include <QTest>

#include "engine/debugcmd.h"
#include "engine/devicecommands.h"
#include "engine/devicequeries.h"
#include "engine/password.h"
#include "engine/textcommands.h"
#include "support/enginerig.h"

using namespace gx;

namespace {
QByteArray hx(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }
QByteArray ffPadded(const QByteArray& text, int width) { return text + QByteArray(width - text.size(), char(0xFF)); }
}  // namespace

class TstDevice : public QObject {
  Q_OBJECT
 private slots:
  void setTimeCarriesPcClock() {
    test::EngineRig r;
    r.openPort();
    r.clock.setDateTime(QDateTime(QDate(2026, 3, 16), QTime(9, 30, 5)));
    SetDeviceTime(r.form);
    QCOMPARE(r.takeSent(), buildFrame(0x03, 0, hx("1A 03 10 09 1E 05")));
    r.line.inject(buildFrame(0x03, 0, hx("01")));
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    Success!   "));
    SetDeviceTime(r.form);
    r.takeSent();
    r.line.inject(buildFrame(0x03, 0, hx("00")));
    QCOMPARE(r.dialogs.take(), QStringLiteral("dialog:   set failed   "));
  }

  void readTime_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("message");
    QTest::newRow("valid") << hx("1A 0C 1F 17 3B 3A") << QDate(2026, 12, 31) << QTime(23, 59, 58) << "";
    QTest::newRow("all 0xFF") << hx("FF FF FF FF FF FF") << QDate(2020, 1, 2) << QTime(3, 4, 5)
                              << "error:The device sent an invalid date and time";
    QTest::newRow("month 13") << hx("1A 0D 01 00 00 00") << QDate(2020, 1, 2) << QTime(3, 4, 5)
                              << "error:The device sent an invalid date and time";
    QTest::newRow("hour 24") << hx("1A 01 01 18 00 00") << QDate(2020, 1, 2) << QTime(3, 4, 5)
                             << "error:The device sent an invalid date and time";
  }
  void readTime() {
    QFETCH(QByteArray, data);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, message);
    test::EngineRig r;
    r.openPort();
    r.fields.setDate("RzDateTimeEdit1", QDate(2020, 1, 2));
    r.fields.setTime("RzDateTimeEdit2", QTime(3, 4, 5));
    ReadDeviceTime(r.form);
    QCOMPARE(r.takeSent(), hx("23 08 00 00 00 00 00 00 08"));
    r.line.inject(buildFrame(0x08, 0, data));
    QCOMPARE(r.fields.date("RzDateTimeEdit1"), date);
    QCOMPARE(r.fields.time("RzDateTimeEdit2"), time);
    QCOMPARE(r.dialogs.take(), message);
    QCOMPARE(r.fields.text("rzstspn2"), QStringLiteral("receive data status:receive system time"));
  }

  void deviceInfo() {
    test::EngineRig r;
    r.openPort();
    ReadDeviceInfo(r.form);
    QCOMPARE(r.takeSent(), hx("23 05 00 00 00 00 00 00 05"));
    r.line.inject(buildFrame(0x05, 0, ffPadded("V1.2", 8) + ffPadded("861234567890123", 16) + hx("17")));
    QCOMPARE(r.fields.text("RzEdit12"), QStringLiteral("V1.2"));
    QCOMPARE(r.fields.text("RzEdit13"), QStringLiteral("861234567890123"));
    QCOMPARE(r.fields.text("RzEdit14"), QStringLiteral("23"));
    QCOMPARE(r.fields.text("RzEdit11"), QStringLiteral("GX90"));
  }

  void relaySequences_data() {
    QTest::addColumn<QString>("buttons");  // 1,2 close relay 1/2; 5,6 open it; 3 resend
    QTest::addColumn<int>("lastByte");
    QTest::newRow("btn1 btn6 btn3") << "163" << 0x01;
    QTest::newRow("btn1 btn2") << "12" << 0x03;
    QTest::newRow("btn2 btn5") << "25" << 0x02;
    QTest::newRow("btn1 btn2 btn5 btn6") << "1256" << 0x00;
    QTest::newRow("btn3 at start") << "3" << 0x00;
  }
  void relaySequences() {
    QFETCH(QString, buttons);
    QFETCH(int, lastByte);
    test::EngineRig r;
    r.openPort();
    QByteArray last;
    for (QChar b : buttons) {
      switch (b.toLatin1()) {
        case '1': SwitchRelay(r.form, 1, true); break;
        case '2': SwitchRelay(r.form, 2, true); break;
        case '5': SwitchRelay(r.form, 1, false); break;
        case '6': SwitchRelay(r.form, 2, false); break;
        default: SendRelayState(r.form); break;
      }
      last = r.takeSent();
      r.line.inject(buildFrame(0x07, 0, QByteArray()));
    }
    QCOMPARE(last, buildFrame(0x07, 0, QByteArray(1, char(lastByte))));
    QCOMPARE(r.fields.text("rzstspn2"), QStringLiteral("receive data status:relay write complete"));
  }

  void liveReadings_data() {
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("din1");
    QTest::addColumn<QString>("din2");
    QTest::addColumn<QString>("relay1");
    QTest::addColumn<QString>("relay2");
    QTest::newRow("English") << false << "duanlu" << "open circuit" << "close" << "open";
    QTest::newRow("Chinese") << true << "短路" << "开路" << "闭合" << "断开";
  }
  void liveReadings() {
    QFETCH(bool, chinese);
    QFETCH(QString, din1);
    QFETCH(QString, din2);
    QFETCH(QString, relay1);
    QFETCH(QString, relay2);
    test::EngineRig r;
    if (chinese) r.captions.setLang(Lang::Chinese);
    r.openPort();
    ReadIoStatus(r.form);
    QCOMPARE(r.takeSent(), hx("23 06 00 00 00 00 00 00 06"));
    // -12.5 °C, 45.6 %, input 1 set, relay 1 closed.
    r.line.inject(buildFrame(0x06, 0, hx("83 FF C8 01 09 00 01")));
    QCOMPARE(r.fields.cell("tb_temp", 0, "tb_col_current").toString(), QStringLiteral("-12.5"));
    QCOMPARE(r.fields.cell("tb_temp", 1, "tb_col_current").toString(), QStringLiteral("45.6"));
    QCOMPARE(r.fields.text("RzEdit1"), din1);
    QCOMPARE(r.fields.text("RzEdit3"), din2);
    QCOMPARE(r.fields.text("RzEdit5"), din2);
    QCOMPARE(r.fields.text("RzEdit6"), din1);
    QCOMPARE(r.fields.text("RzEdit7"), relay1);
    QCOMPARE(r.fields.text("RzEdit9"), relay2);
  }

  void passwordChange_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("valid") << "9068" << "1234" << "box:    Data sent    " << QByteArray("9068P1234\r\n");
    QTest::newRow("new empty") << "9068" << "" << "dialog:The password cannot be empty!" << QByteArray();
    QTest::newRow("current empty, new short") << "" << "12" << "dialog:The password cannot be empty!" << QByteArray();
    QTest::newRow("new two characters") << "9068" << "12" << "dialog:    Wrong password length!   " << QByteArray();
    QTest::newRow("current five characters") << "90681" << "1234" << "dialog:    Wrong password length!   "
                                             << QByteArray();
  }
  void passwordChange() {
    QFETCH(QString, current);
    QFETCH(QString, next);
    QFETCH(QString, message);
    QFETCH(QByteArray, sent);
    test::EngineRig r;
    r.openPort();
    r.fields.setText("RzEdit68", current);
    r.fields.setText("RzEdit2", next);
    ChangePassword(r.form);
    QCOMPARE(r.dialogs.take(), message);
    QCOMPARE(r.takeSent(), sent);
    QVERIFY(r.dialogs.shown.empty());
  }

  void resetAndReboot_data() {
    QTest::addColumn<bool>("reboot");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("reset yes") << false << true << true
                               << QStringList{"ask:Recovery to Default Settings?", "box:    Success!   "}
                               << QByteArray("9068RESET\r\n");
    QTest::newRow("reset no") << false << false << true
                              << QStringList{"ask:Recovery to Default Settings?", "dialog:        Exit         "}
                              << QByteArray();
    QTest::newRow("reboot yes") << true << true << true << QStringList{"ask:Reboot device?", "box:    Success!   "}
                                << QByteArray("9068REBOOT\r\n");
    QTest::newRow("reboot no") << true << false << true
                               << QStringList{"ask:Reboot device?", "dialog:        Exit         "} << QByteArray();
    // A closed port is reported; no success is claimed after it.
    QTest::newRow("reboot, port closed") << true << true << false
                                         << QStringList{"ask:Reboot device?", "box:Com Port Open Failure"} << QByteArray();
  }
  void resetAndReboot() {
    QFETCH(bool, reboot);
    QFETCH(bool, yes);
    QFETCH(bool, open);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, sent);
    test::EngineRig r;
    if (open) r.openPort();
    r.dialogs.yes = yes;
    reboot ? RebootDevice(r.form) : FactoryReset(r.form);
    QStringList got;
    while (!r.dialogs.shown.empty()) got << r.dialogs.take();
    QCOMPARE(got, messages);
    QCOMPARE(r.takeSent(), sent);
  }

  void gateNamesActiveChannels_data() {
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << false << "dialog:Please stop to monitoring then data:GPRS.RS232";
    QTest::newRow("Chinese") << true << "dialog:请关闭调试功能:GPRS.RS232";
  }
  void gateNamesActiveChannels() {
    QFETCH(bool, chinese);
    QFETCH(QString, message);
    test::EngineRig r;
    if (chinese) r.captions.setLang(Lang::Chinese);
    r.openPort();
    r.form.debugcmd->Switch(tdebugcmd::kRs232, true);
    r.form.debugcmd->Switch(tdebugcmd::kGprs, true);
    QCOMPARE(r.takeSent(), QByteArray("DBG=48\r\n"));
    QCOMPARE(r.takeSent(), QByteArray("DBG=51\r\n"));
    r.form.LockUi();
    r.form.UnlockUi();
    ReadDeviceInfo(r.form);
    QCOMPARE(r.dialogs.take(), message);
    QVERIFY(r.line.written.empty());
    r.dialogs.yes = true;
    FactoryReset(r.form);
    QCOMPARE(r.dialogs.take(), message);  // guarded before the question
    QVERIFY(r.dialogs.shown.empty());
  }

  void switchingOffSendsRemainingMode() {
    test::EngineRig r;
    r.openPort();
    r.form.debugcmd->Switch(tdebugcmd::kGprs, true);
    r.form.debugcmd->Switch(tdebugcmd::kEthernet, true);
    r.form.debugcmd->Switch(tdebugcmd::kEthernet, false);
    QCOMPARE(r.takeSent(), QByteArray("DBG=3\r\n"));
    QCOMPARE(r.takeSent(), QByteArray("DBG=15\r\n"));
    QCOMPARE(r.takeSent(), QByteArray("DBG=3\r\n"));
    QVERIFY(!r.form.tmr1->enabled());  // the switch does not wait under the time-out
  }

  void echoes_data() {
    QTest::addColumn<int>("pairs");
    QTest::addColumn<QByteArray>("echo");
    QTest::addColumn<bool>("matches");
    QTest::newRow("0x30 as 30") << int(tdebugcmd::kRs232) << QByteArray("DBG MODE: 30\r\n") << true;
    QTest::newRow("0x3C as 3C") << int(tdebugcmd::kRs232 | tdebugcmd::kEthernet) << QByteArray("DBG MODE: 3C\r\n") << true;
    QTest::newRow("0x03 as 3") << int(tdebugcmd::kGprs) << QByteArray("DBG MODE: 3\r\n") << true;
    QTest::newRow("0x0C as c") << int(tdebugcmd::kEthernet) << QByteArray("DBG MODE: c\r\n") << true;
    QTest::newRow("0x0C as C does not match") << int(tdebugcmd::kEthernet) << QByteArray("DBG MODE: C\r\n") << false;
    QTest::newRow("0x30 as 3G does not match") << int(tdebugcmd::kRs232) << QByteArray("DBG MODE: 3G\r\n") << false;
    QTest::newRow("other mode") << int(tdebugcmd::kGprs) << QByteArray("DBG MODE: 2\r\n") << false;
  }
  void echoes() {
    QFETCH(int, pairs);
    QFETCH(QByteArray, echo);
    QFETCH(bool, matches);
    test::EngineRig r;
    r.openPort();
    for (uint8_t pair : {tdebugcmd::kGprs, tdebugcmd::kEthernet, tdebugcmd::kRs232})
      if (pairs & pair) {
        r.form.debugcmd->Switch(pair, true);
      }
    r.line.inject(echo);
    QCOMPARE(r.dialogs.take(), matches ? QStringLiteral("box:    Success!   ") : QString());
  }

  void trafficRouting() {
    test::EngineRig r;
    r.openPort();
    r.form.debugcmd->Switch(tdebugcmd::kGprs, true);
    r.line.inject("DBG MODE: 3\r\n");
    r.dialogs.take();
    const struct {
      const char* tag;
      const char* list;
    } cases[] = {{"SendG", "lst1"}, {"RecGp", "lst2"}, {"SendE", "lst3"},
                 {"RecET", "lst4"}, {"Send4", "lst5"}, {"Rec48", "lst6"}};
    for (const auto& c : cases) {
      QByteArray line = QByteArray(c.tag) + ":63\r\n" + QByteArray(63, 'x') + "\r\n";
      r.line.inject(line);
      QCOMPARE(r.fields.lists.value(c.list), QStringList{QString::fromLatin1(line)});
    }
    // A device answer to another command lands in lst7 as text too.
    r.form.password->Execute();
    r.takeSent();
    r.line.inject(buildFrame(0x01, 0, hx("01")));
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:  Password correct!  "));
    QCOMPARE(r.fields.lists.value("lst7").size(), 1);
    QCOMPARE(r.fields.lists.value("lst7").first().toLatin1(), buildFrame(0x01, 0, hx("01")));
  }

  void monitorPortClosedKeepsMode() {
    test::EngineRig r;
    r.form.debugcmd->Switch(tdebugcmd::kGprs, true);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:Com Port Open Failure"));
    QCOMPARE(r.form.debugcmd->mode(), uint8_t(0x03));
    QVERIFY(!DebugGatePasses(r.form));
  }
};

QTEST_GUILESS_MAIN(TstDevice)
#include "tst_device.moc"
