#include "importexport/ui/TfrmFileImport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "importexport/ImportClass.h"
#include "importexport/ImportSteps.h"
#include "importexport/ListFileReader.h"
#include "importexport/ui/TfrmListEditor.h"
#include "importexport/ui/TfrmListManager.h"
#include "uikit/EntryListView.h"
#include "platform/EventPump.h"
#include "platform/PathServices.h"
#include "platform/Prompter.h"
#include "settings/SettingsStore.h"
#include "uikit/Choices.h"
#include "uikit/Controls.h"
#include "uikit/Dialogs.h"
#include "uikit/FileDialogFilter.h"
#include "uikit/QtText.h"
#include "uikit/Throttle.h"

namespace ordovan {

namespace {

const char kBrowseTitle[] = "Import Folder Names (strings) from Files.";
const char kBrowseFilter[] =
    "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";
const char kNotTxtQuestion[] =
    "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to select "
    "this file ?\nClick YES to Continue Selecting this file,\nClick NO to Stop the Select process.";
const char kNotTxtTitle[] = "Import File content.            Warnings no: 0311.";
const char kCannotOpen[] =
    "There was a problem opening the file !\nAction : The file is maybe corrupted.";
const char kCannotOpenTitle[] = "Import File content.            Warnings no: 0312.";
const char kPreviewDone[] = "End of the IMPORT process!";
const char kPreviewDoneTitle[] = "Import File content.            Information no: 0450.";
const char kCreateDone[] = "End of the making FOLDER LIST process! (Preview)";
const char kCreateDoneTitle[] = "Import File content.            Information no: 0451.";
const char kNotANumberTitle[] = "Import File content.";

}  // namespace

TfrmFileImport::TfrmFileImport(const AppServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
  setObjectName("frmFileImport");
  setWindowTitle("Import Folders/Subfolders/Strings  from a Text File.");
  setModal(true);
  BuildControls();
  ConnectCommands();

  FillCombo(cboFileImportDelimiter, services_.settings->DelimiterList());
  FillCombo(cboFileImportQuotationMark, services_.settings->QuotationMarkList());
  SelectPlainTextMode();
  ApplyStepEnabling();
  lblFileImportSourceLines->setText("0");
  lblFileImportPreviewLines->setText("0");
}

TfrmFileImport::~TfrmFileImport() = default;

EntryList& TfrmFileImport::CreatedList() { return lstFileImportResults->list(); }
EntryList& TfrmFileImport::SourcePreview() { return lstFileImportSource->list(); }

void TfrmFileImport::SetManagers(TfrmDelimiters* delimiters, TfrmQuotationMarks* quotation_marks) {
  delimiters_ = delimiters;
  quotation_marks_ = quotation_marks;
}

void TfrmFileImport::SetSmartImportEditor(TfrmEditSmartImport* editor) {
  editor_ = editor;
  if (editor_) editor_->SetTarget(&CreatedList());
}

void TfrmFileImport::BuildControls() {
  lblFileImportStep1 = MakeLabel(this, "lblFileImportStep1", "1.");
  lblFileImportStep2 = MakeLabel(this, "lblFileImportStep2", "2.");
  lblFileImportStep3 = MakeLabel(this, "lblFileImportStep3", "3.");
  for (QLabel* step : {lblFileImportStep1, lblFileImportStep2, lblFileImportStep3}) {
    QFont font = step->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 6);
    step->setFont(font);
  }

  // Step 1: the source file and its preview.
  auto* file_label = new QLabel("A source file name.", this);
  edtFileImportFileName = new QLineEdit(this);
  edtFileImportFileName->setObjectName("edtFileImportFileName");
  edtFileImportFileName->setAccessibleName("A source file name.");
  file_label->setBuddy(edtFileImportFileName);
  btnFileImportBrowse = MakeButton(this, "btnFileImportBrowse", "Browse");
  auto* source_label = new QLabel("Content of the original file", this);
  lstFileImportSource =
      new EntryListView("lstFileImportSource", "Content of the original file",
                        EntryListView::Selection::kSingle, this);
  lstFileImportSource->SetHorizontalExtent(kListScrollExtent);
  source_label->setBuddy(lstFileImportSource);
  auto* source_lines_caption = new QLabel("Lines:", this);
  lblFileImportSourceLines = MakeCounter(this, "lblFileImportSourceLines", "Lines:");
  btnSmartImportZoomOriginalFile = MakeButton(this, "btnSmartImportZoomOriginalFile", "Zoom");
  btnSmartImportZoomOriginalFile->setAccessibleName("Zoom the content of the original file");

