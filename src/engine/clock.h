#pragma once
// Time as the program sees it: timers and the PC clock. The shipped program
// runs on real time; tests and the scenario driver run on a virtual clock
// that moves only when told to.
#include <QDateTime>
#include <functional>
#include <memory>

namespace gx {

// A repeating timer with the semantics the command engine relies on:
// enabling a running timer keeps its current period; setting the interval it
// already has changes nothing; a new interval starts a running timer's period
// again.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setEnabled(bool on) = 0;
  [[nodiscard]] virtual bool enabled() const = 0;
  virtual void setInterval(int ms) = 0;
  [[nodiscard]] virtual int interval() const = 0;
  // Starts the current period again (a running timer only).
  virtual void restart() = 0;

  void start() { setEnabled(true); }
  void stop() { setEnabled(false); }
  std::function<void()> onTick;
};

class Clock {
 public:
  virtual ~Clock() = default;
  [[nodiscard]] virtual std::unique_ptr<Timer> createTimer(int intervalMs, bool enabled) = 0;
  // The PC's date and time.
  [[nodiscard]] virtual QDateTime now() const = 0;
  // Runs fn after delayMs (0: as soon as the current handler returns).
  virtual void callLater(int delayMs, std::function<void()> fn) = 0;
};

// Real time: Qt timers and the system clock.
class RealClock final : public Clock {
 public:
  std::unique_ptr<Timer> createTimer(int intervalMs, bool enabled) override;
  QDateTime now() const override;
  void callLater(int delayMs, std::function<void()> fn) override;
};

}  // namespace gx
