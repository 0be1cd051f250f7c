#include "reorganizer/NotCopied.h"

namespace ordovan {

const char* NotCopiedReasonText(CopyError reason) {
  switch (reason) {
    case CopyError::kTargetExists:
      return "a file of that name is in the destination already";
    case CopyError::kSourceMissing:
      return "the file is gone, or is a link that leads nowhere";
    case CopyError::kSourceNotAFile:
      return "it is no file but a device, pipe or socket";
    case CopyError::kSourceUnreadable:
      return "the file cannot be read (no access, in use, or a read error)";
    case CopyError::kTargetFolderMissing:
      return "the new folder for it is missing";
    case CopyError::kTargetRefused:
      return "the destination refused it (no access, write-protected, or too large)";
    case CopyError::kNameNotAllowed:
      return "the destination cannot hold its name (too long, or a character it does not allow)";
    case CopyError::kDiskFull:
      return "the destination disk is full";
    case CopyError::kNoProgramName:
      return "its name is not UTF-8 or holds a backslash, so the program cannot name it";
    case CopyError::kStopped:
      return "the run was stopped before it was copied";
    case CopyError::kFailed:
      break;
  }
  return "the copy failed (a system error)";
}

std::string NotCopiedEntryText(const NotCopiedFile& file) {
  return file.source + " : " + NotCopiedReasonText(file.reason);
}

}  // namespace ordovan
