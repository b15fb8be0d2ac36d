// The save and load commands: dialogs, folders, files on disk and the
// messages the user sees.
#include <sys/resource.h>
#include <unistd.h>

#include <QtTest>
#include <csignal>

#include "engine/captionset.h"
#include "link/codepage.h"
#include "params/homepage.h"
#include "profiles/profilecommands.h"
#include "profiles/xmldoc.h"
#include "support/memoryfields.h"

using gx::txmlc;
using gx::profiles::ProfileFolders;
using gx::test::MemoryFields;

namespace {

QString fixture(const char* name) { return QStringLiteral(PROFILE_FIXTURES "/") + QLatin1String(name); }

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// Records what the file dialogs were given; answers with queued paths.
class FileDialogs final : public gx::Dialogs {
 public:
  struct Asked {
    QString title, folder, filter;
  };
  void messageBox(const QString& t) override { shown << QStringLiteral("box:") + t; }
  void messageDialog(const QString& t) override { shown << QStringLiteral("dialog:") + t; }
  void errorBox(const QString& t, const QString&) override { shown << QStringLiteral("error:") + t; }
  bool askYesNo(const QString&) override { return false; }
  bool askOkCancel(const QString&) override { return false; }
  QString openFile(const QString& title, const QString& folder, const QString& filter) override {
    asked.push_back({title, folder, filter});
    return answer;
  }
  QString saveFile(const QString& title, const QString& folder, const QString& filter) override {
    asked.push_back({title, folder, filter});
    return answer;
  }
  QString answer;  // empty: the user cancels
  QList<Asked> asked;
  QStringList shown;
};

struct Rig {
  explicit Rig(const QString& base, gx::Lang lang = gx::Lang::English)
      : folders{base + QStringLiteral("/program/config"), base + QStringLiteral("/user/config")} {
    captions.setLang(lang);
  }
  txmlc make() {
    return txmlc(
        fields, dialogs, captions, [] { return QDateTime(QDate(2024, 5, 7), QTime(9, 3, 5)); },
        [this](gx::FieldAccess& f) {
          ++resets;
          gx::ResetParameterFields(f);
        },
        folders);
  }
  MemoryFields fields;
  FileDialogs dialogs;
  gx::Captions captions;
  ProfileFolders folders;
  int resets = 0;
};

}  // namespace

class TstProfileCommands : public QObject {
  Q_OBJECT
 private slots:
  void saveProposesNameInConfigFolder();
  void saveCancelledWritesNothing();
  void saveFallsBackToUserFolder();
  void loadStartsInFolder_data();
  void loadStartsInFolder();
  void failedSaveKeepsOldFile_data();
  void failedSaveKeepsOldFile();
  void failedSaveInReadOnlyFolder();
  void loadRefusesUnusableFile_data();
  void loadRefusesUnusableFile();
  void loadStopsAtUnreadableKey_data();
  void loadStopsAtUnreadableKey();
  void loadCompletes();
  void loadCancelledChangesNothing();
  void messagesInChinese();
};

void TstProfileCommands::saveProposesNameInConfigFolder() {
  QTemporaryDir tmp;
  Rig r(tmp.path());
  r.fields.setText(QStringLiteral("RzEdit4"), QStringLiteral("网关7"));
  const QString target = tmp.path() + QStringLiteral("/chosen");  // used as chosen: no extension added
  r.dialogs.answer = target;
  r.make().SaveGatewayProfile();

  QCOMPARE(r.dialogs.asked.size(), 1);
  const auto& a = r.dialogs.asked.front();
  QCOMPARE(a.folder, r.folders.program + QStringLiteral("/configfile20240507090305.xml"));
  QVERIFY(QFileInfo(r.folders.program).isDir());  // created with its parents
  QCOMPARE(a.title, QStringLiteral("Export Gateway Profile - ") + QDir::toNativeSeparators(r.folders.program));
  QCOMPARE(a.filter, QStringLiteral("XML (*.xml);;ALL (*.*)"));
  QCOMPARE(r.dialogs.shown, QStringList{QStringLiteral("box:       save complete       ")});

  const QByteArray bytes = readAll(target);
  QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<MyRoot>\r\n    <systeminf>\r\n"));
  const auto doc = gx::xml::parse(bytes);
  QVERIFY(doc);
  QCOMPARE(doc->root.firstChild()->child("1-2-DeviceId")->text, gx::codepage::fromUnicode(QStringLiteral("网关7")));
}

