#pragma once
// The lists of the results window and what their "Export" buttons do
// before the export dialog takes over: the message for an empty list, and the
// entries the dialog receives from a list that holds some.

#include <array>
#include <cstddef>
#include <string>

#include "paths/PathText.h"
#include "reorganizer/RunResults.h"

namespace ordovan {

struct ExportMessage {
  const char* text;
  const char* title;
};
// The warning an "Export" button shows when its list is empty.
const ExportMessage& EmptyListExportMessage(ResultList list);

// The export kind the dialog is given for every results list, files included.
inline constexpr const char* kResultsExportKind = "FOLDERS";

// The entries the export dialog receives from a results list, in the list's
// order: an entry that is the same entry (letter case ignored) as one already
// taken is skipped, and so is one whose trimmed text has no drive part. The
// entries taken are passed on exactly as the list holds them.
TEXT_LIST EntriesForExport(const TEXT_LIST& shown_entries);

}  // namespace ordovan
