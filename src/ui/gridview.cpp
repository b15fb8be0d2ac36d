#include "ui/gridview.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSpinBox>

#include "ui/gridmodel.h"
#include "ui/gridroles.h"

namespace gx::ui {

namespace {

const GridColumn* columnAt(const QModelIndex& index) {
  auto* m = qobject_cast<const GridModel*>(index.model());
  return m && index.isValid() ? &m->column(index.column()) : nullptr;
}

bool isButton(const QModelIndex& index) {
  const GridColumn* c = columnAt(index);
  return c && c->editor == Editor::Button;
}

constexpr int kDefaultWidth = 90;
constexpr int kMaxHintWidth = 1020;
constexpr int kMaxHintHeight = 560;

}  // namespace

// ---- delegate

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
  const GridColumn* c = columnAt(index);
  if (!c) return nullptr;
  const int low = c->max > 0 ? 0 : -kSpinUnbounded;
  const int high = c->max > 0 ? c->max : kSpinUnbounded;
  switch (c->editor) {
    case Editor::Text: {
      auto* e = new QLineEdit(parent);
      if (c->max > 0) e->setMaxLength(c->max);
      return e;
    }
    case Editor::Spin:
      if (c->decimals > 0) {
        auto* s = new QDoubleSpinBox(parent);
        s->setDecimals(c->decimals);
        s->setRange(low, high);
        return s;
      } else {
        auto* s = new QSpinBox(parent);
        s->setRange(low, high);
        return s;
      }
    case Editor::Combo: {
      auto* m = qobject_cast<const GridModel*>(index.model());
      auto* box = new QComboBox(parent);
      box->setEditable(true);
      box->addItems(c->items[size_t(m->lang())]);
      return box;
    }
    case Editor::Check:
    case Editor::Button:
    case Editor::None:
      break;
  }
  return nullptr;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QVariant v = index.data(Qt::EditRole);
  if (auto* e = qobject_cast<QLineEdit*>(editor))
    e->setText(v.toString());
  else if (auto* s = qobject_cast<QSpinBox*>(editor))
    s->setValue(v.toInt());
  else if (auto* d = qobject_cast<QDoubleSpinBox*>(editor))
    d->setValue(v.toDouble());
  else if (auto* b = qobject_cast<QComboBox*>(editor))
    b->setEditText(v.toString());
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  // The editor's text goes through the same rule as any other user edit.
  QString text;
  if (auto* e = qobject_cast<QLineEdit*>(editor))
    text = e->text();
  else if (auto* s = qobject_cast<QSpinBox*>(editor))
    text = s->cleanText().isEmpty() ? QString() : QString::number(s->value());
  else if (auto* d = qobject_cast<QDoubleSpinBox*>(editor))
    text = d->cleanText().isEmpty() ? QString() : QString::number(d->value());
  else if (auto* b = qobject_cast<QComboBox*>(editor))
    text = b->currentText();
  else
    return;
  model->setData(index, text, UserEditRole);
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const GridColumn* c = columnAt(index);
  if (c && (c->editor == Editor::Check || c->editor == Editor::Button)) {
    // The box or the button says it all; the cell's text is for readers.
    option->text.clear();
    option->features &= ~QStyleOptionViewItem::HasDisplay;
  }
  if (c && c->editor == Editor::Check && index.data(NullCellRole).toBool()) {
    option->features &= ~QStyleOptionViewItem::HasCheckIndicator;
  }
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (!isButton(index)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionButton b;
  b.rect = option.rect.adjusted(2, 1, -2, -1);
  b.text = index.data(Qt::DisplayRole).toString();
  b.state = QStyle::State_Enabled | QStyle::State_Raised;
  b.fontMetrics = option.fontMetrics;
  b.palette = option.palette;
  const QWidget* w = option.widget;
  (w ? w->style() : QApplication::style())->drawControl(QStyle::CE_PushButton, &b, painter, w);
}

// ---- plain grid

PlainGridView::PlainGridView(GridModel* model, QWidget* parent) : QTableView(parent), model_(model) {
  model->setParent(this);
  // Row heights are fixed and known before the model arrives, so the header
  // does not measure thousands of rows.
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setModel(model);
  setItemDelegate(new GridDelegate(this));
  const GridDef& def = model->def();
  QHeaderView* h = horizontalHeader();
  h->setVisible(def.headers);
  h->setSectionsMovable(false);
  h->setSectionsClickable(false);
  h->setHighlightSections(false);
  // The commonest width becomes the default, so a wide grid sizes few sections one by one.
  QHash<int, int> widths;
  int common = kDefaultWidth;
  for (int c = 0; c < model->columnCount(); ++c) {
    const int w = model->column(c).width > 0 ? model->column(c).width : kDefaultWidth;
    if (++widths[w] > widths.value(common)) common = w;
  }
  h->setDefaultSectionSize(common);
  for (int c = 0; c < model->columnCount(); ++c) {
    const int w = model->column(c).width > 0 ? model->column(c).width : kDefaultWidth;
    if (w != common) h->resizeSection(c, w);
  }
  setSortingEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(def.readOnly ? QAbstractItemView::NoEditTriggers
                               : QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                     QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

QSize PlainGridView::sizeHint() const {
  const int frame = 2 * frameWidth();
  const int rows = model_->rowCount();
  const int headerH = horizontalHeader()->isVisible() ? horizontalHeader()->sizeHint().height() : 0;
  const int scroll = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return {std::min(horizontalHeader()->length() + frame + scroll, kMaxHintWidth),
          std::min(headerH + rows * verticalHeader()->defaultSectionSize(), kMaxHintHeight) + frame + scroll + 4};
}

void PlainGridView::clickCell(int row, int column) {
  const QModelIndex i = model_->index(row, column);
  if (!isButton(i)) return;
  setCurrentIndex(i);
  emit buttonClicked(row, model_->column(column).name);
}

void PlainGridView::mouseReleaseEvent(QMouseEvent* e) {
  QTableView::mouseReleaseEvent(e);
  const QModelIndex i = indexAt(e->position().toPoint());
  if (e->button() == Qt::LeftButton && isButton(i)) clickCell(i.row(), i.column());
}

// ---- banded grid

BandedGridView::BandedGridView(GridModel* model, QWidget* parent) : QAbstractItemView(parent), model_(model) {
  model->setParent(this);
  setModel(model);
  setItemDelegate(new GridDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(model->def().readOnly ? QAbstractItemView::NoEditTriggers : QAbstractItemView::DoubleClicked);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  lineHeight_ = fontMetrics().height() + 8;
  headerHeight_ = lineHeight_ + 2;
  layoutColumns();
  connect(model, &QAbstractItemModel::headerDataChanged, viewport(), [this] { viewport()->update(); });
}

QStringList BandedGridView::bands() const { return model_->bandCaptions(); }

void BandedGridView::layoutColumns() {
  const int bandCount = std::max(model_->bandCount(), 1);
  const int columns = model_->columnCount();
  // Lines per band, and the width each band needs for its widest line.
  std::vector<int> bandLines(static_cast<size_t>(bandCount), 1);
  std::vector<std::vector<int>> lineWidth(static_cast<size_t>(bandCount));
  for (int c = 0; c < columns; ++c) {
    const GridColumn& col = model_->column(c);
    const size_t b = size_t(std::clamp(col.band, 0, bandCount - 1));
    bandLines[b] = std::max(bandLines[b], col.line + 1);
    if (lineWidth[b].size() <= size_t(col.line)) lineWidth[b].resize(size_t(col.line) + 1, 0);
    lineWidth[b][size_t(col.line)] += col.width > 0 ? col.width : kDefaultWidth;
  }
  lines_ = *std::max_element(bandLines.begin(), bandLines.end());
  bandSpans_.clear();
  int x = 0;
  for (size_t b = 0; b < size_t(bandCount); ++b) {
    const int w = lineWidth[b].empty() ? kDefaultWidth : *std::max_element(lineWidth[b].begin(), lineWidth[b].end());
    bandSpans_.emplace_back(x, w);
    x += w;
  }
  width_ = x;
  // Each line of a band stretches its cells over the band's width; a band
  // with fewer lines than the record gives each line more height.
  places_.assign(size_t(columns), {});
  std::vector<std::vector<int>> lineX(static_cast<size_t>(bandCount));
  const int recH = recordHeight();
  for (int c = 0; c < columns; ++c) {
    const GridColumn& col = model_->column(c);
    const size_t b = size_t(std::clamp(col.band, 0, bandCount - 1));
    const auto [bx, bw] = bandSpans_[b];
    if (lineX[b].size() <= size_t(col.line)) lineX[b].resize(size_t(col.line) + 1, 0);
    const int full = lineWidth[b][size_t(col.line)];
    const int own = col.width > 0 ? col.width : kDefaultWidth;
    const int start = lineX[b][size_t(col.line)];
    lineX[b][size_t(col.line)] += own;
    const int x0 = bx + int(qint64(start) * bw / full);
    const int x1 = bx + int(qint64(start + own) * bw / full);
    const int lines = bandLines[b];
    const int y0 = col.line * recH / lines;
    const int y1 = (col.line + 1) * recH / lines;
    places_[size_t(c)] = {x0, y0, x1 - x0, y1 - y0};
  }
}

QRect BandedGridView::cellRect(int record, int column) const {
  const Place& p = places_[size_t(column)];
  return {p.x - horizontalOffset(), headerHeight_ + record * recordHeight() + p.y - verticalOffset(), p.w, p.h};
}

QRect BandedGridView::visualRect(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != model_) return {};
  return cellRect(index.row(), index.column());
}

QModelIndex BandedGridView::indexAt(const QPoint& point) const {
  if (point.y() < headerHeight_) return {};
  const int y = point.y() - headerHeight_ + verticalOffset();
  const int record = y / recordHeight();
  if (record < 0 || record >= model_->rowCount()) return {};
  const int inRecord = y - record * recordHeight();
  const int x = point.x() + horizontalOffset();
  for (size_t c = 0; c < places_.size(); ++c) {
    const Place& p = places_[c];
    if (x >= p.x && x < p.x + p.w && inRecord >= p.y && inRecord < p.y + p.h) return model_->index(record, int(c));
  }
  return {};
}

void BandedGridView::scrollTo(const QModelIndex& index, ScrollHint) {
  if (!index.isValid()) return;
  const int area = viewport()->height() - headerHeight_;
  const int top = index.row() * recordHeight();
  const int bottom = top + recordHeight();
  if (top < verticalOffset())
    verticalScrollBar()->setValue(top);
  else if (bottom > verticalOffset() + area)
    verticalScrollBar()->setValue(bottom - area);
  const Place& p = places_[size_t(index.column())];
  if (p.x < horizontalOffset())
    horizontalScrollBar()->setValue(p.x);
  else if (p.x + p.w > horizontalOffset() + viewport()->width())
    horizontalScrollBar()->setValue(p.x + p.w - viewport()->width());
  viewport()->update();
}

QModelIndex BandedGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return model_->index(0, 0);
  int row = current.row();
  int column = current.column();
  const int page = std::max(1, (viewport()->height() - headerHeight_) / recordHeight());
  switch (action) {
    case MoveUp:
      --row;
      break;
    case MoveDown:
      ++row;
      break;
    case MoveLeft:
    case MovePrevious:
      --column;
      break;
    case MoveRight:
    case MoveNext:
      ++column;
      break;
    case MovePageUp:
      row -= page;
      break;
    case MovePageDown:
      row += page;
      break;
    case MoveHome:
      column = 0;
      break;
    case MoveEnd:
      column = model_->columnCount() - 1;
      break;
  }
  return model_->index(std::clamp(row, 0, model_->rowCount() - 1), std::clamp(column, 0, model_->columnCount() - 1));
}

int BandedGridView::horizontalOffset() const { return horizontalScrollBar()->value(); }
int BandedGridView::verticalOffset() const { return verticalScrollBar()->value(); }
bool BandedGridView::isIndexHidden(const QModelIndex&) const { return false; }

void BandedGridView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) {
  QItemSelection selection;
  const QRect r = rect.normalized();
  const int first = std::max(0, (r.top() - headerHeight_ + verticalOffset()) / recordHeight());
  const int last = std::min(model_->rowCount() - 1, (r.bottom() - headerHeight_ + verticalOffset()) / recordHeight());
  for (int row = first; row <= last; ++row)
    for (int c = 0; c < model_->columnCount(); ++c)
      if (cellRect(row, c).intersects(r)) selection.select(model_->index(row, c), model_->index(row, c));
  selectionModel()->select(selection, flags);
}

QRegion BandedGridView::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  for (const QItemSelectionRange& range : selection)
    for (int row = range.top(); row <= range.bottom(); ++row)
      for (int c = range.left(); c <= range.right(); ++c) region += cellRect(row, c);
  return region;
}

