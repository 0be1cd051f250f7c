// The main window: its start state, the settings at start and close, the
// enabling rules and the page commands.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "reorganizer/ui/TfrmStatistic14.h"
#include "settings/SettingsFile.h"
#include "shell/ui/ExitLineEdit.h"
#include "shell/ui/TfrmMainFR.h"
#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kFirstStartFileBytes = 2204480;  // 415 records of 5312 bytes

const char kSettingsFailedText[] =
    "Unable to open output file to save settings !\n\nAction: Try to save again the settings, or "
    "\n\nimmediately e-mail us, please!";
const char kSettingsFailedTitle[] = "Severe Error!    Msg no: 0130.";

class MainWindowTest : public AppFixture {
 protected:
  void SetUp() override { StartWindows(); }

  QPushButton* Button(const char* name) { return Child<QPushButton>(name); }
  EntryListView* List(const char* name) { return Child<EntryListView>(name); }

  // Puts the page into the state after Find and a complete New Level Order.
  void FillTemplate(const TEXT_LIST& old_order, const TEXT_LIST& new_order) {
    main().lstVol14SubFoldersSource->list().AppendAll(old_order);
    main().lstVol14SubFoldersDestination->list().AppendAll(new_order);
    main().SetTemplateStage(2);
  }
};

// Counts how often the main window says it has closed.
struct ClosedCounter {
  explicit ClosedCounter(TfrmMainFR& window) {
    QObject::connect(&window, &TfrmMainFR::MainWindowClosed, [this] { ++count; });
  }
  int count = 0;
};

struct ButtonRow {
  const char* name;
  const char* caption;
  const char* hint;
  bool enabled;
};

TEST_F(MainWindowTest, EveryButtonStartsWithItsCaptionHintAndState) {
  const ButtonRow rows[] = {
      {"btnVol14IncToExc", ">",
       "Move Selected Folders (Paths)  from the INCLUDE Window to the Exclude window.", true},
      {"btnVol14ExcToInc", "<",
       "Move Selected Folder (Paths) from the EXCLUDE Window to the INCLUDE Window.", true},
      {"btnVol14AllFromInc", ">>",
       "Move ALL Folders (Paths) from thr INCLUDE to the EXCLUDE window.", true},
      {"btnVol14AllFromExc", "<<",
       "Move ALL Folders (Paths)  from the EXCLUDE to the INCLUDE Window.", true},
      {"btnVol14IncExcExchange", "<>", "Exchange the content of the two Windows,", true},
      {"btnVol14IncludeWindowAddFolderToList", "Add Fold. Path",
       "Add Existing Folder Path to the INCLUDE Folder Path List", true},
      {"btnVol14IncludeWindowListBuilder", "List Builder",
       "Builds a list of Subfolders using Subfolder Level Numbers.", true},
      {"btnVol14IncludeWindowImportFolderList", "Import F.P. List",
       "Import (load) the content of the Text File to the INCLUDE Window.", true},
      {"btnVol14IncludeWindowEditList", "Edit List", "Edit the content of the INCLUDE Window.",
       true},
      {"btnVol14IncludeWindowViewSelected", "View Selected",
       "View the Selected folder from the INCLUDE Window.", true},
      {"btnVol14IncludeWindowExportFolderList", "Export",
       "Export (save) the Content of the INCLUDE Window to the Text File.", true},
      {"btnVol14IncludeWindowZoom", "Zoon", "Zoom the content of the INCLUDE  Window.", true},
      {"btnVol14ExcludeWindowDeleteSelected", "Delete Sel.",
       "Delete the Selected Folder(s) from the INCLUDE Window.", true},
      {"btnVol14ExcludeWindowDeleteAll", "Delete All",
       "Delete All Folders from the EXCLUDE Window.", true},
      {"btnVol14FindShortestPath", "Find", "Find a shortest Path.", false},
      {"btnVol14SourceToDest", ">",
       "Copy Selected Subfolders from the Old Level Order Window to the New Level Order Window.",
       false},
      {"btnVol14DestinationUpOne", "Item Up", "Move Selected Subfolders Up  One Place", false},
      {"btnVol14DestinationDownOne", "Item Down", "Move Selected Subfolders Down one Place", false},
      {"btnVol14DestinationDeleteSelected", "Delete Sel.",
       "Delete Selected Subfolder from the New Level Order", false},
      {"btnVol14DestinationDeleteAll", "Delete All",
       "Delete all Subfolder from the New Level Order", false},
      {"btnVol14CutLeadSubFolders", "Cut",
       "Press this button to Cut the lead Subfolders in Old Level Number Window.", false},
      {"btnVol14BrowseDestinationFolder", "Browse",
       "Browse a New Destination Directory for Newly Reorganized Paths.", false},
      {"btnVol14ShowExplorer", "Show Explorer", "Show the new destination directory.", false},
      {"btnVol14VisualLog", "Visual Log", "This window show detailed results.", false},
      {"btnVol14Undo", "Undo",
       "Restore previous state (Delete previously reordganized folders and files).", false},
      {"btnVol14Simulation", "Simulation/View",
       "Simulate the Reorganize process (no actial path will be reorganized).", false},
      {"btnVol14Restructure", "Organize", "Reorganize the paths from the Include Window.", false},
      {"btnVol14ClearFields", "Clear Fields",
       "Clar all Windows and Edit, and set default settings for other Controls.", true},
  };
  for (const ButtonRow& row : rows) {
    QPushButton* button = Button(row.name);
    ASSERT_NE(button, nullptr) << row.name;
    EXPECT_EQ(button->text().toStdString(), row.caption) << row.name;
    EXPECT_EQ(button->toolTip().toStdString(), row.hint) << row.name;
    EXPECT_EQ(button->isEnabled(), row.enabled) << row.name;
  }
  EXPECT_TRUE(Button("btnVol14Help")->isEnabled());
  EXPECT_FALSE(Button("btnVol14Help")->toolTip().isEmpty());
}

