// Creation, close and destruction of the main window, its enabling rules and
// the page commands Clear Fields, Show Explorer, Visual Log and Help.

#include "shell/ui/TfrmMainFR.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "help/HelpTexts.h"
#include "help/ui/TfrmHelp.h"
#include "help/ui/TfrmInfoWindows.h"
#include "paths/EntryList.h"
#include "paths/PathText.h"
#include "uikit/EntryListView.h"
#include "platform/Prompter.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "shell/StartupLoad.h"
#include "shell/ui/ExitLineEdit.h"
#include "uikit/HintTime.h"
#include "uikit/QtText.h"
#include "shell/ui/ResultsWindowLink.h"
#include "uikit/Shell.h"

namespace ordovan {

namespace {
const char kClearFieldsQuestion[] =
    "You will delete all fields !!!\nClick YES to Continue deleting all fields,\n"
    "Click NO to Stop the delete process.";
const char kClearFieldsQuestionTitle[] = "Ordovan.            Information no: 140042.";
const char kClearFieldsDone[] = "End of the CLEAR FIELDS process !!!\n";
const char kClearFieldsDoneTitle[] = "Ordovan.           Warning no: 140043.";

const char kNormalModeCaption[] = "Folder/File Copy Process.";
const char kSimulateModeCaption[] = "Simulate the Folder/File Copy Process.";
}  // namespace

TfrmMainFR::TfrmMainFR(const AppServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName("frmMainFR");
  setWindowTitle(kProductTitle);
  CreateMenus();
  CreateControls();
  CreateRunSession();
  FormCreate();
  ConnectPageCommands();
  ConnectListCommands();
  ConnectTemplateCommands();
  ConnectRunCommands();
  // A fixed frame: the window cannot be resized.
  adjustSize();
  setFixedSize(sizeHint());
}

TfrmMainFR::~TfrmMainFR() { FormDestroy(); }

void TfrmMainFR::FormCreate() {
  // The hint display time first: every hint of every window stays up for it.
  HintTimeFilter::Install(kHintDisplayMs);
  // The program code, the settings directory (the current directory) and the
  // settings file: read, or written anew with the defaults.
  StartupLoad(*services_.settings, *services_.file_system, *services_.prompter);

  for (EntryListView* list : {lstVol14IncludeWindowFolderList, lstVol14ExcludeWindowFolderList,
                              lstVol14SubFoldersSource, lstVol14SubFoldersDestination}) {
    list->SetHorizontalExtent(kListScrollExtent);
  }
  SetTemplateStage(0);
  SetRunOptionsEnabled(false);
  ResetRunCounters();
  for (QLabel* counter : {lblVol14IncSum, lblVol14ExcSum, lblVol14IncludeWindowLinesSum,
                          lblVol14ExcludeWindowLinesSum}) {
    counter->setText("0");
  }
  edtVol14CutLeadFoldersNumber->setText("0");
}

void TfrmMainFR::FormDestroy() {
  // The result lists belong to the results window, which empties them itself.
  IncludeList().Clear();
  ExcludeList().Clear();
  lstHWNDSeged->list().Clear();
}

void TfrmMainFR::SetHelpWindows(TfrmHelp* help, TfrmOverview* overview, TfrmAboutBox* about) {
  help_ = help;
  overview_ = overview;
  about_ = about;
}

void TfrmMainFR::ConnectPageCommands() {
  connect(btnVol14ClearFields, &QPushButton::clicked, this, &TfrmMainFR::btnVol14ClearFieldsClick);
  connect(btnVol14ShowExplorer, &QPushButton::clicked, this, &TfrmMainFR::btnVol14ShowExplorerClick);
  connect(btnVol14VisualLog, &QPushButton::clicked, this, &TfrmMainFR::btnVol14VisualLogClick);
  connect(btnVol14Help, &QPushButton::clicked, this, &TfrmMainFR::btnVol14HelpClick);
  connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
  connect(mnuHelpOverview, &QAction::triggered, this, &TfrmMainFR::mnuHelpOverviewClick);
  connect(mnuHelpWebPage, &QAction::triggered, this, &TfrmMainFR::mnuHelpWebPageClick);
  connect(mnuHelpAboutUs, &QAction::triggered, this, &TfrmMainFR::mnuHelpAboutUsClick);
}

// ---- Enabling operations ----------------------------------------------------

void TfrmMainFR::SetTemplateStage(int stage) {
  const bool find_on = stage != 0;
  const bool group_on = stage != 0 && stage != 1;
  btnVol14FindShortestPath->setEnabled(find_on);
  lblVol14FindShortestPath->setEnabled(find_on);
  for (QWidget* w : std::initializer_list<QWidget*>{
           lblVol14SubFoldersSource, lstVol14SubFoldersSource, lblVol14SubFoldersDestination,
           lstVol14SubFoldersDestination, btnVol14SourceToDest, btnVol14DestinationUpOne,
           btnVol14DestinationDownOne, btnVol14DestinationDeleteSelected,
           btnVol14DestinationDeleteAll, chkVol14CutLeadFolders, edtVol14CutLeadFoldersNumber,
           btnVol14CutLeadSubFolders}) {
    w->setEnabled(group_on);
  }
  if (stage == 0) {
    lstVol14SubFoldersSource->list().Clear();
    lstVol14SubFoldersDestination->list().Clear();
  }
  UpdateRunButtons();
}

void TfrmMainFR::SetRunOptionsEnabled(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           cboVol14DestinationFolder, btnVol14BrowseDestinationFolder, btnVol14ShowExplorer,
           chkVol14ShowVisualLog, btnVol14VisualLog, btnVol14Undo, rdoVol14ReorganizeWithFiles,
           rdoVol14ReorganizeWithOutFiles}) {
    w->setEnabled(on);
  }
  UpdateRunButtons();
}

