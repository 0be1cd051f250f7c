// The controls of the organizer page with their captions, hints and layout.
// Initial enabled states are set by the creation step (TfrmMainFR.cpp).

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "uikit/Controls.h"
#include "uikit/EntryListView.h"
#include "shell/ui/ExitLineEdit.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {

namespace {

constexpr int kMoveButtonWidth = 46;
constexpr int kListButtonWidth = 112;
constexpr int kOrderButtonWidth = 88;

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  return group;
}

enum class ColumnPlace {
  kTop,     // the buttons at the top, room below them
  kMiddle,  // the buttons centred, room above and below
};

// A column of equally wide buttons beside a list; a negative spacing keeps
// the style's own.
QVBoxLayout* ButtonColumn(std::initializer_list<QPushButton*> buttons, int width, int spacing,
                          ColumnPlace place) {
  auto* column = new QVBoxLayout;
  if (spacing >= 0) column->setSpacing(spacing);
  if (place == ColumnPlace::kMiddle) column->addStretch();
  for (QPushButton* button : buttons) {
    button->setFixedWidth(width);
    column->addWidget(button);
  }
  column->addStretch();
  return column;
}

// "Lines:" and its counter, kept together at the foot of a list.
QHBoxLayout* LinesRow(QLabel* caption, QLabel* counter) {
  auto* row = new QHBoxLayout;
  counter->setMinimumWidth(48);
  row->addWidget(caption);
  row->addWidget(counter);
  return row;
}

}  // namespace

void TfrmMainFR::CreateMenus() {
  mnuFile = menuBar()->addMenu("&File");
  mnuFile->setObjectName("mnuFile");
  mnuFile->setToolTipsVisible(true);
  mnuFileExit = mnuFile->addAction("E&xit");
  mnuFileExit->setObjectName("mnuFileExit");
  // The hint "Exit|Quits the application": short part as the tooltip, long
  // part as the status text.
  mnuFileExit->setToolTip("Exit");
  mnuFileExit->setStatusTip("Quits the application");
  mnuFileExit->setProperty("hint", "Exit|Quits the application");

  mnuHelp = menuBar()->addMenu("&Help");
  mnuHelp->setObjectName("mnuHelp");
  mnuHelpOverview = mnuHelp->addAction("Overview");
  mnuHelpOverview->setObjectName("mnuHelpOverview");
  mnuHelpWebPage = mnuHelp->addAction("Ordovan Documentation");
  mnuHelpWebPage->setObjectName("mnuHelpWebPage");
  mnuHelp->addSeparator();
  mnuHelpAboutUs = mnuHelp->addAction("About Us");
  mnuHelpAboutUs->setObjectName("mnuHelpAboutUs");
}

void TfrmMainFR::CreateControls() {
  auto* page = new QWidget(this);
  page->setObjectName("pnlVol14Page");
  setCentralWidget(page);

  CreateIncludeGroup(page);
  QVBoxLayout* moves = CreateMoveButtons(page);
  CreateExcludeGroup(page);
  CreateLevelTemplateGroup(page);
  CreateDestinationGroup(page);
  CreateReorganizeGroup(page);
  CreateRunGroup(page);
  CreatePageButtons(page);
  CreateHiddenControls(page);

  // The page: the two lists and their moves above, the template and the
  // run groups below.
  auto* top = new QHBoxLayout;
  top->addWidget(grpVol14IncludeWindow, 11);
  top->addLayout(moves);
  top->addWidget(grpVol14ExcludeWindow, 8);

  auto* page_buttons = new QHBoxLayout;
  page_buttons->addStretch();
  page_buttons->addWidget(btnVol14Help);
  page_buttons->addWidget(btnVol14ClearFields);

  auto* right = new QVBoxLayout;
  right->addWidget(grpVol14DestinationFolder);
  right->addWidget(grpVol14Reorganize);
  right->addWidget(grpVol14Run);
  right->addStretch();
  right->addLayout(page_buttons);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(grpVol14LevelTemplate, 3);
  bottom->addLayout(right, 2);

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->addLayout(top, 1);
  layout->addLayout(bottom, 1);

  page->setFixedSize(kClientWidth, kClientHeight);
}