TEST_F(MainWindowTest, ListsFieldsAndCountersStartEmptyWithTheirNames) {
  struct ListRow {
    const char* name;
    const char* accessible;
    bool multi;
    bool enabled;
  } lists[] = {
      {"lstVol14IncludeWindowFolderList", "Include Folder  Path List", true, true},
      {"lstVol14ExcludeWindowFolderList", "Exclude Folder Path List", false, true},
      {"lstVol14SubFoldersSource", "Old Level Order for Subfolders", false, false},
      {"lstVol14SubFoldersDestination", "New Level Order for Subfolders", false, false},
  };
  for (const ListRow& row : lists) {
    EntryListView* list = List(row.name);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->list().empty()) << row.name;
    EXPECT_EQ(list->accessibleName().toStdString(), row.accessible);
    EXPECT_EQ(list->HorizontalExtent(), 3000) << row.name;
    EXPECT_EQ(list->selectionMode() == QAbstractItemView::ExtendedSelection, row.multi) << row.name;
    EXPECT_EQ(list->isEnabled(), row.enabled) << row.name;
  }
  for (const char* name : {"lblVol14IncSum", "lblVol14ExcSum", "lblVol14IncludeWindowLinesSum",
                           "lblVol14ExcludeWindowLinesSum"}) {
    EXPECT_EQ(Child<QLabel>(name)->text(), "0") << name;
  }
  EXPECT_EQ(Child<QLabel>("lblVol14IncLines")->text(), "Lines:");
  EXPECT_EQ(Child<QLabel>("lblVol14ExcLines")->text(), "Lines:");
  EXPECT_EQ(Child<QGroupBox>("grpVol14IncludeWindow")->title(), "Include Folder  Path List");
  EXPECT_EQ(Child<QGroupBox>("grpVol14ExcludeWindow")->title(), "Exclude Folder Path List");
  EXPECT_EQ(Child<QLabel>("lblVol14SubFoldersSource")->text(), "Old Level Order for Subfolders");
  EXPECT_EQ(Child<QLabel>("lblVol14SubFoldersDestination")->text(),
            "New Level Order for Subfolders");
  EXPECT_FALSE(Child<QLabel>("lblVol14FindShortestPath")->isEnabled());

  auto* cut = Child<QLineEdit>("edtVol14CutLeadFoldersNumber");
  EXPECT_EQ(cut->text(), "0");
  EXPECT_EQ(cut->toolTip(), "Number of Subfolders to cut.");
  EXPECT_FALSE(cut->isEnabled());
  EXPECT_FALSE(cut->accessibleName().isEmpty());
  auto* cut_switch = Child<QCheckBox>("chkVol14CutLeadFolders");
  EXPECT_EQ(cut_switch->text(), "Cut the Lead Subfolders");
  EXPECT_EQ(cut_switch->toolTip(),
            "Cut the lead subfolder(s) from the path, if you change the Main location.");
  EXPECT_FALSE(cut_switch->isChecked());
  EXPECT_FALSE(cut_switch->isEnabled());

  auto* destination = Child<QComboBox>("cboVol14DestinationFolder");
  EXPECT_TRUE(destination->isEditable());
  EXPECT_EQ(destination->count(), 0);
  EXPECT_TRUE(destination->currentText().isEmpty());
  EXPECT_EQ(destination->toolTip(), "New Destination Directory.");
  EXPECT_FALSE(destination->accessibleName().isEmpty());
  EXPECT_FALSE(destination->isEnabled());
  EXPECT_EQ(Child<QGroupBox>("grpVol14DestinationFolder")->title(), "New Destination Directory");

  auto* with_files = Child<QRadioButton>("rdoVol14ReorganizeWithFiles");
  auto* without_files = Child<QRadioButton>("rdoVol14ReorganizeWithOutFiles");
  EXPECT_EQ(with_files->text(), "Paths/Subfolders with Files");
  EXPECT_EQ(without_files->text(), "Paths/SubFolders without Files");
  EXPECT_TRUE(with_files->isChecked());
  EXPECT_FALSE(without_files->isChecked());
  EXPECT_FALSE(with_files->isEnabled());
  EXPECT_FALSE(without_files->isEnabled());
  EXPECT_EQ(Child<QGroupBox>("grpVol14Reorganize")->title(), "Reorganize");

  auto* visual_log = Child<QCheckBox>("chkVol14ShowVisualLog");
  EXPECT_EQ(visual_log->text(), "Show Visual Log");
  EXPECT_EQ(visual_log->toolTip(), "Show detailed results during the Reorganizing process.");
  EXPECT_TRUE(visual_log->isChecked());
  EXPECT_FALSE(visual_log->isEnabled());
}

