#include "uikit/WideListView.h"

#include <QStyledItemDelegate>
#include <algorithm>

namespace ordovan {

namespace {
// Every row is as wide as the list's scroll extent (or as the view, when the
// view is wider), which gives the list its sideways scroll range.
class ExtentDelegate : public QStyledItemDelegate {
 public:
  explicit ExtentDelegate(WideListView* view) : QStyledItemDelegate(view), view_(view) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), view_->HorizontalExtent()));
    return size;
  }

 private:
  WideListView* view_;
};
}  // namespace

WideListView::WideListView(const QString& object_name, const QString& accessible_name,
                           int extent, QWidget* parent)
    : QListView(parent), extent_(extent) {
  setObjectName(object_name);
  setAccessibleName(accessible_name);
  setItemDelegate(new ExtentDelegate(this));
  // Uniform rows keep layout and scrolling cheap for a hundred thousand entries.
  setUniformItemSizes(true);
  setLayoutMode(QListView::Batched);
  setBatchSize(2000);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void WideListView::SetHorizontalExtent(int pixels) {
  extent_ = pixels;
  scheduleDelayedItemsLayout();
}

}  // namespace ordovan
