#include "ui/wiring.h"

namespace gx::ui {

void wireDeviceCommands(TForm1&, CommForm&) {}

}  // namespace gx::ui
