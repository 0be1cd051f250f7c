#include "reorganizer/ui/TfrmStatistic14.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "reorganizer/ui/ResultListView.h"
#include "reorganizer/ui/TfrmVol14ZoomStatistics.h"
#include "uikit/QtEventPump.h"
#include "support/RecordingPrompter.h"

namespace ordovan {
namespace {

using testing::RecordingPrompter;

template <typename T>
T* Find(QWidget& window, const char* name) {
  T* widget = window.findChild<T*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

QString Text(QWidget& window, const char* label) {
  QLabel* found = Find<QLabel>(window, label);
  return found ? found->text() : QString("<missing %1>").arg(label);
}

TEXT_LIST Rows(QWidget& window, const char* list) {
  TEXT_LIST rows;
  auto* view = Find<ResultListView>(window, list);
  if (!view) return rows;
  for (int row = 0; row < view->model()->rowCount(); ++row)
    rows.push_back(view->model()->index(row, 0).data().toString().toStdString());
  return rows;
}

void Click(QWidget& window, const char* button) {
  if (QPushButton* found = Find<QPushButton>(window, button)) found->click();
}

struct ListNames {
  ResultList list;
  const char* results;
  const char* zoom;
  const char* zoom_caption;
  const char* zoom_caption_text;
  const char* zoom_button;
  const char* export_button;
};

constexpr ListNames kNames[] = {
    {ResultList::ToReorganize, "lstStat14FoldersToRestructure",
     "lstVol14ZoomStatisticsFoldersToRestructure", "lblVol14ZoomStatisticsFoldersToRestructure",
     "Folders To Restuctured", "btnStat14ZoomFoldersToRestructure",
     "btnStat14SmartExportFoldersToRestructure"},
    {ResultList::MainFoldersReorganized, "lstStat14MainFoldersRestructured",
     "lstVol14ZoomStatisticsMainFoldersRestructured",
     "lblVol14ZoomStatisticsMainFoldersRestructured", "Successfully Restructured Main Folders",
     "btnStat14ZoomMainFoldersRestructured", "btnStat14SmartExportMainFoldersRestructured"},
    {ResultList::SubfoldersReorganized, "lstStat14SubFoldersRestructured",
     "lstVol14ZoomStatisticsSubFoldersRestructured", "lblVol14ZoomStatisticsSubFoldersRestructured",
     "Successfully Restructured Subfolders.", "btnStat14ZoomSubFoldersRestructured",
     "btnStat14SmartExportSubFoldersRestructured"},
    {ResultList::FilesReorganized, "lstStat14FoldersFilesRestructured",
     "lstVol14ZoomStatisticsFoldersFilesRestructured",
     "lblVol14ZoomStatisticsFoldersFilesRestructured", "Files in Restructured Folders",
     "btnStat14ZoomFoldersFilesRestructured", "btnStat14SmartExportFoldersFilesRestructured"},
    {ResultList::SourceNotExists, "lstStat14FoldersSourceNotExists",
     "lstVol14ZoomStatisticsFoldersSourceNotExists", "lblVol14ZoomStatisticsFoldersSourceNotExists",
     "Source does not exists.", "btnStat14ZoomSourceNotExists",
     "btnStat14SmartExportSourceNotExists"},
    {ResultList::DestinationExists, "lstStat14FoldersDestinationExists",
     "lstVol14ZoomStatisticsFoldersDestinationExists",
     "lblVol14ZoomStatisticsFoldersDestinationExists",
     "Not Restructured Folders - Destination Already Exists.", "btnStat14ZoomDestinationExists",
     "btnStat14SmartExportDestinationExists"},
    {ResultList::OtherReasons, "lstStat14FoldersOtherReasons",
     "lstVol14ZoomStatisticsFoldersOtherReasons", "lblVol14ZoomStatisticsFoldersOtherReasons",
     "Not Restructured Folders - Other Reasons.", "btnStat14ZoomOtherReasons",
     "btnStat14SmartExportFoldersOtherReasons"},
    {ResultList::FailedUndo, "lstStat14FoldersFailedUndo", "lstVol14ZoomStatisticsFoldersFailedUndo",
     "lblVol14ZoomStatisticsFoldersFailedUndo", "Folders - Failed UNDO",
     "btnStat14ZoomFoldersFailedUndo", "btnStat14SmartExportFoldersFailedUndo"},
    {ResultList::FilesNotCopied, "lstStat14FilesNotCopied", "lstVol14ZoomStatisticsFilesNotCopied",
     "lblVol14ZoomStatisticsFilesNotCopied", "Files Not Copied, each with its Reason.",
     "btnStat14ZoomFilesNotCopied", "btnStat14SmartExportFilesNotCopied"},
};

constexpr const char* kCounterLabels[] = {
    "lblStat14FoldersToRestructure",   "lblStat14MainFoldersRestructured",
    "lblStat14SubFoldersRestructured", "lblStat14FoldersFilesRestructured",
    "lblStat14FoldersSourceNotExists", "lblStat14FoldersDestinationExists",
    "lblStat14FoldersOtherReasons",
};

class ResultsWindowTest : public ::testing::Test {
 protected:
  ResultsWindowTest() {
    services_.prompter = &prompter_;
    services_.pump = &pump_;
    zoom_ = std::make_unique<TfrmVol14ZoomStatistics>(run_);
    results_ = std::make_unique<TfrmStatistic14>(services_, run_, *zoom_);
  }
  ~ResultsWindowTest() override {
    results_.reset();
    zoom_.reset();
  }

  TfrmStatistic14& results() { return *results_; }
  TfrmVol14ZoomStatistics& zoom() { return *zoom_; }

  RecordingPrompter prompter_;
  QtEventPump pump_;
  AppServices services_;
  RunResults run_;  // what the run records; the windows show it
  std::unique_ptr<TfrmVol14ZoomStatistics> zoom_;
  std::unique_ptr<TfrmStatistic14> results_;
};

TEST_F(ResultsWindowTest, CaptionsGroupsAndHintsAreTheProgramsOwn) {
  EXPECT_EQ(results().windowTitle(), "Detailed Results for Rename Process.");
  EXPECT_EQ(zoom().windowTitle(), "Zoom Window.");
  EXPECT_EQ(zoom().size(), QSize(821, 600));

  QStringList groups;
  for (QGroupBox* group : results().findChildren<QGroupBox*>()) groups << group->title();
  groups.sort();
  EXPECT_EQ(groups, (QStringList{"Folders - Failed UNDO", "Folders to Reorganize",
                                 "NOT COPIED", "NOT REORGANIZED",
                                 "Reorganizing Main Folders and their Subfolders and Files",
                                 "Statistics"}));

  QStringList labels;
  for (QLabel* label : results().findChildren<QLabel*>()) labels << label->text();
  for (const char* caption :
       {"Total Folders", "Not Reorganized", "Total Folders to Reorganize",
        "Reorganized Main Folders", "Subfolders in Reorg. Main Folders",
        "Files in Reorganizd Folder Structures", "Source Not Exists",
        "Destination Already Exists", "Other Reasons", "Folders to Reorganize",
        "Reorganizedd Main Folders", "Subfolders in Reorg. Folders", "SOURCE NOT EXISTS.",
        "DESTINATION ALREADY EXISTS", "OTHER REASONS", "Folders - Failed UNDO"})
    EXPECT_TRUE(labels.contains(caption)) << caption;
  EXPECT_EQ(Text(results(), "lblStat14FilesRestructured"), "Files in Reorganized Folders");

  // Each counter label shows its own name until the first refresh.
  for (const char* name : kCounterLabels) EXPECT_EQ(Text(results(), name), name);

  // The mode caption: maroon, centred, chosen by the hidden marker.
  QLabel* mode = Find<QLabel>(results(), "lblVol14NormalSimulate");
  ASSERT_NE(mode, nullptr);
  EXPECT_EQ(mode->text(), "Folder/File Copy Process.");
  EXPECT_EQ(mode->palette().color(QPalette::WindowText), QColor(128, 0, 0));
  EXPECT_EQ(mode->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  auto* marker = Find<QCheckBox>(results(), "chkStat14NormalSimulate");
  ASSERT_NE(marker, nullptr);
  EXPECT_TRUE(marker->isChecked());
  EXPECT_TRUE(marker->isHidden());
  results().SetNormalRunMarked(false);
  results().RefreshModeCaption();
  EXPECT_EQ(mode->text(), "Simulate the Folder/File Copy Process.");
  // The main window may also name the caption itself.
  results().SetModeCaption("Folder/File Copy Process.");
  EXPECT_EQ(mode->text(), "Folder/File Copy Process.");

  for (const ListNames& names : kNames) {
    EXPECT_EQ(Find<QPushButton>(results(), names.zoom_button)->text(), "Zoom");
    EXPECT_EQ(Find<QPushButton>(results(), names.export_button)->text(), "Export");
    EXPECT_EQ(Text(zoom(), names.zoom_caption), names.zoom_caption_text);
    EXPECT_EQ(Find<ResultListView>(results(), names.results)->HorizontalExtent(), 3000);
    EXPECT_EQ(Find<ResultListView>(zoom(), names.zoom)->HorizontalExtent(), 3000);
  }
  auto hint = [&](const char* button) { return Find<QPushButton>(results(), button)->toolTip(); };
  EXPECT_EQ(hint("btnStat14ZoomFoldersToRestructure"), "Zoom Windows from this page.");
  EXPECT_EQ(hint("btnStat14ZoomOtherReasons"), "Zoom Windows from this page.");
  EXPECT_EQ(hint("btnStat14ZoomMainFoldersRestructured"), "");
  EXPECT_EQ(hint("btnStat14ZoomFoldersFilesRestructured"), "");
  EXPECT_EQ(hint("btnStat14ZoomFoldersFailedUndo"), "Zoom this Window");
  EXPECT_EQ(hint("btnStat14SmartExportFoldersToRestructure"),
            "Export a List of Successfully Renamed Folder Names to a Text File.");
  EXPECT_EQ(hint("btnStat14SmartExportSubFoldersRestructured"),
            "Export (save) a List of Not Renamed (Source not Exists) Folder Names to a Text File.");
  EXPECT_EQ(hint("btnStat14SmartExportDestinationExists"),
            "Export (Save) a List of Not Renamed (Destination Already Exists) Folder Names to a "
            "Text File.");
  EXPECT_EQ(hint("btnStat14SmartExportFoldersOtherReasons"),
            "Export (Save) a List of NOT RENAMED (Other Reasons) Folder Names to a Text File.");
  EXPECT_EQ(hint("btnStat14SmartExportFoldersFailedUndo"),
            "Export (Save) the Failed Undo Folder Names to a Text File.");
  EXPECT_EQ(hint("btnStat14SmartExportMainFoldersRestructured"), "");
  EXPECT_EQ(Find<QPushButton>(results(), "btnStat14OK")->text(), "OK");
  EXPECT_EQ(Find<QPushButton>(zoom(), "btnVol06ZoomStatisticsClose")->text(), "Close");
}

// What a screen reader announces for a control.
std::string SpokenName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name).toStdString() : "<no accessible interface>";
}
std::string SpokenDescription(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Description).toStdString() : "";
}

TEST_F(ResultsWindowTest, AScreenReaderHearsEveryControlByItsCaption) {
  // In the order of kNames: the captions above the results window's lists.
  constexpr const char* kListCaptions[] = {
      "Folders to Reorganize", "Reorganizedd Main Folders", "Subfolders in Reorg. Folders",
      "Files in Reorganized Folders", "SOURCE NOT EXISTS.", "DESTINATION ALREADY EXISTS",
      "OTHER REASONS", "Folders - Failed UNDO", "Files Not Copied"};
  constexpr const char* kCounterCaptions[] = {
      "Total Folders to Reorganize", "Reorganized Main Folders",
      "Subfolders in Reorg. Main Folders", "Files in Reorganizd Folder Structures",
      "Source Not Exists", "Destination Already Exists", "Other Reasons"};
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    const ListNames& names = kNames[i];
    EXPECT_EQ(SpokenName(Find<ResultListView>(results(), names.results)), kListCaptions[i]);
    EXPECT_EQ(SpokenName(Find<ResultListView>(zoom(), names.zoom)), names.zoom_caption_text);
    // Eighteen buttons called "Zoom" and "Export": each says which list it serves.
    EXPECT_EQ(SpokenName(Find<QPushButton>(results(), names.zoom_button)), "Zoom");
    EXPECT_EQ(SpokenDescription(Find<QPushButton>(results(), names.zoom_button)),
              kListCaptions[i]);
    EXPECT_EQ(SpokenName(Find<QPushButton>(results(), names.export_button)), "Export");
    EXPECT_EQ(SpokenDescription(Find<QPushButton>(results(), names.export_button)),
              kListCaptions[i]);
  }
  // A counter is announced by its caption and the value it shows, after every change.
  run_.RecordResult(ResultCategory::SourceNotExists, "f:\\gone");
  for (std::size_t i = 0; i < std::size(kCounterLabels); ++i) {
    const bool counted = std::string(kCounterLabels[i]) == "lblStat14FoldersSourceNotExists";
    EXPECT_EQ(SpokenName(Find<QLabel>(results(), kCounterLabels[i])),
              std::string(kCounterCaptions[i]) + (counted ? ": 1" : ": 0"));
  }
  run_.RecordNotCopied({"f:\\Old\\a.txt", "f:\\New\\a.txt", CopyError::kSourceUnreadable});
  EXPECT_EQ(SpokenName(Find<QLabel>(results(), "lblStat14FilesNotCopied")), "Files Not Copied: 1");

