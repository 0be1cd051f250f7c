#pragma once
// The Include/Exclude list pair of the main window: the rules by which an
// entry may enter a list, and the moves, take-overs and hand-overs between
// the two lists and the dialogs around them. Pure list work; the window's
// handlers show the messages and refresh the page.
//
// Every operation lets pending window messages run (`pump`) after each entry
// it appends or removes, so that a long list visibly grows.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "paths/EntryList.h"
#include "paths/PathText.h"

namespace ordovan {

class EventPump;

// The drive of an entry: the platform's drive extraction of the trimmed
// entry (`X:`, `\\server\share`, or empty).
std::string DriveOfEntry(const std::string& entry);
inline bool HasDrive(const std::string& entry) { return !DriveOfEntry(entry).empty(); }

// The acceptance rule of the moves: `target` does not hold the same entry and
// the entry has a drive.
bool AcceptedByMove(const EntryList& target, const std::string& entry, const std::string& key);

// Which entries a move lets in: the main window's lists take only entries
// with a drive; the List Builder's lists take any entry they do not hold.
enum class MoveRule { kNeedsDrive, kAnyEntry };

// ">" and "<": the selected rows of `source`, in list order, enter `target`
// when the acceptance rule lets them; every selected row leaves `source`
// (a duplicate or an entry without a drive is dropped). Returns the number
// of entries appended to `target`.
std::size_t MoveSelected(EntryList& source, const std::vector<std::size_t>& selected_rows,
                         EntryList& target, EventPump& pump,
                         MoveRule rule = MoveRule::kNeedsDrive);
// ">>" and "<<": the same for every entry of `source`, which ends empty.
std::size_t MoveAll(EntryList& source, EntryList& target, EventPump& pump,
                    MoveRule rule = MoveRule::kNeedsDrive);
// "<>": the two lists change places. Each entry goes through the acceptance
// rule of its new list, and an entry that both lists held stays only in the
// first one, so the pair remains free of duplicates.
void ExchangeLists(EntryList& include, EntryList& exclude, EventPump& pump);

// "Add Fold. Path": the checks in their order, and the append when all pass.
enum class AddFolderOutcome {
  kAdded,
  kEmptySelection,  // the path is blank (the picker was cancelled)
  kInInclude,       // the Include list holds it already
  kTooShort,        // fewer than 2 level names
  kInExclude,       // the Exclude list holds it
};
AddFolderOutcome AddFolderPath(const std::string& path, EntryList& include,
                               const EntryList& exclude);

// Whether a result entry of the List Builder, the import dialog or the list
// editor may join the Include list: in neither list, not blank, a drive part
// (as SplitPathLevels gives it) that is not blank, and at least 2 level names.
bool QualifiesForTakeOver(const std::string& entry, const EntryList& include,
                          const EntryList& exclude);
// Appends every qualifying entry of `results`, in order and unchanged, to
// `include`; the others are skipped silently. Returns the number appended.
std::size_t TakeOverResults(const TEXT_LIST& results, EntryList& include,
                            const EntryList& exclude, EventPump& pump);

// The export hand-over: every entry of `entries` that `shown` does not hold
// yet and that has a drive is appended to `shown`; `on_count` hears the
// number appended so far after each one. Returns that number.
std::size_t FillExportSource(const TEXT_LIST& entries, EntryList& shown,
                             const std::function<void(std::size_t)>& on_count, EventPump& pump);

// The zoom list: every entry that `zoom` does not hold yet is appended.
std::size_t AppendMissing(const TEXT_LIST& entries, EntryList& zoom);

}  // namespace ordovan
