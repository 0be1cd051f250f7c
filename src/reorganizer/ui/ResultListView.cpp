#include "reorganizer/ui/ResultListView.h"

namespace ordovan {

ResultListView::ResultListView(const QString& object_name, const QString& caption,
                               ResultEntries& entries, QWidget* parent)
    : WideListView(object_name, caption, kResultListScrollExtent, parent),
      model_(new ResultListModel(entries, this)) {
  setModel(model_);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

}  // namespace ordovan