  // No control of either window is announced by its object name or by nothing.
  for (QWidget* window : {static_cast<QWidget*>(&results()), static_cast<QWidget*>(&zoom())}) {
    int controls = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractItemView*>(w) ||
                           qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w);
      // The mode marker is never shown.
      if (!control || w->objectName().isEmpty() || w->objectName() == "chkStat14NormalSimulate")
        continue;
      ++controls;
      const std::string name = SpokenName(w);
      EXPECT_FALSE(name.empty()) << w->objectName().toStdString();
      EXPECT_NE(name, w->objectName().toStdString());
    }
    EXPECT_GE(controls, window == &zoom() ? 17 : 50);
  }
}

TEST_F(ResultsWindowTest, ThreeListsAreSortedTheZoomKeepsTheRecordedOrder) {
  const TEXT_LIST recorded = {"f:\\Old\\b", "f:\\Old\\C", "F:\\OLD\\a", "f:\\Old\\b"};
  for (ResultCategory category :
       {ResultCategory::ToReorganize, ResultCategory::MainFoldersReorganized,
        ResultCategory::SubfoldersReorganized, ResultCategory::FilesReorganized,
        ResultCategory::SourceNotExists, ResultCategory::DestinationExists,
        ResultCategory::OtherReasons})
    for (const std::string& path : recorded) run_.RecordResult(category, path);
  for (const std::string& path : recorded) run_.RecordFailedUndo(path);

  const TEXT_LIST sorted = {"F:\\OLD\\a", "f:\\Old\\b", "f:\\Old\\b", "f:\\Old\\C"};
  for (const ListNames& names : kNames) {
    if (names.list == ResultList::FilesNotCopied) continue;  // its entries name their reasons
    const bool is_sorted = names.list == ResultList::ToReorganize ||
                           names.list == ResultList::MainFoldersReorganized ||
                           names.list == ResultList::SubfoldersReorganized;
    EXPECT_EQ(Rows(results(), names.results), is_sorted ? sorted : recorded) << names.results;
    EXPECT_EQ(Rows(zoom(), names.zoom), recorded) << names.zoom;
  }
  for (const char* name : kCounterLabels) EXPECT_EQ(Text(results(), name), "4") << name;
}