TEST_F(MainWindowTest, EveryListEditFieldAndDropDownHasAnAccessibleName) {
  // A drop-down's own edit field and popup list are named through the drop-down.
  auto inside_drop_down = [](QWidget* w) {
    for (QObject* p = w->parent(); p; p = p->parent()) {
      if (qobject_cast<QComboBox*>(p)) return true;
    }
    return false;
  };
  int named = 0;
  for (QWidget* w : main().findChildren<QWidget*>()) {
    const bool needs_name = qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w) ||
                            qobject_cast<QLineEdit*>(w);
    if (!needs_name || inside_drop_down(w)) continue;
    EXPECT_FALSE(w->accessibleName().isEmpty())
        << w->metaObject()->className() << " " << w->objectName().toStdString() << " in "
        << w->parent()->metaObject()->className();
    ++named;
  }
  EXPECT_GE(named, 9);  // four lists, the scratch list, the cut number, the drop-down, two filters
}

TEST_F(MainWindowTest, HiddenFiltersAndScratchListAreNeverShown) {
  main().show();
  auto* filters = Child<QGroupBox>("grpVol14FiltersForPaths");
  EXPECT_EQ(filters->title(), "Filters for Paths");
  EXPECT_FALSE(filters->isVisible());
  EXPECT_FALSE(filters->isEnabled());
  auto* all = Child<QRadioButton>("rdoVol14IncludeAll");
  EXPECT_EQ(all->text(), "Include All Paths");
  EXPECT_TRUE(all->isChecked());
  EXPECT_EQ(Child<QRadioButton>("rdoVol14IncludeSelected")->text(), "Include Strings.");
  EXPECT_EQ(Child<QRadioButton>("rdoVol14ExcludeSelected")->text(), "Exclude Strings.");
  EXPECT_EQ(Child<QLineEdit>("edtVol14IncludeSelected")->toolTip(),
            "Include String separated with Double Quotes.");
  EXPECT_EQ(Child<QLineEdit>("edtVol14ExcludeSelected")->toolTip(),
            "Exclude Strings Separated With Double Quotes.");
  for (const char* name : {"rdoVol14IncludeAll", "rdoVol14IncludeSelected",
                           "rdoVol14ExcludeSelected", "edtVol14IncludeSelected",
                           "edtVol14ExcludeSelected"}) {
    EXPECT_FALSE(Child<QWidget>(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Child<QLineEdit>("edtVol14IncludeSelected")->text().isEmpty());
  EXPECT_FALSE(List("lstHWNDSeged")->isVisible());
  EXPECT_TRUE(main().lstVol14IncludeWindowFolderList->isVisible());
  main().hide();
}

TEST_F(MainWindowTest, FixedFrameAroundAClientAreaOf1011By639) {
  main().show();
  EXPECT_EQ(main().centralWidget()->size(), QSize(1011, 639));
  EXPECT_EQ(main().minimumSize(), main().maximumSize());
  EXPECT_EQ(main().windowTitle(), "Ordovan 3.00");
  // Nothing is cut off: every visible control gets at least the room it asks for.
  for (QWidget* w : main().centralWidget()->findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    const std::string name = w->objectName().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(w)) {
      // Push buttons ask for more than their caption needs; the caption must fit.
      EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 8)
          << name;
      EXPECT_GE(button->height(), button->fontMetrics().height() + 4) << name;
    } else {
      EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name;
      EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
    }
    const QRect in_page(w->mapTo(main().centralWidget(), QPoint(0, 0)), w->size());
    EXPECT_TRUE(main().centralWidget()->rect().contains(in_page)) << w->objectName().toStdString();
  }
  main().hide();
}

