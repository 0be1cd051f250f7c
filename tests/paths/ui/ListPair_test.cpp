// The Include/Exclude list pair driven through the main window's buttons.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "paths/ui/TfrmZoomIncludeWindow.h"
#include "shell/ui/TfrmMainFR.h"
#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

const char kEndOfImport[] = "End of the Import Process !!!\n";

class ListPairTest : public AppFixture {
 protected:
  void SetUp() override { StartWindows(); }

  EntryList& include() { return main().IncludeList(); }
  EntryList& exclude() { return main().ExcludeList(); }
  EntryListView* include_view() { return main().lstVol14IncludeWindowFolderList; }
  EntryListView* exclude_view() { return main().lstVol14ExcludeWindowFolderList; }

  void Click(const char* name) {
    auto* button = Child<QPushButton>(name);
    ASSERT_NE(button, nullptr);
    button->click();
  }

  // The counters as the page shows them: visible Include, Exclude, then hidden.
  std::vector<std::string> Counters() {
    std::vector<std::string> texts;
    for (const char* name : {"lblVol14IncSum", "lblVol14ExcSum", "lblVol14IncludeWindowLinesSum",
                             "lblVol14ExcludeWindowLinesSum"}) {
      texts.push_back(Child<QLabel>(name)->text().toStdString());
    }
    return texts;
  }

  // The page after Find: a template built, group enabled, run options on.
  void PretendFindRan() {
    main().lstVol14SubFoldersSource->list().AppendAll({"a", "b"});
    main().lstVol14SubFoldersDestination->list().AppendAll({"b", "a"});
    main().Template().LineNumberMap = {{"a", {0, 1}}, {"b", {1, 0}}};
    main().SetTemplateStage(2);
    main().SetRunOptionsEnabled(true);
  }
  bool RefreshRan() { return !main().lstVol14SubFoldersSource->isEnabled(); }

  void ExpectWarning(const std::string& text, const std::string& title) {
    prompter_.Expect(MessageKind::kWarning, text, title);
  }

  // A stand-in for a take-over dialog.
  TakeOverDialog Dialog(bool ok, const TEXT_LIST& results) {
    results_list_ = results;
    return {[this, ok] {
              ++dialog_shown_;
              return ok;
            },
            [this]() -> const TEXT_LIST& { return results_list_; }};
  }

  TEXT_LIST results_list_;
  int dialog_shown_ = 0;
};

TEST_F(ListPairTest, MoveSelectedDropsADuplicateFromIncludeAndLeavesExcludeAsItWas) {
  include().AppendAll({"F:\\Data\\A", "f:\\data\\b"});
  exclude().Append("f:\\data\\a");
  include_view()->SelectRow(0);
  Click("btnVol14IncToExc");
  EXPECT_EQ(include().entries(), (TEXT_LIST{"f:\\data\\b"}));
  EXPECT_EQ(exclude().entries(), (TEXT_LIST{"f:\\data\\a"}));
  EXPECT_EQ(Counters(), (std::vector<std::string>{"1", "1", "1", "1"}));
}

TEST_F(ListPairTest, MoveSelectedTakesEverySelectedRowInListOrder) {
  include().AppendAll({"c:\\a\\1", "c:\\a\\2", "c:\\a\\3", "c:\\a\\4"});
  include_view()->SelectRow(3);
  include_view()->AddToSelection(0);
  include_view()->AddToSelection(2);
  Click("btnVol14IncToExc");
  EXPECT_EQ(exclude().entries(), (TEXT_LIST{"c:\\a\\1", "c:\\a\\3", "c:\\a\\4"}));
  EXPECT_EQ(include().entries(), (TEXT_LIST{"c:\\a\\2"}));

  exclude_view()->SelectRow(1);
  Click("btnVol14ExcToInc");
  EXPECT_EQ(include().entries(), (TEXT_LIST{"c:\\a\\2", "c:\\a\\3"}));
  EXPECT_EQ(exclude().entries(), (TEXT_LIST{"c:\\a\\1", "c:\\a\\4"}));
  EXPECT_EQ(Counters(), (std::vector<std::string>{"2", "2", "2", "2"}));
}

