#include "scanning/ui/TfrmSubFolderListBuilder.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "paths/PathText.h"
#include "uikit/EntryListView.h"
#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/PathServices.h"
#include "platform/Prompter.h"
#include "scanning/FolderStructSize.h"
#include "scanning/LevelCopy.h"
#include "scanning/ListBuilder.h"
#include "scanning/ListBuilderMessages.h"
#include "scanning/ui/TfrmLevelSummFolder.h"
#include "scanning/ui/UpDown.h"
#include "uikit/Choices.h"
#include "uikit/Controls.h"
#include "uikit/Dialogs.h"
#include "uikit/StopInput.h"
#include "uikit/Throttle.h"
#include "uikit/QtText.h"
#include "uikit/Shell.h"

namespace ordovan {

namespace msg = builder_messages;

namespace {

constexpr char kBrowseTitle[] = "Select the Destination Folder.";
constexpr int kProgressMs = 100;  // how often a running scan redraws its counts

QLineEdit* MakeNumberField(QWidget* parent, const char* name, const QString& caption,
                           const char* hint, const char* text) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  field->setAccessibleName(caption);
  field->setToolTip(hint);
  field->setFixedWidth(40);
  return field;
}


}  // namespace

TfrmSubFolderListBuilder::TfrmSubFolderListBuilder(const AppServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
  setObjectName("frmSubFolderListBuilder");
  setWindowTitle("Subfolder List Builder");
  setModal(true);
  CreateControls();
  LayOut();
  Connect();
}

EntryList& TfrmSubFolderListBuilder::IncludeList() { return lstIncludeFolderList->list(); }
EntryList& TfrmSubFolderListBuilder::ExcludeList() { return lstExcludeFolderList->list(); }

