#pragma once
// A list box of the program: a QListView on its own EntryListModel, single
// or multiple selection, with a horizontal scroll extent so that long paths
// can be scrolled sideways.

#include <optional>
#include <vector>

#include "paths/EntryList.h"
#include "uikit/WideListView.h"

namespace ordovan {

class EntryListModel;

inline constexpr int kListScrollExtent = 3000;  // pixels

class EntryListView : public WideListView {
  Q_OBJECT
 public:
  enum class Selection { kSingle, kMultiple };

  EntryListView(const QString& object_name, const QString& accessible_name, Selection selection,
                QWidget* parent = nullptr);

  EntryList& list();
  const EntryList& list() const;
  EntryListModel* entryModel() const { return model_; }

  // Selected rows in ascending order.
  std::vector<std::size_t> SelectedRows() const;
  // The current (focused) row, if there is one.
  std::optional<std::size_t> CurrentRow() const;
  // Makes `row` current and selects it (alone).
  void SelectRow(std::size_t row);
  // Adds `row` to the selection (multiple-selection lists).
  void AddToSelection(std::size_t row);
  void ClearSelectionAndCurrent();

 private:
  EntryListModel* model_;
};

}  // namespace ordovan
