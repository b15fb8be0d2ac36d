// TabSheet3 (never shown): inputs, temperature and humidity, relays.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> ioPageControls() { return {}; }

}  // namespace gx::ui
