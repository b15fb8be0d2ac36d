#include "link/opencom.h"

#include "engine/captionset.h"
#include "engine/fields.h"
#include "link/portlist.h"
#include "link/serialline.h"

namespace gx {

namespace {
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
}  // namespace

topencom::topencom(SerialLine& line, FieldAccess& fields, Dialogs& dialogs, const Captions& captions)
    : line_(line), fields_(fields), dialogs_(dialogs), captions_(captions) {
  line_.onLost = [this](const QString& why) { onLost(why); };
}

void topencom::ListPorts() {
  const QStringList ports = listSystemPorts();
  if (!ports.isEmpty()) fields_.setItems(QStringLiteral("cbb114"), ports, 0);
}

void topencom::TogglePort() {
  if (open_) {
    line_.close();
    open_ = false;
  } else {
    name_ = fields_.text(QStringLiteral("cbb114")).trimmed();
    if (!line_.open(name_)) {
      // The state display stays as it was: the port is still closed.
      dialogs_.errorBox(QStringLiteral("Error opening serial port"),
                        (name_.isEmpty() ? QStringLiteral("(no port name)") : name_) + QStringLiteral(": ") +
                            line_.errorString());
      return;
    }
    open_ = true;
  }
  ShowPortState();
}

void topencom::write(const QByteArray& bytes) {
  if (open_) line_.write(bytes);
}

void topencom::ShowPortState() {
  if (setEdt2) setEdt2(open_ ? QStringLiteral("1") : QStringLiteral("0"));
  fields_.setText(QStringLiteral("btn44"), captions_(open_ ? Txt::TxtClosePort : Txt::TxtOpenPort));
  ShowConnectionPane();
}

void topencom::ShowConnectionPane() {
  fields_.setText(QStringLiteral("rzstspn1"), captions_(open_ ? Txt::TxtConnected : Txt::TxtNotConnected));
  fields_.setFill(QStringLiteral("rzstspn1"), open_ ? kGreen : kRed);
}

void topencom::onLost(const QString& why) {
  // The device went away under an open port: close, show it, tell the user.
  // A command that waits for an answer ends in its time-out as usual.
  if (!open_) return;
  line_.close();
  open_ = false;
  ShowPortState();
  dialogs_.errorBox(captions_(Txt::MsgPortLost), name_ + QStringLiteral(": ") + why);
}

}  // namespace gx
