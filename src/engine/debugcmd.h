#pragma once
// The communication debug monitor: switches the gateway's copy of its server
// traffic per channel pair with "DBG=" lines, checks the echo, and routes
// tagged traffic lines into the debug lists.
#include <QString>

#include "engine/commands.h"

namespace gx {

class tdebugcmd : public ttimerrequire {
 public:
  // The pairs of the mode byte, as the monitor names them.
  static constexpr uint8_t kGprs = 0x03;
  static constexpr uint8_t kEthernet = 0x0C;
  static constexpr uint8_t kRs232 = 0x30;

  using ttimerrequire::ttimerrequire;
  void BuildRequest() override;
  void OfferResponse(const uint8_t* bytes, int length) override;
  void OnResponse(const uint8_t* bytes, int length) override;

  // A switch button: sets or clears a pair, sends the whole byte, and does
  // not wait for the echo under the response time-out.
  void Switch(uint8_t pair, bool on);
  [[nodiscard]] uint8_t mode() const { return mode_; }
  // "GPRS.RS232" and the like: the pairs that are fully on, in fixed order.
  [[nodiscard]] QString ActiveChannels() const;

 private:
  [[nodiscard]] bool EchoMatches(const uint8_t* bytes, int length) const;
  uint8_t mode_ = 0;
};

// The monitor guard of the operations that need a quiet line: passes when no
// channel is on; otherwise tells the user which channels to switch off.
[[nodiscard]] bool DebugGatePasses(CommForm& comm);

}  // namespace gx
