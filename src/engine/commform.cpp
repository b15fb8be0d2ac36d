#include "engine/commform.h"

#include <algorithm>

#include "engine/commands.h"
#include "engine/fields.h"
#include "link/opencom.h"
#include "link/recclass.h"
#include "link/serialline.h"

namespace gx {

const std::array<const char*, 39>& transactionButtons() {
  static const std::array<const char*, 39> names{
      "btn44",     "btn51",     "Button9",   "Button7", "Button6",   "Button5",   "Button3", "Button2",
      "Button4",   "RzButton2", "RzButton1", "RzButton4", "btn48",   "btn1",      "btn2",    "btn5",
      "btn6",      "btn14",     "btn28",     "btn29",   "btn11",     "btn12",     "RzButton8", "btn15",
      "btn16",     "btn20",     "btn19",     "RzButton5", "RzButton6", "btn10",   "btn9",    "btn17",
      "btn7",      "btn32",     "btn8",      "btn232",  "btn18",     "btn31",     "btn24"};
  return names;
}

CommForm::CommForm(FieldAccess& f, Dialogs& d, Captions& c, Clock& clk, SerialLine& line)
    : fields(f), dialogs(d), captions(c), clock(clk), showinf(f) {
  tmr1 = clock.createTimer(2000, false);
  tmr2 = clock.createTimer(800, false);
  tmr3 = clock.createTimer(2000, false);
  tmr4 = clock.createTimer(1200, false);
  tmr5 = clock.createTimer(1000, true);
  tmr6 = clock.createTimer(1200, false);
  tmr_debugdata_process = clock.createTimer(1000, false);

  // Creation order: the port object first, then the receive assembler, then
  // the command objects.
  opencom = std::make_unique<topencom>(line, fields, dialogs, captions);
  opencom->setEdt2 = [this](const QString& v) { setEdt2(v); };
  recclass = std::make_unique<trecclass>(trecclass::Deps{
      *tmr2, *tmr1, *tmr_debugdata_process, mmo2, mmo3, mmo4, fields, clock,
      [this](const uint8_t* b, int n) { OfferToAll(b, n); },
      [this] {
        // A '#' stopped the time-out and the frame never completed: without
        // this the waiting command would wait for ever.
        if (AnyAwaiting()) {
            tmr1->setInterval(2000);
            tmr1->setEnabled(true);
          }
      }});
  createCommandObjects();

  tmr1->onTick = [this] { tmr1Timer(); };
  tmr2->onTick = [this] { recclass->FlushTimerTick(); };
  tmr3->onTick = [this] { tmr3->setEnabled(false); };
  tmr4->onTick = [this] { ++counterA; };
  tmr5->onTick = [this] { tmr5Timer(); };
  tmr6->onTick = [this] { ++counterB; };
  tmr_debugdata_process->onTick = [this] { recclass->ShortResponseTimerTick(); };
  line.onBytes = [this](const QByteArray& bytes) { onBytes(bytes); };

  opencom->ListPorts();
}

CommForm::~CommForm() = default;

void CommForm::onBytes(const QByteArray& bytes) {
  for (char b : bytes) recclass->AddByte(uint8_t(b));
}

void CommForm::OfferToAll(const uint8_t* bytes, int length) {
  for (tforcerespond* o : dispatchOrder())
    if (o) o->OfferResponse(bytes, length);
  for (ttimerrequire* o : testObjects)
    if (o) o->OfferResponse(bytes, length);
}

bool CommForm::AnyAwaiting() const {
  auto waits = [](const ttimerrequire* o) { return o && o->awaiting(); };
  const auto order = timeoutOrder();
  return std::any_of(order.begin(), order.end(), waits) || std::any_of(testObjects.begin(), testObjects.end(), waits);
}

void CommForm::tmr1Timer() {
  for (ttimerrequire* o : timeoutOrder())
    if (o) o->TimeoutTick();
  for (ttimerrequire* o : testObjects)
    if (o) o->TimeoutTick();
}

void CommForm::tmr5Timer() {
  ++counterC;
  fields.setText(QStringLiteral("lbl15"), QString::number(counterC));
  fields.setText(QStringLiteral("Label17"), QString::number(counterA));
  fields.setText(QStringLiteral("Label18"), QString::number(counterB));
  if (counterA > 2) {
    counterA = 0;
    if (pacingReader_) pacingReader_->Execute();
  }
  if (counterB > 1) {
    counterB = 0;
    if (singleregisterKx2) timeoutOrder()[6]->OnTimeout();  // the read-all watchdog
  }
}

void CommForm::LockUi() {
  for (const char* name : transactionButtons()) fields.setEnabled(QString::fromLatin1(name), false);
}

void CommForm::UnlockUi() {
  for (const char* name : transactionButtons()) fields.setEnabled(QString::fromLatin1(name), true);
}

void CommForm::SetHistoryPacing(bool on, tsimcmd* reader) {
  if (reader) pacingReader_ = reader;
  tmr4->setEnabled(on);
  tmr4->setInterval(1200);
  counterA = 0;
}

void CommForm::SetReadAllWatchdog(bool on) {
  tmr6->setEnabled(on);
  tmr6->setInterval(1200);
  counterB = 0;
}

void CommForm::setEdt2(const QString& v) {
  edt2 = v;
  if (labelsChanged) labelsChanged();
}

void CommForm::setLbl1(const QString& v) {
  lbl1 = v;
  if (labelsChanged) labelsChanged();
}

}  // namespace gx
