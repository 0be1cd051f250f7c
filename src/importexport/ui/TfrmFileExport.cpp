#include "importexport/ui/TfrmFileExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "help/HelpTexts.h"
#include "paths/EntryList.h"
#include "paths/ValidationReports.h"
#include "uikit/EntryListView.h"
#include "platform/EventPump.h"
#include "platform/FileSystem.h"
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

constexpr int kShownListExtent = 2000;  // pixels of sideways scrolling

constexpr const char* kSyntaxTitle = "Export Content to a File.            Warning no: 0385bc.";
constexpr const char* kCannotSaveText =
    "There was a problem saving the file !\nAction : The file is maybe corrupted.";
constexpr const char* kCannotSaveTitle = "Export Conrent to File.            Warning no: 0330.";
constexpr const char* kEndText = "End of the exporting process.";
constexpr const char* kEmptyDelimiterText =
    "The Delimiter is empty !\nAction : Choose or type a Delimiter for the Separated File.";
constexpr const char* kEmptyDelimiterTitle =
    "Export Content to a File.            Warning no: 0386.";
constexpr const char* kLineTooLongText =
    "The separated line would be longer than 32767 characters !\nAction : Export to a Plain Text "
    "File (one line - one string), or export fewer strings.";
constexpr const char* kLineTooLongTitle =
    "Export Content to a File.            Warning no: 0387.";
constexpr const char* kReplaceTitle = "Export Content to a File.            Question no: 0331.";
constexpr const char* kSaveTitle = "Export Folder Names (strings) to a file.";
constexpr const char* kSaveFilter =
    "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";

}  // namespace

