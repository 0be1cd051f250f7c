#include "reorganizer/ui/TfrmStatistic14.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/EventPump.h"
#include "platform/Prompter.h"
#include "reorganizer/ui/ResultListView.h"
#include "reorganizer/ui/TfrmVol14ZoomStatistics.h"
#include "uikit/Controls.h"
#include "uikit/QtText.h"

namespace ordovan {

namespace {

struct CounterInfo {
  const char* caption;
  const char* label_name;
};

// In the order of ResultCategory.
constexpr std::array<CounterInfo, kResultCategoryCount> kCounters = {{
    {"Total Folders to Reorganize", "lblStat14FoldersToRestructure"},
    {"Reorganized Main Folders", "lblStat14MainFoldersRestructured"},
    {"Subfolders in Reorg. Main Folders", "lblStat14SubFoldersRestructured"},
    {"Files in Reorganizd Folder Structures", "lblStat14FoldersFilesRestructured"},
    {"Source Not Exists", "lblStat14FoldersSourceNotExists"},
    {"Destination Already Exists", "lblStat14FoldersDestinationExists"},
    {"Other Reasons", "lblStat14FoldersOtherReasons"},
}};

struct ListInfo {
  const char* list_name;
  const char* caption;
  const char* caption_name;
  const char* zoom_name;
  const char* zoom_hint;  // null: no hint
  const char* export_name;
  const char* export_hint;
};

constexpr const char* kZoomHint = "Zoom Windows from this page.";
constexpr const char* kNotExistsExportHint =
    "Export (save) a List of Not Renamed (Source not Exists) Folder Names to a Text File.";

// In the order of ResultList.
constexpr std::array<ListInfo, kResultListCount> kLists = {{
    {"lstStat14FoldersToRestructure", "Folders to Reorganize",
     "lblStat14ListFoldersToRestructure", "btnStat14ZoomFoldersToRestructure", kZoomHint,
     "btnStat14SmartExportFoldersToRestructure",
     "Export a List of Successfully Renamed Folder Names to a Text File."},
    {"lstStat14MainFoldersRestructured", "Reorganizedd Main Folders",
     "lblStat14ListMainFoldersRestructured", "btnStat14ZoomMainFoldersRestructured", nullptr,
     "btnStat14SmartExportMainFoldersRestructured", nullptr},
    {"lstStat14SubFoldersRestructured", "Subfolders in Reorg. Folders",
     "lblStat14ListSubFoldersRestructured", "btnStat14ZoomSubFoldersRestructured", kZoomHint,
     "btnStat14SmartExportSubFoldersRestructured", kNotExistsExportHint},
    {"lstStat14FoldersFilesRestructured", "Files in Reorganized Folders",
     "lblStat14FilesRestructured", "btnStat14ZoomFoldersFilesRestructured", nullptr,
     "btnStat14SmartExportFoldersFilesRestructured", nullptr},
    {"lstStat14FoldersSourceNotExists", "SOURCE NOT EXISTS.",
     "lblStat14ListFoldersSourceNotExists", "btnStat14ZoomSourceNotExists", kZoomHint,
     "btnStat14SmartExportSourceNotExists", kNotExistsExportHint},
    {"lstStat14FoldersDestinationExists", "DESTINATION ALREADY EXISTS",
     "lblStat14ListFoldersDestinationExists", "btnStat14ZoomDestinationExists", kZoomHint,
     "btnStat14SmartExportDestinationExists",
     "Export (Save) a List of Not Renamed (Destination Already Exists) Folder Names to a Text "
     "File."},
    {"lstStat14FoldersOtherReasons", "OTHER REASONS",
     "lblStat14ListFoldersOtherReasons", "btnStat14ZoomOtherReasons", kZoomHint,
     "btnStat14SmartExportFoldersOtherReasons",
     "Export (Save) a List of NOT RENAMED (Other Reasons) Folder Names to a Text File."},
    {"lstStat14FoldersFailedUndo", "Folders - Failed UNDO",
     "lblStat14ListFoldersFailedUndo", "btnStat14ZoomFoldersFailedUndo", "Zoom this Window",
     "btnStat14SmartExportFoldersFailedUndo",
     "Export (Save) the Failed Undo Folder Names to a Text File."},
    {"lstStat14FilesNotCopied", "Files Not Copied", "lblStat14ListFilesNotCopied",
     "btnStat14ZoomFilesNotCopied", kZoomHint, "btnStat14SmartExportFilesNotCopied",
     "Export (Save) the List of Files Not Copied, each with its Reason, to a Text File."},
}};

constexpr const char* kNotCopiedCounterName = "lblStat14FilesNotCopied";

constexpr int kListWidth = 320;
constexpr int kListHeight = 110;
constexpr int kNotCopiedListHeight = 70;
// How low a list may go when the screen is too small for the window's first
// size: a few lines each.
constexpr int kListLeastHeight = 40;
constexpr int kButtonWidth = 75;

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

TfrmStatistic14::TfrmStatistic14(const AppServices& services, RunResults& results,
                                 TfrmVol14ZoomStatistics& zoom, QWidget* parent)
    : QDialog(parent), services_(services), results_(results), zoom_(zoom) {
  setObjectName("frmStatistic14");
  setWindowTitle(kStatistic14Caption);
  setModal(false);
  BuildControls();
  RefreshModeCaption();
  results_.AddObserver(this);
}

TfrmStatistic14::~TfrmStatistic14() { results_.RemoveObserver(this); }

void TfrmStatistic14::BuildControls() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(10, 8, 10, 10);
  root->setSpacing(8);

