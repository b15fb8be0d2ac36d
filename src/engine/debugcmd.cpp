#include "engine/debugcmd.h"

#include "engine/commform.h"
#include "engine/fields.h"
#include "link/codepage.h"

namespace gx {

void tdebugcmd::BuildRequest() {
  commandText = "DBG=" + QByteArray::number(mode_);
  tsimcmd::BuildRequest();
}

void tdebugcmd::Switch(uint8_t pair, bool on) {
  mode_ = on ? uint8_t(mode_ | pair) : uint8_t(mode_ & ~pair);
  Execute();
  form_.tmr1->setEnabled(false);
}

QString tdebugcmd::ActiveChannels() const {
  QStringList names;
  if ((mode_ & kGprs) == kGprs) names << QStringLiteral("GPRS");
  if ((mode_ & kEthernet) == kEthernet) names << QStringLiteral("Ethernet");
  if ((mode_ & kRs232) == kRs232) names << QStringLiteral("RS232");
  return names.join(QLatin1Char('.'));
}

bool tdebugcmd::EchoMatches(const uint8_t* bytes, int length) const {
  auto hexDigit = [](uint8_t c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (mode_ < 16) {
    if (length <= 10) return false;
    const uint8_t c = bytes[10];
    // The gateway writes one digit: below 'a' a decimal digit, 'a'..'f' for 10..15.
    const int v = c < 'a' ? c - '0' : c - 'a' + 10;
    return v == mode_;
  }
  if (length <= 11) return false;
  const int hi = hexDigit(bytes[10]), lo = hexDigit(bytes[11]);
  return hi >= 0 && lo >= 0 && hi * 16 + lo == mode_;
}

void tdebugcmd::OfferResponse(const uint8_t* bytes, int length) {
  if (awaiting_) {
    awaiting_ = false;
    if (EchoMatches(bytes, length)) form_.dialogs.messageBox(form_.captions(Txt::MsgSuccess));
    return;
  }
  if (mode_ != 0) OnResponse(bytes, length);
}

void tdebugcmd::OnResponse(const uint8_t* bytes, int length) {
  ttimerrequire::OnResponse(bytes, length);
  const QByteArray raw(reinterpret_cast<const char*>(bytes), length);
  const QString text = codepage::toUnicode(raw);
  static const struct {
    const char* tag;
    const char* list;
  } routes[] = {{"SendG", "lst1"}, {"RecGp", "lst2"}, {"Send4", "lst5"},
                {"Rec48", "lst6"}, {"SendE", "lst3"}, {"RecET", "lst4"}};
  for (const auto& r : routes) {
    if (raw.startsWith(r.tag)) {
      form_.fields.addItem(QString::fromLatin1(r.list), text);
      return;
    }
  }
  form_.fields.addItem(QStringLiteral("lst7"), text);
  form_.fields.scrollToLast(QStringLiteral("lst7"));
}

bool DebugGatePasses(CommForm& comm) {
  if (!comm.debugcmd) return true;
  const QString active = comm.debugcmd->ActiveChannels();
  if (active.isEmpty()) return true;
  comm.dialogs.messageDialog(comm.captions(Txt::MsgStopMonitor) + QLatin1Char(':') + active);
  return false;
}

}  // namespace gx
