#include "ui/controls.h"

#include <QKeyEvent>
#include <QTextCursor>

#include "engine/memolog.h"

namespace gx {

StatusPane::StatusPane(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setMargin(2);
}

void StatusPane::setFill(uint32_t rgb) {
  fill_ = rgb;
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor::fromRgb(rgb));
  // Dark text reads on both the red and the green fill.
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
}

LimitedEdit::LimitedEdit(QWidget* parent) : QLineEdit(parent) {
  // Pasting or any other user edit past the limit is taken back.
  connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (typedMax_ > 0 && t.size() > typedMax_ && t.size() > beforeEdit_.size()) setText(beforeEdit_);
    beforeEdit_ = text();
  });
  connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (!isModified()) beforeEdit_ = t;
  });
}

void LimitedEdit::keyPressEvent(QKeyEvent* e) {
  beforeEdit_ = text();
  const QString typed = e->text();
  const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
  if (typedMax_ > 0 && printable && !hasSelectedText() && text().size() >= typedMax_) {
    e->accept();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

MemoView::MemoView(MemoLog& log, QWidget* parent) : QPlainTextEdit(parent), log_(log) {
  setReadOnly(true);
  log_.changed = [this] { sync(); };
  sync();
}

void MemoView::sync() {
  const QString& text = log_.text();
  if (text.size() < shown_ || shown_ == 0) {
    setPlainText(text);
  } else if (text.size() > shown_) {
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.insertText(text.mid(shown_));
  }
  shown_ = text.size();
}

}  // namespace gx
