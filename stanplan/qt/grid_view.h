// The coordinate grid StringGrid1: no headers or scroll bars of Qt's own, the
// form's column widths and row height, and the cell editor open on the current
// cell, writing every keystroke into the form.
#pragma once

#include <QTableView>

#include "designer/controls.h"
#include "stanplan/qt/grid_model.h"
#include "stanplan/qt/window_events.h"

namespace stanplan {

class GridView : public QTableView {
  Q_OBJECT

 public:
  GridView(designer::TStringGrid& grid, const WindowEvents& events, QWidget* parent);

  void Render();
  GridModel* grid_model() const { return model_; }

 private:
  designer::TStringGrid& grid_;
  GridModel* model_;
};

}  // namespace stanplan