void TstProfileCommands::saveCancelledWritesNothing() {
  QTemporaryDir tmp;
  Rig r(tmp.path());
  r.make().SaveGatewayProfile();
  QCOMPARE(r.dialogs.asked.size(), 1);
  QVERIFY(r.dialogs.shown.isEmpty());
  QVERIFY(QDir(r.folders.program).entryList(QDir::Files).isEmpty());
}

void TstProfileCommands::saveFallsBackToUserFolder() {
  // A program folder that cannot hold a config folder: here a plain file
  // stands where its parent should be, which even the superuser cannot pass.
  QTemporaryDir tmp;
  Rig r(tmp.path());
  writeFile(tmp.path() + QStringLiteral("/program"), "not a folder");
  r.dialogs.answer = r.folders.user + QStringLiteral("/mine.xml");
  r.make().SaveGatewayProfile();
  const auto& a = r.dialogs.asked.front();
  QVERIFY2(a.title.endsWith(QDir::toNativeSeparators(r.folders.user)), qPrintable(a.title));
  QVERIFY(a.folder.startsWith(r.folders.user + QLatin1Char('/')));
  QVERIFY(QFileInfo::exists(r.folders.user + QStringLiteral("/mine.xml")));
  QCOMPARE(r.dialogs.shown, QStringList{QStringLiteral("box:       save complete       ")});
}

void TstProfileCommands::loadStartsInFolder_data() {
  QTest::addColumn<bool>("programExists");
  QTest::addColumn<bool>("userExists");
  QTest::addColumn<QString>("expected");
  QTest::newRow("program folder") << true << true << "program";
  QTest::newRow("only the user folder") << false << true << "user";
  QTest::newRow("neither: the program's, not created") << false << false << "program";
}

void TstProfileCommands::loadStartsInFolder() {
  QFETCH(bool, programExists);
  QFETCH(bool, userExists);
  QFETCH(QString, expected);
  QTemporaryDir tmp;
  Rig r(tmp.path());
  if (programExists) QDir().mkpath(r.folders.program);
  if (userExists) QDir().mkpath(r.folders.user);
  r.make().LoadGatewayProfile();
  const QString folder = expected == QLatin1String("program") ? r.folders.program : r.folders.user;
  QCOMPARE(r.dialogs.asked.front().folder, folder);
  QCOMPARE(r.dialogs.asked.front().title, QStringLiteral("Load Gateway Profile - ") + QDir::toNativeSeparators(folder));
  QCOMPARE(QFileInfo(r.folders.program).isDir(), programExists);
}

void TstProfileCommands::failedSaveKeepsOldFile_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("disk refuses the bytes") << "size limit";
  QTest::newRow("target is a folder") << "folder";
}

void TstProfileCommands::failedSaveKeepsOldFile() {
  QFETCH(QString, how);
  QTemporaryDir tmp;
  Rig r(tmp.path());
  r.fields.setText(QStringLiteral("RzEdit8"), QString(200, QLatin1Char('x')));
  QDir().mkpath(r.folders.program);
  const QString target = r.folders.program + QStringLiteral("/old.xml");
  const QByteArray old = "<?xml version=\"1.0\"?>\r\n<MyRoot><systeminf/></MyRoot>\r\n";
  if (how == QLatin1String("folder"))
    QDir().mkpath(target + QStringLiteral("/inside"));
  else
    writeFile(target, old);
  r.dialogs.answer = target;

  // A file size limit makes every write beyond it fail, as a full disk would.
  rlimit before{};
  getrlimit(RLIMIT_FSIZE, &before);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  if (how == QLatin1String("size limit")) {
    rlimit small = before;
    small.rlim_cur = 256;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
  }
  r.make().SaveGatewayProfile();
  setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);

  QCOMPARE(r.dialogs.shown.size(), 1);
  const QString msg = r.dialogs.shown.front();
  QVERIFY2(
      msg.startsWith(QStringLiteral("error:The profile could not be saved to \"") + QDir::toNativeSeparators(target)),
      qPrintable(msg));
  QVERIFY(msg.contains(QStringLiteral("An existing file of that name is unchanged.")));
  if (how == QLatin1String("folder")) {
    QVERIFY(QFileInfo(target + QStringLiteral("/inside")).isDir());
    QCOMPARE(QDir(r.folders.program).entryList(QDir::Files), QStringList());
  } else {
    QCOMPARE(readAll(target), old);
    QCOMPARE(QDir(r.folders.program).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.xml")});
  }
}

