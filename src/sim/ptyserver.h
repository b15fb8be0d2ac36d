#pragma once
// Serving the gateway model on a pseudo-terminal, so that the real program
// (or anything else that opens a serial port) can talk to it. The answers go
// out no faster than a 115200 baud wire would carry them.
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace gx::sim {

class Gateway;

// Both ends of a pseudo-terminal. The server keeps the slave side open itself:
// then nothing the program does on its side (closing, reopening) ever makes
// the master report a hang-up.
struct Pty {
  int master = -1;
  int slave = -1;
  QString slavePath;
};

// Opens a new pseudo-terminal, slave side in raw mode (no echo, no line
// editing), master side non-blocking. On failure returns false with the reason.
[[nodiscard]] bool openPty(Pty& pty, QString* error);
void closePty(Pty& pty);

// Points a symbolic link at target, replacing an older link of that name but
// never a file that is not a link.
[[nodiscard]] bool placeLink(const QString& linkPath, const QString& target, QString* error);
// Removes the link if it still points at target (another server may own it now).
void removeLink(const QString& linkPath, const QString& target);

// Microseconds a byte takes on a 115200 baud 8N1 line, for n bytes.
[[nodiscard]] int64_t wireTimeUs(int64_t bytes);

// Writes to a file descriptor at wire speed: each piece starts no earlier than
// asked and after the pause it asks for, and its bytes leave as the wire
// would have carried them (a 1 ms timer writes what is due).
class PacedWriter {
 public:
  explicit PacedWriter(int fd);
  void setPaced(bool on) { paced_ = on; }
  // Microseconds on the writer's own clock.
  [[nodiscard]] int64_t nowUs() const { return clock_.nsecsElapsed() / 1000; }
  void enqueue(const QByteArray& bytes, int pauseMs, int64_t notBeforeUs);
  [[nodiscard]] bool idle() const { return queue_.empty(); }

 private:
  struct Piece {
    QByteArray bytes;
    int64_t startUs = 0;
    qsizetype sent = 0;
  };
  void pump();

  int fd_;
  bool paced_ = true;
  QElapsedTimer clock_;
  QTimer timer_;
  std::deque<Piece> queue_;
  int64_t freeUs_ = 0;        // when the last queued byte is through
  int64_t blockedSinceUs_ = -1;
};

struct PtyServerOptions {
  bool paced = true;  // answers at 115200 baud; off: at once
};

class PtyServer {
 public:
  using Options = PtyServerOptions;
  explicit PtyServer(Gateway& gateway, Options options = {});
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  [[nodiscard]] bool start(QString* error);
  [[nodiscard]] QString slavePath() const { return pty_.slavePath; }

  // Bytes in each direction, for a log: incoming true for the program's bytes.
  std::function<void(bool incoming, const QByteArray& bytes)> onTraffic;

 private:
  void readMaster();

  Gateway& gateway_;
  Options options_;
  Pty pty_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::unique_ptr<PacedWriter> writer_;
  QTimer tick_;
  QElapsedTimer sinceTick_;
  int64_t rxFreeUs_ = 0;      // when the program's last byte would be through the wire
  int64_t answerFromUs_ = 0;
};

}  // namespace gx::sim
