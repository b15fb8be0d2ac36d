#include "ui/tform1.h"

#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QCheckBox>
#include <QDateEdit>
#include <QTimeEdit>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "engine/commform.h"
#include "engine/password.h"
#include "link/opencom.h"
#include "ui/controls.h"
#include "ui/grids.h"
#include "ui/tables.h"

namespace gx {

using ui::Kind;

namespace {
// The window has a fixed size, so the page control needs no size from its
// pages; asking every page (hidden ones included) would lay out the whole
// window's text at start.
class PageControl : public QTabWidget {
 public:
  QSize sizeHint() const override { return {900, 640}; }
  QSize minimumSizeHint() const override { return {200, 200}; }
};

// A page takes the room the page control gives it; its size is never asked
// of its contents, which would lay out every page's text at start.
class Page : public QWidget {
 public:
  QSize sizeHint() const override { return {0, 0}; }
  QSize minimumSizeHint() const override { return {0, 0}; }
};

QString utf8(const char* s) { return s ? QString::fromUtf8(s) : QString(); }

// Captions of several lines are written with '¦' between the lines.
QString captionText(const char* s) { return utf8(s).replace(QChar(0x00A6), QLatin1Char('\n')); }

QStringList itemList(const char* s) {
  if (!s) return {};
  return utf8(s).split(QLatin1Char('|'));
}

QWidget* makeControl(const ui::ControlDef& d) {
  QWidget* w = nullptr;
  switch (d.kind) {
    case Kind::Button: w = new QPushButton; break;
    case Kind::Edit:
    case Kind::ReadOnlyEdit: {
      auto* e = new LimitedEdit;
      e->setTypedMax(d.max);
      e->setReadOnly(d.kind == Kind::ReadOnlyEdit);
      if (d.text) e->setText(utf8(d.text));
      w = e;
      break;
    }
    case Kind::Combo:
    case Kind::ListCombo: {
      auto* c = new QComboBox;
      if (d.kind == Kind::Combo) {
        auto* e = new LimitedEdit;
        e->setTypedMax(d.max);
        // A combo makes itself a completer over its items unless the edit has
        // one; that is costly, and typing into these boxes needs none.
        e->setCompleter(new QCompleter(e));
        c->setLineEdit(e);
        c->setInsertPolicy(QComboBox::NoInsert);
      }
      c->addItems(itemList(d.items[0]));
      c->setCurrentIndex(d.selected);
      if (d.selected < 0 && d.text && c->isEditable()) c->setEditText(utf8(d.text));
      w = c;
      break;
    }
    case Kind::Check: {
      auto* b = new QCheckBox;
      b->setChecked(d.checked);
      w = b;
      break;
    }
    case Kind::Label: w = new QLabel; break;
    case Kind::Group: {
      auto* g = new QGroupBox;
      new QGridLayout(g);
      w = g;
      break;
    }
    case Kind::Panel: {
      auto* p = new QFrame;
      auto* lay = new QGridLayout(p);
      lay->setContentsMargins(0, 0, 0, 0);
      w = p;
      break;
    }
    case Kind::List: w = new QListWidget; break;
    case Kind::DateEdit: {
      auto* e = new QDateEdit;
      if (d.format) e->setDisplayFormat(QString::fromLatin1(d.format));
      w = e;
      break;
    }
    case Kind::TimeEdit: {
      auto* e = new QTimeEdit;
      if (d.format) e->setDisplayFormat(QString::fromLatin1(d.format));
      w = e;
      break;
    }
    case Kind::Grid: w = ui::makeGrid(d); break;
    case Kind::Pane: w = new StatusPane; break;
    case Kind::Progress: {
      auto* p = new QProgressBar;
      p->setRange(0, 100);
      p->setValue(0);
      p->setTextVisible(false);
      w = p;
      break;
    }
  }
  w->setObjectName(QString::fromLatin1(d.name));
  // A caption that no caption set touches is the design caption in both languages.
  if (!d.inCaptionSet && d.caption[0]) WidgetFields::setCaption(w, captionText(d.caption[0]), nullptr);
  if (d.disabled) w->setEnabled(false);
  return w;
}

// Fills a combo with a new item list, keeping the selected index; a combo
// that had no selection keeps none and shows no text.
void FillComboItems(QComboBox* c, const QStringList& items) {
  const int index = c->currentIndex();
  const QSignalBlocker quiet(c);
  c->clear();
  c->addItems(items);
  c->setCurrentIndex(index < items.size() ? index : -1);
  if (index < 0 && c->isEditable()) c->setEditText(QString());
}
}  // namespace

TForm1::TForm1(Captions& captions, const QString& languageName, QWidget* parent)
    : QMainWindow(parent), captions_(captions) {
  setObjectName(QStringLiteral("TForm1"));
  build();
  // Window set-up. The language follows the system's language name: a name
  // that starts with "Chine" (case matters) means Chinese.
  if (languageName.left(5) == QLatin1String("Chine")) {
    chinese_captions = true;
    captions_.setLang(Lang::Chinese);
    ApplyChineseCaptions();
  } else {
    chinese_captions = false;
    captions_.setLang(Lang::English);
    ApplyEnglishCaptions();
  }
  RefreshTitleAndStatus();
  // Grid rows, pre-filled cells and the field defaults that follow the language.
  ui::setUpGrids(fields_, captions_);
  fields_.setText(QStringLiteral("Button12"), captions_(Txt::TxtEditStart));
  connectHandlers();
}

TForm1::~TForm1() = default;

void TForm1::build() {
  setFixedSize(1240, 760);
  buildToolbar();
  auto* central = new QWidget;
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(4, 4, 4, 4);
  buildNavigation(central);
  pages_ = new PageControl;
  pages_->setObjectName(QStringLiteral("RzPageControl1"));
  pages_->setTabsClosable(true);
  fields_.setPageControl(pages_);
  row->addWidget(pages_, 1);
  setCentralWidget(central);
  buildPages();
  buildStatusBar();
}

void TForm1::buildToolbar() {
  auto* bar = new QToolBar;
  bar->setObjectName(QStringLiteral("RzToolbar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  addToolBar(Qt::TopToolBarArea, bar);
  for (const ui::ControlDef& d : ui::shellControls()) {
    if (qstrcmp(d.parent, "RzToolbar1") != 0) continue;
    QWidget* w = makeControl(d);
    if (d.name == std::string_view("cbb114")) w->setMinimumWidth(130);
    if (d.name == std::string_view("RzEdit15")) w->setFixedWidth(52);
    fields_.add(w);
    bar->addWidget(w);
    if (d.hidden) w->hide();
  }
}

void TForm1::buildNavigation(QWidget* host) {
  auto* bar = new QWidget;
  bar->setObjectName(QStringLiteral("RzGroupBar1"));
  bar->setFixedWidth(170);
  auto* col = new QVBoxLayout(bar);
  col->setContentsMargins(0, 0, 0, 0);
  fields_.add(bar);
  for (const ui::NavGroupDef& g : ui::navGroupTable()) {
    auto* box = new QGroupBox;
    box->setObjectName(QString::fromLatin1(g.name));
    auto* lay = new QVBoxLayout(box);
    fields_.add(box);
    col->addWidget(box);
    for (const ui::NavButtonDef& b : ui::navButtonTable()) {
      if (qstrcmp(b.group, g.name) != 0) continue;
      auto* button = new QPushButton;
      button->setObjectName(QString::fromLatin1(b.name));
      lay->addWidget(button);
      fields_.add(button);
      if (b.hidden) button->hide();
      const QString page = QString::fromLatin1(b.page);
      const bool cellular = b.name == std::string_view("btn35");
      connect(button, &QPushButton::clicked, this, [this, page, cellular] {
        // The cellular button also shows the blank second cellular tab at its place.
        if (cellular) ShowPage(QStringLiteral("TabSheet6"));
        ShowPage(page);
      });
    }
  }
  col->addStretch(1);
  static_cast<QHBoxLayout*>(host->layout())->addWidget(bar);
}

void TForm1::buildPages() {
  QHash<QWidget*, QList<int>> nextColumn;  // per container: next free column of each line
  auto place = [&](QWidget* host, QWidget* w, const ui::ControlDef& d) {
    auto* grid = static_cast<QGridLayout*>(host->layout());
    QList<int>& cols = nextColumn[host];
    if (cols.size() <= d.line) cols.resize(d.line + 1, 0);
    grid->addWidget(w, d.line, cols[d.line], 1, d.span);
    cols[d.line] += d.span;
  };
  for (const ui::PageDef& p : ui::pageTable()) {
    auto* page = new Page;
    page->setObjectName(QString::fromLatin1(p.name));
    new QGridLayout(page);
    const int index = pages_->addTab(page, utf8(p.caption[0]));
    pages_->setTabVisible(index, p.visibleAtStart);
    if (p.disabled) {
      pages_->setTabEnabled(index, false);
      page->setEnabled(false);
    }
    fields_.add(page);
  }
  // Containers come before their rows in the tables, so one walk places everything.
  for (const std::span<const ui::ControlDef> table : ui::controlTables()) {
    for (const ui::ControlDef& d : table) {
      if (qstrcmp(d.parent, "RzToolbar1") == 0 || qstrcmp(d.parent, "rzstsbr1") == 0) continue;
      QWidget* host = fields_.find(QString::fromLatin1(d.parent));
      Q_ASSERT_X(host && qobject_cast<QGridLayout*>(host->layout()), d.name, "parent must come first");
      if (!host) continue;
      QWidget* w = makeControl(d);
      // Hidden before it has a parent: hiding it later would re-run the layout of its container.
      if (d.hidden) w->hide();
      place(host, w, d);
      fields_.add(w);
    }
  }
  // Rows and columns keep their natural size; the spare room goes below and to the right.
  for (auto it = nextColumn.cbegin(); it != nextColumn.cend(); ++it) {
    auto* grid = static_cast<QGridLayout*>(it.key()->layout());
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(grid->columnCount(), 1);
  }
  pages_->setCurrentIndex(0);
}

void TForm1::buildStatusBar() {
  auto* bar = new QStatusBar;
  bar->setObjectName(QStringLiteral("rzstsbr1"));
  bar->setSizeGripEnabled(false);
  setStatusBar(bar);
  for (const ui::ControlDef& d : ui::shellControls()) {
    if (qstrcmp(d.parent, "rzstsbr1") != 0) continue;
    QWidget* w = makeControl(d);
    fields_.add(w);
    const std::string_view n = d.name;
    if (n == "Label18" || n == "Label17") {
      bar->addPermanentWidget(w);
    } else {
      const int stretch = (n == "rzstspn2" || n == "rzstspn3") ? 3 : (n == "rzstspn1" ? 1 : 0);
      if (n == "pb1") w->setFixedWidth(160);
      bar->addWidget(w, stretch);
    }
    if (d.hidden) w->hide();
  }
}

void TForm1::ApplyCaptions(Lang lang) {
  const size_t l = size_t(lang);
  for (const ui::NavGroupDef& g : ui::navGroupTable())
    WidgetFields::setCaption(fields_.find(QString::fromLatin1(g.name)), utf8(g.caption[l]), pages_);
  for (const ui::NavButtonDef& b : ui::navButtonTable())
    WidgetFields::setCaption(fields_.find(QString::fromLatin1(b.name)), utf8(b.caption[l]), pages_);
  for (const ui::PageDef& p : ui::pageTable())
    if (p.inCaptionSet) WidgetFields::setCaption(fields_.find(QString::fromLatin1(p.name)), utf8(p.caption[l]), pages_);
  for (const std::span<const ui::ControlDef> table : ui::controlTables()) {
    for (const ui::ControlDef& d : table) {
      QWidget* w = fields_.find(QString::fromLatin1(d.name));
      if (d.inCaptionSet) WidgetFields::setCaption(w, captionText(d.caption[l]), pages_);
      if (d.itemsInCaptionSet)
        if (auto* c = qobject_cast<QComboBox*>(w)) FillComboItems(c, itemList(d.items[l]));
    }
  }
  ui::applyGridCaptions(fields_, captions_);
}

bool TForm1::portOpen() const { return comm_ && comm_->opencom->isOpen(); }

void TForm1::RefreshTitleAndStatus() {
  setWindowTitle(captions_(Txt::TxtTitle) + QStringLiteral("V1.00"));
  fields_.setText(QStringLiteral("rzstspn1"), captions_(portOpen() ? Txt::TxtConnected : Txt::TxtNotConnected));
  fields_.setFill(QStringLiteral("rzstspn1"), portOpen() ? 0x00FF00 : 0xFF0000);
}

void TForm1::ShowPage(const QString& page) {
  QWidget* w = fields_.find(page);
  const int index = pages_->indexOf(w);
  if (index < 0) return;
  pages_->setTabVisible(index, true);
  pages_->setCurrentIndex(index);
}

QString TForm1::activePage() const {
  const int index = pages_->currentIndex();
  if (index < 0 || !pages_->isTabVisible(index)) return {};
  return pages_->widget(index)->objectName();
}

void TForm1::CloseActiveTab() {
  const int index = pages_->currentIndex();
  if (index < 0 || !pages_->isTabVisible(index)) return;
  pages_->setTabVisible(index, false);
  static const char* const fallback[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet6",
                                         "TabSheet7", "TabSheet8", "TabSheet9", "TabSheet10", "TabSheet11"};
  for (const char* name : fallback) {
    const int i = pages_->indexOf(fields_.find(QString::fromLatin1(name)));
    if (i >= 0 && pages_->isTabVisible(i)) {
      pages_->setCurrentIndex(i);
      return;
    }
  }
}

void TForm1::connectHandlers() {
  auto button = [this](const char* name) { return qobject_cast<QPushButton*>(fields_.find(QString::fromLatin1(name))); };
  connect(button("btn44"), &QPushButton::clicked, this, &TForm1::btn44Click);
  connect(button("btn51"), &QPushButton::clicked, this, &TForm1::btn51Click);
  connect(button("Button2"), &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(pages_, &QTabWidget::tabCloseRequested, this, [this](int index) {
    // Every tab shows a close button; pressing one acts on that tab as the active one.
    pages_->setCurrentIndex(index);
    CloseActiveTab();
  });
}

void TForm1::btn44Click() {
  if (comm_) comm_->opencom->TogglePort();
}

void TForm1::btn51Click() {
  if (comm_) comm_->password->Execute();
}

void TForm1::Button2Click() {
  if (!comm_) return;
  if (!comm_->dialogs.askOkCancel(captions_(Txt::AskLanguage))) return;
  comm_->LockUi();
  chinese_captions = !chinese_captions;
  captions_.setLang(chinese_captions ? Lang::Chinese : Lang::English);
  ApplyCaptions(captions_.lang());
  fields_.setText(QStringLiteral("Button12"), captions_(Txt::TxtEditStart));
  fields_.processEvents();
  RefreshTitleAndStatus();
  if (portOpen()) fields_.setText(QStringLiteral("btn44"), captions_(Txt::TxtClosePort));
  fields_.processEvents();
  comm_->UnlockUi();
}

}  // namespace gx