void TfrmMainFR::CreateIncludeGroup(QWidget* page) {
  grpVol14IncludeWindow = MakeGroup(page, "grpVol14IncludeWindow", "Include Folder  Path List");
  lstVol14IncludeWindowFolderList =
      new EntryListView("lstVol14IncludeWindowFolderList", "Include Folder  Path List",
                        EntryListView::Selection::kMultiple, grpVol14IncludeWindow);
  btnVol14IncludeWindowAddFolderToList =
      MakeButton(grpVol14IncludeWindow, "btnVol14IncludeWindowAddFolderToList", "Add Fold. Path",
                 "Add Existing Folder Path to the INCLUDE Folder Path List");
  btnVol14IncludeWindowListBuilder =
      MakeButton(grpVol14IncludeWindow, "btnVol14IncludeWindowListBuilder", "List Builder",
                 "Builds a list of Subfolders using Subfolder Level Numbers.");
  btnVol14IncludeWindowImportFolderList =
      MakeButton(grpVol14IncludeWindow, "btnVol14IncludeWindowImportFolderList",
                 "Import F.P. List",
                 "Import (load) the content of the Text File to the INCLUDE Window.");
  btnVol14IncludeWindowEditList = MakeButton(grpVol14IncludeWindow, "btnVol14IncludeWindowEditList",
                                             "Edit List", "Edit the content of the INCLUDE Window.");
  btnVol14IncludeWindowViewSelected =
      MakeButton(grpVol14IncludeWindow, "btnVol14IncludeWindowViewSelected", "View Selected",
                 "View the Selected folder from the INCLUDE Window.");
  btnVol14IncludeWindowExportFolderList =
      MakeButton(grpVol14IncludeWindow, "btnVol14IncludeWindowExportFolderList", "Export",
                 "Export (save) the Content of the INCLUDE Window to the Text File.");
  btnVol14IncludeWindowZoom = MakeButton(grpVol14IncludeWindow, "btnVol14IncludeWindowZoom",
                                         "Zoon", "Zoom the content of the INCLUDE  Window.");
  lblVol14IncLines = MakeLabel(grpVol14IncludeWindow, "lblVol14IncLines", "Lines:");
  lblVol14IncSum = MakeLabel(grpVol14IncludeWindow, "lblVol14IncSum", "0");

  auto* buttons = ButtonColumn(
      {btnVol14IncludeWindowAddFolderToList, btnVol14IncludeWindowListBuilder,
       btnVol14IncludeWindowImportFolderList, btnVol14IncludeWindowEditList,
       btnVol14IncludeWindowViewSelected, btnVol14IncludeWindowExportFolderList,
       btnVol14IncludeWindowZoom},
      kListButtonWidth, 4, ColumnPlace::kTop);
  buttons->addLayout(LinesRow(lblVol14IncLines, lblVol14IncSum));
  auto* layout = new QHBoxLayout(grpVol14IncludeWindow);
  layout->addWidget(lstVol14IncludeWindowFolderList, 1);
  layout->addLayout(buttons);
}

// The buttons between the Include and Exclude lists, as one column.
QVBoxLayout* TfrmMainFR::CreateMoveButtons(QWidget* page) {
  btnVol14IncToExc = MakeButton(
      page, "btnVol14IncToExc", ">",
      "Move Selected Folders (Paths)  from the INCLUDE Window to the Exclude window.");
  btnVol14ExcToInc = MakeButton(
      page, "btnVol14ExcToInc", "<",
      "Move Selected Folder (Paths) from the EXCLUDE Window to the INCLUDE Window.");
  btnVol14AllFromInc = MakeButton(page, "btnVol14AllFromInc", ">>",
                                  "Move ALL Folders (Paths) from thr INCLUDE to the EXCLUDE window.");
  btnVol14AllFromExc = MakeButton(page, "btnVol14AllFromExc", "<<",
                                  "Move ALL Folders (Paths)  from the EXCLUDE to the INCLUDE Window.");
  btnVol14IncExcExchange = MakeButton(page, "btnVol14IncExcExchange", "<>",
                                      "Exchange the content of the two Windows,");
  return ButtonColumn({btnVol14IncToExc, btnVol14ExcToInc, btnVol14AllFromInc, btnVol14AllFromExc,
                       btnVol14IncExcExchange},
                      kMoveButtonWidth, 6, ColumnPlace::kMiddle);
}

