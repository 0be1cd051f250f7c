#include "paths/EntryList.h"

#include <algorithm>

#include "platform/PathServices.h"

namespace ordovan {

namespace {
// Above this many separate runs of rows, a removal compacts the list in one
// pass and tells the observer of a reset instead of one removal per run.
constexpr std::size_t kMaxRunsRemovedOneByOne = 16;
}  // namespace

bool EntryList::Contains(const std::string& text) const { return ContainsKey(EntryKey(text)); }

void EntryList::IndexAdd(const std::string& key) { ++counts_[key]; }

void EntryList::IndexRemove(const std::string& key) {
  auto it = counts_.find(key);
  if (it == counts_.end()) return;
  if (--it->second == 0) counts_.erase(it);
}

void EntryList::Append(const std::string& text) { AppendKeyed(text, EntryKey(text)); }

void EntryList::AppendKeyed(const std::string& text, const std::string& key) {
  const std::size_t row = entries_.size();
  if (observer_) observer_->BeforeAppend(row, row);
  entries_.push_back(text);
  keys_.push_back(key);
  IndexAdd(key);
  if (observer_) observer_->AfterAppend();
}

void EntryList::AppendAll(const TEXT_LIST& texts) {
  if (texts.empty()) return;
  const std::size_t first = entries_.size();
  if (observer_) observer_->BeforeAppend(first, first + texts.size() - 1);
  entries_.reserve(first + texts.size());
  keys_.reserve(first + texts.size());
  for (const std::string& text : texts) {
    entries_.push_back(text);
    keys_.push_back(EntryKey(text));
    IndexAdd(keys_.back());
  }
  if (observer_) observer_->AfterAppend();
}

void EntryList::RemoveRange(std::size_t first, std::size_t count) {
  if (first >= entries_.size() || count == 0) return;
  count = std::min(count, entries_.size() - first);
  if (observer_) observer_->BeforeRemove(first, first + count - 1);
  for (std::size_t i = first; i < first + count; ++i) IndexRemove(keys_[i]);
  entries_.erase(entries_.begin() + first, entries_.begin() + first + count);
  keys_.erase(keys_.begin() + first, keys_.begin() + first + count);
  if (observer_) observer_->AfterRemove();
}

void EntryList::RemoveRows(std::vector<std::size_t> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  while (!rows.empty() && rows.back() >= entries_.size()) rows.pop_back();
  if (rows.empty()) return;

  // Runs of consecutive rows, as [first, last].
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  for (std::size_t row : rows) {
    if (!runs.empty() && runs.back().second + 1 == row) {
      runs.back().second = row;
    } else {
      runs.emplace_back(row, row);
    }
  }
  if (runs.size() <= kMaxRunsRemovedOneByOne) {
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
      RemoveRange(it->first, it->second - it->first + 1);
    }
    return;
  }

  if (observer_) observer_->BeforeReset();
  std::size_t kept = 0;
  std::size_t next_removed = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (next_removed < rows.size() && rows[next_removed] == i) {
      ++next_removed;
      IndexRemove(keys_[i]);
      continue;
    }
    if (kept != i) {
      entries_[kept] = std::move(entries_[i]);
      keys_[kept] = std::move(keys_[i]);
    }
    ++kept;
  }
  entries_.resize(kept);
  keys_.resize(kept);
  if (observer_) observer_->AfterReset();
}

void EntryList::Clear() {
  if (entries_.empty()) return;
  if (observer_) observer_->BeforeRemove(0, entries_.size() - 1);
  entries_.clear();
  keys_.clear();
  counts_.clear();
  if (observer_) observer_->AfterRemove();
}

void EntryList::Assign(const TEXT_LIST& texts) {
  if (observer_) observer_->BeforeReset();
  entries_ = texts;
  keys_.clear();
  keys_.reserve(texts.size());
  counts_.clear();
  for (const std::string& text : texts) {
    keys_.push_back(EntryKey(text));
    IndexAdd(keys_.back());
  }
  if (observer_) observer_->AfterReset();
}

}  // namespace ordovan
