#pragma once
// One result list of the run's results as a Qt item model: a thin adapter
// that shows the entries of a ResultEntries and hears of each change.

#include <QAbstractListModel>

#include "reorganizer/ResultEntries.h"

namespace ordovan {

class ResultListModel : public QAbstractListModel, private ResultEntriesObserver {
  Q_OBJECT
 public:
  // Observes `entries`, which must outlive the model.
  explicit ResultListModel(ResultEntries& entries, QObject* parent = nullptr);
  ~ResultListModel() override;

  ResultEntries& entries() { return entries_; }
  const ResultEntries& entries() const { return entries_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  void BeforeInsert(std::size_t row) override;
  void AfterInsert() override;
  void BeforeClear() override;
  void AfterClear() override;

  ResultEntries& entries_;
};

}  // namespace ordovan
