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

  // The size the window gives the list when there is room; it may shrink to
  // its minimum on a small screen.
  void SetPreferredSize(QSize size) { preferred_ = size; }
  QSize sizeHint() const override { return preferred_.isValid() ? preferred_ : WideListView::sizeHint(); }

  ResultEntries& entries() { return model_->entries(); }
  const ResultEntries& entries() const { return model_->entries(); }

 private:
  ResultListModel* model_;
  QSize preferred_;
};

}  // namespace ordovan
