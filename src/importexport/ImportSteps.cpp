#include "importexport/ImportSteps.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "paths/IncludeExclude.h"
#include "platform/EventPump.h"
#include "platform/PathServices.h"

namespace ordovan {

const TEXT_LIST& DefaultImportCombo() {
  static const TEXT_LIST list = {",", "\"", "'", "|", "~", ";", ":", "#", "&",
                                 "@", "$",  "<", ">", ".", "-", "_", "space"};
  return list;
}

std::optional<int> ParseColumnNumber(const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE || !std::isfinite(value)) {
    return std::nullopt;
  }
  const double cut = std::trunc(value);
  if (cut > std::numeric_limits<int>::max() || cut < std::numeric_limits<int>::min()) {
    return std::nullopt;
  }
  return static_cast<int>(cut);
}

std::string PreviewLine(const std::string& line) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    // Count lead bytes only, so a character is never cut in half.
    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) {
      if (characters == kPreviewLineCharacters) return line.substr(0, i);
      ++characters;
    }
  }
  return line;
}

std::size_t FillCreatedList(const TEXT_LIST& items, EntryList& created,
                            const std::function<void(std::size_t)>& on_count, EventPump& pump) {
  created.Clear();
  std::size_t position = 0;
  for (const std::string& item : items) {
    ++position;
    std::string trimmed = Trim(item);
    if (trimmed.empty()) continue;
    const std::string key = EntryKey(trimmed);
    if (created.ContainsKey(key)) continue;
    created.AppendKeyed(trimmed, key);
    if (on_count) on_count(position);
    pump.Pump();
  }
  return created.size();
}

_tagImportTakeOver TakeOverImportedItems(const TEXT_LIST& items) {
  EntryList created;
  FillCreatedList(items, created, {}, EventPump::None());
  EntryList include;
  const EntryList exclude;
  _tagImportTakeOver taken;
  taken.left_out = created.size() - TakeOverResults(created.entries(), include, exclude,
                                                    EventPump::None());
  taken.entries = include.entries();
  return taken;
}

}  // namespace ordovan
