#include "scenario.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "driverdialogs.h"
#include "engine/commform.h"
#include "engine/virtualclock.h"
#include "link/codepage.h"
#include "sim/gateway.h"
#include "sim/simline.h"
#include "ui/controls.h"
#include "ui/gridroles.h"
#include "ui/mainapp.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/widgetfields.h"

namespace gx::drive {

namespace {

struct Failure {
  QString text;
};

// The rest of a line as TEXT: plain, or a quoted string with escapes.
QString parseText(const QString& raw) {
  if (!raw.startsWith(QLatin1Char('"'))) return raw;
  QByteArray out;
  const QByteArray in = raw.toUtf8();
  qsizetype i = 1;
  for (; i < in.size(); ++i) {
    const char c = in[i];
    if (c == '"') break;
    if (c != '\\' || i + 1 >= in.size()) {
      out.append(c);
      continue;
    }
    const char e = in[++i];
    switch (e) {
      case 'n': out.append('\n'); break;
      case 'r': out.append('\r'); break;
      case 't': out.append('\t'); break;
      case 'b': out.append('\b'); break;
      case '\\': out.append('\\'); break;
      case '"': out.append('"'); break;
      case 'x': {
        bool ok = false;
        const int v = in.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok) throw Failure{QStringLiteral("bad \\x escape in %1").arg(raw)};
        out.append(char(v));
        i += 2;
        break;
      }
      default: throw Failure{QStringLiteral("unknown escape \\%1").arg(QChar::fromLatin1(e))};
    }
  }
  if (i >= in.size()) throw Failure{QStringLiteral("unterminated quoted text: %1").arg(raw)};
  return QString::fromUtf8(out);
}

QByteArray parseHex(const QString& text) {
  QByteArray out;
  const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString& p : parts) {
    bool ok = false;
    const uint v = p.toUInt(&ok, 16);
    if (!ok || p.size() != 2) throw Failure{QStringLiteral("bad hex byte '%1'").arg(p)};
    out.append(char(v));
  }
  return out;
}

QString hex(const QByteArray& b) {
  QStringList parts;
  for (char c : b) parts << QStringLiteral("%1").arg(uint8_t(c), 2, 16, QLatin1Char('0')).toUpper();
  return parts.join(QLatin1Char(' '));
}

QString quoted(const QString& s) {
  QString q = s;
  q.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
  q.replace(QLatin1Char('\n'), QLatin1String("\\n")).replace(QLatin1Char('\r'), QLatin1String("\\r"));
  q.replace(QLatin1Char('\t'), QLatin1String("\\t"));
  return QLatin1Char('"') + q + QLatin1Char('"');
}

class Runner {
 public:
  explicit Runner(QString dir) : dir_(std::move(dir)) {}
  ~Runner() { app_.reset(); }

  void start(const QString& language) {
    line_ = std::make_unique<sim::SimLine>(clock_, &gateway_);
    gateway_.now = [this] { return clock_.now(); };
    app_ = std::make_unique<MainApp>(MainApp::Platform{clock_, dialogs_, *line_, language});
  }
  bool started() const { return bool(app_); }

  void run(const QString& cmd, const QString& rest);

