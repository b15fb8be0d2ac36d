// The gateway model against the frame layer: every command answered the way
// the program reads it, memory kept, text lines obeyed, faults visible.
#include <QtTest>

#include "link/frame.h"
#include "sim/gateway.h"

using gx::buildFrame;
using gx::frameCheckOk;
using gx::sim::Fault;
using gx::sim::Gateway;
namespace cmd = gx::cmd;

using ByteChecks = QList<std::pair<int, int>>;  // (data position from 1, expected value)

namespace {

struct Piece {
  QByteArray bytes;
  int pauseMs;
};

// A gateway with its answers collected and its clock in the test's hands.
struct Rig {
  Gateway gw;
  std::vector<Piece> pieces;
  QDateTime pcNow{QDate(2026, 1, 1), QTime(12, 0, 0)};
  int tickedMs = 0;
  std::vector<int> pieceAtMs;

  Rig() {
    gw.send = [this](const QByteArray& b, int pause) {
      pieces.push_back({b, pause});
      pieceAtMs.push_back(tickedMs);
    };
    gw.now = [this] { return pcNow; };
  }
  // Everything the device says to one request, joined.
  QByteArray ask(const QByteArray& request) {
    pieces.clear();
    gw.receive(request);
    QByteArray all;
    for (const Piece& p : pieces) all += p.bytes;
    return all;
  }
  void tick(int totalMs, int stepMs = 250) {
    for (int t = 0; t < totalMs; t += stepMs) {
      tickedMs += stepMs;
      gw.tick(stepMs);
    }
  }
};

int dataLength(const QByteArray& f) { return uint8_t(f[6]) * 256 + uint8_t(f[7]); }
// Data byte k, counted from 1 as the protocol does.
int dataAt(const QByteArray& f, int k) { return uint8_t(f[7 + k]); }
QByteArray dataOf(const QByteArray& f) { return f.mid(8, dataLength(f)); }
uint32_t addressOf(const QByteArray& f) {
  return uint32_t(uint8_t(f[2])) << 24 | uint32_t(uint8_t(f[3])) << 16 | uint32_t(uint8_t(f[4])) << 8 | uint8_t(f[5]);
}

QByteArray bytes(std::initializer_list<int> list) {
  QByteArray b;
  for (int v : list) b.append(char(v));
  return b;
}

QByteArray blockRead(uint32_t address) { return buildFrame(cmd::BlockRead, address, {}); }

// The program's assembler for a response that starts with neither '#' nor 'D':
// the length at which it hands the bytes on, or -1 if it never does.
int textLineDispatchLength(const QByteArray& b) {
  int threshold = 0;
  for (int len = 13; len <= b.size(); ++len) {
    for (int pos = 8; pos <= 12; ++pos)
      if (b[pos - 1] == '\r') {
        threshold = pos + 65;
        break;
      }
    if (threshold != 0 && len > threshold) return len;
  }
  return -1;
}

// The program's reading of the "DBG=" echo.
bool echoMatches(const QByteArray& e, int mode) {
  if (e.size() < 13 || e[0] != 'D') return false;
  int value = 0;
  if (mode < 16) {
    const char c = e[10];
    value = c < 'a' ? c - '0' : c - 'a' + 10;
  } else {
    bool ok = false;
    value = e.mid(10, 2).toInt(&ok, 16);
    if (!ok) return false;
  }
  return value == mode;
}

}  // namespace

class TstGateway : public QObject {
  Q_OBJECT

 private slots:
  void answersEveryCommand_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("length");  // -1: any
    QTest::addColumn<ByteChecks>("checks");

