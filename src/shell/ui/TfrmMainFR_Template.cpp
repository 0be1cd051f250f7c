// The level template (Find, the New Level Order commands, the cut of lead
// levels), the files option and the destination directory (Browse and its
// history). The logic lives in reorganizer/LevelTemplate and
// reorganizer/Destination; these handlers read the controls, call it and
// write the controls back.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "platform/EventPump.h"
#include "platform/Prompter.h"
#include "reorganizer/Destination.h"
#include "reorganizer/LevelTemplate.h"
#include "uikit/Dialogs.h"
#include "shell/ui/ExitLineEdit.h"
#include "uikit/QtText.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {

namespace {

// The New Level Order.
const char kFirstCannotMoveUp[] =
    "You can not move the first SubFolder to move UpAction: You must Select another Subfolder";
const char kFirstCannotMoveUpTitle[] = "Ordovan.            Warning no: 140024.";
const char kNothingSelected[] =
    "No SubFolder was Selected\nAction: You must Select at least One Subfolder";
const char kNothingSelectedUpTitle[] = "Ordovan.            Warning no: 140025.";
const char kLastCannotMoveDown[] =
    "You can not move the last SubFolder to move DownAction: You must Select another Subfolder";
const char kLastCannotMoveDownTitle[] = "Ordovan.            Warning no: 140026.";
const char kNothingSelectedDownTitle[] = "Ordovan.            Warning no: 140027.";
const char kNewOrderEmptyForSelected[] =
    "The Exclude list is empty !\nAction : You must enter at least one FOLDER to the Include list "
    "to delete it.\n";
const char kNewOrderEmptyForSelectedTitle[] = "Ordovan.            Warning no: 140030.";
const char kDeleteSelectedQuestion[] =
    "Do you want to delete the selected item(s) from the Include list ?\nNote: You can delete "
    "ONLY from the IncLUDE list.\n";
const char kDeleteSelectedQuestionTitle[] = "Ordovan.            Warning no: 140029.";
const char kNewOrderEmptyForAll[] = "Empty List in the Exclude Window!\n";
const char kNewOrderEmptyForAllTitle[] = "Ordovan.            Warning no: 140031.";
const char kDeleteAllQuestion[] = "Do you want to delete all item(s) from the Exclude list ?";
const char kDeleteAllQuestionTitle[] = "Ordovan.            Warning no: 140032.";

// The destination.
const char kDestinationPickerTitle[] = "Select the Destination Directory.";

TEXT_LIST ComboEntries(const QComboBox& combo) {
  TEXT_LIST entries;
  entries.reserve(static_cast<std::size_t>(combo.count()));
  for (int i = 0; i < combo.count(); ++i) entries.push_back(FromQt(combo.itemText(i)));
  return entries;
}

}  // namespace

void TfrmMainFR::ConnectTemplateCommands() {
  connect(btnVol14FindShortestPath, &QPushButton::clicked, this,
          &TfrmMainFR::btnVol14FindShortestPathClick);
  connect(btnVol14SourceToDest, &QPushButton::clicked, this, &TfrmMainFR::btnVol14SourceToDestClick);
  connect(btnVol14DestinationUpOne, &QPushButton::clicked, this,
          &TfrmMainFR::btnVol14DestinationUpOneClick);
  connect(btnVol14DestinationDownOne, &QPushButton::clicked, this,
          &TfrmMainFR::btnVol14DestinationDownOneClick);
  connect(btnVol14DestinationDeleteSelected, &QPushButton::clicked, this,
          &TfrmMainFR::btnVol14DestinationDeleteSelectedClick);
  connect(btnVol14DestinationDeleteAll, &QPushButton::clicked, this,
          &TfrmMainFR::btnVol14DestinationDeleteAllClick);
  // Programmatic changes count too: Find and Clear Fields uncheck the switch,
  // and the number and "Cut" follow it.
  connect(chkVol14CutLeadFolders, &QCheckBox::toggled, this,
          &TfrmMainFR::chkVol14CutLeadFoldersClick);
  // "Cut" has no command of its own: pressing it takes the focus away from
  // the number, and leaving the number applies the cut.
  connect(edtVol14CutLeadFoldersNumber, &ExitLineEdit::exited, this,
          &TfrmMainFR::edtVol14CutLeadFoldersNumberExit);
  connect(rdoVol14ReorganizeWithFiles, &QRadioButton::toggled, this,
          &TfrmMainFR::rdoVol14ReorganizeWithFilesClick);
  connect(rdoVol14ReorganizeWithOutFiles, &QRadioButton::toggled, this,
          &TfrmMainFR::rdoVol14ReorganizeWithOutFilesClick);
  connect(btnVol14BrowseDestinationFolder, &QPushButton::clicked, this,
          &TfrmMainFR::btnVol14BrowseDestinationFolderClick);
  connect(cboVol14DestinationFolder, &QComboBox::activated, this,
          &TfrmMainFR::cboVol14DestinationFolderSelect);
  connect(cboVol14DestinationFolder, &QComboBox::editTextChanged, this,
          &TfrmMainFR::cboVol14DestinationFolderChange);
}

