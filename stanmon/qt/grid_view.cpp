#include "stanmon/qt/grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>

namespace stanmon {
namespace {

constexpr int kDefaultColWidth = 64;
constexpr int kBorderGrip = 3;  // pixels either side of a border that catch the mouse
constexpr int kMinColWidth = 8;

int FormWidth(const monitor::TStringGrid& grid, int col) {
  return col < static_cast<int>(grid.ColWidths.size()) ? grid.ColWidths[static_cast<size_t>(col)]
                                                       : kDefaultColWidth;
}

}  // namespace

GridView::GridView(monitor::TStringGrid& grid, const WindowEvents& events, QWidget* parent)
    : QTableView(parent), grid_(grid), events_(events), model_(new GridModel(grid, this)) {
  setModel(model_);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  setMouseTracking(true);
  connect(model_, &GridModel::cellEdited, this, [this] { events_.changed(); });
  Render();
}

void GridView::Render() {
  model_->Sync();
  if (verticalHeader()->defaultSectionSize() != grid_.DefaultRowHeight) {
    verticalHeader()->setDefaultSectionSize(grid_.DefaultRowHeight);
  }
  for (int col = 0; col < model_->columnCount(); ++col) {
    const int width = FormWidth(grid_, col);
    if (columnWidth(col) != width) setColumnWidth(col, width);
  }
}

int GridView::BorderAt(const QPoint& point) const {
  if (!column_sizing_ || grid_.FixedRows == 0) return -1;
  const int fixed_bottom =
      rowViewportPosition(grid_.FixedRows - 1) + rowHeight(grid_.FixedRows - 1);
  if (point.y() < 0 || point.y() >= fixed_bottom) return -1;
  for (int col = 0; col < model_->columnCount(); ++col) {
    const int right = columnViewportPosition(col) + columnWidth(col);
    if (std::abs(point.x() - right) <= kBorderGrip) return col;
  }
  return -1;
}

void GridView::mousePressEvent(QMouseEvent* event) {
  const int col = BorderAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && col >= 0) {
    sizing_column_ = col;
    return;
  }
  QTableView::mousePressEvent(event);
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (sizing_column_ >= 0) {
    const int width = std::max(kMinColWidth, point.x() - columnViewportPosition(sizing_column_));
    if (grid_.ColWidths.size() <= static_cast<size_t>(sizing_column_)) {
      grid_.ColWidths.resize(static_cast<size_t>(sizing_column_) + 1, kDefaultColWidth);
    }
    grid_.ColWidths[static_cast<size_t>(sizing_column_)] = width;
    events_.changed();
    return;
  }
  if (column_sizing_) {
    viewport()->setCursor(BorderAt(point) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
  }
  QTableView::mouseMoveEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  if (sizing_column_ >= 0) {
    sizing_column_ = -1;
    return;
  }
  QTableView::mouseReleaseEvent(event);
}

}  // namespace stanmon
