#pragma once
// The whole program (offscreen window, engine) on virtual time with a manual
// device line and recording dialogs.
#include "engine/virtualclock.h"
#include "sim/simline.h"
#include "support/memoryfields.h"
#include "ui/mainapp.h"

namespace gx::test {

struct AppRig {
  VirtualClock clock;
  RecordingDialogs dialogs;
  sim::SimLine line{clock, nullptr};
  MainApp app;
  explicit AppRig(const QString& language) : app({clock, dialogs, line, language}) {}
};

}  // namespace gx::test