 private:
  QWidget* widget(const QString& name, bool must = true) {
    QWidget* w = nullptr;
    if (name == QLatin1String("TForm1"))
      w = &app_->form1();
    else if (name.startsWith(QLatin1String("TForm2.")))
      w = app_->form2().find(name.mid(7));
    else
      w = app_->form1().fields().find(name);
    if (!w) w = app_->form1().findChild<QWidget*>(name);
    if (!w && must) throw Failure{QStringLiteral("no control named %1").arg(name)};
    return w;
  }
  template <class T>
  T* as(const QString& name, const char* what) {
    auto* t = qobject_cast<T*>(widget(name));
    if (!t) throw Failure{QStringLiteral("%1 is not %2").arg(name, QLatin1String(what))};
    return t;
  }
  QTabWidget* pages() { return app_->form1().pageControl(); }
  int pageIndex(const QString& name) {
    const int i = pages()->indexOf(widget(name));
    if (i < 0) throw Failure{QStringLiteral("%1 is not a page").arg(name)};
    return i;
  }
  QString shown(const QString& name) {
    QWidget* w = widget(name);
    if (name == QLatin1String("TForm1")) return w->windowTitle();
    if (auto* d = qobject_cast<QDateEdit*>(w)) return d->date().toString(QStringLiteral("yyyy-MM-dd"));
    if (auto* t = qobject_cast<QTimeEdit*>(w)) return t->time().toString(QStringLiteral("hh:mm:ss"));
    return WidgetFields::shownText(w, pages());
  }
  QAbstractItemView* grid(const QString& name) { return as<QAbstractItemView>(name, "a grid"); }
  int column(QAbstractItemView* g, const QString& name) {
    QAbstractItemModel* m = g->model();
    for (int c = 0; c < m->columnCount(); ++c)
      if (m->headerData(c, Qt::Horizontal, ui::ColumnNameRole).toString() == name) return c;
    throw Failure{QStringLiteral("grid %1 has no column %2").arg(g->objectName(), name)};
  }
  QModelIndex cell(const QStringList& a) {
    if (a.size() < 3) throw Failure{QStringLiteral("GRID ROW COL expected")};
    QAbstractItemView* g = grid(a[0]);
    bool ok = false;
    const int row = a[1].toInt(&ok);
    if (!ok || row < 0 || row >= g->model()->rowCount())
      throw Failure{QStringLiteral("grid %1 has no row %2").arg(a[0], a[1])};
    return g->model()->index(row, column(g, a[2]));
  }
  static void expectEq(const QString& what, const QString& expected, const QString& got) {
    if (expected != got)
      throw Failure{QStringLiteral("expected %1 %2 got %3").arg(what, quoted(expected), quoted(got))};
  }
  QString path(const QString& p) const { return QFileInfo(p).isAbsolute() ? p : QDir(dir_).filePath(p); }
  void pump() { QCoreApplication::processEvents(); }

  QString dir_;
  VirtualClock clock_;
  DriverDialogs dialogs_;
  sim::Gateway gateway_;
  std::unique_ptr<sim::SimLine> line_;
  std::unique_ptr<MainApp> app_;
};

int intArg(const QString& s) {
  bool ok = false;
  const int v = s.toInt(&ok);
  if (!ok) throw Failure{QStringLiteral("not a number: %1").arg(s)};
  return v;
}

bool flagArg(const QString& s) {
  if (s == QLatin1String("1")) return true;
  if (s == QLatin1String("0")) return false;
  throw Failure{QStringLiteral("expected 0 or 1, got %1").arg(s)};
}

