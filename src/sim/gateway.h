#pragma once
// The gateway simulator: plays the GX90 on the other end of the serial line.
// Pure device model: bytes in through receive(), answers out through send.
// Pacing on a wire (115200 baud) is the host's business (the pseudo-terminal
// server, or the in-process line on virtual time).
#include <QByteArray>
#include <QDateTime>
#include <cstdint>
#include <functional>
#include <vector>

namespace gx::sim {

// Faults the simulator can inject into its next answers.
enum class Fault {
  None,
  Silence,       // no answer at all
  BadCheck,      // answer with a wrong check byte
  WrongCommand,  // answer carries another command byte
  WrongAddress,  // answer carries another address
  SplitFrame,    // answer sent in two parts with a pause between them
  DropBytes,     // some bytes of the answer are lost
};

class Gateway {
 public:
  // Memory areas, by byte address.
  static constexpr uint32_t kParamBase = 0x0;          // 1132-byte parameter image
  static constexpr uint32_t kParamSize = 1132;
  static constexpr uint32_t kTerminalBase = 0x1000;     // KX-TH terminal records
  static constexpr uint32_t kSerialBase = 0x10000;      // KX-RS serial settings
  static constexpr uint32_t kHistoryBase = 0x40000;     // history records, 32 bytes each
  static constexpr uint32_t kAlarmBase = 0x50000;       // alarm records, 32 bytes each
  static constexpr uint32_t kMemorySize = 0x60000;

  Gateway();

  // Bytes from the program, in any chunking.
  void receive(const QByteArray& bytes);
  // Answer pieces: the bytes, and the pause (ms) the host keeps before sending
  // them after the previous piece (0 for most; a split frame has a pause).
  std::function<void(const QByteArray& bytes, int pauseMs)> send;
  // Lets time pass for the device: while a debug channel is on it produces
  // its traffic (tagged lines and "#DBUGS" records). The host calls it
  // regularly with the elapsed milliseconds.
  void tick(int elapsedMs);
  // The device's own clock; the host sets where it reads the time.
  std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

  // Memory.
  [[nodiscard]] QByteArray read(uint32_t address, int length) const;
  void write(uint32_t address, const QByteArray& bytes);

  // Settings and state.
  void setPassword(const QByteArray& password) { password_ = password; }
  [[nodiscard]] QByteArray password() const { return password_; }
  void setSilent(bool on) { silent_ = on; }
  [[nodiscard]] bool silent() const { return silent_; }
  // The next `times` answers carry the fault (times < 0: until cleared with Fault::None).
  void injectFault(Fault fault, int times = 1);
  [[nodiscard]] uint8_t debugMode() const { return debugMode_; }
  [[nodiscard]] uint8_t relayState() const { return relays_; }
  // What the live-readings query reports: temperature and humidity in signed
  // tenths, and the four digital inputs (bit 0 input 1).
  void setLiveReadings(int16_t temperatureTenths, int16_t humidityTenths, uint8_t inputs);

  // Every complete request the device has taken, for tests.
  [[nodiscard]] const std::vector<QByteArray>& requests() const { return requests_; }

 private:
  void takeFrame(const QByteArray& frame);
  void takeLine(const QByteArray& text);
  void answerFrame(uint8_t command, uint32_t address, const QByteArray& data);
  void answer(QByteArray bytes, bool isFrame);
  void emitPiece(const QByteArray& bytes, int pauseMs);
  Fault takeFault(bool isFrame);
  void emitTraffic();
  void resetParameters();
  void clearTerminal(int number);
  [[nodiscard]] QByteArray currentValueTable() const;
  [[nodiscard]] QDateTime deviceTime() const;

  QByteArray password_ = "9068";
  bool silent_ = false;
  uint8_t debugMode_ = 0;
  uint8_t relays_ = 0;
  std::vector<QByteArray> requests_;
  std::vector<uint8_t> memory_;
  QByteArray pending_;
  Fault fault_ = Fault::None;
  int faultTimes_ = 0;
  qint64 clockOffsetMs_ = 0;
  int trafficMs_ = 0;
  int pendingIdleMs_ = 0;
  int sinceTrafficMs_ = 1 << 20;  // long ago
  int sinceOutputMs_ = 1 << 20;
  unsigned trafficSeq_ = 0;
  int16_t temperature_ = 235;
  int16_t humidity_ = 456;
  uint8_t inputs_ = 0x05;
};

}  // namespace gx::sim
