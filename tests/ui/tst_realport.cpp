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
};

QTEST_MAIN(TstRealPort)
#include "tst_realport.moc"
