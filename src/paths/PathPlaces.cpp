#include "paths/PathPlaces.h"

#include <algorithm>

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

}  // namespace

bool LiesBelow(const std::string& path, const std::string& folder) {
  return BelowFolder(folder).Holds(path);
}

BelowFolder::BelowFolder(const std::string& folder)
    : folder_drive_(PlatformDriveOf(folder)), folder_(SplitPathLevels(folder)) {}

bool BelowFolder::Holds(const std::string& path) const {
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