void BandedGridView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QRect area = viewport()->rect();
  const int recH = recordHeight();
  const QColor gridColor = palette().color(QPalette::Mid);
  painter.setClipRect(area.adjusted(0, headerHeight_, 0, 0));
  const int first = std::max(0, verticalOffset() / recH);
  const int last = std::min(model_->rowCount() - 1, (verticalOffset() + area.height()) / recH);
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const QModelIndex current = currentIndex();
  for (int row = first; row <= last; ++row) {
    for (int c = 0; c < model_->columnCount(); ++c) {
      const QRect r = cellRect(row, c);
      if (!r.intersects(area)) continue;
      const QModelIndex i = model_->index(row, c);
      QStyleOptionViewItem o = option;
      o.rect = r;
      if (selectionModel()->isSelected(i)) o.state |= QStyle::State_Selected;
      if (i == current && hasFocus()) o.state |= QStyle::State_HasFocus;
      itemDelegateForIndex(i)->paint(&painter, o, i);
      painter.setPen(gridColor);
      painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
  }
  // Band captions stay on top while the records scroll.
  painter.setClipping(false);
  const QStringList captions = bands();
  for (size_t b = 0; b < bandSpans_.size(); ++b) {
    QStyleOptionHeader h;
    h.initFrom(this);
    h.rect = QRect(bandSpans_[b].first - horizontalOffset(), 0, bandSpans_[b].second, headerHeight_);
    h.text = captions.value(int(b));
    h.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    h.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_Header, &h, &painter, this);
  }
}

