// Field behaviours of the parameter pages that need no device: fields
// enabled by their boxes, the select-all boxes of the number matrix, the
// HEX packet edits, the digit-only IP part edits and two text rules.
//
// Boxes that enable a field react to every change of state, so a read or a
// loaded profile that ticks a box also enables its field. A HEX box empties
// its packet edit only on the user's click: a program restoring a packet
// writes the text and the box (QAbstractButton::setChecked, as
// FieldAccess::setChecked does) in either order and keeps both.
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/tform1.h"
#include "ui/wiring.h"

namespace gx::ui {

namespace {

template <class T>
T* field(TForm1& form, const QString& name) {
  return qobject_cast<T*>(form.fields().find(name));
}
template <class T>
T* field(TForm1& form, const char* name) {
  return field<T>(form, QString::fromLatin1(name));
}

// The character a key press types, the way the edits' key filters count
// keys: Backspace is 8, Return 13, any other key its text. Keys that type
// nothing (arrows, Delete, Home ...) are not characters and are never filtered.
bool typedCharacter(const QKeyEvent* k, char16_t& code) {
  switch (k->key()) {
    case Qt::Key_Backspace:
      code = 8;
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      code = 13;
      return true;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return false;
    default:
      break;
  }
  if (k->text().isEmpty()) return false;
  code = k->text().at(0).unicode();
  return true;
}

// IP address parts: digits, Backspace, Return and code 16 pass; every other
// character is dropped.
class DigitKeyFilter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return QObject::eventFilter(watched, e);
    char16_t c = 0;
    if (!typedCharacter(static_cast<QKeyEvent*>(e), c)) return false;
    const bool pass = c == 8 || c == 13 || c == 16 || (c >= u'0' && c <= u'9');
    return !pass;
  }
};

// A packet edit while its HEX box is ticked: only Backspace and hexadecimal
// digits pass, and a blank is put after every byte pair, so the text reads
// "01 02 0A". With the box unticked every key passes.
class HexKeyFilter final : public QObject {
 public:
  HexKeyFilter(QLineEdit* edit, QAbstractButton* box) : QObject(edit), edit_(edit), box_(box) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return QObject::eventFilter(watched, e);
    char16_t c = 0;
    if (!box_->isChecked() || !edit_->isEnabled() || !typedCharacter(static_cast<QKeyEvent*>(e), c)) return false;
    const bool backspace = c == 8;
    const bool hexDigit = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    // A full pair is followed by a blank before the next key, even a dropped one.
    const qsizetype length = edit_->text().size();
    if (length > 1 && (length - 2) % 3 == 0 && !backspace) edit_->setText(edit_->text() + QLatin1Char(' '));
    edit_->setCursorPosition(int(edit_->text().size()));
    return !(backspace || hexDigit);
  }

 private:
  QLineEdit* edit_;
  QAbstractButton* box_;
};

// The field is enabled exactly while the box is ticked.
void enableWhileTicked(TForm1& form, const char* box, const char* target) {
  auto* b = field<QAbstractButton>(form, box);
  QWidget* w = form.fields().find(QString::fromLatin1(target));
  if (!b || !w) return;
  w->setEnabled(b->isChecked());
  QObject::connect(b, &QAbstractButton::toggled, w, [w](bool on) { w->setEnabled(on); });
}

// Select-all box of authorised number r (1-based) and its nine event boxes,
// rzchckbx(10 + 9(r-1) + k) for column k, hidden columns included.
constexpr const char* kSelectAll[10] = {"rzchckbx3", "rzchckbx4", "rzchckbx5",   "rzchckbx6",   "rzchckbx7",
                                        "rzchckbx8", "rzchckbx9", "rzchckbx112", "rzchckbx113", "rzchckbx114"};

