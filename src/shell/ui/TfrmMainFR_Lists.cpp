// The Include/Exclude list pair: moves, manual entry, the take-overs from the
// dialogs, the zoom, deletions, and the refresh that follows every change.

#include <QLabel>
#include <QPushButton>

#include "paths/EntryList.h"
#include "paths/IncludeExclude.h"
#include "uikit/EntryListView.h"
#include "paths/ui/TfrmZoomIncludeWindow.h"
#include "platform/EventPump.h"
#include "platform/Prompter.h"
#include "uikit/Dialogs.h"
#include "shell/ui/ResultsWindowLink.h"
#include "uikit/Shell.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {

namespace {

const char kAddFolderTitle[] = "Select the Folder.";

const char kListBuilderEmpty[] = "Empty Result List in the Subfolder List Window!\n";
const char kListBuilderEmptyTitle[] = "Ordovan.            Warning no: 140004.";
const char kListBuilderEndTitle[] = "Ordovan        rning no: 140007.";
const char kImportEmpty[] = "Empty Result List in the File Import Window!\n";
const char kImportEmptyTitle[] = "Ordovan.            Warning no: 140008.";
const char kImportEndTitle[] = "Ordovan        rning no: 140011.";
const char kTakeOverEnd[] = "End of the Import Process !!!\n";

const char kSelectionEmpty[] = "The selection field is empty !!!";
const char kSelectionEmptyTitle[] = "Ordovan.            Warning no: 140013.";
const char kInInclude[] = "This folder exists in the INCLUDE FOLDER LIST !!!";
const char kInIncludeTitle[] = "Ordovan.            Warning no: 140014.";
const char kTooShort[] =
    "This path is too short, so it can not be reorganized !!!\n\n"
    " You must select path with one subfolder at least";
const char kTooShortTitle[] = "Ordovan.            Warning no: 140015.";
const char kInExclude[] = "This folder exists in the EXCLUDE FOLDER LIST !!!";
const char kInExcludeTitle[] = "Ordovan.            Warning no: 140016.";

const char kNothingSelected[] =
    "There is no selected Folder Structure !\n"
    "Action : You must select a Folder with subfolder structure.";
const char kNothingSelectedTitle[] = "Ordovan.            Warning no: 140018.";
const char kIncludeEmpty[] = "The Include List is empty !\n";
const char kIncludeEmptyTitle[] = "Ordovan.             Warning no: 140019.";

const char kDeleteSelectedQuestion[] =
    "Do you want to delete the selected item(s) from the Exclude list ?\n"
    "Note: You can delete ONLY from the EXCLUDE list.\n";
const char kDeleteSelectedQuestionTitle[] = "Ordovan.            Warning no: 140020.";
const char kExcludeEmpty[] =
    "The EXCLUDE list is empty !\n"
    "Action : You must enter at least one FOLDER to the EXCLUDE list to delete it.\n";
const char kExcludeEmptyTitle[] = "Ordovan.            Warning no: 140021.";
const char kExcludeEmptyForAll[] = "Empty List in the Exclude Window!\n";
const char kExcludeEmptyForAllTitle[] = "Ordovan.            Warning no: 140022.";
const char kDeleteAllQuestion[] = "Do you want to delete all item(s) from the Exclude list ?";
const char kDeleteAllQuestionTitle[] = "Ordovan.            Warning no: 140023.";

}  // namespace

void TfrmMainFR::SetZoomIncludeWindow(TfrmZoomIncludeWindow* zoom) { zoom_include_ = zoom; }

EntryList& TfrmMainFR::IncludeList() { return lstVol14IncludeWindowFolderList->list(); }
EntryList& TfrmMainFR::ExcludeList() { return lstVol14ExcludeWindowFolderList->list(); }

