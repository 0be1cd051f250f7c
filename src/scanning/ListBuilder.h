#pragma once
// The commands of the Subfolder List Builder as plain operations on its two
// lists: the level-number checks, "Build a List", the moves between the
// Include and Exclude lists and the deletions. The window reads its
// controls, calls these and shows the lists.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "paths/EntryList.h"
#include "scanning/LevelCopy.h"

namespace ordovan {

class EventPump;
class FileSystem;
class Prompter;

// A level number as typed: a whole decimal number from 0 to 2147483647,
// blanks around it allowed. A negative number is a typo, not a level.
std::optional<std::uint32_t> ParseLevelNumber(const std::string& text);

// The check when the From or To field is left: a From text that is no level
// number becomes "1", a To text that is none becomes the (corrected) From.
struct _tagFromToCheck {
  std::string from_text;
  std::string to_text;
  bool from_corrected = false;
  bool to_corrected = false;
};
_tagFromToCheck CheckFromToFields(const std::string& from_text, const std::string& to_text);

// What "Build a List" reads from the window.
struct _tagBuildRequest {
  std::string source_text;
  std::string filter_text;
  LevelCopy::Mode mode = LevelCopy::kFromTo;
  std::string from_text = "2";
  std::string to_text = "4";
  std::string above_text = "1";
  std::string below_text = "0";
  LevelCopy::ListingOption listing_option = LevelCopy::kAllSubfolders;
};

enum class BuildOutcome {
  kNoSource,     // 0579, 0587
  kBadNumber,    // 0583; nothing asked, nothing changed
  kStartAfterEnd,  // 0581; nothing asked, nothing changed
  kStopped,      // the scan was stopped (0585); the list is as it was
  kNoMatches,    // 0582, 0587 (the list emptied only on Yes to 0580)
  kBuilt,        // 0587
};

struct _tagBuildHooks {
  // The Include list's entry count after each append.
  std::function<void(std::size_t)> on_include_count;
  // After each folder the scan lists.
  std::function<void(const LevelCopy&)> on_progress;
};

// "Build a List": checks the source and the level numbers of the chosen mode
// before anything else, asks 0580, scans, and appends every trimmed result
// that neither list holds to `include`. Shows every message itself. The
// Include list is emptied (on Yes to 0580) only once the scan has finished,
// so a stopped scan leaves it untouched.
BuildOutcome BuildSubfolderList(const _tagBuildRequest& request, EntryList& include,
                                const EntryList& exclude, FileSystem& file_system,
                                Prompter& prompter, EventPump& pump,
                                const _tagBuildHooks& hooks = {});

// The same build into a fresh Include list, for a front end without the
// builder's window (ordovan-cli's `list`): the same checks, scan, warnings
// and entries, without question 0580 (there is nothing to clear) and without
// the closing notice 0587.
BuildOutcome BuildSubfolderListInto(const _tagBuildRequest& request, EntryList& include,
                                    FileSystem& file_system, Prompter& prompter,
                                    EventPump& pump);

// ">" and "<": the selected rows of `source`, in list order, join `target`
// unless it holds them already; every selected row leaves `source`.
// Returns the number appended.
std::size_t BuilderMoveSelected(EntryList& source, const std::vector<std::size_t>& rows,
                                EntryList& target, EventPump& pump);
// ">>" and "<<": the same for every entry; `source` ends empty.
std::size_t BuilderMoveAll(EntryList& source, EntryList& target, EventPump& pump);
// "<>": the lists exchange their contents, each in its old order.
void BuilderExchange(EntryList& include, EntryList& exclude, EventPump& pump);

// "Delete Selected": 0576 when the Exclude list is empty, else question 0575;
// on Yes the selected rows go. True when something was removed.
bool DeleteSelectedExcluded(EntryList& exclude, const std::vector<std::size_t>& rows,
                            Prompter& prompter);
// "Delete All": 0577 when empty, else question 0578; on Yes the list is
// emptied. True when it was.
bool DeleteAllExcluded(EntryList& exclude, Prompter& prompter);
// "Clear All": question 0575 with the Clear All text; true on Yes.
bool ConfirmClearAll(Prompter& prompter);

}  // namespace ordovan
