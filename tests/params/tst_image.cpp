// The gateway parameter image: every field from its controls to its bytes
// and back, the layout as a whole, and a read followed by a write.
#include <QRandomGenerator>
#include <QTest>

#include "params/image.h"
#include "support/memoryfields.h"

using namespace gx;
using namespace gx::params;

namespace {

QByteArray hx(const QString& text) { return QByteArray::fromHex(text.toLatin1().replace(' ', "")); }
QByteArray zeros(int n) { return QByteArray(n, '\0'); }
QByteArray text0(const char* t, int width) {
  QByteArray b(t);
  return b + zeros(width - int(b.size()));
}
QByteArray packet(const QByteArray& payload, int length, bool hex) {
  return payload + zeros(50 - int(payload.size())) + char(length) + char(hex ? 1 : 0);
}

// Fields as the window starts them: combos with their item counts.
struct Fields {
  test::MemoryFields m;
  operator FieldAccess&() { return m; }
  Fields() {
    auto combo = [this](const QString& name, int items, int selected) {
      m.lists[name] = QStringList(items, QStringLiteral("item"));
      m.indexes[name] = selected;
    };
    for (int t = 1; t <= 10; ++t) {
      combo(QStringLiteral("cbb%1").arg(9 + 4 * t), 8, 0);
      combo(QStringLiteral("cbb%1").arg(300 + t), 24, 0);
      combo(QStringLiteral("cbb%1").arg(310 + t), 60, 0);
      combo(QStringLiteral("cbb%1").arg(12 + 4 * t), 3, 0);
    }
    for (const char* c : {"RzComboBox3", "RzComboBox2", "RzComboBox10", "RzComboBox9"}) combo(c, 2, 0);
    combo("RzComboBox11", 3, -1);
    combo("RzComboBox8", 3, 0);
  }
  // "name=text", "name=?1" (check box), "name=#2" (combo index), separated by ';'.
  void apply(const QString& assignments) {
    for (const QString& a : assignments.split(';', Qt::SkipEmptyParts)) {
      const QString name = a.section('=', 0, 0), value = a.section('=', 1);
      if (value.startsWith('?'))
        m.checks[name] = value.mid(1) == "1";
      else if (value.startsWith('#'))
        m.indexes[name] = value.mid(1).toInt();
      else
        m.texts[name] = value;
    }
  }
  QString mismatch(const QString& assignments) const {
    for (const QString& a : assignments.split(';', Qt::SkipEmptyParts)) {
      const QString name = a.section('=', 0, 0), value = a.section('=', 1);
      QString got;
      if (value.startsWith('?'))
        got = m.checks.value(name) ? "?1" : "?0";
      else if (value.startsWith('#'))
        got = '#' + QString::number(m.indexes.value(name, -1));
      else
        got = m.texts.value(name);
      if (got != value) return QStringLiteral("%1: expected %2 got %3").arg(name, value, got);
    }
    return {};
  }
};

}  // namespace

class TstImage : public QObject {
  Q_OBJECT
 private slots:
  // The layout: the fields tile 0..1131 with no overlap, leaving only 0..3 and 6..7.
  void fieldsTileTheImage() {
    std::array<int, kImageSize> owner{};
    for (const ImageField& f : imageFields())
      for (int i = f.offset; i < f.offset + f.size; ++i) {
        QVERIFY2(i < kImageSize, qPrintable(QString::number(f.offset)));
        QVERIFY2(owner[size_t(i)] == 0, qPrintable(QStringLiteral("overlap at %1").arg(i)));
        owner[size_t(i)] = 1;
      }
    for (int i = 0; i < kImageSize; ++i) {
      const bool free = i < 4 || i == 6 || i == 7;
      QVERIFY2(owner[size_t(i)] == (free ? 0 : 1), qPrintable(QStringLiteral("offset %1").arg(i)));
    }
  }

