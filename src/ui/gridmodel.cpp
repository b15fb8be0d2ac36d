#include "ui/gridmodel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <cmath>

#include "ui/gridroles.h"

namespace gx::ui {

namespace {

QString utf8(const char* s) { return s ? QString::fromUtf8(s) : QString(); }

QString numbered(const char* pattern, int n) {
  const QString s = utf8(pattern);
  return n > 0 ? QString(s).replace(QLatin1String("%1"), QString::number(n)) : s;
}

GridColumn makeColumn(const ColumnDef& d, int n) {
  GridColumn c;
  c.name = numbered(d.name, n);
  for (size_t l = 0; l < size_t(kLangCount); ++l) {
    c.header[l] = numbered(d.header[l] ? d.header[l] : d.header[0], n);
    const char* items = d.items[l] ? d.items[l] : d.items[0];
    if (items) c.items[l] = utf8(items).split(QLatin1Char('|'));
  }
  c.inCaptionSet = d.inCaptionSet;
  c.editor = d.editor;
  c.max = d.max;
  c.decimals = d.decimals;
  c.band = d.band;
  c.line = d.line + (n > 0 ? n - 1 : 0);
  c.width = d.width;
  return c;
}

const QVariant kNull;

}  // namespace

bool inRegisterAlarmZone(int row, int column) { return row >= 4 && ((column >= 3 && column <= 6) || column == 12); }

std::optional<QVariant> userCellValue(const GridColumn& column, const QString& text) {
  switch (column.editor) {
    case Editor::Text:
    case Editor::Combo:
      // The editor stops typing at the limit.
      return QVariant(column.max > 0 ? text.left(column.max) : text);
    case Editor::Spin: {
      const QString t = text.trimmed();
      if (t.isEmpty()) return QVariant();  // an emptied spin has no value
      bool ok = false;
      if (column.decimals == 0) {
        qlonglong v = t.toLongLong(&ok);
        if (!ok) return std::nullopt;
        return QVariant(std::clamp<qlonglong>(v, column.max > 0 ? 0 : -kSpinUnbounded,
                                              column.max > 0 ? column.max : kSpinUnbounded));
      }
      double v = t.toDouble(&ok);
      if (!ok || !std::isfinite(v)) return std::nullopt;
      const double scale = std::pow(10.0, column.decimals);
      v = std::round(v * scale) / scale;  // the editor keeps that many places
      return QVariant(
          std::clamp<double>(v, column.max > 0 ? 0 : -kSpinUnbounded, column.max > 0 ? column.max : kSpinUnbounded));
    }
    case Editor::Check:
    case Editor::Button:
    case Editor::None:
      break;
  }
  return std::nullopt;
}

GridModel::GridModel(const GridDef& def, QObject* parent) : QAbstractTableModel(parent), def_(def), rows_(def.rows) {
  for (const ColumnDef& d : def.columns) {
    if (d.repeat == 0) {
      columns_.push_back(makeColumn(d, 0));
    } else {
      for (int n = 1; n <= d.repeat; ++n) columns_.push_back(makeColumn(d, n));
    }
  }
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

int GridModel::columnOf(QAnyStringView name) const {
  for (size_t c = 0; c < columns_.size(); ++c)
    if (QAnyStringView::compare(columns_[c].name, name) == 0) return int(c);
  return -1;
}

const QVariant& GridModel::cell(int row, int column) const {
  const std::vector<QVariant>& cells = columns_[size_t(column)].cells;
  return size_t(row) < cells.size() ? cells[size_t(row)] : kNull;
}

bool GridModel::vetoed() const {
  if (!ruleFocus_) return false;
  const QModelIndex focus = ruleFocus_();
  return focus.isValid() && inRegisterAlarmZone(focus.row(), focus.column());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const GridColumn& col = columns_[size_t(index.column())];
  const QVariant& v = cell(index.row(), index.column());
  const size_t l = size_t(lang_);
  switch (role) {
    case NullCellRole:
      return col.editor == Editor::Button ? false : !v.isValid();
    case Qt::DisplayRole:
      if (col.editor == Editor::Button) return col.items[l].value(0);
      if (!v.isValid()) return {};
      if (col.editor == Editor::Check) return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
      return v.toString();
    case Qt::EditRole:
      if (col.editor == Editor::Button) return col.items[l].value(0);
      return v;
    case Qt::CheckStateRole:
      if (col.editor != Editor::Check) return {};
      return v.toBool() ? Qt::Checked : Qt::Unchecked;
    case Qt::BackgroundRole:
      if (def_.registerRule && inRegisterAlarmZone(index.row(), index.column()))
        return QBrush(QColor::fromRgb(kAlarmZoneRgb));
      return {};
    case Qt::ForegroundRole:
      if (def_.registerRule && inRegisterAlarmZone(index.row(), index.column())) return QBrush(Qt::black);
      return {};
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
  if (section < 0 || size_t(section) >= columns_.size()) return {};
  const GridColumn& col = columns_[size_t(section)];
  switch (role) {
    case ColumnNameRole:
      return col.name;
    case Qt::DisplayRole:
      return col.inCaptionSet && !designCaptions_ ? col.header[size_t(lang_)] : col.header[0];
    case Qt::TextAlignmentRole:
      return def_.centredHeaders ? QVariant(Qt::AlignCenter) : QVariant();
    default:
      return {};
  }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const Editor e = columns_[size_t(index.column())].editor;
  if (def_.readOnly || e == Editor::None || e == Editor::Button || vetoed()) return f;
  return f | (e == Editor::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool GridModel::fill(int row, int column, const QVariant& value) {
  if (row < 0 || row >= rows_ || column < 0 || size_t(column) >= columns_.size()) return false;
  GridColumn& col = columns_[size_t(column)];
  if (col.editor == Editor::Button) return false;  // a button column holds no values
  if (size_t(row) >= col.cells.size()) {
    if (!value.isValid()) return true;
    col.cells.resize(size_t(rows_));
  }
  col.cells[size_t(row)] = value;
  return true;
}

void GridModel::endFill() {
  if (rows_ > 0 && !columns_.empty()) emit dataChanged(index(0, 0), index(rows_ - 1, int(columns_.size()) - 1));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
  const GridColumn& col = columns_[size_t(index.column())];
  QVariant stored;
  switch (role) {
    case Qt::EditRole:
      stored = value;
      break;
    case UserEditRole: {
      if (!(flags(index) & Qt::ItemIsEditable)) return false;
      std::optional<QVariant> v = userCellValue(col, value.toString());
      if (!v) return false;
      stored = *v;
      break;
    }
    case Qt::CheckStateRole:
      if (!(flags(index) & Qt::ItemIsUserCheckable)) return false;
      stored = value.toInt() == Qt::Checked;
      break;
    default:
      return false;
  }
  if (!fill(index.row(), index.column(), stored)) return false;
  emit dataChanged(index, index);
  return true;
}

void GridModel::setRowCount(int rows) {
  rows = std::max(rows, 0);
  if (rows == rows_) return;
  beginResetModel();
  rows_ = rows;
  for (GridColumn& c : columns_)
    if (!c.cells.empty()) c.cells.resize(size_t(rows));
  endResetModel();
}

void GridModel::setLang(Lang lang) {
  lang_ = lang;
  designCaptions_ = false;
  if (!columns_.empty()) emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
  // Button captions follow the language.
  for (size_t c = 0; c < columns_.size(); ++c)
    if (columns_[c].editor == Editor::Button && rows_ > 0) emit dataChanged(index(0, int(c)), index(rows_ - 1, int(c)));
}

QStringList GridModel::bandCaptions() const {
  QStringList out;
  for (const BandDef& b : def_.bands)
    out << utf8(b.inCaptionSet && !designCaptions_ ? b.caption[size_t(lang_)] : b.caption[0])
               .replace(QChar(0x00A6), QLatin1Char('\n'));
  return out;
}

}  // namespace gx::ui
