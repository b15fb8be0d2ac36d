// Reading and writing the gateway parameters from the toolbar.
#include <QAbstractButton>

#include "engine/commform.h"
#include "params/homepage.h"
#include "ui/tform1.h"
#include "ui/wiring.h"

namespace gx::ui {

void wireParameterCommands(TForm1& form, CommForm& comm) {
  CommForm* c = &comm;
  if (auto* b = qobject_cast<QAbstractButton*>(form.fields().find(QStringLiteral("Button9"))))
    QObject::connect(b, &QAbstractButton::clicked, b, [c] { ReadGatewaySettings(*c); });
  if (auto* b = qobject_cast<QAbstractButton*>(form.fields().find(QStringLiteral("Button7"))))
    QObject::connect(b, &QAbstractButton::clicked, b, [c] { WriteGatewaySettings(*c); });
}

}  // namespace gx::ui
