// The field codec: kinds, widths, markers, cursor rules and conversion errors.
#include <QLocale>
#include <QTest>

#include "engine/captionset.h"
#include "link/codepage.h"
#include "params/codec.h"
#include "support/memoryfields.h"

using namespace gx;
using namespace gx::params;

namespace {

QByteArray hx(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

// A buffer pre-filled with 0xFF, as request data areas are.
struct Buf {
  std::array<uint8_t, 300> b;
  Buf() { b.fill(0xFF); }
  explicit Buf(const QByteArray& at0) : Buf() {
    for (int i = 0; i < at0.size(); ++i) b[size_t(i)] = uint8_t(at0[i]);
  }
  QByteArray head(int n) const { return QByteArray(reinterpret_cast<const char*>(b.data()), n); }
};

struct Rig {
  test::MemoryFields fields;
  test::RecordingDialogs dialogs;
  FieldCodec codec{fields, dialogs};
};

}  // namespace

class TstCodec : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void packField_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("bytes");  // the first 6 bytes of the buffer afterwards
    QTest::addColumn<int>("advance");
    QTest::newRow("text shorter than width keeps the tail") << 1 << 5 << "ABC" << 0 << hx("414243FFFFFF") << 5;
    QTest::newRow("text cut at width") << 1 << 4 << "ABCDEFG" << 0 << hx("41424344FFFF") << 4;
    QTest::newRow("empty text writes nothing, still advances") << 1 << 4 << "" << 0 << hx("FFFFFFFFFFFF") << 4;
    QTest::newRow("Chinese text travels as code page 936") << 1 << 4 << "温度" << 0 << hx("CEC2B6C8FFFF") << 4;
    QTest::newRow("word 300") << 2 << 2 << "300" << 0 << hx("2C01FFFFFFFF") << 2;
    QTest::newRow("word 65535") << 2 << 2 << "65535" << 0 << hx("FFFFFFFFFFFF") << 2;
    QTest::newRow("word empty writes nothing") << 2 << 2 << "" << 0 << hx("FFFFFFFFFFFF") << 2;
    QTest::newRow("combo index") << 3 << 1 << "" << 2 << hx("02FFFFFFFFFF") << 1;
    QTest::newRow("combo without selection") << 3 << 1 << "" << -1 << hx("FFFFFFFFFFFF") << 1;
    QTest::newRow("byte mod 256") << 4 << 1 << "258" << 0 << hx("02FFFFFFFFFF") << 1;
    QTest::newRow("byte empty writes nothing") << 4 << 1 << "" << 0 << hx("FFFFFFFFFFFF") << 1;
    QTest::newRow("byte-or-empty empty is 0xFB") << 11 << 1 << "" << 0 << hx("FBFFFFFFFFFF") << 1;
    QTest::newRow("byte-or-empty value") << 11 << 1 << "7" << 0 << hx("07FFFFFFFFFF") << 1;
    QTest::newRow("unknown kind: nothing, cursor stays") << 9 << 2 << "12" << 0 << hx("FFFFFFFFFFFF") << 0;
    QTest::newRow("unpack-only kind packs nothing") << 5 << 1 << "" << 1 << hx("FFFFFFFFFFFF") << 0;
  }
  void packField() {
    QFETCH(int, kind);
    QFETCH(int, width);
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(QByteArray, bytes);
    QFETCH(int, advance);
    Rig r;
    r.fields.texts["f"] = text;
    r.fields.indexes["f"] = index;
    Buf buf;
    uint16_t cursor = 0;
    r.codec.PackField("f", width, cursor, buf.b, kind);
    QCOMPARE(buf.head(6), bytes);
    QCOMPARE(int(cursor), advance);
    QVERIFY(r.dialogs.shown.empty());
  }

  void nonNumericText_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("word") << 2 << "abc";
    QTest::newRow("byte") << 4 << "12x";
    QTest::newRow("byte-or-empty") << 11 << "-";
  }
  void nonNumericText() {
    QFETCH(int, kind);
    QFETCH(QString, text);
    Rig r;
    r.fields.texts["f"] = text;
    Buf buf;
    uint16_t cursor = 3;
    try {
      r.codec.PackField("f", kind == 2 ? 2 : 1, cursor, buf.b, kind);
      QFAIL("no conversion error");
    } catch (const ConversionError& e) {
      QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    QCOMPARE(buf.head(6), hx("FFFFFFFFFFFF"));
    QCOMPARE(int(cursor), 3);
  }

  void conversionErrorShownToTheUser() {
    Rig r;
    r.fields.texts["f"] = "abc";
    Buf buf;
    uint16_t cursor = 0;
    QVERIFY(!ShowConversionErrors(r.dialogs, [&] { r.codec.PackField("f", 2, cursor, buf.b, kind::Word); }));
    QCOMPARE(r.dialogs.take(), QStringLiteral("error:'abc' is not a valid integer value"));
    r.fields.texts["f"] = "12";
    QVERIFY(ShowConversionErrors(r.dialogs, [&] { r.codec.PackField("f", 2, cursor, buf.b, kind::Word); }));
    QVERIFY(r.dialogs.shown.empty());
    QCOMPARE(buf.head(2), hx("0C00"));
  }

  void posIsOut_data() {
    QTest::addColumn<QString>("routine");
    QTest::addColumn<int>("lastGood");
    QTest::addColumn<QString>("message");
    QTest::newRow("PackField") << "PackField" << 256 << "dialog:   pos is out   ";
    QTest::newRow("PackCell") << "PackCell" << 256 << "dialog:   pos is out   ";
    QTest::newRow("UnpackField") << "UnpackField" << 264 << "dialog:   pos is out   ";
    QTest::newRow("UnpackCell has no blanks") << "UnpackCell" << 264 << "dialog:pos is out";
    QTest::newRow("ReadCell") << "ReadCell" << 264 << "dialog:   pos is out   ";
  }
  void posIsOut() {
    QFETCH(QString, routine);
    QFETCH(int, lastGood);
    QFETCH(QString, message);
    Rig r;
    r.fields.texts["f"] = "5";
    Buf buf;
    QString out = "keep";
    auto call = [&](uint16_t& c) {
      if (routine == "PackField") r.codec.PackField("f", 1, c, buf.b, kind::Byte);
      if (routine == "PackCell") r.codec.PackCell(QVariant("5"), 1, c, buf.b, 3);
      if (routine == "UnpackField") r.codec.UnpackField("f", 1, c, buf.b, kind::Byte);
      if (routine == "UnpackCell") r.codec.UnpackCell(out, 1, c, buf.b, 3);
      if (routine == "ReadCell") r.codec.ReadCell(out, 1, c, buf.b, 3);
    };
    uint16_t cursor = uint16_t(lastGood);
    call(cursor);
    QCOMPARE(int(cursor), lastGood + 1);
    QVERIFY(r.dialogs.shown.empty());
    cursor = uint16_t(lastGood + 1);
    call(cursor);
    QCOMPARE(int(cursor), lastGood + 1);
    QCOMPARE(r.dialogs.take(), message);
  }

  void unpackField_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");  // text afterwards (before: "old")
    QTest::addColumn<int>("index");     // index afterwards (before: 1)
    QTest::newRow("word 300") << 2 << 2 << hx("2C01") << "300" << 1;
    QTest::newRow("word not set is empty") << 2 << 2 << hx("FFFF") << "" << 1;
    QTest::newRow("word with one byte set") << 2 << 2 << hx("FF01") << "511" << 1;
    QTest::newRow("byte not set is empty") << 4 << 1 << hx("FF") << "" << 1;
    QTest::newRow("byte") << 4 << 1 << hx("05") << "5" << 1;
    QTest::newRow("byte-or-empty 0xFB is empty") << 11 << 1 << hx("FB") << "" << 1;
    QTest::newRow("byte-or-empty 0xFF is 255") << 11 << 1 << hx("FF") << "255" << 1;
    QTest::newRow("text ends before 0xFF") << 1 << 4 << hx("4142FF43") << "AB" << 1;
    QTest::newRow("text ends before 0x00") << 1 << 4 << hx("41420043") << "AB" << 1;
    QTest::newRow("text of full width") << 1 << 3 << hx("414243") << "ABC" << 1;
    QTest::newRow("text empty is set too") << 1 << 3 << hx("FF4142") << "" << 1;
    QTest::newRow("caption as text") << 6 << 2 << hx("4142") << "AB" << 1;
    QTest::newRow("index") << 3 << 1 << hx("02") << "old" << 2;
    QTest::newRow("index not set keeps the selection") << 3 << 1 << hx("FF") << "old" << 1;
    QTest::newRow("index from the low nibble") << 5 << 1 << hx("82") << "old" << 2;
    QTest::newRow("low nibble not set") << 5 << 1 << hx("FF") << "old" << 1;
    QTest::newRow("byte caption") << 7 << 1 << hx("10") << "16" << 1;
    QTest::newRow("byte caption not set keeps it") << 7 << 1 << hx("FF") << "old" << 1;
  }
  void unpackField() {
    QFETCH(int, kind);
    QFETCH(int, width);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, index);
    Rig r;
    r.fields.texts["f"] = "old";
    r.fields.indexes["f"] = 1;
    Buf buf(bytes);
    uint16_t cursor = 0;
    r.codec.UnpackField("f", width, cursor, buf.b, kind);
    QCOMPARE(r.fields.texts.value("f"), text);
    QCOMPARE(r.fields.indexes.value("f"), index);
    QCOMPARE(int(cursor), width);
  }

  void cellReaders_data() {
    QTest::addColumn<QString>("routine");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("out");  // before: "old"
    QTest::newRow("UnpackCell word ends at the cursor") << "UnpackCell" << 2 << 1 << hx("2C01") << "300";
    QTest::newRow("UnpackCell word one byte set") << "UnpackCell" << 2 << 1 << hx("FF01") << "511";
    QTest::newRow("UnpackCell word not set") << "UnpackCell" << 2 << 1 << hx("FFFF") << "";
    QTest::newRow("UnpackCell byte not set keeps") << "UnpackCell" << 3 << 0 << hx("FF") << "old";
    QTest::newRow("UnpackCell byte") << "UnpackCell" << 3 << 0 << hx("FB") << "251";
    QTest::newRow("UnpackCell byte-or-empty 0xFB keeps") << "UnpackCell" << 4 << 0 << hx("FB") << "old";
    QTest::newRow("UnpackCell byte-or-empty 0xFF") << "UnpackCell" << 4 << 0 << hx("FF") << "255";
    QTest::newRow("UnpackCell text") << "UnpackCell" << 1 << 0 << hx("4142FF") << "AB";
    QTest::newRow("ReadCell word with one byte 0xFF is empty") << "ReadCell" << 2 << 0 << hx("FF01") << "";
    QTest::newRow("ReadCell word") << "ReadCell" << 2 << 0 << hx("2C01") << "300";
    QTest::newRow("ReadCell byte not set clears") << "ReadCell" << 3 << 0 << hx("FF") << "";
    QTest::newRow("ReadCell byte") << "ReadCell" << 3 << 0 << hx("09") << "9";
  }
  void cellReaders() {
    QFETCH(QString, routine);
    QFETCH(int, kind);
    QFETCH(int, cursor);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, out);
    Rig r;
    Buf buf(bytes);
    QString got = "old";
    uint16_t c = uint16_t(cursor);
    const int width = kind == 2 ? 2 : kind == 1 ? 3 : 1;
    if (routine == "UnpackCell") r.codec.UnpackCell(got, width, c, buf.b, kind);
    if (routine == "ReadCell") r.codec.ReadCell(got, width, c, buf.b, kind);
    QCOMPARE(got, out);
    QCOMPARE(int(c), cursor + width);
  }

  void packCell_data() {
    QTest::addColumn<QVariant>("cell");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("null cell writes nothing") << QVariant() << 2 << hx("FFFF");
    QTest::newRow("text") << QVariant("AB") << 1 << hx("4142");
    QTest::newRow("word") << QVariant(300) << 2 << hx("2C01");
    QTest::newRow("byte") << QVariant("7") << 3 << hx("07FF");
    QTest::newRow("byte empty writes nothing") << QVariant("") << 3 << hx("FFFF");
  }
  void packCell() {
    QFETCH(QVariant, cell);
    QFETCH(int, kind);
    QFETCH(QByteArray, bytes);
    Rig r;
    Buf buf;
    uint16_t c = 0;
    r.codec.PackCell(cell, 2, c, buf.b, kind);
    QCOMPARE(buf.head(2), bytes);
    QCOMPARE(int(c), 2);
  }

  void textZ_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("back");
    QTest::newRow("short text, zero padded") << "AB" << 4 << hx("4142000000") << "AB";
    QTest::newRow("exactly n+1: no terminator") << "ABCD" << 3 << hx("41424344") << "ABCD";
    QTest::newRow("longer: cut at n+1") << "ABCDEF" << 3 << hx("41424344") << "ABCD";
    QTest::newRow("blank text: zeros") << "   " << 3 << hx("00000000") << "";
    QTest::newRow("leading blank kept") << " A" << 2 << hx("204100") << " A";
    QTest::newRow("Chinese") << "温度" << 5 << hx("CEC2B6C80000") << "温度";
  }
  void textZ() {
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QByteArray, field);
    QFETCH(QString, back);
    Buf buf;
    PackTextZ(text, buf.b, n);
    QCOMPARE(buf.head(n + 2), field + hx("FF"));
    QCOMPARE(UnpackTextZ(buf.b, n), back);
  }
  void textZTwentyFiveInTwentyTwo() {
    Buf buf;
    const QString text = QStringLiteral("1234567890123456789012345");
    PackTextZ(text, buf.b, 21);
    QCOMPARE(buf.head(22), text.left(22).toLatin1());
    QCOMPARE(UnpackTextZ(buf.b, 21), text.left(22));
  }
  void unpackTextZ_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x00 first is empty") << hx("00414243") << "";
    QTest::newRow("ends before 0xFF") << hx("41FF4243") << "A";
    QTest::newRow("ends before 0x00") << hx("41420043") << "AB";
  }
  void unpackTextZ() {
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    Buf buf(field);
    QCOMPARE(UnpackTextZ(buf.b, 3), text);
  }

  void packet_data() {
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("head");  // bytes 0..3
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("back");
    QTest::newRow("hex with blanks") << true << "01 02 0A" << hx("01020A00") << 3 << "01020A";
    QTest::newRow("hex lower case") << true << "ff 7e" << hx("FF7E0000") << 2
                                    << "7E";  // 0xFF bytes are skipped on reading
    QTest::newRow("text") << false << "ACK" << hx("41434B00") << 3 << "ACK";
    QTest::newRow("empty text") << false << "" << hx("00000000") << 0 << "";
    QTest::newRow("text longer than the payload claims 50")
        << false << QString(60, QLatin1Char('x')) << hx("78787878") << 50 << QString(50, QLatin1Char('x'));
  }
  void packet() {
    QFETCH(bool, hex);
    QFETCH(QString, text);
    QFETCH(QByteArray, head);
    QFETCH(int, length);
    QFETCH(QString, back);
    Rig r;
    r.fields.texts["e"] = text;
    r.fields.checks["h"] = hex;
    Buf buf;
    r.codec.PackPacketField(std::span<uint8_t>(buf.b).first(kPacketSize), "e", "h");
    QCOMPARE(buf.head(4), head);
    QCOMPARE(int(buf.b[50]), length);
    QCOMPARE(int(buf.b[51]), hex ? 1 : 0);
    QCOMPARE(int(buf.b[52]), 0xFF);  // nothing beyond the field
    // Reading back: the box from byte 51, the text from the payload.
    r.fields.checks["h"] = !hex;
    r.fields.texts["e"] = "stale";
    r.codec.UnpackPacketField(std::span<uint8_t>(buf.b).first(kPacketSize), "e", "h");
    QCOMPARE(r.fields.checks.value("h"), hex);
    QCOMPARE(r.fields.texts.value("e"), back);
  }
  void packetBadHexCharacter() {
    Rig r;
    r.fields.texts["e"] = "01 0G";
    r.fields.checks["h"] = true;
    Buf buf;
    try {
      r.codec.PackPacketField(std::span<uint8_t>(buf.b).first(kPacketSize), "e", "h");
      QFAIL("no conversion error");
    } catch (const ConversionError& e) {
      QCOMPARE(e.message(), QStringLiteral("'01 0G' is not a valid hexadecimal value"));
    }
  }

  void timer() {
    Rig r;
    const TimerControls t{"d", "h", "m", "a", "e"};
    for (const char* c : {"d", "h", "m", "a"}) {
      r.fields.lists[c] = QStringList(8, "x");
      r.fields.indexes[c] = 0;
    }
    r.fields.checks["e"] = false;
    Buf buf;
    r.codec.PackTimer(buf.b, t);
    QCOMPARE(buf.head(4), hx("80000000"));

    r.fields.indexes["d"] = 7;
    r.fields.indexes["h"] = 5;
    r.fields.indexes["m"] = -1;
    r.fields.checks["e"] = true;
    r.codec.PackTimer(buf.b, t);
    QCOMPARE(buf.head(4), hx("0705FF00"));

    // All 0xFF: no selection changes, the enable box cleared.
    r.fields.indexes["m"] = 3;
    Buf unset;
    r.codec.UnpackTimer(unset.b, t);
    QCOMPARE(r.fields.indexes.value("d"), 7);
    QCOMPARE(r.fields.indexes.value("h"), 5);
    QCOMPARE(r.fields.indexes.value("m"), 3);
    QCOMPARE(r.fields.indexes.value("a"), 0);
    QCOMPARE(r.fields.checks.value("e"), false);

    Buf entry(hx("83040602"));
    r.codec.UnpackTimer(entry.b, t);
    QCOMPARE(r.fields.indexes.value("d"), 3);
    QCOMPARE(r.fields.indexes.value("h"), 4);
    QCOMPARE(r.fields.indexes.value("m"), 6);
    QCOMPARE(r.fields.indexes.value("a"), 2);
    QCOMPARE(r.fields.checks.value("e"), false);
    Buf enabled(hx("01000000"));
    r.codec.UnpackTimer(enabled.b, t);
    QCOMPARE(r.fields.checks.value("e"), true);
  }

  void comboIndex_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("after");  // before: 1 of 3 items
    QTest::newRow("inside the list") << 2 << 2;
    QTest::newRow("equal to the item count keeps the selection") << 3 << 1;
    QTest::newRow("far beyond") << 200 << 1;
  }
  void comboIndex() {
    QFETCH(int, index);
    QFETCH(int, after);
    Rig r;
    r.fields.lists["c"] = QStringList{"a", "b", "c"};
    r.fields.indexes["c"] = 1;
    r.codec.SetComboIndex("c", index);
    QCOMPARE(r.fields.index("c"), after);
    QCOMPARE(int(r.codec.GetComboIndex("c")), after);
    r.fields.indexes["c"] = -1;
    QCOMPARE(int(r.codec.GetComboIndex("c")), 0xFF);
  }

  void flagWord() {
    Rig r;
    const FlagBoxes boxes{"b0", "b1", "b3", "b4", "b5", "b6", "b7", "b8"};
    for (const char* b : boxes) r.fields.checks[b] = true;
    QCOMPARE(int(r.codec.PackFlagWord(boxes)), 0x01FB);  // bit 2 and 9..15 stay clear
    r.fields.checks["b1"] = false;
    r.fields.checks["b8"] = false;
    QCOMPARE(int(r.codec.PackFlagWord(boxes)), 0x00F9);
    r.codec.UnpackFlagWord(0x0102, boxes);
    QStringList on;
    for (const char* b : boxes)
      if (r.fields.checks.value(b)) on << b;
    QCOMPARE(on, (QStringList{"b1", "b8"}));
  }

  void tenths_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("253") << 253 << "25.3";
    QTest::newRow("250") << 250 << "25";
    QTest::newRow("-5") << -5 << "-0.5";
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("-250") << -250 << "-25";
    QTest::newRow("most") << 32767 << "3276.7";
    QTest::newRow("least") << -32768 << "-3276.8";
  }
  void tenths() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(FormatTenths(int16_t(value)), text);
    Rig r;
    Buf buf;
    uint16_t c = 4;
    r.codec.PackCellTenths(QVariant(text), c, buf.b);
    QCOMPARE(int(c), 6);
    QCOMPARE(int(int16_t(buf.b[4] | (buf.b[5] << 8))), value);
    QString out;
    c = 4;
    r.codec.UnpackTenths(buf.b, c, out);
    QCOMPARE(out, text);
    QCOMPARE(int(c), 6);
  }
  void tenthsTruncateTowardZero() {
    Rig r;
    Buf buf;
    uint16_t c = 0;
    r.codec.PackCellTenths(QVariant("1.29"), c, buf.b);
    r.codec.PackCellTenths(QVariant("-1.29"), c, buf.b);
    r.codec.PackCellTenths(QVariant(), c, buf.b);
    QCOMPARE(buf.head(6), hx("0C00F4FFFFFF"));
    QCOMPARE(int(c), 6);
    try {
      r.codec.PackCellTenths(QVariant("warm"), c, buf.b);
      QFAIL("no conversion error");
    } catch (const ConversionError& e) {
      QCOMPARE(e.message(), QStringLiteral("'warm' is not a valid floating point value"));
    }
    QCOMPARE(CellNumber(QVariant()), 0.0);
    QCOMPARE(CellNumber(QVariant("2.5")), 2.5);
  }

  void inputTypes_data() {
    QTest::addColumn<QVariant>("cell");
    QTest::addColumn<int>("code");
    QTest::newRow("null") << QVariant() << 0;
    QTest::newRow("empty") << QVariant("") << 0;
    QTest::newRow("close") << QVariant("close") << 0;
    QTest::newRow("关闭") << QVariant("关闭") << 0;
    QTest::newRow("NO") << QVariant("NO") << 1;
    QTest::newRow("NC") << QVariant("NC") << 2;
    QTest::newRow("temperature") << QVariant("temperature") << 3;
    QTest::newRow("温度") << QVariant("温度") << 3;
    QTest::newRow("Humidity") << QVariant("Humidity") << 4;
    QTest::newRow("湿度") << QVariant("湿度") << 4;
    QTest::newRow("Analog") << QVariant("Analog") << 5;
    QTest::newRow("0~5V") << QVariant("0~5V") << 5;
    QTest::newRow("4~20mA") << QVariant("4~20mA") << 6;
    QTest::newRow("other") << QVariant("no") << 255;
  }
  void inputTypes() {
    QFETCH(QVariant, cell);
    QFETCH(int, code);
    Captions chinese;
    chinese.setLang(Lang::Chinese);
    QCOMPARE(int(InputTypeCode(cell, chinese)), code);
    // Names read back to the same code, in the language shown.
    if (code != 255) QCOMPARE(int(InputTypeCode(QVariant(InputTypeName(code, chinese)), chinese)), code);
  }
  void inputTypeNames() {
    Captions en;
    QCOMPARE(InputTypeName(3, en), QStringLiteral("temperature"));
    QCOMPARE(InputTypeName(4, en), QStringLiteral("humidity"));
    QCOMPARE(InputTypeName(0, en), QStringLiteral("关闭"));
    QCOMPARE(InputTypeName(7, en), QString());
  }

  void textTail() {
    Rig r;
    Buf buf;
    r.fields.texts["e"] = "ABCDEFGHIJ";
    uint16_t c = 10;
    r.codec.PackTextTail("e", 8, c, buf.b, 4);  // at most 4 bytes after the first 4
    QCOMPARE(int(c), 14);
    QCOMPARE(buf.head(15).mid(10), hx("45464748FF"));
    r.fields.texts["short"] = "ABC";
    r.codec.PackTextTail("short", 8, c, buf.b, 4);
    QCOMPARE(int(c), 18);
    QCOMPARE(buf.head(18).mid(14), hx("FFFFFFFF"));

    // Reading: the continuation is added only to a text of exactly k bytes.
    r.fields.texts["e"] = "ABCD";
    c = 10;
    r.codec.UnpackTextTail("e", 8, c, buf.b, 4);
    QCOMPARE(r.fields.texts.value("e"), QStringLiteral("ABCDEFGH"));
    QCOMPARE(int(c), 14);
    r.fields.texts["e"] = "ABC";
    c = 10;
    r.codec.UnpackTextTail("e", 8, c, buf.b, 4);
    QCOMPARE(r.fields.texts.value("e"), QStringLiteral("ABC"));

    QString out = "old";
    c = 10;
    r.codec.UnpackCellTextTail(QVariant("WXYZ"), 8, out, c, buf.b, 4);
    QCOMPARE(out, QStringLiteral("WXYZEFGH"));
    out = "old";
    r.codec.UnpackCellTextTail(QVariant(), 8, out, c, buf.b, 4);
    QCOMPARE(out, QStringLiteral("old"));
    QCOMPARE(int(c), 18);

    Buf cellBuf;
    c = 0;
    r.codec.PackCellTextTail(QVariant("12345678"), 6, c, cellBuf.b, 4);
    QCOMPARE(cellBuf.head(3), hx("3536FF"));
    QCOMPARE(int(c), 2);
  }

  void byteHelpers() {
    QCOMPARE(BytesToHex(Buf(hx("01FF0A7B")).b, 4), QStringLiteral("010A7B"));
    QCOMPARE(BytesToHex(Buf(hx("01FF0A7B")).b, 1), QStringLiteral("01"));
    QCOMPARE(BytesToText(Buf(hx("0041")).b, 2), QString());
    QCOMPARE(BytesToText(Buf(hx("41FF42")).b, 3), QStringLiteral("AB"));
    QCOMPARE(RemoveSpaces(" a b  c "), QStringLiteral("abc"));
    QCOMPARE(ByteOr251Text(0xFB), QString());
    QCOMPARE(ByteOr251Text(0xFF), QStringLiteral("255"));
    QCOMPARE(ByteOr251Text(0), QStringLiteral("0"));
    QCOMPARE(StrToIntDef("x", 7), 7);
    QCOMPARE(StrToIntDef(" 12 ", 7), 12);
    Buf buf;
    QCOMPARE(HexToBytes("0102 03", buf.b, 51), 3);
    QCOMPARE(buf.head(5), hx("0102030000"));
  }
};

QTEST_GUILESS_MAIN(TstCodec)
#include "tst_codec.moc"
