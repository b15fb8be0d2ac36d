// The baseline of the start-up benchmark: a minimal Qt Widgets window,
// started and left the same way as gx90config --exit-when-shown.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("minimal"));
  window.resize(1240, 760);
  window.show();
  QTimer::singleShot(0, &app, [&window] {
    window.repaint();
    QApplication::quit();
  });
  return app.exec();
}
