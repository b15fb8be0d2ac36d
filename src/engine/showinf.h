#pragma once
// Status-bar helpers: the progress pane rzstspn2 and the progress bar pb1.
#include <QString>

namespace gx {

class FieldAccess;

class tshowinf {
 public:
  explicit tshowinf(FieldAccess& fields) : fields_(fields) {}
  // rzstspn2 := "receive data status:" + text
  void ShowReceiveStatus(const QString& text);
  // rzstspn2 := "courses:" course " process:" step "/" total " status:" status; pb1 := step*100/total
  void ShowProgress(const QString& course, int step, const QString& status, int total);

 private:
  FieldAccess& fields_;
};

}  // namespace gx
