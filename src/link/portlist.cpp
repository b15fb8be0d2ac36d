#include <QSerialPortInfo>

#include "link/portlist.h"

namespace gx {
QStringList listSystemPorts() {
  QStringList names;
  const auto ports = QSerialPortInfo::availablePorts();
  for (const QSerialPortInfo& p : ports) names << p.portName();
  return names;
}
}  // namespace gx
