#pragma once
// An ordered list of texts as the windows show it, with a case-insensitive
// index beside the entries: "is this entry already there" is a lookup, never
// a scan. Entries are stored exactly as they came; two texts are the same
// entry when their EntryKey (PathServices.h) is equal.
//
// A window shows the list through an observer that hears of every change
// before and after it happens (the shape of a Qt item model).

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "paths/PathText.h"

namespace ordovan {

class EntryListObserver {
 public:
  virtual ~EntryListObserver() = default;
  // Rows first..last (inclusive) are about to be appended / have been.
  virtual void BeforeAppend(std::size_t first, std::size_t last) = 0;
  virtual void AfterAppend() = 0;
  // Rows first..last (inclusive) are about to be removed / have been.
  virtual void BeforeRemove(std::size_t first, std::size_t last) = 0;
  virtual void AfterRemove() = 0;
  // The whole content is about to be replaced / has been.
  virtual void BeforeReset() = 0;
  virtual void AfterReset() = 0;
};

class EntryList {
 public:
  EntryList() = default;
  EntryList(const EntryList&) = delete;
  EntryList& operator=(const EntryList&) = delete;

  // At most one observer; null detaches it.
  void SetObserver(EntryListObserver* observer) { observer_ = observer; }

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const std::string& operator[](std::size_t i) const { return entries_[i]; }
  const TEXT_LIST& entries() const { return entries_; }
  // The comparison key of entry i, computed once when it was added.
  const std::string& KeyAt(std::size_t i) const { return keys_[i]; }

  // True when the list holds the same entry (letter case ignored, no trimming).
  bool Contains(const std::string& text) const;
  bool ContainsKey(const std::string& key) const { return counts_.count(key) != 0; }

  void Append(const std::string& text);
  // Append with a key the caller already has (EntryKey(text)).
  void AppendKeyed(const std::string& text, const std::string& key);
  // Appends many entries with one notification.
  void AppendAll(const TEXT_LIST& texts);

  void RemoveAt(std::size_t i) { RemoveRange(i, 1); }
  // Removes `count` entries from `first`; out-of-range parts are ignored.
  void RemoveRange(std::size_t first, std::size_t count);
  // Removes the given rows (any order, duplicates and out-of-range rows
  // ignored), working from the last row to the first. Scattered rows are
  // removed in one pass, so removing many is never quadratic.
  void RemoveRows(std::vector<std::size_t> rows);
  void Clear();
  // Replaces the whole content.
  void Assign(const TEXT_LIST& texts);

 private:
  void IndexAdd(const std::string& key);
  void IndexRemove(const std::string& key);

  TEXT_LIST entries_;
  std::vector<std::string> keys_;  // parallel to entries_
  std::unordered_map<std::string, std::uint32_t> counts_;  // key -> how many entries have it
  EntryListObserver* observer_ = nullptr;
};

}  // namespace ordovan
