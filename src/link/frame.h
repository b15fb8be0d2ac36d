#pragma once
// Device frames and text command lines: '#', command, 4 address bytes and
// 2 length bytes (big-endian), N data bytes, XOR check over all but '#'.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace gx {

inline constexpr uint8_t kFrameStart = 0x23;
inline constexpr int kRequestDataSize = 256;   // a request carries at most 256 data bytes
inline constexpr int kBufferSize = 300;        // receive buffers and response copies
inline constexpr int kFrameOverhead = 9;

namespace cmd {
inline constexpr uint8_t Password = 0x01;
inline constexpr uint8_t SetClock = 0x03;
inline constexpr uint8_t DeviceInfo = 0x05;
inline constexpr uint8_t LiveReadings = 0x06;
inline constexpr uint8_t Relays = 0x07;
inline constexpr uint8_t ReadClock = 0x08;
inline constexpr uint8_t BlockWrite = 0x82;
inline constexpr uint8_t BlockRead = 0x83;
inline constexpr uint8_t EraseRecords = 0x85;
inline constexpr uint8_t CurrentValues = 0x86;
inline constexpr uint8_t Ack = 0xA0;
}  // namespace cmd

// A request frame as its separate fields, the way a command object holds it.
struct RequestFrame {
  uint8_t command = 0;
  std::array<uint8_t, 4> address{};
  uint8_t lengthHigh = 0;
  uint8_t lengthLow = 0;
  std::array<uint8_t, kRequestDataSize> data{};
  uint8_t check = 0;

  void clearData() { data.fill(0xFF); }
  void setAddress(uint32_t value);
  [[nodiscard]] uint32_t addressValue() const;
  void setLength(int n);
  [[nodiscard]] int length() const { return lengthHigh * 256 + lengthLow; }
  // 1-based data position, as the protocol counts.
  uint8_t& dataAt(int k) { return data[static_cast<size_t>(k - 1)]; }
  // Computes the check byte and returns the N + 9 frame bytes.
  QByteArray build();
};

// Builds a complete frame from loose parts (the simulator and tests use it).
[[nodiscard]] QByteArray buildFrame(uint8_t command, uint32_t address, const QByteArray& data);

// True when bytes start with '#', hold more than 8 bytes and the check byte at
// N + 8 (0-based) is the XOR of bytes 1 .. N + 7. The length field is taken at
// face value; a frame whose field claims more than it holds is not valid.
[[nodiscard]] bool frameCheckOk(const uint8_t* bytes, int length);
[[nodiscard]] inline bool frameCheckOk(const QByteArray& b) {
  return frameCheckOk(reinterpret_cast<const uint8_t*>(b.constData()), int(b.size()));
}

// A text command line: the text followed by CR LF.
[[nodiscard]] QByteArray textLine(const QByteArray& text);

// " 23 01 00 ..." : a blank and two upper-case hex digits per byte, as the logs show them.
[[nodiscard]] QString hexText(const uint8_t* bytes, int length);
[[nodiscard]] inline QString hexText(const QByteArray& b) {
  return hexText(reinterpret_cast<const uint8_t*>(b.constData()), int(b.size()));
}

}  // namespace gx
