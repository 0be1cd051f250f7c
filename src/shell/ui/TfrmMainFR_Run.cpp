// The run commands of the main window: "Organize", "Simulation/View" and
// "Undo", over the run session. The handlers read the page into the run's
// inputs, let the session do the work, and turn its outcomes into messages
// and buttons. The session keeps the run records from one run to the next,
// and its journal beside the settings file from one start of the program to
// the next. While a command runs, a Stop control (and Escape) can end it at
// its next safe point.

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
#include "reorganizer/LevelTemplate.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunJournalFormat.h"
#include "reorganizer/RunResults.h"
#include "reorganizer/RunSession.h"
#include "settings/SettingsStore.h"
#include "shell/ui/ExitLineEdit.h"
#include "shell/ui/ResultsWindowLink.h"
#include "shell/ui/TfrmMainFR.h"
#include "uikit/StopInput.h"
#include "uikit/QtText.h"

namespace ordovan {

void TfrmMainFR::RunSessionDeleter::operator()(RunSession* session) const { delete session; }

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
const char kDiskFullCaption[] = "Folder/File Copy Process. Stopped: the destination disk is full.";
const char kSimulateStoppedCaption[] = "Simulate the Folder/File Copy Process. Stopped by the user.";

std::string JournalFailedText(const std::string& path) {
  return "The run journal " + path +
         " could not be written.\nUndo can take this run back only until the program ends.";
}
const char kJournalFailedTitle[] = "Ordovan.            Warning no: 140061.";

// The journal's records that Undo sets aside, at most this many by name.
constexpr std::size_t kSetAsideShown = 10;
std::string SetAsideText(const std::string& path, const TEXT_LIST& set_aside) {
  std::string text = "The run journal " + path +
                     " names places outside the run's destination.\nUndo leaves them alone:\n";
  for (std::size_t i = 0; i < set_aside.size() && i < kSetAsideShown; ++i) {
    text += set_aside[i] + "\n";
  }
  if (set_aside.size() > kSetAsideShown) {
    text += "... and " + std::to_string(set_aside.size() - kSetAsideShown) + " more.\n";
  }
  return text;
}
const char kSetAsideTitle[] = "Ordovan.            Warning no: 140062.";
}  // namespace

void TfrmMainFR::CreateRunSession() {
  // How many copies at once is the run's own choice: one on a local disk,
  // several on a file server.
  RunSessionOptions options;
  options.workers = kAutomaticWorkers;
  session_.reset(new RunSession(*services_.file_system, *services_.prompter, options));
}

void TfrmMainFR::ConnectRunCommands() {
  // The journal lives beside the settings file of this start.
  session_->SetJournalPath(RunJournalPath(services_.settings->SettingsDirectory()));
  RestoreRunJournal();
  connect(btnVol14Restructure, &QPushButton::clicked, this, &TfrmMainFR::btnVol14RestructureClick);
  connect(btnVol14Simulation, &QPushButton::clicked, this, &TfrmMainFR::btnVol14SimulationClick);
  connect(btnVol14Undo, &QPushButton::clicked, this, &TfrmMainFR::btnVol14UndoClick);
  connect(btnVol14Stop, &QPushButton::clicked, this, [this] { session_->Stop(); });
}

RunRecords& TfrmMainFR::Records() { return session_->records(); }

RunResults& TfrmMainFR::Results() { return session_->results(); }

