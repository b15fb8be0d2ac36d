// The in-process line on virtual time: answers paced as on a 115200 baud wire,
// never delivered inside write(), nothing after close.
#include <QtTest>

#include "engine/virtualclock.h"
#include "link/frame.h"
#include "sim/gateway.h"
#include "sim/simline.h"

using gx::buildFrame;
using gx::VirtualClock;
using gx::sim::Fault;
using gx::sim::Gateway;
using gx::sim::SimLine;
namespace cmd = gx::cmd;

namespace {

// One byte at 115200 baud, 8N1: 10 bits.
constexpr double kByteUs = 1e6 * 10 / 115200;

struct Arrival {
  int64_t atUs;
  QByteArray bytes;
};

struct Rig {
  VirtualClock clock;
  Gateway gw;
  SimLine line{clock, &gw};
  std::vector<Arrival> arrivals;
  QStringList lost;

  Rig() {
    line.onBytes = [this](const QByteArray& b) { arrivals.push_back({clock.elapsedUs(), b}); };
    line.onLost = [this](const QString& why) { lost << why; };
  }
  QByteArray received() const {
    QByteArray all;
    for (const Arrival& a : arrivals) all += a.bytes;
    return all;
  }
};

}  // namespace

class TstSimLine : public QObject {
  Q_OBJECT

