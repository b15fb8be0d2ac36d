// The shipped code path over a real pseudo-terminal: the gx90sim program,
// QSerialPort, real time and the real window (offscreen). A user's clicks on
// "Open Com" and "Password".
#include <QAbstractButton>
#include <QComboBox>
#include <QProcess>
#include <QTest>

#include "engine/clock.h"
#include "link/serialline.h"
#include "support/memoryfields.h"
#include "ui/mainapp.h"
#include "ui/tform1.h"

using namespace gx;

namespace {
// Waits up to 3 s for the next message and takes it.
QString nextMessage(test::RecordingDialogs& dialogs) {
  QElapsedTimer t;
  t.start();
  while (dialogs.shown.empty() && t.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return dialogs.take();
}
}  // namespace

class TstRealPort : public QObject {
  Q_OBJECT
 private:
  QProcess sim_;
  QString port_;

 private slots:
  void initTestCase() {
    const QString link = QDir::temp().filePath(QStringLiteral("gx90sim-test-%1").arg(QCoreApplication::applicationPid()));
    sim_.start(QStringLiteral(GX90SIM_PATH), {QStringLiteral("--link"), link});
    QVERIFY(sim_.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(sim_.canReadLine(), 5000);
    port_ = QString::fromLocal8Bit(sim_.readLine()).trimmed();
    QVERIFY2(port_.startsWith(QLatin1String("/dev/")), qPrintable(port_));
    QTRY_VERIFY(QFileInfo(link).isSymLink());
    port_ = link;  // open through the stable link, as scripts/run does
  }
  void cleanupTestCase() {
    sim_.terminate();
    sim_.waitForFinished(3000);
  }

  void passwordOverPseudoTerminal() {
    RealClock clock;
    test::RecordingDialogs dialogs;
    auto line = makeQtSerialLine();
    MainApp app({clock, dialogs, *line, QStringLiteral("English (United States)")});
    TForm1& w = app.form1();
    auto click = [&](const char* name) { qobject_cast<QAbstractButton*>(w.fields().find(name))->click(); };

    qobject_cast<QComboBox*>(w.fields().find("cbb114"))->setEditText(port_);
    click("btn44");
    QVERIFY2(dialogs.shown.empty(), qPrintable(dialogs.take()));
    QCOMPARE(w.fields().text("rzstspn1"), QStringLiteral("Connect successed"));
    click("btn51");
    QCOMPARE(nextMessage(dialogs), QStringLiteral("box:  Password correct!  "));

    w.fields().setText("RzEdit15", QStringLiteral("1234"));
    click("btn51");
    QCOMPARE(nextMessage(dialogs), QStringLiteral("dialog:   password error   "));

    click("btn44");
    QCOMPARE(w.fields().text("btn44"), QStringLiteral("open com port"));
    // Opening again works: nothing was left behind on the terminal.
    click("btn44");
    QVERIFY2(dialogs.shown.empty(), qPrintable(dialogs.take()));
    w.fields().setText("RzEdit15", QStringLiteral("9068"));
    click("btn51");
    QCOMPARE(nextMessage(dialogs), QStringLiteral("box:  Password correct!  "));
  }

  // Device information, the clock both ways, and the debug monitor filling
  // its lists from the simulator's traffic, over the real line.
  void deviceCommandsOverPseudoTerminal() {
    RealClock clock;
    test::RecordingDialogs dialogs;
    auto line = makeQtSerialLine();
    MainApp app({clock, dialogs, *line, QStringLiteral("English (United States)")});
    TForm1& w = app.form1();
    auto click = [&](const char* name) {
      auto* b = qobject_cast<QAbstractButton*>(w.fields().find(name));
      QVERIFY2(b, name);
      b->click();
    };
    qobject_cast<QComboBox*>(w.fields().find("cbb114"))->setEditText(port_);
    click("btn44");

    click("btn48");
    QTRY_COMPARE_WITH_TIMEOUT(w.fields().text("RzEdit11"), QStringLiteral("GX90"), 3000);
    QVERIFY(!w.fields().text("RzEdit12").isEmpty());
    QCOMPARE(w.fields().text("RzEdit13").size(), 15);

    click("RzButton4");
    QCOMPARE(nextMessage(dialogs), QStringLiteral("box:    Success!   "));
    click("RzButton2");
    QTRY_VERIFY_WITH_TIMEOUT(w.fields().text("rzstspn2").endsWith("receive system time"), 3000);
    const QDateTime device(w.fields().date("RzDateTimeEdit1"), w.fields().time("RzDateTimeEdit2"));
    QVERIFY(qAbs(device.secsTo(QDateTime::currentDateTime())) < 5);

    click("btn28");
    QCOMPARE(nextMessage(dialogs), QStringLiteral("box:    Success!   "));  // the echo matched
    QTRY_VERIFY_WITH_TIMEOUT(w.fields().itemCount("lst1") + w.fields().itemCount("lst2") >= 2, 5000);
    click("btn29");
    click("btn44");
  }
};

QTEST_MAIN(TstRealPort)
#include "tst_realport.moc"