  // Each field of the image: the controls' values, its bytes at its offset,
  // and what the controls show when the bytes are read back.
  void rows_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");  // what reading shows; empty: as set
    QTest::newRow("4 device ID") << 4 << "RzEdit4=1234" << hx("D204") << "";
    QTest::newRow("8 report period") << 8 << "edt72=300" << hx("2C01") << "";
    QTest::newRow("12 hidden text") << 12 << "RzEdit39=abc" << text0("abc", 22) << "";
    QTest::newRow("34 description of 10") << 34 << "RzEdit8=0123456789" << text0("0123456789", 60) << "";
    const QByteArray sixty = QByteArray("0123456789").repeated(6);
    QTest::newRow("34 description of 60, no 0x00") << 34 << "RzEdit8=" + QString::fromLatin1(sixty) << sixty << "";
    for (int r = 1; r <= 10; ++r) {
      const QByteArray number = "1380013800" + QByteArray::number(r);
      QTest::addRow("%d number %d", 94 + 22 * (r - 1), r)
          << 94 + 22 * (r - 1) << QStringLiteral("edt%1=%2").arg(r + 1).arg(QString::fromLatin1(number))
          << text0(number.constData(), 22) << "";
    }
    for (int r = 1; r <= 10; ++r) {
      // Columns 0, 3 and 8, and the hidden column 2 that is not in the image.
      const int base = 10 + 9 * (r - 1);
      const QString on =
          QStringLiteral("rzchckbx%1=?1;rzchckbx%2=?1;rzchckbx%3=?1").arg(base).arg(base + 3).arg(base + 8);
      QTest::addRow("%d flags of number %d", 314 + 2 * (r - 1), r)
          << 314 + 2 * (r - 1) << on + QStringLiteral(";rzchckbx%1=?1").arg(base + 2) << hx("0901")
          << on + QStringLiteral(";rzchckbx%1=?0").arg(base + 2);
    }
    for (int t = 1; t <= 10; ++t) {
      const bool enabled = t % 2 == 0;
      const QString set = QStringLiteral("cbb%1=#%2;cbb%3=#%4;cbb%5=#%6;cbb%7=#%8;rzchckbx%9=?%10")
                              .arg(9 + 4 * t)
                              .arg(t % 8)
                              .arg(300 + t)
                              .arg(t + 10)
                              .arg(310 + t)
                              .arg(5 * t)
                              .arg(12 + 4 * t)
                              .arg(t % 3)
                              .arg(123 + t)
                              .arg(enabled ? 1 : 0);
      QByteArray entry;
      entry += char((t % 8) | (enabled ? 0 : 0x80));
      entry += char(t + 10);
      entry += char(5 * t);
      entry += char(t % 3);
      QTest::addRow("%d timer %d", 334 + 4 * (t - 1), t) << 334 + 4 * (t - 1) << set << entry << "";
    }
    QTest::newRow("374 cellular enabled, UDP") << 374 << "RzComboBox3=#1;RzComboBox2=#1" << hx("81") << "";
    QTest::newRow("374 cellular disabled, TCP") << 374 << "RzComboBox3=#0;RzComboBox2=#0" << hx("00") << "";
    QTest::newRow("375 Ethernet enabled, TCP") << 375 << "RzComboBox10=#1;RzComboBox9=#0" << hx("01") << "";
    QTest::newRow("375 Ethernet disabled, UDP") << 375 << "RzComboBox10=#0;RzComboBox9=#1" << hx("80") << "";
    QTest::newRow("376 cellular server") << 376 << "RzEdit27=gw.example.com" << text0("gw.example.com", 32) << "";
    QTest::newRow("408 cellular port 65535") << 408 << "RzEdit26=65535" << hx("FFFF") << "";
    QTest::newRow("408 empty port writes 0") << 408 << "RzEdit26=" << hx("0000") << "RzEdit26=0";
    QTest::newRow("408 non-number writes 0") << 408 << "RzEdit26=abc" << hx("0000") << "RzEdit26=0";
    QTest::newRow("410 heartbeat") << 410 << "RzEdit17=60" << hx("3C00") << "";
    QTest::newRow("412 reconnection") << 412 << "RzEdit30=600" << hx("5802") << "";
    QTest::newRow("414 local IP, empty part")
        << 414 << "RzEdit64=192;RzEdit65=168;RzEdit66=1;RzEdit67=" << hx("C0A801FB") << "";
    QTest::newRow("414 local IP, part not a number") << 414 << "RzEdit64=x;RzEdit65=0;RzEdit66=256;RzEdit67=7"
                                                     << hx("FB000007") << "RzEdit64=;RzEdit65=0;RzEdit66=0;RzEdit67=7";
    QTest::newRow("418 local port") << 418 << "RzEdit36=502" << hx("F601") << "";
    QTest::newRow("420 subnet mask") << 420 << "RzEdit33=255;RzEdit37=255;RzEdit50=255;RzEdit59=0" << hx("FFFFFF00")
                                     << "";
    QTest::newRow("424 gateway") << 424 << "RzEdit60=10;RzEdit61=0;RzEdit62=0;RzEdit63=1" << hx("0A000001") << "";
    QTest::newRow("428 power-failure delay") << 428 << "edt32=5" << hx("0500") << "";
    QTest::newRow("430 cellular upload") << 430 << "RzEdit28=61" << hx("3D00") << "";
    QTest::newRow("432 Ethernet upload") << 432 << "RzEdit40=62" << hx("3E00") << "";
    QTest::newRow("434 serial upload") << 434 << "edt111=63" << hx("3F00") << "";
    QTest::newRow("436 APN") << 436 << "RzEdit16=cmnet" << text0("cmnet", 40) << "";
    QTest::newRow("476 user") << 476 << "RzEdit19=user" << text0("user", 40) << "";
    QTest::newRow("516 password") << 516 << "RzEdit20=secret" << text0("secret", 40) << "";
    const char* cellular[][2] = {{"RzEdit21", "chk1"},
                                 {"RzEdit22", "CheckBox1"},
                                 {"RzEdit23", "CheckBox2"},
                                 {"RzEdit24", "CheckBox3"},
                                 {"RzEdit25", "CheckBox4"}};
    const char* ethernet[][2] = {{"RzEdit38", "CheckBox5"},
                                 {"RzEdit43", "CheckBox6"},
                                 {"RzEdit44", "CheckBox7"},
                                 {"RzEdit45", "CheckBox8"},
                                 {"RzEdit46", "CheckBox9"}};
    for (int i = 0; i < 5; ++i) {
      for (const auto& [set, base] : {std::pair{cellular[i], 556}, std::pair{ethernet[i], 864}}) {
        const int at = base + 52 * i;
        QTest::addRow("%d packet %s in HEX", at, set[0])
            << at << QStringLiteral("%1=01 02 0A;%2=?1").arg(set[0], set[1]) << packet(hx("01020A"), 3, true)
            << QStringLiteral("%1=01020A;%2=?1").arg(set[0], set[1]);
        QTest::addRow("%d packet %s as text", at, set[0])
            << at << QStringLiteral("%1=ACK;%2=?0").arg(set[0], set[1]) << packet("ACK", 3, false) << "";
      }
    }
    QTest::newRow("816 Ethernet server") << 816 << "RzEdit391=10.1.1.1" << text0("10.1.1.1", 32) << "";
    QTest::newRow("848 Ethernet server port") << 848 << "RzEdit47=9000" << hx("2823") << "";
    QTest::newRow("850 DNS 1") << 850 << "RzEdit51=8;RzEdit52=8;RzEdit53=4;RzEdit54=4" << hx("08080404") << "";
    QTest::newRow("854 DNS 2") << 854 << "RzEdit55=114;RzEdit56=114;RzEdit57=114;RzEdit58=" << hx("727272FB") << "";
    QTest::newRow("858 cellular idle reconnect") << 858 << "RzEdit18=120" << hx("7800") << "";
    QTest::newRow("860 cellular reconnect count") << 860 << "RzEdit29=3" << hx("03") << "";
    QTest::newRow("862 cellular login strategy") << 862 << "RzComboBox11=#2" << hx("02") << "";
    QTest::newRow("862 no strategy selected") << 862 << "RzComboBox11=#-1" << hx("FF") << "";
    QTest::newRow("863 one byte") << 863 << "RzEdit72=300" << hx("2C") << "RzEdit72=44";
    QTest::newRow("1124 Ethernet idle reconnect") << 1124 << "RzEdit35=120" << hx("7800") << "";
    QTest::newRow("1126 Ethernet reconnect count") << 1126 << "RzEdit41=4" << hx("04") << "";
    QTest::newRow("1128 Ethernet login strategy") << 1128 << "RzComboBox8=#1" << hx("01") << "";
    QTest::newRow("1129 options 0 and 2") << 1129 << "RzCheckBox2=?1;RzCheckBox1=?0;RzCheckBox6=?1" << hx("05") << "";
    QTest::newRow("1129 option 1") << 1129 << "RzCheckBox2=?0;RzCheckBox1=?1;RzCheckBox6=?0" << hx("02") << "";
    QTest::newRow("1130 Ethernet heartbeat") << 1130 << "RzEdit42=60" << hx("3C00") << "";
  }
  void rows() {
    QFETCH(int, offset);
    QFETCH(QString, set);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    test::RecordingDialogs dialogs;
    Fields before;
    before.apply(set);
    ParameterImage image;
    image.FillFromFields(before, dialogs);
    const QByteArray got(reinterpret_cast<const char*>(image.bytes.data()) + offset, bytes.size());
    QCOMPARE(got.toHex(' '), bytes.toHex(' '));

    Fields after;
    image.SpreadOverFields(after, dialogs);
    const QString wrong = after.mismatch(shown.isEmpty() ? set : shown);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QVERIFY(dialogs.shown.empty());
  }

  // RzEdit41 is written three more times and none of the copies is shown.
  void reconnectCountCopies() {
    test::RecordingDialogs dialogs;
    Fields f;
    f.apply("RzEdit41=7");
    ParameterImage image;
    image.FillFromFields(f, dialogs);
    QCOMPARE(int(image.bytes[10]), 7);
    QCOMPARE(int(image.bytes[11]), 0);
    QCOMPARE(int(image.bytes[861]), 7);
    QCOMPARE(int(image.bytes[1126]), 7);
    QCOMPARE(int(image.bytes[1127]), 7);
    image.bytes[10] = 1;
    image.bytes[861] = 2;
    image.bytes[1127] = 3;
    Fields shown;
    image.SpreadOverFields(shown, dialogs);
    QCOMPARE(shown.m.texts.value("RzEdit41"), QStringLiteral("7"));
  }

  // Bytes no control writes go back as they were read; zeros before any read.
  void uncontrolledBytes() {
    test::RecordingDialogs dialogs;
    Fields f;
    ParameterImage image;
    image.FillFromFields(f, dialogs);
    for (int i : {0, 1, 2, 3, 6, 7}) QCOMPARE(int(image.bytes[size_t(i)]), 0);
    const QByteArray read = hx("A1A2A3A4 0000 B1B2");
    for (int i = 0; i < read.size(); ++i) image.bytes[size_t(i)] = uint8_t(read[i]);
    image.FillFromFields(f, dialogs);
    for (int i : {0, 1, 2, 3}) QCOMPARE(int(image.bytes[size_t(i)]), 0xA1 + i);
    QCOMPARE(int(image.bytes[6]), 0xB1);
    QCOMPARE(int(image.bytes[7]), 0xB2);
  }

  // A packet that is not hexadecimal stops the filling and changes nothing.
  void badHexLeavesTheImage() {
    test::RecordingDialogs dialogs;
    Fields f;
    f.apply("RzEdit4=77;RzEdit46=0Z;CheckBox9=?1");
    ParameterImage image;
    image.bytes.fill(0x5A);
    try {
      image.FillFromFields(f, dialogs);
      QFAIL("no conversion error");
    } catch (const ConversionError& e) {
      QCOMPARE(e.message(), QStringLiteral("'0Z' is not a valid hexadecimal value"));
    }
    for (uint8_t b : image.bytes) QCOMPARE(int(b), 0x5A);
  }

  // Reading an image and writing it back untouched returns every byte, except
  // where the controls cannot hold it.
  void readThenWrite_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 s : {1u, 2u, 3u, 77u, 1234u, 99999u}) QTest::addRow("seed %u", s) << s;
  }
  void readThenWrite() {
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    auto any = [&](int lo, int hi) { return int(rng.bounded(lo, hi + 1)); };
    ImageBytes read{};
    for (uint8_t& b : read) b = uint8_t(any(0, 255));
    ImageBytes expected = read;
    for (const ImageField& f : imageFields()) {
      uint8_t* p = read.data() + f.offset;
      uint8_t* e = expected.data() + f.offset;
      switch (f.enc) {
        case Enc::U16:
        case Enc::U8:
        case Enc::Octets:
          break;  // exact
        case Enc::TextZ: {
          // Printable text, then a 0x00 or 0xFF and junk: the junk returns as zeros.
          const int n = any(0, f.size);
          for (int i = 0; i < f.size; ++i) e[i] = 0;
          for (int i = 0; i < n; ++i) e[i] = p[i] = uint8_t(any(0x21, 0x7E));
          if (n < f.size) p[n] = rng.bounded(2) ? 0x00 : 0xFF;
          break;
        }
        case Enc::Packet: {
          const bool hex = rng.bounded(2);
          const int n = any(0, 50);
          for (int i = 0; i < 52; ++i) e[i] = 0;
          for (int i = 0; i < n; ++i) e[i] = p[i] = uint8_t(hex ? any(0, 0xFE) : any(0x21, 0x7E));
          if (!hex && n < 50) p[n] = 0x00;
          e[50] = p[50] = uint8_t(n);
          e[51] = p[51] = hex ? 1 : 0;
          break;
        }
        case Enc::Flags:
          e[0] = p[0] & 0xFB;  // bit 2 has no box
          e[1] = p[1] & 0x01;  // nor bits 9..15
          break;
        case Enc::Timer: {
          // Indexes beyond a list return as the selection the window had (0).
          const int day = p[0] & 0x7F;
          e[0] = uint8_t((day < 8 ? day : 0) | (p[0] & 0x80));
          e[1] = p[1] < 24 ? p[1] : 0;
          e[2] = p[2] < 60 ? p[2] : 0;
          e[3] = p[3] < 3 ? p[3] : 0;
          break;
        }
        case Enc::Index:
          if (p[0] >= 3) e[0] = f.offset == 862 ? 0xFF : 0;  // RzComboBox11 starts with no selection
          break;
        case Enc::Mode:
          e[0] = uint8_t(((p[0] & 0x0F) < 2 ? (p[0] & 0x0F) : 0) | (p[0] & 0x80));
          break;
        case Enc::Options:
          e[0] = p[0] & 0x07;
          break;
      }
    }
    // The three copies of the Ethernet reconnect count.
    expected[10] = expected[1126];
    expected[11] = 0;
    expected[861] = expected[1126];
    expected[1127] = expected[1126];

    test::RecordingDialogs dialogs;
    Fields f;
    ParameterImage image;
    image.bytes = read;
    image.SpreadOverFields(f, dialogs);
    image.FillFromFields(f, dialogs);
    for (int i = 0; i < kImageSize; ++i)
      QVERIFY2(image.bytes[size_t(i)] == expected[size_t(i)],
               qPrintable(QStringLiteral("offset %1: read %2, expected %3, written %4")
                              .arg(i)
                              .arg(read[size_t(i)], 2, 16, QLatin1Char('0'))
                              .arg(expected[size_t(i)], 2, 16, QLatin1Char('0'))
                              .arg(image.bytes[size_t(i)], 2, 16, QLatin1Char('0'))));
    QVERIFY(dialogs.shown.empty());
  }
};

QTEST_GUILESS_MAIN(TstImage)
#include "tst_image.moc"
