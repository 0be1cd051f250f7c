#include "reorganizer/FolderFileUndo.h"

#include <optional>
#include <vector>

#include "paths/PathPlaces.h"
#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "reorganizer/RunJournalWriter.h"
#include "reorganizer/RunResults.h"

namespace ordovan {

namespace {

std::string WithoutTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

void FolderFileUndo::SetCreatedFolders(const TEXT_LIST& created_folders) {
  created_folders_ = std::set<std::string>(created_folders.begin(), created_folders.end());
}

void FolderFileUndo::CollectFolders() {
  protected_paths_.insert(WithoutTrailingBackslash(destination_));
  CollectFrom(main_folders_);
  CollectFrom(subfolders_);
}

void FolderFileUndo::CollectFrom(const TEXT_LIST& folders) {
  for (const std::string& folder : folders) {
    std::string x = folder;
    // The walk ends at the destination, at anything not below it (a path of
    // another destination, a drive root), and at a path that is its own parent.
    while (!x.empty()) {
      if (protected_paths_.count(x) != 0) break;
      if (!LiesBelow(x, destination_)) break;
      if (visited_paths_.insert(x).second) {
        removal_order_.emplace(static_cast<std::uint32_t>(CountPathSeparators(x)), x);
      }
      std::string parent = ParentFolderOf(x);
      if (parent == x) break;
      x = std::move(parent);
    }
  }
}

bool FolderFileUndo::ReachedWithoutLinks(const std::string& folder) {
  // The folders from `folder` up to one judged before, or to the destination.
  std::vector<std::string> chain;
  bool reached = true;
  for (std::string x = folder;;) {
    if (const auto known = link_free_.find(x); known != link_free_.end()) {
      reached = known->second;
      break;
    }
    if (!LiesBelow(x, destination_)) break;
    chain.push_back(x);
    std::string parent = ParentFolderOf(x);
    if (parent == x) break;
    x = std::move(parent);
  }
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    reached = reached && !fs_.IsLink(*it);
    link_free_.emplace(*it, reached);
  }
  return reached;
}

void FolderFileUndo::NotDeletedFile(const std::string& path, bool kept) {
  not_deleted_files_.push_back(path);
  if (kept) kept_files_.push_back(path);
}

void FolderFileUndo::NotDeletedFolder(const std::string& path) {
  not_deleted_folders_.push_back(path);
  kept_folders_.push_back(path);
}

std::size_t FolderFileUndo::DeleteFiles(EventPump* pump) {
  std::size_t handled = 0;
  // The recorded paths are used exactly as the run recorded them: a name that
  // ends in a blank is another name on POSIX.
  for (const std::string& path : copied_files_) {
    if (pump) {
      pump->Pump();
      if (pump->StopRequested()) return handled;
    }
    ++handled;
    if (!ReachedWithoutLinks(ParentFolderOf(path))) {
      NotDeletedFile(path, true);
      continue;
    }
    const std::optional<FileIdentity> present = fs_.IdentifyFile(path);
    if (!present) {
      // Gone: the work of an earlier Undo cut short, or else the user's.
      if (removed_by_undo_.count(path) == 0) NotDeletedFile(path, false);
      continue;
    }
    // A file the user put in place of the copy, or changed since, is theirs
    // now; one whose identity was never known is not provably the copy.
    const auto recorded = copied_file_identities_.find(path);
    if (recorded == copied_file_identities_.end() || *present != recorded->second) {
      NotDeletedFile(path, false);
      continue;
    }
    if (journal_) journal_->RemovingCopy(path);
    if (!fs_.RemoveFile(path)) NotDeletedFile(path, true);
  }
  return handled;
}

void FolderFileUndo::RemoveFolders() {
  for (auto it = removal_order_.rbegin(); it != removal_order_.rend(); ++it) {
    // A folder that was there before the run is not the run's to remove.
    if (created_folders_.count(it->second) == 0) continue;
    const std::string& path = it->second;
    if (!ReachedWithoutLinks(path)) {
      NotDeletedFolder(path);
      continue;
    }
    // One that is gone already, or is no folder now, is not reported.
    FileError error = FileError::kRefused;
    if (!fs_.RemoveEmptyFolder(path, &error) && error == FileError::kRefused) {
      NotDeletedFolder(path);
    }
  }
}

void FolderFileUndo::BuildReport() {
  std::string list;
  for (const std::string& folder : not_deleted_folders_) list.append(folder).append("\n");
  for (const std::string& file : not_deleted_files_) list.append(file).append("\n");
  report_.clear();
  if (list.empty()) return;
  report_ = "The program is unable to delete the following folders, and/or separate files : \n";
  report_.append("\nOTHER REASONS   : \n\n").append(list);
}

void FolderFileUndo::TakeRecords(const RunRecords& records) {
  SetDestination(records.RunDestination);
  SetCreatedFolders(records.CreatedFolders);
  SetSubfolders(records.CreatedSubFolders);
  SetCopiedFiles(records.CopiedFiles);
  SetCopiedFileIdentities(records.CopiedFileIdentities);
  SetRemovedByUndo(records.RemovedByUndo);
  CollectFolders();
  SetMainFolders(records.CreatedMainFolders);
  CollectFolders();
  SetMainFolders(records.CreatedFolders);
  CollectFolders();
}

bool RecordsMadeSomething(const RunRecords& records) {
  return !records.CreatedMainFolders.empty() || !records.CreatedSubFolders.empty() ||
         !records.CreatedFolders.empty() || !records.CopiedFiles.empty();
}

namespace {

// Keeps in the records only the copies `files` (in that order) and, given
// `folders`, only the folders among them.
void KeepRecorded(RunRecords& records, TEXT_LIST files, const TEXT_LIST* folders) {
  COPIED_FILE_IDENTITIES identities;
  std::unordered_set<std::string> removed;
  for (const std::string& file : files) {
    if (const auto found = records.CopiedFileIdentities.find(file);
        found != records.CopiedFileIdentities.end()) {
      identities.insert(*found);
    }
    if (records.RemovedByUndo.count(file) != 0) removed.insert(file);
  }
  records.CopiedFiles = std::move(files);
  records.CopiedFileIdentities = std::move(identities);
  records.RemovedByUndo = std::move(removed);
  if (!folders) return;
  const std::set<std::string> kept(folders->begin(), folders->end());
  for (TEXT_LIST* list :
       {&records.CreatedFolders, &records.CreatedMainFolders, &records.CreatedSubFolders}) {
    std::erase_if(*list, [&kept](const std::string& folder) { return kept.count(folder) == 0; });
  }
}

}  // namespace

UndoResult UndoLastRun(RunRecords& records, FileSystem& fs, Prompter& prompter,
                       RunResults& results, EventPump* pump, RunJournalWriter* journal) {
  UndoResult result;
  // A simulation's records name folders and files that were never made. A
  // Normal run whose main folders all existed can still have made subfolders
  // and copied files: those are taken back too.
  if (!RecordsMadeSomething(records) || records.Simulated) {
    result.outcome = UndoOutcome::NothingToUndo;
    return result;
  }
  if (!prompter.Ask(kConfirmUndoText, kConfirmUndoTitle)) {
    result.outcome = UndoOutcome::Declined;
    return result;
  }

  // The journal names what this Undo deletes, so that an Undo after a crash
  // knows a copy gone for its own work; it starts as the records stand.
  if (journal && !journal->BeginUndo(records)) result.journal_failed = true;
  FolderFileUndo undo(fs);
  const bool recorded = records.RunKindMarker == "R";
  if (recorded) undo.TakeRecords(records);
  if (!result.journal_failed) undo.SetJournal(journal);
  const std::size_t handled = undo.DeleteFiles(pump);
  if (recorded && handled < records.CopiedFiles.size()) {
    // Stopped: the files not yet handled, those that could not be deleted
    // and every folder stay recorded.
    TEXT_LIST left = undo.KeptFiles();
    left.insert(left.end(), records.CopiedFiles.begin() + static_cast<std::ptrdiff_t>(handled),
                records.CopiedFiles.end());
    KeepRecorded(records, std::move(left), nullptr);
    undo.BuildReport();
    result.not_deleted_files = undo.NotDeletedFiles();
    result.report = undo.Report();
    result.outcome = UndoOutcome::Stopped;
    return result;
  }
  undo.RemoveFolders();
  undo.BuildReport();

  // What could not go stays recorded, for a later Undo once its cause is gone.
  if (recorded) {
    KeepRecorded(records, undo.KeptFiles(), &undo.KeptFolders());
  } else {
    records.ForgetCreated();
  }
  result.kept_for_next_undo = RecordsMadeSomething(records);

  results.ClearResultLists();
  results.ZeroCountersAfterUndo();
  result.not_deleted_folders = undo.NotDeletedFolders();
  result.not_deleted_files = undo.NotDeletedFiles();
  result.report = undo.Report();
  for (const std::string& folder : result.not_deleted_folders) results.RecordFailedUndo(folder);
  if (result.not_deleted_folders.empty()) results.RefreshResultCounters();
  result.outcome = UndoOutcome::Done;
  return result;
}

}  // namespace ordovan
