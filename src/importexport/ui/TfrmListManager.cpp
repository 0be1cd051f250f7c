#include "importexport/ui/TfrmListManager.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "uikit/Controls.h"
#include "uikit/EntryListView.h"
#include "platform/Prompter.h"
#include "uikit/QtText.h"

namespace ordovan {

namespace {

const char kLimit0121[] = "The limit is 30000";
const char kEmptyText[] =
    "The text field is empty !\nAction : You must enter some text to add to the Include List.";
const char kInIncluded[] = "This item is already exist in the Include list !";
const char kInExcluded[] = "This item is already exist in the Exclude list !";
const char kDeleteQuestion[] = "Do you want to delete selected delimiter(s) from the Exclude list ?";
const char kRemoveAllQuestion[] =
    "Do you want to remove (delete) all delimiter(s) from the Exclude list ?";

const ListManagerTexts kDelimiterTexts = {
    ManagedKind::kDelimiters,
    "frmDelimiters",
    "Delimiters",
    "Manage Delimiters.",
    "Delimiters",
    "Included Delimiters",
    "Excluded Delimiters",
    "Contains ACTIVE Delimiters.",
    "Contains INACTIVE Delimiters.",
    "Add a Delimiter :",
    "Delete a Delimiter",
    "Remove all Delimiters",
    "Delimiters.            Warning no: ",
    "Managing Delimiters.            Warning no: ",
    "The Limit is 30,000 Delimiters",
    "The limit is 30,000 Delimiters",
    &DefaultDelimiterSet(),
};

const ListManagerTexts kQuotationMarkTexts = {
    ManagedKind::kQuotationMarks,
    "frmQuotationMarks",
    "QuotationMarks",
    "Manage Quotation Marks.",
    "Quotation Marks",
    "Include Quotation Marks",
    "Exclude Quotation Marks",
    "Contains ACTIVE Quotation Marks.",
    "Contains INACTIVE Quotation Marks.",
    "Add a Quotation Mark:",
    "Delete a Quotation Mark",
    "Remove all Quotation Marks",
    "QuotationMarks.            Warning no: ",
    "Managing QuotationMarks.            Warning no: ",
    "The Limit is 30,000 QuotationMarks",
    "The limit is 30,000 QuotationMarks",
    &DefaultQuotationMarkSet(),
};

}  // namespace

TfrmListManager::TfrmListManager(const AppServices& services, const ListManagerTexts& texts,
                                 QWidget* parent)
    : QDialog(parent), services_(services), texts_(texts) {
  setObjectName(texts_.object_name);
  setWindowTitle(texts_.caption);
  setModal(true);
  const QString p = texts_.prefix;

  auto* title = new QLabel(texts_.title_label, this);
  title->setObjectName("lbl" + p + "Title");
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  title->setFont(big);

  lstIncluded = new EntryListView("lst" + p + "Included", texts_.included_label,
                                  EntryListView::Selection::kMultiple, this);
  lstIncluded->setToolTip(texts_.included_hint);
  lstExcluded = new EntryListView("lst" + p + "Excluded", texts_.excluded_label,
                                  EntryListView::Selection::kMultiple, this);
  lstExcluded->setToolTip(texts_.excluded_hint);
  lists_ = std::make_unique<ManagedLists>(lstIncluded->list(), lstExcluded->list(), *texts_.defaults);
  auto* included_label = new QLabel(texts_.included_label, this);
  included_label->setBuddy(lstIncluded);
  auto* excluded_label = new QLabel(texts_.excluded_label, this);
  excluded_label->setBuddy(lstExcluded);

  auto* add_label = new QLabel(texts_.add_label, this);
  edtAdd = new QLineEdit(this);
  edtAdd->setObjectName("edt" + p + "Add");
  edtAdd->setAccessibleName(texts_.add_label);
  add_label->setBuddy(edtAdd);
  btnAdd = MakeButton(this, "btn" + p + "Add", "Add");

  btnIncToExc = MakeButton(this, "btn" + p + "IncToExc", ">");
  btnExcToInc = MakeButton(this, "btn" + p + "ExcToInc", "<");
  btnAllIncToExc = MakeButton(this, "btn" + p + "AllIncToExc", ">>");
  btnAllExcToInc = MakeButton(this, "btn" + p + "AllExcToInc", "<<");
  btnExchange = MakeButton(this, "btn" + p + "Exchange", "<>");
  // Arrows alone say nothing to a screen reader.
  btnIncToExc->setAccessibleName("Move selected to " + QString(texts_.excluded_label));
  btnExcToInc->setAccessibleName("Move selected to " + QString(texts_.included_label));
  btnAllIncToExc->setAccessibleName("Move all to " + QString(texts_.excluded_label));
  btnAllExcToInc->setAccessibleName("Move all to " + QString(texts_.included_label));
  btnExchange->setAccessibleName("Exchange the two lists");
  btnDelete = MakeButton(this, "btn" + p + "Delete", texts_.delete_caption);
  btnRemoveAll = MakeButton(this, "btn" + p + "RemoveAll", texts_.remove_all_caption);
  btnSetDefaults = MakeButton(this, "btn" + p + "SetDefaults", "Set Defaults");
  btnClose = MakeButton(this, "btn" + p + "Close", "&Close");

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* b : {btnIncToExc, btnExcToInc, btnAllIncToExc, btnAllExcToInc, btnExchange}) {
    b->setFixedWidth(48);
    moves->addWidget(b);
  }
  moves->addStretch();

  auto* grid = new QGridLayout;
  grid->addWidget(included_label, 0, 0);
  grid->addWidget(excluded_label, 0, 2);
  grid->addWidget(lstIncluded, 1, 0);
  grid->addLayout(moves, 1, 1);
  grid->addWidget(lstExcluded, 1, 2);

