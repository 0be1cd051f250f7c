#pragma once
// A list box of the results windows: a wide list view over one list of the
// run's results, with rows as wide as the horizontal scroll extent so long
// paths can be scrolled sideways.

#include "reorganizer/ui/ResultListModel.h"
#include "uikit/WideListView.h"

namespace ordovan {

inline constexpr int kResultListScrollExtent = 3000;  // pixels

class ResultListView : public WideListView {
  Q_OBJECT
 public:
  // `caption` is the text shown above the list, which names it for a screen reader.
  ResultListView(const QString& object_name, const QString& caption, ResultEntries& entries,
                 QWidget* parent = nullptr);

  ResultEntries& entries() { return model_->entries(); }
  const ResultEntries& entries() const { return model_->entries(); }

 private:
  ResultListModel* model_;
};

}  // namespace ordovan
