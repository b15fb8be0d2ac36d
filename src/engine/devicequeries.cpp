#include "engine/devicequeries.h"

#include <QDateTime>

#include "engine/commform.h"
#include "engine/fields.h"
#include "params/codec.h"

namespace gx {

namespace {
void setupQuery(RequestFrame& f, uint8_t command, int length) {
  f.command = command;
  f.setAddress(0);
  f.setLength(length);
}
}  // namespace

// The response copy as the codec sees it: cursor 8 is response data byte 1.
static params::ConstBuffer responseBuffer(const Bytes300& rx) { return {rx.data(), size_t(kBufferSize)}; }

// ---- tidimei

tidimei::tidimei(CommForm& form) : thardcover(form) { setupQuery(frame_, cmd::DeviceInfo, 0); }

void tidimei::OnAnswer() {
  form_.showinf.ShowReceiveStatus(QStringLiteral("receive id"));
  params::FieldCodec codec(form_.fields, form_.dialogs);
  uint16_t cursor = 8;
  codec.UnpackField(QStringLiteral("RzEdit12"), 8, cursor, responseBuffer(rx_), params::kind::Text);
  codec.UnpackField(QStringLiteral("RzEdit13"), 16, cursor, responseBuffer(rx_), params::kind::Text);
  codec.UnpackField(QStringLiteral("RzEdit14"), 1, cursor, responseBuffer(rx_), params::kind::Byte);
  form_.fields.setText(QStringLiteral("RzEdit11"), QStringLiteral("GX90"));
}

// ---- tmoisture

tmoisture::tmoisture(CommForm& form) : thardcover(form) { setupQuery(frame_, cmd::LiveReadings, 0); }

void tmoisture::OnAnswer() {
  form_.showinf.ShowReceiveStatus(QStringLiteral("receive temperature status"));
  params::FieldCodec codec(form_.fields, form_.dialogs);
  uint16_t cursor = 8;
  QString temperature, humidity;
  codec.UnpackTenths(responseBuffer(rx_), cursor, temperature);
  codec.UnpackTenths(responseBuffer(rx_), cursor, humidity);
  form_.fields.setCell(QStringLiteral("tb_temp"), 0, QStringLiteral("tb_col_current"), temperature);
  form_.fields.setCell(QStringLiteral("tb_temp"), 1, QStringLiteral("tb_col_current"), humidity);
  const uint8_t inputs = rx_.at(13);
  const char* const inputEdits[] = {"RzEdit1", "RzEdit3", "RzEdit5", "RzEdit6"};
  for (int bit = 0; bit < 4; ++bit)
    form_.fields.setText(QString::fromLatin1(inputEdits[bit]),
                         form_.captions(inputs & (1 << bit) ? Txt::TxtShortCircuit : Txt::TxtOpenCircuit));
  const uint8_t relays = rx_.at(15);
  form_.fields.setText(QStringLiteral("RzEdit7"), form_.captions(relays & 1 ? Txt::TxtClose : Txt::TxtOpen));
  form_.fields.setText(QStringLiteral("RzEdit9"), form_.captions(relays & 2 ? Txt::TxtClose : Txt::TxtOpen));
}

// ---- trelayctrl

trelayctrl::trelayctrl(CommForm& form) : thardcover(form) { setupQuery(frame_, cmd::Relays, 1); }

void trelayctrl::SetRelay(int relay, bool closed) {
  const uint8_t bit = uint8_t(1 << (relay - 1));
  state_ = closed ? uint8_t(state_ | bit) : uint8_t(state_ & ~bit);
}

void trelayctrl::FillRequest() { frame_.dataAt(1) = state_; }

void trelayctrl::OnAnswer() { form_.showinf.ShowReceiveStatus(QStringLiteral("relay write complete")); }

// ---- ttimeset

ttimeset::ttimeset(CommForm& form) : thardcover(form) {
  setupQuery(frame_, kRead, 0);
}

void ttimeset::SetMode(uint8_t mode) {
  frame_.command = mode;
  frame_.setLength(mode == kSet ? 6 : 0);
}

void ttimeset::FillRequest() {
  if (frame_.command != kSet) return;
  const QDateTime now = form_.clock.now();
  frame_.dataAt(1) = uint8_t(now.date().year() - 2000);
  frame_.dataAt(2) = uint8_t(now.date().month());
  frame_.dataAt(3) = uint8_t(now.date().day());
  frame_.dataAt(4) = uint8_t(now.time().hour());
  frame_.dataAt(5) = uint8_t(now.time().minute());
  frame_.dataAt(6) = uint8_t(now.time().second());
}

void ttimeset::OnAnswer() {
  if (frame_.command == kSet) {
    form_.showinf.ShowReceiveStatus(QStringLiteral("receive timeset status"));
    if (rx_.at(9) == 1)
      form_.dialogs.messageBox(form_.captions(Txt::MsgSuccess));
    else
      form_.dialogs.messageDialog(QStringLiteral("   set failed   "));
    return;
  }
  form_.showinf.ShowReceiveStatus(QStringLiteral("receive system time"));
  const QDate date(2000 + rx_.at(9), rx_.at(10), rx_.at(11));
  const QTime time(rx_.at(12), rx_.at(13), rx_.at(14));
  if (!date.isValid() || !time.isValid()) {
    // Both boxes keep what they showed; the user learns what came.
    form_.dialogs.errorBox(QStringLiteral("The device sent an invalid date and time"),
                           QStringLiteral("%1-%2-%3 %4:%5:%6")
                               .arg(2000 + rx_.at(9))
                               .arg(rx_.at(10))
                               .arg(rx_.at(11))
                               .arg(rx_.at(12))
                               .arg(rx_.at(13))
                               .arg(rx_.at(14)));
    return;
  }
  form_.fields.setDate(QStringLiteral("RzDateTimeEdit1"), date);
  form_.fields.setTime(QStringLiteral("RzDateTimeEdit2"), time);
}

}  // namespace gx