void TfrmMainFR::ConnectListCommands() {
  connect(btnVol14IncToExc, &QPushButton::clicked, this, &TfrmMainFR::MoveSelectedToExclude);
  connect(btnVol14ExcToInc, &QPushButton::clicked, this, &TfrmMainFR::MoveSelectedToInclude);
  connect(btnVol14AllFromInc, &QPushButton::clicked, this, &TfrmMainFR::MoveAllToExclude);
  connect(btnVol14AllFromExc, &QPushButton::clicked, this, &TfrmMainFR::MoveAllToInclude);
  connect(btnVol14IncExcExchange, &QPushButton::clicked, this,
          &TfrmMainFR::ExchangeIncludeExclude);
  connect(btnVol14IncludeWindowAddFolderToList, &QPushButton::clicked, this,
          &TfrmMainFR::AddFolderPath);
  connect(btnVol14IncludeWindowViewSelected, &QPushButton::clicked, this,
          &TfrmMainFR::ViewCurrentEntry);
  connect(btnVol14IncludeWindowZoom, &QPushButton::clicked, this, &TfrmMainFR::ZoomIncludeList);
  connect(btnVol14ExcludeWindowDeleteSelected, &QPushButton::clicked, this,
          &TfrmMainFR::DeleteSelectedExcluded);
  connect(btnVol14ExcludeWindowDeleteAll, &QPushButton::clicked, this,
          &TfrmMainFR::DeleteAllExcluded);
  // The dialog buttons, through the dialogs handed in once they exist.
  connect(btnVol14IncludeWindowListBuilder, &QPushButton::clicked, this, [this] {
    if (include_dialogs_.list_builder.show_modal) {
      TakeOverListBuilderResults(include_dialogs_.list_builder);
    }
  });
  connect(btnVol14IncludeWindowImportFolderList, &QPushButton::clicked, this, [this] {
    if (include_dialogs_.import.show_modal) TakeOverImportResults(include_dialogs_.import);
  });
  connect(btnVol14IncludeWindowEditList, &QPushButton::clicked, this, [this] {
    if (include_dialogs_.editor) EditIncludeList(include_dialogs_.editor);
  });
  connect(btnVol14IncludeWindowExportFolderList, &QPushButton::clicked, this, [this] {
    if (include_dialogs_.export_dialog.show_modal) ExportIncludeList(include_dialogs_.export_dialog);
  });
}

void TfrmMainFR::ShowIncludeCount(std::size_t count) {
  lblVol14IncSum->setText(QString::number(count));
}

void TfrmMainFR::ShowLineCounters() {
  const QString include_count = QString::number(IncludeList().size());
  const QString exclude_count = QString::number(ExcludeList().size());
  lblVol14IncSum->setText(include_count);
  lblVol14ExcSum->setText(exclude_count);
  lblVol14IncludeWindowLinesSum->setText(include_count);
  lblVol14ExcludeWindowLinesSum->setText(exclude_count);
}

void TfrmMainFR::RefreshAfterListChange() {
  SetTemplateStage(IncludeList().empty() ? 0 : 1);
  SetRunOptionsEnabled(false);
  level_template_.LineNumberMap.clear();
  Results().RefreshResultCounters();
  ShowLineCounters();
  UpdateRunButtons();
}

void TfrmMainFR::MoveSelectedToExclude() {
  MoveSelected(IncludeList(), lstVol14IncludeWindowFolderList->SelectedRows(), ExcludeList(),
               *services_.pump);
  RefreshAfterListChange();
}

void TfrmMainFR::MoveSelectedToInclude() {
  MoveSelected(ExcludeList(), lstVol14ExcludeWindowFolderList->SelectedRows(), IncludeList(),
               *services_.pump);
  RefreshAfterListChange();
}

void TfrmMainFR::MoveAllToExclude() {
  MoveAll(IncludeList(), ExcludeList(), *services_.pump);
  RefreshAfterListChange();
}

void TfrmMainFR::MoveAllToInclude() {
  MoveAll(ExcludeList(), IncludeList(), *services_.pump);
  RefreshAfterListChange();
}

void TfrmMainFR::ExchangeIncludeExclude() {
  ExchangeLists(IncludeList(), ExcludeList(), *services_.pump);
  RefreshAfterListChange();
}

