#pragma once
// Runs one scenario file against a fresh program instance on virtual time.
#include <QString>

namespace gx::drive {

struct Outcome {
  bool passed = false;
  QString message;  // "name:LINE: expected ... got ..." on failure
};

[[nodiscard]] Outcome runScenario(const QString& path);

}  // namespace gx::drive
