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
  bool checked(const QString& name) const override { return checks.value(name); }
  void setChecked(const QString& name, bool on) override { checks[name] = on; }
  int index(const QString& name) const override { return indexes.value(name, -1); }
  void setIndex(const QString& name, int i) override { indexes[name] = i; }
  QDate date(const QString& name) const override { return dates.value(name); }
  void setDate(const QString& name, const QDate& d) override { dates[name] = d; }
  QTime time(const QString& name) const override { return times.value(name); }
  void setTime(const QString& name, const QTime& t) override { times[name] = t; }
  void setVisible(const QString& name, bool on) override { visible[name] = on; }
  int rowCount(const QString& grid) const override { return rows.value(grid); }
  QVariant cell(const QString& grid, int row, const QString& column) const override {
    return cells.value(grid + '/' + QString::number(row) + '/' + column);
  }
  void setCell(const QString& grid, int row, const QString& column, const QVariant& v) override {
    cells[grid + '/' + QString::number(row) + '/' + column] = v;
  }

  QHash<QString, QString> texts;
  QHash<QString, bool> enabled;
  QHash<QString, uint32_t> fills;
  QHash<QString, int> values;
  QHash<QString, QStringList> lists;
  QHash<QString, bool> checks;
  QHash<QString, int> indexes;
  QHash<QString, QDate> dates;
  QHash<QString, QTime> times;
  QHash<QString, bool> visible;
  QHash<QString, int> rows;
  QHash<QString, QVariant> cells;
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
  QString openFile(const QString& t, const QString&, const QString&) override {
    shown.push_back(QStringLiteral("open:") + t);
    return takeFile();
  }
  QString saveFile(const QString& t, const QString&, const QString&) override {
    shown.push_back(QStringLiteral("save:") + t);
    return takeFile();
  }
  QString takeFile() {
    if (files.empty()) return {};
    QString f = files.front();
    files.pop_front();
    return f;
  }
  std::deque<QString> files;  // answers of the file dialogs, oldest first
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
