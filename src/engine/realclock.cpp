#include <QTimer>

#include "engine/clock.h"

namespace gx {
namespace {

class RealTimer final : public Timer {
 public:
  RealTimer(int intervalMs, bool on) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (onTick) onTick();
    });
    if (on) timer_.start();
  }
  void setEnabled(bool on) override {
    if (on && !timer_.isActive()) timer_.start();
    if (!on) timer_.stop();
  }
  bool enabled() const override { return timer_.isActive(); }
  void setInterval(int ms) override {
    if (ms != timer_.interval()) timer_.setInterval(ms);  // QTimer restarts a running timer itself
  }
  int interval() const override { return timer_.interval(); }
  void restart() override {
    if (timer_.isActive()) timer_.start();
  }

 private:
  QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> RealClock::createTimer(int intervalMs, bool enabled) {
  return std::make_unique<RealTimer>(intervalMs, enabled);
}

QDateTime RealClock::now() const { return QDateTime::currentDateTime(); }

void RealClock::callLater(int delayMs, std::function<void()> fn) {
  QTimer::singleShot(delayMs, Qt::PreciseTimer, std::move(fn));
}

}  // namespace gx
