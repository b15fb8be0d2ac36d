#include "ui/wiring.h"

namespace gx::ui {

void wireProfileCommands(TForm1&, CommForm&) {}

}  // namespace gx::ui
