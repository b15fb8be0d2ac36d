#include <QAbstractButton>
#include <memory>

#include "engine/commform.h"
#include "params/homepage.h"
#include "profiles/profilecommands.h"
#include "ui/tform1.h"
#include "ui/wiring.h"

namespace gx::ui {

void wireProfileCommands(TForm1& form, CommForm& comm) {
  Clock& clock = comm.clock;
  // One instance for the run, kept alive by the two connections; the
  // communication form lists it beside its command objects.
  auto xmlc = std::make_shared<txmlc>(
      comm.fields, comm.dialogs, comm.captions, [&clock] { return clock.now(); },
      [](FieldAccess& fields) { ResetParameterFields(fields); });
  comm.xmlc = xmlc.get();

  if (auto* b = qobject_cast<QAbstractButton*>(form.fields().find(QStringLiteral("Button5"))))
    QObject::connect(b, &QAbstractButton::clicked, b, [xmlc] { xmlc->SaveGatewayProfile(); });
  if (auto* b = qobject_cast<QAbstractButton*>(form.fields().find(QStringLiteral("Button6"))))
    QObject::connect(b, &QAbstractButton::clicked, b, [xmlc] { xmlc->LoadGatewayProfile(); });
}

}  // namespace gx::ui
