#pragma once
// The window's fields by component name, for the engine and the driver.
#include <QHash>
#include <QPointer>
#include <QWidget>

#include "engine/fields.h"

class QTabWidget;
class QAbstractItemModel;

namespace gx {

class WidgetFields final : public FieldAccess {
 public:
  void add(QWidget* w);
  void setPageControl(QTabWidget* pages) { pages_ = pages; }
  [[nodiscard]] QWidget* find(const QString& name) const { return widgets_.value(name); }
  [[nodiscard]] QTabWidget* pageControl() const { return pages_; }
  [[nodiscard]] const QHash<QString, QWidget*>& all() const { return widgets_; }

  QString text(const QString& name) const override;
  void setText(const QString& name, const QString& text) override;
  void setEnabled(const QString& name, bool on) override;
  void setFill(const QString& name, uint32_t rgb) override;
  void setValue(const QString& name, int value) override;
  void setItems(const QString& name, const QStringList& items, int selected) override;
  int itemCount(const QString& name) const override;
  void addItem(const QString& name, const QString& text) override;
  void clearItems(const QString& name) override;
  void scrollToLast(const QString& name) override;
  bool checked(const QString& name) const override;
  void setChecked(const QString& name, bool on) override;
  int index(const QString& name) const override;
  void setIndex(const QString& name, int index) override;
  QDate date(const QString& name) const override;
  void setDate(const QString& name, const QDate& date) override;
  QTime time(const QString& name) const override;
  void setTime(const QString& name, const QTime& time) override;
  void setVisible(const QString& name, bool on) override;
  int rowCount(const QString& grid) const override;
  QVariant cell(const QString& grid, int row, const QString& column) const override;
  void setCell(const QString& grid, int row, const QString& column, const QVariant& value) override;
  void processEvents() override;

  // A grid's column by its component name, or -1.
  static int columnOf(const QAbstractItemModel* model, const QString& column);

  // Shown text of any control, the way the user reads it.
  static QString shownText(const QWidget* w, const QTabWidget* pages);
  // Sets a caption and keeps the accessible name in step with it.
  static void setCaption(QWidget* w, const QString& text, QTabWidget* pages);

 private:
  QHash<QString, QWidget*> widgets_;
  QTabWidget* pages_ = nullptr;
};

}  // namespace gx