void TfrmMainFR::UpdateRunButtons() {
  const std::size_t old_count = lstVol14SubFoldersSource->list().size();
  const std::size_t new_count = lstVol14SubFoldersDestination->list().size();
  const bool on = !Trim(FromQt(cboVol14DestinationFolder->currentText())).empty() &&
                  old_count != 0 && old_count == new_count;
  btnVol14Simulation->setEnabled(on);
  btnVol14Restructure->setEnabled(on);
}

void TfrmMainFR::ResetRunCounters() { Results().ResetRunCounters(); }

void TfrmMainFR::RefreshResultsModeCaption() {
  if (!results_) return;
  results_->SetModeCaption(results_->NormalRunMarked() ? kNormalModeCaption
                                                       : kSimulateModeCaption);
}

// ---- Page commands ------------------------------------------------------------

void TfrmMainFR::btnVol14ClearFieldsClick() {
  if (!services_.prompter->Ask(kClearFieldsQuestion, kClearFieldsQuestionTitle)) return;
  IncludeList().Clear();
  ExcludeList().Clear();
  lstVol14SubFoldersSource->list().Clear();
  lstVol14SubFoldersDestination->list().Clear();
  ShowLineCounters();
  chkVol14ShowVisualLog->setChecked(true);
  cboVol14DestinationFolder->clear();
  cboVol14DestinationFolder->setEditText(QString());
  edtVol14CutLeadFoldersNumber->setText("0");
  chkVol14CutLeadFolders->setEnabled(false);
  chkVol14CutLeadFolders->setChecked(false);
  rdoVol14ReorganizeWithFiles->setChecked(true);
  rdoVol14ReorganizeWithOutFiles->setChecked(false);
  // Selecting the radio in code fires no click, yet the results window's
  // files controls must follow the option that is now in force.
  if (ShowResultsFilesControls) ShowResultsFilesControls(true);
  SetTemplateStage(0);
  SetRunOptionsEnabled(false);
  ResetRunCounters();
  services_.prompter->Warn(kClearFieldsDone, kClearFieldsDoneTitle);
}

void TfrmMainFR::btnVol14ShowExplorerClick() {
  // The whole destination goes to the shell, however long: a shortened path
  // would open some other folder. A failure of the shell is not reported.
  services_.shell->OpenFolder(Trim(FromQt(cboVol14DestinationFolder->currentText())));
}

void TfrmMainFR::btnVol14VisualLogClick() {
  if (results_) results_->ShowResultsWindow();
}

void TfrmMainFR::btnVol14HelpClick() {
  if (help_) help_->ShowTopic(kOrganizerTopic, true);
}

void TfrmMainFR::mnuHelpOverviewClick() {
  if (overview_) overview_->ShowOverview();
}

void TfrmMainFR::mnuHelpWebPageClick() {
  // There is no maker's web page: the item opens the program's own help.
  if (help_) help_->ShowTopic(kOverviewTopic, true);
}

void TfrmMainFR::mnuHelpAboutUsClick() {
  if (about_) about_->exec();
}

// ---- Activation and close ---------------------------------------------------

bool TfrmMainFR::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) RefreshResultsModeCaption();
  return QMainWindow::event(event);
}

void TfrmMainFR::closeEvent(QCloseEvent* event) {
  // Writes the settings; a failure shows message 0130 and the program still ends.
  SaveClass save(*services_.settings, *services_.file_system, *services_.prompter);
  save.WriteAll();
  event->accept();
  emit MainWindowClosed();
}

}  // namespace ordovan
