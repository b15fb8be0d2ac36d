#pragma once
// Saving and loading gateway profiles: the commands behind "Export Gateway
// Profile" (Button5) and "Load Gateway Profile" (Button6), with their file
// dialogs, folder and messages. Neither talks to the gateway.
#include <QDateTime>
#include <QString>
#include <functional>

namespace gx {

class FieldAccess;
class Dialogs;
class Captions;

namespace profiles {

// Where profiles are kept: "config" under the program's folder, or, when
// that cannot be written (an installed program), "config" in the user's
// application data folder.
struct ProfileFolders {
  QString program;
  QString user;

  // From QCoreApplication::applicationDirPath() and QStandardPaths::AppDataLocation.
  [[nodiscard]] static ProfileFolders standard();
  // The folder to save into, created with its parents when missing.
  [[nodiscard]] QString forSaving() const;
  // The folder the open dialog starts in; nothing is created.
  [[nodiscard]] QString forLoading() const;
};

}  // namespace profiles

class txmlc {
 public:
  using Now = std::function<QDateTime()>;
  // Empties the parameter pages before a load.
  using Reset = std::function<void(FieldAccess&)>;

  txmlc(FieldAccess& fields, Dialogs& dialogs, const Captions& captions, Now now, Reset reset,
        profiles::ProfileFolders folders = profiles::ProfileFolders::standard());

  // Button5: asks where to save (proposing configfileyyyyMMddhhmmss.xml) and
  // writes the file atomically; a failed write leaves any earlier file as it was.
  void SaveGatewayProfile();
  // Button6: asks for a file and loads it. A file that cannot be read or
  // parsed changes nothing; otherwise the pages are reset and the keys
  // applied, stopping at a key whose number cannot be read.
  void LoadGatewayProfile();

 private:
  [[nodiscard]] QString title(const char* cn, const char* en, const QString& folder) const;
  [[nodiscard]] QString pick(const QString& cn, const QString& en) const;

  FieldAccess& fields_;
  Dialogs& dialogs_;
  const Captions& captions_;
  Now now_;
  Reset reset_;
  profiles::ProfileFolders folders_;
};

}  // namespace gx
