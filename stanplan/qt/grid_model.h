// The coordinate grid of the form as a table model. Fixed rows are drawn in the
// grid's fixed colour and never edited; every other cell takes typing, which
// goes into the form at once.
#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "designer/controls.h"

namespace stanplan {

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  GridModel(designer::TStringGrid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // One dataChanged for each cell that differs from what the views were told.
  void Sync();

 signals:
  void cellEdited();

 private:
  bool IsFixed(int row) const { return row < grid_.FixedRows; }
  std::size_t At(const QModelIndex& index) const;

  designer::TStringGrid& grid_;
  std::vector<std::string> shown_;  // what the views were last told
};

}  // namespace stanplan
