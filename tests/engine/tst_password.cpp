// Password verification end to end against a manual device line.
#include <QTest>

#include "engine/password.h"
#include "support/enginerig.h"

using namespace gx;

namespace {
QByteArray hx(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }
}  // namespace

class TstPassword : public QObject {
  Q_OBJECT
 private slots:
  void request_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("four digits") << "9068" << hx("23 01 00 00 00 00 00 04 39 30 36 38 02");
    QTest::newRow("three characters then 0xFF") << "123" << hx("23 01 00 00 00 00 00 04 31 32 33 FF CA");
    QTest::newRow("empty box sends four 0xFF") << "" << hx("23 01 00 00 00 00 00 04 FF FF FF FF 05");
    QTest::newRow("a program wrote more than 4") << "123456" << hx("23 01 00 00 00 00 00 04 31 32 33 34 01");
  }
  void request() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, frame);
    test::EngineRig r;
    r.openPort();
    r.fields.texts["RzEdit15"] = typed;
    r.form.password->Execute();
    QCOMPARE(r.takeSent(), frame);
    QVERIFY(r.form.password->awaiting());
  }

  void answer_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("status");
    QByteArray bad = buildFrame(0x01, 0, hx("01"));
    bad[bad.size() - 1] = char(bad.back() ^ 0x40);
    QTest::newRow("correct") << buildFrame(0x01, 0, hx("01")) << "box:  Password correct!  " << "box:密码正确!" << "";
    QTest::newRow("wrong") << buildFrame(0x01, 0, hx("00")) << "dialog:   password error   "
                           << "dialog:   password error   " << "";
    QTest::newRow("other command ignored") << buildFrame(0x05, 0, hx("01")) << "" << "" << "";
    QTest::newRow("check byte wrong") << bad << "" << "" << "receive sum error";
  }
  void answer() {
    QFETCH(QByteArray, answer);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    QFETCH(QString, status);
    for (Lang lang : {Lang::English, Lang::Chinese}) {
      test::EngineRig r;
      r.captions.setLang(lang);
      r.openPort();
      r.form.password->Execute();
      r.line.inject(answer);
      QCOMPARE(r.dialogs.take(), lang == Lang::English ? english : chinese);
      QVERIFY(r.dialogs.shown.empty());
      QCOMPARE(r.fields.texts.value("rzstspn2"), status);
      QVERIFY(!r.form.password->awaiting());
      r.clock.advanceMs(2500);  // no time-out after an answer
      QVERIFY(r.dialogs.shown.empty());
    }
  }

  void timeoutThenLateAnswerIgnored() {
    test::EngineRig r;
    r.openPort();
    r.form.password->Execute();
    r.clock.advanceMs(2000);
    QCOMPARE(r.fields.texts.value("rzstspn3"), QStringLiteral("time out_cmd_key"));
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    timeout!   "));
    r.line.inject(buildFrame(0x01, 0, hx("01")));
    QVERIFY(r.dialogs.shown.empty());
  }

  void portClosed() {
    test::EngineRig r;
    r.form.SetHistoryPacing(true);
    r.form.password->Execute();
    QCOMPARE(r.dialogs.take(), QStringLiteral("dialog:Com Port Open Failure"));
    QVERIFY(r.line.written.empty());
    QVERIFY(!r.form.tmr4->enabled());
    QVERIFY(r.allButtonsEnabled(true));
  }

  // Closing the port while the answer is awaited: the verification ends in its time-out.
  void closedWhileWaiting() {
    test::EngineRig r;
    r.openPort();
    r.form.password->Execute();
    r.form.opencom->TogglePort();
    QVERIFY(!r.form.opencom->isOpen());
    r.clock.advanceMs(2000);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    timeout!   "));
  }
};

QTEST_GUILESS_MAIN(TstPassword)
#include "tst_password.moc"