void TfrmSubFolderListBuilder::CreateControls() {
  cboMainSourceFolder = new QComboBox(this);
  cboMainSourceFolder->setObjectName("cboMainSourceFolder");
  cboMainSourceFolder->setAccessibleName("Source Folder:");
  cboMainSourceFolder->setToolTip("Enter or Select a Source Folder.");
  cboMainSourceFolder->setEditable(true);
  cboMainSourceFolder->setInsertPolicy(QComboBox::NoInsert);
  btnMainSourceFolderAdd =
      MakeButton(this, "btnMainSourceFolderAdd", "Browse", "Browse for a Source Folder.");
  btnMainSourceFolderView =
      MakeButton(this, "btnMainSourceFolderView", "View", "View the content of the Source Folder.");

  lstViewLevelSumFolder = new QTableWidget(0, 2, this);
  lstViewLevelSumFolder->setObjectName("lstViewLevelSumFolder");
  lstViewLevelSumFolder->setAccessibleName("Level Number - Number of SubFolders");
  lstViewLevelSumFolder->setHorizontalHeaderLabels({"Level Number", "Number of SubFolders"});
  lstViewLevelSumFolder->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstViewLevelSumFolder->setSelectionBehavior(QAbstractItemView::SelectRows);
  lstViewLevelSumFolder->verticalHeader()->hide();
  lstViewLevelSumFolder->verticalHeader()->setAccessibleName("Rows");
  // Narrow columns show the start of their captions.
  lstViewLevelSumFolder->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lstViewLevelSumFolder->horizontalHeader()->setAccessibleName("Level Number, Number of SubFolders");
  lstViewLevelSumFolder->setColumnWidth(0, 100);
  lstViewLevelSumFolder->setColumnWidth(1, 140);
  lblMainLevelSumSubFolder =
      MakeCounter(this, "lblMainLevelSumSubFolder", "Contains:", "0", "Folders.");
  lblMainLevelSumFiles = MakeCounter(this, "lblMainLevelSumFiles", "Contains:", "0", "Files.");
  lblMainLevelSumFileSize = MakeCounter(this, "lblMainLevelSumFileSize", "File Size:", "0 bytes.");

  grpSubfolderLevelNumber = new QGroupBox("Subfolder Level Number", this);
  grpSubfolderLevelNumber->setObjectName("grpSubfolderLevelNumber");
  rdoFromToLevelNumber = MakeRadio(grpSubfolderLevelNumber, "rdoFromToLevelNumber", "From:",
                                   "Every Subfolder between From - To will be Listed. ");
  rdoAboveLevelNumber = MakeRadio(grpSubfolderLevelNumber, "rdoAboveLevelNumber", "Above:",
                                  "Every Subfolder Above given will be Listed.");
  rdoBelowLevelNumber = MakeRadio(grpSubfolderLevelNumber, "rdoBelowLevelNumber", "Below:",
                                  "Every Subfolder Below given will be Listed.");
  rdoFromToLevelNumber->setChecked(true);

  edtFromLevelNumber = MakeNumberField(grpSubfolderLevelNumber, "edtFromLevelNumber", "From:",
                                       "Set the From number.", "2");
  udFromLevelNumber = new UpDown("udFromLevelNumber", edtFromLevelNumber, 0, 100, true,
                                 grpSubfolderLevelNumber);
  lblFromTo = new QLabel("To:", grpSubfolderLevelNumber);
  lblFromTo->setObjectName("lblFromTo");
  edtToLevelNumber = MakeNumberField(grpSubfolderLevelNumber, "edtToLevelNumber", "To:",
                                     "Set the To Number.", "4");
  udToLevelNumber =
      new UpDown("udToLevelNumber", edtToLevelNumber, 0, 100, true, grpSubfolderLevelNumber);
  edtAboveLevelNumber = MakeNumberField(grpSubfolderLevelNumber, "edtAboveLevelNumber", "Above:",
                                        "Set the Abovenumber.", "1");
  udAboveLevelNumber =
      new UpDown("udAboveLevelNumber", edtAboveLevelNumber, 1, 100, false, grpSubfolderLevelNumber);
  edtBelowLevelNumber = MakeNumberField(grpSubfolderLevelNumber, "edtBelowLevelNumber", "Below:",
                                        "Set the Below number.", "0");
  udBelowLevelNumber =
      new UpDown("udBelowLevelNumber", edtBelowLevelNumber, 0, 100, false, grpSubfolderLevelNumber);
  // From/To is the mode at first: only its fields take input.
  for (QWidget* other : std::initializer_list<QWidget*>{edtAboveLevelNumber, udAboveLevelNumber,
                                                        edtBelowLevelNumber, udBelowLevelNumber}) {
    other->setEnabled(false);
  }
  edtFromLevelNumber->installEventFilter(this);
  edtToLevelNumber->installEventFilter(this);

  rdoBuildAllSubFolders = MakeRadio(this, "rdoBuildAllSubFolders", "All Subfolders in Path");
  rdoBuildLastSubFolder = MakeRadio(this, "rdoBuildLastSubFolder", "Only the Last Subfolder");
  rdoBuildAllSubFolders->setChecked(true);

  edtSubFolderFilter = new QLineEdit(this);
  edtSubFolderFilter->setObjectName("edtSubFolderFilter");
  edtSubFolderFilter->setAccessibleName("Subfolder Filter:");
  edtSubFolderFilter->setToolTip("Enter a string for a Subfolder Filtering.");

  btnBuildList = MakeButton(this, "btnBuildList", "Build a List", "Build a List of Subfolders.");
  btnBuilderStop = MakeButton(this, "btnBuilderStop", "Stop", "Stop the running scan.");
  btnBuilderStop->setEnabled(false);
  lblBuilderScanProgress = MakeCounter(this, "lblBuilderScanProgress", "Scan progress", "");

  lstIncludeFolderList = new EntryListView("lstIncludeFolderList", "Include Folder List",
                                           EntryListView::Selection::kMultiple, this);
  lstIncludeFolderList->setToolTip("A List of Builded (Generated)  Subfolders.");
  lstIncludeFolderList->SetHorizontalExtent(kListScrollExtent);
  lblIncludeSum = MakeCounter(this, "lblIncludeSum", "Include Folder List");
  lstExcludeFolderList = new EntryListView("lstExcludeFolderList", "Exclude Folder List",
                                           EntryListView::Selection::kMultiple, this);
  lstExcludeFolderList->setToolTip("A List of Exculded Subfolders.");
  lstExcludeFolderList->SetHorizontalExtent(kListScrollExtent);
  lblExcludeSum = MakeCounter(this, "lblExcludeSum", "Exclude Folder List");

  btnMoveToExclude = MakeButton(this, "btnMoveToExclude", ">");
  btnMoveToInclude = MakeButton(this, "btnMoveToInclude", "<");
  btnMoveAllToExclude = MakeButton(this, "btnMoveAllToExclude", ">>");
  btnMoveAllToInclude = MakeButton(this, "btnMoveAllToInclude", "<<");
  btnExchangeLists = MakeButton(this, "btnExchangeLists", "<>");

  btnEditIncludeList = MakeButton(this, "btnEditIncludeList", "Edit List");
  btnIncludeFolderListView = MakeButton(this, "btnIncludeFolderListView", "View Sel.");
  btnSmartExport = MakeButton(this, "btnSmartExport", "Export");
  btnSubFolderListBuilderLevels = MakeButton(this, "btnSubFolderListBuilderLevels", "Levels");
  btnDeleteFromExcludeList = MakeButton(this, "btnDeleteFromExcludeList", "Delete Selected");
  btnDeleteExcludedAll = MakeButton(this, "btnDeleteExcludedAll", "Delete All");
  btnHelp = MakeButton(this, "btnHelp", "Help");
  btnBuilderClearAll = MakeButton(this, "btnBuilderClearAll", "Clear All");
  btnImport = MakeButton(this, "btnImport", "Import", "Import the Folder List to the Include Window.");
  btnImport->setDefault(true);
  btnCancel = MakeButton(this, "btnCancel", "Cancel");
}

