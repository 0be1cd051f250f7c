// The road of a reorganization through the real windows, on a real folder
// tree under a mounted `f:`: fill the Include list, Find, build the New Level
// Order, Browse, then Organize or Simulation/View, look at the results
// window, and Undo.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <functional>
#include <set>

#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/ui/ResultListView.h"
#include "reorganizer/ui/TfrmStatistic14.h"
#include "reorganizer/ui/TfrmVol14ZoomStatistics.h"
#include "support/ExamplePaths.h"
#include "support/ReorganizerFixtures.h"
#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

namespace fs = std::filesystem;

using namespace example;

// Lets a test look at the window while a run goes: the run lets pending
// window messages run once per included path.
class ProbePump : public EventPump {
 public:
  void Pump() override {
    if (probe) probe();
  }
  std::function<void()> probe;
};

class RunCommandsTest : public AppFixture {
 protected:
  RunCommandsTest() : drive_(tree_.Mount("f:")) {
    BuildClientsTree(tree_);
    services_.pump = &pump_;
    StartWindowsWithResultsWindow();
    results_window_ = windows().Find<TfrmStatistic14>();
    zoom_window_ = windows().Find<TfrmVol14ZoomStatistics>();
  }

  void Click(const char* button) {
    if (QPushButton* found = Child<QPushButton>(button)) found->click();
  }

  // The page as the user leaves it before a run: the six paths added with
  // "Add Fold. Path", Find, the New Level Order "2015", "Client2",
  // "Old Clients" picked from the Old Level Order, and Browse.
  void PrepareClientsRun() {
    for (const std::string& path : ClientsIncludeList()) {
      dialogs_.ExpectFolder("Select the Folder.", path);
      Click("btnVol14IncludeWindowAddFolderToList");
    }
    ASSERT_EQ(main().IncludeList().size(), 6u);
    Click("btnVol14FindShortestPath");
    ASSERT_EQ(main().lstVol14SubFoldersSource->list().entries(),
              (TEXT_LIST{"Old Clients", "Client2", "2015"}));
    for (std::size_t row : {2u, 1u, 0u}) {
      main().lstVol14SubFoldersSource->SelectRow(row);
      Click("btnVol14SourceToDest");
    }
    ASSERT_EQ(main().lstVol14SubFoldersDestination->list().entries(),
              (TEXT_LIST{"2015", "Client2", "Old Clients"}));
    dialogs_.ExpectFolder("Select the Destination Directory.", N);
    Click("btnVol14BrowseDestinationFolder");
    ASSERT_TRUE(dialogs_.Done());
    ASSERT_TRUE(main().btnVol14Restructure->isEnabled());
    ASSERT_TRUE(main().btnVol14Simulation->isEnabled());
  }

  TEXT_LIST Rows(QWidget& window, const char* list) {
    TEXT_LIST rows;
    auto* view = window.findChild<ResultListView*>(list);
    EXPECT_NE(view, nullptr) << list;
    if (!view) return rows;
    for (int row = 0; row < view->model()->rowCount(); ++row)
      rows.push_back(view->model()->index(row, 0).data().toString().toStdString());
    return rows;
  }
  TEXT_LIST Results(const char* list) { return Rows(*results_window_, list); }
  TEXT_LIST Zoomed(const char* list) { return Rows(*zoom_window_, list); }

  QString Counter(const char* label) {
    auto* found = results_window_->findChild<QLabel*>(label);
    EXPECT_NE(found, nullptr) << label;
    return found ? found->text() : QString();
  }
  QStringList Counters() {
    QStringList shown;
    for (const char* label :
         {"lblStat14FoldersToRestructure", "lblStat14MainFoldersRestructured",
          "lblStat14SubFoldersRestructured", "lblStat14FoldersFilesRestructured",
          "lblStat14FoldersSourceNotExists", "lblStat14FoldersDestinationExists",
          "lblStat14FoldersOtherReasons"})
      shown << Counter(label);
    return shown;
  }

  bool Exists(const std::string& program_path) { return fs::exists(tree_.Native(program_path)); }

  fs::path drive_;
  ProbePump pump_;
  TfrmStatistic14* results_window_ = nullptr;
  TfrmVol14ZoomStatistics* zoom_window_ = nullptr;
};

const TEXT_LIST kMainFoldersSorted = {M2015, MClient1, MClient2, MClient3};
const TEXT_LIST kMainFoldersRecorded = {M2015, MClient2, MClient3, MClient1};
const TEXT_LIST kSubfoldersSorted = {MClient1 + "\\docs\\pdf", MClient1 + "\\docs\\ppt",
                                     MClient2 + "\\emails", MClient2 + "\\txt",
                                     MClient3 + "\\txt"};

