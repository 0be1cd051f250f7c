#pragma once
// The reorganize run: walks the Include list once, gives every existing path
// its new place under the destination, creates the new folders (Normal) or
// judges them (Simulate), lets the file routines copy or count the files, and
// sorts every path into a result category. It leaves the run records from
// which Undo deletes what the run created.
//
// A RunSession (RunSession.h) owns the Reorganizer the front ends use; they
// parse their own text into RunInputs and never call it directly.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "paths/PathText.h"
#include "paths/PathPlaces.h"
#include "reorganizer/LevelFiles.h"
#include "reorganizer/LevelTemplate.h"
#include "reorganizer/RunJournalWriter.h"
#include "reorganizer/RunRecords.h"
#include "reorganizer/RunResults.h"
#include "reorganizer/RunWorkers.h"

namespace ordovan {

class EventPump;
class RunSteps;
class FileSystem;
class Prompter;

// What a run is given when it starts, as typed values: each front end reads
// its own text (fields, arguments) into them.
struct RunInputs {
  TEXT_LIST include_entries;      // the Include list, in list order
  // The number of lead levels to cut; nullopt when the front end's text is no
  // whole number. The run then ends where it reads the cut (BadCutNumber),
  // after the checks that come before it, and the front end says why.
  std::optional<std::int32_t> cut = 0;
  TEXT_LIST new_level_order;      // the New Level Order's names, in list order
  // The template's LineNumberMap as it stands; the run reports it back with
  // the new order recorded.
  LINE_NUMBER_MAP line_number_map;
  std::string stored_destination;  // StoredDestination, exactly as stored
  bool with_files = false;         // "Paths/Subfolders with Files" enabled and selected
  // The hidden path filters: field texts, and whether each option is enabled
  // and selected (never, as long as the group stays hidden).
  std::string include_strings_text;
  std::string exclude_strings_text;
  bool include_strings_selected = false;
  bool exclude_strings_selected = false;
  // Called once per included path so the results window repaints. It must
  // not deliver user input: nothing else may start while a run goes.
  EventPump* pump = nullptr;
  // Called when the run shows the results window ("Show Visual Log" checked);
  // leave empty when it is unchecked.
  std::function<void()> show_results_window;
  // Where a Normal run journals what it creates and copies, so that Undo can
  // take it back after a restart; none when null. Any run that replaces the
  // records retires the journal of the last one with them.
  RunJournalWriter* journal = nullptr;
  // A Normal run whose journal cannot be begun ends before it changes
  // anything (JournalNotStarted); otherwise it goes on without one.
  bool journal_required = false;
  // How many copies of a Normal run are made at once: 1 (one at a time, on
  // the run's thread), more, or kAutomaticWorkers (chosen while the run
  // goes). Whatever the count, the run records the same.
  std::size_t workers = 1;
};

// The sets of path texts a run works with.
struct RunSets {
  PATH_SET ReportedExisting;        // recorded under DestinationExists in this run
  PATH_SET CountedAsCreated;        // Simulate: folders counted as created
  PATH_SET ProcessedDeeperFolders;  // new deeper folders whose files were handled
  PATH_SET SimulatedTargets;        // level-file targets counted; only SimulationView empties it
};

enum class RunOutcome {
  Completed,
  FilterRefused,     // a filter field had an odd number of quotes (message shown)
  NoDestination,     // StoredDestination blank or a drive root: nothing done
  BadCutNumber,      // the front end could read no cut number; it says so
  EmptyIncludeList,  // message R1 shown
  Stopped,           // the user stopped it; the records hold what it made
  DiskFull,          // a copy found the destination's disk full and the run stopped
                     // there; the records hold what it made
  // Refused before anything was made or recorded, by a rule a RunSession
  // was given:
  DestinationInsideSource,  // the destination is, or lies inside, an included path
  JournalNotStarted,        // the journal was required and could not be begun
};

// What a run reports back besides what it records into the results.
struct RunReport {
  RunOutcome outcome = RunOutcome::Completed;
  // The inputs' line numbers with the new order recorded, once the run got
  // that far; empty when it ended before.
  std::optional<LINE_NUMBER_MAP> line_number_map;
  // A Normal run that was to journal: the journal was not begun or not
  // written whole, so Undo can take the run back only while this program runs.
  bool journal_failed = false;
  // JournalNotStarted: why the journal could not be begun.
  JournalStart journal_start = JournalStart::Started;
  // DestinationInsideSource: the included path that holds the destination.
  std::string source_holding_destination;
  // How many files the run did not copy (a taken target aside), and the
  // first of them; DiskFull: the copy that found the disk full.
  std::size_t files_not_copied = 0;
  NotCopiedFile first_not_copied;
  NotCopiedFile disk_full_at;
};

// The one warning a run ends with when files were not copied, or when the
// disk filled up and stopped it; nullopt when there is nothing to tell.
// Both front ends show it as it is.
struct RunEndWarning {
  std::string text;
  const char* title;
};
std::optional<RunEndWarning> NotCopiedWarning(const RunReport& report);
inline constexpr const char* kNotCopiedTitle = "Ordovan.            Warning no: 140070.";
inline constexpr const char* kDiskFullTitle = "Ordovan.            Warning no: 140071.";

// Where the run put each included path, by its position in the Include list:
// its new full folder, or its new main folder when it has no deeper levels.
// Empty for a path the run gave no place (missing, unusable, left out by a
// filter, outside the destination, or not reached before a stop).
using RUN_PLACEMENTS = TEXT_LIST;

// Message R1.
inline constexpr const char* kIncludeListEmptyText = "The Include List is empty !\n";
inline constexpr const char* kIncludeListEmptyTitleNormal =
    "Ordovan.             Warning no: 140035.";
inline constexpr const char* kIncludeListEmptyTitleSimulate =
    "Ordovan.              Warning no: 140035.";

class Reorganizer {
 public:
  Reorganizer(FileSystem& fs, Prompter& prompter, RunResults& results);
  Reorganizer(const Reorganizer&) = delete;
  Reorganizer& operator=(const Reorganizer&) = delete;

