// A string grid of the form as a table model. Every cell, the fixed ones too, is
// an ordinary cell; fixed cells are drawn in the grid's fixed colour and never
// edited.
#pragma once

#include <QAbstractTableModel>
#include <string>
#include <string_view>
#include <vector>

#include "common/controls.h"

namespace shell {

// How the user's typing reaches a grid.
enum class CellEditing {
  // The editor opens on a double click, F2 or a key; its text goes in when it closes.
  kOnRequest,
  // The editor stays open on the current cell and hands over every keystroke. A
  // text keeps only its first line, and an edit that changes nothing tells no one.
  kLive,
};

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridModel(common::TStringGrid& grid, CellEditing editing = CellEditing::kOnRequest,
                     QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // An edit by the user: written into the grid at once.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Tells the views about the cells that differ from what they show: one
  // dataChanged per run of changed cells in a row, a reset when the grid's shape
  // changed, nothing when nothing did.
  void Sync();

 signals:
  void cellEdited();

 private:
  bool IsFixed(int col, int row) const;
  void TakeShape();
  std::string_view CellAt(size_t at) const;

  common::TStringGrid& grid_;
  CellEditing editing_;
  // What the views were last told.
  int cols_ = 0;
  int rows_ = 0;
  int fixed_cols_ = 0;
  int fixed_rows_ = 0;
  std::vector<std::string> shown_;
};

}  // namespace shell
