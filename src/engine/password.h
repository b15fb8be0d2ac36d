#pragma once
// Password verification: the four characters of RzEdit15 in a 0x01 frame.
#include "engine/commands.h"

namespace gx {

class tpassword : public tpattern {
 public:
  explicit tpassword(CommForm& form);
  // Its own Execute: the port failure is a plain message dialog and the
  // verification locks nothing.
  void Execute();
  void Send() override;
  void BuildRequest() override;
  void OnResponse(const uint8_t* bytes, int length) override;
  void OnTimeout() override;

  [[nodiscard]] bool answered() const { return answered_; }

 private:
  uint8_t answered_ = 0;
};

}  // namespace gx
