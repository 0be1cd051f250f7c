#include "paths/PathPlaces.h"

#include <algorithm>
#include <string_view>

#include "platform/PathServices.h"

namespace ordovan {

namespace {

bool IsDotsAndBlanksOnly(const std::string& name) {
  return std::all_of(name.begin(), name.end(), [](char c) { return c == '.' || c == ' '; });
}

// A name that would climb out of its folder, vanish from it, or (on Windows)
// name a stream or another drive instead of a folder.
bool IsUnsafeName(const std::string& name) {
  return name.empty() || IsDotsAndBlanksOnly(name) || name.find(':') != std::string::npos;
}

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

// The names after a folder, from the separator that ends it: at least one,
// and none unsafe. Runs of separators part names as one does.
bool NamesBelowAreSafe(std::string_view rest) {
  bool any = false;
  std::size_t i = 0;
  while (i < rest.size()) {
    while (i < rest.size() && IsPathSeparator(rest[i])) ++i;
    if (i == rest.size()) break;
    bool dots_and_blanks = true;
    for (; i < rest.size() && !IsPathSeparator(rest[i]); ++i) {
      if (rest[i] == ':') return false;
      dots_and_blanks = dots_and_blanks && (rest[i] == '.' || rest[i] == ' ');
    }
    if (dots_and_blanks) return false;
    any = true;
  }
  return any;
}

}  // namespace

bool LiesBelow(const std::string& path, const std::string& folder) {
  return BelowFolder(folder).Holds(path);
}

BelowFolder::BelowFolder(const std::string& folder)
    : folder_drive_(PlatformDriveOf(folder)), folder_(SplitPathLevels(folder)) {
  if (folder.size() >= 2 && folder[1] == ':') folder_text_ = folder;
}

bool BelowFolder::Holds(const std::string& path) const {
  // A path that begins with the folder's very text and a separator has the
  // folder's drive and levels (both end where the text does): only the names
  // after it need a look. The common case, without splitting every path of
  // a big run's journal.
  const std::size_t n = folder_text_.size();
  if (n > 0 && path.size() > n && IsPathSeparator(path[n]) && path.compare(0, n, folder_text_) == 0) {
    return NamesBelowAreSafe(std::string_view(path).substr(n));
  }
  if (!SameEntry(PlatformDriveOf(path), folder_drive_)) return false;
  const PathLevels inner = SplitPathLevels(path);
  const PathLevels& outer = folder_;
  if (inner.drive != outer.drive && !SameEntry(inner.drive, outer.drive)) return false;
  if (inner.levels.size() <= outer.levels.size()) return false;
  if (!std::equal(outer.levels.begin(), outer.levels.end(), inner.levels.begin())) return false;
  return std::none_of(inner.levels.begin() + static_cast<std::ptrdiff_t>(outer.levels.size()),
                      inner.levels.end(), IsUnsafeName);
}

std::string ParentFolderOf(const std::string& path) {
  std::string parent = SplitParentAndName(path).parent;
  if (!parent.empty() && parent.back() == '\\') parent.pop_back();
  return parent;
}

}  // namespace ordovan