void TfrmMainFR::CreateExcludeGroup(QWidget* page) {
  grpVol14ExcludeWindow = MakeGroup(page, "grpVol14ExcludeWindow", "Exclude Folder Path List");
  lstVol14ExcludeWindowFolderList =
      new EntryListView("lstVol14ExcludeWindowFolderList", "Exclude Folder Path List",
                        EntryListView::Selection::kSingle, grpVol14ExcludeWindow);
  btnVol14ExcludeWindowDeleteSelected =
      MakeButton(grpVol14ExcludeWindow, "btnVol14ExcludeWindowDeleteSelected", "Delete Sel.",
                 "Delete the Selected Folder(s) from the INCLUDE Window.");
  btnVol14ExcludeWindowDeleteAll =
      MakeButton(grpVol14ExcludeWindow, "btnVol14ExcludeWindowDeleteAll", "Delete All",
                 "Delete All Folders from the EXCLUDE Window.");
  lblVol14ExcLines = MakeLabel(grpVol14ExcludeWindow, "lblVol14ExcLines", "Lines:");
  lblVol14ExcSum = MakeLabel(grpVol14ExcludeWindow, "lblVol14ExcSum", "0");

  auto* foot = new QHBoxLayout;
  foot->addWidget(btnVol14ExcludeWindowDeleteSelected);
  foot->addWidget(btnVol14ExcludeWindowDeleteAll);
  foot->addStretch();
  foot->addLayout(LinesRow(lblVol14ExcLines, lblVol14ExcSum));
  auto* layout = new QVBoxLayout(grpVol14ExcludeWindow);
  layout->addWidget(lstVol14ExcludeWindowFolderList, 1);
  layout->addLayout(foot);
}

void TfrmMainFR::CreateLevelTemplateGroup(QWidget* page) {
  grpVol14LevelTemplate = MakeGroup(page, "grpVol14LevelTemplate", "Level Template");
  btnVol14FindShortestPath = MakeButton(grpVol14LevelTemplate, "btnVol14FindShortestPath", "Find",
                                        "Find a shortest Path.");
  lblVol14FindShortestPath =
      MakeLabel(grpVol14LevelTemplate, "lblVol14FindShortestPath",
                "Take the shortest Include path as the template of level names.");
  lblVol14SubFoldersSource = MakeLabel(grpVol14LevelTemplate, "lblVol14SubFoldersSource",
                                       "Old Level Order for Subfolders");
  lstVol14SubFoldersSource =
      new EntryListView("lstVol14SubFoldersSource", "Old Level Order for Subfolders",
                        EntryListView::Selection::kSingle, grpVol14LevelTemplate);
  btnVol14SourceToDest = MakeButton(
      grpVol14LevelTemplate, "btnVol14SourceToDest", ">",
      "Copy Selected Subfolders from the Old Level Order Window to the New Level Order Window.");
  lblVol14SubFoldersDestination = MakeLabel(grpVol14LevelTemplate, "lblVol14SubFoldersDestination",
                                            "New Level Order for Subfolders");
  lstVol14SubFoldersDestination =
      new EntryListView("lstVol14SubFoldersDestination", "New Level Order for Subfolders",
                        EntryListView::Selection::kSingle, grpVol14LevelTemplate);
  btnVol14DestinationUpOne = MakeButton(grpVol14LevelTemplate, "btnVol14DestinationUpOne",
                                        "Item Up", "Move Selected Subfolders Up  One Place");
  btnVol14DestinationDownOne = MakeButton(grpVol14LevelTemplate, "btnVol14DestinationDownOne",
                                          "Item Down", "Move Selected Subfolders Down one Place");
  btnVol14DestinationDeleteSelected =
      MakeButton(grpVol14LevelTemplate, "btnVol14DestinationDeleteSelected", "Delete Sel.",
                 "Delete Selected Subfolder from the New Level Order");
  btnVol14DestinationDeleteAll =
      MakeButton(grpVol14LevelTemplate, "btnVol14DestinationDeleteAll", "Delete All",
                 "Delete all Subfolder from the New Level Order");
  chkVol14CutLeadFolders = new QCheckBox("Cut the Lead Subfolders", grpVol14LevelTemplate);
  chkVol14CutLeadFolders->setObjectName("chkVol14CutLeadFolders");
  chkVol14CutLeadFolders->setToolTip(
      "Cut the lead subfolder(s) from the path, if you change the Main location.");
  edtVol14CutLeadFoldersNumber = new ExitLineEdit(grpVol14LevelTemplate);
  edtVol14CutLeadFoldersNumber->setObjectName("edtVol14CutLeadFoldersNumber");
  edtVol14CutLeadFoldersNumber->setToolTip("Number of Subfolders to cut.");
  edtVol14CutLeadFoldersNumber->setAccessibleName("Number of Subfolders to cut.");
  edtVol14CutLeadFoldersNumber->setFixedWidth(56);
  edtVol14CutLeadFoldersNumber->setAlignment(Qt::AlignRight);
  btnVol14CutLeadSubFolders = MakeButton(
      grpVol14LevelTemplate, "btnVol14CutLeadSubFolders", "Cut",
      "Press this button to Cut the lead Subfolders in Old Level Number Window.");

  auto* find_row = new QHBoxLayout;
  find_row->addWidget(btnVol14FindShortestPath);
  find_row->addWidget(lblVol14FindShortestPath, 1);

  auto* copy_column =
      ButtonColumn({btnVol14SourceToDest}, kMoveButtonWidth, -1, ColumnPlace::kMiddle);
  auto* order_buttons =
      ButtonColumn({btnVol14DestinationUpOne, btnVol14DestinationDownOne,
                    btnVol14DestinationDeleteSelected, btnVol14DestinationDeleteAll},
                   kOrderButtonWidth, 4, ColumnPlace::kMiddle);

  auto* lists = new QGridLayout;
  lists->setVerticalSpacing(2);
  lists->addWidget(lblVol14SubFoldersSource, 0, 0);
  lists->addWidget(lstVol14SubFoldersSource, 1, 0);
  lists->addLayout(copy_column, 1, 1);
  lists->addWidget(lblVol14SubFoldersDestination, 0, 2);
  lists->addWidget(lstVol14SubFoldersDestination, 1, 2);
  lists->addLayout(order_buttons, 1, 3);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(2, 1);
  lists->setRowStretch(1, 1);

  auto* cut_row = new QHBoxLayout;
  cut_row->addWidget(chkVol14CutLeadFolders);
  cut_row->addWidget(edtVol14CutLeadFoldersNumber);
  cut_row->addWidget(btnVol14CutLeadSubFolders);
  cut_row->addStretch();

  auto* layout = new QVBoxLayout(grpVol14LevelTemplate);
  layout->addLayout(find_row);
  layout->addLayout(lists, 1);
  layout->addLayout(cut_row);
}

