#pragma once
// Text-line commands: they send one line and wait for nothing.
#include "engine/commands.h"

namespace gx {

// Factory reset, reboot and terminal deletion lines.
class tresetclass : public tsimcmd {
 public:
  using tsimcmd::tsimcmd;
};

// The password change line: old password, "P", new password (11 bytes with CR LF).
class tchangepassword : public tsimcmd {
 public:
  using tsimcmd::tsimcmd;
  void SetPasswords(const QString& oldPassword, const QString& newPassword);
};

}  // namespace gx
