#include "link/portlist.h"

#include <QSerialPortInfo>
#include <future>
#include <mutex>

namespace gx {

namespace {
QStringList enumerate() {
  QStringList names;
  const auto ports = QSerialPortInfo::availablePorts();
  for (const QSerialPortInfo& p : ports) names << p.portName();
  return names;
}
std::mutex prefetchMutex;
std::future<QStringList> prefetched;
}  // namespace

void prefetchSystemPorts() {
  const std::lock_guard lock(prefetchMutex);
  if (!prefetched.valid()) prefetched = std::async(std::launch::async, enumerate);
}

QStringList listSystemPorts() {
  {
    const std::lock_guard lock(prefetchMutex);
    if (prefetched.valid()) return prefetched.get();
  }
  return enumerate();
}

}  // namespace gx