void TfrmMainFR::CreateDestinationGroup(QWidget* page) {
  grpVol14DestinationFolder =
      MakeGroup(page, "grpVol14DestinationFolder", "New Destination Directory");
  cboVol14DestinationFolder = new QComboBox(grpVol14DestinationFolder);
  cboVol14DestinationFolder->setObjectName("cboVol14DestinationFolder");
  cboVol14DestinationFolder->setEditable(true);
  cboVol14DestinationFolder->setInsertPolicy(QComboBox::NoInsert);
  cboVol14DestinationFolder->setToolTip("New Destination Directory.");
  cboVol14DestinationFolder->setAccessibleName("New Destination Directory");
  cboVol14DestinationFolder->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cboVol14DestinationFolder->setMinimumContentsLength(20);
  btnVol14BrowseDestinationFolder =
      MakeButton(grpVol14DestinationFolder, "btnVol14BrowseDestinationFolder", "Browse",
                 "Browse a New Destination Directory for Newly Reorganized Paths.");
  btnVol14ShowExplorer = MakeButton(grpVol14DestinationFolder, "btnVol14ShowExplorer",
                                    "Show Explorer", "Show the new destination directory.");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnVol14BrowseDestinationFolder);
  buttons->addWidget(btnVol14ShowExplorer);
  auto* layout = new QVBoxLayout(grpVol14DestinationFolder);
  layout->addWidget(cboVol14DestinationFolder);
  layout->addLayout(buttons);
}

// The files option.
void TfrmMainFR::CreateReorganizeGroup(QWidget* page) {
  grpVol14Reorganize = MakeGroup(page, "grpVol14Reorganize", "Reorganize");
  rdoVol14ReorganizeWithFiles =
      MakeRadio(grpVol14Reorganize, "rdoVol14ReorganizeWithFiles", "Paths/Subfolders with Files");
  rdoVol14ReorganizeWithOutFiles = MakeRadio(grpVol14Reorganize, "rdoVol14ReorganizeWithOutFiles",
                                             "Paths/SubFolders without Files");
  rdoVol14ReorganizeWithFiles->setChecked(true);

  auto* layout = new QVBoxLayout(grpVol14Reorganize);
  layout->addWidget(rdoVol14ReorganizeWithFiles);
  layout->addWidget(rdoVol14ReorganizeWithOutFiles);
}

