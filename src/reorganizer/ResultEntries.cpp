#include "reorganizer/ResultEntries.h"

#include <algorithm>

#include "platform/PathServices.h"

namespace ordovan {

namespace {
// A block splits in two when it grows past this; inserting moves at most
// this many indexes, and finding a row walks blocks of about half this size.
constexpr std::size_t kMaxBlock = 1024;
}  // namespace

const std::string& ResultEntries::At(std::size_t row) const {
  if (order_ == Order::kRecorded) return texts_[row];
  return texts_[SortedIndexAt(row)];
}

TEXT_LIST ResultEntries::Entries() const {
  if (order_ == Order::kRecorded) return texts_;
  TEXT_LIST shown;
  shown.reserve(texts_.size());
  for (const Block& block : blocks_)
    for (std::uint32_t index : block) shown.push_back(texts_[index]);
  return shown;
}

void ResultEntries::Append(const std::string& text) {
  const auto index = static_cast<std::uint32_t>(texts_.size());
  if (order_ == Order::kRecorded) {
    if (observer_) observer_->BeforeInsert(index);
    texts_.push_back(text);
    if (observer_) observer_->AfterInsert();
    return;
  }

  std::string key = EntryKey(text);
  // The first block whose last key sorts after the new one takes it; equal
  // keys go behind the ones already there.
  auto key_less = [this](const std::string& k, std::uint32_t i) { return k < keys_[i]; };
  std::size_t b = 0;
  {
    std::size_t lo = 0, hi = blocks_.size();
    while (lo < hi) {
      const std::size_t mid = (lo + hi) / 2;
      if (key_less(key, blocks_[mid].back())) hi = mid;
      else lo = mid + 1;
    }
    b = lo;
  }
  if (blocks_.empty()) {
    blocks_.emplace_back();
    block_starts_.push_back(0);
    b = 0;
  } else if (b == blocks_.size()) {
    b = blocks_.size() - 1;
  }
  Block& block = blocks_[b];
  const auto at = std::upper_bound(block.begin(), block.end(), key, key_less);
  const std::size_t in_block = static_cast<std::size_t>(at - block.begin());
  const std::size_t row = block_starts_[b] + in_block;

  if (observer_) observer_->BeforeInsert(row);
  texts_.push_back(text);
  keys_.push_back(std::move(key));
  block.insert(at, index);
  for (std::size_t i = b + 1; i < block_starts_.size(); ++i) ++block_starts_[i];
  if (block.size() > kMaxBlock) {
    const std::size_t keep = kMaxBlock / 2;
    Block upper(block.begin() + static_cast<std::ptrdiff_t>(keep), block.end());
    block.resize(keep);
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(upper));
    block_starts_.insert(block_starts_.begin() + static_cast<std::ptrdiff_t>(b) + 1,
                         block_starts_[b] + keep);
  }
  if (observer_) observer_->AfterInsert();
}

void ResultEntries::Clear() {
  if (texts_.empty()) return;
  if (observer_) observer_->BeforeClear();
  texts_.clear();
  keys_.clear();
  blocks_.clear();
  block_starts_.clear();
  if (observer_) observer_->AfterClear();
}

std::uint32_t ResultEntries::SortedIndexAt(std::size_t row) const {
  const auto next = std::upper_bound(block_starts_.begin(), block_starts_.end(), row);
  const std::size_t b = static_cast<std::size_t>(next - block_starts_.begin()) - 1;
  return blocks_[b][row - block_starts_[b]];
}

}  // namespace ordovan