TEST_F(RunCommandsTest, OrganizeFillsTheResultsWindowAndUndoTakesItAllBack) {
  PrepareClientsRun();
  Click("btnVol14Restructure");
  prompter_.VerifyDone();

  // "Show Visual Log" is checked: the run showed the results window.
  EXPECT_TRUE(results_window_->isVisible());
  EXPECT_EQ(Results("lstStat14FoldersToRestructure"),
            (TEXT_LIST{"f:\\Business\\Client3\\2016\\txt", "f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                       "f:\\Old Clients\\Client1\\2016\\docs\\ppt", "f:\\Old Clients\\Client2\\2015\\",
                       "f:\\Old Clients\\Client2\\2016\\emails",
                       "f:\\Old Clients\\Client2\\2016\\txt"}));
  EXPECT_EQ(Results("lstStat14MainFoldersRestructured"), kMainFoldersSorted);
  EXPECT_EQ(Zoomed("lstVol14ZoomStatisticsMainFoldersRestructured"), kMainFoldersRecorded);
  EXPECT_EQ(Results("lstStat14SubFoldersRestructured"), kSubfoldersSorted);
  EXPECT_EQ(Results("lstStat14FoldersDestinationExists"), (TEXT_LIST{MClient2, MClient1}));
  EXPECT_EQ(Results("lstStat14FoldersSourceNotExists"), TEXT_LIST{});
  EXPECT_EQ(Results("lstStat14FoldersOtherReasons"), TEXT_LIST{});
  EXPECT_EQ(Counters(), (QStringList{"6", "4", "5", "14", "0", "2", "0"}));
  // The template keeps the new order the run recorded.
  EXPECT_EQ(OldToNewMap(main().Template().LineNumberMap),
            (MAP_NEW_OLD_LINE_NUMBERS{{0, 2}, {1, 1}, {2, 0}}));
  const TEXT_LIST files = Results("lstStat14FoldersFilesRestructured");
  ASSERT_EQ(files.size(), 14u);
  for (const std::string& file : files) EXPECT_TRUE(Exists(file)) << file;
  EXPECT_EQ(ReadFile(tree_, MClient2 + "\\emails\\mail.eml"),
            "content of f:\\Old Clients\\Client2\\2016\\emails\\mail.eml");
  // Organize leaves both run buttons on.
  EXPECT_TRUE(main().btnVol14Restructure->isEnabled());
  EXPECT_TRUE(main().btnVol14Simulation->isEnabled());

  prompter_.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  prompter_.Expect(MessageKind::kInformation, kUndoEndText, kUndoEndTitle);
  Click("btnVol14Undo");
  prompter_.VerifyDone();
  EXPECT_TRUE(fs::is_directory(drive_ / "New Clients"));
  EXPECT_TRUE(fs::is_empty(drive_ / "New Clients"));
  EXPECT_TRUE(Exists("f:\\Old Clients\\Client2\\2016\\emails\\mail.eml"));
  for (const char* list :
       {"lstStat14FoldersToRestructure", "lstStat14MainFoldersRestructured",
        "lstStat14SubFoldersRestructured", "lstStat14FoldersFilesRestructured",
        "lstStat14FoldersDestinationExists", "lstStat14FoldersFailedUndo"})
    EXPECT_EQ(Results(list), TEXT_LIST{}) << list;
  EXPECT_EQ(Counters(), (QStringList{"6", "0", "0", "0", "0", "0", "0"}));
  // The zoom window still shows what the run recorded.
  EXPECT_EQ(Zoomed("lstVol14ZoomStatisticsMainFoldersRestructured"), kMainFoldersRecorded);

  // Nothing is left to undo; the message carries its Ö.
  prompter_.Expect(MessageKind::kWarning,
                   "No UNDO process !!!\nThere are no Created (Reorganized\xC3\x96 paths  !!!\nYou "
                   "must Create =Reorganize) at least one Path to UNDO them.",
                   "Ordovan.            Warning no: 120056.");
  Click("btnVol14Undo");
  prompter_.VerifyDone();
}

