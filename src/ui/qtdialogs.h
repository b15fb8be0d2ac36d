#pragma once
// Dialogs of the shipped program. Results and errors are shown without
// blocking the caller: a box raised from inside a receive handler must not
// run a nested event loop under a sequence that is still going. The boxes
// are application-modal, so the user cannot start a second exchange under
// them either. Questions come from button handlers and do wait.
#include <QPointer>

#include "engine/fields.h"

class QWidget;

namespace gx {

class QtDialogs final : public Dialogs {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  void messageBox(const QString& text) override;
  void messageDialog(const QString& text) override;
  void errorBox(const QString& text, const QString& detail) override;
  bool askYesNo(const QString& text) override;
  bool askOkCancel(const QString& text) override;
  QString openFile(const QString& title, const QString& folder, const QString& filter) override;
  QString saveFile(const QString& title, const QString& folder, const QString& filter) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace gx