TEST_F(MainWindowTest, MenuBarHasFileExitAndTheHelpItems) {
  ASSERT_EQ(main().menuBar()->actions().size(), 2);
  EXPECT_EQ(main().mnuFile->title(), "&File");
  EXPECT_EQ(main().mnuHelp->title(), "&Help");
  EXPECT_EQ(main().mnuFileExit->text(), "E&xit");
  EXPECT_EQ(main().mnuFileExit->property("hint").toString(), "Exit|Quits the application");
  EXPECT_EQ(main().mnuFileExit->toolTip(), "Exit");
  EXPECT_EQ(main().mnuFileExit->statusTip(), "Quits the application");
  EXPECT_EQ(main().mnuHelpOverview->text(), "Overview");
  EXPECT_EQ(main().mnuHelpAboutUs->text(), "About Us");
}

TEST_F(MainWindowTest, StartUpCreatesEveryWindowOnceInTheProgramsOrder) {
  const std::vector<QString> expected = {
      "frmMainFR",          "frmFLLEditIncludeFolderList", "frmAboutBox",
      "frmSubFolderListBuilder", "frmVol14EditIncludeList", "frmLevelSummFolder",
      "frmEditSmartImport", "frmFileExport",               "frmFileImport",
      "frmHelp",            "frmOverview",                 "frmQuotationMarks",
      "frmDelimiters",      "frmVol14ZoomStatistics",      "frmZoomIncludeWindow",
      "frmStatistic14"};
  EXPECT_EQ(windows().CreationOrder(), expected);
}

