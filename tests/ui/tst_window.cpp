// The window built from its tables: language choice, captions in every
// language, names, accessible names, the lock list.
#include <QAbstractButton>
#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <QTest>

#include "engine/commform.h"
#include "engine/virtualclock.h"
#include "sim/simline.h"
#include "support/apprig.h"
#include "ui/mainapp.h"
#include "ui/tables.h"
#include "ui/tform1.h"

using namespace gx;

namespace {
using App = test::AppRig;
}  // namespace

class TstWindow : public QObject {
  Q_OBJECT
 private slots:
  void languageChoice_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("chinese");
    QTest::newRow("Chinese with region") << "Chinese (Simplified, China)" << true;
    QTest::newRow("Chinese, Taiwan") << "Chinese (Traditional, Taiwan)" << true;
    QTest::newRow("just the prefix") << "Chine" << true;
    QTest::newRow("lower case") << "chinese (simplified)" << false;
    QTest::newRow("shorter than the prefix") << "Chin" << false;
    QTest::newRow("English") << "English (United States)" << false;
    QTest::newRow("empty") << "" << false;
  }
  void languageChoice() {
    QFETCH(QString, name);
    QFETCH(bool, chinese);
    App a(name);
    QCOMPARE(a.app.form1().chineseCaptions(), chinese);
    QCOMPARE(a.app.captions().chinese(), chinese);
    QCOMPARE(a.app.form1().windowTitle(), chinese ? QStringLiteral("GX90 LoRa GatewayV1.00")
                                                  : QStringLiteral("GX90 LoRa Gateway V1.00"));
  }

  // Every caption-set key and every captioned row has a text in every language.
  void captionsComplete() {
    QSet<QString> keys;
    for (const CaptionText& c : captionTable()) {
      QVERIFY2(!keys.contains(c.name), c.name);
      keys.insert(c.name);
      for (const char* t : c.text) QVERIFY2(t && *t, c.name);
    }
    for (const auto table : ui::controlTables())
      for (const ui::ControlDef& d : table) {
        if (d.inCaptionSet)
          for (const char* t : d.caption) QVERIFY2(t && *t, d.name);
        if (d.itemsInCaptionSet) {
          const qsizetype count = QString::fromUtf8(d.items[0]).split('|').size();
          for (const char* t : d.items) QVERIFY2(t && QString::fromUtf8(t).split('|').size() == count, d.name);
        }
      }
    for (const ui::PageDef& p : ui::pageTable())
      if (p.inCaptionSet)
        for (const char* t : p.caption) QVERIFY2(t && *t, p.name);
    for (const ui::NavButtonDef& b : ui::navButtonTable())
      for (const char* t : b.caption) QVERIFY2(t && *t, b.name);
  }

  // Both passes assign the same targets: after each pass every captioned
  // control shows the text of that pass's column.
  void bothPassesSetEveryTarget() {
    App a(QStringLiteral("English"));
    TForm1& w = a.app.form1();
    for (Lang lang : {Lang::Chinese, Lang::English, Lang::Chinese}) {
      a.dialogs.yes = true;
      w.Button2Click();
      QCOMPARE(a.app.captions().lang(), lang);
      for (const auto table : ui::controlTables())
        for (const ui::ControlDef& d : table) {
          if (!d.inCaptionSet) continue;
          QWidget* c = w.fields().find(QString::fromLatin1(d.name));
          QVERIFY2(c, d.name);
          const QString want = QString::fromUtf8(d.caption[size_t(lang)]).replace(QChar(0x00A6), '\n');
          QCOMPARE(WidgetFields::shownText(c, w.pageControl()), want);
          QCOMPARE(c->accessibleName(), want);
        }
      for (const ui::PageDef& p : ui::pageTable()) {
        if (!p.inCaptionSet) continue;
        QCOMPARE(w.fields().text(QString::fromLatin1(p.name)), QString::fromUtf8(p.caption[size_t(lang)]));
      }
    }
  }

  void componentNamesAreUnique() {
    QSet<QString> names;
    auto add = [&](const char* n) {
      QVERIFY2(!names.contains(QString::fromLatin1(n)), n);
      names.insert(QString::fromLatin1(n));
    };
    for (const auto table : ui::controlTables())
      for (const ui::ControlDef& d : table) add(d.name);
    for (const ui::PageDef& p : ui::pageTable()) add(p.name);
    for (const ui::NavButtonDef& b : ui::navButtonTable()) add(b.name);
    for (const ui::NavGroupDef& g : ui::navGroupTable()) add(g.name);
  }

  // Every push button of the toolbar is a transaction button, and the lock
  // reaches every transaction button the window has.
  void lockReachesWindowButtons() {
    App a(QStringLiteral("English"));
    QSet<QString> lockList;
    for (const char* n : transactionButtons()) lockList.insert(QString::fromLatin1(n));
    for (const ui::ControlDef& d : ui::shellControls())
      if (d.kind == ui::Kind::Button && qstrcmp(d.parent, "RzToolbar1") == 0)
        QVERIFY2(lockList.contains(QString::fromLatin1(d.name)), d.name);
    a.app.comm().LockUi();
    for (const QString& n : lockList)
      if (QWidget* b = a.app.form1().fields().find(n)) QVERIFY2(!b->isEnabled(), qPrintable(n));
    a.app.comm().UnlockUi();
    for (const QString& n : lockList)
      if (QWidget* b = a.app.form1().fields().find(n)) QVERIFY2(b->isEnabled(), qPrintable(n));
  }

  void closingEveryTabAndBringingBack() {
    App a(QStringLiteral("English"));
    TForm1& w = a.app.form1();
    int visible = 0;
    for (int i = 0; i < w.pageControl()->count(); ++i) visible += w.pageControl()->isTabVisible(i);
    for (int i = 0; i < visible; ++i) w.CloseActiveTab();
    for (int i = 0; i < w.pageControl()->count(); ++i) QVERIFY(!w.pageControl()->isTabVisible(i));
    QCOMPARE(w.activePage(), QString());
    for (const ui::NavButtonDef& b : ui::navButtonTable()) {
      if (b.hidden) continue;
      qobject_cast<QAbstractButton*>(w.fields().find(QString::fromLatin1(b.name)))->click();
      QCOMPARE(w.activePage(), QString::fromLatin1(b.page));
    }
  }
};

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
