#include "reorganizer/ui/ResultListModel.h"

#include "uikit/QtText.h"

namespace ordovan {

ResultListModel::ResultListModel(ResultEntries& entries, QObject* parent)
    : QAbstractListModel(parent), entries_(entries) {
  entries_.SetObserver(this);
}

ResultListModel::~ResultListModel() { entries_.SetObserver(nullptr); }

void ResultListModel::BeforeInsert(std::size_t row) {
  beginInsertRows(QModelIndex(), static_cast<int>(row), static_cast<int>(row));
}
void ResultListModel::AfterInsert() { endInsertRows(); }
void ResultListModel::BeforeClear() { beginResetModel(); }
void ResultListModel::AfterClear() { endResetModel(); }

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 ||
      static_cast<std::size_t>(index.row()) >= entries_.size())
    return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return ToQt(entries_.At(static_cast<std::size_t>(index.row())));
  return {};
}

}  // namespace ordovan
