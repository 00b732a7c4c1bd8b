// A string grid of the form as a table view without Qt's own headers: column
// widths and the row height come from the form; optionally the operator drags the
// column borders in the fixed rows, as on the grid's title row.
#pragma once

#include <QTableView>

#include "monitor/controls.h"
#include "stanmon/qt/grid_model.h"
#include "stanmon/qt/window_events.h"

namespace stanmon {

class GridView : public QTableView {
  Q_OBJECT

 public:
  GridView(monitor::TStringGrid& grid, const WindowEvents& events, QWidget* parent);

  // Column widths dragged by the operator go into the form's ColWidths.
  void AllowColumnSizing() { column_sizing_ = true; }
  void Render();
  GridModel* grid_model() const { return model_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The column whose right border is under the point in the fixed rows, or -1.
  int BorderAt(const QPoint& point) const;

  monitor::TStringGrid& grid_;
  WindowEvents events_;
  GridModel* model_;
  bool column_sizing_ = false;
  int sizing_column_ = -1;
};

}  // namespace stanmon
