#pragma once
// FolderStructSize measures a folder tree: how many subfolders lie on each
// level below a start folder, how many subfolders and files it holds in all,
// and the total size of those files. The List Builder shows the result in its
// summary area, the level summary window in its own table.
//
// The walk is breadth-first and reads each folder once; only the folders of
// the level being listed and of the next one are held at any time.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "paths/ByteSize.h"
#include "paths/PathText.h"
#include "scanning/TreeWalk.h"

namespace ordovan {

class EventPump;
class FileSystem;

// One level below the start folder: its number (1 = directly inside) and
// how many folders were found on it.
struct _tagLevelRow {
  std::uint32_t level = 0;
  std::uint32_t folders = 0;
  bool operator==(const _tagLevelRow&) const = default;
};
using LEVEL_ROWS = std::vector<_tagLevelRow>;

class FolderStructSize {
 public:
  explicit FolderStructSize(const std::string& start_folder);
  FolderStructSize(const FolderStructSize&) = delete;
  FolderStructSize& operator=(const FolderStructSize&) = delete;

  // Whether the folder total includes the start folder itself (true at
  // first; both windows set it to false).
  void SetCountStartFolder(bool count) { count_start_folder_ = count; }
  // Heard after each folder is listed, so a window can show the counts grow.
  void SetProgressHook(std::function<void(const FolderStructSize&)> hook) {
    progress_ = std::move(hook);
  }

  // Lists the tree until no folder is pending, letting window messages run
  // after each folder. Ends early, with partial totals, when the user asks
  // to stop. Run once per object.
  ScanOutcome Scan(FileSystem& file_system, EventPump& pump);

  const std::string& StartFolder() const { return start_folder_; }
  // The levels below the start folder in increasing order (the start folder
  // itself is not a row).
  LEVEL_ROWS LevelRows() const;
  std::uint32_t FolderTotal() const { return folder_total_; }
  std::uint32_t FileTotal() const { return file_total_; }
  std::uint64_t SizeTotal() const { return size_total_; }

 private:
  std::string start_folder_;
  bool count_start_folder_ = true;
  // Folders still to be listed with their level, in the order found: the
  // levels never decrease along the queue.
  std::deque<std::pair<std::string, std::uint32_t>> pending_;
  std::map<std::uint32_t, std::uint32_t> level_histogram_;  // level -> folders listed
  std::uint32_t folder_total_ = 1;
  std::uint32_t file_total_ = 0;
  std::uint64_t size_total_ = 0;
  std::function<void(const FolderStructSize&)> progress_;
};

// What a window shows of a measured tree, as texts.
struct _tagLevelReport {
  std::string folder_name;                                  // the measured folder
  std::vector<std::pair<std::string, std::string>> rows;    // level number, folders
  std::string folder_total;
  std::string file_total;
  std::string size_text;
};

// The List Builder's summary area: the size as FormatByteSize gives it
// ("1.50 MB").
_tagLevelReport ReportIntoListBuilder(const FolderStructSize& size);
// The level summary window: the size with its byte count
// ("1.50 MB  (1572864 bytes).").
_tagLevelReport ReportIntoLevelSummary(const FolderStructSize& size);

}  // namespace ordovan
