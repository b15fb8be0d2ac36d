// The gateway served on a real pseudo-terminal, talked to through the slave
// side as a serial program would.
#include <QSerialPort>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

#include "link/frame.h"
#include "sim/gateway.h"
#include "sim/ptyserver.h"

using gx::buildFrame;
using gx::sim::Gateway;
using gx::sim::PtyServer;
namespace cmd = gx::cmd;

namespace {

int openSlave(const QString& path) { return ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK); }

// Reads until `count` bytes are in or the time is up, keeping the server's event loop going.
QByteArray readBytes(int fd, int count, int timeoutMs, qint64* doneAfterUs = nullptr, const QElapsedTimer* since = nullptr) {
  QByteArray got;
  QElapsedTimer t;
  t.start();
  while (got.size() < count && t.elapsed() < timeoutMs) {
    QCoreApplication::processEvents();
    char buf[512];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n > 0) {
      got.append(buf, n);
      continue;
    }
    QThread::usleep(200);
  }
  if (doneAfterUs && since) *doneAfterUs = since->nsecsElapsed() / 1000;
  return got;
}

bool writeAll(int fd, const QByteArray& b) { return ::write(fd, b.constData(), size_t(b.size())) == b.size(); }

}  // namespace

class TstPtyServer : public QObject {
  Q_OBJECT

 private slots:
  void deviceInfoOverThePty() {
    Gateway gw;
    PtyServer server(gw);
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    const int fd = openSlave(server.slavePath());
    QVERIFY(fd >= 0);
    QVERIFY(writeAll(fd, buildFrame(cmd::DeviceInfo, 0, {})));
    const QByteArray a = readBytes(fd, 34, 3000);
    ::close(fd);
    QCOMPARE(a.size(), 34);
    QVERIFY(gx::frameCheckOk(a));
    QCOMPARE(uint8_t(a[1]), cmd::DeviceInfo);
  }

  // The program's own way in: QSerialPort at 115200 8N1, by the stable link.
  void serialPortThroughTheLink() {
    Gateway gw;
    PtyServer server(gw);
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    QTemporaryDir dir;
    const QString link = dir.filePath("gx90sim");
    QVERIFY2(gx::sim::placeLink(link, server.slavePath(), &error), qPrintable(error));
    QSerialPort port(link);
    port.setBaudRate(QSerialPort::Baud115200);
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    port.write(buildFrame(cmd::Password, 0, "9068"));
    QByteArray a;
    connect(&port, &QSerialPort::readyRead, this, [&] { a += port.readAll(); });
    QVERIFY(QTest::qWaitFor([&] { return a.size() >= 10; }, 3000));
    port.close();
    QVERIFY(gx::frameCheckOk(a));
    QCOMPARE(uint8_t(a[1]), cmd::Password);
    QCOMPARE(uint8_t(a[8]), uint8_t(1));
  }

  void blockReadTakesWireTime() {
    Gateway gw;
    PtyServer server(gw);
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    const int fd = openSlave(server.slavePath());
    QVERIFY(fd >= 0);
    const QByteArray request = buildFrame(cmd::BlockRead, 0x40000, {});
    QElapsedTimer since;
    since.start();
    QVERIFY(writeAll(fd, request));
    qint64 doneUs = 0;
    const QByteArray a = readBytes(fd, 265, 3000, &doneUs, &since);
    ::close(fd);
    QCOMPARE(a.size(), 265);
    QVERIFY(gx::frameCheckOk(a));
    QCOMPARE(a.mid(8, 256), gw.read(0x40000, 256));
    // Request and answer both crossed a 115200 baud wire.
    QVERIFY2(doneUs >= gx::sim::wireTimeUs(request.size() + a.size()), qPrintable(QString::number(doneUs)));
  }

  void programMayCloseAndReopen() {
    Gateway gw;
    PtyServer server(gw, {.paced = false});
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    for (int round = 0; round < 3; ++round) {
      const int fd = openSlave(server.slavePath());
      QVERIFY(fd >= 0);
      QVERIFY(writeAll(fd, buildFrame(cmd::ReadClock, 0, {})));
      const QByteArray a = readBytes(fd, 15, 3000);
      ::close(fd);
      QVERIFY2(gx::frameCheckOk(a), qPrintable(gx::hexText(a)));
      QCOMPARE(uint8_t(a[1]), cmd::ReadClock);
    }
    QCOMPARE(gw.requests().size(), size_t(3));
  }

  void trafficReportsBothDirections() {
    Gateway gw;
    PtyServer server(gw, {.paced = false});
    QList<std::pair<bool, QByteArray>> seen;
    server.onTraffic = [&](bool incoming, const QByteArray& b) { seen.append({incoming, b}); };
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    const int fd = openSlave(server.slavePath());
    QVERIFY(fd >= 0);
    const QByteArray request = buildFrame(cmd::Password, 0, "9068");
    QVERIFY(writeAll(fd, request));
    const QByteArray a = readBytes(fd, 10, 3000);
    ::close(fd);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0], std::make_pair(true, request));
    QCOMPARE(seen[1], std::make_pair(false, a));
  }

  void linkPointsAtTheTerminal() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath("gx90sim");
    QString error;
    QVERIFY2(gx::sim::placeLink(link, "/dev/pts/old", &error), qPrintable(error));
    QVERIFY2(gx::sim::placeLink(link, "/dev/pts/new", &error), qPrintable(error));  // a stale link is replaced
    QCOMPARE(QFileInfo(link).symLinkTarget(), QString("/dev/pts/new"));
    gx::sim::removeLink(link, "/dev/pts/other");  // not ours: stays
    QVERIFY(QFileInfo(link).isSymLink());
    gx::sim::removeLink(link, "/dev/pts/new");
    QVERIFY(!QFileInfo(link).isSymLink());

    const QString plain = dir.filePath("plain");
    QFile f(plain);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(!gx::sim::placeLink(plain, "/dev/pts/new", &error));
    QVERIFY(QFileInfo(plain).isFile() && !QFileInfo(plain).isSymLink());
  }
};

QTEST_GUILESS_MAIN(TstPtyServer)
#include "tst_ptyserver.moc"
