#pragma once
// The communication form's working half: the port, the receive assembler,
// the logs, the timers tmr1 ... tmr6 and one instance of every command
// object, created in a fixed order. The hidden TForm2 widget only shows it.
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

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
class tuart;
class tsimcmd;
class tforcerespond;
class ttimerrequire;
// The command objects, one class each; each feature brings its own.
class thomepage_w;
class thomepage_r;
class tpassword;
class tsingleregister;
class treg_currentvalue;
class tsingleregisterKx2;
class tSlaveKx2;
class tSlaveKx2test;
class tidimei;
class tmoisture;
class trelayctrl;
class thistoryface;
class talarmRecord;
class ttimeset;
class txmlc;
class tformope;
class tdebugcmd;
class tresetclass;
class tchangepassword;

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

  // The objects, one of each, created in this order (see instances.cpp).
  // A pointer stays null until the feature that brings its class lands;
  // the dispatch and time-out walks skip null ones.
  std::unique_ptr<topencom> opencom;
  std::unique_ptr<trecclass> recclass;
  thomepage_w* homepage_w = nullptr;
  thomepage_r* homepage_r = nullptr;
  tpassword* password = nullptr;
  tsingleregister* singleregister = nullptr;
  treg_currentvalue* reg_currentvalue = nullptr;
  tsingleregisterKx2* singleregisterKx2 = nullptr;
  tSlaveKx2* SlaveKx2 = nullptr;
  tSlaveKx2test* SlaveKx2test = nullptr;
  tidimei* idimei = nullptr;
  tmoisture* moisture = nullptr;
  trelayctrl* relayctrl = nullptr;
  thistoryface* historyface = nullptr;
  talarmRecord* alarmRecord = nullptr;
  ttimeset* timeset = nullptr;
  txmlc* xmlc = nullptr;
  tformope* formope = nullptr;
  tshowinf showinf;
  tdebugcmd* debugcmd = nullptr;
  tresetclass* resetclass = nullptr;
  tchangepassword* changepassword = nullptr;

  // Objects of tests, offered responses and time-out ticks after the shipped ones.
  std::array<ttimerrequire*, 2> testObjects{};

  void LockUi();
  void UnlockUi();
  // History pacing (tmr4, counter A) and the read-all watchdog (tmr6, counter B).
  void SetHistoryPacing(bool on, tsimcmd* reader = nullptr);
  void SetReadAllWatchdog(bool on);
  void setEdt2(const QString& v);
  void setLbl1(const QString& v);

  // Some command object waits for its answer.
  [[nodiscard]] bool AnyAwaiting() const;
  // Offers a complete response to the command objects in dispatch order.
  void OfferToAll(const uint8_t* bytes, int length);

 private:
  void createCommandObjects();
  void tmr1Timer();
  [[nodiscard]] std::array<ttimerrequire*, 14> timeoutOrder() const;
  [[nodiscard]] std::array<tforcerespond*, 14> dispatchOrder() const;
  std::vector<std::unique_ptr<tuart>> owned_;
  void tmr5Timer();
  void onBytes(const QByteArray& bytes);
  tsimcmd* pacingReader_ = nullptr;
};

}  // namespace gx
