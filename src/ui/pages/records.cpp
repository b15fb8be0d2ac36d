// TabSheet11 and rztbsht_alarmRecord: history and alarm records.
#include "ui/tables.h"

namespace gx::ui {

std::span<const ControlDef> recordPagesControls() { return {}; }

}  // namespace gx::ui
