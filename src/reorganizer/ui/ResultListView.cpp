#include "reorganizer/ui/ResultListView.h"

namespace ordovan {

ResultListView::ResultListView(const QString& object_name, ResultListModel::Order order,
                               QWidget* parent)
    : WideListView(object_name, object_name, kResultListScrollExtent, parent),
      model_(new ResultListModel(order, this)) {
  setModel(model_);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

}  // namespace ordovan