void TfrmSubFolderListBuilder::LayOut() {
  auto* source = new QHBoxLayout;
  source->addWidget(new QLabel("Source Folder:", this));
  source->addWidget(cboMainSourceFolder, 1);
  source->addWidget(btnMainSourceFolderAdd);
  source->addWidget(btnMainSourceFolderView);

  auto* totals = new QGridLayout;
  totals->addWidget(new QLabel("Contains:", this), 0, 0);
  totals->addWidget(lblMainLevelSumSubFolder, 0, 1);
  totals->addWidget(new QLabel("Folders.", this), 0, 2);
  totals->addWidget(lblMainLevelSumFiles, 1, 1);
  totals->addWidget(new QLabel("Files.", this), 1, 2);
  totals->addWidget(new QLabel("File Size:", this), 2, 0);
  totals->addWidget(lblMainLevelSumFileSize, 2, 1, 1, 2);
  totals->setRowStretch(3, 1);

  auto* numbers = new QGridLayout(grpSubfolderLevelNumber);
  numbers->addWidget(rdoFromToLevelNumber, 0, 0);
  numbers->addWidget(edtFromLevelNumber, 0, 1);
  numbers->addWidget(udFromLevelNumber, 0, 2);
  numbers->addWidget(lblFromTo, 0, 3);
  numbers->addWidget(edtToLevelNumber, 0, 4);
  numbers->addWidget(udToLevelNumber, 0, 5);
  numbers->addWidget(rdoAboveLevelNumber, 1, 0);
  numbers->addWidget(edtAboveLevelNumber, 1, 1);
  numbers->addWidget(udAboveLevelNumber, 1, 2);
  numbers->addWidget(rdoBelowLevelNumber, 2, 0);
  numbers->addWidget(edtBelowLevelNumber, 2, 1);
  numbers->addWidget(udBelowLevelNumber, 2, 2);
  numbers->setColumnStretch(6, 1);

  auto* options = new QVBoxLayout;
  options->addWidget(grpSubfolderLevelNumber);
  options->addWidget(rdoBuildAllSubFolders);
  options->addWidget(rdoBuildLastSubFolder);
  options->addWidget(new QLabel("Subfolder Filter:", this));
  options->addWidget(edtSubFolderFilter);
  auto* build = new QHBoxLayout;
  build->addWidget(btnBuildList);
  build->addWidget(btnBuilderStop);
  build->addWidget(lblBuilderScanProgress, 1);
  options->addLayout(build);
  options->addStretch();

  auto* summary = new QHBoxLayout;
  summary->addWidget(lstViewLevelSumFolder, 2);
  summary->addLayout(totals, 1);
  summary->addLayout(options, 2);

  auto* include = new QVBoxLayout;
  auto* include_head = new QHBoxLayout;
  include_head->addWidget(new QLabel("Include Folder List", this));
  include_head->addStretch();
  include_head->addWidget(lblIncludeSum);
  include->addLayout(include_head);
  include->addWidget(lstIncludeFolderList, 1);
  auto* include_buttons = new QHBoxLayout;
  for (QPushButton* b : {btnEditIncludeList, btnIncludeFolderListView, btnSmartExport,
                         btnSubFolderListBuilderLevels}) {
    include_buttons->addWidget(b);
  }
  include->addLayout(include_buttons);

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* b : {btnMoveToExclude, btnMoveToInclude, btnMoveAllToExclude,
                         btnMoveAllToInclude, btnExchangeLists}) {
    b->setFixedWidth(40);
    moves->addWidget(b);
  }
  moves->addStretch();

  auto* exclude = new QVBoxLayout;
  auto* exclude_head = new QHBoxLayout;
  exclude_head->addWidget(new QLabel("Exclude Folder List", this));
  exclude_head->addStretch();
  exclude_head->addWidget(lblExcludeSum);
  exclude->addLayout(exclude_head);
  exclude->addWidget(lstExcludeFolderList, 1);
  auto* exclude_buttons = new QHBoxLayout;
  exclude_buttons->addWidget(btnDeleteFromExcludeList);
  exclude_buttons->addWidget(btnDeleteExcludedAll);
  exclude_buttons->addStretch();
  exclude->addLayout(exclude_buttons);

  auto* lists = new QHBoxLayout;
  lists->addLayout(include, 1);
  lists->addLayout(moves);
  lists->addLayout(exclude, 1);

  auto* closing = new QHBoxLayout;
  closing->addWidget(btnHelp);
  closing->addWidget(btnBuilderClearAll);
  closing->addStretch();
  closing->addWidget(btnImport);
  closing->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(source);
  layout->addLayout(summary);
  layout->addLayout(lists, 1);
  layout->addLayout(closing);
  resize(900, 640);
}

