#include "reorganizer/ui/ResultListView.h"

#include <QStyledItemDelegate>
#include <algorithm>

namespace ordovan {

namespace {
class ExtentDelegate : public QStyledItemDelegate {
 public:
  explicit ExtentDelegate(ResultListView* view) : QStyledItemDelegate(view), view_(view) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), view_->HorizontalExtent()));
    return size;
  }

 private:
  ResultListView* view_;
};
}  // namespace

ResultListView::ResultListView(const QString& object_name, ResultListModel::Order order,
                               QWidget* parent)
    : QListView(parent), model_(new ResultListModel(order, this)) {
  setObjectName(object_name);
  setAccessibleName(object_name);
  setModel(model_);
  setItemDelegate(new ExtentDelegate(this));
  // Uniform rows keep layout and scrolling cheap for a hundred thousand entries.
  setUniformItemSizes(true);
  setLayoutMode(QListView::Batched);
  setBatchSize(2000);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void ResultListView::SetHorizontalExtent(int pixels) {
  extent_ = pixels;
  scheduleDelayedItemsLayout();
}

}  // namespace ordovan
