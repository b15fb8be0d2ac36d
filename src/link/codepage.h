#pragma once
// Text that crosses to the device, profiles and CSV files is 8-bit code page
// 936 (GBK). Every conversion goes through here.
#include <QByteArray>
#include <QString>

namespace gx::codepage {
[[nodiscard]] QByteArray fromUnicode(const QString& text);
[[nodiscard]] QString toUnicode(const QByteArray& bytes);
}  // namespace gx::codepage
