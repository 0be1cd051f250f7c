#include "reorganizer/ReorganizeRun.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/PathServices.h"
#include "platform/Prompter.h"
#include "paths/PathPlaces.h"
#include "paths/QuotedStrings.h"
#include "reorganizer/Destination.h"
#include "reorganizer/ReLevel.h"
#include "reorganizer/RunJournalWriter.h"
#include "reorganizer/RunSteps.h"

namespace ordovan {

struct Reorganizer::RunSetup {
  ReLevelSetup relevel;
  TEXT_LIST include_strings;
  TEXT_LIST exclude_strings;
};

namespace {

// Whether a source path names a folder, asked ahead of the run.
class SourceProbe final : public WorkerJob {
 public:
  SourceProbe(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
  bool folder = false;

 protected:
  void Run(const std::atomic<bool>&) override { folder = fs_.IsFolder(path_); }

 private:
  FileSystem& fs_;
  const std::string path_;
};

// A source folder's listing, read ahead of the run.
class SourceListing final : public WorkerJob {
 public:
  SourceListing(FileSystem& fs, std::string folder) : fs_(fs), folder_(std::move(folder)) {}
  bool listed = false;
  DIR_ENTRIES entries;
  DIR_ENTRIES nameless;

 protected:
  void Run(const std::atomic<bool>&) override { listed = fs_.ListFolder(folder_, &entries, &nameless); }

 private:
  FileSystem& fs_;
  const std::string folder_;
};

}  // namespace

// The reads of the source that a Normal run's thread will want for the next
// paths, started on workers while it decides the paths before them, so that
// on a file server it rarely waits for one. The source does not change under
// the run, except below the destination (a destination inside the source),
// where the run's own copies and folders land: a path there is read at its
// turn, once every copy decided before it has ended, as one worker reads it.
class Reorganizer::ReadAhead {
 public:
  ReadAhead(FileSystem& fs, RunSteps& steps, const RunInputs& inputs, const RunSetup& setup,
            const LEVEL_FOLDER_FILES& listed)
      : fs_(fs),
        steps_(steps),
        inputs_(inputs),
        setup_(setup),
        listed_(listed),
        destination_key_(EntryKey(setup.relevel.destination)),
        probes_(inputs.include_entries.size()) {}

  // Starts the reads of the path at `index` and of a few after it.
  void Before(std::size_t index) {
    if (!steps_.pooled()) return;
    const std::size_t until =
        std::min(inputs_.include_entries.size(), index + 1 + std::max<std::size_t>(4, steps_.workers()));
    for (next_ = std::max(next_, index); next_ < until; ++next_) Read(next_);
  }

  bool IsFolder(std::size_t index) {
    const std::string& path = inputs_.include_entries[index];
    if (const std::shared_ptr<SourceProbe> probe = std::move(probes_[index])) {
      steps_.Await(*probe);
      if (probe->done()) return probe->folder;
    }
    if (Changeable(path)) steps_.Drain();
    return fs_.IsFolder(path);
  }

  bool List(const std::string& folder, DIR_ENTRIES* entries, DIR_ENTRIES* nameless) {
    if (const auto found = listings_.find(folder); found != listings_.end()) {
      const std::shared_ptr<SourceListing> listing = std::move(found->second);
      listings_.erase(found);
      steps_.Await(*listing);
      if (listing->done()) {
        *entries = std::move(listing->entries);
        *nameless = std::move(listing->nameless);
        return listing->listed;
      }
    }
    if (Changeable(folder)) steps_.Drain();
    return fs_.ListFolder(folder, entries, nameless);
  }

 private:
  // Below the destination the run itself may change what is there.
  bool Changeable(const std::string& path) const { return LiesBelow(EntryKey(path), destination_key_); }

