// gx90config: the configuration tool for the GX90 gateway and its LoRa terminals.
#include <QApplication>
#include <QCommandLineParser>
#include <QComboBox>
#include <QTimer>

#include "engine/clock.h"
#include "link/portlist.h"
#include "link/serialline.h"
#include "ui/mainapp.h"
#include "ui/qtdialogs.h"
#include "ui/tform1.h"

int main(int argc, char** argv) {
  gx::prefetchSystemPorts();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("gx90config"));
  QApplication::setApplicationDisplayName(QString());  // the window title is the tool's own

  QCommandLineParser cli;
  cli.setApplicationDescription(QStringLiteral("GX90 gateway configuration tool"));
  cli.addHelpOption();
  const QCommandLineOption portOption(QStringLiteral("port"),
                                      QStringLiteral("Serial port to put in the port box (a name or a full path)."),
                                      QStringLiteral("name"));
  const QCommandLineOption exitShown(QStringLiteral("exit-when-shown"),
                                     QStringLiteral("Quit as soon as the window has been shown (start-up timing)."));
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Save a picture of the window as it starts, then quit."),
                                      QStringLiteral("file.png"));
  cli.addOption(screenshot);
  const QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("Bring this page forward at start."),
                                      QStringLiteral("name"));
  cli.addOption(pageOption);
  cli.addOption(portOption);
  cli.addOption(exitShown);
  cli.process(app);

  gx::RealClock clock;
  gx::QtDialogs dialogs;
  auto line = gx::makeQtSerialLine();
  gx::MainApp main({clock, dialogs, *line, gx::systemLanguageName()});
  dialogs.setParent(&main.form1());

  if (cli.isSet(portOption)) {
    auto* box = main.form1().findChild<QComboBox*>(QStringLiteral("cbb114"));
    const QString port = cli.value(portOption).trimmed();
    if (box->findText(port) < 0) box->insertItem(0, port);
    box->setCurrentIndex(box->findText(port));
  }

  if (cli.isSet(pageOption)) main.form1().ShowPage(cli.value(pageOption));
  main.form1().show();
  if (cli.isSet(screenshot)) {
    QTimer::singleShot(0, &app, [&main, &cli, &screenshot] {
      const bool ok = main.form1().grab().save(cli.value(screenshot));
      QApplication::exit(ok ? 0 : 1);
    });
  }
  if (cli.isSet(exitShown)) {
    QTimer::singleShot(0, &app, [&main] {
      main.form1().repaint();  // the whole window painted once, then leave
      QApplication::quit();
    });
  }
  return app.exec();
}
