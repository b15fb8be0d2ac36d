#include "engine/devicecommands.h"

#include "engine/commform.h"
#include "engine/debugcmd.h"
#include "engine/devicequeries.h"
#include "engine/fields.h"
#include "engine/textcommands.h"
#include "link/opencom.h"

namespace gx {

namespace {
// The fixed device code in front of the reset and reboot lines.
constexpr const char* kDeviceCode = "9068";

// Sends a text line; true when it went to an open port. A closed port has
// already been reported, and no success may follow that report.
bool sendLine(CommForm& comm, tsimcmd& command, const QByteArray& text) {
  command.commandText = text;
  const bool open = comm.opencom->isOpen();
  command.Execute();
  return open;
}

void confirmedLine(CommForm& comm, Txt question, const char* word) {
  if (!DebugGatePasses(comm)) return;
  if (!comm.dialogs.askYesNo(comm.captions(question))) {
    comm.dialogs.messageDialog(comm.captions(Txt::MsgExit));
    return;
  }
  if (sendLine(comm, *comm.resetclass, QByteArray(kDeviceCode) + word))
    comm.dialogs.messageBox(comm.captions(Txt::MsgSuccess));
}
}  // namespace

void FactoryReset(CommForm& comm) { confirmedLine(comm, Txt::AskFactoryReset, "RESET"); }

void RebootDevice(CommForm& comm) { confirmedLine(comm, Txt::AskReboot, "REBOOT"); }

void ReadDeviceTime(CommForm& comm) {
  comm.timeset->SetMode(ttimeset::kRead);
  comm.timeset->Execute();
}

void SetDeviceTime(CommForm& comm) {
  comm.timeset->SetMode(ttimeset::kSet);
  comm.timeset->Execute();
}

void ReadDeviceInfo(CommForm& comm) {
  if (!DebugGatePasses(comm)) return;
  comm.idimei->Execute();
}

void ChangePassword(CommForm& comm) {
  const QString current = comm.fields.text(QStringLiteral("RzEdit68"));
  const QString next = comm.fields.text(QStringLiteral("RzEdit2"));
  if (next.isEmpty() || current.isEmpty()) {
    comm.dialogs.messageDialog(comm.captions(Txt::MsgPasswordEmpty));
    return;
  }
  if (next.size() != 4 || current.size() != 4) {
    comm.dialogs.messageDialog(comm.captions(Txt::MsgPasswordLength));
    return;
  }
  comm.changepassword->SetPasswords(current, next);
  const bool open = comm.opencom->isOpen();
  comm.changepassword->Execute();
  if (open) comm.dialogs.messageBox(QStringLiteral("    Data sent    "));
}

void ReadIoStatus(CommForm& comm) { comm.moisture->Execute(); }

void SwitchRelay(CommForm& comm, int relay, bool closed) {
  comm.relayctrl->SetRelay(relay, closed);
  comm.relayctrl->Execute();
}

void SendRelayState(CommForm& comm) { comm.relayctrl->Execute(); }

}  // namespace gx
