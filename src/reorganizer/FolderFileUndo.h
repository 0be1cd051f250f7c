#pragma once
// Undo of the last Normal run: the undo log deletes the files the run copied
// (when they are still the run's copies) and removes the folders it created, deepest first, together with the empty
// folders between them and the destination; what it cannot delete it reports.
// It only ever removes folders the run made, never the destination or
// anything above it, and a removal only takes away an empty folder.

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "paths/PathText.h"
#include "reorganizer/ReorganizeRun.h"

namespace ordovan {

class EventPump;
class FileSystem;
class Prompter;
class RunResults;

// Folders to remove, keyed by depth; equal depths keep the order of adding.
using MAP_DEPTH_FOLDERS = std::multimap<std::uint32_t, std::string>;

class FolderFileUndo {
 public:
  explicit FolderFileUndo(FileSystem& fs) : fs_(fs) {}
  FolderFileUndo(const FolderFileUndo&) = delete;
  FolderFileUndo& operator=(const FolderFileUndo&) = delete;

  // The destination the run used; it and everything above it stay.
  void SetDestination(const std::string& destination) { destination_ = destination; }
  void SetSubfolders(const TEXT_LIST& subfolders) { subfolders_ = subfolders; }
  void SetCopiedFiles(const TEXT_LIST& copied_files) { copied_files_ = copied_files; }
  // What each copied file was right after its copy; DeleteFiles deletes only
  // a file that still is what its entry says.
  void SetCopiedFileIdentities(const COPIED_FILE_IDENTITIES& identities) {
    copied_file_identities_ = identities;
  }
  void SetMainFolders(const TEXT_LIST& main_folders) { main_folders_ = main_folders; }
  // The folders the run created; RemoveFolders removes no other folder.
  void SetCreatedFolders(const TEXT_LIST& created_folders);
  // Everything above from the records of a Normal run, with the removal order
  // collected: subfolders, then main folders, then the parents left over
  // from a main folder whose creation failed half-way.
  void TakeRecords(const RunRecords& records);

  // Walks up from every main folder, then every subfolder, to the
  // destination, putting each folder on the way into the removal order once.
  void CollectFolders();
  // Deletes every copied file that is still the run's copy; the ones that
  // cannot be deleted, are gone, or are no longer the copy are noted. With
  // a pump, stops before the next file once the user asked to stop. Returns
  // how many of the copied files it handled.
  std::size_t DeleteFiles(EventPump* pump = nullptr);
  // Removes the collected folders, deepest first; a folder that cannot be
  // removed and still exists is noted, one that is gone already is not.
  void RemoveFolders();
  // The report text; empty when nothing was left behind.
  void BuildReport();

  TEXT_LIST NotDeletedFolders() const { return not_deleted_folders_; }
  TEXT_LIST NotDeletedFiles() const { return not_deleted_files_; }
  std::string Report() const { return report_; }
  const MAP_DEPTH_FOLDERS& RemovalOrder() const { return removal_order_; }
  const std::set<std::string>& ProtectedPaths() const { return protected_paths_; }

 private:
  void CollectFrom(const TEXT_LIST& folders);

  FileSystem& fs_;
  std::string destination_;
  TEXT_LIST main_folders_;
  TEXT_LIST subfolders_;
  TEXT_LIST copied_files_;
  COPIED_FILE_IDENTITIES copied_file_identities_;
  std::set<std::string> created_folders_;
  TEXT_LIST not_deleted_folders_;
  TEXT_LIST not_deleted_files_;
  std::string report_;
  std::set<std::string> protected_paths_;
  std::set<std::string> visited_paths_;
  MAP_DEPTH_FOLDERS removal_order_;
};

enum class UndoOutcome {
  NothingToUndo,  // message 120056: a simulation, an Undo, or a run that made nothing
  Declined,       // No to question 150057; nothing changed
  Done,           // the undo ran; 140059 shown
  Stopped,        // the user stopped it between two files; the records hold the rest
};

struct UndoResult {
  UndoOutcome outcome = UndoOutcome::NothingToUndo;
  TEXT_LIST not_deleted_folders;
  TEXT_LIST not_deleted_files;
  std::string report;
};

// The "Undo" command: takes back the run the records describe, empties the
// records and the results lists, and records what it could not remove into
// `results`. The only message it shows itself is the confirmation before it
// deletes; the window turns the outcome and the report into the messages
// below. With a pump the user may stop it between two files: the files not
// yet handled and every folder stay in the records, for the next Undo.
UndoResult UndoLastRun(RunRecords& records, FileSystem& fs, Prompter& prompter,
                       RunResults& results, EventPump* pump = nullptr);

// Messages of the Undo command.
inline constexpr const char* kNothingToUndoText =
    "No UNDO process !!!\nThere are no Created (Reorganized\xC3\x96 paths  !!!\nYou must Create "
    "=Reorganize) at least one Path to UNDO them.";
inline constexpr const char* kNothingToUndoTitle = "Ordovan.            Warning no: 120056.";
inline constexpr const char* kConfirmUndoText =
    "Do you want to delete all folders (and files)\ncreated last time ?";
inline constexpr const char* kConfirmUndoTitle = "Ordovan.            Information no: 150057.";
inline constexpr const char* kUndoReportTitle = "Ordovan.            Information no: 140058.";
inline constexpr const char* kUndoEndText = "End of Undo process !!!";
inline constexpr const char* kUndoEndTitle = "Ordovan.            Information no: 140059.";
// Shown with kUndoEndTitle instead of kUndoEndText after a Stop.
inline constexpr const char* kUndoStoppedText =
    "Undo was stopped !!!\nPress Undo again to delete the rest.";

}  // namespace ordovan