TEST_F(ListPairTest, MoveAllDropsEntriesWithoutADriveAndNetworkPathsPass) {
  include().AppendAll({"\\Data\\A", "\\\\srv\\share\\a", "c:\\x\\y"});
  Click("btnVol14AllFromInc");
  EXPECT_TRUE(include().empty());
  EXPECT_EQ(exclude().entries(), (TEXT_LIST{"\\\\srv\\share\\a", "c:\\x\\y"}));
  Click("btnVol14AllFromExc");
  EXPECT_EQ(include().entries(), (TEXT_LIST{"\\\\srv\\share\\a", "c:\\x\\y"}));
  EXPECT_TRUE(exclude().empty());
  EXPECT_EQ(Counters(), (std::vector<std::string>{"2", "0", "2", "0"}));
}

TEST_F(ListPairTest, ExchangeSwapsTheListsKeepingThemFreeOfDuplicates) {
  include().AppendAll({"c:\\in\\1", "c:\\both\\x"});
  exclude().AppendAll({"c:\\ex\\1", "C:\\BOTH\\X", "c:\\ex\\2"});
  Click("btnVol14IncExcExchange");
  EXPECT_EQ(include().entries(), (TEXT_LIST{"c:\\ex\\1", "C:\\BOTH\\X", "c:\\ex\\2"}));
  EXPECT_EQ(exclude().entries(), (TEXT_LIST{"c:\\in\\1"}));
  EXPECT_EQ(Counters(), (std::vector<std::string>{"3", "1", "3", "1"}));
}

TEST_F(ListPairTest, EveryListChangeTakesThePageBackToBeforeFind) {
  include().AppendAll({"c:\\a\\1", "c:\\a\\2"});
  PretendFindRan();
  for (int i = 0; i < 5; ++i) main().Results().RecordResult(ResultCategory::ToReorganize, "c:\\x");
  const std::size_t refreshes = main().Results().refresh_count();
  include_view()->SelectRow(0);
  Click("btnVol14IncToExc");
  // Entries left: the level lists keep their names but are disabled, Find is on.
  EXPECT_EQ(main().lstVol14SubFoldersSource->list().size(), 2u);
  EXPECT_EQ(main().lstVol14SubFoldersDestination->list().size(), 2u);
  EXPECT_FALSE(main().lstVol14SubFoldersSource->isEnabled());
  EXPECT_TRUE(main().btnVol14FindShortestPath->isEnabled());
  EXPECT_FALSE(main().btnVol14BrowseDestinationFolder->isEnabled());
  EXPECT_TRUE(main().Template().LineNumberMap.empty());
  EXPECT_EQ(main().Results().refresh_count(), refreshes + 1);
  EXPECT_EQ(main().Results().counter_labels()[CategoryIndex(ResultCategory::ToReorganize)], "5");
  // The run buttons still follow the texts.
  main().cboVol14DestinationFolder->setEditText("f:\\dest");
  EXPECT_TRUE(main().btnVol14Restructure->isEnabled());

  // Emptied: both level lists are emptied too.
  Click("btnVol14AllFromInc");
  EXPECT_TRUE(main().lstVol14SubFoldersSource->list().empty());
  EXPECT_TRUE(main().lstVol14SubFoldersDestination->list().empty());
  EXPECT_FALSE(main().btnVol14FindShortestPath->isEnabled());
  EXPECT_FALSE(main().btnVol14Restructure->isEnabled());
}

