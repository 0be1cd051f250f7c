#include "reorganizer/Destination.h"

#include <cstddef>
#include <unordered_set>

#include "platform/PathServices.h"

namespace ordovan {

namespace {

// Characters, not bytes: a UTF-8 continuation byte does not start one.
std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

DestinationAcceptance AcceptDestination(const std::string& path, const TEXT_LIST& history) {
  DestinationAcceptance result;
  result.history = history;
  if (Trim(path).empty()) {
    result.outcome = DestinationOutcome::Empty;
    return result;
  }
  if (CharacterCount(path) <= 3) {
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
  return CharacterCount(Trim(stored_destination)) > 3;
}

}  // namespace ordovan
