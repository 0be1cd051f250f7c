#pragma once
// The run session: everything a run leaves behind and everything Undo needs,
// in one object for the program's (or the command's) lifetime: the results
// model, the run records with the placements, the reorganizer and the run
// journal. Its operations are the ones both front ends offer: restore from
// the journal, Organize, Simulation, Undo and Stop.
//
// The main window and ordovan-cli are front ends: each reads its own text
// (fields, arguments) into RunInputs and turns the outcomes into its own
// messages, buttons and exit codes. A rule of a run lives here, never in a
// front end, so the two cannot drift apart; where they are meant to differ,
// RunSessionOptions says how.

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "paths/PathText.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunJournalWriter.h"
#include "reorganizer/RunRecords.h"
#include "reorganizer/RunResults.h"

namespace ordovan {

class EventPump;
class FileSystem;
class Prompter;
struct RunJournalContents;

struct RunSessionOptions {
  // Where Organize journals its run and RestoreFromJournal reads; no journal
  // when empty.
  std::string journal_path;
  // Organize and Simulation refuse a destination that is, or lies inside, an
  // included path. Off, a run copies each old folder's files from its first
  // listing, so it never copies its own copies again.
  bool refuse_destination_inside_source = false;
  // Organize does not start when its journal cannot be begun. Off, it runs
  // without one and reports that Undo will not outlive the program.
  bool require_journal = false;
  // How many copies (Organize) and deletions (Undo) run at once: 1 (one at a
  // time), more, or kAutomaticWorkers (chosen while the command goes). What
  // a command records is the same whatever the count.
  std::size_t workers = 1;
};

enum class RestoreOutcome {
  NoJournal,    // nothing at the journal's place (or no journal kept)
  NotAJournal,  // someone's file is there: left alone, not read
  // The journal names a destination no run can have (a root, a control
  // character): refused, its records not taken; kept under another name.
  UnusableDestination,
  NothingMade,  // a journal of a run that made nothing (or never got its
                // header whole); the records stay
  Restored,     // the records are the journaled run's, for Undo
};

struct RestoreReport {
  RestoreOutcome outcome = RestoreOutcome::NoJournal;
  // Records of the journal that name places outside its destination; they
  // are set aside, and Undo never acts on them.
  TEXT_LIST set_aside;
  // UnusableDestination: the destination the journal names.
  std::string destination;
  // The journal could not be read to its end: the first line it could not
  // read (0 when it read whole), and how many folders and files Undo takes
  // back from the lines before it.
  std::size_t unreadable_line = 0;
  std::size_t acted_on = 0;
  // Where a damaged or refused journal is kept as it was; empty when it
  // could not be (the file is then left as it is, and no journal written).
  std::string kept_as;
};

struct UndoReport {
  UndoResult undo;
  // The journal could not be written anew (before the deleting, or to name
  // what is left), so only this program's records still know it all.
  bool journal_failed = false;
};

enum class StopOutcome {
  NothingRunning,  // no command runs: nothing to stop
  Stopping,        // the command ends at its next safe point and says so
};

class RunSession {
 public:
  RunSession(FileSystem& fs, Prompter& prompter, RunSessionOptions options = {});
  RunSession(const RunSession&) = delete;
  RunSession& operator=(const RunSession&) = delete;

  // The journal's place once it is known (the window learns its settings
  // directory after it was made). Not while a command runs.
  void SetJournalPath(const std::string& path);
  const std::string& journal_path() const { return options_.journal_path; }

  // Takes the records of the run the journal names, as they were when it
  // ended, so that Undo can take that run back (after the program was
  // closed, crashed or lost power). A copy the journal ends in the middle of
  // is settled by what is on the disk: a complete one is the run's, one cut
  // short is removed here and now. A journal that cannot be read to its
  // end gives what it names before the damage, is kept as it was under
  // another name and written anew in its place.
  RestoreReport RestoreFromJournal();

  // "Organize": a Normal run, journaled. `inputs.journal` is the session's.
  RunReport Organize(RunInputs inputs);
  // "Simulation/View": a Simulate run; afterwards Undo has nothing to take
  // back, and the journal of an earlier run is retired with its records.
  RunReport Simulation(RunInputs inputs);
  // "Undo": takes back the run the records describe, journaling what it
  // deletes. Afterwards the journal names what is left (a stopped Undo, or
  // one that could not delete everything), or is retired.
  UndoReport Undo(EventPump* pump);
  // Asks the running command to end at its next safe point. Safe to call
  // from another thread.
  StopOutcome Stop();

  RunResults& results() { return results_; }
  const RunResults& results() const { return results_; }
  RunRecords& records() { return reorganizer_.records(); }
  const RunRecords& records() const { return reorganizer_.records(); }
  const RUN_PLACEMENTS& placements() const { return reorganizer_.placements(); }

 private:
  class CommandPump;
  RunReport Run(RunMode mode, RunInputs inputs);
  // Copies the journal, as it is, to the first free kept name; that name,
  // or empty when no copy could be made.
  std::string KeepJournalCopy();
  // Removes the copies a crash cut short, and forgets the ones removed.
  void RemoveCutShortCopies(RunJournalContents* contents);

  FileSystem& fs_;
  Prompter& prompter_;
  RunSessionOptions options_;
  RunResults results_;
  Reorganizer reorganizer_;
  std::unique_ptr<RunJournalWriter> journal_;  // none without a journal path
  // The journal, when the records are what was read from it whole.
  std::optional<FileIdentity> journal_read_as_;
  std::atomic<bool> running_{false};
  std::atomic<bool> stop_requested_{false};
};

}  // namespace ordovan