TEST_F(ResultsWindowTest, EveryZoomButtonShowsItsListWithItsCaptionAlone) {
  run_.RecordResult(ResultCategory::DestinationExists, "f:\\New\\2016");
  run_.RecordFailedUndo("f:\\New\\2015");
  for (const ListNames& shown : kNames) {
    Click(results(), shown.zoom_button);
    EXPECT_TRUE(zoom().isVisible()) << shown.zoom_button;
    for (const ListNames& other : kNames) {
      const bool expected = &other == &shown;
      EXPECT_EQ(!Find<ResultListView>(zoom(), other.zoom)->isHidden(), expected)
          << shown.zoom_button << " " << other.zoom;
      EXPECT_EQ(!Find<QLabel>(zoom(), other.zoom_caption)->isHidden(), expected)
          << shown.zoom_button << " " << other.zoom_caption;
    }
  }
  EXPECT_EQ(Rows(zoom(), "lstVol14ZoomStatisticsFoldersDestinationExists"),
            (TEXT_LIST{"f:\\New\\2016"}));
  EXPECT_EQ(Rows(zoom(), "lstVol14ZoomStatisticsFoldersFailedUndo"), (TEXT_LIST{"f:\\New\\2015"}));
  Click(zoom(), "btnVol06ZoomStatisticsClose");
  EXPECT_FALSE(zoom().isVisible());
}