  mode_caption_ = new QLabel(this);
  mode_caption_->setObjectName("lblVol14NormalSimulate");
  mode_caption_->setAlignment(Qt::AlignCenter);
  QFont mode_font = Bold(mode_caption_->font());
  mode_font.setPointSizeF(mode_font.pointSizeF() * 1.25);
  mode_caption_->setFont(mode_font);
  QPalette maroon = mode_caption_->palette();
  maroon.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
  mode_caption_->setPalette(maroon);
  root->addWidget(mode_caption_);

  // Never shown: the marker that chooses the mode caption.
  normal_simulate_ = new QCheckBox(this);
  normal_simulate_->setObjectName("chkStat14NormalSimulate");
  normal_simulate_->setChecked(true);
  normal_simulate_->hide();

  // `beside_caption`, when given, stands right of the list's caption.
  auto make_list_cell = [this](ResultList which, int list_height = kListHeight,
                               QWidget* beside_caption = nullptr) {
    const ListInfo& info = kLists[ListIndex(which)];
    auto* cell = new QVBoxLayout;
    cell->setSpacing(3);
    auto* caption = new QLabel(info.caption, this);
    caption->setObjectName(info.caption_name);
    auto* view = new ResultListView(info.list_name, info.caption, results_.list(which), this);
    view->setMinimumSize(kListWidth, kListLeastHeight);
    view->SetPreferredSize({kListWidth, list_height});
    caption->setBuddy(view);
    auto* zoom = MakeButton(this, info.zoom_name, "Zoom", info.zoom_hint);
    zoom->setFixedWidth(kButtonWidth);
    auto* exporter = MakeButton(this, info.export_name, "Export", info.export_hint);
    // Eighteen buttons share two captions; a screen reader says which list each serves.
    zoom->setAccessibleDescription(info.caption);
    exporter->setAccessibleDescription(info.caption);
    exporter->setFixedWidth(kButtonWidth);
    // Hidden controls keep their room, so hiding the files list leaves the
    // other lists where they were.
    for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(view),
                       static_cast<QWidget*>(zoom), static_cast<QWidget*>(exporter)}) {
      QSizePolicy policy = w->sizePolicy();
      policy.setRetainSizeWhenHidden(true);
      w->setSizePolicy(policy);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(zoom);
    buttons->addWidget(exporter);
    if (beside_caption) {
      auto* caption_row = new QHBoxLayout;
      caption_row->setSpacing(8);
      caption_row->addWidget(caption);
      caption_row->addWidget(beside_caption);
      caption_row->addStretch(1);
      cell->addLayout(caption_row);
    } else {
      cell->addWidget(caption);
    }
    cell->addWidget(view, 1);
    cell->addLayout(buttons);
    views_[ListIndex(which)] = view;
    list_captions_[ListIndex(which)] = caption;
    zoom_buttons_[ListIndex(which)] = zoom;
    export_buttons_[ListIndex(which)] = exporter;
    return cell;
  };

