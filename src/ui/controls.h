#pragma once
// Small widgets the window needs beyond Qt's own.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace gx {

class MemoLog;

// A status-bar pane: a caption on a fill colour.
class StatusPane : public QLabel {
  Q_OBJECT
 public:
  explicit StatusPane(QWidget* parent = nullptr);
  void setFill(uint32_t rgb);
  [[nodiscard]] uint32_t fill() const { return fill_; }

 private:
  uint32_t fill_ = 0xFFFFFFFF;  // none
};

// An edit whose length limit binds the user's typing only: a program that
// writes a longer text into it is not cut short.
class LimitedEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit LimitedEdit(QWidget* parent = nullptr);
  void setTypedMax(int max) { typedMax_ = max; }
  [[nodiscard]] int typedMax() const { return typedMax_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  int typedMax_ = 0;
  QString beforeEdit_;
};

// A read-only view of a communication log; follows the log as it changes.
class MemoView : public QPlainTextEdit {
  Q_OBJECT
 public:
  MemoView(MemoLog& log, QWidget* parent = nullptr);

 private:
  void sync();
  MemoLog& log_;
  qsizetype shown_ = 0;
};

}  // namespace gx
