#pragma once
#include <QStringList>

namespace gx {
// The serial ports this PC offers, by system name (ttyS0, ttyUSB0, ...).
[[nodiscard]] QStringList listSystemPorts();
}  // namespace gx
