#pragma once
// A text log of the communication form (mmo1 ... mmo4). Its line count is
// the count as displayed: a memo of fixed width wraps long lines, and the
// caps of the logs are counted in displayed lines.
#include <QString>
#include <functional>

namespace gx {

class MemoLog {
 public:
  static constexpr int kColumns = 60;  // characters a displayed line holds

  // Appends to the current last line, without a line break.
  void appendText(const QString& text);
  // Appends a new line.
  void appendLine(const QString& text);
  void clear();
  [[nodiscard]] const QString& text() const { return text_; }
  [[nodiscard]] int lineCount() const { return any_ ? done_ + qMax(1, wrapped(lastLen_)) : 0; }

  // Called after every change, for a view that mirrors the log.
  std::function<void()> changed;

 private:
  static int wrapped(int len) { return len == 0 ? 0 : (len + kColumns - 1) / kColumns; }
  QString text_;
  int done_ = 0;      // displayed lines of the lines before the last
  int lastLen_ = 0;   // characters in the last line
  bool any_ = false;  // a line exists (even an empty one)
};

}  // namespace gx
