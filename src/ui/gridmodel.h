#pragma once
// The grids as data, and the one table model every grid of the window uses.
//
// A grid table names its columns (component name, header per language, the
// editor the user gets), its rows and, for banded grids, its bands. Cells are
// kept per column and a column's storage exists only once one of its cells
// got a value, so a wide grid that is mostly empty (1000 x 417) costs next to
// nothing. An invalid QVariant is a cell that never got a value.
#include <QAbstractTableModel>
#include <QAnyStringView>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "engine/captionset.h"
#include "ui/tables.h"

namespace gx::ui {

enum class Editor : uint8_t {
  None,    // shown, never edited by the user
  Text,    // max: most characters
  Spin,    // whole numbers (or `decimals` places); max > 0: range 0 … max
  Check,   // a bool
  Combo,   // text with a drop-down of `items`
  Button,  // a push button drawn in every cell; the column holds no values
};

struct ColumnDef {
  // With `repeat` > 0 the row stands for columns 1 … repeat: "%1" in the name
  // and the headers becomes the number, and the line of a banded grid is
  // line + number - 1.
  const char* name = nullptr;
  Texts header{};             // header per language; the first is the design caption
  bool inCaptionSet = false;  // the caption passes set the header (else the design caption stays)
  Editor editor = Editor::None;
  int max = 0;
  uint8_t decimals = 0;
  Texts items{};  // combo items ('|' between them); button caption
  uint8_t band = 0;
  uint8_t line = 0;
  uint16_t repeat = 0;
  uint16_t width = 0;  // preferred width in pixels; 0 for the default
};

struct BandDef {
  Texts caption{};
  bool inCaptionSet = false;
};

struct GridDef {
  const char* name = nullptr;
  int rows = 0;
  std::span<const ColumnDef> columns = {};
  std::span<const BandDef> bands = {};  // empty for a plain grid
  bool headers = true;                  // column headers shown
  bool readOnly = false;                // no user edit at all
  bool centredHeaders = false;
  bool registerRule = false;  // shares the register grid's edit check and red cells
};

// The table of a grid by its component name, or nullptr.
[[nodiscard]] const GridDef* gridDef(std::string_view name);
[[nodiscard]] std::span<const GridDef> gridDefs();

// The register grid's alarm zone: columns 3 … 6 and 12 from row 4 on. A cell
// in it is painted red, and while the register grid's focus is in it no cell
// of the grids sharing the rule takes a user edit.
[[nodiscard]] bool inRegisterAlarmZone(int row, int column);
inline constexpr uint32_t kAlarmZoneRgb = 0xFF0000;
// The range of a spin editor that has no maximum of its own.
inline constexpr int kSpinUnbounded = 999999;

// One column as the model holds it.
struct GridColumn {
  QString name;
  std::array<QString, kLangCount> header;
  bool inCaptionSet = false;
  Editor editor = Editor::None;
  int max = 0;
  int decimals = 0;
  std::array<QStringList, kLangCount> items;
  int band = 0;
  int line = 0;
  int width = 0;
  std::vector<QVariant> cells;  // empty until a cell gets a value
};

// What a user's edit of a cell stores, or nothing when the editor would not
// take the text. The cell editors and the model's user path share it.
[[nodiscard]] std::optional<QVariant> userCellValue(const GridColumn& column, const QString& text);

class GridModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GridModel(const GridDef& def, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // EditRole: a program's write, always stored (an invalid value makes the
  // cell valueless again). UserEditRole: a user's edit, through the editing
  // rules. CheckStateRole: a user's click on a check cell.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  [[nodiscard]] const GridDef& def() const { return def_; }
  [[nodiscard]] const GridColumn& column(int c) const { return columns_[size_t(c)]; }
  [[nodiscard]] int columnOf(QAnyStringView name) const;
  void setRowCount(int rows);
  // The language of headers, bands and button captions.
  void setLang(Lang lang);
  [[nodiscard]] Lang lang() const { return lang_; }
  [[nodiscard]] QStringList bandCaptions() const;
  [[nodiscard]] int bandCount() const { return int(def_.bands.size()); }

  // A program's write without change signals, for filling many cells before
  // a single reset; returns false for an unknown cell.
  bool fill(int row, int column, const QVariant& value);
  void endFill();

  // Where the register grid's focus is, for the shared edit check.
  void setRuleFocus(std::function<QModelIndex()> focus) { ruleFocus_ = std::move(focus); }

 private:
  [[nodiscard]] const QVariant& cell(int row, int column) const;
  [[nodiscard]] bool vetoed() const;

  const GridDef& def_;
  std::vector<GridColumn> columns_;
  int rows_ = 0;
  Lang lang_ = Lang::Chinese;
  bool designCaptions_ = true;  // no caption pass yet
  std::function<QModelIndex()> ruleFocus_;
};

}  // namespace gx::ui
