#pragma once
// What the two tree scans (FolderStructSize and LevelCopy) share: how an
// entry's path is formed, and the guard that lets them follow links to
// folders without walking in circles.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace ordovan {

class FileSystem;

enum class ScanOutcome {
  kFinished,
  kStopped,  // the user asked the scan to stop; what it gathered is partial
};

// folder + "\" + name; a folder that already ends in a separator (a drive
// root as the picker gives it, "d:\") gets no second one.
std::string JoinEntryPath(const std::string& folder, const std::string& name);

// A scan follows a link to a folder like a folder, unless the folder it
// leads to lies inside the folder being scanned (the walk reaches it by its
// real path), is on the link's own path (a way back up: a loop) or was
// entered through another link before. So every walk ends, and every folder
// is counted once.
class LinkGuard {
 public:
  // `root`: the folder the scan started from.
  LinkGuard(FileSystem& file_system, std::string root)
      : file_system_(file_system), root_(std::move(root)) {}

  // True when the scan may enter the linked folder at `link_path`; false
  // when it must be passed over (also when the target cannot be identified).
  bool MayEnter(const std::string& link_path);
  // True when the link at `link_path` leads to the scanned folder or into it.
  bool LeadsIntoTree(const std::string& link_path);

 private:
  FileSystem& file_system_;
  std::string root_;
  bool root_resolved_ = false;          // asked at the first link only
  std::optional<std::string> real_root_;  // the root, its links followed
  std::set<std::pair<std::uint64_t, std::uint64_t>> entered_;  // volume, index
};

}  // namespace ordovan
