// TabSheet4: ten timers.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> timersPageControls() { return {}; }

}  // namespace gx::ui
