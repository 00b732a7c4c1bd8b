// A string grid of the form as a table view without Qt's own headers: column
// widths and the row height come from the form; optionally the user drags the
// column borders in the fixed rows, as on the grid's title row.
#pragma once

#include <QTableView>
#include <functional>

#include "common/controls.h"
#include "common/qt/grid_model.h"

namespace shell {

class GridView : public QTableView {
  Q_OBJECT

 public:
  // changed runs after the user has changed the grid in the form: a cell or a
  // column width.
  GridView(common::TStringGrid& grid, std::function<void()> changed, QWidget* parent,
           CellEditing editing = CellEditing::kOnRequest);

  // Column widths dragged by the user go into the form's ColWidths.
  void AllowColumnSizing();
  void Render();
  GridModel* grid_model() const { return model_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The column whose right border is under the point in the fixed rows, or -1.
  int BorderAt(const QPoint& point) const;

  common::TStringGrid& grid_;
  std::function<void()> changed_;
  GridModel* model_;
  bool column_sizing_ = false;
  int sizing_column_ = -1;
};

}  // namespace shell
