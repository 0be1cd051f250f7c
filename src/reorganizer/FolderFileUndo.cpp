#include "reorganizer/FolderFileUndo.h"

#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
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
    // A file the user put in place of the copy, or changed since, is theirs
    // now; one whose identity was never known is not provably the copy.
    const auto recorded = copied_file_identities_.find(path);
    const bool still_the_copy = recorded != copied_file_identities_.end() &&
                                fs_.IdentifyFile(path) == recorded->second;
    if (!still_the_copy || !fs_.RemoveFile(path)) not_deleted_files_.push_back(path);
  }
  return handled;
}

void FolderFileUndo::RemoveFolders() {
  for (auto it = removal_order_.rbegin(); it != removal_order_.rend(); ++it) {
    // A folder that was there before the run is not the run's to remove.
    if (created_folders_.count(it->second) == 0) continue;
    const std::string& path = it->second;
    // One that is gone already, or is no folder now, is not reported.
    FileError error = FileError::kRefused;
    if (!fs_.RemoveEmptyFolder(path, &error) && error == FileError::kRefused) {
      not_deleted_folders_.push_back(path);
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
  CollectFolders();
  SetMainFolders(records.CreatedMainFolders);
  CollectFolders();
  SetMainFolders(records.CreatedFolders);
  CollectFolders();
}

UndoResult UndoLastRun(RunRecords& records, FileSystem& fs, Prompter& prompter,
                       RunResults& results, EventPump* pump) {
  UndoResult result;
  // A simulation's records name folders and files that were never made. A
  // Normal run whose main folders all existed can still have made subfolders
  // and copied files: those are taken back too.
  const bool made_something = !records.CreatedMainFolders.empty() ||
                              !records.CreatedSubFolders.empty() ||
                              !records.CreatedFolders.empty() || !records.CopiedFiles.empty();
  if (!made_something || records.Simulated) {
    result.outcome = UndoOutcome::NothingToUndo;
    return result;
  }
  if (!prompter.Ask(kConfirmUndoText, kConfirmUndoTitle)) {
    result.outcome = UndoOutcome::Declined;
    return result;
  }

  FolderFileUndo undo(fs);
  const bool recorded = records.RunKindMarker == "R";
  if (recorded) undo.TakeRecords(records);
  const std::size_t handled = undo.DeleteFiles(pump);
  if (recorded && handled < records.CopiedFiles.size()) {
    // Stopped: the files not yet handled and every folder stay recorded.
    records.CopiedFiles.erase(records.CopiedFiles.begin(),
                              records.CopiedFiles.begin() + static_cast<std::ptrdiff_t>(handled));
    COPIED_FILE_IDENTITIES left;
    for (const std::string& file : records.CopiedFiles) {
      const auto found = records.CopiedFileIdentities.find(file);
      if (found != records.CopiedFileIdentities.end()) left.insert(*found);
    }
    records.CopiedFileIdentities = std::move(left);
    undo.BuildReport();
    result.not_deleted_files = undo.NotDeletedFiles();
    result.report = undo.Report();
    result.outcome = UndoOutcome::Stopped;
    return result;
  }
  undo.RemoveFolders();
  undo.BuildReport();

  records.ForgetCreated();

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
