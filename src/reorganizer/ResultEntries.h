#pragma once
// One list of a run's results. Entries arrive one at a time during a run
// (tens of thousands of them), so appending is cheap in both orders: a
// recorded-order list appends at the end; a sorted list finds its row by
// binary search and inserts into a small block, so it stays sorted without
// ever sorting the whole list again. A window shows the list through an
// observer that hears of every change before and after it happens.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "paths/PathText.h"

namespace ordovan {

class ResultEntriesObserver {
 public:
  virtual ~ResultEntriesObserver() = default;
  // An entry is about to land on `row` / has landed.
  virtual void BeforeInsert(std::size_t row) = 0;
  virtual void AfterInsert() = 0;
  // Every entry is about to go / has gone.
  virtual void BeforeClear() = 0;
  virtual void AfterClear() = 0;
};

class ResultEntries {
 public:
  enum class Order {
    kRecorded,  // in the order entries were appended
    kSorted,    // alphabetical, letter case ignored; equal entries in recorded order
  };

  explicit ResultEntries(Order order) : order_(order) {}
  ResultEntries(const ResultEntries&) = delete;
  ResultEntries& operator=(const ResultEntries&) = delete;

  // At most one observer; null detaches it.
  void SetObserver(ResultEntriesObserver* observer) { observer_ = observer; }

  Order order() const { return order_; }
  std::size_t size() const { return texts_.size(); }
  bool empty() const { return texts_.empty(); }
  // The entry shown in `row`.
  const std::string& At(std::size_t row) const;
  // Every entry, in the order shown.
  TEXT_LIST Entries() const;

  // Adds one entry at its place; a text appended twice is listed twice.
  void Append(const std::string& text);
  void Clear();

 private:
  using Block = std::vector<std::uint32_t>;  // indexes into texts_, in shown order

  // The recorded index of the entry shown in `row` (sorted lists).
  std::uint32_t SortedIndexAt(std::size_t row) const;

  Order order_;
  ResultEntriesObserver* observer_ = nullptr;
  TEXT_LIST texts_;                        // in recorded order
  std::vector<std::string> keys_;          // sorted lists: the comparison key of each text
  std::vector<Block> blocks_;              // sorted lists: consecutive runs of the shown order
  std::vector<std::size_t> block_starts_;  // sorted lists: the first row of each block
};

}  // namespace ordovan
