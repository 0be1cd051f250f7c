#pragma once
// The destination directory: the check every chosen destination passes, and
// the drop-down's history of accepted destinations. Pure text and list work;
// the main window keeps StoredDestination and the drop-down itself.

#include <string>

#include "paths/PathText.h"

namespace ordovan {

enum class DestinationOutcome {
  Empty,     // blank after trimming: message D1, focus to the drop-down
  Root,      // 3 characters or fewer, a drive root: empty the drop-down's text, D2
  Accepted,  // the history and its selection are updated
};

struct DestinationAcceptance {
  DestinationOutcome outcome = DestinationOutcome::Empty;
  // The drop-down's entries afterwards: unchanged unless Accepted.
  TEXT_LIST history;
  // On Accepted the entry to select (the path's own entry); -1 otherwise.
  int selected = -1;
};

// Checks `path` and, when it is accepted, gives the new history: an entry
// already there (letter case ignored) is selected where it stands; a new path
// goes to the front, followed by the former entries without empty ones and
// without repeats (letter case ignored), and is selected.
DestinationAcceptance AcceptDestination(const std::string& path, const TEXT_LIST& history);

// A run (and its Undo) works only on a stored destination that, trimmed, is
// longer than 3 characters: never browsed, cancelled or a drive root do
// nothing. Nor does one that holds a control character (no folder name can)
// or names no folder below a drive or network share (`c:\\\`, `\\srv\share`,
// a path without a drive): a run there would start in a root or nowhere.
// A run journal's destination must pass the same check before Undo uses it.
bool DestinationAllowsRun(const std::string& stored_destination);

// Messages D1 and D2, under one title.
inline constexpr const char* kDestinationEmptyText =
    "The selection field is empty !\nAction : You must select a Destination Folder.";
inline constexpr const char* kDestinationRootText =
    "You can not select the Root !\nAction : You must select another Destination Folder.";
inline constexpr const char* kDestinationTitle = "Ordovan.            Warning no: 140033.";

}  // namespace ordovan
