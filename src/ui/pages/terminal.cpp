// rztbsht_slave2: KX-TH and KX-RS terminal settings.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> terminalPageControls() { return {}; }

}  // namespace gx::ui
