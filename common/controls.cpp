#include "common/controls.h"

#include <tuple>

namespace common {

TStringGrid::TStringGrid(int cols, int rows, int fixed_cols, int fixed_rows,
                         std::vector<int> widths)
    : ColCount(cols),
      RowCount(rows),
      FixedCols(fixed_cols),
      FixedRows(fixed_rows),
      ColWidths(std::move(widths)),
      cells_(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows)) {}

bool TStringGrid::SameLayout(const TStringGrid& other) const {
  const auto layout = [](const TStringGrid& g) {
    return std::tie(g.ColCount, g.RowCount, g.FixedCols, g.FixedRows, g.DefaultRowHeight,
                    g.ColWidths, g.FixedColor, g.Editable);
  };
  return layout(*this) == layout(other);
}

}  // namespace common
