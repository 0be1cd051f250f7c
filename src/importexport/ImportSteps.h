#pragma once
// The import dialog's rules without the window: the built-in combo list, the
// column number as typed, and the created list filled from the parser's items.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "paths/EntryList.h"
#include "paths/PathText.h"

namespace ordovan {

class EventPump;

// The preview shows at most this many characters of a line.
inline constexpr std::size_t kPreviewLineCharacters = 2048;

// The combo boxes' built-in list, used while the stored list is empty.
const TEXT_LIST& DefaultImportCombo();

// The column number field as a decimal number, its fraction cut toward zero;
// nullopt when the text is not a number.
std::optional<int> ParseColumnNumber(const std::string& text);

// The first kPreviewLineCharacters characters of a line (UTF-8 aware).
std::string PreviewLine(const std::string& line);

// Empties `created` and appends each trimmed item that is not empty and that
// `created` does not hold yet. `on_count` hears the position (from 1) among
// `items` of each item appended. Returns the number of entries.
std::size_t FillCreatedList(const TEXT_LIST& items, EntryList& created,
                            const std::function<void(std::size_t)>& on_count, EventPump& pump);

// What an import gives an empty Include list: the created list of `items`
// (FillCreatedList), then IMPORT's take-over into the Include list, which
// keeps only paths with a drive and at least two level names.
struct _tagImportTakeOver {
  TEXT_LIST entries;          // in item order
  std::size_t left_out = 0;   // created entries the take-over refused
};
_tagImportTakeOver TakeOverImportedItems(const TEXT_LIST& items);

}  // namespace ordovan
