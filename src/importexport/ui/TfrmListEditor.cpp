#include "importexport/ui/TfrmListEditor.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QVBoxLayout>

#include "importexport/ListEditing.h"
#include "platform/EventPump.h"
#include "platform/Prompter.h"
#include "uikit/Controls.h"
#include "uikit/Throttle.h"
#include "uikit/QtText.h"

namespace ordovan {

namespace {

const char kVol14CheckTitle[] = "Ordovan.          Warning no: 140035.";
const char kBuilderCheckTitle[] = "Folder Level List Builder.            Warning no: 0385bc.";
const char kSmartImportLimitText[] =
    "In this Version you can enter or load\nmaximum 30,000 Folders/Subfolders!\n\n";
const char kSmartImportLimitTitle[] = "Edit Import Folders/Subfolders.            Warning no: 0297.";

}  // namespace

TfrmListEditor::TfrmListEditor(const AppServices& services, const ListEditorNames& names,
                               QWidget* parent)
    : QDialog(parent), services_(services) {
  setObjectName(names.object_name);
  setWindowTitle(names.caption);
  setModal(true);
  const QString p = names.prefix;

  mmoEdit = new QPlainTextEdit(this);
  mmoEdit->setObjectName(names.memo);
  mmoEdit->setAccessibleName(names.caption);
  // A long path stays one line: the memo scrolls instead of wrapping.
  mmoEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmoEdit->installEventFilter(this);

  auto* lines_label = new QLabel("Lines:", this);
  lblLinesSum = MakeCounter(this, names.counter, "Lines:");
  btnOk = MakeButton(this, "btn" + p + "Ok", "OK");
  btnCancel = MakeButton(this, "btn" + p + "Cancel", "Cancel");
  btnHelp = MakeButton(this, "btn" + p + "Help", "Help");

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lines_label);
  bottom->addWidget(lblLinesSum);
  bottom->addStretch();
  bottom->addWidget(btnOk);
  bottom->addWidget(btnCancel);
  bottom->addWidget(btnHelp);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(mmoEdit, 1);
  layout->addLayout(bottom);
  resize(760, 520);

  connect(btnOk, &QPushButton::clicked, this, &TfrmListEditor::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmListEditor::btnCancelClick);
  connect(btnHelp, &QPushButton::clicked, this, &TfrmListEditor::btnHelpClick);
}

TfrmListEditor::~TfrmListEditor() = default;

void TfrmListEditor::SetItems(const TEXT_LIST& items) {
  std::string text;
  std::size_t size = 0;
  for (const std::string& item : items) size += item.size() + 1;
  text.reserve(size);
  for (const std::string& item : items) {
    text += item;
    text += '\n';
  }
  mmoEdit->setPlainText(ToQt(text));
}

std::size_t TfrmListEditor::MemoLineCount() const {
  const QTextDocument* document = mmoEdit->document();
  const int blocks = document->blockCount();
  const bool last_empty = document->lastBlock().text().isEmpty();
  return static_cast<std::size_t>(blocks - (last_empty ? 1 : 0));
}

void TfrmListEditor::ShowLineCount() { lblLinesSum->setText(QString::number(MemoLineCount())); }

void TfrmListEditor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) OnActivate();
  mmoEdit->setFocus();
}

bool TfrmListEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mmoEdit && event->type() == QEvent::KeyRelease) ShowLineCount();
  return QDialog::eventFilter(watched, event);
}

void TfrmListEditor::btnOkClick() {
  if (!WriteBack(FromQt(mmoEdit->toPlainText()))) return;
  mmoEdit->clear();
  accept();
}

void TfrmListEditor::btnCancelClick() {
  mmoEdit->clear();
  reject();
}

void TfrmListEditor::btnHelpClick() {
  if (help_hook_) help_hook_();
}

// --- The main window's Include list ------------------------------------------

TfrmVol14EditIncludeList::TfrmVol14EditIncludeList(const AppServices& services, QWidget* parent)
    : TfrmListEditor(services,
                     {"frmVol14EditIncludeList", "Edit the Include Folder List - for Copy Process.",
                      "mmoVol14EditIncludeList", "lblVol14EditLinesSum", "Vol14Edit"},
                     parent) {}

void TfrmVol14EditIncludeList::SetTargets(EntryList* include, const EntryList* exclude,
                                          std::function<void(std::size_t)> show_include_count) {
  include_ = include;
  exclude_ = exclude;
  show_count_ = std::move(show_include_count);
}

bool TfrmVol14EditIncludeList::WriteBack(const std::string& memo_text) {
  if (!include_ || !exclude_) return true;
  const TEXT_LIST lines = NonBlankLines(MemoLines(memo_text));
  const std::string report = CheckEditedPaths(lines);
  if (!report.empty()) {
    services_.prompter->Warn(report, kVol14CheckTitle);
    return false;
  }
  const std::size_t appended =
      WriteBackPaths(lines, EditedPathRule::kDriveAndTwoLevels, *include_, *exclude_,
                     Throttled(show_count_), *services_.pump);
  if (show_count_) show_count_(appended);
  return true;
}

// --- The list builder's include list -----------------------------------------

TfrmFLLEditIncludeFolderList::TfrmFLLEditIncludeFolderList(const AppServices& services,
                                                           QWidget* parent)
    : TfrmListEditor(services,
                     {"frmFLLEditIncludeFolderList", "Edit the Include Folder List.",
                      "mmoFLLEditIncludeFolderList", "lblEditLinesSum", "FLLEdit"},
                     parent) {}

void TfrmFLLEditIncludeFolderList::SetTargets(
    EntryList* include, const EntryList* exclude,
    std::function<void(std::size_t)> show_include_count) {
  include_ = include;
  exclude_ = exclude;
  show_count_ = std::move(show_include_count);
}

void TfrmFLLEditIncludeFolderList::OnActivate() {
  lines_at_activation_ = MemoLineCount();
  ShowLineCount();
}

bool TfrmFLLEditIncludeFolderList::WriteBack(const std::string& memo_text) {
  if (!include_ || !exclude_) return true;
  const TEXT_LIST lines = NonBlankLines(MemoLines(memo_text));
  const std::string report = CheckEditedPaths(lines);
  if (!report.empty()) {
    services_.prompter->Warn(report, kBuilderCheckTitle);
    if (show_count_) show_count_(lines_at_activation_);
    return false;
  }
  const std::size_t appended = WriteBackPaths(lines, EditedPathRule::kDriveOnly, *include_,
                                              *exclude_, Throttled(show_count_), *services_.pump);
  if (show_count_) show_count_(appended);
  return true;
}

// --- The import dialog's created list ----------------------------------------

TfrmEditSmartImport::TfrmEditSmartImport(const AppServices& services, QWidget* parent)
    : TfrmListEditor(services,
                     {"frmEditSmartImport", "Edit the content of the Import Window.",
                      "mmoEditSmartImport", "lblEditSmartImportLinesCurrent", "EditSmartImport"},
                     parent) {}

bool TfrmEditSmartImport::WriteBack(const std::string& memo_text) {
  if (!created_) return true;
  const SmartImportWriteBack result =
      WriteBackCreatedList(NonBlankLines(MemoLines(memo_text)), *created_, *services_.pump);
  if (result.limit_reached) services_.prompter->Warn(kSmartImportLimitText, kSmartImportLimitTitle);
  return true;
}

}  // namespace ordovan