void wireSelectAll(TForm1& form) {
  for (int r = 1; r <= 10; ++r) {
    auto* all = field<QAbstractButton>(form, kSelectAll[r - 1]);
    if (!all) continue;
    QList<QAbstractButton*> events;
    for (int k = 0; k < 9; ++k)
      if (auto* b = field<QAbstractButton>(form, QStringLiteral("rzchckbx%1").arg(10 + 9 * (r - 1) + k))) events << b;
    // A later change of one event box does not move the select-all box.
    QObject::connect(all, &QAbstractButton::toggled, all, [events](bool on) {
      for (QAbstractButton* b : events) b->setChecked(on);
    });
  }
}

struct HexPair {
  const char* box;
  const char* edit;
};
constexpr HexPair kHexPairs[] = {
    {"chk1", "RzEdit21"},      {"CheckBox1", "RzEdit22"}, {"CheckBox2", "RzEdit23"}, {"CheckBox3", "RzEdit24"},
    {"CheckBox4", "RzEdit25"}, {"CheckBox5", "RzEdit38"}, {"CheckBox6", "RzEdit43"}, {"CheckBox7", "RzEdit44"},
    {"CheckBox8", "RzEdit45"}, {"CheckBox9", "RzEdit46"},
};

void wireHexPackets(TForm1& form) {
  for (const HexPair& p : kHexPairs) {
    auto* box = field<QAbstractButton>(form, p.box);
    auto* edit = field<QLineEdit>(form, p.edit);
    if (!box || !edit) continue;
    // Text and hexadecimal bytes never mix: the user's tick or untick starts afresh.
    QObject::connect(box, &QAbstractButton::clicked, edit, [edit] { edit->clear(); });
    edit->installEventFilter(new HexKeyFilter(edit, box));
  }
}

// IP address part edits of the Ethernet page and of the two second field sets.
constexpr const char* kIpParts[] = {
    "RzEdit64", "RzEdit65", "RzEdit66", "RzEdit67", "RzEdit33", "RzEdit37", "RzEdit50",
    "RzEdit59", "RzEdit60", "RzEdit61", "RzEdit62", "RzEdit63", "RzEdit51", "RzEdit52",
    "RzEdit53", "RzEdit54", "RzEdit55", "RzEdit56", "RzEdit57", "RzEdit58", "edt37",
    "edt36",    "edt35",    "edt1",     "edt53",    "edt54",    "edt55",    "edt56",
};

void wireDigitEdits(TForm1& form) {
  for (const char* name : kIpParts)
    if (auto* e = field<QLineEdit>(form, name)) e->installEventFilter(new DigitKeyFilter(e));
}

// Alarm verify times: a lone "-" is no value.
void wireVerifyTimes(TForm1& form) {
  for (const char* name : {"edt16", "edt17", "edt18", "edt19"}) {
    auto* e = field<QLineEdit>(form, name);
    if (!e) continue;
    QObject::connect(e, &QLineEdit::textChanged, e, [e](const QString& t) {
      if (t == QLatin1String("-")) e->clear();
    });
  }
}

// The polling period is fixed at 2 unless its box is ticked.
void wirePollingPeriod(TForm1& form) {
  auto* box = field<QAbstractButton>(form, "rzchckbx116");
  auto* e = field<QLineEdit>(form, "edt59");
  if (!box || !e) return;
  const QString fixed = QStringLiteral("2");
  QObject::connect(e, &QLineEdit::textChanged, e, [box, e, fixed](const QString& t) {
    if (!box->isChecked() && t != fixed) e->setText(fixed);
  });
  QObject::connect(box, &QAbstractButton::toggled, e, [e, fixed](bool on) {
    if (!on) e->setText(fixed);
    e->setEnabled(on);
  });
  e->setEnabled(box->isChecked());
}

}  // namespace

void wireFieldBehaviours(TForm1& form) {
  enableWhileTicked(form, "rzchckbx1", "edt70");
  enableWhileTicked(form, "rzchckbx115", "edt72");
  enableWhileTicked(form, "rzchckbx2", "edt29");
  wireSelectAll(form);
  wireHexPackets(form);
  wireDigitEdits(form);
  wireVerifyTimes(form);
  wirePollingPeriod(form);
}

}  // namespace gx::ui