  // The run, in either mode.
  RunReport RunReorganize(RunMode mode, const RunInputs& inputs);
  // "Organize": a Normal run.
  RunReport Organize(const RunInputs& inputs) { return RunReorganize(RunMode::Normal, inputs); }
  // "Simulation/View": a fresh SimulatedTargets, a Simulate run, and no run
  // records afterwards, so Undo has nothing to take back.
  RunReport SimulationView(const RunInputs& inputs);

  RunRecords& records() { return records_; }
  const RunRecords& records() const { return records_; }
  const RunSets& sets() const { return sets_; }
  // The last run's placements; each run replaces them once it has passed
  // its checks (with the records).
  const RUN_PLACEMENTS& placements() const { return placements_; }

 private:
  // The set-up of one run: the re-leveling and the parsed filters.
  struct RunSetup;

  // What the source reads ahead of the run's thread (a Normal run's).
  class ReadAhead;
  enum class FolderFound { kMade, kFound, kFailed };

  // Handles the included path at `index`; its place goes into placements_.
  void ProcessPath(RunMode mode, const RunInputs& inputs, const RunSetup& setup, std::size_t index,
                   ReadAhead* ahead);
  static bool PassesFilters(const RunInputs& inputs, const RunSetup& setup,
                            const TEXT_LIST& remaining_names, std::size_t template_size);
  void RecordExisting(const std::string& folder);
  // Records a result in decided order.
  void Record(ResultCategory category, const std::string& path);
  // Normal: makes `folder` and the folders missing above it, top-down from
  // the deepest one this run made or found, noting in CreatedFolders the
  // ones it made. kFound: it stood there (as a folder) already.
  FolderFound MakeFolderTracked(const std::string& folder);
  // Simulate: whether the folder is there (or was made or found by this run).
  bool ExistsNow(const std::string& folder);

  FileSystem& fs_;
  Prompter& prompter_;
  RunResults& results_;
  RunRecords records_;
  RUN_PLACEMENTS placements_;
  RunSets sets_;
  LEVEL_FOLDER_FILES level_folder_files_;
  LevelFilesContext files_;
  // Folders this run created or found present; the destination does not
  // change under the run, so asking the disk again would tell nothing new.
  PATH_SET known_folders_;
  PATH_SET made_folders_;  // ... of them, the ones this Normal run made
  RunSteps* steps_ = nullptr;  // this run's, while it runs
  RunJournalWriter* journal_ = nullptr;  // this run's, while it journals
};

}  // namespace ordovan
