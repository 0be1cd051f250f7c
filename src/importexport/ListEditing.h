#pragma once
// The list editors' write-back: the memo's lines checked as full folder paths
// (include-list editors) or taken as any text (smart-import editor), prepared
// and written into the list they came from.
#include <cstddef>
#include <functional>
#include <string>

#include "paths/EntryList.h"
#include "paths/PathText.h"

namespace ordovan {

class EventPump;

inline constexpr std::size_t kSmartImportLimit = 30000;

// The memo's lines: the texts between line breaks ("\r\n" or "\n"); a final
// empty line after the last break does not count.
TEXT_LIST MemoLines(const std::string& memo_text);
// The lines that are not empty after Trim, in order.
TEXT_LIST NonBlankLines(const TEXT_LIST& lines);
// Trim, then NormalizePath.
std::string PrepareLine(const std::string& line);

// The path check of the include-list editors on the trimmed lines: empty
// when every line passes, else the report to show.
std::string CheckEditedPaths(const TEXT_LIST& non_blank_lines);

// Which lines an include-list editor writes back.
enum class EditedPathRule {
  kDriveOnly,                // the builder's list: a drive part is enough
  kDriveAndTwoLevels,        // the main Include list: also a drive and two level names
};

// Empties `target` and appends each prepared line that has a drive part and
// that neither `target` nor `looked_up` holds (and, for kDriveAndTwoLevels,
// that splits into a drive and at least two level names). `on_count` hears
// the number appended so far after each append. Returns that number.
std::size_t WriteBackPaths(const TEXT_LIST& non_blank_lines, EditedPathRule rule,
                           EntryList& target, const EntryList& looked_up,
                           const std::function<void(std::size_t)>& on_count, EventPump& pump);

struct SmartImportWriteBack {
  std::size_t appended = 0;
  bool limit_reached = false;  // a line was left because 30,000 were appended
};
// Empties `created` and appends each prepared line it does not yet hold, at
// most 30,000.
SmartImportWriteBack WriteBackCreatedList(const TEXT_LIST& non_blank_lines, EntryList& created,
                                          EventPump& pump);

}  // namespace ordovan
