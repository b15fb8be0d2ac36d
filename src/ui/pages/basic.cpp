// TabSheet1: basic settings.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> basicPageControls() { return {}; }

}  // namespace gx::ui