void TstProfileCommands::failedSaveInReadOnlyFolder() {
  if (geteuid() == 0) QSKIP("the superuser writes into read-only folders");
  QTemporaryDir tmp;
  Rig r(tmp.path());
  QDir().mkpath(r.folders.program);
  const QString target = tmp.path() + QStringLiteral("/locked/old.xml");
  QDir().mkpath(tmp.path() + QStringLiteral("/locked"));
  writeFile(target, "OLD");
  QFile::setPermissions(tmp.path() + QStringLiteral("/locked"), QFile::ReadOwner | QFile::ExeOwner);
  r.dialogs.answer = target;
  r.make().SaveGatewayProfile();
  QFile::setPermissions(tmp.path() + QStringLiteral("/locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QCOMPARE(readAll(target), QByteArray("OLD"));
  QCOMPARE(r.dialogs.shown.size(), 1);
  QVERIFY(r.dialogs.shown.front().startsWith(QStringLiteral("error:The profile could not be saved")));
}

void TstProfileCommands::loadRefusesUnusableFile_data() {
  QTest::addColumn<QString>("file");     // a fixture, or a file this test makes
  QTest::addColumn<QString>("message");  // after the quoted file name
  QTest::newRow("end tag differs")
      << "broken_mismatch.xml"
      << "cannot be loaded: line 5, in <1-2-DeviceId>: the end tag </1-2-deviceid> does not "
         "match <1-2-DeviceId> opened on line 5. Nothing was changed.";
  QTest::newRow("bare ampersand") << "broken_entity.xml"
                                  << "cannot be loaded: line 6, in <1-8-DeviceName>: a bare '&'";
  QTest::newRow("cut short") << "broken_cut.xml"
                             << "cannot be loaded: line 7, in <1-8-DeviceName>: the file ends inside";
  QTest::newRow("no settings element")
      << "no_settings.xml"
      << "cannot be loaded: line 2: the root element <MyRoot> holds no settings element.";
  QTest::newRow("binary") << "made:binary.xml"
                          << "cannot be loaded: line 88, in <1-8-DeviceName>: binary data (byte 0x00)";
  QTest::newRow("oversized") << "made:big.xml"
                             << "cannot be loaded: it is 1048577 bytes long, more than a profile can be";
  QTest::newRow("empty") << "made:empty.xml"
                         << "cannot be loaded: line 1: the file is empty.";
  QTest::newRow("missing") << "made:gone.xml"
                           << "cannot be loaded: it cannot be opened";
}

void TstProfileCommands::loadRefusesUnusableFile() {
  QFETCH(QString, file);
  QFETCH(QString, message);
  QTemporaryDir tmp;
  QString path = fixture(file.toLatin1().constData());
  if (file.startsWith(QLatin1String("made:"))) {
    path = tmp.path() + QLatin1Char('/') + file.mid(5);
    if (file.endsWith(QLatin1String("binary.xml"))) {
      QByteArray b = readAll(fixture("golden_gateway.xml"));
      b.replace("<1-8-DeviceName>one", QByteArray("<1-8-DeviceName>\r\n\r\n\0one", 24));
      writeFile(path, b);
      QVERIFY(b.indexOf("1-8-DeviceName") > 0);
    } else if (file.endsWith(QLatin1String("big.xml"))) {
      const QByteArray head = "<MyRoot><systeminf>", tail = "</systeminf></MyRoot>\r\n";
      writeFile(path, head + QByteArray(gx::xml::kMaxDocumentBytes + 1 - head.size() - tail.size(), ' ') + tail);
      QCOMPARE(QFileInfo(path).size(), gx::xml::kMaxDocumentBytes + 1);
    } else if (file.endsWith(QLatin1String("empty.xml"))) {
      writeFile(path, {});
    }
  }
  Rig r(tmp.path());
  r.fields.setText(QStringLiteral("RzEdit4"), QStringLiteral("unchanged"));
  r.fields.setText(QStringLiteral("RzEdit2"), QStringLiteral("9999"));
  r.fields.setIndex(QStringLiteral("cbb1"), 2);
  r.dialogs.answer = path;
  r.make().LoadGatewayProfile();

  QCOMPARE(r.dialogs.shown.size(), 1);
  const QString want =
      QStringLiteral("error:The profile \"") + QDir::toNativeSeparators(path) + QStringLiteral("\" ") + message;
  QVERIFY2(r.dialogs.shown.front().startsWith(want), qPrintable(r.dialogs.shown.front() + QStringLiteral("\n") + want));
  QCOMPARE(r.resets, 0);
  QCOMPARE(r.fields.text("RzEdit4"), QStringLiteral("unchanged"));
  QCOMPARE(r.fields.text("RzEdit2"), QStringLiteral("9999"));
  QCOMPARE(r.fields.index("cbb1"), 2);
}

void TstProfileCommands::loadStopsAtUnreadableKey_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("message");
  QTest::newRow("empty settings")
      << "empty_settings.xml"
      << "was loaded only in part: line 3, key \"1011-TempType\": the key is missing. The fields "
         "before this key hold the file's values; this key and the keys after it were not loaded.";
  QTest::newRow("terminal profile") << "terminal_profile.xml"
                                    << "was loaded only in part: line 3, key \"1011-TempType\": the key is missing.";
  QTest::newRow("hour 24") << "bad_hour.xml"
                           << "was loaded only in part: line 6, key \"1_time_hour\": out of range 0 to 23 (\"24\").";
}

void TstProfileCommands::loadStopsAtUnreadableKey() {
  QFETCH(QString, file);
  QFETCH(QString, message);
  QTemporaryDir tmp;
  Rig r(tmp.path());
  r.fields.setText(QStringLiteral("RzEdit2"), QStringLiteral("9999"));
  r.fields.setChecked(QStringLiteral("rzchckbx3"), true);
  r.fields.setText(QStringLiteral("RzEdit16"), QStringLiteral("cmnet"));
  r.dialogs.answer = fixture(file.toLatin1().constData());
  r.make().LoadGatewayProfile();

  QCOMPARE(r.resets, 1);
  QCOMPARE(r.dialogs.shown.size(), 1);
  const QString want = QStringLiteral("error:The profile \"") + QDir::toNativeSeparators(r.dialogs.answer) +
                       QStringLiteral("\" ") + message;
  QVERIFY2(r.dialogs.shown.front().startsWith(want), qPrintable(r.dialogs.shown.front()));
  // The reset ran, and the keys before the stop were applied.
  QCOMPARE(r.fields.text("RzEdit2"), QString());
  QVERIFY(!r.fields.checked("rzchckbx3"));
  QCOMPARE(r.fields.text("RzEdit16"), QString());
}

void TstProfileCommands::loadCompletes() {
  QTemporaryDir tmp;
  Rig r(tmp.path());
  r.fields.setText(QStringLiteral("RzEdit2"), QStringLiteral("9999"));
  r.fields.setChecked(QStringLiteral("rzchckbx112"), true);
  r.dialogs.answer = fixture("golden_gateway.xml");
  r.make().LoadGatewayProfile();
  QCOMPARE(r.dialogs.shown, QStringList{QStringLiteral("box:   load complete   ")});
  QCOMPARE(r.resets, 1);
  QCOMPARE(r.fields.text("RzEdit4"), QStringLiteral("网关 01"));
  QCOMPARE(r.fields.text("RzEdit24"), QStringLiteral("RzEdit24"));
  QVERIFY(r.fields.checked("CheckBox3"));
  // No key restores the new password or the select-all boxes.
  QCOMPARE(r.fields.text("RzEdit2"), QString());
  QVERIFY(!r.fields.checked("rzchckbx112"));
}

void TstProfileCommands::loadCancelledChangesNothing() {
  QTemporaryDir tmp;
  Rig r(tmp.path());
  r.fields.setText(QStringLiteral("RzEdit4"), QStringLiteral("kept"));
  r.make().LoadGatewayProfile();
  QCOMPARE(r.resets, 0);
  QVERIFY(r.dialogs.shown.isEmpty());
  QCOMPARE(r.fields.text("RzEdit4"), QStringLiteral("kept"));
}

void TstProfileCommands::messagesInChinese() {
  QTemporaryDir tmp;
  Rig r(tmp.path(), gx::Lang::Chinese);
  r.dialogs.answer = fixture("broken_mismatch.xml");
  r.make().LoadGatewayProfile();
  QVERIFY(r.dialogs.asked.front().title.startsWith(QStringLiteral("载入配置文件 - ")));
  QVERIFY2(r.dialogs.shown.front().startsWith(QStringLiteral("error:配置文件 \"") +
                                              QDir::toNativeSeparators(r.dialogs.answer) +
                                              QStringLiteral("\" 无法载入: 第 5 行, <1-2-DeviceId>:")),
           qPrintable(r.dialogs.shown.front()));

  r.dialogs.answer = tmp.path() + QStringLiteral("/saved.xml");
  r.make().SaveGatewayProfile();
  QVERIFY(r.dialogs.asked.back().title.startsWith(QStringLiteral("导出配置文件 - ")));
  QCOMPARE(r.dialogs.shown.back(), QStringLiteral("box:       save complete       "));
}

QTEST_GUILESS_MAIN(TstProfileCommands)
#include "tst_profilecommands.moc"