TEST_F(MainWindowTest, FirstStartWritesTheSettingsFileIntoTheCurrentFolder) {
  const fs::path file = tree_.root() / "default.set";
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(fs::file_size(file), kFirstStartFileBytes);
  EXPECT_EQ(settings_.ProgramCode(), "ORDOVAN300");
  EXPECT_EQ(settings_.SettingsDirectory(), SandboxFolder());
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsAndEndsTheProgram) {
  const fs::path file = tree_.root() / "default.set";
  fs::remove(file);
  settings_.AppendDelimiter(";");
  ClosedCounter closed(main());
  main().show();
  EXPECT_TRUE(main().close());
  EXPECT_EQ(closed.count, 1);
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(fs::file_size(file), kFirstStartFileBytes + 5312);  // one record more: the delimiter
}

TEST_F(MainWindowTest, FileExitClosesAsTheCloseBoxDoes) {
  const fs::path file = tree_.root() / "default.set";
  fs::remove(file);
  ClosedCounter closed(main());
  main().show();
  main().mnuFileExit->trigger();
  EXPECT_EQ(closed.count, 1);
  EXPECT_FALSE(main().isVisible());
  EXPECT_TRUE(fs::exists(file));
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAtCloseAreReportedAndTheProgramStillEnds) {
  settings_.SetSettingsDirectory(SandboxFolder() + "\\gone\\away");
  prompter_.Expect(MessageKind::kError, kSettingsFailedText, kSettingsFailedTitle);
  ClosedCounter closed(main());
  main().show();
  EXPECT_TRUE(main().close());
  EXPECT_EQ(closed.count, 1);
  EXPECT_FALSE(fs::exists(tree_.root() / "gone"));
}

class MainWindowStartTest : public AppFixture {};

TEST_F(MainWindowStartTest, AStoredSettingsDirectorySendsLaterWritesThere) {
  // A settings file in the current folder that names another folder.
  const fs::path other = tree_.root() / "elsewhere";
  fs::create_directories(other);
  {
    SettingsStore stored;
    stored.SetSettingsDirectory(ProgramPathOf(other));
    stored.SetProgramCode("ORDOVAN300");
    stored.SetSelectedDelimiter("|");
    SaveClass save(stored, file_system_, prompter_,
                   SandboxFolder() + "\\" + kSettingsFileName);
    ASSERT_TRUE(save.WriteAll());
  }
  StartWindows();
  EXPECT_EQ(settings_.SettingsDirectory(), ProgramPathOf(other));
  EXPECT_EQ(settings_.SelectedDelimiter(), "|");
  EXPECT_FALSE(fs::exists(other / "default.set"));  // read, not written, at start
  main().show();
  main().close();
  EXPECT_TRUE(fs::exists(other / "default.set"));
}