    QTest::newRow("set clock") << buildFrame(cmd::SetClock, 0, bytes({26, 3, 16, 9, 30, 5})) << 1 << ByteChecks{{1, 1}};
    QTest::newRow("set clock, month 13") << buildFrame(cmd::SetClock, 0, bytes({26, 13, 16, 9, 30, 5})) << 1
                                         << ByteChecks{{1, 0}};
    QTest::newRow("set clock, erased bytes") << buildFrame(cmd::SetClock, 0, QByteArray(6, char(0xFF))) << 1
                                             << ByteChecks{{1, 0}};
    QTest::newRow("device info") << buildFrame(cmd::DeviceInfo, 0, {}) << 25 << ByteChecks{};
    QTest::newRow("live readings") << buildFrame(cmd::LiveReadings, 0, {}) << -1 << ByteChecks{};
    QTest::newRow("relays") << buildFrame(cmd::Relays, 0, bytes({3})) << -1 << ByteChecks{};
    QTest::newRow("read clock") << buildFrame(cmd::ReadClock, 0, {}) << 6 << ByteChecks{};
    QTest::newRow("block write") << buildFrame(cmd::BlockWrite, 256, QByteArray(256, 0x55)) << 1 << ByteChecks{{1, 1}};
    QTest::newRow("block write past the end") << buildFrame(cmd::BlockWrite, Gateway::kMemorySize - 128, QByteArray(256, 0x55))
                                              << 1 << ByteChecks{{1, 0}};
    QTest::newRow("block read") << blockRead(1024) << 256 << ByteChecks{};
    QTest::newRow("erase records") << buildFrame(cmd::EraseRecords, 0, bytes({0xFF})) << 1 << ByteChecks{};
    QTest::newRow("current values, step 1") << buildFrame(cmd::CurrentValues, 0, QByteArray(128, char(0xFF))) << 256
                                            << ByteChecks{};
    QTest::newRow("current values, step 2") << buildFrame(cmd::CurrentValues, 128, QByteArray(128, char(0xFF))) << 256
                                            << ByteChecks{};
  }
  void answersEveryCommand() {
    QFETCH(QByteArray, request);
    QFETCH(int, length);
    QFETCH(ByteChecks, checks);
    Rig rig;
    const QByteArray a = rig.ask(request);
    QCOMPARE(rig.pieces.size(), size_t(1));
    QVERIFY(frameCheckOk(a));
    QCOMPARE(a.size(), dataLength(a) + gx::kFrameOverhead);
    QCOMPARE(uint8_t(a[1]), uint8_t(request[1]));
    QCOMPARE(addressOf(a), addressOf(request));
    if (length >= 0) QCOMPARE(dataLength(a), length);
    for (auto [k, v] : checks) QCOMPARE(dataAt(a, k), v);
  }

  void passwordCheck_data() {
    QTest::addColumn<QByteArray>("devicePassword");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right") << QByteArray("9068") << QByteArray("9068") << true;
    QTest::newRow("wrong") << QByteArray("9068") << QByteArray("1234") << false;
    QTest::newRow("one character short") << QByteArray("9068") << QByteArray("906\xFF") << false;
    QTest::newRow("empty box") << QByteArray("9068") << QByteArray(4, char(0xFF)) << false;
    QTest::newRow("three-character password") << QByteArray("abc") << QByteArray("abc\xFF") << true;
    QTest::newRow("changed password, old one sent") << QByteArray("4321") << QByteArray("9068") << false;
  }
  void passwordCheck() {
    QFETCH(QByteArray, devicePassword);
    QFETCH(QByteArray, sent);
    QFETCH(bool, accepted);
    Rig rig;
    rig.gw.setPassword(devicePassword);
    const QByteArray a = rig.ask(buildFrame(cmd::Password, 0, sent));
    QVERIFY(frameCheckOk(a));
    QCOMPARE(uint8_t(a[1]), cmd::Password);
    QCOMPARE(dataAt(a, 1) == 1, accepted);
  }

  void passwordChangeLine_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("passes");
    QTest::addColumn<QByteArray>("fails");
    QTest::newRow("right old password") << QByteArray("9068P1234") << QByteArray("1234") << QByteArray("9068");
    QTest::newRow("wrong old password") << QByteArray("1111P1234") << QByteArray("9068") << QByteArray("1234");
  }
  void passwordChangeLine() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, passes);
    QFETCH(QByteArray, fails);
    Rig rig;
    QVERIFY(rig.ask(gx::textLine(line)).isEmpty());  // the program waits for nothing
    QCOMPARE(dataAt(rig.ask(buildFrame(cmd::Password, 0, passes)), 1), 1);
    QCOMPARE(dataAt(rig.ask(buildFrame(cmd::Password, 0, fails)), 1), 0);
  }

  void clockSetThenRead() {
    Rig rig;
    QCOMPARE(dataAt(rig.ask(buildFrame(cmd::SetClock, 0, bytes({26, 3, 16, 9, 30, 5}))), 1), 1);
    rig.pcNow = rig.pcNow.addSecs(65);
    QCOMPARE(dataOf(rig.ask(buildFrame(cmd::ReadClock, 0, {}))), bytes({26, 3, 16, 9, 31, 10}));
    // A refused setting leaves the device clock alone.
    QCOMPARE(dataAt(rig.ask(buildFrame(cmd::SetClock, 0, bytes({26, 2, 30, 9, 0, 0}))), 1), 0);
    QCOMPARE(dataOf(rig.ask(buildFrame(cmd::ReadClock, 0, {}))), bytes({26, 3, 16, 9, 31, 10}));
  }

  void deviceInfoLayout() {
    Rig rig;
    const QByteArray d = dataOf(rig.ask(buildFrame(cmd::DeviceInfo, 0, {})));
    // Version: a text, then 0xFF to the end of its 8 bytes.
    const QByteArray version = d.left(8);
    const qsizetype end = version.indexOf(char(0xFF));
    QVERIFY(end > 0);
    QCOMPARE(version.mid(end), QByteArray(8 - end, char(0xFF)));
    for (char c : version.left(end)) QVERIFY(c >= 0x20 && c < 0x7F);
    // IMEI: 15 digits and one 0xFF.
    for (char c : d.mid(8, 15)) QVERIFY(c >= '0' && c <= '9');
    QCOMPARE(uint8_t(d[23]), uint8_t(0xFF));
    QVERIFY(uint8_t(d[24]) <= 31);
  }

  void liveReadingsCarryState() {
    Rig rig;
    rig.gw.setLiveReadings(-125, 456, 0x0A);
    QVERIFY(frameCheckOk(rig.ask(buildFrame(cmd::Relays, 0, bytes({0x02})))));
    QCOMPARE(rig.gw.relayState(), uint8_t(0x02));
    const QByteArray a = rig.ask(buildFrame(cmd::LiveReadings, 0, {}));
    QVERIFY(dataLength(a) >= 7);
    QCOMPARE(dataAt(a, 1), 0x83);  // -125 tenths, little-endian
    QCOMPARE(dataAt(a, 2), 0xFF);
    QCOMPARE(dataAt(a, 3) | dataAt(a, 4) << 8, 456);
    QCOMPARE(dataAt(a, 5) & 0x0F, 0x0A);
    QCOMPARE(dataAt(a, 7), 0x02);
  }

  void blockWriteThenRead_data() {
    QTest::addColumn<uint>("address");
    QTest::newRow("parameter block 1") << 0u;
    QTest::newRow("parameter block 5") << 1024u;
    QTest::newRow("terminal 100, block 2") << uint(Gateway::kTerminalBase + 99 * 0x200 + 0x100);
    QTest::newRow("KX-RS terminal 1") << uint(Gateway::kSerialBase);
    QTest::newRow("history block 9") << uint(Gateway::kHistoryBase + 8 * 256);
  }
  void blockWriteThenRead() {
    QFETCH(uint, address);
    Rig rig;
    QByteArray pattern(256, 0);
    for (int i = 0; i < 256; ++i) pattern[i] = char((i * 7 + address / 256) & 0xFF);
    const QByteArray neighbourBefore = dataOf(rig.ask(blockRead(address + 256)));
    QCOMPARE(dataAt(rig.ask(buildFrame(cmd::BlockWrite, address, pattern)), 1), 1);
    QCOMPARE(dataOf(rig.ask(blockRead(address))), pattern);
    QCOMPARE(dataOf(rig.ask(blockRead(address + 256))), neighbourBefore);
  }

  void defaultParameterImageDecodes() {
    Rig rig;
    QByteArray image;
    for (uint32_t a = 0; a < 1280; a += 256) image += dataOf(rig.ask(blockRead(a)));
    image.truncate(Gateway::kParamSize);
    QCOMPARE(image, rig.gw.read(0, Gateway::kParamSize));
    const auto* p = reinterpret_cast<const uint8_t*>(image.constData());
    // The description is a readable zero-padded text.
    const QByteArray description = image.mid(34, 60);
    const qsizetype end = description.indexOf('\0');
    QVERIFY(end > 0);
    QCOMPARE(description.mid(end), QByteArray(60 - end, '\0'));
    // Every timer entry holds values its combo boxes can show.
    for (int k = 0; k < 10; ++k) {
      const uint8_t* t = p + 334 + 4 * k;
      QVERIFY((t[0] & 0x7F) <= 7);
      QVERIFY(t[1] < 24);
      QVERIFY(t[2] < 60);
      QVERIFY(t[3] <= 2);
    }
    // Packets: the stored length fits the payload, the HEX flag is 0 or 1.
    for (int off : {556, 608, 660, 712, 764, 864, 916, 968, 1020, 1072}) {
      QVERIFY(p[off + 50] <= 50);
      QVERIFY(p[off + 51] <= 1);
    }
  }

  void factoryResetRestoresImage() {
    Rig rig;
    const QByteArray factory = Gateway().read(0, Gateway::kParamSize);
    for (uint32_t a = 0; a < 1280; a += 256) rig.ask(buildFrame(cmd::BlockWrite, a, QByteArray(256, 0x33)));
    QVERIFY(rig.gw.read(0, Gateway::kParamSize) != factory);
    QVERIFY(rig.ask(gx::textLine("9068RESET")).isEmpty());
    QCOMPARE(rig.gw.read(0, Gateway::kParamSize), factory);
  }

  void recordsHaveValidDates_data() {
    QTest::addColumn<uint>("base");
    QTest::newRow("history") << uint(Gateway::kHistoryBase);
    QTest::newRow("alarms") << uint(Gateway::kAlarmBase);
  }
  void recordsHaveValidDates() {
    QFETCH(uint, base);
    Rig rig;
    int found = 0;
    int lastNumber = -1;
    for (uint32_t block = 0; block < 4; ++block) {
      const QByteArray d = dataOf(rig.ask(blockRead(base + block * 256)));
      QCOMPARE(d.size(), 256);
      for (int slot = 0; slot < 8; ++slot) {
        const auto* r = reinterpret_cast<const uint8_t*>(d.constData()) + slot * 32;
        const int number = r[0] | r[1] << 8;
        if (number == 0xFFFF) continue;
        ++found;
        QVERIFY(number > lastNumber);
        lastNumber = number;
        QVERIFY(r[4] >= 1 && r[4] <= 100);
        QVERIFY(QDate(2000 + r[5], r[6], r[7]).isValid());
        QVERIFY(QTime(r[8], r[9], r[10]).isValid());
      }
    }
    QVERIFY(found >= 2);
  }

  void eraseClearsRecords() {
    Rig rig;
    const QByteArray params = rig.gw.read(0, Gateway::kParamSize);
    QVERIFY(dataOf(rig.ask(blockRead(Gateway::kHistoryBase))) != QByteArray(256, char(0xFF)));
    const QByteArray a = rig.ask(buildFrame(cmd::EraseRecords, 0, bytes({0xFF})));
    QCOMPARE(uint8_t(a[7]), uint8_t(1));  // what the program reads as success
    for (uint32_t base : {Gateway::kHistoryBase, Gateway::kAlarmBase})
      QCOMPARE(dataOf(rig.ask(blockRead(base))), QByteArray(256, char(0xFF)));
    QCOMPARE(rig.gw.read(0, Gateway::kParamSize), params);
  }

  void deleteTerminalClearsItsRecord() {
    Rig rig;
    const uint32_t t1 = Gateway::kTerminalBase;
    const uint32_t t2 = Gateway::kTerminalBase + 0x200;
    QVERIFY(uint8_t(rig.gw.read(t1, 1)[0]) != 0xFF);
    const QByteArray secondBefore = rig.gw.read(t2, 330);
    const auto currentOfTerminal1 = [&] {
      return dataOf(rig.ask(buildFrame(cmd::CurrentValues, 0, QByteArray(128, char(0xFF))))).left(4);
    };
    QVERIFY(currentOfTerminal1() != QByteArray(4, char(0xFF)));

    QVERIFY(rig.ask(gx::textLine("DELDEV=1")).isEmpty());
    QCOMPARE(rig.gw.read(t1, 330), QByteArray(330, char(0xFF)));
    QCOMPARE(currentOfTerminal1(), QByteArray(4, char(0xFF)));
    QCOMPARE(rig.gw.read(t2, 330), secondBefore);
  }

  void currentValuesSecondStepCoversLastTerminals() {
    Rig rig;
    const auto secondStep = [&] { return dataOf(rig.ask(buildFrame(cmd::CurrentValues, 128, QByteArray(128, char(0xFF))))); };
    // Terminal 70 sits at table bytes 276..279, i.e. bytes 20..23 of the second answer.
    QCOMPARE(secondStep().mid(20, 4), QByteArray(4, char(0xFF)));
    QByteArray record(256, char(0xFF));
    record[0] = 5;
    rig.ask(buildFrame(cmd::BlockWrite, Gateway::kTerminalBase + 69 * 0x200, record));
    const QByteArray d = secondStep();
    QVERIFY(d.mid(20, 4) != QByteArray(4, char(0xFF)));
    QCOMPARE(d.mid(24, 4), QByteArray(4, char(0xFF)));  // terminal 71 still empty
  }

  void debugEcho_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("all off") << 0x00;
    QTest::newRow("GPRS") << 0x03;
    QTest::newRow("Ethernet") << 0x0C;
    QTest::newRow("RS232") << 0x30;
    QTest::newRow("Ethernet and RS232") << 0x3C;
    QTest::newRow("GPRS and Ethernet") << 0x0F;
  }
  void debugEcho() {
    QFETCH(int, mode);
    Rig rig;
    const QByteArray e = rig.ask(gx::textLine("DBG=" + QByteArray::number(mode)));
    QCOMPARE(rig.gw.debugMode(), uint8_t(mode));
    QVERIFY2(echoMatches(e, mode), e.constData());
    QVERIFY(e.endsWith("\r\n"));
    // Any other mode must not match: the echo really carries this one.
    QVERIFY(!echoMatches(e, mode ^ 0x01));
  }

  void rebootEndsDebugOutput() {
    Rig rig;
    rig.ask(gx::textLine("DBG=3"));
    QVERIFY(rig.ask(gx::textLine("9068REBOOT")).isEmpty());
    QCOMPARE(rig.gw.debugMode(), uint8_t(0));
    rig.pieces.clear();
    rig.tick(5000);
    QVERIFY(rig.pieces.empty());
  }

  void requestsInAnyChunking_data() {
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<int>("answers");
    QTest::addColumn<int>("noise");  // leading bytes that are no request
    const QByteArray info = buildFrame(cmd::DeviceInfo, 0, {});
    const QByteArray write = buildFrame(cmd::BlockWrite, 512, QByteArray(256, 0x11));
    QList<QByteArray> single;
    for (char c : write) single << QByteArray(1, c);
    QByteArray bad = info;
    bad.back() = char(bad.back() ^ 0x5A);
    QTest::newRow("byte by byte") << single << 1 << 0;
    QTest::newRow("two requests in one piece") << QList<QByteArray>{info + write} << 2 << 0;
    QTest::newRow("split inside the length field") << QList<QByteArray>{write.left(7), write.mid(7)} << 1 << 0;
    QTest::newRow("damaged request ignored") << QList<QByteArray>{bad} << 0 << 0;
    QTest::newRow("noise before a request") << QList<QByteArray>{bytes({0x23, 0x41, 0, 0, 0, 0, 0x7F, 0x7F}), info}
                                            << 1 << 8;
    QTest::newRow("line then frame") << QList<QByteArray>{gx::textLine("DBG=0") + info} << 2 << 0;
  }
  void requestsInAnyChunking() {
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(int, answers);
    QFETCH(int, noise);
    Rig rig;
    for (const QByteArray& c : chunks) rig.gw.receive(c);
    QCOMPARE(int(rig.pieces.size()), answers);
    QByteArray all;
    for (const QByteArray& c : chunks) all += c;
    QByteArray logged;
    for (const QByteArray& r : rig.gw.requests()) logged += r;
    QCOMPARE(logged, all.mid(noise));
  }

  void halfRequestForgottenAfterQuiet() {
    Rig rig;
    const QByteArray info = buildFrame(cmd::DeviceInfo, 0, {});
    // A block write header whose data never come would swallow what follows.
    rig.gw.receive(buildFrame(cmd::BlockWrite, 0, QByteArray(256, 0)).left(8));
    rig.tick(1500);
    const QByteArray a = rig.ask(info);
    QVERIFY(frameCheckOk(a));
    QCOMPARE(uint8_t(a[1]), cmd::DeviceInfo);
  }

  void faults_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("pieces");
    QTest::addColumn<bool>("checkOk");
    QTest::addColumn<bool>("commandKept");
    QTest::addColumn<bool>("addressKept");
    QTest::newRow("silence") << int(Fault::Silence) << 0 << false << false << false;
    QTest::newRow("bad check") << int(Fault::BadCheck) << 1 << false << true << true;
    QTest::newRow("wrong command") << int(Fault::WrongCommand) << 1 << true << false << true;
    QTest::newRow("wrong address") << int(Fault::WrongAddress) << 1 << true << true << false;
    QTest::newRow("split frame") << int(Fault::SplitFrame) << 2 << true << true << true;
    QTest::newRow("dropped bytes") << int(Fault::DropBytes) << 1 << false << true << true;
  }
  void faults() {
    QFETCH(int, fault);
    QFETCH(int, pieces);
    QFETCH(bool, checkOk);
    QFETCH(bool, commandKept);
    QFETCH(bool, addressKept);
    Rig rig;
    const QByteArray request = blockRead(256);
    const QByteArray good = rig.ask(request);
    rig.gw.injectFault(Fault(fault));
    const QByteArray a = rig.ask(request);
    QCOMPARE(int(rig.pieces.size()), pieces);
    if (pieces == 0) QVERIFY(a.isEmpty());
    else QCOMPARE(frameCheckOk(a), checkOk);
    if (pieces > 0) {
    QCOMPARE(a[1] == good[1], commandKept);
    QCOMPARE(addressOf(a) == addressOf(good), addressKept);
    if (Fault(fault) == Fault::SplitFrame) {
      QCOMPARE(a, good);
      QVERIFY(rig.pieces[0].bytes.size() > 0 && rig.pieces[1].bytes.size() > 0);
      QVERIFY(rig.pieces[1].pauseMs >= 800);  // longer than the program's flush window
    }
    if (Fault(fault) == Fault::DropBytes) QVERIFY(a.size() < good.size());
    if (Fault(fault) == Fault::BadCheck) QCOMPARE(a.chopped(1), good.chopped(1));
    }
    // The next answer is sound again.
    QCOMPARE(rig.ask(request), good);
  }

  void faultLastsItsCount() {
    Rig rig;
    const QByteArray info = buildFrame(cmd::DeviceInfo, 0, {});
    rig.gw.injectFault(Fault::BadCheck, 2);
    QVERIFY(!frameCheckOk(rig.ask(info)));
    QVERIFY(!frameCheckOk(rig.ask(info)));
    QVERIFY(frameCheckOk(rig.ask(info)));
    rig.gw.injectFault(Fault::Silence, -1);
    for (int i = 0; i < 5; ++i) QVERIFY(rig.ask(info).isEmpty());
    rig.gw.injectFault(Fault::None);
    QVERIFY(frameCheckOk(rig.ask(info)));
  }

  void frameFaultWaitsForAFrame() {
    Rig rig;
    rig.gw.injectFault(Fault::WrongCommand, 1);
    QVERIFY(echoMatches(rig.ask(gx::textLine("DBG=0")), 0));
    const QByteArray a = rig.ask(buildFrame(cmd::DeviceInfo, 0, {}));
    QVERIFY(frameCheckOk(a));
    QVERIFY(uint8_t(a[1]) != cmd::DeviceInfo);
  }

  void silentDeviceSaysNothing() {
    Rig rig;
    rig.gw.setSilent(true);
    QVERIFY(rig.ask(buildFrame(cmd::DeviceInfo, 0, {})).isEmpty());
    QVERIFY(rig.ask(gx::textLine("DBG=3")).isEmpty());
    rig.tick(5000);
    QVERIFY(rig.pieces.empty());
    QCOMPARE(rig.gw.requests().size(), size_t(2));
  }

  void debugTraffic_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QList<int>>("channels");
    QTest::newRow("off") << 0x00 << QStringList{} << QList<int>{};
    QTest::newRow("GPRS") << 0x03 << QStringList{"SendG", "RecGp"} << QList<int>{1, 2};
    QTest::newRow("Ethernet") << 0x0C << QStringList{"SendE", "RecET"} << QList<int>{3, 4};
    QTest::newRow("RS232") << 0x30 << QStringList{"Send4", "Rec48"} << QList<int>{5, 6};
  }
  void debugTraffic() {
    QFETCH(int, mode);
    QFETCH(QStringList, tags);
    QFETCH(QList<int>, channels);
    Rig rig;
    rig.ask(gx::textLine("DBG=" + QByteArray::number(mode)));
    rig.pieces.clear();
    rig.pieceAtMs.clear();
    rig.tick(10000);

    QSet<QString> seenTags;
    QSet<int> seenChannels;
    for (const Piece& p : rig.pieces) {
      const QByteArray& b = p.bytes;
      if (b.startsWith("#DBUGS")) {
        // As the program parses it: channel digit, four-digit count, count * 2 characters.
        QVERIFY(b.size() <= gx::kBufferSize);
        bool ok = false;
        const int channel = b.mid(6, 1).toInt(&ok);
        QVERIFY(ok);
        const int count = b.mid(7, 4).toInt(&ok);
        QVERIFY(ok && count > 0);
        const QByteArray payload = b.mid(11, count * 2);
        QCOMPARE(payload.size(), count * 2);
        QVERIFY(!QByteArray::fromHex(payload).isEmpty());
        QCOMPARE(QByteArray::fromHex(payload).toHex().toUpper(), payload.toUpper());
        seenChannels.insert(channel);
      } else {
        QVERIFY2(textLineDispatchLength(b) == b.size(), b.constData());
        seenTags.insert(QString::fromLatin1(b.left(5)));
      }
    }
    QCOMPARE(seenTags, QSet<QString>(tags.begin(), tags.end()));
    QCOMPARE(seenChannels, QSet<int>(channels.begin(), channels.end()));
    // Quiet between bursts, longer than the program's 800 ms flush window.
    for (size_t i = 1; i < rig.pieceAtMs.size(); ++i) QVERIFY(rig.pieceAtMs[i] - rig.pieceAtMs[i - 1] >= 800);
  }

  void answerKeepsClearOfDebugRecords() {
    Rig rig;
    rig.ask(gx::textLine("DBG=3"));
    rig.pieces.clear();
    while (rig.pieces.empty() || !rig.pieces.back().bytes.startsWith("#DBUGS")) {
      rig.tick(250);
      QVERIFY(rig.tickedMs < 20000);
    }
    const int recordAt = rig.tickedMs;
    rig.tick(250);
    const QByteArray a = rig.ask(buildFrame(cmd::ReadClock, 0, {}));
    QVERIFY(frameCheckOk(a));
    QVERIFY(rig.tickedMs - recordAt + rig.pieces.front().pauseMs >= 800);
  }
};

QTEST_GUILESS_MAIN(TstGateway)
#include "tst_gateway.moc"