void TfrmMainFR::AddFolderPath() {
  const std::string path = services_.dialogs->BrowseForFolder(this, kAddFolderTitle);
  Prompter& prompter = *services_.prompter;
  switch (ordovan::AddFolderPath(path, IncludeList(), ExcludeList())) {
    case AddFolderOutcome::kAdded:
      break;
    case AddFolderOutcome::kEmptySelection:
      prompter.Warn(kSelectionEmpty, kSelectionEmptyTitle);
      break;
    case AddFolderOutcome::kInInclude:
      prompter.Warn(kInInclude, kInIncludeTitle);
      break;
    case AddFolderOutcome::kTooShort:
      prompter.Warn(kTooShort, kTooShortTitle);
      break;
    case AddFolderOutcome::kInExclude:
      prompter.Warn(kInExclude, kInExcludeTitle);
      break;
  }
  RefreshAfterListChange();
}

void TfrmMainFR::TakeOverDialogResults(const TakeOverDialog& dialog, const char* empty_text,
                                       const char* empty_title, const char* end_title) {
  const bool ok = dialog.show_modal();
  const TEXT_LIST& results = dialog.results();
  if (results.empty()) {
    services_.prompter->Warn(empty_text, empty_title);
  } else {
    if (ok) TakeOverResults(results, IncludeList(), ExcludeList(), *services_.pump);
    RefreshAfterListChange();
  }
  services_.prompter->Warn(kTakeOverEnd, end_title);
}

void TfrmMainFR::TakeOverListBuilderResults(const TakeOverDialog& builder) {
  TakeOverDialogResults(builder, kListBuilderEmpty, kListBuilderEmptyTitle, kListBuilderEndTitle);
}

void TfrmMainFR::TakeOverImportResults(const TakeOverDialog& import) {
  TakeOverDialogResults(import, kImportEmpty, kImportEmptyTitle, kImportEndTitle);
}

void TfrmMainFR::EditIncludeList(
    const std::function<bool(const TEXT_LIST& entries)>& show_editor) {
  if (show_editor(IncludeList().entries())) RefreshAfterListChange();
}

void TfrmMainFR::ExportIncludeList(const ExportHandOver& export_dialog) {
  if (IncludeList().empty()) {
    services_.prompter->Warn(kIncludeEmpty, kIncludeEmptyTitle);
  } else {
    export_dialog.reset();
    FillExportSource(IncludeList().entries(), *export_dialog.shown,
                     export_dialog.show_source_count, *services_.pump);
    export_dialog.show_modal();
    RefreshAfterListChange();
  }
  btnVol14IncludeWindowExportFolderList->setFocus();
}

void TfrmMainFR::ViewCurrentEntry() {
  const std::optional<std::size_t> current = lstVol14IncludeWindowFolderList->CurrentRow();
  if (IncludeList().empty() || !current || *current >= IncludeList().size()) {
    services_.prompter->Warn(kNothingSelected, kNothingSelectedTitle);
    return;
  }
  services_.shell->OpenFolder(Trim(IncludeList()[*current]));
}

void TfrmMainFR::ZoomIncludeList() {
  if (!zoom_include_) return;
  AppendMissing(IncludeList().entries(), zoom_include_->ZoomList());
  zoom_include_->exec();
}

void TfrmMainFR::DeleteSelectedExcluded() {
  if (ExcludeList().empty()) {
    services_.prompter->Warn(kExcludeEmpty, kExcludeEmptyTitle);
  } else if (services_.prompter->Ask(kDeleteSelectedQuestion, kDeleteSelectedQuestionTitle)) {
    ExcludeList().RemoveRows(lstVol14ExcludeWindowFolderList->SelectedRows());
  }
  RefreshAfterListChange();
}

void TfrmMainFR::DeleteAllExcluded() {
  if (ExcludeList().empty()) {
    services_.prompter->Warn(kExcludeEmptyForAll, kExcludeEmptyForAllTitle);
  } else if (services_.prompter->Ask(kDeleteAllQuestion, kDeleteAllQuestionTitle)) {
    ExcludeList().Clear();
  }
  RefreshAfterListChange();
  btnVol14ExcludeWindowDeleteSelected->setFocus();
}

}  // namespace ordovan