  auto* step1 = new QGroupBox("Source File (Preview)", this);
  auto* step1_layout = new QGridLayout(step1);
  step1_layout->addWidget(lblFileImportStep1, 0, 0, 2, 1, Qt::AlignTop);
  step1_layout->addWidget(file_label, 0, 1);
  auto* file_row = new QHBoxLayout;
  file_row->addWidget(edtFileImportFileName, 1);
  file_row->addWidget(btnFileImportBrowse);
  step1_layout->addLayout(file_row, 1, 1);
  step1_layout->addWidget(source_label, 2, 1);
  step1_layout->addWidget(lstFileImportSource, 3, 1);
  auto* source_bottom = new QHBoxLayout;
  source_bottom->addWidget(source_lines_caption);
  source_bottom->addWidget(lblFileImportSourceLines);
  source_bottom->addStretch();
  source_bottom->addWidget(btnSmartImportZoomOriginalFile);
  step1_layout->addLayout(source_bottom, 4, 1);

  // Step 2: the settings and the created list.
  rdoFileImportPlainText = MakeRadio(this, "rdoFileImportPlainText",
                                     "From  a Plain Text File (One line - One String).");
  rdoFileImportSeparatedFile =
      MakeRadio(this, "rdoFileImportSeparatedFile", "From a CSV/ Separated file.");
  rdoFileImportAllColumns = MakeRadio(this, "rdoFileImportAllColumns", "All columns");
  rdoFileImportOneColumn = MakeRadio(this, "rdoFileImportOneColumn", "Select a Column :");
  // Two choices of their own among the dialog's controls; the columns have
  // none chosen while the file is plain text.
  mode_choice_ = MakeExclusiveGroup(this, {rdoFileImportPlainText, rdoFileImportSeparatedFile});
  column_choice_ = MakeExclusiveGroup(this, {rdoFileImportAllColumns, rdoFileImportOneColumn});
  edtFileImportColumnNumber = new QLineEdit("1", this);
  edtFileImportColumnNumber->setObjectName("edtFileImportColumnNumber");
  edtFileImportColumnNumber->setAccessibleName("Select a Column :");
  edtFileImportColumnNumber->setFixedWidth(48);
  UDFileImportColumnNumber = new QWidget(this);
  UDFileImportColumnNumber->setObjectName("UDFileImportColumnNumber");
  UDFileImportColumnNumber->setAccessibleName("Column number up and down");
  auto* up = new QToolButton(UDFileImportColumnNumber);
  up->setObjectName("UDFileImportColumnNumberUp");
  up->setArrowType(Qt::UpArrow);
  up->setAccessibleName("Next column");
  auto* down = new QToolButton(UDFileImportColumnNumber);
  down->setObjectName("UDFileImportColumnNumberDown");
  down->setArrowType(Qt::DownArrow);
  down->setAccessibleName("Previous column");
  auto* ud_layout = new QVBoxLayout(UDFileImportColumnNumber);
  ud_layout->setContentsMargins(0, 0, 0, 0);
  ud_layout->setSpacing(0);
  for (QToolButton* arrow : {up, down}) {
    arrow->setFixedSize(18, 12);
    ud_layout->addWidget(arrow);
  }
  connect(up, &QToolButton::clicked, this, [this] { StepColumnNumber(1); });
  connect(down, &QToolButton::clicked, this, [this] { StepColumnNumber(-1); });

