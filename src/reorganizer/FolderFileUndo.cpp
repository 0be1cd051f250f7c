#include "reorganizer/FolderFileUndo.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
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
  {
    std::lock_guard<std::mutex> lock(link_free_mutex_);
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
  }
  // Asked outside the lock: another worker may ask the same at the same
  // time, and both get the same answer.
  std::vector<bool> judged;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    reached = reached && !fs_.IsLink(*it);
    judged.push_back(reached);
  }
  std::lock_guard<std::mutex> lock(link_free_mutex_);
  std::size_t i = 0;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) link_free_.emplace(*it, judged[i++]);
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

namespace {

// At most this many copies go in one piece of work: a stop waits for no more.
constexpr std::size_t kCopiesPerJob = 64;

// The deletions of copies in one folder. Run on the Undo's own thread (one
// at a time), it lets window messages and Stop through before each file.
class RemoveCopiesJob final : public WorkerJob {
 public:
  RemoveCopiesJob(FileSystem& fs, const std::string& folder, std::function<bool()> reached,
                  RunJournalWriter* journal, EventPump* pump)
      : WorkerJob(folder),
        fs_(fs),
        reached_(std::move(reached)),
        journal_(journal),
        pump_(pump),
        owner_(std::this_thread::get_id()) {}

  std::vector<CopyToRemove> files;
  std::vector<std::size_t> indexes;  // of each file in the copied files
  bool behind_link = false;

 protected:
  void Run(const std::atomic<bool>& stop) override {
    if (!reached_()) {
      behind_link = true;
      return;
    }
    const std::string& folder = spread();
    EventPump* pump = std::this_thread::get_id() == owner_ ? pump_ : nullptr;
    fs_.RemoveCopies(
        folder, &files,
        [this, &folder, pump](const std::string& name) {
          if (pump) {
            pump->Pump();
            if (pump->StopRequested()) return false;
          }
          if (journal_) journal_->RemovingCopy(folder + "\\" + name);
          return true;
        },
        &stop);
  }

 private:
  FileSystem& fs_;
  std::function<bool()> reached_;
  RunJournalWriter* journal_;
  EventPump* pump_;
  std::thread::id owner_;
};

// The removal of one folder.
class RemoveFolderJob final : public WorkerJob {
 public:
  RemoveFolderJob(FileSystem& fs, std::string folder, std::function<bool()> reached)
      : WorkerJob(ParentFolderOf(folder)), folder(std::move(folder)), fs_(fs), reached_(std::move(reached)) {}

  const std::string folder;
  bool behind_link = false;
  bool removed = false;
  FileError error = FileError::kRefused;

 protected:
  void Run(const std::atomic<bool>&) override {
    behind_link = !reached_();
    if (!behind_link) removed = fs_.RemoveEmptyFolder(folder, &error);
  }

 private:
  FileSystem& fs_;
  std::function<bool()> reached_;
};

}  // namespace