  void Read(std::size_t index) {
    const std::string& path = inputs_.include_entries[index];
    if (Changeable(path)) return;
    probes_[index] = std::make_shared<SourceProbe>(fs_, path);
    steps_.Ahead(probes_[index]);
    const ReLevelSetup& relevel = setup_.relevel;
    if (!inputs_.with_files || !CanReLevel(relevel, path)) return;
    const ReLeveledPath place = ReLevelPath(relevel, path);
    for (const LevelFolderPair& pair : place.LevelFolderPairs) Want(pair.OldLevelFolder);
    if (place.NewFullFolder.empty()) return;
    for (const std::string& relative : place.DeeperRelativePaths) {
      Want(place.OldMainFolder + "\\" + relative);
    }
  }

  void Want(const std::string& folder) {
    if (Changeable(folder) || listed_.count(folder) != 0 || !wanted_.insert(folder).second) return;
    auto listing = std::make_shared<SourceListing>(fs_, folder);
    listings_.emplace(folder, listing);
    steps_.Ahead(listing);
  }

  FileSystem& fs_;
  RunSteps& steps_;
  const RunInputs& inputs_;
  const RunSetup& setup_;
  const LEVEL_FOLDER_FILES& listed_;
  const std::string destination_key_;
  std::vector<std::shared_ptr<SourceProbe>> probes_;  // by path index
  std::unordered_map<std::string, std::shared_ptr<SourceListing>> listings_;
  std::set<std::string> wanted_;  // every folder read ahead once
  std::size_t next_ = 0;          // the next path to read ahead
};

Reorganizer::Reorganizer(FileSystem& fs, Prompter& prompter, RunResults& results)
    : fs_(fs), prompter_(prompter), results_(results) {
  files_.fs = &fs_;
  files_.prompter = &prompter_;
  files_.results = &results_;
  files_.copied_files = &records_.CopiedFiles;
  files_.copied_file_identities = &records_.CopiedFileIdentities;
  files_.processed_deeper_folders = &sets_.ProcessedDeeperFolders;
  files_.simulated_targets = &sets_.SimulatedTargets;
  files_.level_folder_files = &level_folder_files_;
}

RunReport Reorganizer::SimulationView(const RunInputs& inputs) {
  sets_.SimulatedTargets.clear();
  RunReport report = RunReorganize(RunMode::Simulate, inputs);
  records_.ForgetCreated();
  if (inputs.journal) inputs.journal->Retire();
  return report;
}

RunReport Reorganizer::RunReorganize(RunMode mode, const RunInputs& inputs) {
  RunReport report;
  auto ended = [&report](RunOutcome outcome) {
    report.outcome = outcome;
    return report;
  };
  results_.ClearResultZoomLists();

  RunSetup setup;
  if (!ParseQuotedStrings(inputs.include_strings_text, "Include Strings : ",
                          &setup.include_strings, prompter_) ||
      !ParseQuotedStrings(inputs.exclude_strings_text, "Exclude Strings : ",
                          &setup.exclude_strings, prompter_)) {
    return ended(RunOutcome::FilterRefused);
  }

  const std::string& destination = inputs.stored_destination;
  if (!DestinationAllowsRun(destination)) return ended(RunOutcome::NoDestination);
  records_.RunKindMarker.assign(1, 'R');

  if (!inputs.cut) return ended(RunOutcome::BadCutNumber);

  LINE_NUMBER_MAP& line_numbers = report.line_number_map.emplace(inputs.line_number_map);
  RecordNewOrder(&line_numbers, inputs.new_level_order);
  setup.relevel = MakeReLevelSetup(*inputs.cut, line_numbers, destination);

  // The journal of the last run goes with its records; a Normal run with
  // work to do starts its own, before it changes anything else.
  if (inputs.journal) {
    if (mode == RunMode::Normal && !inputs.include_entries.empty()) {
      report.journal_start = inputs.journal->Begin(destination);
      report.journal_failed = report.journal_start != JournalStart::Started;
      if (report.journal_failed && inputs.journal_required) {
        return ended(RunOutcome::JournalNotStarted);
      }
    } else {
      inputs.journal->Retire();
    }
  }
  journal_ = inputs.journal && inputs.journal->active() ? inputs.journal : nullptr;

  sets_.CountedAsCreated.clear();
  sets_.ReportedExisting.clear();
  results_.ResetRunCounters();
  records_.ForgetCreated();
  records_.RunDestination = setup.relevel.destination;
  records_.Simulated = mode == RunMode::Simulate;
  placements_.assign(inputs.include_entries.size(), std::string());
  files_.journal = journal_;
  known_folders_.clear();
  results_.ClearResultLists();
  results_.RefreshResultCounters();

  if (inputs.show_results_window) inputs.show_results_window();

  sets_.ProcessedDeeperFolders.clear();
  level_folder_files_.clear();

  if (inputs.include_entries.empty()) {
    prompter_.Warn(kIncludeListEmptyText, mode == RunMode::Normal ? kIncludeListEmptyTitleNormal
                                                                  : kIncludeListEmptyTitleSimulate);
    return ended(RunOutcome::EmptyIncludeList);
  }

  files_.pump = inputs.pump;
  files_.disk_full = false;
  files_.copied_without_identity.clear();
  // Copies may go to workers; what the run records waits its turn in `steps`.
  RunSteps steps(mode == RunMode::Normal ? inputs.workers : 1, inputs.pump);
  steps_ = &steps;
  files_.steps = &steps;
  files_.made_folders = &made_folders_;
  std::optional<ReadAhead> ahead;
  if (mode == RunMode::Normal) {
    ahead.emplace(fs_, steps, inputs, setup, level_folder_files_);
    files_.list_folder = [&ahead](const std::string& folder, DIR_ENTRIES* entries,
                                  DIR_ENTRIES* nameless) { return ahead->List(folder, entries, nameless); };
  }
  bool stopped = false;
  for (std::size_t i = 0; i < inputs.include_entries.size(); ++i) {
    // A safe point: every file begun so far is complete, or will be
    // recorded in order once it is.
    if (RunStopRequested(files_)) {
      stopped = true;
      break;
    }
    if (ahead) ahead->Before(i);
    ProcessPath(mode, inputs, setup, i, ahead ? &*ahead : nullptr);
    if (journal_) journal_->Tick();
  }
  // A stop inside the last path's files cut it short as well.
  stopped = stopped || (inputs.pump && inputs.pump->StopRequested());
  stopped = steps.Finish(stopped) || stopped || files_.disk_full;
  files_.list_folder = nullptr;
  ahead.reset();
  files_.steps = nullptr;
  files_.made_folders = nullptr;
  files_.decided_copies.clear();
  files_.copied_without_identity.clear();
  steps_ = nullptr;
  files_.pump = nullptr;
  if (journal_ && !journal_->Finish(stopped)) report.journal_failed = true;
  journal_ = nullptr;
  files_.journal = nullptr;
  known_folders_.clear();
  made_folders_.clear();
  level_folder_files_.clear();
  const NOT_COPIED_FILES& not_copied = results_.not_copied();
  report.files_not_copied = not_copied.size();
  if (!not_copied.empty()) report.first_not_copied = not_copied.front();
  if (files_.disk_full) {
    const auto full = std::find_if(not_copied.rbegin(), not_copied.rend(), [](const NotCopiedFile& file) {
      return file.reason == CopyError::kDiskFull;
    });
    if (full != not_copied.rend()) report.disk_full_at = *full;
    return ended(RunOutcome::DiskFull);
  }
  return ended(stopped ? RunOutcome::Stopped : RunOutcome::Completed);
}

std::optional<RunEndWarning> NotCopiedWarning(const RunReport& report) {
  const std::string count = std::to_string(report.files_not_copied);
  if (report.outcome == RunOutcome::DiskFull) {
    return RunEndWarning{"The destination disk is full !\nThe run stopped at : " +
                             report.disk_full_at.source + "\nFiles not copied : " + count +
                             "\nAction : Make room on the disk, then Undo this run or run it "
                             "again.",
                         kDiskFullTitle};
  }
  if (report.files_not_copied == 0) return std::nullopt;
  const NotCopiedFile& first = report.first_not_copied;
  const bool one = report.files_not_copied == 1;
  return RunEndWarning{
      (one ? std::string("1 file was not copied !\nFile : ")
           : count + " files were not copied !\nThe first : ") +
          first.source + "\nReason : " + NotCopiedReasonText(first.reason) +
          (one ? "\nAction : See \"Files Not Copied\" in the results."
               : "\nAction : See \"Files Not Copied\" in the results for each file and its reason."),
      kNotCopiedTitle};
}

bool Reorganizer::PassesFilters(const RunInputs& inputs, const RunSetup& setup,
                                const TEXT_LIST& remaining_names, std::size_t template_size) {
  if (!inputs.include_strings_selected && !inputs.exclude_strings_selected) return true;
  std::string template_text;
  for (std::size_t i = 0; i < template_size && i < remaining_names.size(); ++i) {
    template_text.append(1, '\\').append(remaining_names[i]);
  }
  if (inputs.include_strings_selected) {
    for (const std::string& s : setup.include_strings) {
      const ContainsResult found = ContainsIgnoreCase(template_text, s);
      if (found.needle_given && !found.result) return false;
    }
  } else {
    for (const std::string& s : setup.exclude_strings) {
      const ContainsResult found = ContainsIgnoreCase(template_text, s);
      if (found.needle_given && found.result) return false;
    }
  }
  return true;
}

void Reorganizer::Record(ResultCategory category, const std::string& path) {
  steps_->Then([this, category, path] { results_.RecordResult(category, path); });
}

void Reorganizer::RecordExisting(const std::string& folder) {
  if (sets_.ReportedExisting.insert(folder).second) Record(ResultCategory::DestinationExists, folder);
}

bool Reorganizer::ExistsNow(const std::string& folder) {
  if (known_folders_.count(folder) != 0) return true;
  if (!fs_.IsFolder(folder)) return false;
  known_folders_.insert(folder);
  return true;
}

Reorganizer::FolderFound Reorganizer::MakeFolderTracked(const std::string& folder) {
  if (known_folders_.count(folder) != 0) return FolderFound::kFound;
  if (!LiesBelow(folder, records_.RunDestination)) return FolderFound::kFailed;
  // `folder` and the folders above it that this run has not met yet, up to
  // the destination, deepest first.
  std::vector<std::string> chain;
  for (std::string x = folder; LiesBelow(x, records_.RunDestination) && known_folders_.count(x) == 0;) {
    chain.push_back(x);
    std::string parent = ParentFolderOf(x);
    if (parent == x) break;
    x = std::move(parent);
  }
  // Top-down, each announced in the journal before it can appear. The
  // create answers "is it there?" itself: one call for a folder made, one
  // for a folder found.
  std::vector<std::string> found;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const std::string& level = *it;
    // A copy in hand into this very path (a file of a name a later folder
    // gets) ends first, as it would with one worker.
    AwaitCopyInto(files_, level);
    if (journal_) journal_->CreatingFolder(level);
    FolderMade made = fs_.MakeFolder(level);
    if (made == FolderMade::kParentMissing && it == chain.rbegin()) {
      // The destination (or a folder above the run's) is missing: made as
      // the place the run goes into, never as the run's own work.
      if (fs_.CreateFolders(ParentFolderOf(level))) made = fs_.MakeFolder(level);
    }
    if (made == FolderMade::kCreated) {
      made_folders_.insert(level);
      known_folders_.insert(level);
      steps_->Then([this, level] { records_.CreatedFolders.push_back(level); },
                   [this, level] {
                     // Decided after the run's end: one worker would not have made it.
                     if (fs_.RemoveEmptyFolder(level)) {
                       if (journal_) journal_->FolderNotMade(level);
                     } else {
                       records_.CreatedFolders.push_back(level);
                     }
                   });
      continue;
    }
    if (journal_) journal_->FolderNotMade(level);
    if (made != FolderMade::kExists) return FolderFound::kFailed;
    found.push_back(level);
  }
  // What stood there is a folder when the next one could be made inside it;
  // the last one is asked.
  if (!found.empty() && found.back() == folder && !fs_.IsFolder(folder)) return FolderFound::kFailed;
  known_folders_.insert(found.begin(), found.end());
  return !found.empty() && found.back() == folder ? FolderFound::kFound : FolderFound::kMade;
}

void Reorganizer::ProcessPath(RunMode mode, const RunInputs& inputs, const RunSetup& setup,
                              std::size_t index, ReadAhead* ahead) {
  const std::string& path = inputs.include_entries[index];
  if (!(ahead ? ahead->IsFolder(index) : fs_.IsFolder(path))) {
    Record(ResultCategory::SourceNotExists, path);
    return;
  }
  Record(ResultCategory::ToReorganize, path);

  const ReLevelSetup& relevel = setup.relevel;
  if (!CanReLevel(relevel, path)) {
    Record(ResultCategory::OtherReasons, path);
    return;
  }
  const ReLeveledPath place = ReLevelPath(relevel, path);
  if (!PassesFilters(inputs, setup, place.RemainingNames, TemplateSize(relevel))) return;

  // Nothing may be created or copied outside the destination.
  const std::string& destination = relevel.destination;
  bool inside = LiesBelow(place.NewMainFolder, destination) &&
                (place.NewFullFolder.empty() || LiesBelow(place.NewFullFolder, destination));
  if (inputs.with_files) {
    for (const LevelFolderPair& pair : place.LevelFolderPairs) {
      inside = inside && LiesBelow(pair.NewLevelFolder, destination);
    }
  }
  if (!inside) {
    Record(ResultCategory::OtherReasons, path);
    return;
  }
  steps_->Then([this, index, placed = place.NewFullFolder.empty() ? place.NewMainFolder
                                                                   : place.NewFullFolder] {
    placements_[index] = placed;
  });

  const std::string& main_folder = place.NewMainFolder;
  if (mode == RunMode::Normal) {
    switch (MakeFolderTracked(main_folder)) {
      case FolderFound::kFailed:
        // Not reorganized: nothing is copied into a folder that is not there.
        Record(ResultCategory::OtherReasons, main_folder);
        return;
      case FolderFound::kFound:
        RecordExisting(main_folder);
        break;
      case FolderFound::kMade:
        steps_->Then([this, main_folder] {
          records_.CreatedMainFolders.push_back(main_folder);
          if (journal_) journal_->CreatedMainFolder(main_folder);
          results_.RecordResult(ResultCategory::MainFoldersReorganized, main_folder);
        });
        break;
    }
  } else {
    const bool absent = !ExistsNow(main_folder);
    files_.absent_main_folder = absent ? main_folder : std::string();
    if (absent && sets_.CountedAsCreated.insert(main_folder).second) {
      steps_->Then([this, main_folder] {
        records_.CreatedMainFolders.push_back(main_folder);
        results_.RecordResult(ResultCategory::MainFoldersReorganized, main_folder);
      });
    } else {
      RecordExisting(main_folder);
    }
  }

  if (inputs.with_files) {
    for (const LevelFolderPair& pair : place.LevelFolderPairs) {
      CopyLevelFiles(files_, pair.OldLevelFolder, pair.NewLevelFolder, mode);
    }
  }

  const std::string& full_folder = place.NewFullFolder;
  if (full_folder.empty() || RunStopRequested(files_)) return;
  if (mode == RunMode::Normal) {
    switch (MakeFolderTracked(full_folder)) {
      case FolderFound::kFound:
        RecordExisting(full_folder);
        return;
      case FolderFound::kFailed:
        Record(ResultCategory::OtherReasons, full_folder);
        return;
      case FolderFound::kMade:
        steps_->Then([this, full_folder] {
          records_.CreatedSubFolders.push_back(full_folder);
          if (journal_) journal_->CreatedSubFolder(full_folder);
          results_.RecordResult(ResultCategory::SubfoldersReorganized, full_folder);
        });
        break;
    }
  } else if (ExistsNow(full_folder)) {
    RecordExisting(full_folder);
    return;
  } else if (sets_.CountedAsCreated.insert(full_folder).second) {
    Record(ResultCategory::SubfoldersReorganized, full_folder);
  } else {
    RecordExisting(full_folder);
  }
  if (inputs.with_files) {
    for (const std::string& relative : place.DeeperRelativePaths) {
      CopyDeeperFiles(files_, place.OldMainFolder, relative, main_folder, mode);
    }
  }
}

}  // namespace ordovan
