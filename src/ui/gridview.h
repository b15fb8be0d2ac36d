#pragma once
// The two grid views: a plain table, and a banded view that draws each record
// as several lines under band captions. Both edit through GridDelegate, which
// draws check and button cells and hands every user edit to the model's
// editing rules; neither creates a widget per cell.
#include <QAbstractItemView>
#include <QStyledItemDelegate>
#include <QTableView>

namespace gx::ui {

class GridModel;

class GridDelegate final : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

class PlainGridView final : public QTableView {
  Q_OBJECT
 public:
  explicit PlainGridView(GridModel* model, QWidget* parent = nullptr);
  [[nodiscard]] GridModel* gridModel() const { return model_; }
  QSize sizeHint() const override;
  // A user's press of the button in a cell (nothing happens on other cells).
  Q_INVOKABLE void clickCell(int row, int column);

 signals:
  void buttonClicked(int record, const QString& column);

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  GridModel* model_;
};

class BandedGridView final : public QAbstractItemView {
  Q_OBJECT
  Q_PROPERTY(QStringList bands READ bands)
 public:
  explicit BandedGridView(GridModel* model, QWidget* parent = nullptr);
  [[nodiscard]] GridModel* gridModel() const { return model_; }
  // Band captions in the language in force.
  [[nodiscard]] QStringList bands() const;
  // A user's press of the button in a cell; row is the record.
  Q_INVOKABLE void clickCell(int row, int column);

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;
  QSize sizeHint() const override;

 signals:
  void buttonClicked(int record, const QString& column);

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override;
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex& index) const override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;
  void paintEvent(QPaintEvent* e) override;
  void updateGeometries() override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Where a column sits inside a record, relative to the record's top left.
  struct Place {
    int x = 0, y = 0, w = 0, h = 0;
  };
  void layoutColumns();
  [[nodiscard]] int recordHeight() const { return lineHeight_ * lines_; }
  [[nodiscard]] int contentWidth() const { return width_; }
  [[nodiscard]] QRect cellRect(int record, int column) const;  // in viewport coordinates

  GridModel* model_;
  std::vector<Place> places_;                   // per column
  std::vector<std::pair<int, int>> bandSpans_;  // x and width per band
  int lines_ = 1;
  int lineHeight_ = 22;
  int headerHeight_ = 24;
  int width_ = 0;
};

}  // namespace gx::ui