TEST_F(MainWindowTest, TemplateStagesSwitchFindTheTemplateGroupAndTheLevelLists) {
  FillTemplate({"a", "b"}, {"b"});
  EXPECT_TRUE(main().btnVol14FindShortestPath->isEnabled());
  EXPECT_TRUE(main().lblVol14FindShortestPath->isEnabled());
  for (QWidget* w : std::initializer_list<QWidget*>{
           main().lstVol14SubFoldersSource, main().lstVol14SubFoldersDestination,
           main().lblVol14SubFoldersSource, main().lblVol14SubFoldersDestination,
           main().btnVol14SourceToDest, main().btnVol14DestinationUpOne,
           main().btnVol14DestinationDownOne, main().btnVol14DestinationDeleteSelected,
           main().btnVol14DestinationDeleteAll, main().chkVol14CutLeadFolders,
           main().edtVol14CutLeadFoldersNumber, main().btnVol14CutLeadSubFolders}) {
    EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
  }

  main().SetTemplateStage(1);
  EXPECT_TRUE(main().btnVol14FindShortestPath->isEnabled());
  EXPECT_FALSE(main().lstVol14SubFoldersSource->isEnabled());
  EXPECT_FALSE(main().btnVol14DestinationDeleteAll->isEnabled());
  EXPECT_FALSE(main().btnVol14CutLeadSubFolders->isEnabled());
  EXPECT_EQ(main().lstVol14SubFoldersSource->list().size(), 2u);
  EXPECT_EQ(main().lstVol14SubFoldersDestination->list().size(), 1u);

  main().SetTemplateStage(7);  // any other value is stage 2
  EXPECT_TRUE(main().lstVol14SubFoldersSource->isEnabled());

  main().SetTemplateStage(0);
  EXPECT_FALSE(main().btnVol14FindShortestPath->isEnabled());
  EXPECT_FALSE(main().lblVol14FindShortestPath->isEnabled());
  EXPECT_FALSE(main().lstVol14SubFoldersDestination->isEnabled());
  EXPECT_TRUE(main().lstVol14SubFoldersSource->list().empty());
  EXPECT_TRUE(main().lstVol14SubFoldersDestination->list().empty());
}

TEST_F(MainWindowTest, RunOptionsSwitchTogether) {
  main().SetRunOptionsEnabled(true);
  for (QWidget* w : std::initializer_list<QWidget*>{
           main().cboVol14DestinationFolder, main().btnVol14BrowseDestinationFolder,
           main().btnVol14ShowExplorer, main().chkVol14ShowVisualLog, main().btnVol14VisualLog,
           main().btnVol14Undo, main().rdoVol14ReorganizeWithFiles,
           main().rdoVol14ReorganizeWithOutFiles}) {
    EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
  }
  main().SetRunOptionsEnabled(false);
  EXPECT_FALSE(main().cboVol14DestinationFolder->isEnabled());
  EXPECT_FALSE(main().btnVol14Undo->isEnabled());
  EXPECT_FALSE(main().rdoVol14ReorganizeWithOutFiles->isEnabled());
}

TEST_F(MainWindowTest, RunButtonsNeedADestinationAndTwoEqualNonEmptyOrders) {
  auto run_buttons_on = [&] {
    EXPECT_EQ(main().btnVol14Simulation->isEnabled(), main().btnVol14Restructure->isEnabled());
    return main().btnVol14Restructure->isEnabled();
  };
  main().SetRunOptionsEnabled(true);
  main().cboVol14DestinationFolder->setEditText("f:\\New Clients");  // typing updates the buttons
  EXPECT_FALSE(run_buttons_on());  // both orders empty

  FillTemplate({"Old Clients", "Client2", "2015"}, {"2015", "Client2"});
  EXPECT_FALSE(run_buttons_on());  // three against two

  main().lstVol14SubFoldersDestination->list().Append("Old Clients");
  main().UpdateRunButtons();
  EXPECT_TRUE(run_buttons_on());

  main().cboVol14DestinationFolder->setEditText(" \t ");
  EXPECT_FALSE(run_buttons_on());  // a destination made only of blanks
  main().cboVol14DestinationFolder->setEditText("d:\\x");
  EXPECT_TRUE(run_buttons_on());

  // The buttons follow the texts, not the run options being on.
  main().SetRunOptionsEnabled(false);
  EXPECT_TRUE(run_buttons_on());
}

TEST_F(MainWindowTest, ResetRunCountersZeroesEveryCounterWithoutARedraw) {
  RunResults& results = main().Results();
  for (int i = 0; i < 4; ++i) results.RecordResult(ResultCategory::ToReorganize, "c:\\a");
  for (int i = 0; i < 2; ++i) results.RecordResult(ResultCategory::OtherReasons, "c:\\b");
  for (int i = 0; i < 17; ++i) results.RecordResult(ResultCategory::FilesReorganized, "c:\\c");
  const std::size_t refreshes = results.refresh_count();
  main().ResetRunCounters();
  EXPECT_EQ(results.counters(), RUN_COUNTERS{});
  EXPECT_EQ(results.refresh_count(), refreshes);
}

