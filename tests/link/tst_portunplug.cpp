// A real pseudo-terminal: the device side vanishes in the middle of an
// exchange. The port closes at once, the user is told, the waiting command
// ends in its time-out, and nothing spins.
#include <QTest>
#include <unistd.h>

#include "engine/captionset.h"
#include "engine/commform.h"
#include "engine/password.h"
#include "engine/virtualclock.h"
#include "link/frame.h"
#include "link/opencom.h"
#include "link/recclass.h"
#include "link/serialline.h"
#include "sim/ptyserver.h"
#include "support/memoryfields.h"

using namespace gx;

namespace {
QByteArray readSome(int fd, int want) {
  QByteArray got;
  QElapsedTimer t;
  t.start();
  while (got.size() < want && t.elapsed() < 3000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    char buf[512];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n > 0) got.append(buf, n);
  }
  return got;
}
}  // namespace

class TstPortUnplug : public QObject {
  Q_OBJECT
 private slots:
  void unplugMidExchange() {
    sim::Pty pty;
    QString error;
    QVERIFY2(sim::openPty(pty, &error), qPrintable(error));

    VirtualClock clock;
    test::MemoryFields fields;
    test::RecordingDialogs dialogs;
    Captions captions;
    auto line = makeQtSerialLine();
    CommForm form(fields, dialogs, captions, clock, *line);

    fields.texts["cbb114"] = QStringLiteral("  ") + pty.slavePath + QStringLiteral(" ");
    form.opencom->TogglePort();
    QVERIFY2(form.opencom->isOpen(), qPrintable(dialogs.take()));
    QCOMPARE(fields.texts.value("btn44"), QStringLiteral("close com port"));

    fields.texts["RzEdit15"] = QStringLiteral("9068");
    form.password->Execute();
    const QByteArray request = readSome(pty.master, 13);
    QCOMPARE(request, QByteArray::fromHex("2301000000000004393036380" "2"));

    // Half an answer arrives, then the device is gone.
    const QByteArray answer = buildFrame(0x01, 0, QByteArray(1, 1));
    QCOMPARE(::write(pty.master, answer.constData(), 5), ssize_t(5));
    QTRY_VERIFY(form.recclass->length() == 5);  // the bytes reached the assembler
    sim::closePty(pty);

    QTRY_VERIFY_WITH_TIMEOUT(!form.opencom->isOpen(), 3000);
    QCOMPARE(dialogs.take(), QStringLiteral("error:Serial port lost, please check the connection"));
    QCOMPARE(fields.texts.value("btn44"), QStringLiteral("open com port"));
    QCOMPARE(fields.texts.value("rzstspn1"), QStringLiteral("Not connect"));
    QCOMPARE(fields.fills.value("rzstspn1"), 0xFF0000u);
    QCOMPARE(form.edt2, QStringLiteral("0"));
    QVERIFY(!line->isOpen());

    // Nothing repeats: the error is reported once however long we wait.
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QVERIFY(dialogs.shown.empty());

    // The verification still waits and ends in its time-out: the half frame
    // had stopped the time-out, its flush (after one period of waiting for
    // the rest of the frame, 1600 ms) starts it again.
    QVERIFY(form.password->awaiting());
    clock.advanceMs(3599);
    QVERIFY(dialogs.shown.empty());
    clock.advanceMs(1);
    QCOMPARE(dialogs.take(), QStringLiteral("box:    timeout!   "));
    QVERIFY(!form.password->awaiting());

    // A command now finds the port closed.
    form.password->Execute();
    QCOMPARE(dialogs.take(), QStringLiteral("dialog:Com Port Open Failure"));
  }

  void openingAMissingPortFails() {
    VirtualClock clock;
    test::MemoryFields fields;
    test::RecordingDialogs dialogs;
    Captions captions;
    auto line = makeQtSerialLine();
    CommForm form(fields, dialogs, captions, clock, *line);
    fields.texts["cbb114"] = QStringLiteral("/dev/gx90-no-such-port");
    form.opencom->TogglePort();
    QVERIFY(!form.opencom->isOpen());
    QCOMPARE(dialogs.take(), QStringLiteral("error:Error opening serial port"));
    QVERIFY(!fields.texts.contains("btn44"));  // the display is not touched
  }
};

QTEST_GUILESS_MAIN(TstPortUnplug)
#include "tst_portunplug.moc"
