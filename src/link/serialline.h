#pragma once
// The serial line as the program uses it: open by name, write, bytes in, and
// word when the line is gone (the device was unplugged).
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace gx {

class SerialLine {
 public:
  virtual ~SerialLine() = default;
  // Opens the named port at 115200 8N1, no flow control, DTR and RTS off.
  // On failure returns false and leaves the reason in errorString().
  [[nodiscard]] virtual bool open(const QString& name) = 0;
  virtual void close() = 0;
  [[nodiscard]] virtual bool isOpen() const = 0;
  // Queues the bytes for writing and returns at once.
  virtual void write(const QByteArray& bytes) = 0;
  [[nodiscard]] virtual QString errorString() const = 0;

  // Received bytes, in arrival order, on the user-interface thread.
  std::function<void(const QByteArray&)> onBytes;
  // The open port stopped working (unplugged, vanished); reason in text.
  std::function<void(const QString&)> onLost;
};

// The real port, through QSerialPort.
[[nodiscard]] std::unique_ptr<SerialLine> makeQtSerialLine();

}  // namespace gx
