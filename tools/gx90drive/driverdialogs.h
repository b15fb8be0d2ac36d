#pragma once
// Dialogs that never block: what they show is recorded in order; questions
// take the answers a scenario queued.
#include <QString>
#include <deque>

#include "engine/fields.h"

namespace gx::drive {

class DriverDialogs final : public Dialogs {
 public:
  struct Shown {
    QString kind;  // box, dialog, error, question
    QString text;
  };
  void messageBox(const QString& text) override { shown.push_back({QStringLiteral("box"), text}); }
  void messageDialog(const QString& text) override { shown.push_back({QStringLiteral("dialog"), text}); }
  void errorBox(const QString& text, const QString&) override { shown.push_back({QStringLiteral("error"), text}); }
  bool askYesNo(const QString& text) override { return answer(text, QStringLiteral("yes")); }
  bool askOkCancel(const QString& text) override { return answer(text, QStringLiteral("ok")); }

  QString openFile(const QString& title, const QString&, const QString&) override { return file(title); }
  QString saveFile(const QString& title, const QString&, const QString&) override { return file(title); }

  std::deque<Shown> shown;
  std::deque<QString> replies;  // yes, no, ok, cancel
  std::deque<QString> files;    // a path, or empty for cancel

 private:
  QString file(const QString& title) {
    shown.push_back({QStringLiteral("file"), title});
    if (files.empty()) return {};
    const QString f = files.front();
    files.pop_front();
    return f;
  }
  bool answer(const QString& text, const QString& positive) {
    shown.push_back({QStringLiteral("question"), text});
    if (replies.empty()) return false;  // nobody answered: the safe choice
    const QString r = replies.front();
    replies.pop_front();
    return r == positive;
  }
};

}  // namespace gx::drive
