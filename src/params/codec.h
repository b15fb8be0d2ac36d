#pragma once
// The field codec: converts one field at a time between a window control (or
// a grid cell value) and a byte buffer. A record is walked by calling one
// routine per field with a shared 0-based cursor; every routine advances the
// cursor by its width, whether or not it wrote or read anything.
//
// Multi-byte numbers are little-endian. Markers: 0xFF "not set", 0xFB
// "empty" for the byte-or-empty kind, 0x00 pads zero-terminated text. Text
// crosses as code page 936 bytes, so widths count bytes, not characters.
#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <span>

namespace gx {
class FieldAccess;
class Dialogs;
class Captions;
}  // namespace gx

namespace gx::params {

// A text that is not a number where a number is needed. The operation that
// met it stops; the message names the offending text.
class ConversionError : public std::exception {
 public:
  explicit ConversionError(QString message);
  [[nodiscard]] const QString& message() const { return message_; }
  [[nodiscard]] const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString message_;
  QByteArray utf8_;
};

// Runs work; a ConversionError from it is shown as an error box and gives
// false. The routines below throw, so every caller that packs controls must
// catch (an exception must never reach the event loop); this is the usual way.
bool ShowConversionErrors(Dialogs& dialogs, const std::function<void()>& work);

// The platform's conversions: decimal integers ("'abc' is not a valid
// integer value") and decimal numbers with the locale's separator.
[[nodiscard]] int StrToInt(const QString& text);
[[nodiscard]] int StrToIntDef(const QString& text, int fallback);
[[nodiscard]] double StrToFloat(const QString& text);

using Buffer = std::span<uint8_t>;
using ConstBuffer = std::span<const uint8_t>;

// Field kinds of PackField / UnpackField.
namespace kind {
inline constexpr int Text = 1;          // edit, width bytes of text
inline constexpr int Word = 2;          // edit, 16-bit number
inline constexpr int Index = 3;         // combo, selected index
inline constexpr int Byte = 4;          // edit, one byte
inline constexpr int LowNibble = 5;     // combo, index from the low 4 bits (unpack only)
inline constexpr int Caption = 6;       // any control, text shown as caption (unpack only)
inline constexpr int ByteCaption = 7;   // any control, one byte as caption (unpack only)
inline constexpr int ByteOrEmpty = 11;  // edit, one byte, 0xFB when empty
}  // namespace kind

// ---- byte helpers, no controls

// Device bytes of a text and back (code page 936).
[[nodiscard]] QByteArray ToDevice(const QString& text);
[[nodiscard]] QString FromDevice(const QByteArray& bytes);

// Zero-padded text in field bytes 0..n (n + 1 bytes); a text of n + 1 bytes
// fills the field with no terminating 0x00. A blank text leaves zeros.
void PackTextZ(const QString& text, Buffer field, int n);
// Up to n + 1 bytes from byte 0, ending before the first 0x00 or 0xFF.
[[nodiscard]] QString UnpackTextZ(ConstBuffer field, int n);
// Hexadecimal pairs (blanks ignored) into field bytes 0..n after zeroing
// them; returns the number of pairs. Throws ConversionError on a
// non-hexadecimal character.
int HexToBytes(const QString& text, Buffer field, int n);
// Two upper-case digits per byte of the first count, 0xFF bytes skipped.
[[nodiscard]] QString BytesToHex(ConstBuffer field, int count);
// The first count bytes as text, 0xFF bytes skipped; empty when byte 0 is 0x00.
[[nodiscard]] QString BytesToText(ConstBuffer field, int count);
[[nodiscard]] QString RemoveSpaces(const QString& text);
// Empty for 0xFB, else the decimal.
[[nodiscard]] QString ByteOr251Text(uint8_t b);
// A signed value in tenths as the shortest decimal: 253 "25.3", 250 "25", -5 "-0.5".
[[nodiscard]] QString FormatTenths(int16_t value);
// Input type names and codes of the terminal input channels.
[[nodiscard]] QString InputTypeName(int code, const Captions& captions);
[[nodiscard]] uint8_t InputTypeCode(const QVariant& cell, const Captions& captions);
// A grid cell as the codec reads it: null (never got a value) or its text.
[[nodiscard]] bool CellIsNull(const QVariant& cell);
[[nodiscard]] QString CellText(const QVariant& cell);
// The cell's number, 0 for a null cell; throws ConversionError.
[[nodiscard]] double CellNumber(const QVariant& cell);
// PackTextZ of the cell's text (empty for a null cell).
void CellTextZ(const QVariant& cell, Buffer field, int n);

// The packet field of a server link: 52 bytes, bytes 0..49 the payload,
// byte 50 its length, byte 51 1 for hexadecimal, 0 for text.
inline constexpr int kPacketSize = 52;
inline constexpr int kPacketPayload = 50;

// A flag word's eight boxes, for bits 0, 1, 3, 4, 5, 6, 7, 8 (bit 2 and 9..15 stay 0).
using FlagBoxes = std::array<const char*, 8>;
inline constexpr std::array<int, 8> kFlagBits{0, 1, 3, 4, 5, 6, 7, 8};

// The controls of one 4-byte timer entry.
struct TimerControls {
  const char* day;
  const char* hour;
  const char* minute;
  const char* action;
  const char* enable;
};

// ---- routines over the window's controls

class FieldCodec {
 public:
  // dialogs shows "pos is out" when a cursor runs past its buffer's limit.
  FieldCodec(FieldAccess& fields, Dialogs& dialogs) : f_(fields), d_(dialogs) {}

