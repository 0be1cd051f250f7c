#include "reorganizer/ReorganizeRun.h"

#include <algorithm>
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

namespace ordovan {

struct Reorganizer::RunSetup {
  ReLevelSetup relevel;
  TEXT_LIST include_strings;
  TEXT_LIST exclude_strings;
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
  bool stopped = false;
  for (std::size_t i = 0; i < inputs.include_entries.size(); ++i) {
    // A safe point: every file begun so far is complete.
    if (RunStopRequested(files_)) {
      stopped = true;
      break;
    }
    ProcessPath(mode, inputs, setup, inputs.include_entries[i], &placements_[i]);
    if (journal_) journal_->Tick();
  }
  // A stop inside the last path's files cut it short as well.
  stopped = stopped || files_.disk_full || (inputs.pump && inputs.pump->StopRequested());
  files_.pump = nullptr;
  if (journal_ && !journal_->Finish(stopped)) report.journal_failed = true;
  journal_ = nullptr;
  files_.journal = nullptr;
  known_folders_.clear();
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

void Reorganizer::RecordExisting(const std::string& folder) {
  if (sets_.ReportedExisting.insert(folder).second) {
    results_.RecordResult(ResultCategory::DestinationExists, folder);
  }
}

bool Reorganizer::ExistsNow(const std::string& folder) {
  if (known_folders_.count(folder) != 0) return true;
  if (!fs_.IsFolder(folder)) return false;
  known_folders_.insert(folder);
  return true;
}

bool Reorganizer::CreateTracked(const std::string& folder) {
  // The folders that are missing now, deepest first; the caller has found
  // `folder` itself missing. The walk never reaches the destination.
  std::vector<std::string> missing;
  for (std::string x = folder; LiesBelow(x, records_.RunDestination);) {
    if (x != folder && ExistsNow(x)) break;
    missing.push_back(x);
    std::string parent = ParentFolderOf(x);
    if (parent == x) break;
    x = std::move(parent);
  }
  if (journal_) {
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) journal_->CreatingFolder(*it);
  }
  const bool created = fs_.CreateFolders(folder);
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    // After a failure only the parents that now exist were made by us.
    if (!created && !fs_.IsFolder(*it)) {
      for (; journal_ && it != missing.rend(); ++it) journal_->FolderNotMade(*it);
      break;
    }
    records_.CreatedFolders.push_back(*it);
    known_folders_.insert(*it);
  }
  return created;
}

void Reorganizer::ProcessPath(RunMode mode, const RunInputs& inputs, const RunSetup& setup,
                              const std::string& path, std::string* placed) {
  if (!fs_.IsFolder(path)) {
    results_.RecordResult(ResultCategory::SourceNotExists, path);
    return;
  }
  results_.RecordResult(ResultCategory::ToReorganize, path);

  const ReLevelSetup& relevel = setup.relevel;
  if (!CanReLevel(relevel, path)) {
    results_.RecordResult(ResultCategory::OtherReasons, path);
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
    results_.RecordResult(ResultCategory::OtherReasons, path);
    return;
  }
  *placed = place.NewFullFolder.empty() ? place.NewMainFolder : place.NewFullFolder;

  const std::string& main_folder = place.NewMainFolder;
  if (mode == RunMode::Normal) {
    if (!ExistsNow(main_folder)) {
      if (!CreateTracked(main_folder)) {
        // Not reorganized: nothing is copied into a folder that is not there.
        results_.RecordResult(ResultCategory::OtherReasons, main_folder);
        return;
      }
      records_.CreatedMainFolders.push_back(main_folder);
      if (journal_) journal_->CreatedMainFolder(main_folder);
      results_.RecordResult(ResultCategory::MainFoldersReorganized, main_folder);
    } else {
      RecordExisting(main_folder);
    }
  } else {
    const bool absent = !ExistsNow(main_folder);
    files_.absent_main_folder = absent ? main_folder : std::string();
    if (absent && sets_.CountedAsCreated.insert(main_folder).second) {
      records_.CreatedMainFolders.push_back(main_folder);
      results_.RecordResult(ResultCategory::MainFoldersReorganized, main_folder);
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
  if (ExistsNow(full_folder)) {
    RecordExisting(full_folder);
    return;
  }
  if (mode == RunMode::Normal) {
    if (!CreateTracked(full_folder)) {
      results_.RecordResult(ResultCategory::OtherReasons, full_folder);
      return;
    }
    records_.CreatedSubFolders.push_back(full_folder);
    if (journal_) journal_->CreatedSubFolder(full_folder);
    results_.RecordResult(ResultCategory::SubfoldersReorganized, full_folder);
  } else if (sets_.CountedAsCreated.insert(full_folder).second) {
    results_.RecordResult(ResultCategory::SubfoldersReorganized, full_folder);
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
