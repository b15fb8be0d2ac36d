#include "params/codec.h"

#include <QLocale>
#include <cmath>

#include "engine/captionset.h"
#include "engine/fields.h"
#include "link/codepage.h"

namespace gx::params {

namespace {

constexpr uint8_t kNotSet = 0xFF;
constexpr uint8_t kEmpty = 0xFB;
constexpr int kPackLimit = 256;
constexpr int kUnpackLimit = 264;

// Reads and writes that stay inside the buffer: a field that runs past the
// end reads as "not set" and writes nothing there.
uint8_t get(ConstBuffer b, int i) { return i >= 0 && size_t(i) < b.size() ? b[size_t(i)] : kNotSet; }
void put(Buffer b, int i, uint8_t v) {
  if (i >= 0 && size_t(i) < b.size()) b[size_t(i)] = v;
}
void putBytes(Buffer b, int at, const QByteArray& bytes, int count) {
  for (int i = 0; i < count && i < bytes.size(); ++i) put(b, at + i, uint8_t(bytes[i]));
}

// Bytes from `at`, at most `width`, ending before the first 0xFF. A 0x00
// ends the text too: the window never shows what follows it.
QByteArray takeText(ConstBuffer b, int at, int width) {
  QByteArray out;
  for (int i = 0; i < width; ++i) {
    const uint8_t c = get(b, at + i);
    if (c == kNotSet || c == 0x00) break;
    out.append(char(c));
  }
  return out;
}

QString decimal(int v) { return QString::number(v); }

// Low and high byte as the device stores a number: value mod 256 and
// (value div 256) mod 256, with the two's complement of negative values.
void putWord(Buffer b, int at, int value) {
  put(b, at, uint8_t(value % 256));
  put(b, at + 1, uint8_t((value / 256) % 256));
}

int hexDigit(QChar c) {
  const ushort u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

}  // namespace

ConversionError::ConversionError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

bool ShowConversionErrors(Dialogs& dialogs, const std::function<void()>& work) {
  try {
    work();
    return true;
  } catch (const ConversionError& e) {
    dialogs.errorBox(e.message());
    return false;
  }
}

int StrToInt(const QString& text) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok, 10);
  if (!ok) throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
  return v;
}

int StrToIntDef(const QString& text, int fallback) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok, 10);
  return ok ? v : fallback;
}

double StrToFloat(const QString& text) {
  const QString t = text.trimmed();
  bool ok = false;
  double v = QLocale().toDouble(t, &ok);
  if (!ok) v = QLocale::c().toDouble(t, &ok);
  if (!ok || !std::isfinite(v))
    throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
  return v;
}

// ---- byte helpers

QByteArray ToDevice(const QString& text) { return codepage::fromUnicode(text); }
QString FromDevice(const QByteArray& bytes) { return codepage::toUnicode(bytes); }

void PackTextZ(const QString& text, Buffer field, int n) {
  for (int i = 0; i <= n; ++i) put(field, i, 0x00);
  if (text.trimmed().isEmpty()) return;
  putBytes(field, 0, ToDevice(text), n + 1);
}

QString UnpackTextZ(ConstBuffer field, int n) {
  if (get(field, 0) == 0x00) return {};
  return FromDevice(takeText(field, 0, n + 1));
}

int HexToBytes(const QString& text, Buffer field, int n) {
  for (int i = 0; i <= n; ++i) put(field, i, 0x00);
  const QString s = RemoveSpaces(text).trimmed();
  int k = 0;
  for (; 2 * k < s.size() && k <= n; ++k) {
    const int hi = hexDigit(s[2 * k]);
    const int lo = 2 * k + 1 < s.size() ? hexDigit(s[2 * k + 1]) : 0;
    // A lone last digit is a value of its own, as the pair "0x".
    const int value = 2 * k + 1 < s.size() ? hi * 16 + lo : hi;
    if (hi < 0 || lo < 0) throw ConversionError(QStringLiteral("'%1' is not a valid hexadecimal value").arg(text));
    put(field, k, uint8_t(value));
  }
  return k;
}

QString BytesToHex(ConstBuffer field, int count) {
  QString out;
  for (int i = 0; i < count && size_t(i) < field.size(); ++i) {
    if (field[size_t(i)] == kNotSet) continue;
    out += QStringLiteral("%1").arg(field[size_t(i)], 2, 16, QLatin1Char('0')).toUpper();
  }
  return out;
}

