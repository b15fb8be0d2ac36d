#include "ui/wiring.h"

namespace gx::ui {

void wireFieldBehaviours(TForm1&) {}

}  // namespace gx::ui
