#pragma once
// Files during reorganizing: the files lying directly in the old folders of a
// path are copied (Normal) or counted (Simulate) into the new structure.
// Level files get a name that starts with their old folder written with
// hyphens, so files of different old folders cannot collide; deeper files keep
// their names. Nothing is ever overwritten.

#include <cstddef>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>

#include "paths/PathText.h"
#include "platform/FileSystem.h"
#include "reorganizer/RunRecords.h"
#include "reorganizer/RunResults.h"

namespace ordovan {

class EventPump;
class RunCopy;
class RunJournalWriter;
class RunSteps;

class Prompter;

// Sets of path texts, compared by character code (letter case counts).
using PATH_SET = std::set<std::string>;

// The files of each old level folder that a run copies, as the folder's first
// listing in that run found them. Every path of a client lists the same
// template folders again; the source does not change under the run, so the
// folder is read once.
using LEVEL_FOLDER_FILES = std::unordered_map<std::string, TEXT_LIST>;

// What both routines report to and remember during a run. The run owns all
// of it; none may be null.
struct LevelFilesContext {
  FileSystem* fs = nullptr;
  Prompter* prompter = nullptr;
  RunResults* results = nullptr;
  TEXT_LIST* copied_files = nullptr;            // CopiedFiles, for Undo
  COPIED_FILE_IDENTITIES* copied_file_identities = nullptr;
  PATH_SET* processed_deeper_folders = nullptr;  // ProcessedDeeperFolders
  PATH_SET* simulated_targets = nullptr;         // SimulatedTargets
  LEVEL_FOLDER_FILES* level_folder_files = nullptr;
  // Simulate: a new main folder the run found missing on disk; no target
  // below it can exist, so none is looked for.
  std::string absent_main_folder;
  // Normal runs: every copy is journaled here; none when null.
  RunJournalWriter* journal = nullptr;
  // Pumped between files; once it says stop, no further file is begun.
  EventPump* pump = nullptr;
  // A copy found the destination's disk full: no further file is begun,
  // since every one would fail the same way.
  bool disk_full = false;
  // Where what the routines decide is recorded in decided order, and where
  // copies go (RunSteps.h). None may be null.
  RunSteps* steps = nullptr;
  // Normal runs: the folders this run made. Nothing stands in them but what
  // the run put there, so a copy into one needs no look at its target first.
  const PATH_SET* made_folders = nullptr;
  // Normal runs: the copies decided and not yet recorded, by target; one in
  // hand is waited for. A target copied to already is taken: the records
  // know it (copied_file_identities, or this set when its identity could not
  // be read).
  std::unordered_map<std::string, std::shared_ptr<RunCopy>> decided_copies;
  PATH_SET copied_without_identity;
  // Lists a folder of the source; the file system's ListFolder when empty.
  std::function<bool(const std::string& folder, DIR_ENTRIES* entries, DIR_ENTRIES* nameless)>
      list_folder;
};

// True once the user asked the run to stop, the disk is full or the run is
// ending otherwise; lets pending window messages run first.
bool RunStopRequested(const LevelFilesContext& context);

// Copies (Normal) or counts (Simulate) the files directly in
// `old_level_folder` into `new_level_folder` under prefixed names. Shows FL1
// and does nothing when the new folder and the prefix are too long together.
// Both routines record every file they do not copy (a taken target aside)
// as not copied, with the reason, and files whose names have no program path
// when they first list a folder.
void CopyLevelFiles(LevelFilesContext& context, const std::string& old_level_folder,
                    const std::string& new_level_folder, RunMode mode);

// Copies (Normal) or counts (Simulate) the files directly in
// `old_main_folder\relative_path` into `new_main_folder\relative_path` under
// their own names, once per new folder and run.
void CopyDeeperFiles(LevelFilesContext& context, const std::string& old_main_folder,
                     const std::string& relative_path, const std::string& new_main_folder,
                     RunMode mode);

// Normal runs: waits until the copy this run has in hand into `path`, if
// any, has ended.
void AwaitCopyInto(LevelFilesContext& context, const std::string& path);

// The pieces, for the run and its tests.

// Every length rule below counts characters (Utf8CharacterCount), not bytes.
// The prefix of the level files of one old folder: `f:\a\b` gives `f--a-b`.
std::string LevelFilePrefix(const std::string& old_level_folder);
// FL1 is due when the new level folder and the prefix together exceed 260.
inline constexpr std::size_t kLevelFolderAndPrefixLimit = 260;
bool LevelFolderAndPrefixTooLong(const std::string& new_level_folder, const std::string& prefix);
// The target of one level file: `folder\prefix-name`, or, when that exceeds
// 254 characters, `folder\` + the name's first character + `-` + as much of
// the name's end as keeps the target at 266 minus the prefix length at most.
std::string LevelFileTarget(const std::string& new_level_folder, const std::string& prefix,
                            const std::string& name);

// Message FL1.
std::string LevelFolderTooLongText(std::size_t length_sum);
inline constexpr const char* kLevelFolderTooLongTitle = "Ordovan      Warning no: 140024.";

}  // namespace ordovan
