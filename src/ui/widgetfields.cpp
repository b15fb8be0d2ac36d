#include "ui/widgetfields.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>

#include "ui/controls.h"
#include "ui/gridroles.h"

namespace gx {

void WidgetFields::add(QWidget* w) { widgets_.insert(w->objectName(), w); }

QString WidgetFields::shownText(const QWidget* w, const QTabWidget* pages) {
  if (!w) return {};
  if (pages && pages->indexOf(const_cast<QWidget*>(w)) >= 0) return pages->tabText(pages->indexOf(const_cast<QWidget*>(w)));
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (auto* p = qobject_cast<const QProgressBar*>(w)) return QString::number(p->value());
  if (auto* m = qobject_cast<const QPlainTextEdit*>(w)) return m->toPlainText();
  if (auto* d = qobject_cast<const QDateTimeEdit*>(w)) return d->text();
  return {};
}

void WidgetFields::setCaption(QWidget* w, const QString& text, QTabWidget* pages) {
  if (!w) return;
  if (pages && pages->indexOf(w) >= 0) {
    pages->setTabText(pages->indexOf(w), text);
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(text);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    g->setTitle(text);
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setText(text);
    return;  // an edit's text is a value, not its name
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    c->setCurrentText(text);
    if (c->isEditable()) c->setEditText(text);
    return;
  }
  w->setAccessibleName(text);
}

QString WidgetFields::text(const QString& name) const { return shownText(find(name), pages_); }

void WidgetFields::setText(const QString& name, const QString& text) {
  QWidget* w = find(name);
  if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
    m->setPlainText(text);
    return;
  }
  if (auto* p = qobject_cast<QProgressBar*>(w)) {
    p->setValue(text.toInt());
    return;
  }
  setCaption(w, text, pages_);
}

void WidgetFields::setEnabled(const QString& name, bool on) {
  if (QWidget* w = find(name)) w->setEnabled(on);
}

void WidgetFields::setFill(const QString& name, uint32_t rgb) {
  if (auto* p = qobject_cast<StatusPane*>(find(name))) p->setFill(rgb);
}

void WidgetFields::setValue(const QString& name, int value) {
  if (auto* p = qobject_cast<QProgressBar*>(find(name))) p->setValue(value);
}

void WidgetFields::setItems(const QString& name, const QStringList& items, int selected) {
  auto* c = qobject_cast<QComboBox*>(find(name));
  if (!c) return;
  c->clear();
  c->addItems(items);
  c->setCurrentIndex(selected);
}

int WidgetFields::itemCount(const QString& name) const {
  if (auto* l = qobject_cast<QListWidget*>(find(name))) return l->count();
  if (auto* c = qobject_cast<QComboBox*>(find(name))) return c->count();
  return 0;
}

void WidgetFields::addItem(const QString& name, const QString& text) {
  if (auto* l = qobject_cast<QListWidget*>(find(name))) l->addItem(text);
}

void WidgetFields::clearItems(const QString& name) {
  if (auto* l = qobject_cast<QListWidget*>(find(name))) l->clear();
}

void WidgetFields::scrollToLast(const QString& name) {
  if (auto* l = qobject_cast<QListWidget*>(find(name)); l && l->count() > 0) l->scrollToItem(l->item(l->count() - 1));
}

bool WidgetFields::checked(const QString& name) const {
  auto* b = qobject_cast<QAbstractButton*>(find(name));
  return b && b->isChecked();
}

void WidgetFields::setChecked(const QString& name, bool on) {
  if (auto* b = qobject_cast<QAbstractButton*>(find(name))) b->setChecked(on);
}

int WidgetFields::index(const QString& name) const {
  auto* c = qobject_cast<QComboBox*>(find(name));
  return c ? c->currentIndex() : -1;
}

void WidgetFields::setIndex(const QString& name, int i) {
  if (auto* c = qobject_cast<QComboBox*>(find(name))) c->setCurrentIndex(i < c->count() ? i : -1);
}

QDate WidgetFields::date(const QString& name) const {
  auto* e = qobject_cast<QDateTimeEdit*>(find(name));
  return e ? e->date() : QDate();
}

void WidgetFields::setDate(const QString& name, const QDate& d) {
  if (auto* e = qobject_cast<QDateTimeEdit*>(find(name))) e->setDate(d);
}

QTime WidgetFields::time(const QString& name) const {
  auto* e = qobject_cast<QDateTimeEdit*>(find(name));
  return e ? e->time() : QTime();
}

void WidgetFields::setTime(const QString& name, const QTime& t) {
  if (auto* e = qobject_cast<QDateTimeEdit*>(find(name))) e->setTime(t);
}

void WidgetFields::setVisible(const QString& name, bool on) {
  if (QWidget* w = find(name)) w->setVisible(on);
}

int WidgetFields::columnOf(const QAbstractItemModel* m, const QString& column) {
  if (!m) return -1;
  for (int c = 0; c < m->columnCount(); ++c)
    if (m->headerData(c, Qt::Horizontal, ui::ColumnNameRole).toString() == column) return c;
  return -1;
}

int WidgetFields::rowCount(const QString& grid) const {
  auto* v = qobject_cast<QAbstractItemView*>(find(grid));
  return v && v->model() ? v->model()->rowCount() : 0;
}

QVariant WidgetFields::cell(const QString& grid, int row, const QString& column) const {
  auto* v = qobject_cast<QAbstractItemView*>(find(grid));
  if (!v || !v->model()) return {};
  const QModelIndex i = v->model()->index(row, columnOf(v->model(), column));
  if (!i.isValid() || i.data(ui::NullCellRole).toBool()) return {};
  return i.data(Qt::EditRole);
}

void WidgetFields::setCell(const QString& grid, int row, const QString& column, const QVariant& value) {
  auto* v = qobject_cast<QAbstractItemView*>(find(grid));
  if (!v || !v->model()) return;
  const QModelIndex i = v->model()->index(row, columnOf(v->model(), column));
  if (i.isValid()) v->model()->setData(i, value, Qt::EditRole);
}

void WidgetFields::processEvents() {
  // Repainting is the point; before the window is first shown there is nothing to paint.
  if (pages_ && pages_->window()->isVisible()) QApplication::processEvents();
}

}  // namespace gx
