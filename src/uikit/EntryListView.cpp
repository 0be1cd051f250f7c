#include "uikit/EntryListView.h"

#include <QItemSelectionModel>
#include <algorithm>

#include "uikit/EntryListModel.h"

namespace ordovan {

EntryListView::EntryListView(const QString& object_name, const QString& accessible_name,
                             Selection selection, QWidget* parent)
    : WideListView(object_name, accessible_name, 0, parent), model_(new EntryListModel(this)) {
  setModel(model_);
  setSelectionMode(selection == Selection::kMultiple ? QAbstractItemView::ExtendedSelection
                                                     : QAbstractItemView::SingleSelection);
}

EntryList& EntryListView::list() { return model_->list(); }
const EntryList& EntryListView::list() const { return model_->list(); }

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
