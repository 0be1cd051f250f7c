#include "reorganizer/Destination.h"

#include <cstddef>
#include <unordered_set>

#include "paths/PathText.h"
#include "platform/PathServices.h"
#include "platform/Utf8.h"

namespace ordovan {

DestinationAcceptance AcceptDestination(const std::string& path, const TEXT_LIST& history) {
  DestinationAcceptance result;
  result.history = history;
  if (Trim(path).empty()) {
    result.outcome = DestinationOutcome::Empty;
    return result;
  }
  if (Utf8CharacterCount(path) <= 3) {
    result.outcome = DestinationOutcome::Root;
    return result;
  }
  result.outcome = DestinationOutcome::Accepted;
  const std::string key = EntryKey(path);
  for (std::size_t i = 0; i < history.size(); ++i) {
    if (EntryKey(history[i]) == key) {
      result.selected = static_cast<int>(i);
      return result;
    }
  }
  // Refilled with the new path first; later repeats and empty entries drop out.
  result.history.clear();
  result.history.push_back(path);
  std::unordered_set<std::string> present{key};
  for (const std::string& entry : history) {
    if (entry.empty()) continue;
    if (present.insert(EntryKey(entry)).second) result.history.push_back(entry);
  }
  result.selected = 0;
  return result;
}

bool DestinationAllowsRun(const std::string& stored_destination) {
  const std::string destination = Trim(stored_destination);
  if (Utf8CharacterCount(destination) <= 3) return false;
  for (const char c : stored_destination) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  }
  const std::string root = PlatformDriveOf(destination);
  return !root.empty() && !SplitPathLevels(destination.substr(root.size())).levels.empty();
}

}  // namespace ordovan