TEST_F(ResultsWindowTest, CountersAreWholeNumbersAndFollowResetAndUndo) {
  for (int i = 0; i < 17; ++i) run_.RecordResult(ResultCategory::ToReorganize, "f:\\a");
  run_.RecordResult(ResultCategory::OtherReasons, "f:\\b");
  EXPECT_EQ(Text(results(), "lblStat14FoldersToRestructure"), "17");
  EXPECT_EQ(Text(results(), "lblStat14FoldersOtherReasons"), "1");
  EXPECT_EQ(Text(results(), "lblStat14FoldersSourceNotExists"), "0");

  // Resetting changes the counters; the labels wait for the next refresh.
  run_.ResetRunCounters();
  EXPECT_EQ(run_.counter(ResultCategory::ToReorganize), 0);
  EXPECT_EQ(Text(results(), "lblStat14FoldersToRestructure"), "17");
  run_.RefreshResultCounters();
  EXPECT_EQ(Text(results(), "lblStat14FoldersToRestructure"), "0");

  for (ResultCategory category : {ResultCategory::ToReorganize, ResultCategory::ToReorganize,
                                  ResultCategory::MainFoldersReorganized,
                                  ResultCategory::DestinationExists})
    run_.RecordResult(category, "f:\\c");
  run_.ClearResultLists();
  run_.ZeroCountersAfterUndo();
  run_.RecordFailedUndo("f:\\New\\x");
  EXPECT_EQ(Text(results(), "lblStat14FoldersToRestructure"), "2");
  EXPECT_EQ(Text(results(), "lblStat14MainFoldersRestructured"), "0");
  EXPECT_EQ(Text(results(), "lblStat14FoldersDestinationExists"), "0");
  EXPECT_EQ(Rows(results(), "lstStat14FoldersToRestructure"), TEXT_LIST{});
  EXPECT_EQ(Rows(results(), "lstStat14FoldersFailedUndo"), (TEXT_LIST{"f:\\New\\x"}));
  // Undo leaves the zoom lists alone.
  EXPECT_EQ(Rows(zoom(), "lstVol14ZoomStatisticsFoldersToRestructure"),
            (TEXT_LIST{"f:\\a", "f:\\a", "f:\\a", "f:\\a", "f:\\a", "f:\\a", "f:\\a", "f:\\a",
                       "f:\\a", "f:\\a", "f:\\a", "f:\\a", "f:\\a", "f:\\a", "f:\\a", "f:\\a",
                       "f:\\a", "f:\\c", "f:\\c"}));
  run_.ClearResultZoomLists();
  for (const ListNames& names : kNames) EXPECT_EQ(Rows(zoom(), names.zoom), TEXT_LIST{});
}

