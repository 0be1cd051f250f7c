#pragma once
// Folder trees and run inputs for the reorganizer's tests: the clients tree
// of the worked examples on `f:`, the inputs of a run over it, and snapshots
// that tell whether anything on disk changed.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "platform/FileSystem.h"
#include "reorganizer/LevelTemplate.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunResults.h"
#include "support/RecordingPrompter.h"
#include "support/TempTree.h"

namespace ordovan::testing {

// The Include list as Find leaves it for the clients tree.
TEXT_LIST ClientsIncludeList();

// Builds the clients tree on `f:` (which must be mounted) with an empty
// destination `f:\New Clients`. Every folder holds at most one file that a
// run copies, so listing order never changes what a run records:
//   f:\Old Clients\001.jpg, README (no extension: never copied)
//   f:\Old Clients\Client1\Email.txt
//   f:\Old Clients\Client1\2016\Separators.doc
//   f:\Old Clients\Client1\2016\docs\a.pdf; docs\pdf\Email.txt; docs\ppt\slides.ppt
//   f:\Old Clients\Client2\2015\Notes.txt
//   f:\Old Clients\Client2\2016\Marks.doc; emails\mail.eml; txt\x.txt
//   f:\Business\Terms.pdf; f:\Business\Client3\2016\txt\y.txt
void BuildClientsTree(TempTree& tree);

// A run over the clients tree: template "Old Clients", "Client2", "2015",
// New Level Order "2015", "Client2", "Old Clients", cut "0", destination
// `f:\New Clients`, with files.
RunInputs ClientsInputs();

// Every entry below a native folder: relative path -> kind, size, mode and a
// hash of the content. Equal snapshots mean nothing was added, removed or
// changed. Entries below `skip` (a native folder inside it) are left out.
struct EntryState {
  char kind = '?';  // 'd' folder, 'f' file, 'l' link
  std::uintmax_t size = 0;
  std::uint64_t content_hash = 0;
  unsigned mode = 0;
  bool operator==(const EntryState&) const = default;
};
using TREE_SNAPSHOT = std::map<std::string, EntryState>;
TREE_SNAPSHOT Snapshot(const std::filesystem::path& root, const std::filesystem::path& skip = {});

// A run over the clients tree with everything a test looks at: the sandbox
// with `f:` mounted, the expected messages, the results and the run state.
// `fs` may be replaced (before the first run) by a fault-injecting wrapper.
struct ClientsRun {
  explicit ClientsRun(FileSystem* file_system = FileSystem::Default());
  TempTree tree;
  std::filesystem::path drive;  // native folder of `f:`
  RecordingPrompter prompter;
  RunResults results;
  RunInputs inputs;
  Reorganizer run;
  // A result list in the order the run recorded it (the zoom window's order).
  TEXT_LIST list(ResultCategory category) const {
    return results.zoom_list(ListOf(category)).Entries();
  }
};

// The content of the file of a program path ("" when it cannot be read).
std::string ReadFile(const TempTree& tree, const std::string& program_path);

}  // namespace ordovan::testing
