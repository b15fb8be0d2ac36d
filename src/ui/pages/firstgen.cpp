// TabSheet9, TabSheet10, TabSheet12 (never shown): first-generation terminals.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> firstGenPagesControls() { return {}; }

}  // namespace gx::ui
