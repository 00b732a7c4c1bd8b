#include "common/controls.h"

namespace common {

TStringGrid::TStringGrid(int cols, int rows, int fixed_cols, int fixed_rows,
                         std::vector<int> widths)
    : ColCount(cols),
      RowCount(rows),
      FixedCols(fixed_cols),
      FixedRows(fixed_rows),
      ColWidths(std::move(widths)),
      cells(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows)) {}

}  // namespace common
