// The command object family: transactions, time-outs, resends, the button
// lock, verification statuses and record streams.
#include <QTest>

#include "engine/commands.h"
#include "support/enginerig.h"

using namespace gx;

namespace {

QByteArray hx(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

class tprobe : public thardcover {
 public:
  tprobe(CommForm& f, uint8_t command, bool retries = false) : thardcover(f) {
    frame_.command = command;
    frame_.setAddress(0);
    frame_.setLength(0);
    if (retries) {
      retryEnabled_ = 1;
      retryLimit_ = 3;
    }
  }
  void FillRequest() override {}
  void OnAnswer() override { ++answers; }
  void OnA0Response() override { ++acks; }
  void OnTimeout() override {
    ++timeouts;
    thardcover::OnTimeout();
  }
  int answers = 0, acks = 0, timeouts = 0;
};

class tstream : public tctncmdhc {
 public:
  tstream(CommForm& f, int total) : tctncmdhc(f) {
    frame_.command = 0x83;
    frame_.setLength(0);
    total_ = uint8_t(total);
  }
  void FillRequest() override { SetAddress(0x1000 + 256 * (current_ - 1)); }
  void OnAnswer() override { answered.push_back(current_); }
  void OnA0Response() override {}
  std::vector<int> answered;
};

}  // namespace

class TstCommands : public QObject {
  Q_OBJECT
 private slots:
  void executeWithPortClosed() {
    test::EngineRig r;
    tprobe p(r.form, 0x05);
    r.form.SetHistoryPacing(true, &p);
    r.form.SetReadAllWatchdog(true);
    r.form.LockUi();
    p.Execute();
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:Com Port Open Failure"));
    QVERIFY(r.line.written.empty());
    QVERIFY(!r.form.tmr4->enabled());
    QVERIFY(!r.form.tmr6->enabled());
    QVERIFY(r.allButtonsEnabled(true));
    QVERIFY(!p.awaiting());
  }

  void answerEndsTheExchange() {
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x05);
    r.form.testObjects[0] = &p;
    p.Execute();
    QCOMPARE(r.takeSent(), hx("23 05 00 00 00 00 00 00 05"));
    QVERIFY(p.awaiting());
    QVERIFY(r.form.tmr1->enabled());
    QCOMPARE(r.form.mmo1.text(), QStringLiteral(" 23 05 00 00 00 00 00 00 05"));
    r.line.inject(buildFrame(0x05, 0, hx("01 02")));
    QCOMPARE(p.answers, 1);
    QVERIFY(!p.awaiting());
    QVERIFY(!r.form.tmr1->enabled());
    r.clock.advanceMs(5000);
    QCOMPARE(p.timeouts, 0);
    QVERIFY(r.dialogs.shown.empty());
  }