TEST_F(ListPairTest, AddFolderPathRefusesWithTheMessagesInTheirOrder) {
  include().Append("c:\\data\\a");
  exclude().Append("c:\\data\\b");
  dialogs_.ExpectFolder("Select the Folder.", "");
  ExpectWarning("The selection field is empty !!!", "Ordovan.            Warning no: 140013.");
  dialogs_.ExpectFolder("Select the Folder.", "C:\\Data\\A");
  ExpectWarning("This folder exists in the INCLUDE FOLDER LIST !!!",
                "Ordovan.            Warning no: 140014.");
  dialogs_.ExpectFolder("Select the Folder.", "C:\\Data");
  ExpectWarning(
      "This path is too short, so it can not be reorganized !!!\n\n You must select path with "
      "one subfolder at least",
      "Ordovan.            Warning no: 140015.");
  dialogs_.ExpectFolder("Select the Folder.", "c:\\");
  ExpectWarning(
      "This path is too short, so it can not be reorganized !!!\n\n You must select path with "
      "one subfolder at least",
      "Ordovan.            Warning no: 140015.");
  dialogs_.ExpectFolder("Select the Folder.", "C:\\Data\\B");
  ExpectWarning("This folder exists in the EXCLUDE FOLDER LIST !!!",
                "Ordovan.            Warning no: 140016.");
  for (int i = 0; i < 5; ++i) Click("btnVol14IncludeWindowAddFolderToList");
  prompter_.VerifyDone();
  EXPECT_EQ(include().entries(), (TEXT_LIST{"c:\\data\\a"}));
  EXPECT_EQ(exclude().entries(), (TEXT_LIST{"c:\\data\\b"}));
}

TEST_F(ListPairTest, AddFolderPathAppendsTheChosenPathUnchangedAndRefreshes) {
  PretendFindRan();
  dialogs_.ExpectFolder("Select the Folder.", "C:\\Data\\New Folder");
  Click("btnVol14IncludeWindowAddFolderToList");
  EXPECT_EQ(include().entries(), (TEXT_LIST{"C:\\Data\\New Folder"}));
  EXPECT_TRUE(RefreshRan());
  EXPECT_EQ(Counters()[0], "1");
}

TEST_F(ListPairTest, AddFolderPathCancelledStillRefreshes) {
  include().Append("c:\\a\\b");
  PretendFindRan();
  dialogs_.ExpectFolder("Select the Folder.", "");
  ExpectWarning("The selection field is empty !!!", "Ordovan.            Warning no: 140013.");
  Click("btnVol14IncludeWindowAddFolderToList");
  EXPECT_TRUE(RefreshRan());
}

TEST_F(ListPairTest, ListBuilderCancelledWithResultsAddsNothingButRefreshes) {
  PretendFindRan();
  ExpectWarning(kEndOfImport, "Ordovan        rning no: 140007.");
  main().TakeOverListBuilderResults(Dialog(false, {"c:\\a\\b", "c:\\a\\c"}));
  EXPECT_EQ(dialog_shown_, 1);
  EXPECT_TRUE(include().empty());
  EXPECT_TRUE(RefreshRan());
}

TEST_F(ListPairTest, ListBuilderWithAnEmptyResultWarnsTwiceAndDoesNotRefresh) {
  PretendFindRan();
  ExpectWarning("Empty Result List in the Subfolder List Window!\n",
                "Ordovan.            Warning no: 140004.");
  ExpectWarning(kEndOfImport, "Ordovan        rning no: 140007.");
  main().TakeOverListBuilderResults(Dialog(true, {}));
  EXPECT_FALSE(RefreshRan());
}

TEST_F(ListPairTest, ImportWithAnEmptyResultShows140008Then140011) {
  ExpectWarning("Empty Result List in the File Import Window!\n",
                "Ordovan.            Warning no: 140008.");
  ExpectWarning(kEndOfImport, "Ordovan        rning no: 140011.");
  main().TakeOverImportResults(Dialog(false, {}));
  prompter_.VerifyDone();
}

TEST_F(ListPairTest, ImportTakesOverOnlyQualifyingEntriesInOrderAndExactly) {
  include().Append("f:\\in\\list");
  exclude().Append("f:\\ex\\list");
  ExpectWarning(kEndOfImport, "Ordovan        rning no: 140011.");
  main().TakeOverImportResults(Dialog(true, {"F:\\IN\\LIST", "f:\\EX\\list", "  ", "\\no\\drive",
                                             "f:\\one", "\\\\srv\\share\\a", "  g:\\lead\\b",
                                             "h:\\x\\y", "H:\\X\\Y"}));
  EXPECT_EQ(include().entries(), (TEXT_LIST{"f:\\in\\list", "  g:\\lead\\b", "h:\\x\\y"}));
  EXPECT_EQ(Counters(), (std::vector<std::string>{"3", "1", "3", "1"}));
}