void TfrmSubFolderListBuilder::Connect() {
  auto on = [this](QPushButton* button, void (TfrmSubFolderListBuilder::*handler)()) {
    connect(button, &QPushButton::clicked, this, handler);
  };
  on(btnMainSourceFolderAdd, &TfrmSubFolderListBuilder::btnMainSourceFolderAddClick);
  on(btnMainSourceFolderView, &TfrmSubFolderListBuilder::btnMainSourceFolderViewClick);
  connect(cboMainSourceFolder, &QComboBox::activated, this,
          &TfrmSubFolderListBuilder::cboMainSourceFolderSelect);
  OnChosen(rdoFromToLevelNumber, this, [this] { rdoFromToLevelNumberClick(); });
  OnChosen(rdoAboveLevelNumber, this, [this] { rdoAboveLevelNumberClick(); });
  OnChosen(rdoBelowLevelNumber, this, [this] { rdoBelowLevelNumberClick(); });
  on(btnBuildList, &TfrmSubFolderListBuilder::btnBuildListClick);
  on(btnMoveToExclude, &TfrmSubFolderListBuilder::btnMoveToExcludeClick);
  on(btnMoveToInclude, &TfrmSubFolderListBuilder::btnMoveToIncludeClick);
  on(btnMoveAllToExclude, &TfrmSubFolderListBuilder::btnMoveAllToExcludeClick);
  on(btnMoveAllToInclude, &TfrmSubFolderListBuilder::btnMoveAllToIncludeClick);
  on(btnExchangeLists, &TfrmSubFolderListBuilder::btnExchangeListsClick);
  on(btnDeleteFromExcludeList, &TfrmSubFolderListBuilder::btnDeleteFromExcludeListClick);
  on(btnDeleteExcludedAll, &TfrmSubFolderListBuilder::btnDeleteExcludedAllClick);
  on(btnIncludeFolderListView, &TfrmSubFolderListBuilder::btnIncludeFolderListViewClick);
  on(btnSubFolderListBuilderLevels, &TfrmSubFolderListBuilder::btnSubFolderListBuilderLevelsClick);
  on(btnSmartExport, &TfrmSubFolderListBuilder::btnSmartExportClick);
  on(btnEditIncludeList, &TfrmSubFolderListBuilder::btnEditIncludeListClick);
  on(btnBuilderClearAll, &TfrmSubFolderListBuilder::btnBuilderClearAllClick);
  on(btnHelp, &TfrmSubFolderListBuilder::btnHelpClick);
  connect(btnImport, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  // The Stop control needs no handler: while a scan runs, the event pump
  // takes its click as the stop request.
}

void TfrmSubFolderListBuilder::ShowIncludeCount(std::size_t count) {
  lblIncludeSum->setText(QString::number(count));
}

void TfrmSubFolderListBuilder::ShowCounters() {
  lblIncludeSum->setText(QString::number(IncludeList().size()));
  lblExcludeSum->setText(QString::number(ExcludeList().size()));
}

bool TfrmSubFolderListBuilder::RunStoppable(const std::function<bool()>& scan) {
  btnBuilderStop->setEnabled(true);
  bool finished = true;
  {
    // While the scan runs, the window's pump lets through only the Stop
    // control and Escape; other input waits until the command has ended.
    StoppableSection section(services_.stop_input, {btnBuilderStop});
    finished = scan();
  }
  btnBuilderStop->setEnabled(false);
  lblBuilderScanProgress->clear();
  return finished;
}

void TfrmSubFolderListBuilder::WarnScanStopped() {
  services_.prompter->Warn(msg::kScanStopped, msg::Title("0585"));
}

// --- The source folder and its summary ---------------------------------------

void TfrmSubFolderListBuilder::btnMainSourceFolderAddClick() {
  ChooseSourceFolder(services_.dialogs->BrowseForFolder(this, kBrowseTitle));
}

void TfrmSubFolderListBuilder::cboMainSourceFolderSelect() {
  ChooseSourceFolder(FromQt(cboMainSourceFolder->currentText()));
}

void TfrmSubFolderListBuilder::ChooseSourceFolder(const std::string& source) {
  const std::string folder = Trim(source);
  if (folder.empty()) {
    services_.prompter->Warn(msg::kSelectionEmpty, msg::Title("0572"));
    return;
  }
  // The counts grow while the scan runs; a stopped scan puts back what the
  // summary showed before.
  const QString before[] = {lblMainLevelSumSubFolder->text(), lblMainLevelSumFiles->text(),
                            lblMainLevelSumFileSize->text()};
  FolderStructSize size(folder);
  size.SetCountStartFolder(false);
  Throttle shown(kProgressMs);
  size.SetProgressHook([this, &shown](const FolderStructSize& so_far) {
    if (!shown.Due()) return;
    lblMainLevelSumSubFolder->setText(QString::number(so_far.FolderTotal() - 1));
    lblMainLevelSumFiles->setText(QString::number(so_far.FileTotal()));
    lblMainLevelSumFileSize->setText(ToQt(FormatByteSize(so_far.SizeTotal()).text));
  });
  const bool finished = RunStoppable([&] {
    return size.Scan(*services_.file_system, *services_.pump) == ScanOutcome::kFinished;
  });
  if (!finished) {
    lblMainLevelSumSubFolder->setText(before[0]);
    lblMainLevelSumFiles->setText(before[1]);
    lblMainLevelSumFileSize->setText(before[2]);
    WarnScanStopped();
    return;
  }
  ShowSummary(ReportIntoListBuilder(size));

  int index = -1;
  const std::string key = EntryKey(source);
  for (int i = 0; i < cboMainSourceFolder->count(); ++i) {
    if (EntryKey(FromQt(cboMainSourceFolder->itemText(i))) == key) {
      index = i;
      break;
    }
  }
  if (index < 0) {
    cboMainSourceFolder->addItem(ToQt(source));
    index = cboMainSourceFolder->count() - 1;
  }
  cboMainSourceFolder->setCurrentIndex(index);
}

void TfrmSubFolderListBuilder::ShowSummary(const _tagLevelReport& report) {
  lstViewLevelSumFolder->clearContents();
  lstViewLevelSumFolder->setRowCount(static_cast<int>(report.rows.size()));
  int row = 0;
  for (const auto& [level, folders] : report.rows) {
    lstViewLevelSumFolder->setItem(row, 0, new QTableWidgetItem(ToQt(level)));
    lstViewLevelSumFolder->setItem(row, 1, new QTableWidgetItem(ToQt(folders)));
    ++row;
  }
  lblMainLevelSumSubFolder->setText(ToQt(report.folder_total));
  lblMainLevelSumFiles->setText(ToQt(report.file_total));
  lblMainLevelSumFileSize->setText(ToQt(report.size_text));
}

void TfrmSubFolderListBuilder::btnMainSourceFolderViewClick() {
  const std::string folder = Trim(FromQt(cboMainSourceFolder->currentText()));
  if (folder.empty()) {
    services_.prompter->Warn(msg::kSelectionEmpty, msg::Title("0573"));
    return;
  }
  services_.shell->OpenFolder(folder);
}

// --- Level numbers --------------------------------------------------------

void TfrmSubFolderListBuilder::ChooseMode(QRadioButton* mode) {
  mode->setChecked(true);  // the other two let go: they share their group box
  for (QLineEdit* field :
       {edtFromLevelNumber, edtToLevelNumber, edtAboveLevelNumber, edtBelowLevelNumber}) {
    field->setText("1");
  }
  const bool from_to = mode == rdoFromToLevelNumber;
  for (QWidget* w : std::initializer_list<QWidget*>{edtFromLevelNumber, udFromLevelNumber,
                                                    lblFromTo, edtToLevelNumber, udToLevelNumber}) {
    w->setEnabled(from_to);
  }
  edtAboveLevelNumber->setEnabled(mode == rdoAboveLevelNumber);
  udAboveLevelNumber->setEnabled(mode == rdoAboveLevelNumber);
  edtBelowLevelNumber->setEnabled(mode == rdoBelowLevelNumber);
  udBelowLevelNumber->setEnabled(mode == rdoBelowLevelNumber);
}

void TfrmSubFolderListBuilder::rdoFromToLevelNumberClick() { ChooseMode(rdoFromToLevelNumber); }
void TfrmSubFolderListBuilder::rdoAboveLevelNumberClick() { ChooseMode(rdoAboveLevelNumber); }
void TfrmSubFolderListBuilder::rdoBelowLevelNumberClick() { ChooseMode(rdoBelowLevelNumber); }

void TfrmSubFolderListBuilder::edtFromLevelNumberExit() {
  _tagFromToCheck check =
      CheckFromToFields(FromQt(edtFromLevelNumber->text()), FromQt(edtToLevelNumber->text()));
  edtFromLevelNumber->setText(ToQt(check.from_text));
  edtToLevelNumber->setText(ToQt(check.to_text));
  if (check.from_corrected || check.to_corrected) edtToLevelNumber->setFocus();
}

void TfrmSubFolderListBuilder::edtToLevelNumberExit() {
  _tagFromToCheck check =
      CheckFromToFields(FromQt(edtFromLevelNumber->text()), FromQt(edtToLevelNumber->text()));
  edtFromLevelNumber->setText(ToQt(check.from_text));
  edtToLevelNumber->setText(ToQt(check.to_text));
  if (check.from_corrected) {
    edtFromLevelNumber->setFocus();
  } else if (check.to_corrected) {
    edtToLevelNumber->setFocus();
  }
}

bool TfrmSubFolderListBuilder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == edtFromLevelNumber) edtFromLevelNumberExit();
    if (watched == edtToLevelNumber) edtToLevelNumberExit();
  }
  return QDialog::eventFilter(watched, event);
}

