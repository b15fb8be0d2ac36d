// The one place that knows every command object: creates them in their
// fixed order and lists them in the orders of response dispatch and of the
// time-out tick.
#include "engine/commands.h"
#include "engine/commform.h"
#include "engine/debugcmd.h"
#include "engine/devicequeries.h"
#include "engine/password.h"
#include "engine/textcommands.h"
#include "params/homepage.h"

namespace gx {

namespace {
template <class T>
T* make(std::vector<std::unique_ptr<tuart>>& owned, CommForm& form) {
  auto o = std::make_unique<T>(form);
  T* raw = o.get();
  owned.push_back(std::move(o));
  return raw;
}
template <class Base, class T>
Base* up(T* o) {
  return o;
}
}  // namespace

void CommForm::createCommandObjects() {
  // topencom and trecclass come first (constructor); then, in this order:
  // thomepage_w, thomepage_r, tpassword, tsingleregister, treg_currentvalue,
  // tsingleregisterKx2, tSlaveKx2, tSlaveKx2test, tidimei, tmoisture,
  // trelayctrl, thistoryface, talarmRecord, ttimeset, txmlc, tformope,
  // tshowinf (a member), tdebugcmd, tresetclass, tchangepassword.
  homepage_w = make<thomepage_w>(owned_, *this);
  homepage_r = make<thomepage_r>(owned_, *this);
  password = make<tpassword>(owned_, *this);
  idimei = make<tidimei>(owned_, *this);
  moisture = make<tmoisture>(owned_, *this);
  relayctrl = make<trelayctrl>(owned_, *this);
  timeset = make<ttimeset>(owned_, *this);
  debugcmd = make<tdebugcmd>(owned_, *this);
  resetclass = make<tresetclass>(owned_, *this);
  changepassword = make<tchangepassword>(owned_, *this);
}

// A slot whose class has not landed yet holds nullptr.
std::array<tforcerespond*, 14> CommForm::dispatchOrder() const {
  return {
      up<tforcerespond>(password),
      up<tforcerespond>(homepage_w),
      up<tforcerespond>(homepage_r),
      nullptr,  // singleregister
      nullptr,  // historyface
      nullptr,  // alarmRecord
      nullptr,  // reg_currentvalue
      nullptr,  // singleregisterKx2
      nullptr,  // SlaveKx2
      up<tforcerespond>(idimei),
      up<tforcerespond>(moisture),
      up<tforcerespond>(relayctrl),
      up<tforcerespond>(timeset),
      up<tforcerespond>(debugcmd),
  };
}

std::array<ttimerrequire*, 14> CommForm::timeoutOrder() const {
  return {
      up<ttimerrequire>(homepage_w),
      up<ttimerrequire>(homepage_r),
      nullptr,  // singleregister
      nullptr,  // historyface
      nullptr,  // alarmRecord
      nullptr,  // reg_currentvalue
      nullptr,  // singleregisterKx2
      nullptr,  // SlaveKx2
      up<ttimerrequire>(password),
      up<ttimerrequire>(idimei),
      up<ttimerrequire>(moisture),
      up<ttimerrequire>(relayctrl),
      up<ttimerrequire>(timeset),
      up<ttimerrequire>(debugcmd),
  };
}

}  // namespace gx