TEST_F(ListPairTest, EditListHandsTheEntriesOverAndRefreshesOnlyAfterOk) {
  include().AppendAll({"c:\\a\\1", "c:\\a\\2"});
  PretendFindRan();
  TEXT_LIST handed;
  main().EditIncludeList([&](const TEXT_LIST& entries) {
    handed = entries;
    return false;
  });
  EXPECT_EQ(handed, (TEXT_LIST{"c:\\a\\1", "c:\\a\\2"}));
  EXPECT_FALSE(RefreshRan());
  main().EditIncludeList([&](const TEXT_LIST&) {
    include().Assign({"c:\\edited\\one"});  // what the editor does on OK
    return true;
  });
  EXPECT_TRUE(RefreshRan());
  EXPECT_EQ(Counters()[0], "1");
}

TEST_F(ListPairTest, ExportOfAnEmptyIncludeListWarns) {
  main().show();
  ExpectWarning("The Include List is empty !\n", "Ordovan.             Warning no: 140019.");
  EntryList shown;
  bool dialog_shown = false;
  main().ExportIncludeList({[] {}, &shown, [](std::size_t) {}, [&] { dialog_shown = true; }});
  EXPECT_FALSE(dialog_shown);
  main().hide();
}

TEST_F(ListPairTest, ExportHandsEachEntryOnceWithItsDriveToTheDialog) {
  include().AppendAll({"c:\\a\\b", "no drive", "\\\\srv\\share\\x", "d:\\e\\f"});
  PretendFindRan();
  EntryList shown;
  shown.Append("left over from before");
  std::vector<std::size_t> counts;
  std::vector<std::string> steps;
  main().ExportIncludeList({[&] {
                              steps.push_back("reset");
                              shown.Clear();
                            },
                            &shown,
                            [&](std::size_t n) { counts.push_back(n); },
                            [&] { steps.push_back("shown with " + std::to_string(shown.size())); }});
  EXPECT_EQ(steps, (std::vector<std::string>{"reset", "shown with 3"}));
  EXPECT_EQ(shown.entries(), (TEXT_LIST{"c:\\a\\b", "\\\\srv\\share\\x", "d:\\e\\f"}));
  EXPECT_EQ(counts, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_TRUE(RefreshRan());
}

TEST_F(ListPairTest, ViewSelectedNeedsACurrentEntryAndOpensItTrimmed) {
  const char* text =
      "There is no selected Folder Structure !\nAction : You must select a Folder with "
      "subfolder structure.";
  ExpectWarning(text, "Ordovan.            Warning no: 140018.");
  Click("btnVol14IncludeWindowViewSelected");  // empty list
  include().AppendAll({"c:\\a\\1", "  c:\\a\\2 "});
  include_view()->ClearSelectionAndCurrent();
  ExpectWarning(text, "Ordovan.            Warning no: 140018.");
  Click("btnVol14IncludeWindowViewSelected");  // no current entry
  include_view()->SelectRow(1);
  Click("btnVol14IncludeWindowViewSelected");
  EXPECT_EQ(shell_.opened, (std::vector<std::string>{"c:\\a\\2"}));
}

TEST_F(ListPairTest, ZoomKeepsEntriesThatLeftTheIncludeListSinceAnEarlierZoom) {
  auto* zoom = windows().Find<TfrmZoomIncludeWindow>();
  ASSERT_NE(zoom, nullptr);
  EXPECT_EQ(zoom->windowTitle(), "Zoom the Include Window.");
  EXPECT_EQ(zoom->size(), QSize(989, 603));
  EXPECT_EQ(zoom->lstZoomIncludeWindow->HorizontalExtent(), 3000);
  EXPECT_EQ(zoom->btnZoomInjcludeWindowsClose->text(), "Close");

  include().AppendAll({"c:\\a\\1", "c:\\a\\2"});
  int zooms = 0;
  auto close_when_open = [&] {
    WhenModalOpens([&](QWidget* modal) {
      EXPECT_EQ(modal, zoom);
      ++zooms;
      zoom->btnZoomInjcludeWindowsClose->click();
    });
  };
  close_when_open();
  Click("btnVol14IncludeWindowZoom");
  include_view()->SelectRow(0);
  Click("btnVol14IncToExc");
  include().Append("C:\\A\\2");  // the same entry in other letters is not added again
  include().Append("c:\\a\\3");
  close_when_open();
  Click("btnVol14IncludeWindowZoom");
  EXPECT_EQ(zooms, 2);
  EXPECT_EQ(zoom->ZoomList().entries(), (TEXT_LIST{"c:\\a\\1", "c:\\a\\2", "c:\\a\\3"}));
}

TEST_F(ListPairTest, DeleteSelectedOnAnEmptyExcludeListWarnsAndRefreshes) {
  PretendFindRan();
  ExpectWarning(
      "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE "
      "list to delete it.\n",
      "Ordovan.            Warning no: 140021.");
  Click("btnVol14ExcludeWindowDeleteSelected");
  EXPECT_TRUE(RefreshRan());
}

TEST_F(ListPairTest, DeleteSelectedAskedNoRemovesNothingAndYesRemovesTheSelection) {
  const char* question =
      "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete "
      "ONLY from the EXCLUDE list.\n";
  const char* title = "Ordovan.            Warning no: 140020.";
  exclude().AppendAll({"c:\\x\\1", "c:\\x\\2"});
  exclude_view()->SelectRow(1);
  prompter_.Expect(MessageKind::kQuestion, question, title, Answer::kNo);
  Click("btnVol14ExcludeWindowDeleteSelected");
  EXPECT_EQ(exclude().size(), 2u);
  EXPECT_EQ(Counters()[1], "2");  // redrawn all the same
  prompter_.Expect(MessageKind::kQuestion, question, title, Answer::kYes);
  Click("btnVol14ExcludeWindowDeleteSelected");
  EXPECT_EQ(exclude().entries(), (TEXT_LIST{"c:\\x\\1"}));
  EXPECT_EQ(Counters()[1], "1");
}

TEST_F(ListPairTest, DeleteAllWarnsWhenEmptyAndEmptiesOnYes) {
  ExpectWarning("Empty List in the Exclude Window!\n", "Ordovan.            Warning no: 140022.");
  Click("btnVol14ExcludeWindowDeleteAll");
  exclude().AppendAll({"c:\\x\\1", "c:\\x\\2"});
  const char* question = "Do you want to delete all item(s) from the Exclude list ?";
  prompter_.Expect(MessageKind::kQuestion, question, "Ordovan.            Warning no: 140023.",
                   Answer::kNo);
  Click("btnVol14ExcludeWindowDeleteAll");
  EXPECT_EQ(exclude().size(), 2u);
  prompter_.Expect(MessageKind::kQuestion, question, "Ordovan.            Warning no: 140023.",
                   Answer::kYes);
  Click("btnVol14ExcludeWindowDeleteAll");
  EXPECT_TRUE(exclude().empty());
  EXPECT_EQ(Counters(), (std::vector<std::string>{"0", "0", "0", "0"}));
}

TEST_F(ListPairTest, DeleteAllAndExportPutTheFocusWhereTheCommandSays) {
  main().show();
  main().activateWindow();
  QApplication::setActiveWindow(&main());
  ExpectWarning("Empty List in the Exclude Window!\n", "Ordovan.            Warning no: 140022.");
  Click("btnVol14ExcludeWindowDeleteAll");
  EXPECT_TRUE(main().btnVol14ExcludeWindowDeleteSelected->hasFocus());
  ExpectWarning("The Include List is empty !\n", "Ordovan.             Warning no: 140019.");
  EntryList shown;
  main().ExportIncludeList({[] {}, &shown, [](std::size_t) {}, [] {}});
  EXPECT_TRUE(main().btnVol14IncludeWindowExportFolderList->hasFocus());
  main().hide();
}

}  // namespace
}  // namespace ordovan::testing