TfrmFileExport::TfrmFileExport(const AppServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
  setObjectName("frmFileExport");
  setWindowTitle("Export Datas to a File.");
  setModal(true);

  auto* source_caption = new QLabel("Original Content to Export:", this);
  lblSmartExportSource = MakeCounter(this, "lblSmartExportSource", "Original Content to Export:");
  lstFileExportSource = new EntryListView("lstFileExportSource", "Original Content to Export:",
                                          EntryListView::Selection::kSingle, this);
  lstFileExportSource->SetHorizontalExtent(kShownListExtent);

  auto* type_group = new QGroupBox("Export Type", this);
  type_group->setAccessibleName("Export Type");
  rdoFileExportPlainTextFile = MakeRadio(type_group, "rdoFileExportPlainTextFile",
                                         "To a Plain Text File. One Line - one string.");
  rdoFileExportCSVSeparatedFile =
      MakeRadio(type_group, "rdoFileExportCSVSeparatedFile", "To a CSV - Separated File.");
  auto* delimiter_caption = new QLabel("Select a Delimiter", type_group);
  cboFileExportDelimiter = new QComboBox(type_group);
  cboFileExportDelimiter->setObjectName("cboFileExportDelimiter");
  cboFileExportDelimiter->setAccessibleName("Select a Delimiter");
  cboFileExportDelimiter->setEditable(true);
  cboFileExportDelimiter->setInsertPolicy(QComboBox::NoInsert);
  cboFileExportDelimiter->lineEdit()->setAccessibleName("Select a Delimiter");
  delimiter_caption->setBuddy(cboFileExportDelimiter);
  chkFileExportQuotationMarks = new QCheckBox("Put Double Quotes around strings.", type_group);
  chkFileExportQuotationMarks->setObjectName("chkFileExportQuotationMarks");
  chkFileExportQuotationMarks->setAccessibleName("Put Double Quotes around strings.");
  auto* type_layout = new QGridLayout(type_group);
  type_layout->addWidget(rdoFileExportPlainTextFile, 0, 0, 1, 2);
  type_layout->addWidget(rdoFileExportCSVSeparatedFile, 1, 0, 1, 2);
  type_layout->addWidget(delimiter_caption, 2, 0);
  type_layout->addWidget(cboFileExportDelimiter, 2, 1);
  type_layout->addWidget(chkFileExportQuotationMarks, 3, 0, 1, 2);

  auto* lines_group = new QGroupBox("Export Lines", this);
  lines_group->setAccessibleName("Export Lines");
  rdoFileExportUnModified = MakeRadio(lines_group, "rdoFileExportUnModified", "Unmodified",
                                      "Export Folders, Strings Unmodified.");
  rdoFileExportWithoutDriveLetter =
      MakeRadio(lines_group, "rdoFileExportWithoutDriveLetter",
                "As Folder Templates     (Without Drive Letters, if ANY)",
                "Export Folders without Drive Letter, strings Unmodified.");
  auto* lines_layout = new QVBoxLayout(lines_group);
  lines_layout->addWidget(rdoFileExportUnModified);
  lines_layout->addWidget(rdoFileExportWithoutDriveLetter);

  auto* slashes_group = new QGroupBox("Export with", this);
  slashes_group->setAccessibleName("Export with");
  rdoExportWithBackSlashes =
      MakeRadio(slashes_group, "rdoExportWithBackSlashes", "Backslashes (Windows)");
  rdoExportWithForwardSlashes =
      MakeRadio(slashes_group, "rdoExportWithForwardSlashes", "Forward Slashes (Apple)");
  auto* slashes_layout = new QVBoxLayout(slashes_group);
  slashes_layout->addWidget(rdoExportWithBackSlashes);
  slashes_layout->addWidget(rdoExportWithForwardSlashes);

  auto* exported_caption = new QLabel("Exported:", this);
  lblSmartExportExported = MakeCounter(this, "lblSmartExportExported", "Exported:");
  btnFileExportTo = MakeButton(this, "btnFileExportTo", "Export To...");
  btnFileExportClose = MakeButton(this, "btnFileExportClose", "Close");

  auto* source_row = new QHBoxLayout;
  source_row->addWidget(source_caption);
  source_row->addWidget(lblSmartExportSource);
  source_row->addStretch();
  auto* choices = new QVBoxLayout;
  choices->addWidget(type_group);
  choices->addWidget(lines_group);
  choices->addWidget(slashes_group);
  choices->addStretch();
  auto* middle = new QHBoxLayout;
  middle->addWidget(lstFileExportSource, 1);
  middle->addLayout(choices);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(exported_caption);
  bottom->addWidget(lblSmartExportExported);
  bottom->addStretch();
  bottom->addWidget(btnFileExportTo);
  bottom->addWidget(btnFileExportClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(source_row);
  layout->addLayout(middle, 1);
  layout->addLayout(bottom);
  resize(820, 480);

  FormCreate();
  // After the creation step, which makes the first choices itself.
  OnChosen(rdoFileExportPlainTextFile, this, [this] { rdoFileExportPlainTextFileClick(); });
  OnChosen(rdoFileExportCSVSeparatedFile, this, [this] { rdoFileExportCSVSeparatedFileClick(); });
  for (QRadioButton* choice : {rdoFileExportUnModified, rdoFileExportWithoutDriveLetter,
                               rdoExportWithBackSlashes, rdoExportWithForwardSlashes}) {
    OnChosen(choice, this, [this] { RebuildShownList(); });
  }
  connect(btnFileExportTo, &QPushButton::clicked, this, &TfrmFileExport::btnFileExportToClick);
  connect(btnFileExportClose, &QPushButton::clicked, this,
          &TfrmFileExport::btnFileExportCloseClick);
}

TfrmFileExport::~TfrmFileExport() = default;

void TfrmFileExport::FormCreate() {
  TEXT_LIST delimiters;
  if (services_.settings) delimiters = services_.settings->DelimiterList();
  if (delimiters.empty()) delimiters = DefaultExportDelimiters();
  EntryList seen;
  for (const std::string& delimiter : delimiters) {
    if (seen.Contains(delimiter)) continue;
    seen.Append(delimiter);
    cboFileExportDelimiter->addItem(ToQt(delimiter));
  }
  cboFileExportDelimiter->setCurrentIndex(0);
  rdoFileExportPlainTextFile->setChecked(true);
  cboFileExportDelimiter->setEnabled(false);
  rdoFileExportUnModified->setChecked(true);
  rdoExportWithBackSlashes->setChecked(true);
  kind_ = kExportKindFolders;
  lblSmartExportSource->setText("0");
  lblSmartExportExported->setText("0");
}

void TfrmFileExport::Reset() {
  lblSmartExportSource->setText("0");
  lblSmartExportExported->setText("0");
  ShownList().Clear();
}

EntryList& TfrmFileExport::ShownList() { return lstFileExportSource->list(); }

void TfrmFileExport::ShowSourceCount(std::size_t count) {
  lblSmartExportSource->setText(QString::number(count));
}

void TfrmFileExport::ShowWhileFilling() {
  setModal(false);
  show();
}

void TfrmFileExport::ExportEntries(const TEXT_LIST& entries, bool in_view) {
  Reset();
  if (in_view) ShowWhileFilling();
  EntryList& shown = ShownList();
  Throttle counted;
  for (const std::string& entry : entries) {
    std::string key = EntryKey(entry);
    if (shown.ContainsKey(key)) continue;
    shown.AppendKeyed(entry, key);
    if (counted.Due()) ShowSourceCount(shown.size());
    services_.pump->Pump();
  }
  kind_ = kExportKindFolders;
  ShowModally();
}

void TfrmFileExport::ShowModally() {
  hide();
  setModal(true);
  FormActivate();
  // After the activation, whose rebuild of the shown list ends any selection.
  if (!ShownList().empty()) lstFileExportSource->SelectRow(0);
  exec();
}

// Runs once per opening (a message box closing over the dialog does not
// run it again), and applies the current choices, so that the shown list is
// what "Export To..." writes.
void TfrmFileExport::FormActivate() {
  const bool strings = ExportKind(kind_) == kExportKindStrings;
  rdoFileExportUnModified->setEnabled(!strings);
  rdoFileExportWithoutDriveLetter->setEnabled(!strings);
  callers_items_ = ShownList().entries();
  RebuildShownList();
}

ExportLines TfrmFileExport::CurrentLines() const {
  return rdoFileExportWithoutDriveLetter->isChecked() ? ExportLines::kFolderTemplates
                                                      : ExportLines::kUnmodified;
}

ExportSlashes TfrmFileExport::CurrentSlashes() const {
  return rdoExportWithForwardSlashes->isChecked() ? ExportSlashes::kForwardSlashes
                                                  : ExportSlashes::kBackslashes;
}

void TfrmFileExport::rdoFileExportPlainTextFileClick() { cboFileExportDelimiter->setEnabled(false); }

void TfrmFileExport::rdoFileExportCSVSeparatedFileClick() {
  cboFileExportDelimiter->setEnabled(true);
}

void TfrmFileExport::RebuildShownList() {
  lblSmartExportSource->setText("0");
  lblSmartExportExported->setText("0");
  ordovan::RebuildShownList(callers_items_, CurrentLines(), CurrentSlashes(), ShownList(),
                            Throttled([this](std::size_t n) { ShowSourceCount(n); }),
                            *services_.pump);
  ShowSourceCount(ShownList().size());
}

void TfrmFileExport::btnFileExportToClick() {
  Prompter& prompter = *services_.prompter;
  ExportRequest request;
  request.type = rdoFileExportCSVSeparatedFile->isChecked() ? ExportFileType::kSeparated
                                                             : ExportFileType::kPlainText;
  request.delimiter = ExportDelimiter(FromQt(cboFileExportDelimiter->currentText()));
  request.quotes = chkFileExportQuotationMarks->isChecked();
  request.slashes = CurrentSlashes();
  request.kind = ExportKind(kind_);
  // Without a delimiter the items of a separated file would run together.
  if (request.type == ExportFileType::kSeparated && request.delimiter.empty()) {
    prompter.Warn(kEmptyDelimiterText, kEmptyDelimiterTitle);
    return;
  }
  // The import reads lines of up to 32,767 characters: a longer separated
  // line would be a file this program cannot read back.
  if (!FitsOneImportLine(ShownList().entries(), request)) {
    prompter.Warn(kLineTooLongText, kLineTooLongTitle);
    return;
  }
  std::string report;
  if (ReportSyntaxErrors(&report, ShownList().entries())) {
    prompter.Warn(report, kSyntaxTitle);
    return;
  }
  FileDialogRequest save;
  save.title = kSaveTitle;
  save.filter = QtFileDialogFilter(kSaveFilter);
  save.default_extension = "txt";
  save.confirm_overwrite = false;  // asked below, through the prompter
  request.file_name = services_.dialogs->SaveFileName(this, save);
  if (request.file_name.empty()) return;

  FileSystem& files = *services_.file_system;
  if (files.IsFolder(request.file_name)) {
    prompter.Warn(kCannotSaveText, kCannotSaveTitle);
    return;
  }
  // Another person's file is never replaced without asking.
  if (files.IsFile(request.file_name) &&
      !prompter.Ask("The file already exists !\n" + request.file_name +
                        "\n\nDo you want to replace it?",
                    kReplaceTitle)) {
    return;
  }
  const QString before = lblSmartExportExported->text();
  lblSmartExportExported->setText("0");
  const ExportResult result = WriteExportFile(
      files, request, ShownList().entries(),
      Throttled([this](std::size_t n) { lblSmartExportExported->setText(QString::number(n)); }),
      *services_.pump);
  if (result.outcome != ExportOutcome::kWritten) {
    // Nothing of this export reached the file: the counter says so.
    lblSmartExportExported->setText(before);
    prompter.Warn(kCannotSaveText, kCannotSaveTitle);
    return;
  }
  lblSmartExportExported->setText(QString::number(result.exported));
  prompter.Notify(kEndText, kProductTitle);
}

void TfrmFileExport::btnFileExportCloseClick() { accept(); }

}  // namespace ordovan