// --- Build a List ---------------------------------------------------------

void TfrmSubFolderListBuilder::btnBuildListClick() {
  _tagBuildRequest request;
  request.source_text = FromQt(cboMainSourceFolder->currentText());
  request.filter_text = FromQt(edtSubFolderFilter->text());
  request.mode = rdoAboveLevelNumber->isChecked()   ? LevelCopy::kAbove
                 : rdoBelowLevelNumber->isChecked() ? LevelCopy::kBelow
                                                    : LevelCopy::kFromTo;
  request.from_text = FromQt(edtFromLevelNumber->text());
  request.to_text = FromQt(edtToLevelNumber->text());
  request.above_text = FromQt(edtAboveLevelNumber->text());
  request.below_text = FromQt(edtBelowLevelNumber->text());
  request.listing_option = rdoBuildLastSubFolder->isChecked() ? LevelCopy::kOnlyLastSubfolder
                                                              : LevelCopy::kAllSubfolders;
  Throttle shown(kProgressMs);
  _tagBuildHooks hooks;
  // The counter is redrawn only as often as the pump repaints; ShowCounters
  // puts the final count.
  Throttle counted;
  hooks.on_include_count = [this, &counted](std::size_t count) {
    if (count != 0 && !counted.Due()) return;
    ShowIncludeCount(count);
  };
  hooks.on_progress = [this, &shown](const LevelCopy& copy) {
    if (!shown.Due()) return;
    lblBuilderScanProgress->setText(QString("%1 folders read, %2 found")
                                        .arg(copy.FoldersListed())
                                        .arg(copy.Results().size()));
  };
  RunStoppable([&] {
    return BuildSubfolderList(request, IncludeList(), ExcludeList(), *services_.file_system,
                              *services_.prompter, *services_.pump,
                              hooks) != BuildOutcome::kStopped;
  });
  ShowCounters();
}