  lblFileImportDelimiter = MakeLabel(this, "lblFileImportDelimiter", "Delimiter :");
  cboFileImportDelimiter = new QComboBox(this);
  cboFileImportDelimiter->setObjectName("cboFileImportDelimiter");
  cboFileImportDelimiter->setEditable(true);
  cboFileImportDelimiter->setToolTip("Choose a delimiter from the list.");
  cboFileImportDelimiter->setAccessibleName("Delimiter :");
  lblFileImportDelimiter->setBuddy(cboFileImportDelimiter);
  cboFileImportQuotationMark = new QComboBox(this);
  cboFileImportQuotationMark->setObjectName("cboFileImportQuotationMark");
  cboFileImportQuotationMark->setEditable(true);
  cboFileImportQuotationMark->setAccessibleName("Quotation mark");
  cboFileImportQuotationMark->hide();
  btnFileImportManageSeparators =
      MakeButton(this, "btnFileImportManageSeparators", "Manage Delimiters...");
  btnFileImportManageQuotationMarks =
      MakeButton(this, "btnFileImportManageQuotationMarks", "Manage Quotation Marks...");
  chkFileImportAbandonQMarks =
      new QCheckBox("Abandon Quotation Marks around strings (if any).", this);
  chkFileImportAbandonQMarks->setObjectName("chkFileImportAbandonQMarks");
  chkFileImportAbandonQMarks->setAccessibleName(chkFileImportAbandonQMarks->text());
  chkFileImportAbandonQMarks->setChecked(true);
  btnFileImportFrom =
      MakeButton(this, "btnFileImportFrom", "Create a      Folder/String  List");
  btnFileImportFrom->setAccessibleName("Create a Folder/String List");

  lblFileImportResults = MakeLabel(this, "lblFileImportResults",
                                   "Created List (Folder/String) based on the current settings.");
  lstFileImportResults = new EntryListView(
      "lstFileImportResults", "Created List (Folder/String) based on the current settings.",
      EntryListView::Selection::kSingle, this);
  lstFileImportResults->SetHorizontalExtent(kListScrollExtent);
  lblFileImportResults->setBuddy(lstFileImportResults);
  lblFileImportPreviewLinesCaption = MakeLabel(this, "lblFileImportPreviewLinesCaption", "Lines:");
  lblFileImportPreviewLines = MakeCounter(this, "lblFileImportPreviewLines", "Lines:");
  btnSmartImportZoomPreview = MakeButton(this, "btnSmartImportZoomPreview", "Zoom");
  btnSmartImportZoomPreview->setAccessibleName("Zoom the created list");
  btnSmartImportPreviewEdit = MakeButton(this, "btnSmartImportPreviewEdit", "Edit");
  btnSmartImportPreviewEdit->setAccessibleName("Edit the created list");

  auto* step2 = new QGroupBox("Created List from the Source", this);
  auto* step2_layout = new QGridLayout(step2);
  step2_layout->addWidget(lblFileImportStep2, 0, 0, 2, 1, Qt::AlignTop);
  auto* settings = new QGridLayout;
  settings->addWidget(rdoFileImportPlainText, 0, 0, 1, 4);
  settings->addWidget(rdoFileImportSeparatedFile, 1, 0, 1, 4);
  settings->addWidget(rdoFileImportAllColumns, 2, 1);
  auto* column_row = new QHBoxLayout;
  column_row->addWidget(rdoFileImportOneColumn);
  column_row->addWidget(edtFileImportColumnNumber);
  column_row->addWidget(UDFileImportColumnNumber);
  column_row->addStretch();
  settings->addLayout(column_row, 3, 1);
  auto* delimiter_row = new QHBoxLayout;
  delimiter_row->addWidget(lblFileImportDelimiter);
  delimiter_row->addWidget(cboFileImportDelimiter);
  delimiter_row->addWidget(btnFileImportManageSeparators);
  delimiter_row->addWidget(btnFileImportManageQuotationMarks);
  delimiter_row->addStretch();
  settings->addLayout(delimiter_row, 4, 1, 1, 3);
  settings->addWidget(chkFileImportAbandonQMarks, 5, 0, 1, 4);
  settings->addWidget(btnFileImportFrom, 6, 0, 1, 2, Qt::AlignLeft);
  settings->setColumnMinimumWidth(0, 16);
  step2_layout->addLayout(settings, 0, 1);
  step2_layout->addWidget(lblFileImportResults, 1, 1);
  step2_layout->addWidget(lstFileImportResults, 2, 1);
  auto* results_bottom = new QHBoxLayout;
  results_bottom->addWidget(lblFileImportPreviewLinesCaption);
  results_bottom->addWidget(lblFileImportPreviewLines);
  results_bottom->addStretch();
  results_bottom->addWidget(btnSmartImportZoomPreview);
  results_bottom->addWidget(btnSmartImportPreviewEdit);
  step2_layout->addLayout(results_bottom, 3, 1);