QString BytesToText(ConstBuffer field, int count) {
  if (get(field, 0) == 0x00) return {};
  QByteArray out;
  for (int i = 0; i < count && size_t(i) < field.size(); ++i) {
    const uint8_t c = field[size_t(i)];
    if (c == 0x00) break;  // an edit shows nothing after a 0x00
    if (c != kNotSet) out.append(char(c));
  }
  return FromDevice(out);
}

QString RemoveSpaces(const QString& text) {
  QString out = text;
  out.remove(QLatin1Char(' '));
  return out;
}

QString ByteOr251Text(uint8_t b) { return b == kEmpty ? QString() : decimal(b); }

QString FormatTenths(int16_t value) {
  const int a = std::abs(int(value));
  QString out = value < 0 ? QStringLiteral("-") : QString();
  out += decimal(a / 10);
  if (a % 10) out += QLocale().decimalPoint() + decimal(a % 10);
  return out;
}

QString InputTypeName(int code, const Captions& captions) {
  switch (code) {
    case 0:
      return QStringLiteral("关闭");
    case 1:
      return QStringLiteral("NO");
    case 2:
      return QStringLiteral("NC");
    case 3:
      return captions(Txt::TxtTemperature);
    case 4:
      return captions(Txt::TxtHumidity);
    case 5:
      return QStringLiteral("0~5V");
    case 6:
      return QStringLiteral("4~20mA");
    default:
      return {};
  }
}

uint8_t InputTypeCode(const QVariant& cell, const Captions& captions) {
  const QString t = CellText(cell);
  if (t.isEmpty() || t == QLatin1String("close") || t == QStringLiteral("关闭")) return 0;
  if (t == QLatin1String("NO")) return 1;
  if (t == QLatin1String("NC")) return 2;
  if (t == QLatin1String("temperature") || t == captions(Txt::TxtTemperature)) return 3;
  if (t == QLatin1String("Humidity") || t == captions(Txt::TxtHumidity)) return 4;
  if (t == QLatin1String("Analog") || t == QLatin1String("0~5V")) return 5;
  if (t == QLatin1String("4~20mA")) return 6;
  return 255;
}

bool CellIsNull(const QVariant& cell) { return !cell.isValid() || cell.isNull(); }

QString CellText(const QVariant& cell) { return CellIsNull(cell) ? QString() : cell.toString(); }

double CellNumber(const QVariant& cell) { return CellIsNull(cell) ? 0.0 : StrToFloat(cell.toString()); }

void CellTextZ(const QVariant& cell, Buffer field, int n) { PackTextZ(CellText(cell), field, n); }

// ---- routines over controls

bool FieldCodec::posOut(uint16_t cursor, int limit, const char* text) {
  if (cursor <= limit) return false;
  d_.messageDialog(QString::fromLatin1(text));
  return true;
}

void FieldCodec::PackField(const QString& control, int width, uint16_t& cursor, Buffer buffer, int k) {
  if (posOut(cursor, kPackLimit, "   pos is out   ")) return;
  switch (k) {
    case kind::Text: {
      const QByteArray b = ToDevice(f_.text(control));
      putBytes(buffer, cursor, b, width);
      break;
    }
    case kind::Word: {
      const QString t = f_.text(control);
      if (!t.isEmpty()) putWord(buffer, cursor, StrToInt(t));
      break;
    }
    case kind::Index:
      put(buffer, cursor, GetComboIndex(control));
      break;
    case kind::Byte: {
      const QString t = f_.text(control);
      if (!t.isEmpty()) put(buffer, cursor, uint8_t(StrToInt(t) % 256));
      break;
    }
    case kind::ByteOrEmpty: {
      const QString t = f_.text(control);
      put(buffer, cursor, t.isEmpty() ? kEmpty : uint8_t(StrToInt(t) % 256));
      break;
    }
    default:
      return;  // not a packing kind: the cursor stays
  }
  cursor = uint16_t(cursor + width);
}

