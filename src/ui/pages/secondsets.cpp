// TabSheet6 and TabSheet7: the second cellular and Ethernet field sets.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> secondSetsPageControls() { return {}; }

}  // namespace gx::ui
