#include "link/frame.h"

#include <QString>

namespace gx {

void RequestFrame::setAddress(uint32_t value) {
  address = {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

uint32_t RequestFrame::addressValue() const {
  return uint32_t(address[0]) << 24 | uint32_t(address[1]) << 16 | uint32_t(address[2]) << 8 | address[3];
}

void RequestFrame::setLength(int n) {
  lengthHigh = uint8_t(n >> 8);
  lengthLow = uint8_t(n);
}

QByteArray RequestFrame::build() {
  const int n = qMin(length(), kRequestDataSize);
  uint8_t x = command;
  for (uint8_t a : address) x ^= a;
  x ^= lengthHigh;
  x ^= lengthLow;
  QByteArray out;
  out.reserve(n + kFrameOverhead);
  out.append(char(kFrameStart));
  out.append(char(command));
  for (uint8_t a : address) out.append(char(a));
  out.append(char(lengthHigh));
  out.append(char(lengthLow));
  for (int k = 0; k < n; ++k) {
    x ^= data[size_t(k)];
    out.append(char(data[size_t(k)]));
  }
  check = x;
  out.append(char(check));
  return out;
}

QByteArray buildFrame(uint8_t command, uint32_t address, const QByteArray& data) {
  QByteArray out;
  out.reserve(data.size() + kFrameOverhead);
  out.append(char(kFrameStart));
  out.append(char(command));
  out.append(char(address >> 24));
  out.append(char(address >> 16));
  out.append(char(address >> 8));
  out.append(char(address));
  out.append(char(data.size() >> 8));
  out.append(char(data.size()));
  out.append(data);
  uint8_t x = 0;
  for (qsizetype i = 1; i < out.size(); ++i) x ^= uint8_t(out[i]);
  out.append(char(x));
  return out;
}

bool frameCheckOk(const uint8_t* b, int length) {
  if (length <= 8 || b[0] != kFrameStart) return false;
  const int n = b[6] * 256 + b[7];
  if (n + kFrameOverhead > length) return false;
  uint8_t x = 0;
  for (int i = 1; i <= n + 7; ++i) x ^= b[i];
  return x == b[n + 8];
}

QByteArray textLine(const QByteArray& text) { return text + "\r\n"; }

QString hexText(const uint8_t* bytes, int length) {
  static const char digits[] = "0123456789ABCDEF";
  QString s;
  s.reserve(length * 3);
  for (int i = 0; i < length; ++i) {
    s.append(QChar(' '));
    s.append(QChar(digits[bytes[i] >> 4]));
    s.append(QChar(digits[bytes[i] & 15]));
  }
  return s;
}

}  // namespace gx
