#include "sim/gateway.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <iterator>

#include "link/frame.h"

namespace gx::sim {
namespace {

constexpr int kBlockSize = 256;
constexpr int kRecordSize = 32;
constexpr int kTerminalCount = 100;
constexpr uint32_t kTerminalStride = 0x200;  // one KX-TH record slot per terminal number
constexpr int kTerminalRecordSize = 330;
constexpr uint32_t kSerialStride = 0x100;    // one KX-RS setting block per terminal number
constexpr int kMaxRequestData = 256;         // a longer length field is noise, not a request
constexpr int kMaxLineLength = 300;
constexpr int kReceiveTimeoutMs = 1000;      // a half-received request is forgotten after this
constexpr int kTrafficPeriodMs = 1000;
constexpr int kSplitPauseMs = 900;
constexpr int kDroppedBytes = 3;
constexpr uint8_t kTrafficBits = 0x3F;

// The program flushes whatever it has collected 800 ms after the first byte of a
// burst, and a burst that starts with '#' (a debug record) swallows everything
// behind it until then. The device keeps this much quiet between its debug
// traffic and anything else, so that an answer is never lost inside a record.
constexpr int kQuietGapMs = 900;

// Debug streams by mode bit: bit 2k copies what channel k sends to its server,
// bit 2k + 1 what it receives; the "#DBUGS" channel is the bit number + 1.
constexpr const char* kTrafficTags[6] = {"SendG", "RecGp", "SendE", "RecET", "Send4", "Rec48"};

// A tagged traffic line: tag, ':', two-digit length, CR LF, the payload padded
// to 63 characters, CR LF. The CR of the header sits at position 9 (counting
// from 1), so the program's assembler takes the line once it holds 75 bytes,
// which is exactly where the line ends.
constexpr int kTrafficLinePayload = 63;

// ---- factory parameter image: zeros, except what these tables set ----

struct NumberDefault {
  uint16_t offset;
  uint8_t size;
  uint16_t value;
};
constexpr NumberDefault kParamNumbers[] = {
    {4, 2, 1},         // device ID
    {10, 2, 3},        // copy of the Ethernet no-response reconnect count
    {314, 2, 0x0038},  // number 1 gets alarms, recoveries and power reports
    {374, 1, 0x01},    // cellular channel on, TCP
    {408, 2, 5000},   {410, 2, 60},   {412, 2, 600},  {418, 2, 502},
    {430, 2, 300},    {432, 2, 300},  {434, 2, 300},  {848, 2, 6000},
    {858, 2, 120},    {860, 1, 3},    {861, 1, 3},
    {1124, 2, 120},   {1126, 1, 3},   {1127, 1, 3},
    {1129, 1, 0x02},  // time stamp in alarm SMS
    {1130, 2, 60},
};

struct OctetDefault {
  uint16_t offset;
  uint8_t octets[4];
};
constexpr OctetDefault kParamAddresses[] = {
    {414, {192, 168, 1, 200}},  // local IP
    {420, {255, 255, 255, 0}},  // subnet mask
    {424, {192, 168, 1, 1}},    // default gateway
    {850, {114, 114, 114, 114}},
    {854, {8, 8, 8, 8}},
};

struct TextDefault {
  uint16_t offset;
  uint8_t width;
  const char* text;
};
constexpr TextDefault kParamTexts[] = {
    {34, 60, "GX90 cold store gateway"},
    {94, 22, "13800138000"},
    {376, 32, "iot.example.com"},
    {436, 40, "CMNET"},
    {816, 32, "192.168.1.10"},
};

// Packets: payload, then its length at byte 50 and the HEX flag (0, text) at 51.
struct PacketDefault {
  uint16_t offset;
  const char* text;
};
constexpr PacketDefault kParamPackets[] = {{556, "GX90LOGIN"}, {712, "ACK"}, {1020, "ACK"}};
constexpr int kPacketLengthAt = 50;

constexpr uint16_t kTimerBase = 334;
constexpr int kTimerCount = 10;
constexpr uint8_t kTimerDisabled = 0x80;

// ---- demo terminals (KX-TH records) ----

struct TerminalDefault {
  int number;
  uint8_t intervalMinutes;
  uint8_t recovery;  // bit 0 temperature, bit 1 humidity
  int16_t tempHigh, humHigh, tempLow, humLow;
  // names, high-alarm, low-alarm and recovery texts, temperature channel first
  const char* texts[8];
  int16_t temperatureNow, humidityNow;
};
const TerminalDefault kTerminals[] = {
    {1, 5, 0x03, -100, 900, -300, 200,
     {"\xC0\xE4\xBF\xE2\xCE\xC2\xB6\xC8", "\xC0\xE4\xBF\xE2\xCA\xAA\xB6\xC8",  // cold-room temperature / humidity, GBK
      "Cold room too warm", "Cold room too humid", "Cold room too cold", "Cold room too dry",
      "Cold room temperature normal", "Cold room humidity normal"},
     -182, 712},
    {2, 10, 0x01, 300, 800, 100, 200,
     {"Office temperature", "Office humidity", "Office too warm", "Office too humid", "Office too cold",
      "Office too dry", "Office temperature normal", "Office humidity normal"},
     224, 447},
};
constexpr int kTerminalTextAt = 10;
constexpr int kTerminalTextWidth = 40;

struct SerialDefault {
  int number;
  uint8_t setting;
};
constexpr SerialDefault kSerialTerminals[] = {{3, 0x04}};  // 9600 baud, 8 data bits, no parity, 1 stop bit

// ---- demo records ----

struct AlarmDefault {
  uint8_t terminal;
  uint8_t month, day, hour, minute, second;
  bool power;
  int16_t temperature, humidity;
};
constexpr int kAlarmYear = 25;
constexpr AlarmDefault kAlarms[] = {
    {1, 12, 30, 3, 12, 40, true, -85, 702},    // cold room too warm
    {1, 12, 30, 3, 47, 5, true, -152, 698},    // and back
    {2, 12, 31, 9, 5, 0, false, 214, 433},     // mains lost
    {2, 12, 31, 9, 41, 30, true, 216, 431},    // mains back
    {2, 12, 31, 14, 20, 15, true, 305, 812},   // office too warm and humid
};
constexpr int kHistoryCount = 20;

void putLe16(uint8_t* p, int value) {
  p[0] = uint8_t(value);
  p[1] = uint8_t(value >> 8);
}

void putText(uint8_t* p, int width, const char* text) {
  std::fill(p, p + width, uint8_t(0));
  for (int i = 0; i < width && text[i]; ++i) p[i] = uint8_t(text[i]);
}

struct RecordValues {
  int number;
  int terminal;
  QDateTime time;
  uint8_t gsm;
  uint8_t batteryTenths;
  bool power;
  uint8_t terminalVoltTenths;
  int16_t temperature, humidity;
};

void putRecord(uint8_t* slot, const RecordValues& v) {
  std::fill(slot, slot + kRecordSize, uint8_t(0xFF));
  putLe16(slot, v.number);
  slot[2] = slot[3] = 0;
  slot[4] = uint8_t(v.terminal);
  const QDate d = v.time.date();
  const QTime t = v.time.time();
  slot[5] = uint8_t(d.year() - 2000);
  slot[6] = uint8_t(d.month());
  slot[7] = uint8_t(d.day());
  slot[8] = uint8_t(t.hour());
  slot[9] = uint8_t(t.minute());
  slot[10] = uint8_t(t.second());
  slot[11] = v.gsm;
  slot[12] = v.batteryTenths;
  slot[13] = uint8_t((v.power ? 0x80 : 0) | (v.terminalVoltTenths & 0x7F));
  putLe16(slot + 14, v.temperature);
  putLe16(slot + 16, v.humidity);
}

// Four password bytes as they travel: the characters, 0xFF where there are none.
QByteArray passwordBytes(const QByteArray& password) {
  QByteArray b = password.left(4);
  while (b.size() < 4) b.append(char(0xFF));
  return b;
}

uint8_t xorCheck(const QByteArray& frame) {
  uint8_t x = 0;
  for (qsizetype i = 1; i + 1 < frame.size(); ++i) x ^= uint8_t(frame[i]);
  return x;
}

bool parseDecimal(const QByteArray& text, int& value) {
  bool ok = false;
  value = text.toInt(&ok, 10);
  return ok && !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

Gateway::Gateway() : memory_(kMemorySize, 0xFF) {
  resetParameters();

  for (const TerminalDefault& t : kTerminals) {
    uint8_t* r = memory_.data() + kTerminalBase + uint32_t(t.number - 1) * kTerminalStride;
    std::fill(r, r + kTerminalRecordSize, uint8_t(0));
    r[0] = t.intervalMinutes;
    r[1] = t.recovery;
    putLe16(r + 2, t.tempHigh);
    putLe16(r + 4, t.humHigh);
    putLe16(r + 6, t.tempLow);
    putLe16(r + 8, t.humLow);
    for (int k = 0; k < 8; ++k) putText(r + kTerminalTextAt + k * kTerminalTextWidth, kTerminalTextWidth, t.texts[k]);
  }
  for (const SerialDefault& s : kSerialTerminals) memory_[kSerialBase + uint32_t(s.number - 1) * kSerialStride] = s.setting;

  // Half-hourly history of the two demo terminals, with one mains dip.
  const QDateTime historyStart(QDate(2025, 12, 31), QTime(8, 0, 0));
  for (int i = 0; i < kHistoryCount; ++i) {
    const bool cold = i % 2 == 0;
    const RecordValues v{i,
                         cold ? 1 : 2,
                         historyStart.addSecs(i * 1800),
                         uint8_t(18 + i % 7),
                         uint8_t(41 - i / 10),
                         i != 9,
                         uint8_t(33 - i / 8),
                         int16_t(cold ? -182 + (i % 5) * 3 : 215 + (i % 6) * 4),
                         int16_t(cold ? 700 + (i % 4) * 5 : 440 + (i % 3) * 10)};
    putRecord(memory_.data() + kHistoryBase + uint32_t(i) * kRecordSize, v);
  }
  int n = 0;
  for (const AlarmDefault& a : kAlarms) {
    const RecordValues v{n,
                         a.terminal,
                         QDateTime(QDate(2000 + kAlarmYear, a.month, a.day), QTime(a.hour, a.minute, a.second)),
                         21,
                         40,
                         a.power,
                         32,
                         a.temperature,
                         a.humidity};
    putRecord(memory_.data() + kAlarmBase + uint32_t(n) * kRecordSize, v);
    ++n;
  }
}

void Gateway::resetParameters() {
  uint8_t* p = memory_.data() + kParamBase;
  std::fill(p, p + kParamSize, uint8_t(0));
  // Bytes the program never writes keep the erased state.
  std::fill(p, p + 4, uint8_t(0xFF));
  std::fill(p + 6, p + 8, uint8_t(0xFF));
  for (const NumberDefault& f : kParamNumbers) {
    p[f.offset] = uint8_t(f.value);
    if (f.size == 2) p[f.offset + 1] = uint8_t(f.value >> 8);
  }
  for (const OctetDefault& f : kParamAddresses) std::copy(std::begin(f.octets), std::end(f.octets), p + f.offset);
  for (const TextDefault& f : kParamTexts) putText(p + f.offset, f.width, f.text);
  for (const PacketDefault& f : kParamPackets) {
    putText(p + f.offset, kPacketLengthAt, f.text);
    p[f.offset + kPacketLengthAt] = uint8_t(qstrlen(f.text));
    p[f.offset + kPacketLengthAt + 1] = 0;
  }
  for (int k = 0; k < kTimerCount; ++k) p[kTimerBase + 4 * k] = kTimerDisabled;
}

void Gateway::setLiveReadings(int16_t temperatureTenths, int16_t humidityTenths, uint8_t inputs) {
  temperature_ = temperatureTenths;
  humidity_ = humidityTenths;
  inputs_ = inputs;
}

QByteArray Gateway::read(uint32_t address, int length) const {
  QByteArray out(qMax(0, length), char(0xFF));
  for (int i = 0; i < out.size() && address + uint32_t(i) < memory_.size(); ++i) out[i] = char(memory_[address + i]);
  return out;
}

void Gateway::write(uint32_t address, const QByteArray& bytes) {
  for (int i = 0; i < bytes.size() && address + uint32_t(i) < memory_.size(); ++i) memory_[address + i] = uint8_t(bytes[i]);
}

void Gateway::injectFault(Fault fault, int times) {
  fault_ = fault;
  faultTimes_ = (fault == Fault::None) ? 0 : times;
}

QDateTime Gateway::deviceTime() const { return now().addMSecs(clockOffsetMs_); }

// ---------------------------------------------------------------- receiving

void Gateway::receive(const QByteArray& bytes) {
  pending_.append(bytes);
  pendingIdleMs_ = 0;
  for (;;) {
    // Line ends left between messages carry nothing.
    qsizetype skip = 0;
    while (skip < pending_.size() && (pending_[skip] == '\r' || pending_[skip] == '\n')) ++skip;
    pending_.remove(0, skip);
    if (pending_.isEmpty()) return;

    if (uint8_t(pending_[0]) == kFrameStart) {
      if (pending_.size() < 8) return;
      const int n = uint8_t(pending_[6]) * 256 + uint8_t(pending_[7]);
      if (n > kMaxRequestData) {  // not a request: look for the next start byte
        const qsizetype next = pending_.indexOf(char(kFrameStart), 1);
        pending_.remove(0, next < 0 ? pending_.size() : next);
        continue;
      }
      if (pending_.size() < n + kFrameOverhead) return;
      const QByteArray frame = pending_.left(n + kFrameOverhead);
      pending_.remove(0, frame.size());
      requests_.push_back(frame);
      takeFrame(frame);
    } else {
      const qsizetype lf = pending_.indexOf('\n');
      if (lf < 0) {
        if (pending_.size() > kMaxLineLength) pending_.clear();
        return;
      }
      const QByteArray line = pending_.left(lf + 1);
      pending_.remove(0, lf + 1);
      requests_.push_back(line);
      QByteArray text = line.chopped(1);
      if (text.endsWith('\r')) text.chop(1);
      takeLine(text);
    }
  }
}

void Gateway::takeFrame(const QByteArray& frame) {
  if (!frameCheckOk(frame)) return;  // a damaged request is ignored, as on the device
  const auto* f = reinterpret_cast<const uint8_t*>(frame.constData());
  const uint8_t command = f[1];
  const uint32_t address = uint32_t(f[2]) << 24 | uint32_t(f[3]) << 16 | uint32_t(f[4]) << 8 | f[5];
  const QByteArray data = frame.mid(8, frame.size() - kFrameOverhead);
  const auto one = [](bool ok) { return QByteArray(1, char(ok ? 1 : 0)); };

  switch (command) {
    case cmd::Password:
      answerFrame(command, address, one(data.left(4) == passwordBytes(password_)));
      break;
    case cmd::SetClock: {
      bool ok = false;
      if (data.size() >= 6) {
        const auto* d = reinterpret_cast<const uint8_t*>(data.constData());
        const QDate date(2000 + d[0], d[1], d[2]);
        const QTime time(d[3], d[4], d[5]);
        ok = date.isValid() && time.isValid();
        if (ok) clockOffsetMs_ = now().msecsTo(QDateTime(date, time));
      }
      answerFrame(command, address, one(ok));
      break;
    }
    case cmd::DeviceInfo: {
      QByteArray d(25, char(0xFF));
      const QByteArray version = "V2.31";
      const QByteArray imei = "861234050012345";
      d.replace(0, version.size(), version);
      d.replace(8, imei.size(), imei);
      d[24] = char(23);  // GSM signal, normal range 14 to 31
      answerFrame(command, address, d);
      break;
    }
    case cmd::LiveReadings: {
      QByteArray d(8, char(0));
      auto* p = reinterpret_cast<uint8_t*>(d.data());
      putLe16(p, temperature_);
      putLe16(p + 2, humidity_);
      p[4] = inputs_ & 0x0F;
      p[6] = relays_;
      answerFrame(command, address, d);
      break;
    }
    case cmd::Relays:
      if (!data.isEmpty()) relays_ = uint8_t(data[0]) & 0x03;
      answerFrame(command, address, QByteArray(1, char(relays_)));
      break;
    case cmd::ReadClock: {
      const QDateTime t = deviceTime();
      QByteArray d;
      d.append(char(t.date().year() - 2000));
      d.append(char(t.date().month()));
      d.append(char(t.date().day()));
      d.append(char(t.time().hour()));
      d.append(char(t.time().minute()));
      d.append(char(t.time().second()));
      answerFrame(command, address, d);
      break;
    }
    case cmd::BlockWrite: {
      const bool inside = uint64_t(address) + uint64_t(data.size()) <= memory_.size();
      if (inside) write(address, data);
      answerFrame(command, address, one(inside));
      break;
    }
    case cmd::BlockRead:
      answerFrame(command, address, read(address, kBlockSize));
      break;
    case cmd::EraseRecords:
      std::fill(memory_.begin() + kHistoryBase, memory_.begin() + kMemorySize, uint8_t(0xFF));
      answerFrame(command, address, one(true));  // the program looks at the data length: 1 means done
      break;
    case cmd::CurrentValues: {
      // The address counts 16-bit registers, two per terminal (temperature,
      // humidity); one answer carries 128 registers.
      const QByteArray table = currentValueTable();
      QByteArray d(kBlockSize, char(0xFF));
      const qsizetype from = qsizetype(address) * 2;
      for (qsizetype i = 0; i < d.size() && from + i < table.size(); ++i) d[i] = table[from + i];
      answerFrame(command, address, d);
      break;
    }
    default:
      break;  // unknown commands get no answer
  }
}

QByteArray Gateway::currentValueTable() const {
  QByteArray table(kTerminalCount * 4, char(0xFF));
  auto* p = reinterpret_cast<uint8_t*>(table.data());
  for (int n = 1; n <= kTerminalCount; ++n) {
    if (memory_[kTerminalBase + uint32_t(n - 1) * kTerminalStride] == 0xFF) continue;  // no terminal here
    int16_t t = int16_t(200 + (n * 37) % 100);
    int16_t h = int16_t(500 + (n * 53) % 300);
    for (const TerminalDefault& d : kTerminals)
      if (d.number == n) {
        t = d.temperatureNow;
        h = d.humidityNow;
      }
    putLe16(p + 4 * (n - 1), t);
    putLe16(p + 4 * (n - 1) + 2, h);
  }
  return table;
}

void Gateway::clearTerminal(int number) {
  if (number < 1 || number > kTerminalCount) return;
  auto th = memory_.begin() + kTerminalBase + uint32_t(number - 1) * kTerminalStride;
  std::fill(th, th + kTerminalStride, uint8_t(0xFF));
  auto rs = memory_.begin() + kSerialBase + uint32_t(number - 1) * kSerialStride;
  std::fill(rs, rs + kSerialStride, uint8_t(0xFF));
}

void Gateway::takeLine(const QByteArray& text) {
  int n = 0;
  if (text == "9068RESET") {
    resetParameters();
  } else if (text == "9068REBOOT") {
    // A restart ends the debug output and drops the relays; memory and clock survive.
    debugMode_ = 0;
    relays_ = 0;
    trafficMs_ = 0;
  } else if (text.startsWith("DELDEV=")) {
    if (parseDecimal(text.mid(7), n)) clearTerminal(n);
  } else if (text.startsWith("DBG=")) {
    if (!parseDecimal(text.mid(4), n) || n > 255) return;
    debugMode_ = uint8_t(n);
    trafficMs_ = 0;
    // The echo carries the mode at bytes 10 and 11: one digit below 16 (a
    // to f in lower case, which the program reads as 10 to 15), two upper-case
    // hex digits from 16 on.
    const QByteArray digits = n < 16 ? QByteArray::number(n, 16) : QByteArray::number(n, 16).toUpper();
    answer(textLine("DBG MODE: " + digits), false);
  } else if (text.size() == 9 && text[4] == 'P') {
    if (text.left(4) == passwordBytes(password_)) password_ = text.mid(5, 4);
  }
}

// ---------------------------------------------------------------- answering

void Gateway::answerFrame(uint8_t command, uint32_t address, const QByteArray& data) {
  answer(buildFrame(command, address, data), true);
}

Fault Gateway::takeFault(bool isFrame) {
  if (faultTimes_ == 0 || fault_ == Fault::None) return Fault::None;
  const bool frameOnly = fault_ == Fault::BadCheck || fault_ == Fault::WrongCommand || fault_ == Fault::WrongAddress;
  if (frameOnly && !isFrame) return Fault::None;  // kept for the next frame
  const Fault f = fault_;
  if (faultTimes_ > 0 && --faultTimes_ == 0) fault_ = Fault::None;
  return f;
}

void Gateway::answer(QByteArray bytes, bool isFrame) {
  if (silent_) return;
  const int pause = sinceTrafficMs_ < kQuietGapMs ? kQuietGapMs - sinceTrafficMs_ : 0;
  switch (takeFault(isFrame)) {
    case Fault::Silence:
      return;
    case Fault::BadCheck:
      bytes.back() = char(~uint8_t(bytes.back()));
      break;
    case Fault::WrongCommand:
      bytes[1] = char(uint8_t(bytes[1]) ^ 0x40);
      bytes.back() = char(xorCheck(bytes));
      break;
    case Fault::WrongAddress:
      bytes[4] = char(uint8_t(bytes[4]) ^ 0x01);  // the neighbouring 256-byte block
      bytes.back() = char(xorCheck(bytes));
      break;
    case Fault::SplitFrame: {
      const qsizetype half = bytes.size() / 2;
      emitPiece(bytes.left(half), pause);
      emitPiece(bytes.mid(half), kSplitPauseMs);
      return;
    }
    case Fault::DropBytes: {
      const qsizetype drop = qMin<qsizetype>(kDroppedBytes, bytes.size() - 2);
      bytes.remove(bytes.size() / 2, drop);
      break;
    }
    case Fault::None:
      break;
  }
  emitPiece(bytes, pause);
}

void Gateway::emitPiece(const QByteArray& bytes, int pauseMs) {
  sinceOutputMs_ = 0;
  if (send) send(bytes, pauseMs);
}

// ---------------------------------------------------------------- time

void Gateway::tick(int elapsedMs) {
  if (elapsedMs <= 0) return;
  constexpr int kLongAgo = 1 << 20;
  sinceTrafficMs_ = qMin(sinceTrafficMs_ + elapsedMs, kLongAgo);
  sinceOutputMs_ = qMin(sinceOutputMs_ + elapsedMs, kLongAgo);
  if (!pending_.isEmpty()) {
    pendingIdleMs_ += elapsedMs;
    if (pendingIdleMs_ >= kReceiveTimeoutMs) pending_.clear();
  }
  if ((debugMode_ & kTrafficBits) == 0 || silent_) {
    trafficMs_ = 0;
    return;
  }
  trafficMs_ += elapsedMs;
  if (trafficMs_ < kTrafficPeriodMs || sinceOutputMs_ < kQuietGapMs) return;
  trafficMs_ = 0;
  emitTraffic();
}

void Gateway::emitTraffic() {
  int streams[6];
  int count = 0;
  for (int bit = 0; bit < 6; ++bit)
    if (debugMode_ & (1 << bit)) streams[count++] = bit;
  const int bit = streams[trafficSeq_ % unsigned(count)];
  const bool asRecord = (trafficSeq_ / unsigned(count)) % 2 == 1;
  const unsigned seq = trafficSeq_++;

  // What a channel would say: the device reports its readings, the server acknowledges.
  const bool sending = bit % 2 == 0;
  const QDateTime t = deviceTime();
  QByteArray payload;
  if (sending) {
    payload = QStringLiteral("GX90,ID=0001,SEQ=%1,T=%2,H=%3,IN=%4,DO=%5,%6")
                  .arg(seq % 10000, 4, 10, QChar('0'))
                  .arg(temperature_ / 10.0, 0, 'f', 1)
                  .arg(humidity_ / 10.0, 0, 'f', 1)
                  .arg(inputs_ & 0x0F, 2, 16, QChar('0'))
                  .arg(relays_, 2, 16, QChar('0'))
                  .arg(t.toString(QStringLiteral("hhmmss")))
                  .toLatin1();
  } else {
    payload = QStringLiteral("ACK,SEQ=%1").arg(seq % 10000, 4, 10, QChar('0')).toLatin1();
  }

  QByteArray out;
  if (asRecord) {
    // "#DBUGS", the channel digit, the byte count in four decimal digits, the bytes in hex.
    out = "#DBUGS" + QByteArray::number(bit + 1) + QByteArray::number(payload.size()).rightJustified(4, '0') +
          payload.toHex().toUpper() + "\r\n";
  } else {
    payload = payload.left(kTrafficLinePayload);
    out = QByteArray(kTrafficTags[bit]) + ':' + QByteArray::number(payload.size()).rightJustified(2, '0') + "\r\n" +
          payload.leftJustified(kTrafficLinePayload, ' ') + "\r\n";
  }
  sinceTrafficMs_ = 0;
  emitPiece(out, 0);
}

}  // namespace gx::sim