RunInputs TfrmMainFR::ReadRunInputs() {
  RunInputs inputs;
  inputs.include_entries = IncludeList().entries();
  // A text that is no whole number ends the run where it reads the cut.
  inputs.cut = ParseCutNumber(FromQt(edtVol14CutLeadFoldersNumber->text()));
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

void TfrmMainFR::KeepRunReport(RunReport report, const char* stopped_caption) {
  if (report.outcome == RunOutcome::BadCutNumber) {
    const std::string text = FromQt(edtVol14CutLeadFoldersNumber->text());
    services_.prompter->Warn(CutNumberNotANumberText(text), kCutNumberNotANumberTitle);
  }
  if (report.outcome == RunOutcome::Stopped && results_) results_->SetModeCaption(stopped_caption);
  if (report.outcome == RunOutcome::DiskFull && results_) results_->SetModeCaption(kDiskFullCaption);
  if (const std::optional<RunEndWarning> warning = NotCopiedWarning(report)) {
    services_.prompter->Warn(warning->text, warning->title);
  }
  if (report.journal_failed) WarnJournalFailed();
  // The run recorded the new level order into the template's line numbers.
  if (report.line_number_map) level_template_.LineNumberMap = std::move(*report.line_number_map);
}

void TfrmMainFR::RestoreRunJournal() {
  const RestoreReport restored = session_->RestoreFromJournal();
  if (restored.outcome == RestoreOutcome::NotAJournal) {
    services_.prompter->Warn(NotAJournalText(session_->journal_path()), kNotAJournalTitle);
    return;
  }
  if (restored.outcome == RestoreOutcome::UnusableDestination) {
    services_.prompter->Warn(
        UnusableJournalText(session_->journal_path(), restored.destination, restored.kept_as),
        kUnusableJournalTitle);
    return;
  }
  if (restored.unreadable_line != 0) {
    services_.prompter->Warn(DamagedJournalText(session_->journal_path(), restored.unreadable_line,
                                                restored.acted_on, restored.kept_as),
                             kDamagedJournalTitle);
  }
  if (!restored.set_aside.empty()) {
    services_.prompter->Warn(SetAsideText(session_->journal_path(), restored.set_aside),
                             kSetAsideTitle);
  }
  // Undo is there for it as right after that run.
  if (restored.outcome == RestoreOutcome::Restored) btnVol14Undo->setEnabled(true);
}

void TfrmMainFR::WarnJournalFailed() {
  services_.prompter->Warn(JournalFailedText(session_->journal_path()), kJournalFailedTitle);
}

void TfrmMainFR::btnVol14RestructureClick() {
  const RunInputs inputs = ReadRunInputs();
  RunReport report;
  {
    StopControlShown stop(services_.stop_input, btnVol14Stop, results_);
    report = session_->Organize(inputs);
  }
  KeepRunReport(std::move(report), kNormalStoppedCaption);
}

void TfrmMainFR::btnVol14SimulationClick() {
  RunButtonsOff off(btnVol14Simulation, btnVol14Restructure);
  const RunInputs inputs = ReadRunInputs();
  RunReport report;
  {
    StopControlShown stop(services_.stop_input, btnVol14Stop, results_);
    report = session_->Simulation(inputs);
  }
  KeepRunReport(std::move(report), kSimulateStoppedCaption);
}

void TfrmMainFR::btnVol14UndoClick() {
  Prompter& prompter = *services_.prompter;
  UndoReport undone;
  {
    StopControlShown stop(services_.stop_input, btnVol14Stop, results_);
    undone = session_->Undo(services_.pump);
  }
  const UndoResult& result = undone.undo;
  switch (result.outcome) {
    case UndoOutcome::NothingToUndo:
      prompter.Warn(kNothingToUndoText, kNothingToUndoTitle);
      break;
    case UndoOutcome::Declined:
      break;
    case UndoOutcome::Done:
      if (!result.report.empty()) prompter.Warn(result.report, kUndoReportTitle);
      if (result.kept_for_next_undo) prompter.Inform(kKeptForUndoText, kKeptForUndoTitle);
      prompter.Inform(kUndoEndText, kUndoEndTitle);
      if (undone.journal_failed) WarnJournalFailed();
      break;
    case UndoOutcome::Stopped:
      if (!result.report.empty()) prompter.Warn(result.report, kUndoReportTitle);
      prompter.Inform(kUndoStoppedText, kUndoEndTitle);
      if (undone.journal_failed) WarnJournalFailed();
      break;
  }
}

}  // namespace ordovan
