#pragma once
// In-memory stand-ins for the window's fields and dialogs, for engine tests.
#include <QHash>
#include <QStringList>
#include <deque>

#include "engine/fields.h"

namespace gx::test {

class MemoryFields final : public FieldAccess {
 public:
  QString text(const QString& name) const override { return texts.value(name); }
  void setText(const QString& name, const QString& t) override { texts[name] = t; }
  void setEnabled(const QString& name, bool on) override { enabled[name] = on; }
  void setFill(const QString& name, uint32_t rgb) override { fills[name] = rgb; }
  void setValue(const QString& name, int v) override { values[name] = v; }
  void setItems(const QString& name, const QStringList& items, int selected) override {
    lists[name] = items;
    texts[name] = selected >= 0 && selected < items.size() ? items[selected] : QString();
  }
  int itemCount(const QString& name) const override { return int(lists.value(name).size()); }
  void addItem(const QString& name, const QString& t) override { lists[name].append(t); }
  void clearItems(const QString& name) override { lists[name].clear(); }
  void scrollToLast(const QString&) override {}

  QHash<QString, QString> texts;
  QHash<QString, bool> enabled;
  QHash<QString, uint32_t> fills;
  QHash<QString, int> values;
  QHash<QString, QStringList> lists;
};

class RecordingDialogs final : public Dialogs {
 public:
  void messageBox(const QString& t) override { shown.push_back(QStringLiteral("box:") + t); }
  void messageDialog(const QString& t) override { shown.push_back(QStringLiteral("dialog:") + t); }
  void errorBox(const QString& t, const QString&) override { shown.push_back(QStringLiteral("error:") + t); }
  bool askYesNo(const QString& t) override {
    shown.push_back(QStringLiteral("ask:") + t);
    return yes;
  }
  bool askOkCancel(const QString& t) override {
    shown.push_back(QStringLiteral("ask:") + t);
    return yes;
  }
  // Takes the oldest message, or "" when none is left.
  QString take() {
    if (shown.empty()) return {};
    QString s = shown.front();
    shown.pop_front();
    return s;
  }
  std::deque<QString> shown;
  bool yes = true;
};

}  // namespace gx::test
