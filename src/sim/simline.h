#pragma once
// An in-process serial line whose other end is a device on a Clock: the
// built-in gateway simulator, or a script that injects bytes. Writes are
// recorded; device bytes arrive paced as on a 115200 baud wire, never from
// inside write() itself.
#include <QByteArray>
#include <cstdint>
#include <deque>
#include <memory>

#include "link/serialline.h"

namespace gx {
class Clock;
class Timer;
class VirtualClock;
}

namespace gx::sim {

class Gateway;

class SimLine final : public SerialLine {
 public:
  // gateway may be null (manual device: the scenario injects bytes).
  SimLine(Clock& clock, Gateway* gateway);
  ~SimLine() override;

  bool open(const QString& name) override;
  void close() override;
  bool isOpen() const override;
  void write(const QByteArray& bytes) override;
  QString errorString() const override;

  // Who answers: a gateway, or nobody but inject() (null: manual device).
  void setGateway(Gateway* gateway);
  // The next open attempts fail as a missing port does.
  void setOpenFails(bool fails);
  // Manual device: bytes the device sends now, each delivered on its own.
  void inject(const QByteArray& bytes);
  // Simulates the device vanishing while the port is open.
  void unplug();
  // Wire pacing of device answers (on by default).
  void setPaced(bool on);

  // Every write, oldest first, until taken.
  std::deque<QByteArray> written;
  QString lastOpenedName;

 private:
  [[nodiscard]] int64_t nowUs() const;
  void scheduleDevice(const QByteArray& bytes, int pauseMs);
  void deliverAt(int64_t atUs, char byte);

  Clock& clock_;
  VirtualClock* virtual_ = nullptr;  // exact microsecond scheduling when available
  Gateway* gateway_;
  std::unique_ptr<Timer> tick_;
  // One per open session; scheduled deliveries hold it weakly, so closing the
  // line (or destroying it) voids whatever was still on its way.
  std::shared_ptr<char> session_;
  bool openFails_ = false;
  bool paced_ = true;
  QString error_;
  int64_t txFreeUs_ = 0;      // when the program's last byte is through the wire
  int64_t rxFreeUs_ = 0;      // when the device's last scheduled byte has arrived
  int64_t answerFromUs_ = 0;  // earliest start of what the device says next
};

}  // namespace gx::sim
