#include "ui/wiring.h"

namespace gx::ui {

void wireProfileCommands(TForm1\& form, CommForm\& comm) {}

}  // namespace gx::ui