TEST_F(MainWindowTest, ClearFieldsAnsweredNoChangesNothing) {
  main().IncludeList().Append("c:\\a\\b");
  main().cboVol14DestinationFolder->addItem("f:\\dest");
  main().edtVol14CutLeadFoldersNumber->setText("2");
  prompter_.Expect(MessageKind::kQuestion,
                   "You will delete all fields !!!\nClick YES to Continue deleting all fields,\n"
                   "Click NO to Stop the delete process.",
                   "Ordovan.            Information no: 140042.", Answer::kNo);
  main().btnVol14ClearFields->click();
  EXPECT_EQ(main().IncludeList().size(), 1u);
  EXPECT_EQ(main().cboVol14DestinationFolder->count(), 1);
  EXPECT_EQ(main().edtVol14CutLeadFoldersNumber->text(), "2");
}

TEST_F(MainWindowTest, ClearFieldsAnsweredYesResetsThePageButNotTheResultsOrTheFilters) {
  main().IncludeList().AppendAll({"c:\\a\\b", "c:\\a\\c"});
  main().ExcludeList().Append("c:\\x\\y");
  main().RefreshAfterListChange();
  FillTemplate({"a", "b"}, {"b", "a"});
  main().SetRunOptionsEnabled(true);
  main().cboVol14DestinationFolder->addItem("f:\\one");
  main().cboVol14DestinationFolder->addItem("f:\\two");
  main().cboVol14DestinationFolder->setEditText("f:\\typed");
  main().chkVol14ShowVisualLog->setChecked(false);
  main().rdoVol14ReorganizeWithOutFiles->setChecked(true);
  main().chkVol14CutLeadFolders->setChecked(true);
  main().edtVol14CutLeadFoldersNumber->setText("1");
  for (int i = 0; i < 9; ++i) main().Results().RecordResult(ResultCategory::ToReorganize, "c:\\a");
  main().StoredDestination = "f:\\one";
  const std::size_t refreshes_before = main().Results().refresh_count();

  prompter_.Expect(MessageKind::kQuestion,
                   "You will delete all fields !!!\nClick YES to Continue deleting all fields,\n"
                   "Click NO to Stop the delete process.",
                   "Ordovan.            Information no: 140042.", Answer::kYes);
  prompter_.Expect(MessageKind::kWarning, "End of the CLEAR FIELDS process !!!\n",
                   "Ordovan.           Warning no: 140043.");
  main().btnVol14ClearFields->click();

  EXPECT_TRUE(main().IncludeList().empty());
  EXPECT_TRUE(main().ExcludeList().empty());
  EXPECT_TRUE(main().lstVol14SubFoldersSource->list().empty());
  EXPECT_TRUE(main().lstVol14SubFoldersDestination->list().empty());
  EXPECT_EQ(main().lblVol14IncSum->text(), "0");
  EXPECT_EQ(main().lblVol14ExcSum->text(), "0");
  EXPECT_TRUE(main().chkVol14ShowVisualLog->isChecked());
  EXPECT_EQ(main().cboVol14DestinationFolder->count(), 0);
  EXPECT_TRUE(main().cboVol14DestinationFolder->currentText().isEmpty());
  EXPECT_EQ(main().edtVol14CutLeadFoldersNumber->text(), "0");
  EXPECT_FALSE(main().chkVol14CutLeadFolders->isChecked());
  EXPECT_FALSE(main().chkVol14CutLeadFolders->isEnabled());
  EXPECT_TRUE(main().rdoVol14ReorganizeWithFiles->isChecked());
  EXPECT_FALSE(main().rdoVol14ReorganizeWithOutFiles->isChecked());
  EXPECT_FALSE(main().btnVol14FindShortestPath->isEnabled());
  EXPECT_FALSE(main().lstVol14SubFoldersSource->isEnabled());
  EXPECT_FALSE(main().btnVol14BrowseDestinationFolder->isEnabled());
  EXPECT_FALSE(main().btnVol14Simulation->isEnabled());
  EXPECT_FALSE(main().btnVol14Restructure->isEnabled());
  EXPECT_EQ(main().Results().counters(), RUN_COUNTERS{});
  // Left alone: the results window, the last Browse, the hidden filters.
  EXPECT_EQ(main().Results().refresh_count(), refreshes_before);
  EXPECT_EQ(results_.shown, 0);
  EXPECT_EQ(main().StoredDestination, "f:\\one");
  EXPECT_TRUE(main().rdoVol14IncludeAll->isChecked());
}

