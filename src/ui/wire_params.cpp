#include "ui/wiring.h"

namespace gx::ui {

void wireParameterCommands(TForm1\& form, CommForm\& comm) {}

}  // namespace gx::ui