  // Control to buffer. Cursor above 256: "   pos is out   ", nothing else.
  void PackField(const QString& control, int width, uint16_t& cursor, Buffer buffer, int kind);
  // Buffer to control. Cursor above 264: "   pos is out   ", nothing else.
  void UnpackField(const QString& control, int width, uint16_t& cursor, ConstBuffer buffer, int kind);
  // Grid cell to buffer (kinds 1 text, 2 word, 3 byte); a null cell writes nothing.
  void PackCell(const QVariant& cell, int width, uint16_t& cursor, Buffer buffer, int kind);
  // Buffer to cell text (kinds 1 text, 2 the word ending at the cursor,
  // 3 byte unless 0xFF, 4 byte unless 0xFB); kinds 3 and 4 leave out alone on the marker.
  void UnpackCell(QString& out, int width, uint16_t& cursor, ConstBuffer buffer, int kind);
  // Second cell reader: clears out first (kinds 1 text, 2 word unless either byte is 0xFF, 3 byte).
  void ReadCell(QString& out, int width, uint16_t& cursor, ConstBuffer buffer, int kind);

  void PackPacketField(Buffer field, const QString& edit, const QString& hexBox);
  void UnpackPacketField(ConstBuffer field, const QString& edit, const QString& hexBox);
  [[nodiscard]] uint16_t PackFlagWord(const FlagBoxes& boxes) const;
  void UnpackFlagWord(uint16_t word, const FlagBoxes& boxes);
  void PackTimer(Buffer entry, const TimerControls& t) const;
  void UnpackTimer(ConstBuffer entry, const TimerControls& t);
  // Selects index only when the combo has that many items; otherwise keeps the selection.
  void SetComboIndex(const QString& combo, int index);
  // The selected index as a byte; no selection gives 0xFF.
  [[nodiscard]] uint8_t GetComboIndex(const QString& combo) const;

  // Signed tenths of a cell's number at buffer[cursor], little-endian; cursor += 2.
  void PackCellTenths(const QVariant& cell, uint16_t& cursor, Buffer buffer);
  void UnpackTenths(ConstBuffer buffer, uint16_t& cursor, QString& out);

  // One long text over two fields: the first k bytes elsewhere, the rest here.
  void PackTextTail(const QString& edit, int width, uint16_t& cursor, Buffer field, int k);
  void UnpackTextTail(const QString& edit, int width, uint16_t& cursor, ConstBuffer field, int k);
  void PackCellTextTail(const QVariant& cell, int width, uint16_t& cursor, Buffer field, int k);
  void UnpackCellTextTail(const QVariant& cell, int width, QString& out, uint16_t& cursor, ConstBuffer field, int k);

 private:
  bool posOut(uint16_t cursor, int limit, const char* text);
  FieldAccess& f_;
  Dialogs& d_;
};

}  // namespace gx::params