void FieldCodec::UnpackField(const QString& control, int width, uint16_t& cursor, ConstBuffer buffer, int k) {
  if (posOut(cursor, kUnpackLimit, "   pos is out   ")) return;
  const uint8_t b = get(buffer, cursor);
  switch (k) {
    case kind::Text:
    case kind::Caption:
      f_.setText(control, FromDevice(takeText(buffer, cursor, width)));
      break;
    case kind::Word: {
      const uint8_t h = get(buffer, cursor + 1);
      f_.setText(control, b != kNotSet || h != kNotSet ? decimal(b + 256 * h) : QString());
      break;
    }
    case kind::Index:
      if (b != kNotSet) f_.setIndex(control, b);
      break;
    case kind::Byte:
      f_.setText(control, b == kNotSet ? QString() : decimal(b));
      break;
    case kind::LowNibble:
      if (b != kNotSet) f_.setIndex(control, b & 0x0F);
      break;
    case kind::ByteCaption:
      if (b != kNotSet) f_.setText(control, decimal(b));
      break;
    case kind::ByteOrEmpty:
      f_.setText(control, ByteOr251Text(b));
      break;
    default:
      return;
  }
  cursor = uint16_t(cursor + width);
}

void FieldCodec::PackCell(const QVariant& cell, int width, uint16_t& cursor, Buffer buffer, int k) {
  if (posOut(cursor, kPackLimit, "   pos is out   ")) return;
  if (k < 1 || k > 3) return;
  if (!CellIsNull(cell)) {
    const QString t = cell.toString();
    if (k == 1) putBytes(buffer, cursor, ToDevice(t), width);
    if (k == 2) putWord(buffer, cursor, StrToInt(t));
    if (k == 3 && !t.isEmpty()) put(buffer, cursor, uint8_t(StrToInt(t) % 256));
  }
  cursor = uint16_t(cursor + width);
}

void FieldCodec::UnpackCell(QString& out, int width, uint16_t& cursor, ConstBuffer buffer, int k) {
  if (posOut(cursor, kUnpackLimit, "pos is out")) return;
  const uint8_t b = get(buffer, cursor);
  switch (k) {
    case 1:
      out = FromDevice(takeText(buffer, cursor, width));
      break;
    case 2: {
      // The word that ends at the cursor.
      const uint8_t lo = get(buffer, cursor - 1);
      out = b != kNotSet || lo != kNotSet ? decimal(256 * b + lo) : QString();
      break;
    }
    case 3:
      if (b != kNotSet) out = decimal(b);
      break;
    case 4:
      if (b != kEmpty) out = decimal(b);
      break;
    default:
      return;
  }
  cursor = uint16_t(cursor + width);
}

void FieldCodec::ReadCell(QString& out, int width, uint16_t& cursor, ConstBuffer buffer, int k) {
  out.clear();
  if (posOut(cursor, kUnpackLimit, "   pos is out   ")) return;
  const uint8_t b = get(buffer, cursor);
  switch (k) {
    case 1:
      out = FromDevice(takeText(buffer, cursor, width));
      break;
    case 2: {
      const uint8_t h = get(buffer, cursor + 1);
      if (b != kNotSet && h != kNotSet) out = decimal(b + 256 * h);
      break;
    }
    case 3:
      if (b != kNotSet) out = decimal(b);
      break;
    default:
      return;
  }
  cursor = uint16_t(cursor + width);
}

void FieldCodec::PackPacketField(Buffer field, const QString& edit, const QString& hexBox) {
  const QString text = f_.text(edit);
  int length = 0;
  if (f_.checked(hexBox)) {
    HexToBytes(text, field, kPacketSize - 1);
    length = int(RemoveSpaces(text).trimmed().size()) / 2;
    put(field, kPacketSize - 1, 1);
  } else {
    PackTextZ(text, field, kPacketSize - 1);
    length = int(ToDevice(text).size());
    put(field, kPacketSize - 1, 0);
  }
  // The payload holds 50 bytes; a longer text must not claim more.
  put(field, kPacketPayload, uint8_t(qMin(length, kPacketPayload)));
}

void FieldCodec::UnpackPacketField(ConstBuffer field, const QString& edit, const QString& hexBox) {
  const int count = qMin<int>(get(field, kPacketPayload), kPacketPayload);
  // The box first: ticking it empties the edit.
  if (get(field, kPacketSize - 1) == 1) {
    f_.setChecked(hexBox, true);
    f_.setText(edit, BytesToHex(field, count));
  } else {
    f_.setChecked(hexBox, false);
    f_.setText(edit, BytesToText(field, count));
  }
}

uint16_t FieldCodec::PackFlagWord(const FlagBoxes& boxes) const {
  uint16_t word = 0;
  for (size_t i = 0; i < boxes.size(); ++i)
    if (f_.checked(QString::fromLatin1(boxes[i]))) word = uint16_t(word | (1u << kFlagBits[i]));
  return word;
}

