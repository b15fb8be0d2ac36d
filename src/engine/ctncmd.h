#pragma once
// Stepped transfers: data larger than one frame moves as numbered block
// transfers, step 1 to total, each sent only after the previous answer was
// accepted. twritecmd writes blocks (0x82, 256 data bytes), treadcmd reads
// them (0x83, no request data).
#include <QString>

#include "engine/commands.h"

namespace gx {

class tcontinuouscmd : public tpattern {
 public:
  using tpattern::tpattern;

  // Starts at step 1 when the port is open.
  void StartTransfer();
  // The next step, or the success report once every step is done.
  void Send() override;
  void OnResponse(const uint8_t* bytes, int length) override;
  virtual void OnAnswer() = 0;

  [[nodiscard]] int step() const { return step_; }
  [[nodiscard]] int total() const { return total_; }
  [[nodiscard]] bool running() const { return running_; }

 protected:
  // "n/m" of the current step.
  [[nodiscard]] QString StepText() const;
  // "writecmd step:" or "readcmd step:".
  [[nodiscard]] virtual QString StepPrefix() const = 0;
  // Compares the answer's address with the request's: on a match shows the
  // step as normal, moves the progress bar and lets the transfer advance.
  bool AcceptStep();
  // Ends a transfer whose step was not accepted: the status pane keeps its
  // verification text, the buttons are released and rzstspn3 names the step.
  void StopAtStep();
  // Ends a transfer that never sent its step (the request could not be built).
  void Abandon();

  uint8_t step_ = 0;
  uint8_t total_ = 0;
  uint8_t running_ = 0;
  uint8_t autoAdvance_ = 0;
};

class twritecmd : public tcontinuouscmd {
 public:
  explicit twritecmd(CommForm& form);
  void Send() override;
  void OnAnswer() override;

 protected:
  [[nodiscard]] QString StepPrefix() const override { return QStringLiteral("writecmd step:"); }
  uint8_t commandAccepted_ = 0;
};

class treadcmd : public tcontinuouscmd {
 public:
  explicit treadcmd(CommForm& form);
  void Send() override;
  void OnAnswer() override;

 protected:
  [[nodiscard]] QString StepPrefix() const override { return QStringLiteral("readcmd step:"); }
  uint8_t commandAccepted_ = 0;
};

}  // namespace gx
