#pragma once
// The communication form's working half: the port, the receive assembler,
// the logs, the timers tmr1 ... tmr6 and one instance of every command
// object, created in a fixed order. The hidden TForm2 widget only shows it.
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "engine/captionset.h"
#include "engine/clock.h"
#include "engine/memolog.h"
#include "engine/showinf.h"

namespace gx {

class FieldAccess;
class Dialogs;
class SerialLine;
class topencom;
class trecclass;
class tsimcmd;
class tforcerespond;
class ttimerrequire;
class tpassword;

// The transaction buttons, in the order LockUi and UnlockUi walk them.
[[nodiscard]] const std::array<const char*, 39>& transactionButtons();

class CommForm {
 public:
  CommForm(FieldAccess& fields, Dialogs& dialogs, Captions& captions, Clock& clock, SerialLine& line);
  ~CommForm();
  CommForm(const CommForm&) = delete;
  CommForm& operator=(const CommForm&) = delete;

  FieldAccess& fields;
  Dialogs& dialogs;
  Captions& captions;
  Clock& clock;

  // TForm2's own controls.
  MemoLog mmo1;  // send log
  MemoLog mmo2;  // receive log
  MemoLog mmo3;  // current response
  MemoLog mmo4;  // raw text log
  QString edt2 = QStringLiteral("0");
  QString lbl1;
  std::function<void()> labelsChanged;  // edt2 or lbl1 changed

  // Timers. tmr_debugdata_process belongs to the main window; it lives here
  // so that every timer runs on the same clock.
  std::unique_ptr<Timer> tmr1, tmr2, tmr3, tmr4, tmr5, tmr6, tmr_debugdata_process;
  uint8_t counterA = 0, counterB = 0, counterC = 0;

  // The objects, in creation order. Those a later feature brings stay null
  // until it lands; the dispatch and time-out walks skip them.
  std::unique_ptr<topencom> opencom;
  std::unique_ptr<trecclass> recclass;
  ttimerrequire* thomepage_w = nullptr;
  ttimerrequire* thomepage_r = nullptr;
  std::unique_ptr<tpassword> password;
  ttimerrequire* tsingleregister = nullptr;
  ttimerrequire* treg_currentvalue = nullptr;
  ttimerrequire* tsingleregisterKx2 = nullptr;
  ttimerrequire* tSlaveKx2 = nullptr;
  ttimerrequire* tSlaveKx2test = nullptr;
  ttimerrequire* tidimei = nullptr;
  ttimerrequire* tmoisture = nullptr;
  ttimerrequire* trelayctrl = nullptr;
  ttimerrequire* thistoryface = nullptr;
  ttimerrequire* talarmRecord = nullptr;
  ttimerrequire* ttimeset = nullptr;
  tshowinf showinf;
  ttimerrequire* tdebugcmd = nullptr;
  tsimcmd* tresetclass = nullptr;
  tsimcmd* tchangepassword = nullptr;

  void LockUi();
  void UnlockUi();
  // History pacing (tmr4, counter A) and the read-all watchdog (tmr6, counter B).
  void SetHistoryPacing(bool on, tsimcmd* reader = nullptr);
  void SetReadAllWatchdog(bool on);
  void setEdt2(const QString& v);
  void setLbl1(const QString& v);

  // Offers a complete response to the command objects in dispatch order.
  void OfferToAll(const uint8_t* bytes, int length);

 private:
  void tmr1Timer();
  [[nodiscard]] std::array<ttimerrequire*, 14> timeoutOrder() const;
  void tmr5Timer();
  void onBytes(const QByteArray& bytes);
  tsimcmd* pacingReader_ = nullptr;
};

}  // namespace gx
