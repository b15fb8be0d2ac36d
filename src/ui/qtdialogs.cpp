#include "ui/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace gx {

namespace {
void showLater(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
               const QString& detail) {
  auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  if (!detail.isEmpty()) box->setInformativeText(detail);
  box->open();
}
}  // namespace

void QtDialogs::messageBox(const QString& text) { showLater(parent_, QMessageBox::NoIcon, QString(), text, {}); }

void QtDialogs::messageDialog(const QString& text) {
  showLater(parent_, QMessageBox::Information, QApplication::applicationName(), text, {});
}

void QtDialogs::errorBox(const QString& text, const QString& detail) {
  showLater(parent_, QMessageBox::Critical, QApplication::applicationName(), text, detail);
}

bool QtDialogs::askYesNo(const QString& text) {
  return QMessageBox::question(parent_, QApplication::applicationName(), text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

bool QtDialogs::askOkCancel(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok | QMessageBox::Cancel,
                  parent_);
  return box.exec() == QMessageBox::Ok;
}

QString QtDialogs::openFile(const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString QtDialogs::saveFile(const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getSaveFileName(parent_, title, folder, filter);
}

}  // namespace gx