  // Step 3 and the dialog's own buttons.
  btnFileImportOk = MakeButton(this, "btnFileImportOk", "IMPORT");
  btnFileImportOk->setDefault(true);
  btnFileImportCancel = MakeButton(this, "btnFileImportCancel", "Cancel");
  btnFileImportClear = MakeButton(this, "btnFileImportClear", "Clear All  ");
  btnFileImportHelp = MakeButton(this, "btnFileImportHelp", "Help");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblFileImportStep3);
  bottom->addWidget(btnFileImportOk);
  bottom->addStretch();
  bottom->addWidget(btnFileImportClear);
  bottom->addWidget(btnFileImportCancel);
  bottom->addWidget(btnFileImportHelp);

  auto* lists = new QHBoxLayout;
  lists->addWidget(step1, 1);
  lists->addWidget(step2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(bottom);
  resize(1000, 620);
}

void TfrmFileImport::ConnectCommands() {
  auto on = [this](QPushButton* button, void (TfrmFileImport::*handler)()) {
    connect(button, &QPushButton::clicked, this, handler);
  };
  on(btnFileImportBrowse, &TfrmFileImport::btnFileImportBrowseClick);
  on(btnFileImportFrom, &TfrmFileImport::btnFileImportFromClick);
  on(btnFileImportClear, &TfrmFileImport::btnFileImportClearClick);
  on(btnSmartImportZoomOriginalFile, &TfrmFileImport::btnSmartImportZoomOriginalFileClick);
  on(btnSmartImportZoomPreview, &TfrmFileImport::btnSmartImportZoomPreviewClick);
  on(btnSmartImportPreviewEdit, &TfrmFileImport::btnSmartImportPreviewEditClick);
  on(btnFileImportHelp, &TfrmFileImport::btnFileImportHelpClick);
  on(btnFileImportManageSeparators, &TfrmFileImport::btnFileImportManageSeparatorsClick);
  on(btnFileImportManageQuotationMarks, &TfrmFileImport::btnFileImportManageQuotationMarksClick);
  connect(btnFileImportOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnFileImportCancel, &QPushButton::clicked, this, &QDialog::reject);
  // While IMPORT is enabled it is the default button and takes the Enter key.
  connect(edtFileImportFileName, &QLineEdit::returnPressed, this, [this] {
    if (!btnFileImportOk->isEnabled()) btnFileImportBrowseClick();
  });
  auto radio = [this](QRadioButton* button, void (TfrmFileImport::*handler)()) {
    OnChosen(button, this, [this, handler] { (this->*handler)(); });
  };
  radio(rdoFileImportPlainText, &TfrmFileImport::rdoFileImportPlainTextClick);
  radio(rdoFileImportSeparatedFile, &TfrmFileImport::rdoFileImportSeparatedFileClick);
  radio(rdoFileImportAllColumns, &TfrmFileImport::rdoFileImportAllColumnsClick);
  radio(rdoFileImportOneColumn, &TfrmFileImport::rdoFileImportOneColumnClick);
}

