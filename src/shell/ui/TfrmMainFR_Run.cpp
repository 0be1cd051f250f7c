// The run commands of the main window: "Organize", "Simulation/View" and
// "Undo". The handlers read the page into the run's inputs and let the
// reorganizer or the undo log do the work; every message they show comes from
// there. The run records live here from one run to the next, and in the run
// journal beside the settings file from one start of the program to the next.
// While a command runs, a Stop control (and Escape) can end it at its next
// safe point.

#include <QCheckBox>
#include <optional>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "platform/Prompter.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunJournal.h"
#include "reorganizer/RunResults.h"
#include "shell/SettingsStore.h"
#include "shell/ui/ExitLineEdit.h"
#include "shell/ui/ResultsWindowLink.h"
#include "shell/ui/TfrmMainFR.h"
#include "uikit/StopInput.h"
#include "uikit/QtText.h"

namespace ordovan {

struct TfrmMainFR::RunState {
  RunState(FileSystem& fs, Prompter& prompter, RunResults& results, std::string journal_path)
      : reorganizer(fs, prompter, results), journal(fs, std::move(journal_path)) {}

  Reorganizer reorganizer;
  RunJournalWriter journal;
};

void TfrmMainFR::RunStateDeleter::operator()(RunState* state) const { delete state; }

namespace {
// Keeps both run buttons off while a simulation runs, and turns them on again
// however the run ends.
class RunButtonsOff {
 public:
  RunButtonsOff(QPushButton* simulation, QPushButton* organize)
      : simulation_(simulation), organize_(organize) {
    simulation_->setEnabled(false);
    organize_->setEnabled(false);
  }
  ~RunButtonsOff() {
    simulation_->setEnabled(true);
    organize_->setEnabled(true);
  }
  RunButtonsOff(const RunButtonsOff&) = delete;
  RunButtonsOff& operator=(const RunButtonsOff&) = delete;

 private:
  QPushButton* simulation_;
  QPushButton* organize_;
};

bool EnabledAndChecked(const QRadioButton* option) {
  return option->isEnabled() && option->isChecked();
}

// Shows the Stop controls while a long command runs, the main window's and
// the results window's (which the run may show over the main window); the
// windows' pump then lets their clicks and Escape through, and no other input.
class StopControlShown {
 public:
  StopControlShown(StopInput* input, QWidget* stop, ResultsWindowLink* results) {
    stops_ = {stop, results ? results->StopControl() : nullptr};
    std::erase(stops_, nullptr);
    for (QWidget* control : stops_) {
      control->setVisible(true);
      control->setEnabled(true);
    }
    section_.emplace(input, stops_);
  }
  ~StopControlShown() {
    section_.reset();
    for (QWidget* control : stops_) control->setVisible(false);
  }
  StopControlShown(const StopControlShown&) = delete;
  StopControlShown& operator=(const StopControlShown&) = delete;