void FieldCodec::UnpackFlagWord(uint16_t word, const FlagBoxes& boxes) {
  for (size_t i = 0; i < boxes.size(); ++i) f_.setChecked(QString::fromLatin1(boxes[i]), (word >> kFlagBits[i]) & 1u);
}

void FieldCodec::PackTimer(Buffer entry, const TimerControls& t) const {
  put(entry, 0, GetComboIndex(QString::fromLatin1(t.day)));
  put(entry, 1, GetComboIndex(QString::fromLatin1(t.hour)));
  put(entry, 2, GetComboIndex(QString::fromLatin1(t.minute)));
  put(entry, 3, GetComboIndex(QString::fromLatin1(t.action)));
  if (!f_.checked(QString::fromLatin1(t.enable))) put(entry, 0, uint8_t(get(entry, 0) | 0x80));
}

void FieldCodec::UnpackTimer(ConstBuffer entry, const TimerControls& t) {
  SetComboIndex(QString::fromLatin1(t.day), get(entry, 0) & 0x7F);
  SetComboIndex(QString::fromLatin1(t.hour), get(entry, 1));
  SetComboIndex(QString::fromLatin1(t.minute), get(entry, 2));
  SetComboIndex(QString::fromLatin1(t.action), get(entry, 3));
  const QString enable = QString::fromLatin1(t.enable);
  f_.setChecked(enable, true);
  if (get(entry, 0) & 0x80) f_.setChecked(enable, false);
}

void FieldCodec::SetComboIndex(const QString& combo, int index) {
  if (index < f_.itemCount(combo)) f_.setIndex(combo, index);
}

uint8_t FieldCodec::GetComboIndex(const QString& combo) const {
  const int i = f_.index(combo);
  return i < 0 ? kNotSet : uint8_t(i);
}

void FieldCodec::PackCellTenths(const QVariant& cell, uint16_t& cursor, Buffer buffer) {
  if (!CellIsNull(cell)) {
    // Bounded so that the truncation stays defined; a nudge away from zero
    // keeps 25.3 from becoming 252.999... tenths.
    const double x = qBound(-1e6, StrToFloat(cell.toString()) * 10.0, 1e6);
    const int tenths = int(std::trunc(x + (x < 0 ? -1e-7 : 1e-7)));
    put(buffer, cursor, uint8_t(tenths & 0xFF));
    put(buffer, cursor + 1, uint8_t((tenths >> 8) & 0xFF));
  }
  cursor = uint16_t(cursor + 2);
}

void FieldCodec::UnpackTenths(ConstBuffer buffer, uint16_t& cursor, QString& out) {
  const int16_t v = int16_t(get(buffer, cursor) | (get(buffer, cursor + 1) << 8));
  out = FormatTenths(v);
  cursor = uint16_t(cursor + 2);
}

void FieldCodec::PackTextTail(const QString& edit, int width, uint16_t& cursor, Buffer field, int k) {
  const QByteArray b = ToDevice(f_.text(edit));
  if (b.size() > k) putBytes(field, cursor, b.mid(k), width - k);
  cursor = uint16_t(cursor + width - k);
}

void FieldCodec::UnpackTextTail(const QString& edit, int width, uint16_t& cursor, ConstBuffer field, int k) {
  const QByteArray b = ToDevice(f_.text(edit));
  if (b.size() == k) f_.setText(edit, FromDevice(b + takeText(field, cursor, width - k)));
  cursor = uint16_t(cursor + width - k);
}

void FieldCodec::PackCellTextTail(const QVariant& cell, int width, uint16_t& cursor, Buffer field, int k) {
  const QByteArray b = ToDevice(CellText(cell));
  if (b.size() > k) putBytes(field, cursor, b.mid(k), width - k);
  cursor = uint16_t(cursor + width - k);
}

void FieldCodec::UnpackCellTextTail(const QVariant& cell, int width, QString& out, uint16_t& cursor, ConstBuffer field,
                                    int k) {
  if (!CellIsNull(cell)) {
    out = cell.toString();
    const QByteArray b = ToDevice(out);
    if (b.size() == k) out = FromDevice(b + takeText(field, cursor, width - k));
  }
  cursor = uint16_t(cursor + width - k);
}

}  // namespace gx::params