void TfrmFileImport::FillCombo(QComboBox* combo, const TEXT_LIST& stored) {
  const TEXT_LIST& entries = stored.empty() ? DefaultImportCombo() : stored;
  EntryList seen;
  combo->clear();
  for (const std::string& entry : entries) {
    const std::string key = EntryKey(entry);
    if (seen.ContainsKey(key)) continue;
    seen.AppendKeyed(entry, key);
    combo->addItem(ToQt(entry));
  }
  combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

void TfrmFileImport::SelectPlainTextMode() {
  rdoFileImportPlainText->setChecked(true);
  ClearChoice(column_choice_);
  rdoFileImportAllColumns->setEnabled(false);
  rdoFileImportOneColumn->setEnabled(false);
  for (QWidget* w : {static_cast<QWidget*>(edtFileImportColumnNumber), UDFileImportColumnNumber,
                     static_cast<QWidget*>(lblFileImportDelimiter),
                     static_cast<QWidget*>(cboFileImportDelimiter)}) {
    w->setEnabled(false);
  }
}

void TfrmFileImport::ApplyStepEnabling() {
  const bool present = !SourcePreview().empty();
  for (QWidget* w : std::initializer_list<QWidget*>{
           lstFileImportResults, lblFileImportResults, lblFileImportPreviewLinesCaption,
           lblFileImportPreviewLines, btnSmartImportZoomPreview, btnSmartImportPreviewEdit,
           rdoFileImportPlainText, rdoFileImportSeparatedFile, chkFileImportAbandonQMarks,
           btnFileImportFrom, lblFileImportStep2}) {
    w->setEnabled(present);
  }
  if (present) {
    SelectPlainTextMode();
  } else {
    for (QWidget* w : std::initializer_list<QWidget*>{
             rdoFileImportSeparatedFile, rdoFileImportAllColumns, rdoFileImportOneColumn,
             edtFileImportColumnNumber, UDFileImportColumnNumber, lblFileImportDelimiter,
             cboFileImportDelimiter}) {
      w->setEnabled(false);
    }
  }
  UpdateImportEnabled();
}

void TfrmFileImport::UpdateImportEnabled() {
  const bool ready = !SourcePreview().empty() && !CreatedList().empty();
  btnFileImportOk->setEnabled(ready);
  lblFileImportStep3->setEnabled(ready);
}

void TfrmFileImport::rdoFileImportPlainTextClick() { SelectPlainTextMode(); }

void TfrmFileImport::rdoFileImportSeparatedFileClick() {
  rdoFileImportSeparatedFile->setChecked(true);
  rdoFileImportAllColumns->setEnabled(true);
  rdoFileImportOneColumn->setEnabled(true);
  rdoFileImportAllColumnsClick();
  lblFileImportDelimiter->setEnabled(true);
  cboFileImportDelimiter->setEnabled(true);
}

void TfrmFileImport::rdoFileImportAllColumnsClick() {
  rdoFileImportAllColumns->setChecked(true);
  edtFileImportColumnNumber->setEnabled(false);
  UDFileImportColumnNumber->setEnabled(false);
}

void TfrmFileImport::rdoFileImportOneColumnClick() {
  rdoFileImportOneColumn->setChecked(true);
  edtFileImportColumnNumber->setEnabled(true);
  UDFileImportColumnNumber->setEnabled(true);
}

void TfrmFileImport::StepColumnNumber(int step) {
  // 1 to 100, wrapping around; a text that is no number starts again at 1.
  const std::optional<int> current = ParseColumnNumber(FromQt(edtFileImportColumnNumber->text()));
  int next = current ? *current + step : 1;
  if (next > 100) next = 1;
  if (next < 1) next = 100;
  edtFileImportColumnNumber->setText(QString::number(next));
}

void TfrmFileImport::btnFileImportBrowseClick() {
  FileDialogRequest request;
  request.title = kBrowseTitle;
  request.filter = QtFileDialogFilter(kBrowseFilter);
  request.default_extension = "txt";
  const std::string file = services_.dialogs->OpenFileName(this, request);
  if (file.empty()) {
    ApplyStepEnabling();
    return;
  }
  std::string extension = PlatformExtensionOf(file);
  if (!extension.empty()) extension.erase(0, 1);
  if (PlatformLower(extension) != "txt" && !services_.prompter->Ask(kNotTxtQuestion, kNotTxtTitle)) {
    return;
  }
  // Read whole before anything is shown: a file that cannot be read leaves
  // the file name, the preview and the created list as they were, so the
  // dialog never names a file whose list it does not hold.
  TEXT_LIST lines;
  const ListReadOutcome outcome = ReadListFile(
      *services_.file_system, file,
      [&lines](const std::string& line) {
        if (!Trim(line).empty()) lines.push_back(PreviewLine(line));
      },
      [&lines] { lines.clear(); });
  if (outcome == ListReadOutcome::kCannotOpen) {
    services_.prompter->Warn(kCannotOpen, kCannotOpenTitle);
    return;
  }
  if (outcome != ListReadOutcome::kRead) {
    const ImportWarning& warning = ImportWarningFor(outcome);
    services_.prompter->Warn(warning.text, warning.title);
    return;
  }
  edtFileImportFileName->setText(ToQt(file));
  CreatedList().Clear();
  SourcePreview().Clear();
  // In slices, so the counter grows visibly on a long file.
  constexpr std::size_t kSlice = 2000;
  for (std::size_t first = 0; first < lines.size(); first += kSlice) {
    const std::size_t last = std::min(lines.size(), first + kSlice);
    SourcePreview().AppendAll(TEXT_LIST(lines.begin() + first, lines.begin() + last));
    lblFileImportSourceLines->setText(QString::number(last));
    services_.pump->Pump();
  }
  lblFileImportSourceLines->setText(QString::number(lines.size()));
  services_.prompter->Inform(kPreviewDone, kPreviewDoneTitle);
  ApplyStepEnabling();
}

void TfrmFileImport::btnFileImportFromClick() {
  ImportRequest request;
  request.file_name = FromQt(edtFileImportFileName->text());
  request.mode = ImportPlainText;
  if (rdoFileImportSeparatedFile->isChecked()) {
    if (rdoFileImportAllColumns->isChecked()) {
      request.mode = ImportAllColumns;
    } else if (rdoFileImportOneColumn->isChecked()) {
      request.mode = ImportOneColumn;
    }
  }
  // The column number is checked before the created list is touched.
  int column = 1;
  if (request.mode == ImportOneColumn) {
    const std::string text = FromQt(edtFileImportColumnNumber->text());
    const std::optional<int> parsed = ParseColumnNumber(text);
    if (!parsed) {
      services_.prompter->Fail("'" + text + "' is not a valid integer value.", kNotANumberTitle);
      return;
    }
    column = *parsed;
  }
  request.delimiter = FromQt(cboFileImportDelimiter->currentText());
  request.quotation_mark = FromQt(cboFileImportQuotationMark->currentText());
  request.abandon_quotation_marks = chkFileImportAbandonQMarks->isChecked();

  ImportClass import(*services_.file_system, *services_.prompter, request);
  import.SetColumn(column);
  import.Parse();
  // A refused or unreadable file has been reported by the parser; the list
  // of the file read before goes too, so IMPORT cannot hand it over under
  // this file's name.
  if (import.outcome() != ListReadOutcome::kRead) {
    CreatedList().Clear();
  } else {
    Throttle throttle;
    std::size_t last_position = 0;
    FillCreatedList(
        import.GetItems(), CreatedList(),
        [&](std::size_t position) {
          last_position = position;
          if (!throttle.Due()) return;
          lblFileImportPreviewLines->setText(QString::number(position));
        },
        *services_.pump);
    if (last_position != 0) lblFileImportPreviewLines->setText(QString::number(last_position));
  }
  UpdateImportEnabled();
  services_.prompter->Inform(kCreateDone, kCreateDoneTitle);
}

void TfrmFileImport::btnFileImportClearClick() {
  edtFileImportFileName->clear();
  SourcePreview().Clear();
  CreatedList().Clear();
  SelectPlainTextMode();
  edtFileImportColumnNumber->setText("1");
  chkFileImportAbandonQMarks->setChecked(true);
  if (cboFileImportDelimiter->count() > 0) cboFileImportDelimiter->setCurrentIndex(0);
  ApplyStepEnabling();
}

void TfrmFileImport::btnSmartImportZoomOriginalFileClick() {
  if (zoom_hook_) zoom_hook_(SourcePreview().entries());
}

void TfrmFileImport::btnSmartImportZoomPreviewClick() {
  if (zoom_hook_) zoom_hook_(CreatedList().entries());
}

void TfrmFileImport::btnSmartImportPreviewEditClick() {
  if (!editor_) return;
  editor_->SetItems(CreatedList().entries());
  editor_->exec();
}

void TfrmFileImport::btnFileImportHelpClick() {
  if (help_hook_) help_hook_();
}

void TfrmFileImport::btnFileImportManageSeparatorsClick() {
  if (!delimiters_) return;
  delimiters_->exec();
  FillCombo(cboFileImportDelimiter, services_.settings->DelimiterList());
}

void TfrmFileImport::btnFileImportManageQuotationMarksClick() {
  if (!quotation_marks_) return;
  quotation_marks_->exec();
  FillCombo(cboFileImportQuotationMark, services_.settings->QuotationMarkList());
}

}  // namespace ordovan
