#pragma once
// A clock that moves only on advance(): timers and scheduled calls fire in
// time order, ties in the order they were armed. Times are microseconds so
// that bytes paced at 115200 baud keep their spacing.
#include <QDateTime>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "engine/clock.h"

namespace gx {

class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(QDateTime start = QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0)));
  ~VirtualClock() override;

  std::unique_ptr<Timer> createTimer(int intervalMs, bool enabled) override;
  QDateTime now() const override;
  void callLater(int delayMs, std::function<void()> fn) override;
  // Schedules fn at an absolute virtual time in microseconds (never in the past).
  void callAtUs(int64_t atUs, std::function<void()> fn);

  // Moves time forward, delivering everything due on the way.
  void advanceMs(int64_t ms) { advanceUs(ms * 1000); }
  void advanceUs(int64_t us);
  [[nodiscard]] int64_t elapsedUs() const { return nowUs_; }
  // Sets the PC clock the program reads; it moves on with advance().
  void setDateTime(const QDateTime& dt);

  // Internal: timers register their due times here.
  struct Slot;
  void arm(Slot* slot, int64_t dueUs);
  void disarm(Slot* slot);

 private:
  struct Key {
    int64_t due;
    uint64_t seq;
    bool operator<(const Key& o) const { return due != o.due ? due < o.due : seq < o.seq; }
  };
  struct Entry {
    Slot* slot = nullptr;              // a timer, or
    std::function<void()> call;        // a one-shot call
  };
  int64_t nowUs_ = 0;
  uint64_t seq_ = 0;
  QDateTime base_;
  int64_t baseUs_ = 0;
  std::map<Key, Entry> queue_;
};

}  // namespace gx