 private slots:
  void answerPacedAfterRequest_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("answerSize");
    QTest::newRow("device info") << buildFrame(cmd::DeviceInfo, 0, {}) << 34;
    QTest::newRow("block write") << buildFrame(cmd::BlockWrite, 0, QByteArray(256, 0)) << 10;
    QTest::newRow("block read") << buildFrame(cmd::BlockRead, 256, {}) << 265;
  }
  void answerPacedAfterRequest() {
    QFETCH(QByteArray, request);
    QFETCH(int, answerSize);
    Rig rig;
    QVERIFY(rig.line.open("COM3"));
    rig.clock.advanceMs(3);
    const int64_t t0 = rig.clock.elapsedUs();
    rig.line.write(request);
    QVERIFY(rig.arrivals.empty());  // nothing from inside write()
    rig.clock.advanceMs(200);

    QCOMPARE(int(rig.arrivals.size()), answerSize);
    for (const Arrival& a : rig.arrivals) QCOMPARE(a.bytes.size(), 1);
    QVERIFY(gx::frameCheckOk(rig.received()));
    // The first byte is complete only after the whole request and itself have crossed the wire.
    QVERIFY(rig.arrivals.front().atUs >= t0 + int64_t((request.size() + 1) * kByteUs));
    for (size_t i = 1; i < rig.arrivals.size(); ++i) {
      const int64_t gap = rig.arrivals[i].atUs - rig.arrivals[i - 1].atUs;
      QVERIFY2(gap >= 86 && gap <= 87, qPrintable(QString::number(gap)));
    }
    const int64_t span = rig.arrivals.back().atUs - rig.arrivals.front().atUs;
    QVERIFY(std::abs(span - (answerSize - 1) * kByteUs) <= 1.0);
  }

  void unpacedStillOneByteAtATime() {
    Rig rig;
    rig.line.setPaced(false);
    QVERIFY(rig.line.open("COM3"));
    rig.clock.advanceMs(5);
    const int64_t t0 = rig.clock.elapsedUs();
    rig.line.write(buildFrame(cmd::DeviceInfo, 0, {}));
    QVERIFY(rig.arrivals.empty());
    rig.clock.advanceUs(0);
    QCOMPARE(int(rig.arrivals.size()), 34);
    for (const Arrival& a : rig.arrivals) {
      QCOMPARE(a.atUs, t0);
      QCOMPARE(a.bytes.size(), 1);
    }
  }

  void backToBackRequestsDoNotInterleave() {
    Rig rig;
    QVERIFY(rig.line.open("COM3"));
    const QByteArray first = buildFrame(cmd::BlockRead, 0, {});
    const QByteArray second = buildFrame(cmd::DeviceInfo, 0, {});
    rig.line.write(first);
    rig.line.write(second);
    rig.clock.advanceMs(100);
    const QByteArray all = rig.received();
    QCOMPARE(all.size(), 265 + 34);
    QVERIFY(gx::frameCheckOk(all.left(265)));
    QVERIFY(gx::frameCheckOk(all.mid(265)));
    QCOMPARE(uint8_t(all[265 + 1]), cmd::DeviceInfo);
    QCOMPARE(rig.line.written.size(), size_t(2));
    QCOMPARE(rig.line.written.back(), second);
  }

  void splitFrameKeepsItsPause() {
    Rig rig;
    QVERIFY(rig.line.open("COM3"));
    rig.gw.injectFault(Fault::SplitFrame);
    rig.line.write(buildFrame(cmd::BlockRead, 0, {}));
    rig.clock.advanceMs(2000);
    QVERIFY(gx::frameCheckOk(rig.received()));
    int64_t longest = 0;
    for (size_t i = 1; i < rig.arrivals.size(); ++i)
      longest = std::max(longest, rig.arrivals[i].atUs - rig.arrivals[i - 1].atUs);
    QVERIFY(longest >= 900'000);
  }

  void nothingAfterClose_data() {
    QTest::addColumn<int>("bytesBefore");  // answer bytes let through before the line goes
    QTest::addColumn<bool>("unplug");
    QTest::newRow("closed at once") << 0 << false;
    QTest::newRow("closed mid-answer") << 100 << false;
    QTest::newRow("unplugged mid-answer") << 100 << true;
  }
  void nothingAfterClose() {
    QFETCH(int, bytesBefore);
    QFETCH(bool, unplug);
    Rig rig;
    QVERIFY(rig.line.open("COM3"));
    rig.line.write(buildFrame(cmd::BlockRead, 0, {}));
    rig.clock.advanceUs(int64_t((9 + bytesBefore) * kByteUs) + 10);
    QCOMPARE(int(rig.arrivals.size()), bytesBefore);
    if (unplug)
      rig.line.unplug();
    else
      rig.line.close();
    QVERIFY(!rig.line.isOpen());
    QCOMPARE(rig.lost, unplug ? QStringList{"The device was removed"} : QStringList{});
    rig.clock.advanceMs(2000);
    QCOMPARE(int(rig.arrivals.size()), bytesBefore);
    // Open again: a fresh exchange works and nothing stale turns up.
    QVERIFY(rig.line.open("COM3"));
    rig.line.write(buildFrame(cmd::DeviceInfo, 0, {}));
    rig.clock.advanceMs(100);
    QCOMPARE(int(rig.arrivals.size()), bytesBefore + 34);
    QVERIFY(gx::frameCheckOk(rig.received().mid(bytesBefore)));
  }

  void openFailure() {
    Rig rig;
    rig.line.setOpenFails(true);
    QVERIFY(!rig.line.open("COM9"));
    QVERIFY(!rig.line.isOpen());
    QCOMPARE(rig.line.errorString(), QString("No such file or directory"));
    rig.line.write(buildFrame(cmd::DeviceInfo, 0, {}));
    rig.clock.advanceMs(100);
    QVERIFY(rig.gw.requests().empty());
    QVERIFY(rig.arrivals.empty());
    rig.line.setOpenFails(false);
    QVERIFY(rig.line.open("COM9"));
    QCOMPARE(rig.line.lastOpenedName, QString("COM9"));
  }

  void debugTrafficFlowsWhileOpen() {
    Rig rig;
    QVERIFY(rig.line.open("COM3"));
    rig.line.write(gx::textLine("DBG=3"));
    rig.clock.advanceMs(6000);
    const QByteArray all = rig.received();
    QVERIFY(all.startsWith("DBG"));
    QVERIFY(all.contains("SendG"));
    QVERIFY(all.contains("#DBUGS1"));
    rig.line.close();
    const size_t before = rig.arrivals.size();
    rig.clock.advanceMs(6000);
    QCOMPARE(rig.arrivals.size(), before);
  }

  void deviceClockFollowsTheLineClock() {
    Rig rig;
    rig.clock.setDateTime(QDateTime(QDate(2026, 5, 1), QTime(10, 0, 0)));
    QVERIFY(rig.line.open("COM3"));
    rig.clock.advanceMs(7000);
    rig.arrivals.clear();
    rig.line.write(buildFrame(cmd::ReadClock, 0, {}));
    rig.clock.advanceMs(100);
    const QByteArray a = rig.received();
    QVERIFY(gx::frameCheckOk(a));
    QCOMPARE(a.mid(8, 6), QByteArray("\x1A\x05\x01\x0A\x00\x07", 6));
  }

  void manualDeviceInjects() {
    VirtualClock clock;
    SimLine line(clock, nullptr);
    QList<QByteArray> got;
    line.onBytes = [&](const QByteArray& b) { got << b; };
    line.inject("lost");  // a closed port hears nothing
    QVERIFY(got.isEmpty());
    QVERIFY(line.open("COM1"));
    line.write(buildFrame(cmd::DeviceInfo, 0, {}));
    clock.advanceMs(100);
    QVERIFY(got.isEmpty());
    QCOMPARE(line.written.size(), size_t(1));
    line.inject("#ab");
    QCOMPARE(got, (QList<QByteArray>{"#", "a", "b"}));
  }

  void gatewayCanBeSwappedForAManualDevice() {
    Rig rig;
    QVERIFY(rig.line.open("COM3"));
    rig.line.setGateway(nullptr);
    rig.line.write(buildFrame(cmd::DeviceInfo, 0, {}));
    rig.clock.advanceMs(100);
    QVERIFY(rig.arrivals.empty());
    QVERIFY(rig.gw.requests().empty());
    QVERIFY(!rig.gw.send);
    rig.line.setGateway(&rig.gw);
    rig.line.write(buildFrame(cmd::DeviceInfo, 0, {}));
    rig.clock.advanceMs(100);
    QVERIFY(gx::frameCheckOk(rig.received()));
  }

  void destroyedLineLeavesNothingBehind() {
    VirtualClock clock;
    Gateway gw;
    int delivered = 0;
    {
      SimLine line(clock, &gw);
      line.onBytes = [&](const QByteArray&) { ++delivered; };
      QVERIFY(line.open("COM3"));
      line.write(buildFrame(cmd::BlockRead, 0, {}));
    }
    clock.advanceMs(1000);
    QCOMPARE(delivered, 0);
    QVERIFY(!gw.send);
  }
};

QTEST_GUILESS_MAIN(TstSimLine)
#include "tst_simline.moc"
