// TabSheet2: the authorised numbers and their event matrix.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> numbersPageControls() { return {}; }

}  // namespace gx::ui