void TfrmMainFR::CreateRunGroup(QWidget* page) {
  grpVol14Run = MakeGroup(page, "grpVol14Run", "Run");
  chkVol14ShowVisualLog = new QCheckBox("Show Visual Log", grpVol14Run);
  chkVol14ShowVisualLog->setObjectName("chkVol14ShowVisualLog");
  chkVol14ShowVisualLog->setToolTip("Show detailed results during the Reorganizing process.");
  chkVol14ShowVisualLog->setChecked(true);
  btnVol14VisualLog =
      MakeButton(grpVol14Run, "btnVol14VisualLog", "Visual Log", "This window show detailed results.");
  btnVol14Undo = MakeButton(grpVol14Run, "btnVol14Undo", "Undo",
                            "Restore previous state (Delete previously reordganized folders and files).");
  btnVol14Simulation =
      MakeButton(grpVol14Run, "btnVol14Simulation", "Simulation/View",
                 "Simulate the Reorganize process (no actial path will be reorganized).");
  btnVol14Restructure = MakeButton(grpVol14Run, "btnVol14Restructure", "Organize",
                                   "Reorganize the paths from the Include Window.");
  btnVol14Stop = MakeButton(grpVol14Run, "btnVol14Stop", "Stop",
                            "Stop the running process after the file in hand (or press Escape).");
  btnVol14Stop->setVisible(false);

  auto* layout = new QGridLayout(grpVol14Run);
  layout->addWidget(chkVol14ShowVisualLog, 0, 0);
  layout->addWidget(btnVol14VisualLog, 0, 1);
  layout->addWidget(btnVol14Undo, 0, 2);
  layout->addWidget(btnVol14Simulation, 1, 1);
  layout->addWidget(btnVol14Restructure, 1, 2);
  layout->addWidget(btnVol14Stop, 1, 0);
  layout->setColumnStretch(0, 1);
}

void TfrmMainFR::CreatePageButtons(QWidget* page) {
  btnVol14Help = MakeButton(page, "btnVol14Help", "Help", "Help for the organizer page.");
  btnVol14ClearFields =
      MakeButton(page, "btnVol14ClearFields", "Clear Fields",
                 "Clar all Windows and Edit, and set default settings for other Controls.");
}

// The path filters and the scratch list, never shown.
void TfrmMainFR::CreateHiddenControls(QWidget* page) {
  grpVol14FiltersForPaths = MakeGroup(page, "grpVol14FiltersForPaths", "Filters for Paths");
  rdoVol14IncludeAll = MakeRadio(grpVol14FiltersForPaths, "rdoVol14IncludeAll", "Include All Paths");
  rdoVol14IncludeSelected =
      MakeRadio(grpVol14FiltersForPaths, "rdoVol14IncludeSelected", "Include Strings.");
  rdoVol14ExcludeSelected =
      MakeRadio(grpVol14FiltersForPaths, "rdoVol14ExcludeSelected", "Exclude Strings.");
  edtVol14IncludeSelected = new QLineEdit(grpVol14FiltersForPaths);
  edtVol14IncludeSelected->setObjectName("edtVol14IncludeSelected");
  edtVol14IncludeSelected->setToolTip("Include String separated with Double Quotes.");
  edtVol14IncludeSelected->setAccessibleName("Include Strings.");
  edtVol14ExcludeSelected = new QLineEdit(grpVol14FiltersForPaths);
  edtVol14ExcludeSelected->setObjectName("edtVol14ExcludeSelected");
  edtVol14ExcludeSelected->setToolTip("Exclude Strings Separated With Double Quotes.");
  edtVol14ExcludeSelected->setAccessibleName("Exclude Strings.");
  lblVol14IncludeWindowLinesSum =
      MakeLabel(grpVol14FiltersForPaths, "lblVol14IncludeWindowLinesSum", "0");
  lblVol14ExcludeWindowLinesSum =
      MakeLabel(grpVol14FiltersForPaths, "lblVol14ExcludeWindowLinesSum", "0");
  rdoVol14IncludeAll->setChecked(true);
  for (QWidget* w : std::initializer_list<QWidget*>{rdoVol14IncludeAll, rdoVol14IncludeSelected,
                                                    rdoVol14ExcludeSelected, edtVol14IncludeSelected,
                                                    edtVol14ExcludeSelected}) {
    w->setEnabled(false);
  }

  auto* layout = new QGridLayout(grpVol14FiltersForPaths);
  layout->addWidget(rdoVol14IncludeAll, 0, 0);
  layout->addWidget(rdoVol14IncludeSelected, 1, 0);
  layout->addWidget(edtVol14IncludeSelected, 1, 1);
  layout->addWidget(rdoVol14ExcludeSelected, 2, 0);
  layout->addWidget(edtVol14ExcludeSelected, 2, 1);
  layout->addWidget(lblVol14IncludeWindowLinesSum, 3, 0);
  layout->addWidget(lblVol14ExcludeWindowLinesSum, 3, 1);
  grpVol14FiltersForPaths->setEnabled(false);
  grpVol14FiltersForPaths->hide();

  lstHWNDSeged = new EntryListView("lstHWNDSeged", "Scratch list",
                                   EntryListView::Selection::kSingle, page);
  lstHWNDSeged->hide();
}

}  // namespace ordovan
