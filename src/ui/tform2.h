#pragma once
// The hidden communication form: shows the logs mmo1 ... mmo4, edt2 and lbl1
// of the communication engine. Never shown to the user.
#include <QWidget>

class QLineEdit;
class QLabel;

namespace gx {

class CommForm;

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(CommForm& comm, QWidget* parent = nullptr);
  // A control of this form by name (mmo1 ... mmo4, edt2, lbl1).
  [[nodiscard]] QWidget* find(const QString& name) const;

 private:
  CommForm& comm_;
  QLineEdit* edt2_ = nullptr;
  QLabel* lbl1_ = nullptr;
};

}  // namespace gx
