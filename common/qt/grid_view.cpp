#include "common/qt/grid_view.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cstdlib>

namespace shell {
namespace {

constexpr int kDefaultColWidth = 64;
constexpr int kBorderGrip = 3;  // pixels either side of a border that catch the mouse
constexpr int kMinColWidth = 8;

int FormWidth(const common::TStringGrid& grid, int col) {
  return col < static_cast<int>(grid.ColWidths.size()) ? grid.ColWidths[static_cast<size_t>(col)]
                                                       : kDefaultColWidth;
}

// A cell editor that hands every change to the model at once, and leaves the
// cursor alone when the model only echoes the editor's own text.
class LiveCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    connect(editor, &QLineEdit::textEdited, this,
            [this, editor] { emit const_cast<LiveCellDelegate*>(this)->commitData(editor); });
    return editor;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* line = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (line->text() != text) line->setText(text);
  }
};

}  // namespace

GridView::GridView(common::TStringGrid& grid, std::function<void()> changed, QWidget* parent,
                   CellEditing editing)
    : QTableView(parent),
      grid_(grid),
      changed_(std::move(changed)),
      model_(new GridModel(grid, editing, this)) {
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
  setTextElideMode(Qt::ElideNone);  // a long text is cut at the cell's edge
  if (editing == CellEditing::kLive) {
    // The editor is always shown: it opens on whichever cell becomes current.
    setItemDelegate(new LiveCellDelegate(this));
    setEditTriggers(QAbstractItemView::AllEditTriggers);
  } else {
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  }
  connect(model_, &GridModel::cellEdited, this, [this] { changed_(); });
  Render();
}

void GridView::AllowColumnSizing() {
  column_sizing_ = true;
  setMouseTracking(true);  // the cursor shows where a border can be dragged
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
    changed_();
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

}  // namespace shell
