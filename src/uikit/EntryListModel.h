#pragma once
// A Qt item model that shows an EntryList. The model owns its list; every
// change of the list reaches the views through the list's observer, so the
// core list operations drive the window directly.

#include <QAbstractListModel>

#include "paths/EntryList.h"

namespace ordovan {

class EntryListModel : public QAbstractListModel, private EntryListObserver {
  Q_OBJECT
 public:
  explicit EntryListModel(QObject* parent = nullptr);
  ~EntryListModel() override;

  EntryList& list() { return list_; }
  const EntryList& list() const { return list_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  void BeforeAppend(std::size_t first, std::size_t last) override;
  void AfterAppend() override;
  void BeforeRemove(std::size_t first, std::size_t last) override;
  void AfterRemove() override;
  void BeforeReset() override;
  void AfterReset() override;

  EntryList list_;
};

}  // namespace ordovan
