#pragma once
// Where one path lies relative to another: below a folder, or the folder
// that holds it. Purely textual; no disk access.

#include <string>

#include "paths/PathText.h"

namespace ordovan {

// True when `path` lies strictly below `folder`: the same drive part (letter
// case ignored), the folder's level names first, then at least one more, and
// none of those further names made of dots and blanks only or holding a
// colon. Purely textual; no disk access.
bool LiesBelow(const std::string& path, const std::string& folder);
// LiesBelow for many paths against one folder, split once.
class BelowFolder {
 public:
  explicit BelowFolder(const std::string& folder);
  bool Holds(const std::string& path) const;

 private:
  std::string folder_drive_;  // as PlatformDriveOf gives it
  PathLevels folder_;
  std::string folder_text_;     // a drive letter's folder as given; else empty
};
// The folder that holds `path`: its parent part without the trailing
// backslash (`f:\a\b` gives `f:\a`). A root or a text without a backslash
// gives itself back, which ends every upward walk.
std::string ParentFolderOf(const std::string& path);

}  // namespace ordovan
