#include "ui/wiring.h"

namespace gx::ui {

void wireParameterCommands(TForm1&, CommForm&) {}

}  // namespace gx::ui
