// Device frames: building, checking, text lines and the hex log format.
#include <QTest>

#include "link/frame.h"

using namespace gx;

namespace {
QByteArray hx(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }
}  // namespace

class TstFrame : public QObject {
  Q_OBJECT
 private slots:
  void build_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<uint>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("device info, no data") << 0x05 << 0u << 0 << QByteArray() << hx("23 05 00 00 00 00 00 00 05");
    QTest::newRow("relays both closed") << 0x07 << 0u << 1 << hx("03") << hx("23 07 00 00 00 00 00 01 03 05");
    QTest::newRow("block read at 256") << 0x83 << 256u << 0 << QByteArray() << hx("23 83 00 00 01 00 00 00 82");
    QTest::newRow("address bytes enter the check")
        << 0x83 << 0x00050100u << 0 << QByteArray() << hx("23 83 00 05 01 00 00 00 87");
    QTest::newRow("length beyond the filled bytes pads 0xFF")
        << 0x01 << 0u << 4 << hx("31 32 33") << hx("23 01 00 00 00 00 00 04 31 32 33 FF CA");
  }
  void build() {
    QFETCH(int, command);
    QFETCH(uint, address);
    QFETCH(int, length);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);
    RequestFrame f;
    f.clearData();
    f.command = uint8_t(command);
    f.setAddress(address);
    f.setLength(length);
    for (int i = 0; i < data.size(); ++i) f.dataAt(i + 1) = uint8_t(data[i]);
    QCOMPARE(f.build(), expected);
    QCOMPARE(f.addressValue(), address);
    QVERIFY(frameCheckOk(expected));
  }

  // The last parameter block: 108 meaningful bytes, length 256, 148 trailing 0xFF in the frame and its check.
  void lastBlockCarries148FF() {
    RequestFrame f;
    f.clearData();
    f.command = 0x82;
    f.setAddress(1024);
    f.setLength(256);
    for (int k = 1; k <= 108; ++k) f.dataAt(k) = uint8_t(k);
    const QByteArray bytes = f.build();
    QCOMPARE(bytes.size(), 265);
    QCOMPARE(bytes.mid(8 + 108, 148), QByteArray(148, char(0xFF)));
    uint8_t x = 0;
    for (int i = 1; i < 264; ++i) x ^= uint8_t(bytes[i]);
    QCOMPARE(uint8_t(bytes[264]), x);
    QCOMPARE(buildFrame(0x82, 1024, bytes.mid(8, 256)), bytes);
  }

  void check_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    const QByteArray good = buildFrame(0x01, 0, hx("01"));
    QByteArray badCheck = good;
    badCheck[badCheck.size() - 1] = char(badCheck.back() ^ 0x01);
    QByteArray badStart = good;
    badStart[0] = 'x';
    QTest::newRow("valid answer") << good << true;
    QTest::newRow("wrong check byte") << badCheck << false;
    QTest::newRow("not starting with #") << badStart << false;
    QTest::newRow("8 bytes only") << good.left(8) << false;
    QTest::newRow("length claims more than arrived") << good.left(good.size() - 1) << false;
    QTest::newRow("empty frame, N = 0") << hx("23 08 00 00 00 00 00 00 08") << true;
  }
  void check() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QCOMPARE(frameCheckOk(bytes), ok);
  }

  void textLineEndsInCrLf() { QCOMPARE(textLine("DBG=15"), QByteArray("DBG=15\r\n")); }

  void hexTextLogFormat() { QCOMPARE(hexText(hx("23 0A FF")), QStringLiteral(" 23 0A FF")); }
};

QTEST_GUILESS_MAIN(TstFrame)
#include "tst_frame.moc"