  // First row: the counters, the folders to reorganize, the failed undo.
  auto* top = new QHBoxLayout;
  top->setSpacing(8);
  auto* statistics = new QGroupBox("Statistics", this);
  statistics->setObjectName("grpStat14Statistics");
  auto* grid = new QGridLayout(statistics);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(4);
  int row = 0;
  auto heading = [&](const char* name, const char* text) {
    auto* label = new QLabel(text, statistics);
    label->setObjectName(name);
    label->setFont(Bold(label->font()));
    grid->addWidget(label, row++, 0, 1, 2);
  };
  auto counter_row = [&](ResultCategory category) {
    const CounterInfo& info = kCounters[CategoryIndex(category)];
    auto* caption = new QLabel(info.caption, statistics);
    caption->setObjectName(QString("lblStat14Caption") + (info.label_name + 9));
    // Until the first refresh the counter shows its own name.
    auto* value = MakeCounter(statistics, info.label_name, info.caption, info.label_name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(info.label_name) + 4);
    caption->setBuddy(value);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row++, 1);
    counter_labels_[CategoryIndex(category)] = value;
  };
  heading("lblStat14TotalFolders", "Total Folders");
  counter_row(ResultCategory::ToReorganize);
  counter_row(ResultCategory::MainFoldersReorganized);
  counter_row(ResultCategory::SubfoldersReorganized);
  counter_row(ResultCategory::FilesReorganized);
  grid->setRowMinimumHeight(row++, 6);
  heading("lblStat14NotReorganized", "Not Reorganized");
  counter_row(ResultCategory::SourceNotExists);
  counter_row(ResultCategory::DestinationExists);
  counter_row(ResultCategory::OtherReasons);
  grid->setRowStretch(row, 1);
  top->addWidget(statistics);

  auto* to_reorganize = new QGroupBox("Folders to Reorganize", this);
  to_reorganize->setObjectName("grpStat14FoldersToRestructure");
  auto* to_reorganize_layout = new QVBoxLayout(to_reorganize);
  to_reorganize_layout->addLayout(make_list_cell(ResultList::ToReorganize));
  top->addWidget(to_reorganize, 1);

  auto* failed_undo = new QGroupBox("Folders - Failed UNDO", this);
  failed_undo->setObjectName("grpStat14FoldersFailedUndo");
  auto* failed_undo_layout = new QVBoxLayout(failed_undo);
  failed_undo_layout->addLayout(make_list_cell(ResultList::FailedUndo));
  top->addWidget(failed_undo, 1);
  root->addLayout(top, 1);

  auto* reorganized =
      new QGroupBox("Reorganizing Main Folders and their Subfolders and Files", this);
  reorganized->setObjectName("grpStat14Restructured");
  auto* reorganized_layout = new QHBoxLayout(reorganized);
  reorganized_layout->setSpacing(10);
  reorganized_layout->addLayout(make_list_cell(ResultList::MainFoldersReorganized), 1);
  reorganized_layout->addLayout(make_list_cell(ResultList::SubfoldersReorganized), 1);
  reorganized_layout->addLayout(make_list_cell(ResultList::FilesReorganized), 1);
  root->addWidget(reorganized, 1);

  auto* not_reorganized = new QGroupBox("NOT REORGANIZED", this);
  not_reorganized->setObjectName("grpStat14NotRestructured");
  auto* not_reorganized_layout = new QHBoxLayout(not_reorganized);
  not_reorganized_layout->setSpacing(10);
  not_reorganized_layout->addLayout(make_list_cell(ResultList::SourceNotExists), 1);
  not_reorganized_layout->addLayout(make_list_cell(ResultList::DestinationExists), 1);
  not_reorganized_layout->addLayout(make_list_cell(ResultList::OtherReasons), 1);
  root->addWidget(not_reorganized, 1);

  // Apart from the lists above: every file the run meant to copy and did
  // not, with its reason, and how many they are beside the caption.
  auto* not_copied = new QGroupBox("NOT COPIED", this);
  not_copied->setObjectName("grpStat14FilesNotCopied");
  auto* not_copied_layout = new QVBoxLayout(not_copied);
  not_copied_count_ = MakeCounter(this, kNotCopiedCounterName, "Files Not Copied", "0");
  not_copied_count_->setFont(Bold(not_copied_count_->font()));
  not_copied_layout->addLayout(
      make_list_cell(ResultList::FilesNotCopied, kNotCopiedListHeight, not_copied_count_));
  root->addWidget(not_copied);

  auto* foot = new QHBoxLayout;
  stop_ = MakeButton(this, "btnStat14Stop", "Stop",
                     "Stop the running process after the file in hand (or press Escape).");
  stop_->setFixedWidth(kButtonWidth);
  stop_->hide();
  foot->addWidget(stop_);
  foot->addStretch(1);
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("btnStat14OK");
  ok_->setFixedWidth(kButtonWidth);
  ok_->setDefault(true);
  foot->addWidget(ok_);
  root->addLayout(foot);

  using Handler = void (TfrmStatistic14::*)();
  constexpr std::array<Handler, kResultListCount> zoom_handlers = {
      &TfrmStatistic14::btnStat14ZoomFoldersToRestructureClick,
      &TfrmStatistic14::btnStat14ZoomMainFoldersRestructuredClick,
      &TfrmStatistic14::btnStat14ZoomSubFoldersRestructuredClick,
      &TfrmStatistic14::btnStat14ZoomFoldersFilesRestructuredClick,
      &TfrmStatistic14::btnStat14ZoomSourceNotExistsClick,
      &TfrmStatistic14::btnStat14ZoomDestinationExistsClick,
      &TfrmStatistic14::btnStat14ZoomOtherReasonsClick,
      &TfrmStatistic14::btnStat14ZoomFoldersFailedUndoClick,
      &TfrmStatistic14::btnStat14ZoomFilesNotCopiedClick,
  };
  constexpr std::array<Handler, kResultListCount> export_handlers = {
      &TfrmStatistic14::btnStat14SmartExportFoldersToRestructureClick,
      &TfrmStatistic14::btnStat14SmartExportMainFoldersRestructuredClick,
      &TfrmStatistic14::btnStat14SmartExportSubFoldersRestructuredClick,
      &TfrmStatistic14::btnStat14SmartExportFoldersFilesRestructuredClick,
      &TfrmStatistic14::btnStat14SmartExportSourceNotExistsClick,
      &TfrmStatistic14::btnStat14SmartExportDestinationExistsClick,
      &TfrmStatistic14::btnStat14SmartExportFoldersOtherReasonsClick,
      &TfrmStatistic14::btnStat14SmartExportFoldersFailedUndoClick,
      &TfrmStatistic14::btnStat14SmartExportFilesNotCopiedClick,
  };
  for (std::size_t i = 0; i < kResultListCount; ++i) {
    connect(zoom_buttons_[i], &QPushButton::clicked, this, zoom_handlers[i]);
    connect(export_buttons_[i], &QPushButton::clicked, this, export_handlers[i]);
  }
  connect(ok_, &QPushButton::clicked, this, &TfrmStatistic14::btnStat14OKClick);

  // The lists' preferred room is the window's first size; on a screen too
  // small for it (a 768-pixel laptop) the lists give way, never the counters.
  resize(sizeHint());
}

