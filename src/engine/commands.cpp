#include "engine/commands.h"

#include "engine/commform.h"
#include "engine/fields.h"
#include "link/opencom.h"

namespace gx {

namespace {
constexpr int kTimeoutMs = 2000;
constexpr int kLogCap = 96;
}  // namespace

// ---- tuart

void tuart::setTransmit(const QByteArray& bytes) {
  txLength_ = uint16_t(qMin<qsizetype>(bytes.size(), kBufferSize));
  for (int i = 0; i < txLength_; ++i) tx_.at(i + 1) = uint8_t(bytes[i]);
}

void tuart::Transmit() {
  resendLength_ = txLength_;
  for (int i = 1; i <= txLength_; ++i) resend_.at(i) = tx_.at(i);
  form_.mmo1.appendText(hexText(tx_.data(), txLength_));
  form_.opencom->write(transmitted());
  if (form_.mmo1.lineCount() >= kLogCap) form_.mmo1.clear();
}

void tuart::Resend() {
  txLength_ = resendLength_;
  for (int i = 1; i <= resendLength_; ++i) tx_.at(i) = resend_.at(i);
  Transmit();
}

// ---- tsimcmd

void tsimcmd::Send() {
  BuildRequest();
  Transmit();
}

void tsimcmd::BuildRequest() { setTransmit(textLine(commandText)); }

void tsimcmd::Execute() {
  if (form_.opencom->isOpen()) {
    Send();
    return;
  }
  form_.SetHistoryPacing(false);
  form_.SetReadAllWatchdog(false);
  form_.dialogs.messageBox(form_.captions(Txt::MsgPortFailure));
  form_.UnlockUi();
}

// ---- tforcerespond

void tforcerespond::Send() {
  awaiting_ = true;
  received_ = 0;
  tsimcmd::Send();
}

void tforcerespond::OfferResponse(const uint8_t* bytes, int length) {
  if (awaiting_) {
    awaiting_ = false;
    OnResponse(bytes, length);
  }
  if (listening_) OnResponse(bytes, length);
}

void tforcerespond::OnResponse(const uint8_t* bytes, int length) {
  // Positions beyond length keep what an earlier response left there.
  const int n = qBound(0, length, kBufferSize);
  for (int i = 0; i < n; ++i) rx_.at(i + 1) = bytes[i];
  rxLength_ = uint16_t(n);
  received_ = 1;
}

// ---- ttimerrequire

void ttimerrequire::Send() {
  timeoutInterval_ = kTimeoutMs;
  received_ = 0;
  form_.tmr1->setEnabled(true);
  form_.tmr1->setInterval(kTimeoutMs);
  tforcerespond::Send();
}

void ttimerrequire::OnResponse(const uint8_t* bytes, int length) {
  tforcerespond::OnResponse(bytes, length);
  if (received_) {
    form_.tmr1->setEnabled(false);
    form_.tmr1->setInterval(kTimeoutMs);
    form_.tmr3->setEnabled(false);
    form_.tmr3->setInterval(kTimeoutMs);
    retryCount_ = 0;
  }
}

void ttimerrequire::OnTimeout() {
  if (retryEnabled_ && retryCount_ < retryLimit_) {
    ++retryCount_;
    timeoutInterval_ = kTimeoutMs;
    received_ = 0;
    form_.tmr1->setEnabled(true);
    form_.tmr1->setInterval(kTimeoutMs);
    awaiting_ = true;
    Resend();
    return;
  }
  if (retryEnabled_) retryCount_ = 0;
  form_.dialogs.messageBox(form_.captions(Txt::MsgTimeout));
  form_.UnlockUi();
}

void ttimerrequire::TimeoutTick() {
  if (!awaiting_) return;
  awaiting_ = false;
  for (int i = 1; i <= rxLength_; ++i) rx_.at(i) = 0xFF;
  form_.mmo3.clear();
  form_.tmr1->setEnabled(false);
  OnTimeout();
}

void ttimerrequire::StartListening() {
  listening_ = true;
  form_.tmr3->setInterval(kTimeoutMs);
  form_.tmr3->setEnabled(true);
}

// ---- tpattern

void tpattern::Send() {
  valid_ = 0;
  ttimerrequire::Send();
}

void tpattern::BuildRequest() { setTransmit(frame_.build()); }

void tpattern::OnResponse(const uint8_t* bytes, int length) {
  ttimerrequire::OnResponse(bytes, length);
  if (received_) {
    received_ = 0;
    CheckResponse();
  }
}

void tpattern::CheckResponse() {
  if (rx_.at(1) != kFrameStart || rxLength_ <= 8) return;
  const int n = rx_.at(7) * 256 + rx_.at(8);
  // A length field that points past the 300-byte copy cannot be checked.
  if (n + kFrameOverhead > kBufferSize) {
    form_.fields.setText(QStringLiteral("rzstspn2"), QStringLiteral("receive sum error"));
    return;
  }
  uint8_t x = 0;
  for (int pos = 2; pos <= n + 8; ++pos) x ^= rx_.at(pos);
  if (x == rx_.at(n + 9))
    valid_ = 1;
  else
    form_.fields.setText(QStringLiteral("rzstspn2"), QStringLiteral("receive sum error"));
}

// ---- thardcover

void thardcover::BuildRequest() {
  ClearData();
  FillRequest();
  tpattern::BuildRequest();
}

void thardcover::OnResponse(const uint8_t* bytes, int length) {
  tpattern::OnResponse(bytes, length);
  if (!valid_) {
    form_.showinf.ShowReceiveStatus(QStringLiteral("cmd sum verify error"));
    return;
  }
  if (rx_.at(2) != frame_.command)
    form_.showinf.ShowReceiveStatus(QStringLiteral("cmd verify error"));
  else if (rx_.at(3) != frame_.address[0] || rx_.at(4) != frame_.address[1] || rx_.at(5) != frame_.address[2] ||
           rx_.at(6) != frame_.address[3])
    form_.showinf.ShowReceiveStatus(QStringLiteral("add verify error"));
  else
    OnAnswer();
  if (rx_.at(2) == cmd::Ack) OnA0Response();
}

// ---- tctncmdhc

void tctncmdhc::StartStream() {
  running_ = 1;
  current_ = 0;
  if (running_ && current_ < total_) {
    form_.LockUi();
    current_ = 1;
    form_.fields.setText(QStringLiteral("rzmrqsts1"), QStringLiteral("1/") + QString::number(total_));
    Execute();
  }
}

void tctncmdhc::OnResponse(const uint8_t* bytes, int length) {
  if (current_ > total_) {
    current_ = 0;
    form_.UnlockUi();
    return;
  }
  thardcover::OnResponse(bytes, length);
  Advance();
  if (current_ == total_ && frame_.command == cmd::BlockWrite) StartListening();
}

void tctncmdhc::Advance() {
  if (!running_) return;
  if (current_ < total_) {
    form_.LockUi();
    ++current_;
    form_.fields.setText(QStringLiteral("rzmrqsts1"), QString::number(current_) + QLatin1Char('/') + QString::number(total_));
    Execute();
  } else {
    current_ = 0;
    running_ = 0;
    Finish();
    form_.UnlockUi();
  }
}

void tctncmdhc::Finish() {
  form_.dialogs.messageBox(form_.captions(Txt::MsgSuccess));
  form_.fields.setValue(QStringLiteral("pb1"), 0);
}

}  // namespace gx
