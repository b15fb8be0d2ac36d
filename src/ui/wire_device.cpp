#include "ui/wiring.h"

namespace gx::ui {

void wireDeviceCommands(TForm1\& form, CommForm\& comm) {}

}  // namespace gx::ui
