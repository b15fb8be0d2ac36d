#include "engine/password.h"

#include "engine/commform.h"
#include "engine/fields.h"
#include "link/codepage.h"
#include "link/opencom.h"

namespace gx {

tpassword::tpassword(CommForm& form) : tpattern(form) {
  frame_.command = cmd::Password;
  frame_.setAddress(0);
  frame_.setLength(4);
}

void tpassword::Execute() {
  if (form_.opencom->isOpen()) {
    Send();
    return;
  }
  form_.UnlockUi();
  form_.SetHistoryPacing(false);
  form_.dialogs.messageDialog(form_.captions(Txt::MsgPortFailure));
}

void tpassword::Send() {
  answered_ = 0;
  tpattern::Send();
}

void tpassword::BuildRequest() {
  for (int k = 1; k <= 4; ++k) frame_.dataAt(k) = 0xFF;
  const QByteArray text = codepage::fromUnicode(form_.fields.text(QStringLiteral("RzEdit15")));
  for (int k = 1; k <= qMin<int>(4, int(text.size())); ++k) frame_.dataAt(k) = uint8_t(text[k - 1]);
  tpattern::BuildRequest();
}

void tpassword::OnResponse(const uint8_t* bytes, int length) {
  tpattern::OnResponse(bytes, length);
  if (!valid_) return;
  if (rx_.at(2) == cmd::Password) answered_ = 1;
  if (!answered_) return;
  if (rx_.at(9) == 1)
    form_.dialogs.messageBox(form_.captions(Txt::MsgPasswordCorrect));
  else
    form_.dialogs.messageDialog(QStringLiteral("   password error   "));
}

void tpassword::OnTimeout() {
  form_.fields.setText(QStringLiteral("rzstspn3"), QStringLiteral("time out_cmd_key"));
  tpattern::OnTimeout();
}

}  // namespace gx
