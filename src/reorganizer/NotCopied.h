#pragma once
// Files a run did not copy, and why. A taken target is not among them: never
// overwriting is the rule, not a failure. Every other file the run meant to
// copy and did not is recorded with its reason, so that no failure passes as
// success.

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace ordovan {

struct NotCopiedFile {
  // The file, as the run names it; for a name without a program path the
  // folder and the name as the listing shows it.
  std::string source;
  std::string target;  // where it was to go; empty when no copy was tried
  CopyError reason = CopyError::kFailed;
  bool operator==(const NotCopiedFile&) const = default;
};
using NOT_COPIED_FILES = std::vector<NotCopiedFile>;

// The reason as a person reads it ("the destination disk is full").
const char* NotCopiedReasonText(CopyError reason);

// The entry of the files-not-copied list: "source : reason".
std::string NotCopiedEntryText(const NotCopiedFile& file);

}  // namespace ordovan