void TfrmStatistic14::CountersRefreshed() {
  // A run refreshes once per recorded path, and only one counter has moved:
  // set just the labels whose text changes.
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    std::string text = CounterText(results_.counters()[i]);
    if (counters_shown_ && text == shown_counters_[i]) continue;
    counter_labels_[i]->setText(ToQt(text));
    shown_counters_[i] = std::move(text);
  }
  counters_shown_ = true;
  const QString not_copied = QString::number(results_.not_copied().size());
  if (not_copied_count_->text() != not_copied) not_copied_count_->setText(not_copied);
  Repaint();
}

void TfrmStatistic14::Repaint() {
  if (isVisible() && services_.pump) services_.pump->Pump();
}

void TfrmStatistic14::ShowResultsWindow() {
  if (const QScreen* shown_on = screen()) {
    // The title bar and borders take their share too; before the first
    // showing the system has not said how much.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(16, 40);
    const QSize room = shown_on->availableGeometry().size() - frame;
    if (height() > room.height() || width() > room.width()) {
      resize(std::min(width(), room.width()), std::min(height(), room.height()));
    }
  }
  show();
  raise();
  activateWindow();
}

void TfrmStatistic14::ShowFilesControls(bool shown) {
  const std::size_t files = ListIndex(ResultList::FilesReorganized);
  list_captions_[files]->setVisible(shown);
  views_[files]->setVisible(shown);
  zoom_buttons_[files]->setVisible(shown);
  export_buttons_[files]->setVisible(shown);
}