TEST_F(RunCommandsTest, SimulationJudgesTheSameWithoutTouchingTheDiskAndLeavesNothingToUndo) {
  PrepareClientsRun();
  const TREE_SNAPSHOT before = Snapshot(drive_);
  std::vector<std::pair<bool, bool>> buttons_during_run;
  pump_.probe = [&] {
    buttons_during_run.emplace_back(main().btnVol14Simulation->isEnabled(),
                                    main().btnVol14Restructure->isEnabled());
  };
  Click("btnVol14Simulation");
  pump_.probe = nullptr;
  prompter_.VerifyDone();

  EXPECT_EQ(Snapshot(drive_), before);
  ASSERT_GE(buttons_during_run.size(), 6u);  // at least once per included path
  for (const auto& [simulation, organize] : buttons_during_run) {
    EXPECT_FALSE(simulation);
    EXPECT_FALSE(organize);
  }
  EXPECT_TRUE(main().btnVol14Simulation->isEnabled());
  EXPECT_TRUE(main().btnVol14Restructure->isEnabled());

  EXPECT_EQ(Results("lstStat14MainFoldersRestructured"), kMainFoldersSorted);
  EXPECT_EQ(Results("lstStat14SubFoldersRestructured"), kSubfoldersSorted);
  EXPECT_EQ(Results("lstStat14FoldersDestinationExists"), (TEXT_LIST{MClient2, MClient1}));
  EXPECT_EQ(Counters(), (QStringList{"6", "4", "5", "14", "0", "2", "0"}));
  EXPECT_TRUE(main().Records().CreatedMainFolders.empty());

  prompter_.Expect(MessageKind::kWarning,
                   "No UNDO process !!!\nThere are no Created (Reorganized\xC3\x96 paths  !!!\n"
                   "You must Create =Reorganize) at least one Path to UNDO them.",
                   "Ordovan.            Warning no: 120056.");
  Click("btnVol14Undo");
  prompter_.VerifyDone();
}

TEST_F(RunCommandsTest, TheResultsWindowRepaintsAsEachPathIsRecorded) {
  PrepareClientsRun();
  std::set<QString> totals_seen;
  pump_.probe = [&] {
    EXPECT_TRUE(results_window_->isVisible());
    totals_seen.insert(Counter("lblStat14FoldersToRestructure"));
  };
  Click("btnVol14Restructure");
  pump_.probe = nullptr;
  // The window was let repaint with every count from the first path to the last.
  for (const char* total : {"1", "2", "3", "4", "5", "6"})
    EXPECT_EQ(totals_seen.count(total), 1u) << total;
}

TEST_F(RunCommandsTest, UndoReportsAndListsTheFoldersStillHoldingAFileOfTheUser) {
  PrepareClientsRun();
  Click("btnVol14Restructure");
  tree_.File(MClient1 + "\\docs\\mine.txt", "the user's own");

  const TEXT_LIST kept = {MClient1 + "\\docs", MClient1, N + "\\2016\\Client1", N + "\\2016"};
  std::string report =
      "The program is unable to delete the following folders, and/or separate files : \n"
      "\nOTHER REASONS   : \n\n";
  for (const std::string& folder : kept) report += folder + "\n";
  prompter_.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  prompter_.Expect(MessageKind::kWarning, report, kUndoReportTitle);
  prompter_.Expect(MessageKind::kInformation, kKeptForUndoText, kKeptForUndoTitle);
  prompter_.Expect(MessageKind::kInformation, kUndoEndText, kUndoEndTitle);
  Click("btnVol14Undo");
  prompter_.VerifyDone();

  EXPECT_EQ(ReadFile(tree_, MClient1 + "\\docs\\mine.txt"), "the user's own");
  EXPECT_FALSE(Exists(M2015));
  EXPECT_FALSE(Exists(MClient1 + "\\docs\\pdf"));
  EXPECT_EQ(Results("lstStat14FoldersFailedUndo"), kept);
  EXPECT_EQ(Zoomed("lstVol14ZoomStatisticsFoldersFailedUndo"), kept);

  // Its Export hands exactly those folders to the export dialog.
  std::vector<TEXT_LIST> handed;
  results_window_->SetExportHandler([&](const TEXT_LIST& entries) { handed.push_back(entries); });
  results_window_->findChild<QPushButton*>("btnStat14SmartExportFoldersFailedUndo")->click();
  EXPECT_EQ(handed, (std::vector<TEXT_LIST>{kept}));
}

TEST_F(RunCommandsTest, WithoutVisualLogTheWindowStaysHiddenButIsFilled) {
  PrepareClientsRun();
  Child<QCheckBox>("chkVol14ShowVisualLog")->click();
  ASSERT_FALSE(main().chkVol14ShowVisualLog->isChecked());
  Click("btnVol14Restructure");
  EXPECT_FALSE(results_window_->isVisible());
  EXPECT_EQ(Results("lstStat14MainFoldersRestructured"), kMainFoldersSorted);

  Click("btnVol14VisualLog");
  EXPECT_TRUE(results_window_->isVisible());
}

