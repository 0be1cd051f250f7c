#pragma once
// What the export dialog writes: the conversions of an item (drive part
// removed or kept, backslashes or forward slashes), the shown list rebuilt
// from the caller's items, and the list file in its two formats. Files are
// UTF-8 without a byte-order mark; every plain text line ends in CR LF on
// every platform; a separated file is one line, each item followed by the
// delimiter.

#include <cstddef>
#include <functional>
#include <string>

#include "paths/PathText.h"

namespace ordovan {

class EntryList;
class EventPump;
class FileSystem;

enum class ExportFileType { kPlainText, kSeparated };
enum class ExportLines { kUnmodified, kFolderTemplates };
enum class ExportSlashes { kBackslashes, kForwardSlashes };

inline constexpr const char* kExportKindFolders = "FOLDERS";
inline constexpr const char* kExportKindStrings = "STRINGS";
inline constexpr const char* kExportKindRenamedFiles = "RENAMEDFILES";

// The delimiter combo box's built-in list, in its order (17 entries).
const TEXT_LIST& DefaultExportDelimiters();
// The delimiter a combo box text stands for: trimmed, and the word "space"
// (exact case) as one blank.
std::string ExportDelimiter(const std::string& combo_text);
// The kind as compared: trimmed and upper-cased.
std::string ExportKind(const std::string& kind);
// FOLDERS, STRINGS and RENAMEDFILES are written; any other kind writes nothing.
bool IsWrittenKind(const std::string& kind);

// The slash choice: one separator of the chosen kind between names. A
// network path's leading pair stays a pair (\\srv\share, //srv/share).
std::string ConvertSlashes(const std::string& item, ExportSlashes slashes);
// The slash choice, then with folder templates everything after the first
// colon (an item without a colon stays whole).
std::string ConvertExportItem(const std::string& item, ExportLines lines, ExportSlashes slashes);

// Empties `shown` and appends each caller's item converted, unless `shown`
// holds the same entry already; `on_count` hears the number appended so far
// after each append. Returns that number.
std::size_t RebuildShownList(const TEXT_LIST& callers_items, ExportLines lines,
                             ExportSlashes slashes, EntryList& shown,
                             const std::function<void(std::size_t)>& on_count, EventPump& pump);

struct ExportRequest {
  std::string file_name;  // the target chosen in the save dialog
  ExportFileType type = ExportFileType::kPlainText;
  std::string delimiter;  // as ExportDelimiter gives it; separated files only
  bool quotes = false;    // a double quote around each item
  ExportSlashes slashes = ExportSlashes::kBackslashes;
  std::string kind = kExportKindFolders;
};

enum class ExportOutcome {
  kWritten,       // the target holds the new list
  kCannotCreate,  // no file could be made beside the target, or it is a folder
  kWriteFailed,   // writing or putting in place failed; the target is as it was
};

struct ExportResult {
  ExportOutcome outcome = ExportOutcome::kWritten;
  std::size_t exported = 0;  // items written; 0 unless kWritten
};

// The bytes of one item in the file: quotes, the slash choice, then CR LF
// (plain text) or the delimiter (separated).
void AppendExportItem(const std::string& item, const ExportRequest& request, std::string* out);

// True when a separated file of `items` stays within the longest line the
// import reads back (kMaxListLineCharacters); plain text files always do.
bool FitsOneImportLine(const TEXT_LIST& items, const ExportRequest& request);

// Writes `items` into a new file beside the target and puts it in place of
// the target only once every byte is written and the file closed. A failure
// removes that file again and leaves the target untouched. `on_count` hears
// the number written so far after each item.
ExportResult WriteExportFile(FileSystem& file_system, const ExportRequest& request,
                             const TEXT_LIST& items,
                             const std::function<void(std::size_t)>& on_count, EventPump& pump);

}  // namespace ordovan
