#pragma once
// LevelCopy lists the subfolders of a tree by level number: From/To, Above
// or Below a level, every subfolder of those levels or only the last one of
// each path, optionally only those whose own name holds a filter text. The
// List Builder's "Build a List" runs it on its source folder.
//
// The walk is breadth-first: all matching subfolders of one level, in the
// order their parents were listed, come before those of the next level. It
// descends only as deep as a match is still possible.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "paths/PathText.h"
#include "scanning/TreeWalk.h"

namespace ordovan {

class EventPump;
class FileSystem;

class LevelCopy {
 public:
  enum Mode { kFromTo = 1, kAbove = 2, kBelow = 3 };
  enum ListingOption { kOnlyLastSubfolder = 1, kAllSubfolders = 2 };

  LevelCopy(const TEXT_LIST& source_folders, FileSystem& file_system);
  LevelCopy(const LevelCopy&) = delete;
  LevelCopy& operator=(const LevelCopy&) = delete;

  // Each setter chooses its mode and clears the other numbers.
  void SetFromTo(std::uint32_t from, std::uint32_t to);
  void SetAbove(std::uint32_t above);
  void SetBelow(std::uint32_t below);
  void SetListingOption(ListingOption option) { listing_option_ = option; }
  // Lower-cased; one trailing backslash is dropped.
  void SetFilter(const std::string& filter);
  // Heard after each folder is listed.
  void SetProgressHook(std::function<void(const LevelCopy&)> hook) { progress_ = std::move(hook); }

  // Scans every source folder in order, appending matches to Results().
  // Ends early, with partial results, when the user asks to stop.
  ScanOutcome Run(EventPump& pump);

  const TEXT_LIST& Results() const { return results_; }
  std::uint64_t FoldersListed() const { return folders_listed_; }

  // The leaf test: true when `folder` has at most `n` subfolders that can be
  // entered (n = 0: none at all); during a scan, links into the scanned tree
  // do not count, as the scan does not enter them.
  bool IsLeaf(const std::string& folder, std::uint32_t n);
  // True when the last name of `path` holds the filter, letter case ignored
  // (an empty filter lets everything pass).
  bool PassesFilter(const std::string& path) const;

  Mode mode() const { return mode_; }

 private:
  struct Action {
    bool add = false;
    bool only_if_leaf = false;
    bool descend = false;
  };
  // The mode table: what happens to a subfolder on relative level r.
  Action Decide(std::uint32_t r) const;
  void Scan(const std::string& source, EventPump& pump, bool* stopped);

  Mode mode_ = kFromTo;
  std::uint32_t from_ = 0;
  std::uint32_t to_ = 0;
  std::uint32_t above_ = 0;
  std::uint32_t below_ = 0;
  ListingOption listing_option_ = kOnlyLastSubfolder;
  TEXT_LIST source_folders_;
  TEXT_LIST results_;
  std::string filter_;
  FileSystem& file_system_;
  LinkGuard* links_ = nullptr;  // the running scan's
  std::uint64_t folders_listed_ = 0;
  std::function<void(const LevelCopy&)> progress_;
};

}  // namespace ordovan
