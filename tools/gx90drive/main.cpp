// gx90drive: runs scenario files against the real window on virtual time.
#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

#include "scenario.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("gx90config"));
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const QStringList files = app.arguments().mid(1);
  if (files.isEmpty() || files.first().startsWith(QLatin1Char('-'))) {
    std::fprintf(stderr, "usage: gx90drive FILE...\n");
    return 2;
  }
  int passed = 0, failed = 0;
  for (const QString& f : files) {
    const gx::drive::Outcome o = gx::drive::runScenario(f);
    if (o.passed) {
      ++passed;
      std::printf("PASS %s\n", qPrintable(QFileInfo(f).fileName()));
    } else {
      ++failed;
      std::printf("FAIL %s\n", qPrintable(o.message));
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
