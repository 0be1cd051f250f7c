#pragma once
// A list box of the results windows: a QListView on its own ResultListModel,
// with rows as wide as the horizontal scroll extent so long paths can be
// scrolled sideways.

#include <QListView>

#include "reorganizer/ui/ResultListModel.h"

namespace ordovan {

inline constexpr int kResultListScrollExtent = 3000;  // pixels

class ResultListView : public QListView {
  Q_OBJECT
 public:
  ResultListView(const QString& object_name, ResultListModel::Order order,
                 QWidget* parent = nullptr);

  ResultListModel& entries() { return *model_; }
  const ResultListModel& entries() const { return *model_; }

  // The width the rows can be scrolled to.
  int HorizontalExtent() const { return extent_; }
  void SetHorizontalExtent(int pixels);

 private:
  ResultListModel* model_;
  int extent_ = kResultListScrollExtent;
};

}  // namespace ordovan
