// Language switch benchmark: the whole window's caption pass, both ways,
// timed with QElapsedTimer on the real (offscreen) window. Prints the median
// switch time as a ratio against the 300 ms goal.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/virtualclock.h"
#include "sim/simline.h"
#include "ui/mainapp.h"
#include "ui/tform1.h"

namespace {
class YesDialogs final : public gx::Dialogs {
 public:
  void messageBox(const QString&) override {}
  void messageDialog(const QString&) override {}
  void errorBox(const QString&, const QString&) override {}
  bool askYesNo(const QString&) override { return true; }
  bool askOkCancel(const QString&) override { return true; }
  QString openFile(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
};
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 11;
  gx::VirtualClock clock;
  YesDialogs dialogs;
  gx::sim::SimLine line(clock, nullptr);
  gx::MainApp main({clock, dialogs, line, QStringLiteral("English (United States)")});
  main.form1().show();
  QApplication::processEvents();
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer t;
    t.start();
    main.form1().Button2Click();
    QApplication::processEvents();
    ms.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  const double median = ms[ms.size() / 2];
  std::printf("language switch: median %.1f ms over %d switches (min %.1f, max %.1f)\n", median, runs, ms.front(),
              ms.back());
  std::printf("language switch ratio to the 300 ms goal: %.2f (goal <= 1.00)\n", median / 300.0);
  return 0;
}
