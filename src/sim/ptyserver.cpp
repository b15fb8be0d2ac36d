#include "sim/ptyserver.h"

#include <QFile>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include "sim/gateway.h"

namespace gx::sim {
namespace {

constexpr int64_t kBaud = 115200;
constexpr int64_t kBitsPerByte = 10;
constexpr int kPumpMs = 1;
constexpr int kTickMs = 250;
// Output nobody reads piles up in the terminal; after this long it is dropped,
// as bytes on an unconnected wire would be.
constexpr int64_t kBlockedDropUs = 1'000'000;

QString systemError(const char* what) { return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(strerror(errno))); }

}  // namespace

int64_t wireTimeUs(int64_t bytes) { return (bytes * kBitsPerByte * 1'000'000 + kBaud - 1) / kBaud; }

bool openPty(Pty& pty, QString* error) {
  auto fail = [&](const char* what) {
    if (error) *error = systemError(what);
    closePty(pty);
    return false;
  };
  pty.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.master < 0) return fail("posix_openpt");
  if (grantpt(pty.master) != 0) return fail("grantpt");
  if (unlockpt(pty.master) != 0) return fail("unlockpt");
  char name[128];
  if (ptsname_r(pty.master, name, sizeof name) != 0) return fail("ptsname");
  pty.slavePath = QString::fromLocal8Bit(name);
  pty.slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.slave < 0) return fail("open slave");
  termios t{};
  if (tcgetattr(pty.slave, &t) != 0) return fail("tcgetattr");
  cfmakeraw(&t);
  cfsetispeed(&t, B115200);
  cfsetospeed(&t, B115200);
  if (tcsetattr(pty.slave, TCSANOW, &t) != 0) return fail("tcsetattr");
  const int flags = fcntl(pty.master, F_GETFL);
  if (flags < 0 || fcntl(pty.master, F_SETFL, flags | O_NONBLOCK) != 0) return fail("fcntl");
  return true;
}

void closePty(Pty& pty) {
  if (pty.slave >= 0) ::close(pty.slave);
  if (pty.master >= 0) ::close(pty.master);
  pty.slave = pty.master = -1;
}

bool placeLink(const QString& linkPath, const QString& target, QString* error) {
  const QByteArray link = QFile::encodeName(linkPath);
  struct stat st {};
  if (lstat(link.constData(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) {
      if (error) *error = QStringLiteral("%1 exists and is not a link").arg(linkPath);
      return false;
    }
    ::unlink(link.constData());
  }
  if (::symlink(QFile::encodeName(target).constData(), link.constData()) != 0) {
    if (error) *error = systemError("symlink");
    return false;
  }
  return true;
}

void removeLink(const QString& linkPath, const QString& target) {
  const QByteArray link = QFile::encodeName(linkPath);
  char buf[512];
  const ssize_t n = readlink(link.constData(), buf, sizeof buf - 1);
  if (n <= 0) return;
  if (QByteArray(buf, n) == QFile::encodeName(target)) ::unlink(link.constData());
}

// ---------------------------------------------------------------- PacedWriter

PacedWriter::PacedWriter(int fd) : fd_(fd) {
  clock_.start();
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kPumpMs);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { pump(); });
}

void PacedWriter::enqueue(const QByteArray& bytes, int pauseMs, int64_t notBeforeUs) {
  if (bytes.isEmpty()) return;
  const int64_t start = std::max({notBeforeUs, freeUs_, nowUs()}) + int64_t(pauseMs) * 1000;
  freeUs_ = start + (paced_ ? wireTimeUs(bytes.size()) : 0);
  queue_.push_back(Piece{bytes, start, 0});
  pump();
}

void PacedWriter::pump() {
  const int64_t now = nowUs();
  while (!queue_.empty()) {
    Piece& p = queue_.front();
    if (now < p.startUs) break;
    // Byte k is through the wire at start + wireTime(k + 1).
    const qsizetype due =
        paced_ ? qsizetype(std::min<int64_t>(p.bytes.size(), (now - p.startUs) * kBaud / (kBitsPerByte * 1'000'000)))
               : p.bytes.size();
    if (due > p.sent) {
      const ssize_t n = ::write(fd_, p.bytes.constData() + p.sent, size_t(due - p.sent));
      if (n > 0) {
        p.sent += n;
        blockedSinceUs_ = -1;
      } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        if (blockedSinceUs_ < 0) blockedSinceUs_ = now;
        if (now - blockedSinceUs_ > kBlockedDropUs) {
          queue_.clear();
          blockedSinceUs_ = -1;
        }
        break;
      } else if (n < 0 && errno != EINTR) {
        queue_.clear();  // the terminal is gone; nothing more to say
        break;
      }
    }
    if (p.sent < p.bytes.size()) break;
    queue_.pop_front();
  }
  if (queue_.empty())
    timer_.stop();
  else if (!timer_.isActive())
    timer_.start();
}

// ---------------------------------------------------------------- PtyServer

PtyServer::PtyServer(Gateway& gateway, Options options) : gateway_(gateway), options_(options) {
  tick_.setInterval(kTickMs);
  QObject::connect(&tick_, &QTimer::timeout, &tick_, [this] {
    const int64_t ms = sinceTick_.restart();
    answerFromUs_ = writer_ ? writer_->nowUs() : 0;
    gateway_.tick(int(ms));
  });
}

PtyServer::~PtyServer() {
  gateway_.send = nullptr;
  notifier_.reset();
  writer_.reset();
  closePty(pty_);
}

bool PtyServer::start(QString* error) {
  if (!openPty(pty_, error)) return false;
  writer_ = std::make_unique<PacedWriter>(pty_.master);
  writer_->setPaced(options_.paced);
  gateway_.send = [this](const QByteArray& bytes, int pauseMs) {
    if (onTraffic) onTraffic(false, bytes);
    writer_->enqueue(bytes, pauseMs, answerFromUs_);
  };
  notifier_ = std::make_unique<QSocketNotifier>(pty_.master, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { readMaster(); });
  sinceTick_.start();
  tick_.start();
  return true;
}

void PtyServer::readMaster() {
  char buf[4096];
  for (;;) {
    const ssize_t n = ::read(pty_.master, buf, sizeof buf);
    if (n <= 0) {
      // EIO would mean no slave is open; ours always is, so this is a spurious wake-up.
      if (n < 0 && errno == EINTR) continue;
      return;
    }
    const QByteArray bytes(buf, n);
    if (onTraffic) onTraffic(true, bytes);
    const int64_t now = writer_->nowUs();
    // The pseudo-terminal hands the bytes over at once; on a wire they would
    // still be arriving, and the device answers only after the last one.
    rxFreeUs_ = std::max(now, rxFreeUs_) + wireTimeUs(n);
    answerFromUs_ = options_.paced ? rxFreeUs_ : now;
    gateway_.receive(bytes);
  }
}

}  // namespace gx::sim
