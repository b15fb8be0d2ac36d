#include "engine/memolog.h"

namespace gx {

void MemoLog::appendText(const QString& text) {
  any_ = true;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('\n')) {
      lastLen_ += int(i - start);
      done_ += qMax(1, wrapped(lastLen_));
      lastLen_ = 0;
      start = i + 1;
    }
  }
  lastLen_ += int(text.size() - start);
  text_ += text;
  if (changed) changed();
}

void MemoLog::appendLine(const QString& text) {
  if (any_) {
    done_ += qMax(1, wrapped(lastLen_));
    lastLen_ = 0;
    text_ += QLatin1Char('\n');
  }
  appendText(text);
}

void MemoLog::clear() {
  text_.clear();
  done_ = 0;
  lastLen_ = 0;
  any_ = false;
  if (changed) changed();
}

}  // namespace gx
