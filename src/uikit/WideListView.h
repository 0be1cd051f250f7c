#pragma once
// The common ground of the program's list boxes: a QListView set up for tens
// of thousands of rows, whose rows are as wide as a horizontal scroll extent
// so that long paths can be scrolled sideways. Subclasses bring the model and
// the selection mode.

#include <QListView>

namespace ordovan {

class WideListView : public QListView {
  Q_OBJECT
 public:
  WideListView(const QString& object_name, const QString& accessible_name, int extent,
               QWidget* parent = nullptr);

  // The width the rows can be scrolled to.
  void SetHorizontalExtent(int pixels);
  int HorizontalExtent() const { return extent_; }

 private:
  int extent_;
};

}  // namespace ordovan