 private:
  std::vector<QWidget*> stops_;
  std::optional<StoppableSection> section_;
};

const char kNormalStoppedCaption[] = "Folder/File Copy Process. Stopped by the user.";
const char kSimulateStoppedCaption[] = "Simulate the Folder/File Copy Process. Stopped by the user.";

std::string JournalFailedText(const std::string& path) {
  return "The run journal " + path +
         " could not be written.\nUndo can take this run back only until the program ends.";
}
const char kJournalFailedTitle[] = "Ordovan.            Warning no: 140061.";
}  // namespace

void TfrmMainFR::ConnectRunCommands() {
  // The journal lives beside the settings file of this start.
  run_.reset(new RunState(*services_.file_system, *services_.prompter, run_results_,
                          RunJournalPath(services_.settings->SettingsDirectory())));
  RestoreRunJournal();
  connect(btnVol14Restructure, &QPushButton::clicked, this, &TfrmMainFR::btnVol14RestructureClick);
  connect(btnVol14Simulation, &QPushButton::clicked, this, &TfrmMainFR::btnVol14SimulationClick);
  connect(btnVol14Undo, &QPushButton::clicked, this, &TfrmMainFR::btnVol14UndoClick);
}

RunRecords& TfrmMainFR::Records() { return run_->reorganizer.records(); }

RunInputs TfrmMainFR::ReadRunInputs() {
  RunInputs inputs;
  inputs.include_entries = IncludeList().entries();
  inputs.cut_number_text = FromQt(edtVol14CutLeadFoldersNumber->text());
  inputs.new_level_order = lstVol14SubFoldersDestination->list().entries();
  inputs.line_number_map = level_template_.LineNumberMap;
  inputs.stored_destination = StoredDestination;
  inputs.with_files = EnabledAndChecked(rdoVol14ReorganizeWithFiles);
  inputs.include_strings_text = FromQt(edtVol14IncludeSelected->text());
  inputs.exclude_strings_text = FromQt(edtVol14ExcludeSelected->text());
  inputs.include_strings_selected = EnabledAndChecked(rdoVol14IncludeSelected);
  inputs.exclude_strings_selected = EnabledAndChecked(rdoVol14ExcludeSelected);
  inputs.pump = services_.pump;
  // "Show Visual Log" is read when the run comes to show the window, after
  // it has emptied the lists; a run that ends before that shows nothing.
  inputs.show_results_window = [this] {
    if (chkVol14ShowVisualLog->isChecked() && results_) results_->ShowResultsWindow();
  };
  return inputs;
}

void TfrmMainFR::KeepRunReport(RunReport report) {
  // The run recorded the new level order into the template's line numbers.
  if (report.line_number_map) level_template_.LineNumberMap = std::move(*report.line_number_map);
}

void TfrmMainFR::RestoreRunJournal() {
  FileSystem& fs = *services_.file_system;
  JournalReadResult read = ReadRunJournal(fs, run_->journal.path());
  if (read.status == JournalReadStatus::NotAJournal) {
    services_.prompter->Warn(NotAJournalText(run_->journal.path()), kNotAJournalTitle);
    return;
  }
  if (read.status != JournalReadStatus::Read) return;
  SettlePendingCopy(fs, &read.contents);
  RunRecords restored = RecordsFromJournal(read.contents);
  if (restored.CreatedFolders.empty() && restored.CreatedMainFolders.empty() &&
      restored.CreatedSubFolders.empty() && restored.CopiedFiles.empty()) {
    return;  // nothing was made: nothing for Undo
  }
  // Undo is there for it as right after that run.
  Records() = std::move(restored);
  btnVol14Undo->setEnabled(true);
}

void TfrmMainFR::WarnWhenJournalFailed() {
  if (run_->journal.failed()) {
    services_.prompter->Warn(JournalFailedText(run_->journal.path()), kJournalFailedTitle);
  }
}

void TfrmMainFR::btnVol14RestructureClick() {
  RunInputs inputs = ReadRunInputs();
  inputs.journal = &run_->journal;
  RunReport report;
  {
    StopControlShown stop(services_.stop_input, btnVol14Stop, results_);
    report = run_->reorganizer.Organize(inputs);
  }
  if (report.outcome == RunOutcome::Stopped && results_) {
    results_->SetModeCaption(kNormalStoppedCaption);
  }
  WarnWhenJournalFailed();
  KeepRunReport(std::move(report));
}

void TfrmMainFR::btnVol14SimulationClick() {
  RunButtonsOff off(btnVol14Simulation, btnVol14Restructure);
  RunInputs inputs = ReadRunInputs();
  inputs.journal = &run_->journal;  // the records it replaces take their journal along
  RunReport report;
  {
    StopControlShown stop(services_.stop_input, btnVol14Stop, results_);
    report = run_->reorganizer.SimulationView(inputs);
  }
  if (report.outcome == RunOutcome::Stopped && results_) {
    results_->SetModeCaption(kSimulateStoppedCaption);
  }
  KeepRunReport(std::move(report));
}

void TfrmMainFR::btnVol14UndoClick() {
  Prompter& prompter = *services_.prompter;
  UndoResult result;
  {
    StopControlShown stop(services_.stop_input, btnVol14Stop, results_);
    result = UndoLastRun(run_->reorganizer.records(), *services_.file_system, prompter,
                         run_results_, services_.pump);
  }
  switch (result.outcome) {
    case UndoOutcome::NothingToUndo:
      prompter.Warn(kNothingToUndoText, kNothingToUndoTitle);
      break;
    case UndoOutcome::Declined:
      break;
    case UndoOutcome::Done:
      // Nothing is left for an Undo after a restart either.
      run_->journal.Retire();
      if (!result.report.empty()) prompter.Warn(result.report, kUndoReportTitle);
      prompter.Inform(kUndoEndText, kUndoEndTitle);
      break;
    case UndoOutcome::Stopped:
      // The journal names what is left, as the records do.
      run_->journal.Rewrite(run_->reorganizer.records());
      if (!result.report.empty()) prompter.Warn(result.report, kUndoReportTitle);
      prompter.Inform(kUndoStoppedText, kUndoEndTitle);
      WarnWhenJournalFailed();
      break;
  }
}

}  // namespace ordovan
