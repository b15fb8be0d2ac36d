#include "ui/mainapp.h"

#include <QGuiApplication>
#include <QLocale>

#include "engine/commform.h"
#include "link/opencom.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/wiring.h"

namespace gx {

MainApp::MainApp(const Platform& p) {
  form1_ = std::make_unique<TForm1>(captions_, p.languageName);
  comm_ = std::make_unique<CommForm>(form1_->fields(), p.dialogs, captions_, p.clock, p.line);
  form2_ = std::make_unique<TForm2>(*comm_);
  form1_->setComm(comm_.get());
  ui::wireFieldBehaviours(*form1_);
  ui::wireDeviceCommands(*form1_, *comm_);
  ui::wireParameterCommands(*form1_, *comm_);
  ui::wireProfileCommands(*form1_, *comm_);
}

MainApp::~MainApp() {
  // The window's handlers reach the engine; detach before either goes.
  form1_->setComm(nullptr);
}

QString systemLanguageName() {
  // Like the Windows locale query: the language in English, with the
  // territory in brackets, at most 20 characters.
  const QLocale loc = QLocale::system();
  QString name = QLocale::languageToString(loc.language());
  if (loc.language() == QLocale::Chinese) {
    name = QStringLiteral("Chinese (%1, %2)")
               .arg(loc.script() == QLocale::TraditionalChineseScript ? QStringLiteral("Traditional")
                                                                       : QStringLiteral("Simplified"),
                    QLocale::territoryToString(loc.territory()));
  } else if (loc.territory() != QLocale::AnyTerritory) {
    name += QStringLiteral(" (") + QLocale::territoryToString(loc.territory()) + QLatin1Char(')');
  }
  return name.left(20);
}

}  // namespace gx
