// The run commands of the main window: "Organize", "Simulation/View" and
// "Undo". The handlers read the page into the run's inputs and let the
// reorganizer or the undo log do the work; every message they show comes from
// there. The run records live here from one run to the next.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "paths/EntryList.h"
#include "paths/ui/EntryListView.h"
#include "platform/Prompter.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunResults.h"
#include "shell/ui/ExitLineEdit.h"
#include "shell/ui/ResultsWindowLink.h"
#include "shell/ui/TfrmMainFR.h"
#include "uikit/QtText.h"

namespace ordovan {

struct TfrmMainFR::RunState {
  RunState(FileSystem& fs, Prompter& prompter, RunResults& results)
      : reorganizer(fs, prompter, results) {}

  Reorganizer reorganizer;
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
}  // namespace

void TfrmMainFR::ConnectRunCommands() {
  run_.reset(new RunState(*services_.file_system, *services_.prompter, run_results_));
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

void TfrmMainFR::btnVol14RestructureClick() {
  KeepRunReport(run_->reorganizer.Organize(ReadRunInputs()));
}

void TfrmMainFR::btnVol14SimulationClick() {
  RunButtonsOff off(btnVol14Simulation, btnVol14Restructure);
  KeepRunReport(run_->reorganizer.SimulationView(ReadRunInputs()));
}

void TfrmMainFR::btnVol14UndoClick() {
  Prompter& prompter = *services_.prompter;
  const UndoResult result = UndoLastRun(run_->reorganizer.records(), *services_.file_system,
                                        prompter, run_results_);
  switch (result.outcome) {
    case UndoOutcome::NothingToUndo:
      prompter.Warn(kNothingToUndoText, kNothingToUndoTitle);
      break;
    case UndoOutcome::Declined:
      break;
    case UndoOutcome::Done:
      if (!result.report.empty()) prompter.Warn(result.report, kUndoReportTitle);
      prompter.Inform(kUndoEndText, kUndoEndTitle);
      break;
  }
}

}  // namespace ordovan
