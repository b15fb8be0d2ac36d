#include "engine/virtualclock.h"

namespace gx {

struct VirtualClock::Slot {
  bool armed = false;
  uint64_t seq = 0;
  int64_t due = 0;
  std::function<void()> fire;
};

namespace {

class VirtualTimer final : public Timer {
 public:
  VirtualTimer(VirtualClock& clock, int intervalMs, bool on) : clock_(clock), interval_(intervalMs) {
    slot_.fire = [this] { fire(); };
    if (on) setEnabled(true);
  }
  ~VirtualTimer() override { clock_.disarm(&slot_); }
  void setEnabled(bool on) override {
    if (on == enabled_) return;
    enabled_ = on;
    if (on)
      arm();
    else
      clock_.disarm(&slot_);
  }
  bool enabled() const override { return enabled_; }
  void setInterval(int ms) override {
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_) arm();
  }
  int interval() const override { return interval_; }
  void restart() override {
    if (enabled_) arm();
  }
  void fire() {
    // The next period is armed before the handler runs, so a handler that
    // stops or restarts the timer has the last word.
    arm();
    if (onTick) onTick();
  }
  VirtualClock::Slot slot_;

 private:
  void arm() { clock_.arm(&slot_, clock_.elapsedUs() + int64_t(qMax(1, interval_)) * 1000); }
  VirtualClock& clock_;
  int interval_;
  bool enabled_ = false;
};

}  // namespace

VirtualClock::VirtualClock(QDateTime start) : base_(std::move(start)) {}
VirtualClock::~VirtualClock() = default;

std::unique_ptr<Timer> VirtualClock::createTimer(int intervalMs, bool enabled) {
  return std::make_unique<VirtualTimer>(*this, intervalMs, enabled);
}

QDateTime VirtualClock::now() const { return base_.addMSecs((nowUs_ - baseUs_) / 1000); }

void VirtualClock::setDateTime(const QDateTime& dt) {
  base_ = dt;
  baseUs_ = nowUs_;
}

void VirtualClock::callLater(int delayMs, std::function<void()> fn) {
  callAtUs(nowUs_ + int64_t(delayMs) * 1000, std::move(fn));
}

void VirtualClock::callAtUs(int64_t atUs, std::function<void()> fn) {
  queue_.emplace(Key{qMax(atUs, nowUs_), seq_++}, Entry{nullptr, std::move(fn)});
}

void VirtualClock::arm(Slot* slot, int64_t dueUs) {
  disarm(slot);
  slot->armed = true;
  slot->seq = seq_++;
  slot->due = dueUs;
  queue_.emplace(Key{dueUs, slot->seq}, Entry{slot, {}});
}

void VirtualClock::disarm(Slot* slot) {
  if (!slot->armed) return;
  queue_.erase(Key{slot->due, slot->seq});
  slot->armed = false;
}

void VirtualClock::advanceUs(int64_t us) {
  const int64_t target = nowUs_ + us;
  while (!queue_.empty() && queue_.begin()->first.due <= target) {
    auto it = queue_.begin();
    nowUs_ = qMax(nowUs_, it->first.due);
    Entry e = std::move(it->second);
    queue_.erase(it);
    if (e.slot) {
      e.slot->armed = false;
      e.slot->fire();
    } else if (e.call) {
      e.call();
    }
  }
  nowUs_ = target;
}

}  // namespace gx
