// gx90sim: a GX90 gateway on a pseudo-terminal. The first line on stdout is
// the terminal's path, so scripts can read it; a stable link points there too.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

#include "link/frame.h"
#include "sim/gateway.h"
#include "sim/ptyserver.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char b = 1;
  [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &b, 1);
}

QString defaultLinkPath() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) return QString::fromLocal8Bit(runtime) + QStringLiteral("/gx90sim");
  QByteArray user = qgetenv("USER");
  if (user.isEmpty()) user = QByteArray::number(getuid());
  return QStringLiteral("/tmp/gx90sim-") + QString::fromLocal8Bit(user);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("gx90sim"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Plays a GX90 gateway on a pseudo-terminal."));
  parser.addHelpOption();
  const QCommandLineOption linkOption(QStringLiteral("link"), QStringLiteral("Stable link to the terminal."),
                                      QStringLiteral("PATH"), defaultLinkPath());
  const QCommandLineOption passwordOption(QStringLiteral("password"), QStringLiteral("Device password (default 9068)."),
                                          QStringLiteral("TEXT"), QStringLiteral("9068"));
  const QCommandLineOption silentOption(QStringLiteral("silent"), QStringLiteral("Answer nothing."));
  const QCommandLineOption verboseOption(QStringLiteral("verbose"), QStringLiteral("Log requests and answers to stderr."));
  const QCommandLineOption noPacingOption(QStringLiteral("no-pacing"),
                                          QStringLiteral("Answer at once instead of at 115200 baud."));
  parser.addOptions({linkOption, passwordOption, silentOption, verboseOption, noPacingOption});
  parser.process(app);

  gx::sim::Gateway gateway;
  gateway.setPassword(parser.value(passwordOption).toLatin1());
  gateway.setSilent(parser.isSet(silentOption));

  gx::sim::PtyServer server(gateway, {.paced = !parser.isSet(noPacingOption)});
  if (parser.isSet(verboseOption)) {
    server.onTraffic = [](bool incoming, const QByteArray& bytes) {
      const QString time = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz"));
      fprintf(stderr, "%s %s%s\n", qPrintable(time), incoming ? "<-" : "->", qPrintable(gx::hexText(bytes)));
    };
  }
  QString error;
  if (!server.start(&error)) {
    fprintf(stderr, "gx90sim: %s\n", qPrintable(error));
    return 1;
  }

  const QString link = parser.value(linkOption);
  bool linked = false;
  if (!link.isEmpty()) {
    linked = gx::sim::placeLink(link, server.slavePath(), &error);
    if (!linked) fprintf(stderr, "gx90sim: no link: %s\n", qPrintable(error));
  }
  printf("%s\n", qPrintable(server.slavePath()));
  fflush(stdout);
  fprintf(stderr, "gx90sim: serving on %s%s\n", qPrintable(server.slavePath()),
          linked ? qPrintable(QStringLiteral(" (link %1)").arg(link)) : "");

  // Signals end the event loop through a socket, so that the link is removed
  // by ordinary code rather than inside the handler.
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return 1;
  QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
  struct sigaction sa {};
  sa.sa_handler = onSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);

  const int rc = QCoreApplication::exec();
  if (linked) gx::sim::removeLink(link, server.slavePath());
  return rc;
}