  auto* add_row = new QHBoxLayout;
  add_row->addWidget(add_label);
  add_row->addWidget(edtAdd, 1);
  add_row->addWidget(btnAdd);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnDelete);
  buttons->addWidget(btnRemoveAll);
  buttons->addWidget(btnSetDefaults);
  buttons->addStretch();
  buttons->addWidget(btnClose);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(grid, 1);
  layout->addLayout(add_row);
  layout->addLayout(buttons);
  resize(560, 480);

  connect(btnAdd, &QPushButton::clicked, this, &TfrmListManager::btnAddClick);
  connect(edtAdd, &QLineEdit::returnPressed, this, &TfrmListManager::btnAddClick);
  connect(btnIncToExc, &QPushButton::clicked, this, &TfrmListManager::btnIncToExcClick);
  connect(btnExcToInc, &QPushButton::clicked, this, &TfrmListManager::btnExcToIncClick);
  connect(btnAllIncToExc, &QPushButton::clicked, this, &TfrmListManager::btnAllIncToExcClick);
  connect(btnAllExcToInc, &QPushButton::clicked, this, &TfrmListManager::btnAllExcToIncClick);
  connect(btnExchange, &QPushButton::clicked, this, &TfrmListManager::btnExchangeClick);
  connect(btnDelete, &QPushButton::clicked, this, &TfrmListManager::btnDeleteClick);
  connect(btnRemoveAll, &QPushButton::clicked, this, &TfrmListManager::btnRemoveAllClick);
  connect(btnSetDefaults, &QPushButton::clicked, this, &TfrmListManager::btnSetDefaultsClick);
  connect(btnClose, &QPushButton::clicked, this, &TfrmListManager::btnCloseClick);

  Activate();
}

TfrmListManager::~TfrmListManager() = default;

std::string TfrmListManager::Title(const char* prefix, const char* number) const {
  return std::string(prefix) + number + ".";
}

void TfrmListManager::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) Activate();
  edtAdd->setFocus();
}

void TfrmListManager::Activate() {
  ReloadSettings(*services_.settings, *services_.file_system);
  lists_->TakeLoaded(StoredManagedList(*services_.settings, texts_.kind));
}

void TfrmListManager::Report(ManagerOutcome outcome) {
  Prompter& prompter = *services_.prompter;
  switch (outcome) {
    case ManagerOutcome::kDone:
      break;
    case ManagerOutcome::kIncludedFull:
      prompter.Warn(kLimit0121, Title(texts_.title_0121, "0121"));
      break;
    case ManagerOutcome::kEmptyText:
      prompter.Warn(kEmptyText, Title(texts_.title_0121, "0122"));
      break;
    case ManagerOutcome::kInIncluded:
      prompter.Warn(kInIncluded, Title(texts_.title_0121, "0123"));
      break;
    case ManagerOutcome::kInExcluded:
      prompter.Warn(kInExcluded, Title(texts_.title_0121, "0124"));
      break;
    case ManagerOutcome::kSelectionOverLimit:
      prompter.Warn(texts_.limit_0125, Title(texts_.title_0125, "0125"));
      break;
    case ManagerOutcome::kAllOverLimit:
      prompter.Warn(texts_.limit_0126, Title(texts_.title_0125, "0126"));
      break;
    case ManagerOutcome::kExchangeOverLimit:
      prompter.Warn(texts_.limit_0126, Title(texts_.title_0125, "0127"));
      break;
  }
}

void TfrmListManager::btnAddClick() {
  std::string added;
  const ManagerOutcome outcome = lists_->Add(FromQt(edtAdd->text()), &added);
  Report(outcome);
  if (outcome == ManagerOutcome::kDone) edtAdd->setText(ToQt(added));
  edtAdd->setFocus();
}

void TfrmListManager::btnIncToExcClick() {
  Report(lists_->MoveSelectedToExcluded(lstIncluded->SelectedRows()));
  edtAdd->setFocus();
}

void TfrmListManager::btnExcToIncClick() {
  Report(lists_->MoveSelectedToIncluded(lstExcluded->SelectedRows()));
  edtAdd->setFocus();
}

void TfrmListManager::btnAllIncToExcClick() {
  Report(lists_->MoveAllToExcluded());
  edtAdd->setFocus();
}

void TfrmListManager::btnAllExcToIncClick() {
  Report(lists_->MoveAllToIncluded());
  edtAdd->setFocus();
}

void TfrmListManager::btnExchangeClick() {
  Report(lists_->Exchange());
  edtAdd->setFocus();
}

void TfrmListManager::btnDeleteClick() {
  if (services_.prompter->Ask(kDeleteQuestion, Title(texts_.title_0125, "0128"))) {
    lists_->DeleteExcluded(lstExcluded->SelectedRows());
  }
  edtAdd->setFocus();
}

void TfrmListManager::btnRemoveAllClick() {
  if (services_.prompter->Ask(kRemoveAllQuestion, Title(texts_.title_0125, "0129"))) {
    lists_->RemoveAllExcluded();
  }
  edtAdd->setFocus();
}

void TfrmListManager::btnSetDefaultsClick() { lists_->SetDefaults(); }

void TfrmListManager::btnCloseClick() {
  // A failed write has been reported by the writer; the store keeps the list.
  StoreAndSave(*services_.settings, *services_.file_system, *services_.prompter, texts_.kind,
               lists_->included().entries());
  accept();
}

TfrmDelimiters::TfrmDelimiters(const AppServices& services, QWidget* parent)
    : TfrmListManager(services, kDelimiterTexts, parent) {}

TfrmQuotationMarks::TfrmQuotationMarks(const AppServices& services, QWidget* parent)
    : TfrmListManager(services, kQuotationMarkTexts, parent) {}

}  // namespace ordovan