  void verificationStatuses_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("status");
    QByteArray badCheck = buildFrame(0x05, 0, hx("01"));
    badCheck[badCheck.size() - 1] = char(badCheck.back() ^ 0xFF);
    QTest::newRow("check byte wrong") << badCheck << "receive data status:cmd sum verify error";
    QTest::newRow("other command") << buildFrame(0x06, 0, hx("01")) << "receive data status:cmd verify error";
    QTest::newRow("other address") << buildFrame(0x05, 0x100, hx("01")) << "receive data status:add verify error";
  }
  void verificationStatuses() {
    QFETCH(QByteArray, answer);
    QFETCH(QString, status);
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x05);
    r.form.testObjects[0] = &p;
    r.form.LockUi();
    p.Execute();
    r.line.inject(answer);
    QCOMPARE(r.fields.texts.value("rzstspn2"), status);
    QCOMPARE(p.answers, 0);
    QVERIFY(!p.awaiting());
    QVERIFY(r.allButtonsEnabled(false));  // the transaction stops where it is
    r.clock.advanceMs(3000);
    QVERIFY(r.dialogs.shown.empty());
  }

  void ackGoesToOnA0Response() {
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x05);
    r.form.testObjects[0] = &p;
    p.Execute();
    r.line.inject(buildFrame(0xA0, 0, hx("01")));
    QCOMPARE(p.acks, 1);
    QCOMPARE(r.fields.texts.value("rzstspn2"), QStringLiteral("receive data status:cmd verify error"));
  }

  void timeoutReportsAndUnlocks() {
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x05);
    r.form.testObjects[0] = &p;
    r.form.LockUi();
    p.Execute();
    r.clock.advanceMs(1999);
    QCOMPARE(p.timeouts, 0);
    r.clock.advanceMs(1);
    QCOMPARE(p.timeouts, 1);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    timeout!   "));
    QVERIFY(r.allButtonsEnabled(true));
    QVERIFY(!p.awaiting());
    QVERIFY(!r.form.tmr1->enabled());
    // An answer after the report is not taken.
    r.line.inject(buildFrame(0x05, 0, hx("01")));
    QCOMPARE(p.answers, 0);
  }

  // Half a frame stops the time-out at its '#'; when the flush drops it,
  // the time-out runs again, so the waiting command does not hang.
  void halfFrameStillEndsInTimeout() {
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x05);
    r.form.testObjects[0] = &p;
    r.form.LockUi();
    p.Execute();
    r.line.inject(buildFrame(0x05, 0, hx("01 02 03")).left(6));
    QVERIFY(!r.form.tmr1->enabled());
    // The flush waits one period for the rest of the frame (1600 ms), the time-out 2000 after it.
    r.clock.advanceMs(3599);
    QCOMPARE(p.timeouts, 0);
    r.clock.advanceMs(1);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    timeout!   "));
    QVERIFY(r.allButtonsEnabled(true));
  }

  void timeoutMessageFollowsLanguage() {
    test::EngineRig r;
    r.captions.setLang(Lang::Chinese);
    r.openPort();
    tprobe p(r.form, 0x05);
    r.form.testObjects[0] = &p;
    p.Execute();
    r.clock.advanceMs(2000);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    超时!   "));
  }

  void retriesResendIdenticalBytes() {
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x05, true);
    r.form.testObjects[0] = &p;
    p.Execute();
    const QByteArray first = r.takeSent();
    for (int i = 1; i <= 3; ++i) {
      r.clock.advanceMs(2000);
      QCOMPARE(r.takeSent(), first);
      QVERIFY(r.dialogs.shown.empty());
      QVERIFY(p.awaiting());
    }
    r.clock.advanceMs(2000);
    QVERIFY(r.line.written.empty());
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    timeout!   "));
    // The count starts again for the next exchange.
    p.Execute();
    r.takeSent();
    r.clock.advanceMs(2000);
    QCOMPARE(r.takeSent(), first);
  }

  void twoAwaitingTimeOutOnOneTickInOrder() {
    test::EngineRig r;
    r.openPort();
    tprobe a(r.form, 0x05), b(r.form, 0x08);
    r.form.testObjects[0] = &a;
    r.form.testObjects[1] = &b;
    b.Execute();
    r.clock.advanceMs(1000);
    a.Execute();  // tmr1 already runs: its period is not restarted
    r.clock.advanceMs(1000);
    QCOMPARE(a.timeouts, 1);
    QCOMPARE(b.timeouts, 1);
    QCOMPARE(r.dialogs.shown.size(), size_t(2));
  }

  void awaitingAndListeningHandlesTwice() {
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x05);
    r.form.testObjects[0] = &p;
    p.StartListening();
    p.Execute();
    r.line.inject(buildFrame(0x05, 0, hx("01")));
    QCOMPARE(p.answers, 2);
    QVERIFY(!r.form.tmr3->enabled());
  }

  void shorterResponseKeepsEarlierTail() {
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x05);
    r.form.testObjects[0] = &p;
    p.Execute();
    r.line.inject(buildFrame(0x05, 0, hx("AA BB CC DD")));
    p.Execute();
    r.line.inject(buildFrame(0x05, 0, hx("11")));
    QCOMPARE(p.responseLength(), 10);
    QCOMPARE(p.response().at(9), uint8_t(0x11));
    QCOMPARE(p.response().at(11), uint8_t(0xCC));
    QCOMPARE(p.response().at(12), uint8_t(0xDD));
  }

  void lockHasNoCounting() {
    test::EngineRig r;
    r.form.LockUi();
    r.form.LockUi();
    QVERIFY(r.allButtonsEnabled(false));
    r.form.UnlockUi();
    QVERIFY(r.allButtonsEnabled(true));
  }

  // Counter A counts tmr4 ticks; the 1000 ms check re-sends the pacing reader's request when A passes 2.
  void historyPacingResends() {
    test::EngineRig r;
    r.openPort();
    tprobe p(r.form, 0x83);
    r.form.testObjects[0] = &p;
    r.form.SetHistoryPacing(true, &p);
    p.Execute();
    r.takeSent();
    r.line.inject(buildFrame(0x83, 0, hx("01")));  // answered: the reader waits for the pacing tick
    r.clock.advanceMs(3600);                       // tmr4 ticks at 1200, 2400, 3600
    QVERIFY(r.line.written.empty());
    r.clock.advanceMs(400);                        // the check at 4000 ms sees A = 3
    QCOMPARE(r.takeSent(), hx("23 83 00 00 00 00 00 00 83"));
    QCOMPARE(r.form.counterA, uint8_t(0));
    QCOMPARE(r.fields.texts.value("Label17"), QStringLiteral("3"));
  }

  void streamOfOne() {
    test::EngineRig r;
    r.openPort();
    tstream s(r.form, 1);
    r.form.testObjects[0] = &s;
    s.StartStream();
    QCOMPARE(r.takeSent(), hx("23 83 00 00 10 00 00 00 93"));
    QCOMPARE(r.fields.texts.value("rzmrqsts1"), QStringLiteral("1/1"));
    QVERIFY(r.allButtonsEnabled(false));
    r.line.inject(buildFrame(0x83, 0x1000, QByteArray(4, 0)));
    QCOMPARE(s.answered, std::vector<int>{1});
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    Success!   "));
    QVERIFY(r.allButtonsEnabled(true));
    QVERIFY(!s.running());
    QVERIFY(r.line.written.empty());
  }

  void streamGoesOnAfterAddressError() {
    test::EngineRig r;
    r.openPort();
    tstream s(r.form, 2);
    r.form.testObjects[0] = &s;
    s.StartStream();
    r.takeSent();
    r.line.inject(buildFrame(0x83, 0x2000, QByteArray(4, 0)));
    QCOMPARE(r.fields.texts.value("rzstspn2"), QStringLiteral("receive data status:add verify error"));
    QCOMPARE(r.takeSent(), hx("23 83 00 00 11 00 00 00 92"));
    QCOMPARE(r.fields.texts.value("rzmrqsts1"), QStringLiteral("2/2"));
    r.line.inject(buildFrame(0x83, 0x1100, QByteArray(4, 0)));
    QCOMPARE(s.answered, std::vector<int>{2});
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    Success!   "));
  }

  void showProgress() {
    test::EngineRig r;
    r.form.showinf.ShowProgress("write receive", 3, "normal", 5);
    QCOMPARE(r.fields.texts.value("rzstspn2"), QStringLiteral("courses:write receive process:3/5 status:normal"));
    QCOMPARE(r.fields.values.value("pb1"), 60);
  }
};

QTEST_GUILESS_MAIN(TstCommands)
#include "tst_commands.moc"
