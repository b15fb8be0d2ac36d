#include "profiles/profilecommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>

#include "engine/captionset.h"
#include "engine/fields.h"
#include "profiles/xmlc.h"
#include "profiles/xmldoc.h"

namespace gx {

namespace profiles {

namespace {
bool writableFolder(const QString& path) {
  const QFileInfo info(path);
  return info.isDir() && info.isWritable();
}
}  // namespace

ProfileFolders ProfileFolders::standard() {
  return {QCoreApplication::applicationDirPath() + QStringLiteral("/config"),
          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/config")};
}

QString ProfileFolders::forSaving() const {
  if (QDir().mkpath(program) && writableFolder(program)) return program;
  QDir().mkpath(user);
  return user;
}

QString ProfileFolders::forLoading() const {
  if (writableFolder(program)) return program;
  if (QFileInfo(user).isDir()) return user;
  return program;
}

}  // namespace profiles

namespace {
const QString kFilter = QStringLiteral("XML (*.xml);;ALL (*.*)");
const QString kSaveComplete = QStringLiteral("       save complete       ");
const QString kLoadComplete = QStringLiteral("   load complete   ");
}  // namespace

txmlc::txmlc(FieldAccess& fields, Dialogs& dialogs, const Captions& captions, Now now, Reset reset,
             profiles::ProfileFolders folders)
    : fields_(fields),
      dialogs_(dialogs),
      captions_(captions),
      now_(std::move(now)),
      reset_(std::move(reset)),
      folders_(std::move(folders)) {}

QString txmlc::pick(const QString& cn, const QString& en) const { return captions_.chinese() ? cn : en; }

// The dialog title says which folder is in use, since it may be the user's
// data folder rather than the program's.
QString txmlc::title(const char* cn, const char* en, const QString& folder) const {
  return pick(QString::fromUtf8(cn), QString::fromUtf8(en)) + QStringLiteral(" - ") + QDir::toNativeSeparators(folder);
}

void txmlc::SaveGatewayProfile() {
  const QByteArray bytes = xml::write(profiles::BuildGatewayProfile(fields_));
  const QString folder = folders_.forSaving();
  const QString proposed =
      QStringLiteral("configfile") + now_().toString(QStringLiteral("yyyyMMddhhmmss")) + QStringLiteral(".xml");
  const QString path = dialogs_.saveFile(title("导出配置文件", "Export Gateway Profile", folder),
                                         folder + QLatin1Char('/') + proposed, kFilter);
  if (path.isEmpty()) return;

  // Written beside the target and renamed over it only when complete. The
  // explicit flush matters: commit() flushes too but ignores a short write
  // (a full disk, a size limit) and would rename a cut-off file into place.
  QSaveFile file(path);
  bool failed = true;
  QString why;
  if (!file.open(QIODevice::WriteOnly)) {
    why = file.errorString();
  } else if (file.write(bytes) != bytes.size() || !file.flush()) {
    const int err = errno;
    why = file.error() == QFileDevice::NoError || file.errorString() == QLatin1String("Unknown error")
              ? qt_error_string(err)
              : file.errorString();
    file.cancelWriting();
  } else if (!file.commit()) {
    why = file.errorString();
  } else {
    failed = false;
  }
  if (failed) {
    if (why.isEmpty()) why = qt_error_string(-1);
    const QString shown = QDir::toNativeSeparators(path);
    dialogs_.errorBox(
        pick(QStringLiteral("配置文件无法保存到 \"%1\": %2。原有的同名文件未被改动。").arg(shown, why),
             QStringLiteral("The profile could not be saved to \"%1\": %2. An existing file of that name is unchanged.")
                 .arg(shown, why)));
    return;
  }
  dialogs_.messageBox(kSaveComplete);
}

void txmlc::LoadGatewayProfile() {
  const QString folder = folders_.forLoading();
  const QString path = dialogs_.openFile(title("载入配置文件", "Load Gateway Profile", folder), folder, kFilter);
  if (path.isEmpty()) return;
  const QString shown = QDir::toNativeSeparators(path);

  // Everything that can make the file unusable as a whole is found before
  // any field changes.
  const auto refuse = [&](const QString& cn, const QString& en) {
    dialogs_.errorBox(
        pick(QStringLiteral("配置文件 \"%1\" 无法载入: %2。字段未被改动。").arg(shown, cn),
             QStringLiteral("The profile \"%1\" cannot be loaded: %2. Nothing was changed.").arg(shown, en)));
  };
  QFile file(path);
  const qint64 size = QFileInfo(path).size();
  if (size > xml::kMaxDocumentBytes) {
    refuse(QStringLiteral("文件有 %1 字节, 超过配置文件的上限 %2 字节").arg(size).arg(xml::kMaxDocumentBytes),
           QStringLiteral("it is %1 bytes long, more than a profile can be (%2 bytes)")
               .arg(size)
               .arg(xml::kMaxDocumentBytes));
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    refuse(QStringLiteral("无法打开 (%1)").arg(file.errorString()),
           QStringLiteral("it cannot be opened (%1)").arg(file.errorString()));
    return;
  }
  const QByteArray bytes = file.read(xml::kMaxDocumentBytes + 1);
  if (bytes.size() > xml::kMaxDocumentBytes) {
    refuse(QStringLiteral("文件超过配置文件的上限 %1 字节").arg(xml::kMaxDocumentBytes),
           QStringLiteral("it is longer than a profile can be (%1 bytes)").arg(xml::kMaxDocumentBytes));
    return;
  }
  xml::ParseError perr;
  const std::optional<xml::Document> doc = xml::parse(bytes, &perr);
  if (!doc) {
    const QString where =
        perr.element.isEmpty() ? QString() : QStringLiteral(", <%1>").arg(QString::fromLatin1(perr.element));
    const QString whereEn =
        perr.element.isEmpty() ? QString() : QStringLiteral(", in <%1>").arg(QString::fromLatin1(perr.element));
    refuse(QStringLiteral("第 %1 行%2: %3").arg(QString::number(perr.line), where, perr.reason),
           QStringLiteral("line %1%2: %3").arg(QString::number(perr.line), whereEn, perr.reason));
    return;
  }
  const xml::Element* settings = doc->root.firstChild();
  if (!settings) {
    const QString line = QString::number(doc->root.line), root = QString::fromLatin1(doc->root.name);
    refuse(QStringLiteral("第 %1 行: 根元素 <%2> 中没有设置元素").arg(line, root),
           QStringLiteral("line %1: the root element <%2> holds no settings element").arg(line, root));
    return;
  }

  if (reset_) reset_(fields_);
  const std::optional<profiles::ApplyError> err = profiles::ApplyGatewayProfile(*settings, fields_);
  if (err) {
    const QString whatEn = err->missing ? QStringLiteral("the key is missing")
                                        : QStringLiteral("%1 (\"%2\")").arg(err->reason, err->value);
    const QString whatCn =
        err->missing ? QStringLiteral("缺少此键") : QStringLiteral("%1 (\"%2\")").arg(err->reason, err->value);
    dialogs_.errorBox(pick(
        QStringLiteral("配置文件 \"%1\" 只载入了一部分: 第 %2 行, 键 \"%3\": %4。此键之前的字段已取文件中的值, "
                       "此键及其后的键未载入。")
            .arg(shown, QString::number(err->line), err->key, whatCn),
        QStringLiteral("The profile \"%1\" was loaded only in part: line %2, key \"%3\": %4. The fields before this "
                       "key hold the file's values; this key and the keys after it were not loaded.")
            .arg(shown, QString::number(err->line), err->key, whatEn)));
    return;
  }
  dialogs_.messageBox(kLoadComplete);
}

}  // namespace gx
