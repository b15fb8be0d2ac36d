#include <QSerialPort>

#include "link/serialline.h"

namespace gx {
namespace {

class QtSerialLine final : public SerialLine {
 public:
  QtSerialLine() {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
      const QByteArray bytes = port_.readAll();
      if (!bytes.isEmpty() && onBytes) onBytes(bytes);
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
      // A vanished device makes QSerialPort report these again and again;
      // the first one ends the connection.
      if (!port_.isOpen()) return;
      if (e == QSerialPort::ResourceError || e == QSerialPort::ReadError || e == QSerialPort::WriteError ||
          e == QSerialPort::PermissionError) {
        const QString why = port_.errorString();
        port_.close();
        if (onLost) onLost(why);
      }
    });
  }
  bool open(const QString& name) override {
    port_.setPortName(name);
    port_.setBaudRate(QSerialPort::Baud115200);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
      error_ = port_.errorString();
      return false;
    }
    // Pseudo-terminals refuse modem lines; that is no reason to fail.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    port_.clearError();
    return true;
  }
  void close() override {
    if (port_.isOpen()) port_.close();
  }
  bool isOpen() const override { return port_.isOpen(); }
  void write(const QByteArray& bytes) override {
    if (port_.isOpen()) port_.write(bytes);
  }
  QString errorString() const override { return error_; }

 private:
  QSerialPort port_;
  QString error_;
};

}  // namespace

std::unique_ptr<SerialLine> makeQtSerialLine() { return std::make_unique<QtSerialLine>(); }

}  // namespace gx