// ---- Find ---------------------------------------------------------------------

void TfrmMainFR::btnVol14FindShortestPathClick() {
  EntryList& include = IncludeList();
  if (include.empty()) return;

  const TemplateChoice choice = ChooseTemplatePath(include.entries());

  // The Include list in depth order, without entries that lack a drive and
  // without repeats; the hidden counter runs along while it refills.
  include.Clear();
  std::size_t count = 0;
  for (const std::string& entry : choice.entries) {
    include.Append(entry);
    lblVol14IncludeWindowLinesSum->setText(QString::number(++count));
    services_.pump->Pump();
  }

  if (const auto* failure = std::get_if<TemplateFailure>(&choice.outcome)) {
    if (*failure == TemplateFailure::TooShort && include.empty()) {
      // Every entry lacked a drive: the list is gone, so the page goes back
      // to its empty state (counters "0", Find off) before the message,
      // instead of offering Find on nothing.
      RefreshAfterListChange();
    }
    const TemplateFailureMessage message = MessageFor(*failure);
    services_.prompter->Warn(message.text, message.title);
    return;
  }

  const std::size_t template_index = std::get<std::size_t>(choice.outcome);
  LevelTemplate found = LevelTemplateOf(choice.entries[template_index]);

  lstVol14SubFoldersSource->list().Assign(found.TemplateNames);
  lstVol14SubFoldersDestination->list().Clear();
  RefreshAfterListChange();
  level_template_ = std::move(found);
  SetTemplateStage(2);

  edtVol14CutLeadFoldersNumber->setText("0");
  edtVol14CutLeadFoldersNumber->setEnabled(false);
  btnVol14CutLeadSubFolders->setEnabled(false);
  chkVol14CutLeadFolders->setChecked(false);
  chkVol14CutLeadFolders->setEnabled(CutSwitchAllowed(level_template_.TemplateLevelCount));
}

// ---- The New Level Order --------------------------------------------------------

void TfrmMainFR::btnVol14SourceToDestClick() {
  const EntryList& old_order = lstVol14SubFoldersSource->list();
  EntryList& new_order = lstVol14SubFoldersDestination->list();
  TEXT_LIST selected;
  for (std::size_t row : lstVol14SubFoldersSource->SelectedRows()) {
    if (row < old_order.size()) selected.push_back(old_order[row]);
  }
  for (const std::string& name : NamesToAppend(selected, new_order.entries())) {
    new_order.Append(name);
    services_.pump->Pump();
  }
  SetRunOptionsEnabled(false);
  if (new_order.size() == old_order.size()) SetRunOptionsEnabled(true);
  UpdateRunButtons();
}

void TfrmMainFR::MoveNewLevelOrderEntry(bool up) {
  EntryList& new_order = lstVol14SubFoldersDestination->list();
  const std::vector<std::size_t> rows = lstVol14SubFoldersDestination->SelectedRows();
  int selected = rows.empty() ? -1 : static_cast<int>(rows.front());
  TEXT_LIST order = new_order.entries();
  const LevelMove move = up ? MoveLevelUp(&order, &selected) : MoveLevelDown(&order, &selected);
  switch (move) {
    case LevelMove::Moved:
      new_order.Assign(order);
      lstVol14SubFoldersDestination->SelectRow(static_cast<std::size_t>(selected));
      break;
    case LevelMove::EmptyList:
      break;
    case LevelMove::AtEdge:
      if (up) {
        services_.prompter->Warn(kFirstCannotMoveUp, kFirstCannotMoveUpTitle);
      } else {
        services_.prompter->Warn(kLastCannotMoveDown, kLastCannotMoveDownTitle);
      }
      break;
    case LevelMove::NoSelection:
      services_.prompter->Warn(kNothingSelected,
                               up ? kNothingSelectedUpTitle : kNothingSelectedDownTitle);
      break;
  }
  UpdateRunButtons();
}

void TfrmMainFR::btnVol14DestinationUpOneClick() { MoveNewLevelOrderEntry(true); }

void TfrmMainFR::btnVol14DestinationDownOneClick() { MoveNewLevelOrderEntry(false); }

void TfrmMainFR::btnVol14DestinationDeleteSelectedClick() {
  EntryList& new_order = lstVol14SubFoldersDestination->list();
  if (new_order.empty()) {
    services_.prompter->Warn(kNewOrderEmptyForSelected, kNewOrderEmptyForSelectedTitle);
  } else if (services_.prompter->Ask(kDeleteSelectedQuestion, kDeleteSelectedQuestionTitle)) {
    const std::vector<std::size_t> rows = lstVol14SubFoldersDestination->SelectedRows();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
      new_order.RemoveAt(*it);
      services_.pump->Pump();
    }
  }
  UpdateRunButtons();
}

void TfrmMainFR::btnVol14DestinationDeleteAllClick() {
  EntryList& new_order = lstVol14SubFoldersDestination->list();
  if (new_order.empty()) {
    services_.prompter->Warn(kNewOrderEmptyForAll, kNewOrderEmptyForAllTitle);
  } else if (services_.prompter->Ask(kDeleteAllQuestion, kDeleteAllQuestionTitle)) {
    new_order.Clear();
    SetRunOptionsEnabled(false);
  }
  UpdateRunButtons();
}

