// Parameter transfer benchmark over a real pseudo-terminal: gx90sim paced
// like a 115200 baud line, the real window (offscreen), QSerialPort and real
// time. Times a full parameter read and a full write, from the click to the
// success message, and prints each as a ratio to the wire time of the bytes
// exchanged (goal: at most 1.10).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/clock.h"
#include "engine/fields.h"
#include "link/serialline.h"
#include "ui/mainapp.h"
#include "ui/tform1.h"

namespace {
class CountingDialogs final : public gx::Dialogs {
 public:
  void messageBox(const QString& t) override { last = t; }
  void messageDialog(const QString& t) override { last = t; }
  void errorBox(const QString& t, const QString&) override { last = t; }
  bool askYesNo(const QString&) override { return true; }
  bool askOkCancel(const QString&) override { return true; }
  QString openFile(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
  QString last;
};

constexpr double kByteUs = 10.0 * 1e6 / 115200.0;  // start, 8 data, stop bits
// Five requests and five answers each way.
constexpr int kReadBytes = 5 * 9 + 5 * 265;
constexpr int kWriteBytes = 5 * 265 + 5 * 10;
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
  const QString link = QDir::temp().filePath(QStringLiteral("gx90sim-bench-%1").arg(QCoreApplication::applicationPid()));
  QProcess sim;
  sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../gx90sim"), {QStringLiteral("--link"), link});
  if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
    std::fprintf(stderr, "gx90sim did not start\n");
    return 1;
  }
  gx::RealClock clock;
  CountingDialogs dialogs;
  auto line = gx::makeQtSerialLine();
  gx::MainApp main({clock, dialogs, *line, QStringLiteral("English (United States)")});
  auto button = [&](const char* n) { return qobject_cast<QAbstractButton*>(main.form1().fields().find(n)); };
  qobject_cast<QComboBox*>(main.form1().fields().find("cbb114"))->setEditText(link);
  button("btn44")->click();

  auto timeOne = [&](const char* name) -> double {
    dialogs.last.clear();
    QElapsedTimer t;
    t.start();
    button(name)->click();
    while (dialogs.last.isEmpty() && t.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    if (dialogs.last != QStringLiteral("    Success!   ")) {
      std::fprintf(stderr, "%s ended with \"%s\"\n", name, qPrintable(dialogs.last));
      return -1;
    }
    return double(t.nsecsElapsed()) / 1e6;
  };
  auto median = [&](const char* name) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) ms.push_back(timeOne(name));
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
  };
  const double read = median("Button9");
  const double write = median("Button7");
  sim.terminate();
  sim.waitForFinished(3000);
  if (read < 0 || write < 0) return 1;
  const double readWire = kReadBytes * kByteUs / 1000.0, writeWire = kWriteBytes * kByteUs / 1000.0;
  std::printf("parameter read: %.1f ms, wire time %.1f ms, ratio %.2f (goal <= 1.10)\n", read, readWire,
              read / readWire);
  std::printf("parameter write: %.1f ms, wire time %.1f ms, ratio %.2f (goal <= 1.10)\n", write, writeWire,
              write / writeWire);
  return 0;
}
