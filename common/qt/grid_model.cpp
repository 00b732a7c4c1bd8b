#include "common/qt/grid_model.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include "common/qt/color.h"
#include "common/qt/render_util.h"

namespace shell {

GridModel::GridModel(common::TStringGrid& grid, CellEditing editing, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), editing_(editing) {
  TakeShape();
}

// A grid whose cell list is short shows the missing cells empty.
std::string_view GridModel::CellAt(size_t at) const {
  const auto& cells = grid_.AllCells();
  return at < cells.size() ? std::string_view(cells[at]) : std::string_view();
}

void GridModel::TakeShape() {
  cols_ = grid_.ColCount;
  rows_ = grid_.RowCount;
  fixed_cols_ = grid_.FixedCols;
  fixed_rows_ = grid_.FixedRows;
  shown_.resize(static_cast<size_t>(cols_ * rows_));
  for (size_t at = 0; at < shown_.size(); ++at) shown_[at] = std::string(CellAt(at));
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

bool GridModel::IsFixed(int col, int row) const {
  return col < fixed_cols_ || row < fixed_rows_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return ToQ(shown_[static_cast<size_t>(index.row() * cols_ + index.column())]);
    case Qt::BackgroundRole:
      if (IsFixed(index.column(), index.row())) {
        return QBrush(ToQColor(grid_.FixedColor, QGuiApplication::palette()));
      }
      return {};
    default:
      return {};
  }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (IsFixed(index.column(), index.row())) return Qt::ItemIsEnabled;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (grid_.Editable) flags |= Qt::ItemIsEditable;
  return flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  // The grid may have changed shape since the views were told; then Sync resets first.
  if (grid_.ColCount != cols_ || grid_.RowCount != rows_) return false;
  const size_t at = static_cast<size_t>(index.row() * cols_ + index.column());
  if (at >= grid_.AllCells().size()) return false;
  const std::string text =
      editing_ == CellEditing::kLive ? SingleLine(value.toString()) : FromQ(value.toString());
  if (editing_ == CellEditing::kLive && grid_.AllCells()[at] == text && shown_[at] == text)
    return true;
  grid_.Cells(index.column(), index.row()) = text;
  shown_[at] = text;
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  emit cellEdited();
  return true;
}

void GridModel::Sync() {
  const bool reshaped = grid_.ColCount != cols_ || grid_.RowCount != rows_ ||
                        grid_.FixedCols != fixed_cols_ || grid_.FixedRows != fixed_rows_;
  if (reshaped) {
    beginResetModel();
    TakeShape();
    endResetModel();
    return;
  }
  for (int row = 0; row < rows_; ++row) {
    int run_start = -1;
    for (int col = 0; col <= cols_; ++col) {
      const size_t at = static_cast<size_t>(row * cols_ + col);
      const bool changed = col < cols_ && shown_[at] != CellAt(at);
      if (changed) {
        shown_[at] = std::string(CellAt(at));
        if (run_start < 0) run_start = col;
      } else if (run_start >= 0) {
        emit dataChanged(index(row, run_start), index(row, col - 1),
                         {Qt::DisplayRole, Qt::EditRole});
        run_start = -1;
      }
    }
  }
}

}  // namespace shell
