#pragma once
// The port object: lists the ports, opens and closes the chosen one, and
// mirrors the state in the port button, the connection pane and TForm2's edt2.
#include <QString>
#include <functional>

namespace gx {

class SerialLine;
class FieldAccess;
class Dialogs;
class Captions;

class topencom {
 public:
  topencom(SerialLine& line, FieldAccess& fields, Dialogs& dialogs, const Captions& captions);

  // Fills cbb114 with the system's ports and selects the first.
  void ListPorts();
  // btn44: opens when closed, closes when open.
  void TogglePort();
  [[nodiscard]] bool isOpen() const { return open_; }
  void write(const QByteArray& bytes);
  // The port state in btn44, rzstspn1 and edt2.
  void ShowPortState();
  // The connection pane only (title refresh after a language switch).
  void ShowConnectionPane();

  // TForm2's edt2 mirror ("1" open, "0" closed).
  std::function<void(const QString&)> setEdt2;

 private:
  void onLost(const QString& why);

  SerialLine& line_;
  FieldAccess& fields_;
  Dialogs& dialogs_;
  const Captions& captions_;
  bool open_ = false;
  QString name_;
};

}  // namespace gx
