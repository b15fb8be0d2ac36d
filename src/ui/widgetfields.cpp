#include "ui/widgetfields.h"

#include <QAbstractButton>
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

void WidgetFields::processEvents() { QApplication::processEvents(); }

}  // namespace gx