bool TfrmStatistic14::NormalRunMarked() const { return normal_simulate_->isChecked(); }

void TfrmStatistic14::SetNormalRunMarked(bool normal) { normal_simulate_->setChecked(normal); }

void TfrmStatistic14::RefreshModeCaption() {
  mode_caption_->setText(NormalRunMarked() ? kNormalModeCaption : kSimulateModeCaption);
}

void TfrmStatistic14::SetModeCaption(const std::string& text) { mode_caption_->setText(ToQt(text)); }

void TfrmStatistic14::Zoom(ResultList which) { zoom_.ShowList(which); }

void TfrmStatistic14::Export(ResultList which) {
  const ResultEntries& entries = list(which);
  if (entries.empty()) {
    const ExportMessage& message = EmptyListExportMessage(which);
    if (services_.prompter) services_.prompter->Warn(message.text, message.title);
  } else if (export_handler_) {
    export_handler_(EntriesForExport(entries.Entries()));
  }
  export_buttons_[ListIndex(which)]->setFocus();
}

void TfrmStatistic14::btnStat14ZoomFoldersToRestructureClick() { Zoom(ResultList::ToReorganize); }
void TfrmStatistic14::btnStat14ZoomMainFoldersRestructuredClick() {
  Zoom(ResultList::MainFoldersReorganized);
}
void TfrmStatistic14::btnStat14ZoomSubFoldersRestructuredClick() {
  Zoom(ResultList::SubfoldersReorganized);
}
void TfrmStatistic14::btnStat14ZoomFoldersFilesRestructuredClick() {
  Zoom(ResultList::FilesReorganized);
}
void TfrmStatistic14::btnStat14ZoomSourceNotExistsClick() { Zoom(ResultList::SourceNotExists); }
void TfrmStatistic14::btnStat14ZoomDestinationExistsClick() {
  Zoom(ResultList::DestinationExists);
}
void TfrmStatistic14::btnStat14ZoomOtherReasonsClick() { Zoom(ResultList::OtherReasons); }
void TfrmStatistic14::btnStat14ZoomFoldersFailedUndoClick() { Zoom(ResultList::FailedUndo); }
void TfrmStatistic14::btnStat14ZoomFilesNotCopiedClick() { Zoom(ResultList::FilesNotCopied); }

void TfrmStatistic14::btnStat14SmartExportFoldersToRestructureClick() {
  Export(ResultList::ToReorganize);
}
void TfrmStatistic14::btnStat14SmartExportMainFoldersRestructuredClick() {
  Export(ResultList::MainFoldersReorganized);
}
void TfrmStatistic14::btnStat14SmartExportSubFoldersRestructuredClick() {
  Export(ResultList::SubfoldersReorganized);
}
void TfrmStatistic14::btnStat14SmartExportFoldersFilesRestructuredClick() {
  Export(ResultList::FilesReorganized);
}
void TfrmStatistic14::btnStat14SmartExportSourceNotExistsClick() {
  Export(ResultList::SourceNotExists);
}
void TfrmStatistic14::btnStat14SmartExportDestinationExistsClick() {
  Export(ResultList::DestinationExists);
}
void TfrmStatistic14::btnStat14SmartExportFoldersOtherReasonsClick() {
  Export(ResultList::OtherReasons);
}
void TfrmStatistic14::btnStat14SmartExportFoldersFailedUndoClick() {
  Export(ResultList::FailedUndo);
}
void TfrmStatistic14::btnStat14SmartExportFilesNotCopiedClick() {
  Export(ResultList::FilesNotCopied);
}

void TfrmStatistic14::btnStat14OKClick() { close(); }

}  // namespace ordovan
