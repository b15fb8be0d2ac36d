#include "engine/showinf.h"

#include "engine/fields.h"

namespace gx {

void tshowinf::ShowReceiveStatus(const QString& text) {
  fields_.setText(QStringLiteral("rzstspn2"), QStringLiteral("receive data status:") + text);
}

void tshowinf::ShowProgress(const QString& course, int step, const QString& status, int total) {
  fields_.setText(QStringLiteral("rzstspn2"), QStringLiteral("courses:") + course + QStringLiteral(" process:") +
                                                  QString::number(step) + QLatin1Char('/') + QString::number(total) +
                                                  QStringLiteral(" status:") + status);
  if (total > 0) fields_.setValue(QStringLiteral("pb1"), step * 100 / total);
}

}  // namespace gx
