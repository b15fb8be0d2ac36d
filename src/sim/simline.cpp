#include "sim/simline.h"

#include <algorithm>
#include <chrono>

#include "engine/clock.h"
#include "engine/virtualclock.h"
#include "sim/gateway.h"

namespace gx::sim {
namespace {

constexpr int64_t kBaud = 115200;
constexpr int64_t kBitsPerByte = 10;  // start bit, 8 data bits, stop bit
constexpr int kTickMs = 250;

// Time for n bytes on the wire, in microseconds, rounded up: never early.
int64_t wireUs(int64_t n) { return (n * kBitsPerByte * 1'000'000 + kBaud - 1) / kBaud; }

}  // namespace

SimLine::SimLine(Clock& clock, Gateway* gateway)
    : clock_(clock), virtual_(dynamic_cast<VirtualClock*>(&clock)), gateway_(nullptr) {
  tick_ = clock_.createTimer(kTickMs, false);
  tick_->onTick = [this] {
    if (!session_ || !gateway_) return;
    answerFromUs_ = nowUs();
    gateway_->tick(kTickMs);
  };
  setGateway(gateway);
}

SimLine::~SimLine() { setGateway(nullptr); }

void SimLine::setGateway(Gateway* gateway) {
  if (gateway_) gateway_->send = nullptr;
  gateway_ = gateway;
  if (!gateway_) return;
  // The device's clock is the line's clock, so virtual time moves it too.
  gateway_->now = [&clock = clock_] { return clock.now(); };
  gateway_->send = [this](const QByteArray& bytes, int pauseMs) { scheduleDevice(bytes, pauseMs); };
}

int64_t SimLine::nowUs() const {
  if (virtual_) return virtual_->elapsedUs();
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

bool SimLine::open(const QString& name) {
  if (openFails_) {
    error_ = QStringLiteral("No such file or directory");
    return false;
  }
  lastOpenedName = name;
  error_.clear();
  if (!session_) {
    session_ = std::make_shared<char>();
    txFreeUs_ = rxFreeUs_ = 0;
    tick_->start();
  }
  return true;
}

void SimLine::close() {
  session_.reset();
  tick_->stop();
}

bool SimLine::isOpen() const { return session_ != nullptr; }

QString SimLine::errorString() const { return error_; }

void SimLine::setOpenFails(bool fails) { openFails_ = fails; }

void SimLine::setPaced(bool on) { paced_ = on; }

void SimLine::write(const QByteArray& bytes) {
  written.push_back(bytes);
  if (!session_) return;
  const int64_t now = nowUs();
  txFreeUs_ = std::max(now, txFreeUs_) + wireUs(bytes.size());
  if (!gateway_) return;
  // The device can answer only once it has the whole request.
  answerFromUs_ = paced_ ? txFreeUs_ : now;
  gateway_->receive(bytes);
}

void SimLine::scheduleDevice(const QByteArray& bytes, int pauseMs) {
  if (!session_) return;  // nobody listening on a closed port
  const int64_t start = std::max({answerFromUs_, rxFreeUs_, nowUs()}) + int64_t(pauseMs) * 1000;
  for (qsizetype i = 0; i < bytes.size(); ++i) deliverAt(paced_ ? start + wireUs(i + 1) : start, bytes[i]);
  rxFreeUs_ = paced_ ? start + wireUs(bytes.size()) : start;
}

void SimLine::deliverAt(int64_t atUs, char byte) {
  auto fire = [this, alive = std::weak_ptr<char>(session_), byte] {
    if (alive.expired()) return;
    if (onBytes) onBytes(QByteArray(1, byte));
  };
  if (virtual_) {
    virtual_->callAtUs(atUs, std::move(fire));
  } else {
    const int64_t delayUs = std::max<int64_t>(0, atUs - nowUs());
    clock_.callLater(int((delayUs + 999) / 1000), std::move(fire));
  }
}

void SimLine::inject(const QByteArray& bytes) {
  for (char b : bytes) {
    if (!session_) return;  // the handler may have closed the line
    if (onBytes) onBytes(QByteArray(1, b));
  }
}

void SimLine::unplug() {
  if (!session_) return;
  close();
  if (onLost) onLost(QStringLiteral("The device was removed"));
}

}  // namespace gx::sim
