#include "stanplan/qt/grid_view.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "stanplan/qt/render_util.h"

namespace stanplan {
namespace {

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

GridView::GridView(designer::TStringGrid& grid, const WindowEvents& events, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new GridModel(grid, this)) {
  setModel(model_);
  setItemDelegate(new LiveCellDelegate(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);  // a long text is cut at the cell's edge, as typed
  // The editor is always shown: it opens on whichever cell becomes current.
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  connect(model_, &GridModel::cellEdited, this, [events] { events.changed(); });
  Render();
}

void GridView::Render() {
  model_->Sync();
  if (verticalHeader()->defaultSectionSize() != grid_.DefaultRowHeight) {
    verticalHeader()->setDefaultSectionSize(grid_.DefaultRowHeight);
  }
  for (int col = 0; col < model_->columnCount(); ++col) {
    const int width = col < static_cast<int>(grid_.ColWidths.size())
                          ? grid_.ColWidths[static_cast<std::size_t>(col)]
                          : 64;
    if (columnWidth(col) != width) setColumnWidth(col, width);
  }
}

}  // namespace stanplan
