#pragma once
// The communication engine on virtual time with in-memory fields and a
// manual device line: what an engine test needs, in one place.
#include "engine/captionset.h"
#include "engine/commform.h"
#include "engine/virtualclock.h"
#include "link/opencom.h"
#include "sim/simline.h"
#include "support/memoryfields.h"

namespace gx::test {

struct EngineRig {
  VirtualClock clock;
  MemoryFields fields;
  RecordingDialogs dialogs;
  Captions captions;
  sim::SimLine line{clock, nullptr};
  CommForm form{fields, dialogs, captions, clock, line};

  void openPort() {
    fields.texts["cbb114"] = QStringLiteral("sim0");
    form.opencom->TogglePort();
  }
  // The oldest write to the port, or empty.
  QByteArray takeSent() {
    if (line.written.empty()) return {};
    QByteArray b = line.written.front();
    line.written.pop_front();
    return b;
  }
  bool allButtonsEnabled(bool on) const {
    for (const char* n : transactionButtons())
      if (fields.enabled.value(QString::fromLatin1(n), true) != on) return false;
    return true;
  }
};

}  // namespace gx::test