void BandedGridView::updateGeometries() {
  const int area = viewport()->height() - headerHeight_;
  verticalScrollBar()->setSingleStep(lineHeight_);
  verticalScrollBar()->setPageStep(std::max(area, 1));
  verticalScrollBar()->setRange(0, std::max(0, model_->rowCount() * recordHeight() - area));
  horizontalScrollBar()->setSingleStep(20);
  horizontalScrollBar()->setPageStep(std::max(viewport()->width(), 1));
  horizontalScrollBar()->setRange(0, std::max(0, width_ - viewport()->width()));
  QAbstractItemView::updateGeometries();
}

void BandedGridView::resizeEvent(QResizeEvent* e) {
  QAbstractItemView::resizeEvent(e);
  updateGeometries();
}

QSize BandedGridView::sizeHint() const {
  const int frame = 2 * frameWidth();
  const int scroll = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return {std::min(width_ + frame + scroll, kMaxHintWidth),
          std::min(headerHeight_ + model_->rowCount() * recordHeight(), kMaxHintHeight) + frame + scroll};
}

void BandedGridView::clickCell(int row, int column) {
  const QModelIndex i = model_->index(row, column);
  if (!isButton(i)) return;
  // The pressed record becomes the focused one, as a click does.
  setCurrentIndex(i);
  emit buttonClicked(row, model_->column(column).name);
}

void BandedGridView::mouseReleaseEvent(QMouseEvent* e) {
  QAbstractItemView::mouseReleaseEvent(e);
  const QModelIndex i = indexAt(e->position().toPoint());
  if (e->button() == Qt::LeftButton && isButton(i)) clickCell(i.row(), i.column());
}

}  // namespace gx::ui