bool FolderFileUndo::DeleteFiles(EventPump* pump) {
  unhandled_files_.clear();
  // The copies in their order, cut into pieces of work: a run of copies in
  // one folder, at most kCopiesPerJob of them. Taken one after another the
  // pieces keep the order of the copies, so a stop leaves the ones after it.
  std::vector<std::shared_ptr<RemoveCopiesJob>> jobs;
  for (std::size_t i = 0; i < copied_files_.size(); ++i) {
    // The recorded paths are used exactly as the run recorded them: a name
    // that ends in a blank is another name on POSIX.
    const std::string& path = copied_files_[i];
    const std::string folder = ParentFolderOf(path);
    if (jobs.empty() || jobs.back()->spread() != folder || jobs.back()->files.size() >= kCopiesPerJob) {
      jobs.push_back(std::make_shared<RemoveCopiesJob>(
          fs_, folder, [this, folder] { return ReachedWithoutLinks(folder); }, journal_, pump));
    }
    RemoveCopiesJob& job = *jobs.back();
    // A file the user put in place of the copy, or changed since, is theirs
    // now; one whose identity was never known is not provably the copy.
    const auto recorded = copied_file_identities_.find(path);
    job.files.push_back(CopyToRemove{path.substr(folder.size() + 1),
                                     recorded == copied_file_identities_.end()
                                         ? std::nullopt
                                         : std::optional<FileIdentity>(recorded->second)});
    job.indexes.push_back(i);
  }
  std::vector<std::shared_ptr<WorkerJob>> work(jobs.begin(), jobs.end());
  std::vector<std::size_t> weights;
  for (const auto& job : jobs) weights.push_back(job->files.size());
  WorkerChoice choice(workers_);
  std::atomic<bool> stop{false};
  const bool all = RunJobs(work, choice, pump, stop, weights);
  workers_at_end_ = choice.workers();

  // What became of each, told in the order of the copied files.
  enum class Fate { kNotBegun, kBehindLink, kRemoved, kGone, kNotTheCopy, kRefused };
  std::vector<Fate> fates(copied_files_.size(), Fate::kNotBegun);
  for (const auto& job : jobs) {
    if (!job->done()) continue;
    for (std::size_t k = 0; k < job->files.size(); ++k) {
      Fate& fate = fates[job->indexes[k]];
      if (job->behind_link) {
        fate = Fate::kBehindLink;
        continue;
      }
      switch (job->files[k].outcome) {
        case CopyRemoval::kNotBegun: fate = Fate::kNotBegun; break;
        case CopyRemoval::kRemoved: fate = Fate::kRemoved; break;
        case CopyRemoval::kGone: fate = Fate::kGone; break;
        case CopyRemoval::kNotTheCopy: fate = Fate::kNotTheCopy; break;
        case CopyRemoval::kRefused: fate = Fate::kRefused; break;
      }
    }
  }
  for (std::size_t i = 0; i < copied_files_.size(); ++i) {
    const std::string& path = copied_files_[i];
    switch (fates[i]) {
      case Fate::kNotBegun:
        unhandled_files_.push_back(path);
        break;
      case Fate::kRemoved:
        break;
      case Fate::kGone:
        // Gone: the work of an earlier Undo cut short, or else the user's.
        if (removed_by_undo_.count(path) == 0) NotDeletedFile(path, false);
        break;
      case Fate::kNotTheCopy:
        NotDeletedFile(path, false);
        break;
      case Fate::kBehindLink:
      case Fate::kRefused:
        NotDeletedFile(path, true);
        break;
    }
  }
  return all && unhandled_files_.empty();
}

void FolderFileUndo::RemoveFolders() {
  // Depth by depth, deepest first: a folder goes only after the folders in
  // it. Within one depth, in the removal order (last added first).
  std::vector<std::shared_ptr<RemoveFolderJob>> depth;
  auto remove_depth = [&] {
    std::vector<std::shared_ptr<WorkerJob>> work(depth.begin(), depth.end());
    WorkerChoice choice(workers_ == kAutomaticWorkers ? workers_at_end_ : workers_);
    std::atomic<bool> stop{false};
    RunJobs(work, choice, nullptr, stop, std::vector<std::size_t>(work.size(), 1));
    for (const auto& job : depth) {
      // One that is gone already, or is no folder now, is not reported.
      if (job->behind_link || (!job->removed && job->error == FileError::kRefused)) {
        NotDeletedFolder(job->folder);
      }
    }
    depth.clear();
  };
  std::uint32_t current = 0;
  for (auto it = removal_order_.rbegin(); it != removal_order_.rend(); ++it) {
    // A folder that was there before the run is not the run's to remove.
    if (created_folders_.count(it->second) == 0) continue;
    if (!depth.empty() && it->first != current) remove_depth();
    current = it->first;
    const std::string& path = it->second;
    depth.push_back(std::make_shared<RemoveFolderJob>(fs_, path, [this, path] { return ReachedWithoutLinks(path); }));
  }
  if (!depth.empty()) remove_depth();
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
                       RunResults& results, EventPump* pump, RunJournalWriter* journal,
                       std::size_t workers) {
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
  undo.SetWorkers(workers);
  const bool all_handled = undo.DeleteFiles(pump);
  if (recorded && !all_handled) {
    // Stopped: the files not yet handled, those that could not be deleted
    // and every folder stay recorded.
    TEXT_LIST left = undo.KeptFiles();
    left.insert(left.end(), undo.UnhandledFiles().begin(), undo.UnhandledFiles().end());
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
