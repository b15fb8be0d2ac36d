#pragma once
// One-frame device queries: device information, live readings, relays and
// the device clock.
#include <QString>

#include "engine/commands.h"

namespace gx {

// Model, version, IMEI and GSM signal (0x05).
class tidimei : public thardcover {
 public:
  explicit tidimei(CommForm& form);
  void FillRequest() override {}
  void OnAnswer() override;
  void OnA0Response() override {}
};

// Temperature, humidity, inputs and relay states (0x06).
class tmoisture : public thardcover {
 public:
  explicit tmoisture(CommForm& form);
  void FillRequest() override {}
  void OnAnswer() override;
  void OnA0Response() override {}
};

// The two relays (0x07); keeps the state byte between commands.
class trelayctrl : public thardcover {
 public:
  explicit trelayctrl(CommForm& form);
  void FillRequest() override;
  void OnAnswer() override;
  void OnA0Response() override {}
  // Sets (close) or clears (open) the bit of relay 1 or 2.
  void SetRelay(int relay, bool closed);
  [[nodiscard]] uint8_t state() const { return state_; }

 private:
  uint8_t state_ = 0;
};

// The device clock: 0x03 sets it from the PC clock, 0x08 reads it.
class ttimeset : public thardcover {
 public:
  static constexpr uint8_t kSet = 0x03;
  static constexpr uint8_t kRead = 0x08;
  explicit ttimeset(CommForm& form);
  void SetMode(uint8_t mode);
  void FillRequest() override;
  void OnAnswer() override;
  void OnA0Response() override {}
};

}  // namespace gx
