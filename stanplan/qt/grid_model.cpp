#include "stanplan/qt/grid_model.h"

#include <QBrush>

#include "stanplan/qt/render_util.h"

namespace stanplan {

GridModel::GridModel(designer::TStringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), shown_(grid.cells) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.RowCount;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.ColCount;
}

std::size_t GridModel::At(const QModelIndex& index) const {
  return static_cast<std::size_t>(index.row() * grid_.ColCount + index.column());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return ToQ(shown_[At(index)]);
    case Qt::BackgroundRole:
      if (IsFixed(index.row())) return QBrush(ToQColor(grid_.FixedColor));
      return {};
    default:
      return {};
  }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (IsFixed(index.row())) return Qt::ItemIsEnabled;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (grid_.Editable) flags |= Qt::ItemIsEditable;
  return flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const std::string text = SingleLine(value.toString());
  const std::size_t at = At(index);
  if (grid_.cells[at] == text && shown_[at] == text) return true;
  grid_.cells[at] = text;
  shown_[at] = text;
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  emit cellEdited();
  return true;
}

void GridModel::Sync() {
  for (int row = 0; row < grid_.RowCount; ++row) {
    for (int col = 0; col < grid_.ColCount; ++col) {
      const QModelIndex cell = index(row, col);
      const std::size_t at = At(cell);
      if (shown_[at] == grid_.cells[at]) continue;
      shown_[at] = grid_.cells[at];
      emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    }
  }
}

}  // namespace stanplan
