#include "link/recclass.h"

#include <QDateTime>
#include <QLocale>

#include "engine/clock.h"
#include "engine/fields.h"
#include "engine/memolog.h"
#include "link/codepage.h"
#include "link/frame.h"

namespace gx {

namespace {
constexpr int kLogCap = 96;
constexpr uint8_t kCR = 0x0D;

// Digits only, as the gateway writes them; anything else reads as 0.
int decimalOrZero(const QByteArray& s) {
  if (s.isEmpty()) return 0;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return 0;
    v = v * 10 + (c - '0');
  }
  return v;
}
}  // namespace

QString timeStampText(const QDateTime& dt) {
  const QLocale loc;
  QString timeFormat = loc.timeFormat(QLocale::LongFormat);
  timeFormat.remove(QLatin1Char('t'));  // no time zone name in a log line
  return loc.toString(dt.date(), QLocale::ShortFormat) + QLatin1Char(' ') + dt.time().toString(timeFormat.trimmed());
}

trecclass::trecclass(Deps deps) : d_(std::move(deps)) { buf_.fill(0xFF); }

void trecclass::AddByte(uint8_t b) {
  d_.flush.setEnabled(true);
  byteSinceFlushTick_ = true;
  if (length_ < kBufferSize) {
    ++length_;
    buf_.at(length_) = b;
  }
  if (buf_.at(1) == kFrameStart) {
    d_.responseTimeout.setEnabled(false);
    if (length_ > 8) expected_ = uint16_t(buf_.at(7) * 256 + buf_.at(8));
    if (length_ >= expected_ + kFrameOverhead) Dispatch();
  } else if (length_ >= 13 && buf_.at(1) == 'D') {
    Dispatch();
  } else if (length_ <= 12) {
    if (length_ == 1) {
      d_.shortResponse.setInterval(1000);
      d_.shortResponse.setEnabled(true);
      shortFlag_ = 0;
    }
    if (shortFlag_) {
      d_.shortResponse.setEnabled(false);
      shortFlag_ = 0;
      Dispatch();
    }
  } else {
    for (int pos = 8; pos <= 12; ++pos) {
      if (buf_.at(pos) == kCR) {
        threshold_ = uint16_t(pos + 65);
        break;
      }
    }
    if (threshold_ != 0 && length_ > threshold_) Dispatch();
  }
}

void trecclass::Dispatch() {
  const QString hex = hexText(buf_.data(), length_);
  d_.receiveLog.appendLine(hex);
  d_.currentLog.appendLine(hex);
  if (d_.receiveLog.lineCount() >= kLogCap) d_.receiveLog.clear();
  if (d_.offer) d_.offer(buf_.data(), length_);
  ResetBuffer();
}

void trecclass::ResetBuffer() {
  length_ = 0;
  expected_ = 0;
  threshold_ = 0;
  buf_.fill(0xFF);
  d_.currentLog.clear();
}

bool trecclass::frameUnderWay() const {
  if (length_ == 0 || length_ >= kBufferSize || buf_.at(1) != kFrameStart) return false;
  // Header still arriving, or a frame the buffer can hold.
  return length_ <= 8 || expected_ + kFrameOverhead <= kBufferSize;
}

void trecclass::FlushTimerTick() {
  // A flush must not cut a frame in two: while a frame that can still
  // complete is arriving (a byte came since the last tick), wait another
  // period. A frame that stalls for a whole period is flushed as before, so
  // nothing that never completes is kept from the logs.
  if (frameUnderWay() && byteSinceFlushTick_) {
    byteSinceFlushTick_ = false;
    return;
  }
  byteSinceFlushTick_ = false;
  d_.flush.setEnabled(false);
  const bool partialFrame = length_ > 0 && buf_.at(1) == kFrameStart;
  FlushToLog();
  ResetBuffer();
  if (partialFrame && d_.partialFrameFlushed) d_.partialFrameFlushed();
}

void trecclass::ShortResponseTimerTick() {
  d_.shortResponse.setEnabled(false);
  shortFlag_ = 1;
}

void trecclass::FlushToLog() {
  const QByteArray raw(reinterpret_cast<const char*>(buf_.data()), length_);
  const QString text = codepage::toUnicode(raw);
  d_.rawLog.appendLine(text);
  if (d_.rawLog.lineCount() >= kLogCap) d_.rawLog.clear();
  d_.fields.addItem(QStringLiteral("lst8"), text);
  QByteArray work = raw;
  for (int i = 0; i < 5 && work.contains("#DBUGS"); ++i) ParseDebugRecord(work);
  if (d_.fields.itemCount(QStringLiteral("lst8")) >= kLogCap) d_.fields.clearItems(QStringLiteral("lst8"));
  d_.fields.scrollToLast(QStringLiteral("lst8"));
  d_.fields.addItem(QStringLiteral("lst7"), text);
  d_.fields.scrollToLast(QStringLiteral("lst7"));
}

void trecclass::ParseDebugRecord(QByteArray& text) {
  const qsizetype p = text.indexOf("#DBUGS");  // 0-based here; the record header is 11 characters
  if (p < 0) return;
  const int channel = decimalOrZero(text.mid(p + 6, 1));
  const int count = decimalOrZero(text.mid(p + 7, 4));
  const QByteArray payload = text.mid(p + 11, qsizetype(count) * 2);
  static const char* const lists[] = {"lst1", "lst2", "lst3", "lst4", "lst5", "lst6"};
  if (channel >= 1 && channel <= 6) AddTimedLine(QString::fromLatin1(lists[channel - 1]), codepage::toUnicode(payload));
  text.remove(0, qMin(text.size(), p + 12 + qsizetype(count) * 2));
  d_.fields.setText(QStringLiteral("rn1"), QString::number(channel));
}

void trecclass::AddTimedLine(const QString& list, const QString& text) {
  d_.fields.addItem(list, timeStampText(d_.clock.now()) + QStringLiteral("  ") + text);
  if (d_.fields.itemCount(list) >= kLogCap) d_.fields.clearItems(list);
  d_.fields.scrollToLast(list);
}

}  // namespace gx
