#pragma once
// The engine's only road to the window: fields, lists and panes by component
// name, and the dialogs. The window implements it with widgets; tests use a
// plain in-memory one.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <cstdint>

namespace gx {

class FieldAccess {
 public:
  virtual ~FieldAccess() = default;
  // An edit's or combo's text, or the caption of a button, label, pane or page.
  [[nodiscard]] virtual QString text(const QString& name) const = 0;
  virtual void setText(const QString& name, const QString& text) = 0;
  virtual void setEnabled(const QString& name, bool on) = 0;
  // Fill colour of a status pane, 0xRRGGBB.
  virtual void setFill(const QString& name, uint32_t rgb) = 0;
  // Position of a progress bar.
  virtual void setValue(const QString& name, int value) = 0;

  // Combo boxes: replaces the items and selects one (-1: none).
  virtual void setItems(const QString& name, const QStringList& items, int selected) = 0;

  // List boxes.
  [[nodiscard]] virtual int itemCount(const QString& name) const = 0;
  virtual void addItem(const QString& name, const QString& text) = 0;
  virtual void clearItems(const QString& name) = 0;
  virtual void scrollToLast(const QString& name) = 0;

  // Check boxes.
  [[nodiscard]] virtual bool checked(const QString& name) const = 0;
  virtual void setChecked(const QString& name, bool on) = 0;
  // Combo boxes: the selected index (-1: none).
  [[nodiscard]] virtual int index(const QString& name) const = 0;
  virtual void setIndex(const QString& name, int index) = 0;
  // Date and time edits.
  [[nodiscard]] virtual QDate date(const QString& name) const = 0;
  virtual void setDate(const QString& name, const QDate& date) = 0;
  [[nodiscard]] virtual QTime time(const QString& name) const = 0;
  virtual void setTime(const QString& name, const QTime& time) = 0;
  virtual void setVisible(const QString& name, bool on) = 0;

  // Grid cells by grid name, 0-based row and column name. A cell that never
  // got a value reads as an invalid QVariant; check cells hold a bool.
  [[nodiscard]] virtual int rowCount(const QString& grid) const = 0;
  [[nodiscard]] virtual QVariant cell(const QString& grid, int row, const QString& column) const = 0;
  virtual void setCell(const QString& grid, int row, const QString& column, const QVariant& value) = 0;

  // Lets the window repaint between long steps (a no-op where nothing paints).
  virtual void processEvents() {}
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message box with an empty title (results: "    Success!   " and the like).
  virtual void messageBox(const QString& text) = 0;
  // A plain message dialog ("   password error   " and the like).
  virtual void messageDialog(const QString& text) = 0;
  // An error box; detail is extra help for the user (an OS reason, a path).
  virtual void errorBox(const QString& text, const QString& detail = {}) = 0;
  [[nodiscard]] virtual bool askYesNo(const QString& text) = 0;
  [[nodiscard]] virtual bool askOkCancel(const QString& text) = 0;
  // File dialogs: the chosen path, or empty when cancelled.
  [[nodiscard]] virtual QString openFile(const QString& title, const QString& folder, const QString& filter) = 0;
  [[nodiscard]] virtual QString saveFile(const QString& title, const QString& folder, const QString& filter) = 0;
};

}  // namespace gx