// ---- Cutting lead levels ----------------------------------------------------------

void TfrmMainFR::chkVol14CutLeadFoldersClick() {
  const bool on = chkVol14CutLeadFolders->isEnabled() && chkVol14CutLeadFolders->isChecked();
  edtVol14CutLeadFoldersNumber->setEnabled(on);
  btnVol14CutLeadSubFolders->setEnabled(on);
}

void TfrmMainFR::edtVol14CutLeadFoldersNumberExit() {
  // The focus only parked elsewhere (another window became active, a menu
  // opened): the number is still being edited, so nothing is cut yet.
  if (focusWidget() == edtVol14CutLeadFoldersNumber) return;

  const std::string text = FromQt(edtVol14CutLeadFoldersNumber->text());
  const std::optional<std::int32_t> n = ParseCutNumber(text);
  if (!n) {
    services_.prompter->Warn(CutNumberNotANumberText(text), kCutNumberNotANumberTitle);
    return;
  }
  const auto cut = CutLeadLevels(level_template_.TemplateNames,
                                 level_template_.TemplateLevelCount, *n);
  if (const auto* rejection = std::get_if<CutRejection>(&cut)) {
    // The Old Level Order and LineNumberMap keep the last accepted cut.
    lstVol14SubFoldersDestination->list().Clear();
    edtVol14CutLeadFoldersNumber->setText("0");
    services_.prompter->Warn(
        CutRejectionText(*rejection, level_template_.TemplateLevelCount, *n), kCutTitle);
  } else {
    const TEXT_LIST& old_order = std::get<TEXT_LIST>(cut);
    lstVol14SubFoldersSource->list().Clear();
    lstVol14SubFoldersDestination->list().Clear();
    lstVol14SubFoldersSource->list().Assign(old_order);
    level_template_.LineNumberMap = LineNumbersFor(old_order);
  }
  UpdateRunButtons();
}

// ---- Files option -------------------------------------------------------------------

void TfrmMainFR::rdoVol14ReorganizeWithFilesClick() { ShowFilesOptionInResults(); }

void TfrmMainFR::rdoVol14ReorganizeWithOutFilesClick() { ShowFilesOptionInResults(); }

void TfrmMainFR::ShowFilesOptionInResults() {
  if (!ShowResultsFilesControls) return;  // the results window does not exist yet
  if (rdoVol14ReorganizeWithFiles->isEnabled() && rdoVol14ReorganizeWithFiles->isChecked()) {
    ShowResultsFilesControls(true);
  } else if (rdoVol14ReorganizeWithOutFiles->isEnabled() &&
             rdoVol14ReorganizeWithOutFiles->isChecked()) {
    ShowResultsFilesControls(false);
  }
}

// ---- Destination directory ------------------------------------------------------------

void TfrmMainFR::btnVol14BrowseDestinationFolderClick() {
  // Whatever the check below says, a run uses what the picker returned; the
  // run itself refuses a blank or a drive root.
  StoredDestination.clear();
  StoredDestination = services_.dialogs->BrowseForFolder(this, kDestinationPickerTitle);
  AcceptDestinationText(StoredDestination);
}

void TfrmMainFR::cboVol14DestinationFolderSelect() {
  // Picking from the history never changes what a run uses.
  AcceptDestinationText(FromQt(cboVol14DestinationFolder->currentText()));
}

// The destination text decides the run buttons as it is typed.
void TfrmMainFR::cboVol14DestinationFolderChange() { UpdateRunButtons(); }

void TfrmMainFR::AcceptDestinationText(const std::string& path) {
  const DestinationAcceptance accepted =
      AcceptDestination(path, ComboEntries(*cboVol14DestinationFolder));
  switch (accepted.outcome) {
    case DestinationOutcome::Empty:
      UpdateRunButtons();
      services_.prompter->Warn(kDestinationEmptyText, kDestinationTitle);
      cboVol14DestinationFolder->setFocus();
      break;
    case DestinationOutcome::Root:
      cboVol14DestinationFolder->setEditText(QString());
      UpdateRunButtons();
      services_.prompter->Warn(kDestinationRootText, kDestinationTitle);
      cboVol14DestinationFolder->setFocus();
      break;
    case DestinationOutcome::Accepted: {
      if (accepted.history != ComboEntries(*cboVol14DestinationFolder)) {
        QStringList items;
        items.reserve(static_cast<qsizetype>(accepted.history.size()));
        for (const std::string& entry : accepted.history) items.append(ToQt(entry));
        cboVol14DestinationFolder->clear();
        cboVol14DestinationFolder->addItems(items);
      }
      cboVol14DestinationFolder->setCurrentIndex(accepted.selected);
      // An entry already selected keeps the edited text otherwise.
      cboVol14DestinationFolder->setEditText(cboVol14DestinationFolder->itemText(accepted.selected));
      UpdateRunButtons();
      break;
    }
  }
}

}  // namespace ordovan
