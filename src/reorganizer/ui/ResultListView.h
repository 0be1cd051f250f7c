#pragma once
// A list box of the results windows: a QListView on its own ResultListModel,
// with rows as wide as the horizontal scroll extent so long paths can be
// scrolled sideways.

#include "uikit/WideListView.h"
#include "reorganizer/ui/ResultListModel.h"

namespace ordovan {

inline constexpr int kResultListScrollExtent = 3000;  // pixels

class ResultListView : public WideListView {
  Q_OBJECT
 public:
  ResultListView(const QString& object_name, ResultListModel::Order order,
                 QWidget* parent = nullptr);

  ResultListModel& entries() { return *model_; }
  const ResultListModel& entries() const { return *model_; }

 private:
  ResultListModel* model_;
};

}  // namespace ordovan
