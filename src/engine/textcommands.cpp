#include "engine/textcommands.h"

#include "link/codepage.h"

namespace gx {

void tchangepassword::SetPasswords(const QString& oldPassword, const QString& newPassword) {
  commandText = codepage::fromUnicode(oldPassword) + 'P' + codepage::fromUnicode(newPassword);
}

}  // namespace gx
