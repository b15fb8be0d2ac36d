#include "engine/ctncmd.h"

#include "engine/commform.h"
#include "engine/fields.h"

namespace gx {

// ---- tcontinuouscmd

void tcontinuouscmd::StartTransfer() {
  running_ = 1;
  step_ = 0;
  Execute();
}

void tcontinuouscmd::Send() {
  if (!running_) return;
  if (step_ < total_) {
    ++step_;
    form_.setLbl1(StepText());
    form_.fields.setText(QStringLiteral("rzmrqsts1"), StepText());
    tpattern::Send();
    autoAdvance_ = 0;
    return;
  }
  step_ = 0;
  running_ = 0;
  form_.dialogs.messageBox(form_.captions(Txt::MsgSuccess));
  form_.fields.setValue(QStringLiteral("pb1"), 0);
  form_.UnlockUi();
}

void tcontinuouscmd::OnResponse(const uint8_t* bytes, int length) {
  tpattern::OnResponse(bytes, length);
  OnAnswer();
  if (autoAdvance_)
    Send();
  else
    StopAtStep();
}

QString tcontinuouscmd::StepText() const { return QString::number(step_) + QLatin1Char('/') + QString::number(total_); }

bool tcontinuouscmd::AcceptStep() {
  for (int i = 0; i < 4; ++i) {
    if (rx_.at(3 + i) != frame_.address[size_t(i)]) {
      form_.fields.setText(QStringLiteral("rzstspn2"), StepPrefix() + StepText() + QStringLiteral(" cmd add error"));
      return false;
    }
  }
  form_.fields.setText(QStringLiteral("rzstspn2"), StepPrefix() + StepText() + QStringLiteral(" normal"));
  if (total_ > 0) form_.fields.setValue(QStringLiteral("pb1"), step_ * 100 / total_);
  autoAdvance_ = 1;
  return true;
}

void tcontinuouscmd::StopAtStep() {
  // Waiting for a later unlock from elsewhere would leave the window locked
  // with nothing running: release it and say where the transfer ended.
  running_ = 0;
  form_.fields.setText(QStringLiteral("rzstspn3"), QStringLiteral("transfer stopped at step ") + StepText());
  form_.UnlockUi();
}

void tcontinuouscmd::Abandon() {
  running_ = 0;
  form_.UnlockUi();
}

// ---- twritecmd

twritecmd::twritecmd(CommForm& form) : tcontinuouscmd(form) {
  frame_.command = cmd::BlockWrite;
  frame_.setLength(256);
}

void twritecmd::Send() {
  commandAccepted_ = 0;
  tcontinuouscmd::Send();
}

void twritecmd::OnAnswer() {
  if (valid_ && rx_.at(2) == cmd::BlockWrite) commandAccepted_ = 1;
}

// ---- treadcmd

treadcmd::treadcmd(CommForm& form) : tcontinuouscmd(form) {
  frame_.command = cmd::BlockRead;
  frame_.setLength(0);
}

void treadcmd::Send() {
  commandAccepted_ = 0;
  tcontinuouscmd::Send();
}

void treadcmd::OnAnswer() {
  if (!valid_) return;
  if (rx_.at(2) == cmd::BlockRead)
    commandAccepted_ = 1;
  else
    form_.fields.setText(QStringLiteral("rzstspn2"), StepPrefix() + StepText() + QStringLiteral(" cmd verify error"));
}

}  // namespace gx
