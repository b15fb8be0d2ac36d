// Toolbar and basic-settings buttons that talk to the device, the relays
// and the debug monitor's switch and clear buttons.
#include <QAbstractButton>
#include <functional>

#include "engine/commform.h"
#include "engine/debugcmd.h"
#include "engine/devicecommands.h"
#include "engine/fields.h"
#include "ui/tform1.h"
#include "ui/wiring.h"

namespace gx::ui {

void wireDeviceCommands(TForm1& form, CommForm& comm) {
  auto on = [&form](const char* name, std::function<void()> action) {
    if (auto* b = qobject_cast<QAbstractButton*>(form.fields().find(QString::fromLatin1(name))))
      QObject::connect(b, &QAbstractButton::clicked, b, [action = std::move(action)] { action(); });
  };
  CommForm* c = &comm;
  on("Button3", [c] { FactoryReset(*c); });
  on("Button4", [c] { RebootDevice(*c); });
  on("RzButton2", [c] { ReadDeviceTime(*c); });
  on("RzButton4", [c] { SetDeviceTime(*c); });
  on("btn48", [c] { ReadDeviceInfo(*c); });
  on("RzButton1", [c] { ChangePassword(*c); });
  on("btn4", [c] { ReadIoStatus(*c); });
  on("btn1", [c] { SwitchRelay(*c, 1, true); });
  on("btn5", [c] { SwitchRelay(*c, 1, false); });
  on("btn2", [c] { SwitchRelay(*c, 2, true); });
  on("btn6", [c] { SwitchRelay(*c, 2, false); });
  on("btn3", [c] { SendRelayState(*c); });

  // Debug switches per pair. The pair the monitor names "Ethernet" has its
  // switches on the RS232/485 page, the pair named "RS232" on the Ethernet page.
  on("btn28", [c] { c->debugcmd->Switch(tdebugcmd::kGprs, true); });
  on("btn29", [c] { c->debugcmd->Switch(tdebugcmd::kGprs, false); });
  on("btn11", [c] { c->debugcmd->Switch(tdebugcmd::kEthernet, true); });
  on("btn12", [c] { c->debugcmd->Switch(tdebugcmd::kEthernet, false); });
  on("btn15", [c] { c->debugcmd->Switch(tdebugcmd::kRs232, true); });
  on("btn16", [c] { c->debugcmd->Switch(tdebugcmd::kRs232, false); });

  auto clear = [c](std::initializer_list<const char*> lists) {
    for (const char* l : lists) c->fields.clearItems(QString::fromLatin1(l));
  };
  on("btn14", [clear] { clear({"lst1", "lst2", "lst8"}); });
  // Each clear button empties the lists of the other page's pair, as the
  // gateway's channel names put them.
  on("RzButton9", [clear] { clear({"lst3", "lst4"}); });
  on("RzButton8", [clear] { clear({"lst5", "lst6"}); });
}

}  // namespace gx::ui