void Runner::run(const QString& cmd, const QString& rest) {
  const QStringList a = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  auto need = [&](int n) {
    if (a.size() < n) throw Failure{QStringLiteral("%1 needs %2 argument(s)").arg(cmd).arg(n)};
  };
  // Name, then TEXT as the rest of the line after it.
  auto nameAndText = [&](QString& name) {
    need(1);
    name = a[0];
    const qsizetype at = rest.indexOf(name) + name.size();
    return parseText(rest.mid(at + 1));
  };

  // ---- actions
  if (cmd == QLatin1String("device")) {
    need(1);
    if (a[0] == QLatin1String("sim"))
      line_->setGateway(&gateway_);
    else if (a[0] == QLatin1String("manual"))
      line_->setGateway(nullptr);
    else
      throw Failure{QStringLiteral("device sim or device manual")};
  } else if (cmd == QLatin1String("port-fails")) {
    need(1);
    line_->setOpenFails(flagArg(a[0]));
  } else if (cmd == QLatin1String("click")) {
    need(1);
    auto* b = as<QAbstractButton>(a[0], "a button or check box");
    b->click();
    pump();
  } else if (cmd == QLatin1String("tick")) {
    need(2);
    auto* b = as<QAbstractButton>(a[0], "a check box");
    if (b->isChecked() != flagArg(a[1])) b->click();
    pump();
  } else if (cmd == QLatin1String("set")) {
    QString name;
    const QString text = nameAndText(name);
    QWidget* w = widget(name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      e->setText(text);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      if (!c->isEditable()) throw Failure{QStringLiteral("%1 is a list-only combo; use select").arg(name)};
      c->setEditText(text);
    } else if (auto* d = qobject_cast<QDateEdit*>(w)) {
      const QDate v = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
      if (!v.isValid()) throw Failure{QStringLiteral("not a date: %1").arg(text)};
      d->setDate(v);
    } else if (auto* t = qobject_cast<QTimeEdit*>(w)) {
      const QTime v = QTime::fromString(text, QStringLiteral("hh:mm:ss"));
      if (!v.isValid()) throw Failure{QStringLiteral("not a time: %1").arg(text)};
      t->setTime(v);
    } else {
      throw Failure{QStringLiteral("%1 takes no text").arg(name)};
    }
    pump();
  } else if (cmd == QLatin1String("type")) {
    QString name;
    const QString text = nameAndText(name);
    QWidget* w = widget(name);
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) w = c->lineEdit();
    for (QChar ch : text) {
      if (ch == QLatin1Char('\b'))
        QTest::keyClick(w, Qt::Key_Backspace);
      else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
        QTest::keyClick(w, Qt::Key_Return);
      else
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    pump();
  } else if (cmd == QLatin1String("select")) {
    need(2);
    as<QComboBox>(a[0], "a combo box")->setCurrentIndex(intArg(a[1]));
    pump();
  } else if (cmd == QLatin1String("cell")) {
    need(4);
    const QModelIndex i = cell(a);
    QString name;
    const QString text = parseText(rest.mid(rest.indexOf(a[2], rest.indexOf(a[1])) + a[2].size() + 1));
    auto* m = const_cast<QAbstractItemModel*>(i.model());
    if (!(m->flags(i) & Qt::ItemIsEditable) && !(m->flags(i) & Qt::ItemIsUserCheckable)) return;  // the grid refuses the edit
    if (m->flags(i) & Qt::ItemIsUserCheckable)
      m->setData(i, text == QLatin1String("true") ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    else
      m->setData(i, text, ui::UserEditRole);  // through the editing rules, as the cell editor does
    pump();
  } else if (cmd == QLatin1String("click-cell")) {
    need(3);
    const QModelIndex i = cell(a);
    QAbstractItemView* g = grid(a[0]);
    if (!QMetaObject::invokeMethod(g, "clickCell", Q_ARG(int, i.row()), Q_ARG(int, i.column())))
      throw Failure{QStringLiteral("grid %1 has no buttons").arg(a[0])};
    pump();
  } else if (cmd == QLatin1String("close-tab")) {
    app_->form1().CloseActiveTab();
    pump();
  } else if (cmd == QLatin1String("reply")) {
    need(1);
    static const QStringList answers{QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("ok"),
                                     QStringLiteral("cancel")};
    if (!answers.contains(a[0])) throw Failure{QStringLiteral("reply yes, no, ok or cancel")};
    dialogs_.replies.push_back(a[0]);
  } else if (cmd == QLatin1String("file")) {
    need(1);
    dialogs_.files.push_back(a[0] == QLatin1String("cancel") ? QString() : path(parseText(rest)));
  } else if (cmd == QLatin1String("wait")) {
    need(1);
    clock_.advanceMs(intArg(a[0]));
    pump();
  } else if (cmd == QLatin1String("inject")) {
    line_->inject(parseHex(rest));
    pump();
  } else if (cmd == QLatin1String("inject-text")) {
    line_->inject(codepage::fromUnicode(parseText(rest)));
    pump();
  } else if (cmd == QLatin1String("sim-mem")) {
    need(2);
    bool ok = false;
    const uint addr = a[0].toUInt(&ok, 16);
    if (!ok) throw Failure{QStringLiteral("bad address %1").arg(a[0])};
    gateway_.write(addr, parseHex(rest.mid(rest.indexOf(a[0]) + a[0].size())));
  } else if (cmd == QLatin1String("sim-silent")) {
    need(1);
    gateway_.setSilent(flagArg(a[0]));
  } else if (cmd == QLatin1String("sim-password")) {
    gateway_.setPassword(codepage::fromUnicode(parseText(rest)));
  } else if (cmd == QLatin1String("clock")) {
    const QDateTime dt = QDateTime::fromString(rest.trimmed(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!dt.isValid()) throw Failure{QStringLiteral("clock yyyy-MM-dd hh:mm:ss")};
    clock_.setDateTime(dt);
  }
  // ---- expectations
  else if (cmd == QLatin1String("expect")) {
    QString name;
    const QString text = nameAndText(name);
    expectEq(name + QStringLiteral(" text"), text, shown(name));
  } else if (cmd == QLatin1String("expect-index")) {
    need(2);
    expectEq(a[0] + QStringLiteral(" index"), a[1], QString::number(as<QComboBox>(a[0], "a combo box")->currentIndex()));
  } else if (cmd == QLatin1String("expect-items")) {
    QString name;
    const QString text = nameAndText(name);
    auto* c = as<QComboBox>(name, "a combo box");
    QStringList items;
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    expectEq(name + QStringLiteral(" items"), text, items.join(QLatin1Char('|')));
  } else if (cmd == QLatin1String("expect-checked")) {
    need(2);
    expectEq(a[0] + QStringLiteral(" checked"), a[1],
             as<QAbstractButton>(a[0], "a check box")->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  } else if (cmd == QLatin1String("expect-enabled")) {
    need(2);
    expectEq(a[0] + QStringLiteral(" enabled"), a[1], widget(a[0])->isEnabled() ? QStringLiteral("1") : QStringLiteral("0"));
  } else if (cmd == QLatin1String("expect-color")) {
    need(2);
    const uint32_t rgb = as<StatusPane>(a[0], "a status pane")->fill();
    expectEq(a[0] + QStringLiteral(" colour"), a[1].toUpper(), QStringLiteral("%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper());
  } else if (cmd == QLatin1String("expect-count")) {
    need(2);
    expectEq(a[0] + QStringLiteral(" count"), a[1], QString::number(as<QListWidget>(a[0], "a list box")->count()));
  } else if (cmd == QLatin1String("expect-item")) {
    need(2);
    auto* l = as<QListWidget>(a[0], "a list box");
    int i = intArg(a[1]);
    if (i < 0) i += l->count();
    const QString text = parseText(rest.mid(rest.indexOf(a[1], a[0].size()) + a[1].size() + 1));
    if (i < 0 || i >= l->count()) throw Failure{QStringLiteral("%1 has no item %2 (it holds %3)").arg(a[0], a[1]).arg(l->count())};
    expectEq(a[0] + QStringLiteral(" item ") + a[1], text, l->item(i)->text());
  } else if (cmd == QLatin1String("expect-tabs")) {
    QStringList visible;
    for (int i = 0; i < pages()->count(); ++i)
      if (pages()->isTabVisible(i)) visible << pages()->widget(i)->objectName();
    for (const QString& p : a) pageIndex(p);  // names a page that exists
    expectEq(QStringLiteral("tabs"), a.join(QLatin1Char(' ')), visible.join(QLatin1Char(' ')));
  } else if (cmd == QLatin1String("expect-visible")) {
    need(2);
    QWidget* w = widget(a[0]);
    const int page = pages()->indexOf(w);
    const bool visible = page >= 0 ? pages()->isTabVisible(page) : !w->isHidden();
    expectEq(a[0] + QStringLiteral(" visible"), a[1], visible ? QStringLiteral("1") : QStringLiteral("0"));
  } else if (cmd == QLatin1String("expect-header")) {
    need(2);
    QAbstractItemView* g = grid(a[0]);
    const int c = column(g, a[1]);
    const QString text = parseText(rest.mid(rest.indexOf(a[1], a[0].size()) + a[1].size() + 1));
    expectEq(a[0] + QLatin1Char('.') + a[1] + QStringLiteral(" header"), text,
             g->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
  } else if (cmd == QLatin1String("expect-band")) {
    need(2);
    QAbstractItemView* g = grid(a[0]);
    const QStringList bands = g->property("bands").toStringList();
    const int b = intArg(a[1]);
    if (b < 0 || b >= bands.size()) throw Failure{QStringLiteral("grid %1 has no band %2").arg(a[0], a[1])};
    const QString text = parseText(rest.mid(rest.indexOf(a[1], a[0].size()) + a[1].size() + 1));
    expectEq(a[0] + QStringLiteral(" band ") + a[1], text, bands[b]);
  } else if (cmd == QLatin1String("expect-active")) {
    need(1);
    if (a[0] != QLatin1String("-")) pageIndex(a[0]);
    const QString active = app_->form1().activePage();
    expectEq(QStringLiteral("active page"), a[0], active.isEmpty() ? QStringLiteral("-") : active);
  } else if (cmd == QLatin1String("expect-cell")) {
    need(3);
    const QModelIndex i = cell(a);
    const QString text = parseText(rest.mid(rest.indexOf(a[2], a[0].size() + a[1].size() + 1) + a[2].size() + 1));
    QString got;
    if (i.data(ui::NullCellRole).toBool())
      got = QStringLiteral("<null>");
    else if (i.flags() & Qt::ItemIsUserCheckable)
      got = i.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStringLiteral("true") : QStringLiteral("false");
    else
      got = i.data(Qt::DisplayRole).toString();
    expectEq(QStringLiteral("cell %1 %2 %3").arg(a[0], a[1], a[2]), text, got);
  } else if (cmd == QLatin1String("expect-msg") || cmd == QLatin1String("expect-msg-any") ||
             cmd == QLatin1String("expect-msg-contains")) {
    if (dialogs_.shown.empty()) throw Failure{QStringLiteral("expected a message got none")};
    const DriverDialogs::Shown m = dialogs_.shown.front();
    dialogs_.shown.pop_front();
    if (cmd == QLatin1String("expect-msg")) {
      expectEq(QStringLiteral("message"), parseText(rest), m.text);
    } else if (cmd == QLatin1String("expect-msg-contains")) {
      const QString part = parseText(rest);
      if (!m.text.contains(part))
        throw Failure{QStringLiteral("expected a message containing %1 got %2").arg(quoted(part), quoted(m.text))};
    }
  } else if (cmd == QLatin1String("expect-no-msg")) {
    if (!dialogs_.shown.empty()) throw Failure{QStringLiteral("expected no message got %1").arg(quoted(dialogs_.shown.front().text))};
  } else if (cmd == QLatin1String("expect-sent") || cmd == QLatin1String("expect-sent-text")) {
    const QByteArray want = cmd == QLatin1String("expect-sent") ? parseHex(rest) : codepage::fromUnicode(parseText(rest));
    if (line_->written.empty()) throw Failure{QStringLiteral("expected sent %1 got nothing").arg(hex(want))};
    const QByteArray got = line_->written.front();
    line_->written.pop_front();
    if (got != want) throw Failure{QStringLiteral("expected sent %1 got %2").arg(hex(want), hex(got))};
  } else if (cmd == QLatin1String("expect-no-sent")) {
    if (!line_->written.empty()) throw Failure{QStringLiteral("expected nothing sent got %1").arg(hex(line_->written.front()))};
  } else if (cmd == QLatin1String("expect-sim-mem")) {
    need(2);
    bool ok = false;
    const uint addr = a[0].toUInt(&ok, 16);
    if (!ok) throw Failure{QStringLiteral("bad address %1").arg(a[0])};
    const QByteArray want = parseHex(rest.mid(rest.indexOf(a[0]) + a[0].size()));
    const QByteArray got = gateway_.read(addr, int(want.size()));
    if (got != want) throw Failure{QStringLiteral("expected memory %1 got %2").arg(hex(want), hex(got))};
  } else if (cmd == QLatin1String("expect-file")) {
    need(2);
    QFile f(path(a[0])), g(path(a[1]));
    if (!f.open(QIODevice::ReadOnly)) throw Failure{QStringLiteral("expected file %1 got none").arg(a[0])};
    if (!g.open(QIODevice::ReadOnly)) throw Failure{QStringLiteral("fixture %1 missing").arg(a[1])};
    const QByteArray fb = f.readAll(), gb = g.readAll();
    if (fb != gb) {
      qsizetype at = 0;
      while (at < fb.size() && at < gb.size() && fb[at] == gb[at]) ++at;
      throw Failure{QStringLiteral("expected file %1 equal to %2 got a difference at byte %3").arg(a[0], a[1]).arg(at)};
    }
  } else if (cmd == QLatin1String("expect-file-hex")) {
    need(3);
    QFile f(path(a[0]));
    if (!f.open(QIODevice::ReadOnly)) throw Failure{QStringLiteral("expected file %1 got none").arg(a[0])};
    bool ok = false;
    const qint64 offset = a[1].toLongLong(&ok, 16);
    if (!ok) throw Failure{QStringLiteral("bad offset %1").arg(a[1])};
    const QByteArray want = parseHex(QStringList(a.mid(2)).join(QLatin1Char(' ')));
    const QByteArray got = f.readAll().mid(offset, want.size());
    if (got != want) throw Failure{QStringLiteral("expected bytes %1 got %2").arg(hex(want), hex(got))};
  } else if (cmd == QLatin1String("expect-no-file")) {
    need(1);
    if (QFileInfo::exists(path(a[0]))) throw Failure{QStringLiteral("expected no file %1 got one").arg(a[0])};
  } else {
    throw Failure{QStringLiteral("unknown command %1").arg(cmd)};
  }
}

}  // namespace

Outcome runScenario(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {false, name + QStringLiteral(":0: cannot read the file")};
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  Runner runner(QFileInfo(path).absolutePath());
  int number = 0;
  try {
    for (QString line : lines) {
      ++number;
      if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
      if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
      const qsizetype sp = line.indexOf(QLatin1Char(' '));
      const QString cmd = sp < 0 ? line : line.left(sp);
      const QString rest = sp < 0 ? QString() : line.mid(sp + 1);
      if (cmd == QLatin1String("start")) {
        if (runner.started()) throw Failure{QStringLiteral("start must be the first command")};
        runner.start(rest);
        continue;
      }
      if (!runner.started()) runner.start(QStringLiteral("English (United States)"));
      runner.run(cmd, rest);
    }
  } catch (const Failure& f) {
    return {false, QStringLiteral("%1:%2: %3").arg(name).arg(number).arg(f.text)};
  }
  return {true, {}};
}

}  // namespace gx::drive