// --- Moves and deletions ----------------------------------------------------

void TfrmSubFolderListBuilder::btnMoveToExcludeClick() {
  BuilderMoveSelected(IncludeList(), lstIncludeFolderList->SelectedRows(), ExcludeList(),
                      *services_.pump);
  ShowCounters();
}

void TfrmSubFolderListBuilder::btnMoveToIncludeClick() {
  BuilderMoveSelected(ExcludeList(), lstExcludeFolderList->SelectedRows(), IncludeList(),
                      *services_.pump);
  ShowCounters();
}

void TfrmSubFolderListBuilder::btnMoveAllToExcludeClick() {
  BuilderMoveAll(IncludeList(), ExcludeList(), *services_.pump);
  ShowCounters();
}

void TfrmSubFolderListBuilder::btnMoveAllToIncludeClick() {
  BuilderMoveAll(ExcludeList(), IncludeList(), *services_.pump);
  ShowCounters();
}

void TfrmSubFolderListBuilder::btnExchangeListsClick() {
  BuilderExchange(IncludeList(), ExcludeList(), *services_.pump);
  ShowCounters();
}

void TfrmSubFolderListBuilder::btnDeleteFromExcludeListClick() {
  DeleteSelectedExcluded(ExcludeList(), lstExcludeFolderList->SelectedRows(), *services_.prompter);
  ShowCounters();
}

