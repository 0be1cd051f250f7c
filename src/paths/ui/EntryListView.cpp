#include "paths/ui/EntryListView.h"

#include <QItemSelectionModel>
#include <QStyledItemDelegate>
#include <algorithm>

#include "paths/ui/EntryListModel.h"

namespace ordovan {

namespace {
// Every row is as wide as the list's scroll extent (or as the view, when the
// view is wider), which gives the list its sideways scroll range.
class ExtentDelegate : public QStyledItemDelegate {
 public:
  ExtentDelegate(EntryListView* view) : QStyledItemDelegate(view), view_(view) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), view_->HorizontalExtent()));
    return size;
  }

 private:
  EntryListView* view_;
};
}  // namespace

EntryListView::EntryListView(const QString& object_name, const QString& accessible_name,
                             Selection selection, QWidget* parent)
    : QListView(parent), model_(new EntryListModel(this)) {
  setObjectName(object_name);
  setAccessibleName(accessible_name);
  setModel(model_);
  setItemDelegate(new ExtentDelegate(this));
  // Uniform rows keep layout and scrolling cheap for tens of thousands of entries.
  setUniformItemSizes(true);
  setLayoutMode(QListView::Batched);
  setBatchSize(2000);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(selection == Selection::kMultiple ? QAbstractItemView::ExtendedSelection
                                                     : QAbstractItemView::SingleSelection);
}

EntryList& EntryListView::list() { return model_->list(); }
const EntryList& EntryListView::list() const { return model_->list(); }

void EntryListView::SetHorizontalExtent(int pixels) {
  extent_ = pixels;
  scheduleDelayedItemsLayout();
}

std::vector<std::size_t> EntryListView::SelectedRows() const {
  std::vector<std::size_t> rows;
  const QItemSelection selection = selectionModel()->selection();
  for (const QItemSelectionRange& range : selection) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      rows.push_back(static_cast<std::size_t>(row));
    }
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

std::optional<std::size_t> EntryListView::CurrentRow() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return std::nullopt;
  return static_cast<std::size_t>(current.row());
}

void EntryListView::SelectRow(std::size_t row) {
  const QModelIndex index = model_->index(static_cast<int>(row));
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void EntryListView::AddToSelection(std::size_t row) {
  const QModelIndex index = model_->index(static_cast<int>(row));
  selectionModel()->select(index, QItemSelectionModel::Select);
}

void EntryListView::ClearSelectionAndCurrent() {
  selectionModel()->clear();
}

}  // namespace ordovan