TEST_F(MainWindowTest, ShowExplorerOpensTheTrimmedDestinationWhateverItsLength) {
  main().SetRunOptionsEnabled(true);
  main().cboVol14DestinationFolder->setEditText("  f:\\New Clients \t");
  main().btnVol14ShowExplorer->click();
  const std::string long_path = "f:\\" + std::string(300, 'x');
  main().cboVol14DestinationFolder->setEditText(QString::fromStdString(long_path));
  main().btnVol14ShowExplorer->click();
  EXPECT_EQ(shell_.opened, (std::vector<std::string>{"f:\\New Clients", long_path}));
}

TEST_F(MainWindowTest, VisualLogShowsTheResultsWindow) {
  main().SetRunOptionsEnabled(true);
  main().btnVol14VisualLog->click();
  EXPECT_EQ(results_.shown, 1);
}

TEST_F(MainWindowTest, ActivationSetsTheResultsWindowsModeCaptionFromItsMarker) {
  results_.captions.clear();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&main(), &activate);
  results_.normal_marked = false;
  QApplication::sendEvent(&main(), &activate);
  EXPECT_EQ(results_.captions, (std::vector<std::string>{"Folder/File Copy Process.",
                                                         "Simulate the Folder/File Copy Process."}));
}

class MainWindowWithResultsTest : public AppFixture {
 protected:
  void SetUp() override { StartWindowsWithResultsWindow(); }
};

TEST_F(MainWindowWithResultsTest, VisualLogShowsTheRealResultsWindowAndActivationItsCaption) {
  auto* results = windows().Find<TfrmStatistic14>();
  ASSERT_NE(results, nullptr);
  results->SetNormalRunMarked(false);
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&main(), &activate);
  auto* caption = results->findChild<QLabel*>("lblVol14NormalSimulate");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), "Simulate the Folder/File Copy Process.");
  results->SetNormalRunMarked(true);
  QApplication::sendEvent(&main(), &activate);
  EXPECT_EQ(caption->text(), "Folder/File Copy Process.");

  main().SetRunOptionsEnabled(true);
  EXPECT_FALSE(results->isVisible());
  main().btnVol14VisualLog->click();
  EXPECT_TRUE(results->isVisible());
  EXPECT_FALSE(results->isModal());
  results->hide();
}

TEST_F(MainWindowWithResultsTest, TheFirstListChangeShowsTheCountersInTheResultsWindow) {
  auto* results = windows().Find<TfrmStatistic14>();
  auto* label = results->findChild<QLabel*>("lblStat14FoldersToRestructure");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "lblStat14FoldersToRestructure");
  main().RefreshAfterListChange();
  EXPECT_EQ(label->text(), "0");
}

TEST_F(MainWindowTest, WithoutAResultsWindowVisualLogActivationAndRefreshDoNothing) {
  main().SetResultsWindow(nullptr);
  main().SetRunOptionsEnabled(true);
  main().btnVol14VisualLog->click();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&main(), &activate);
  main().RefreshAfterListChange();
  EXPECT_EQ(results_.shown, 0);
  EXPECT_TRUE(results_.captions.empty());
}

}  // namespace
}  // namespace ordovan::testing
