// Start-up benchmark: wall time from process start to the shown, painted
// main window, against a minimal Qt Widgets window started the same way.
// Prints the medians and their ratio (goal: at most 2).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double medianMs(const QString& program, const QStringList& args, int runs) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
      std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), p.readAllStandardError().constData());
      return -1;
    }
    ms.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString dir = QCoreApplication::applicationDirPath();
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 11;
  const double base = medianMs(dir + QStringLiteral("/minimal_window"), {}, runs);
  const double tool = medianMs(dir + QStringLiteral("/../gx90config"), {QStringLiteral("--exit-when-shown")}, runs);
  if (base <= 0 || tool <= 0) return 1;
  std::printf("startup: minimal window %.1f ms, gx90config %.1f ms (medians of %d)\n", base, tool, runs);
  std::printf("startup ratio: %.2f (goal <= 2.00)\n", tool / base);
  return 0;
}
