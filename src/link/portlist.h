#pragma once
#include <QStringList>

namespace gx {
// Starts listing the system's ports in the background; the list takes a
// while (device enumeration) and the window can be built meanwhile.
void prefetchSystemPorts();
// The serial ports this PC offers, by system name (ttyS0, ttyUSB0, ...).
[[nodiscard]] QStringList listSystemPorts();
}  // namespace gx
