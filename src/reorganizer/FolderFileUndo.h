#pragma once
// Undo of the last Normal run: the undo log deletes the files the run copied
// (when they are still the run's copies) and removes the folders it created, deepest first, together with the empty
// folders between them and the destination; what it cannot delete it reports.
// It only ever removes folders the run made, never the destination or
// anything above it, and a removal only takes away an empty folder. It never
// goes through a link below the destination: what lies behind one was moved
// there by someone, and stays.

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "paths/PathText.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunWorkers.h"

namespace ordovan {

class EventPump;
class FileSystem;
class Prompter;
class RunJournalWriter;
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
  // Copies an earlier Undo began to delete: one of them that is gone is
  // done, not reported.
  void SetRemovedByUndo(const std::unordered_set<std::string>& files) { removed_by_undo_ = files; }
  // Where DeleteFiles names each copy before it deletes it; none when null.
  void SetJournal(RunJournalWriter* journal) { journal_ = journal; }
  // How many deletions run at once: 1 (one at a time, on this thread), more,
  // or kAutomaticWorkers. The outcome is the same whatever the count.
  void SetWorkers(std::size_t workers) { workers_ = workers; }
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
  // cannot be deleted, are gone, or are no longer the copy are noted, in
  // the order of the copied files. The copies of one folder are deleted
  // together (on a file server one look at the folder tells about all of
  // them), several folders at once when there are workers. With a pump,
  // the user may stop it: files not yet begun are left (UnhandledFiles).
  // True when every file was handled.
  bool DeleteFiles(EventPump* pump = nullptr);
  // Removes the collected folders, deepest first (the folders of one depth
  // at once when there are workers); a folder that cannot be removed and
  // still exists is noted, in the removal order; one that is gone already
  // is not.
  void RemoveFolders();
  // The report text; empty when nothing was left behind.
  void BuildReport();

  TEXT_LIST NotDeletedFolders() const { return not_deleted_folders_; }
  TEXT_LIST NotDeletedFiles() const { return not_deleted_files_; }
  // What a later Undo may still take back, once the cause is gone: the
  // copies that could not be deleted (refused, or behind a link), and the
  // folders that could not be removed. Not the copies that are gone or are
  // no longer the run's.
  const TEXT_LIST& KeptFiles() const { return kept_files_; }
  const TEXT_LIST& KeptFolders() const { return kept_folders_; }
  // The copied files a stopped DeleteFiles did not get to, in their order.
  const TEXT_LIST& UnhandledFiles() const { return unhandled_files_; }
  std::string Report() const { return report_; }
  const MAP_DEPTH_FOLDERS& RemovalOrder() const { return removal_order_; }
  const std::set<std::string>& ProtectedPaths() const { return protected_paths_; }

 private:
  void CollectFrom(const TEXT_LIST& folders);
  // True when neither `folder` nor a folder between it and the destination
  // is a link. Each folder is asked once. Safe from several threads.
  bool ReachedWithoutLinks(const std::string& folder);
  void NotDeletedFile(const std::string& path, bool kept);
  void NotDeletedFolder(const std::string& path);

  FileSystem& fs_;
  RunJournalWriter* journal_ = nullptr;
  std::size_t workers_ = 1;
  std::size_t workers_at_end_ = 1;  // what the automatic count came to in DeleteFiles
  std::unordered_set<std::string> removed_by_undo_;
  std::mutex link_free_mutex_;
  std::unordered_map<std::string, bool> link_free_;  // by folder: ReachedWithoutLinks
  TEXT_LIST unhandled_files_;
  TEXT_LIST kept_files_;
  TEXT_LIST kept_folders_;
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
  // Done: what could not be removed stays in the records (kKeptForUndoText).
  bool kept_for_next_undo = false;
  // The journal could not be written anew before the deleting began.
  bool journal_failed = false;
};

// True when the records name anything a Normal run made.
bool RecordsMadeSomething(const RunRecords& records);

// The "Undo" command: takes back the run the records describe, empties the
// records (but for what it could not remove, which a later Undo tries again)
// and the results lists, and records what it could not remove into
// `results`. The only message it shows itself is the confirmation before it
// deletes; the window turns the outcome and the report into the messages
// below. With a pump the user may stop it between two files: the files not
// yet handled and every folder stay in the records, for the next Undo. With a
// journal, the journal is written anew from the records before anything is
// deleted and then names each copy as it goes; the caller retires or
// rewrites it afterwards. `workers`: as FolderFileUndo::SetWorkers.
UndoResult UndoLastRun(RunRecords& records, FileSystem& fs, Prompter& prompter,
                       RunResults& results, EventPump* pump = nullptr,
                       RunJournalWriter* journal = nullptr, std::size_t workers = 1);

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
// After the report, when Undo keeps what it could not delete for the next one.
inline constexpr const char* kKeptForUndoText =
    "What could not be deleted stays recorded !!!\nPress Undo again to delete it once that is "
    "possible.";
inline constexpr const char* kKeptForUndoTitle = "Ordovan.            Information no: 140065.";

}  // namespace ordovan