TEST_F(RunCommandsTest, WithoutFilesHidesTheFilesControlsAndCopiesNoFile) {
  PrepareClientsRun();
  QWidget* files_list = results_window_->findChild<QWidget*>("lstStat14FoldersFilesRestructured");
  ASSERT_NE(files_list, nullptr);
  Child<QRadioButton>("rdoVol14ReorganizeWithOutFiles")->click();
  for (const char* name : {"lblStat14FilesRestructured", "lstStat14FoldersFilesRestructured",
                           "btnStat14ZoomFoldersFilesRestructured",
                           "btnStat14SmartExportFoldersFilesRestructured"})
    EXPECT_TRUE(results_window_->findChild<QWidget*>(name)->isHidden()) << name;

  Click("btnVol14Restructure");
  EXPECT_EQ(Counter("lblStat14FoldersFilesRestructured"), "0");
  EXPECT_EQ(Results("lstStat14MainFoldersRestructured"), kMainFoldersSorted);
  for (auto it = fs::recursive_directory_iterator(drive_ / "New Clients");
       it != fs::recursive_directory_iterator(); ++it)
    EXPECT_TRUE(it->is_directory()) << it->path();

  Child<QRadioButton>("rdoVol14ReorganizeWithFiles")->click();
  EXPECT_FALSE(files_list->isHidden());
}

TEST_F(RunCommandsTest, AnEmptyIncludeListWarnsWithTheTitleOfEachMode) {
  // The buttons are off with an empty Include list; the handlers still guard.
  main().StoredDestination = N;
  prompter_.Expect(MessageKind::kWarning, "The Include List is empty !\n",
                   "Ordovan.             Warning no: 140035.");
  main().btnVol14RestructureClick();
  prompter_.VerifyDone();
  EXPECT_TRUE(results_window_->isVisible());  // shown before the message
  prompter_.Expect(MessageKind::kWarning, "The Include List is empty !\n",
                   "Ordovan.              Warning no: 140035.");
  main().btnVol14SimulationClick();
  prompter_.VerifyDone();
}

TEST_F(RunCommandsTest, ACutNumberThatIsNoNumberEndsTheRunWithTheWindowsWarning) {
  PrepareClientsRun();
  Click("btnVol14Restructure");
  const QStringList counters = Counters();
  Child<QLineEdit>("edtVol14CutLeadFoldersNumber")->setText("one");
  prompter_.Expect(MessageKind::kWarning,
                   "'one' is not a valid number !\nAction : You must enter a whole number, 0 or "
                   "greater than 0.\n",
                   "Ordovan.            Warning no: 140044.");
  Click("btnVol14Restructure");
  prompter_.VerifyDone();
  EXPECT_EQ(Counters(), counters);
  EXPECT_EQ(main().Records().CopiedFiles.size(), 14u);  // Undo can still take the run back
}

TEST_F(RunCommandsTest, ClearFieldsZeroesTheCountersTheResultsWindowShows) {
  PrepareClientsRun();
  Click("btnVol14Restructure");
  ASSERT_EQ(Counter("lblStat14FoldersToRestructure"), "6");

  prompter_.Expect(MessageKind::kQuestion,
                   "You will delete all fields !!!\nClick YES to Continue deleting all fields,\n"
                   "Click NO to Stop the delete process.",
                   "Ordovan.            Information no: 140042.", Answer::kYes);
  prompter_.Expect(MessageKind::kWarning, "End of the CLEAR FIELDS process !!!\n",
                   "Ordovan.           Warning no: 140043.");
  Click("btnVol14ClearFields");
  prompter_.VerifyDone();
  // Clear Fields leaves the results window's lists; its counters show zero
  // at the next refresh, which the next list change brings.
  EXPECT_EQ(Results("lstStat14MainFoldersRestructured"), kMainFoldersSorted);
  dialogs_.ExpectFolder("Select the Folder.", "f:\\Old Clients\\Client2\\2015");
  Click("btnVol14IncludeWindowAddFolderToList");
  EXPECT_EQ(Counters(), (QStringList{"0", "0", "0", "0", "0", "0", "0"}));

  // Undo still takes back the Organize run.
  prompter_.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  prompter_.Expect(MessageKind::kInformation, kUndoEndText, kUndoEndTitle);
  main().btnVol14UndoClick();
  prompter_.VerifyDone();
  EXPECT_TRUE(fs::is_empty(drive_ / "New Clients"));
}

TEST_F(RunCommandsTest, ActivatingTheMainWindowSetsTheModeCaption) {
  QLabel* caption = results_window_->findChild<QLabel*>("lblVol14NormalSimulate");
  ASSERT_NE(caption, nullptr);
  caption->clear();
  main().RefreshResultsModeCaption();
  EXPECT_EQ(caption->text(), "Folder/File Copy Process.");
  results_window_->SetNormalRunMarked(false);
  main().RefreshResultsModeCaption();
  EXPECT_EQ(caption->text(), "Simulate the Folder/File Copy Process.");
}

}  // namespace
}  // namespace ordovan::testing
