#include "link/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gx::codepage {

QByteArray fromUnicode(const QString& text) {
  QStringEncoder enc("GBK");
  if (!enc.isValid()) return text.toLatin1();  // a Qt without ICU: plain 8-bit
  return enc.encode(text);
}

QString toUnicode(const QByteArray& bytes) {
  QStringDecoder dec("GBK");
  if (!dec.isValid()) return QString::fromLatin1(bytes);
  return dec.decode(bytes);
}

}  // namespace gx::codepage