void TfrmSubFolderListBuilder::btnDeleteExcludedAllClick() {
  DeleteAllExcluded(ExcludeList(), *services_.prompter);
  ShowCounters();
  btnDeleteExcludedAll->setFocus();
}

// --- Looking at entries ---------------------------------------------------

void TfrmSubFolderListBuilder::btnIncludeFolderListViewClick() {
  auto row = lstIncludeFolderList->CurrentRow();
  if (!row) {
    services_.prompter->Warn(msg::kNoSelectedFolder, msg::Title("0574"));
    return;
  }
  services_.shell->OpenFolder(Trim(IncludeList()[*row]));
}

void TfrmSubFolderListBuilder::btnSubFolderListBuilderLevelsClick() {
  auto row = lstIncludeFolderList->CurrentRow();
  if (!row) {
    services_.prompter->Warn(msg::kNoSelectedFolder, msg::Title("0574"));
    return;
  }
  const std::string entry = IncludeList()[*row];
  if (TrimSpaces(entry).empty()) return;
  FolderStructSize size(entry);
  size.SetCountStartFolder(false);
  Throttle shown(kProgressMs);
  size.SetProgressHook([this, &shown](const FolderStructSize& so_far) {
    if (!shown.Due()) return;
    lblBuilderScanProgress->setText(QString("%1 folders, %2 files")
                                        .arg(so_far.FolderTotal() - 1)
                                        .arg(so_far.FileTotal()));
  });
  const bool finished = RunStoppable([&] {
    return size.Scan(*services_.file_system, *services_.pump) == ScanOutcome::kFinished;
  });
  if (!finished) {
    WarnScanStopped();
    return;
  }
  if (level_summary_) level_summary_->ShowLevelSummary(ReportIntoLevelSummary(size));
}

