// TabSheet5: the terminal list.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> terminalListPageControls() { return {}; }

}  // namespace gx::ui