TEST_F(ResultsWindowTest, WindowsThatAreGoneNoLongerFollowTheResults) {
  run_.RecordResult(ResultCategory::ToReorganize, "f:\\a");
  results_.reset();
  zoom_.reset();
  // The run goes on recording after the windows closed for good.
  run_.RecordResult(ResultCategory::SubfoldersReorganized, "f:\\b");
  run_.RecordFailedUndo("f:\\c");
  run_.ClearResultLists();
  run_.ClearResultZoomLists();
  EXPECT_EQ(run_.counter(ResultCategory::SubfoldersReorganized), 1);
  // A new pair of windows shows what is recorded from then on.
  zoom_ = std::make_unique<TfrmVol14ZoomStatistics>(run_);
  results_ = std::make_unique<TfrmStatistic14>(services_, run_, *zoom_);
  run_.RecordResult(ResultCategory::ToReorganize, "f:\\d");
  EXPECT_EQ(Rows(results(), "lstStat14FoldersToRestructure"), (TEXT_LIST{"f:\\d"}));
  EXPECT_EQ(Text(results(), "lblStat14FoldersToRestructure"), "2");
}

TEST_F(ResultsWindowTest, EveryExportOfAnEmptyListWarnsWithItsOwnMessage) {
  std::vector<TEXT_LIST> handed;
  results().SetExportHandler([&](const TEXT_LIST& entries) { handed.push_back(entries); });
  results().show();
  for (const ListNames& names : kNames) {
    const ExportMessage& message = EmptyListExportMessage(names.list);
    prompter_.Expect(MessageKind::kWarning, message.text, message.title);
    Click(results(), names.export_button);
    EXPECT_TRUE(prompter_.Done()) << names.export_button;
  }
  EXPECT_TRUE(handed.empty());
  ASSERT_EQ(prompter_.shown().size(), 9u);
  EXPECT_NE(prompter_.shown()[5].title.find("Files -From a"), std::string::npos);
  EXPECT_NE(prompter_.shown()[7].title.find("Warning no: 60053."), std::string::npos);
}