// --- Hand-overs -------------------------------------------------------------

void TfrmSubFolderListBuilder::btnSmartExportClick() {
  if (IncludeList().empty()) {
    services_.prompter->Warn(msg::kIncludeEmpty, msg::Title("0584"));
    return;
  }
  if (export_hook_) export_hook_(IncludeList().entries());
}

void TfrmSubFolderListBuilder::btnEditIncludeListClick() {
  if (edit_hook_) edit_hook_(*this);
  ShowCounters();
}

void TfrmSubFolderListBuilder::btnBuilderClearAllClick() {
  if (!ConfirmClearAll(*services_.prompter)) return;
  cboMainSourceFolder->clear();
  cboMainSourceFolder->setEditText(QString());
  lstViewLevelSumFolder->clearContents();
  lstViewLevelSumFolder->setRowCount(0);
  lblMainLevelSumSubFolder->setText("0");
  lblMainLevelSumFiles->setText("0");
  lblMainLevelSumFileSize->setText("0 bytes.");
  edtFromLevelNumber->setText("1");
  edtToLevelNumber->setText("1");
  rdoBuildAllSubFolders->setChecked(true);
  edtSubFolderFilter->clear();
  IncludeList().Clear();
  ExcludeList().Clear();
  ShowCounters();
}

void TfrmSubFolderListBuilder::btnHelpClick() {
  if (help_hook_) help_hook_();
}

}  // namespace ordovan
