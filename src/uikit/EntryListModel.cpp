#include "uikit/EntryListModel.h"

#include "uikit/QtText.h"

namespace ordovan {

EntryListModel::EntryListModel(QObject* parent) : QAbstractListModel(parent) {
  list_.SetObserver(this);
}

EntryListModel::~EntryListModel() { list_.SetObserver(nullptr); }

int EntryListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || static_cast<std::size_t>(index.row()) >= list_.size())
    return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return ToQt(list_[static_cast<std::size_t>(index.row())]);
  return {};
}

void EntryListModel::BeforeAppend(std::size_t first, std::size_t last) {
  beginInsertRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
}
void EntryListModel::AfterAppend() { endInsertRows(); }
void EntryListModel::BeforeRemove(std::size_t first, std::size_t last) {
  beginRemoveRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
}
void EntryListModel::AfterRemove() { endRemoveRows(); }
void EntryListModel::BeforeReset() { beginResetModel(); }
void EntryListModel::AfterReset() { endResetModel(); }

}  // namespace ordovan
