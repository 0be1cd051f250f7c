#include "reorganizer/RunSession.h"

#include "paths/PathPlaces.h"
#include "paths/PathText.h"
#include "platform/EventPump.h"
#include "platform/PathServices.h"
#include "reorganizer/Destination.h"
#include "reorganizer/RunJournalReader.h"

namespace ordovan {

// The front end's pump for one command, with the session's own Stop.
class RunSession::CommandPump : public EventPump {
 public:
  CommandPump(RunSession& session, EventPump* front_end) : session_(session), front_end_(front_end) {
    session_.stop_requested_ = false;
    session_.running_ = true;
  }
  ~CommandPump() override {
    session_.running_ = false;
    session_.stop_requested_ = false;
  }
  CommandPump(const CommandPump&) = delete;
  CommandPump& operator=(const CommandPump&) = delete;

  void Pump() override {
    if (front_end_) front_end_->Pump();
  }
  bool StopRequested() const override {
    return session_.stop_requested_ || (front_end_ && front_end_->StopRequested());
  }

 private:
  RunSession& session_;
  EventPump* front_end_;
};

RunSession::RunSession(FileSystem& fs, Prompter& prompter, RunSessionOptions options)
    : fs_(fs), prompter_(prompter), options_(std::move(options)), reorganizer_(fs, prompter, results_) {
  SetJournalPath(options_.journal_path);
}

void RunSession::SetJournalPath(const std::string& path) {
  options_.journal_path = path;
  journal_ = path.empty() ? nullptr : std::make_unique<RunJournalWriter>(fs_, path);
}

std::string RunSession::KeepJournalCopy() {
  constexpr int kKeptNames = 100;
  for (int n = 1; n <= kKeptNames; ++n) {
    const std::string kept = KeptJournalPath(journal_->path(), n);
    if (fs_.CopyFileNoOverwrite(journal_->path(), kept)) return kept;
    if (!fs_.IsFile(kept) && !fs_.IsFolder(kept)) break;  // not taken: the copy failed
  }
  return {};
}

void RunSession::RemoveCutShortCopies(RunJournalContents* contents) {
  // No file is left half-copied once the journal is read again. Each is
  // still the very file judged (its identity), and it goes even when it
  // carries its source's read-only bit: it is no copy anyone could want.
  std::erase_if(contents->copied_files, [this](const JournalCopiedFile& copy) {
    if (!copy.cut_short) return false;
    const std::string folder = ParentFolderOf(copy.path);
    std::vector<CopyToRemove> partial{{copy.path.substr(folder.size() + 1), copy.identity}};
    fs_.RemoveCopies(folder, &partial, nullptr);
    if (partial[0].outcome == CopyRemoval::kRefused && fs_.SetReadOnly(copy.path, false)) {
      return fs_.RemoveFile(copy.path);
    }
    return partial[0].outcome == CopyRemoval::kRemoved;
  });
}

RestoreReport RunSession::RestoreFromJournal() {
  RestoreReport report;
  if (!journal_) return report;
  JournalReadResult read = ReadRunJournal(fs_, journal_->path());
  switch (read.status) {
    case JournalReadStatus::NoJournal:
      return report;
    case JournalReadStatus::NotAJournal:
      report.outcome = RestoreOutcome::NotAJournal;
      return report;
    case JournalReadStatus::Unfinished:
      // A run that ended before its journal had a header made nothing.
      report.outcome = RestoreOutcome::NothingMade;
      return report;
    case JournalReadStatus::Read:
      break;
  }
  RunJournalContents& contents = read.contents;
  if (!contents.destination.empty() && !DestinationAllowsRun(contents.destination)) {
    // No run wrote that: Undo would act on a root or elsewhere.
    report.outcome = RestoreOutcome::UnusableDestination;
    report.destination = contents.destination;
    report.kept_as = KeepJournalCopy();
    if (report.kept_as.empty()) {
      journal_->LeaveAsItIs();
    } else {
      journal_->Retire();
    }
    return report;
  }
  // Undo may go on writing a journal that holds exactly the records.
  const bool exact = read.whole_as && contents.pending_copies.empty() &&
                     contents.outside_destination.empty();
  SettlePendingCopies(fs_, &contents);
  RemoveCutShortCopies(&contents);
  report.set_aside = std::move(contents.outside_destination);
  const bool cut_off = contents.cut_off;
  report.unreadable_line = contents.unreadable_line;
  RunRecords restored = RecordsFromJournal(std::move(contents));
  if (cut_off) {
    report.acted_on = restored.CreatedFolders.size() + restored.CopiedFiles.size();
    report.kept_as = KeepJournalCopy();
    // In its place the readable part, so no later start finds it damaged.
    if (report.kept_as.empty()) {
      journal_->LeaveAsItIs();
    } else if (RecordsMadeSomething(restored)) {
      journal_->Rewrite(restored);
    } else {
      journal_->Retire();
    }
  }
  if (!RecordsMadeSomething(restored)) {
    report.outcome = RestoreOutcome::NothingMade;
    return report;
  }
  records() = std::move(restored);
  if (exact) journal_read_as_ = read.whole_as;
  report.outcome = RestoreOutcome::Restored;
  return report;
}

RunReport RunSession::Organize(RunInputs inputs) { return Run(RunMode::Normal, std::move(inputs)); }

RunReport RunSession::Simulation(RunInputs inputs) {
  return Run(RunMode::Simulate, std::move(inputs));
}

RunReport RunSession::Run(RunMode mode, RunInputs inputs) {
  if (options_.refuse_destination_inside_source && DestinationAllowsRun(inputs.stored_destination)) {
    // The new folders would land in a tree the run reads.
    for (const std::string& source : inputs.include_entries) {
      if (SameEntry(inputs.stored_destination, source) ||
          LiesBelow(inputs.stored_destination, source)) {
        RunReport refused;
        refused.outcome = RunOutcome::DestinationInsideSource;
        refused.source_holding_destination = source;
        return refused;
      }
    }
  }
  journal_read_as_.reset();
  inputs.journal = journal_.get();
  inputs.journal_required = options_.require_journal;
  inputs.workers = options_.workers;
  CommandPump pump(*this, inputs.pump);
  inputs.pump = &pump;
  return mode == RunMode::Normal ? reorganizer_.Organize(inputs)
                                 : reorganizer_.SimulationView(inputs);
}

UndoReport RunSession::Undo(EventPump* front_end_pump) {
  UndoReport report;
  {
    CommandPump pump(*this, front_end_pump);
    if (journal_ && journal_read_as_) journal_->MayContinue(*journal_read_as_);
    report.undo =
        UndoLastRun(records(), fs_, prompter_, results_, &pump, journal_.get(), options_.workers);
  }
  report.journal_failed = report.undo.journal_failed;
  if (!journal_) return report;
  switch (report.undo.outcome) {
    case UndoOutcome::Done:
    case UndoOutcome::Stopped:
      journal_read_as_.reset();
      // The journal names what is left, as the records do; with nothing
      // left, nothing is left for an Undo after a restart either.
      if (RecordsMadeSomething(records())) {
        if (!journal_->Rewrite(records())) report.journal_failed = true;
      } else {
        journal_->Retire();
      }
      break;
    case UndoOutcome::NothingToUndo:
    case UndoOutcome::Declined:
      break;
  }
  return report;
}

StopOutcome RunSession::Stop() {
  if (!running_) return StopOutcome::NothingRunning;
  stop_requested_ = true;
  return StopOutcome::Stopping;
}

}  // namespace ordovan