TEST_F(ResultsWindowTest, ExportHandsOverEachEntryOnceAndOnlyEntriesWithADrive) {
  std::vector<TEXT_LIST> handed;
  results().SetExportHandler([&](const TEXT_LIST& entries) { handed.push_back(entries); });
  for (const char* path : {"f:\\New\\B", "f:\\new\\b", "f:\\New\\A", "\\New\\C"})
    run_.RecordResult(ResultCategory::MainFoldersReorganized, path);
  run_.RecordFailedUndo("f:\\New\\2016");
  run_.RecordFailedUndo("F:\\NEW\\2016");

  Click(results(), "btnStat14SmartExportMainFoldersRestructured");
  Click(results(), "btnStat14SmartExportFoldersFailedUndo");
  ASSERT_EQ(handed.size(), 2u);
  // In the shown (sorted) order of the list.
  EXPECT_EQ(handed[0], (TEXT_LIST{"f:\\New\\A", "f:\\New\\B"}));
  EXPECT_EQ(handed[1], (TEXT_LIST{"f:\\New\\2016"}));
}

TEST_F(ResultsWindowTest, FilesControlsShowAndHideTogether) {
  const char* files_controls[] = {"lblStat14FilesRestructured", "lstStat14FoldersFilesRestructured",
                                  "btnStat14ZoomFoldersFilesRestructured",
                                  "btnStat14SmartExportFoldersFilesRestructured"};
  results().show();
  QWidget* neighbour = Find<QWidget>(results(), "lstStat14SubFoldersRestructured");
  const QRect before = neighbour->geometry();
  results().ShowFilesControls(false);
  for (const char* name : files_controls) EXPECT_TRUE(Find<QWidget>(results(), name)->isHidden());
  QApplication::processEvents();
  EXPECT_EQ(neighbour->geometry(), before);  // the other lists stay where they were
  EXPECT_FALSE(Find<QWidget>(results(), "btnStat14ZoomSubFoldersRestructured")->isHidden());
  results().ShowFilesControls(true);
  for (const char* name : files_controls) EXPECT_FALSE(Find<QWidget>(results(), name)->isHidden());
}

TEST_F(ResultsWindowTest, OkClosesTheWindowWhichFitsALaptopScreen) {
  // A 1366 x 768 screen less a task bar and the title bar: the lists give way.
  EXPECT_LE(results().minimumSizeHint().height(), 680);
  EXPECT_LE(results().minimumSizeHint().width(), 1366);
  results().ShowResultsWindow();
  EXPECT_TRUE(results().isVisible());
  Click(results(), "btnStat14OK");
  EXPECT_FALSE(results().isVisible());
}

// A run that copies a hundred thousand files records each one; with the
// window on screen this must stay far from quadratic.
TEST_F(ResultsWindowTest, AHundredThousandEntriesRecordQuickly) {
  results().ShowResultsWindow();
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 100000; ++i)
    run_.RecordResult(ResultCategory::FilesReorganized,
                           "f:\\New\\2016\\Client\\file" + std::to_string(i) + ".txt");
  // Folders arrive in Include order, which is not alphabetical.
  for (int i = 0; i < 30000; ++i)
    run_.RecordResult(ResultCategory::ToReorganize,
                           "f:\\Old\\" + std::to_string((i * 7919) % 30000));
  QApplication::processEvents();
  const qint64 elapsed = clock.elapsed();
  std::cout << "[ measured ] 130,000 entries recorded in " << elapsed << " ms, pump ran "
            << pump_.runs() << " times\n";
  EXPECT_LT(elapsed, 20000);
  EXPECT_EQ(Text(results(), "lblStat14FoldersFilesRestructured"), "100000");
  const ResultEntries& sorted = results().list(ResultList::ToReorganize);
  ASSERT_EQ(sorted.size(), 30000u);
  EXPECT_EQ(sorted.At(0), "f:\\Old\\0");
  EXPECT_EQ(sorted.At(1), "f:\\Old\\1");
  EXPECT_EQ(sorted.At(2), "f:\\Old\\10");
  EXPECT_EQ(sorted.At(29999), "f:\\Old\\9999");
  EXPECT_EQ(zoom().list(ResultList::ToReorganize).At(1), "f:\\Old\\7919");
}

}  // namespace
}  // namespace ordovan
