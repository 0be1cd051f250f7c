// The level template, the files option and the destination on the main
// window, driven through the real widgets the way a person uses them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "reorganizer/ui/TfrmStatistic14.h"
#include "shell/ui/TfrmMainFR.h"
#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

// Texts as the user reads them.
const char kF1[] =
    "The Shortest Path is too Short !\nAction : You must enter a FOLDER at least with size 2 "
    "\n(Main Folder and at least one SubFolder).\n";
const char kF2[] =
    " In each Shortest Path there are two or more subfolders with the same name.!\nAction : You "
    "must enter a path, where all subfolders have different names. \nThe number of subfolders "
    "must be equal with the number of subfolders in the shortest path";
const char kTitle140023[] = "Ordovan.            Warning no: 140023.";
const char kTitle140024[] = "Ordovan.            Warning no: 140024.";
const char kL1[] =
    "You can not move the first SubFolder to move UpAction: You must Select another Subfolder";
const char kL2L4[] = "No SubFolder was Selected\nAction: You must Select at least One Subfolder";
const char kL3[] =
    "You can not move the last SubFolder to move DownAction: You must Select another Subfolder";
const char kL5[] =
    "The Exclude list is empty !\nAction : You must enter at least one FOLDER to the Include list "
    "to delete it.\n";
const char kL6[] =
    "Do you want to delete the selected item(s) from the Include list ?\nNote: You can delete "
    "ONLY from the IncLUDE list.\n";
const char kL7[] = "Empty List in the Exclude Window!\n";
const char kL8[] = "Do you want to delete all item(s) from the Exclude list ?";
const char kCutTitle[] = "Ordovan.           Warning no: 140043.";  // 11 blanks
const char kC3[] = "In the Source Window must stay two or more items. \n";
const char kD1[] = "The selection field is empty !\nAction : You must select a Destination Folder.";
const char kD2[] =
    "You can not select the Root !\nAction : You must select another Destination Folder.";
const char kDestinationTitle[] = "Ordovan.            Warning no: 140033.";
const char kPickerTitle[] = "Select the Destination Directory.";

const TEXT_LIST kExampleInclude = {
    "f:\\Old Clients\\Client1\\2016\\docs\\pdf", "f:\\Old Clients\\Client1\\2016\\docs\\ppt",
    "f:\\Old Clients\\Client2\\2015\\",          "f:\\Old Clients\\Client2\\2016\\emails",
    "f:\\Old Clients\\Client2\\2016\\txt",       "f:\\Business\\Client3\\2016\\txt"};

class TemplateTest : public AppFixture {
 protected:
  void SetUp() override {
    if (with_results_window_) {
      StartWindowsWithResultsWindow();
    } else {
      StartWindows();
    }
    // Shown and active, so that clicks move the input focus as they do for a person.
    main().show();
    main().activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!main().isActiveWindow() && waited.elapsed() < 2000) QApplication::processEvents();
    ASSERT_TRUE(main().isActiveWindow());
  }

  EntryListView& OldOrder() { return *Child<EntryListView>("lstVol14SubFoldersSource"); }
  EntryListView& NewOrder() { return *Child<EntryListView>("lstVol14SubFoldersDestination"); }
  EntryListView& Include() { return *Child<EntryListView>("lstVol14IncludeWindowFolderList"); }
  QPushButton* Button(const char* name) { return Child<QPushButton>(name); }
  QLineEdit* CutNumber() { return Child<QLineEdit>("edtVol14CutLeadFoldersNumber"); }
  QCheckBox* CutSwitch() { return Child<QCheckBox>("chkVol14CutLeadFolders"); }
  QComboBox* Destination() { return Child<QComboBox>("cboVol14DestinationFolder"); }

  // A mouse click as a person makes it: the press gives the focus to the
  // first enabled widget from the one under the mouse outward that takes
  // focus by clicking (as the application does for a real click), then the
  // button goes down and up near the left edge, where a check box or radio
  // button has its indicator.
  static void Click(QWidget* widget) {
    for (QWidget* w = widget; w && w->isEnabled(); w = w->parentWidget()) {
      if (w->focusPolicy() & Qt::ClickFocus) {
        w->setFocus(Qt::MouseFocusReason);
        break;
      }
      if (w->isWindow()) break;
    }
    const QPointF at(std::min(8, widget->width() / 2), widget->height() / 2);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
  }

  // The Include list as the list commands leave it, then "Find".
  void Find(const TEXT_LIST& include) {
    main().IncludeList().Assign(include);
    main().RefreshAfterListChange();
    Click(Button("btnVol14FindShortestPath"));
  }

  // Selects each Old Level Order row in turn and presses ">".
  void CopyRows(std::initializer_list<std::size_t> rows) {
    for (std::size_t row : rows) {
      OldOrder().SelectRow(row);
      Click(Button("btnVol14SourceToDest"));
    }
  }

  // Types `number` into the cut number and presses "Cut".
  void EnterCut(const QString& number) {
    Click(CutNumber());
    CutNumber()->setText(number);
    Click(Button("btnVol14CutLeadSubFolders"));
  }

  void SwitchCutOn() {
    ASSERT_TRUE(CutSwitch()->isEnabled());
    Click(CutSwitch());
    ASSERT_TRUE(CutSwitch()->isChecked());
  }

  bool RunButtonsOn() {
    EXPECT_EQ(Button("btnVol14Simulation")->isEnabled(),
              Button("btnVol14Restructure")->isEnabled());
    return Button("btnVol14Restructure")->isEnabled();
  }

  bool RunOptionsOn() {
    const bool on = Destination()->isEnabled();
    EXPECT_EQ(Button("btnVol14BrowseDestinationFolder")->isEnabled(), on);
    EXPECT_EQ(Child<QRadioButton>("rdoVol14ReorganizeWithFiles")->isEnabled(), on);
    return on;
  }

  // The example template in a New Level Order of its own, reversed.
  void CompleteExampleOrder() {
    Find(kExampleInclude);
    CopyRows({2, 1, 0});
    ASSERT_EQ(NewOrder().list().entries(), (TEXT_LIST{"2015", "Client2", "Old Clients"}));
  }

  void Browse(const std::string& answer) {
    dialogs_.ExpectFolder(kPickerTitle, answer);
    Click(Button("btnVol14BrowseDestinationFolder"));
  }

  TEXT_LIST History() {
    TEXT_LIST entries;
    for (int i = 0; i < Destination()->count(); ++i) {
      entries.push_back(Destination()->itemText(i).toStdString());
    }
    return entries;
  }

  bool with_results_window_ = false;

  // Picks a history entry with the arrow keys, as from the drop-down.
  void PickHistoryEntry(int index) {
    Click(Destination());
    for (int step = 0; step < 100 && Destination()->currentIndex() != index; ++step) {
      QKeyEvent key(QEvent::KeyPress, index > Destination()->currentIndex() ? Qt::Key_Down
                                                                           : Qt::Key_Up,
                    Qt::NoModifier);
      QApplication::sendEvent(Destination(), &key);
    }
  }
};

// ---- Find ---------------------------------------------------------------------

TEST_F(TemplateTest, FindOnTheWorkedExample) {
  Find(kExampleInclude);

  EXPECT_EQ(main().IncludeList().entries(),
            (TEXT_LIST{"f:\\Old Clients\\Client2\\2015\\", "f:\\Old Clients\\Client2\\2016\\emails",
                       "f:\\Old Clients\\Client2\\2016\\txt", "f:\\Business\\Client3\\2016\\txt",
                       "f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                       "f:\\Old Clients\\Client1\\2016\\docs\\ppt"}));
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"Old Clients", "Client2", "2015"}));
  EXPECT_TRUE(NewOrder().list().empty());
  EXPECT_EQ(main().Template().TemplateNames, (TEXT_LIST{"Old Clients", "Client2", "2015"}));
  EXPECT_EQ(main().Template().TemplateLevelCount, 3);
  const LINE_NUMBER_MAP expected_map = {
      {"Old Clients", {0, 0}}, {"Client2", {1, 0}}, {"2015", {2, 0}}};
  ASSERT_EQ(main().Template().LineNumberMap.size(), 3u);
  for (const auto& [name, lines] : expected_map) {
    EXPECT_EQ(main().Template().LineNumberMap.at(name).OldLineNumber, lines.OldLineNumber) << name;
    EXPECT_EQ(main().Template().LineNumberMap.at(name).NewLineNumber, 0) << name;
  }
  // Template group on; the cut switch offered (3 names) but off, with its
  // number "0" and "Cut" disabled; run options and run buttons off.
  EXPECT_TRUE(OldOrder().isEnabled());
  EXPECT_TRUE(Button("btnVol14SourceToDest")->isEnabled());
  EXPECT_TRUE(CutSwitch()->isEnabled());
  EXPECT_FALSE(CutSwitch()->isChecked());
  EXPECT_EQ(CutNumber()->text(), "0");
  EXPECT_FALSE(CutNumber()->isEnabled());
  EXPECT_FALSE(Button("btnVol14CutLeadSubFolders")->isEnabled());
  EXPECT_FALSE(RunOptionsOn());
  EXPECT_FALSE(RunButtonsOn());
  EXPECT_EQ(Child<QLabel>("lblVol14IncSum")->text(), "6");
  EXPECT_EQ(Child<QLabel>("lblVol14IncludeWindowLinesSum")->text(), "6");
}

TEST_F(TemplateTest, FindDropsEntriesWithoutADriveAndCollapsesCaseOnlyRepeats) {
  Find({"f:\\Old Clients\\Client1\\2016", "Old Clients\\Client1", "F:\\OLD CLIENTS\\CLIENT1\\2016",
        "\\\\server\\share\\a\\b"});
  EXPECT_EQ(main().IncludeList().entries(),
            (TEXT_LIST{"f:\\Old Clients\\Client1\\2016", "\\\\server\\share\\a\\b"}));
  EXPECT_EQ(Child<QLabel>("lblVol14IncSum")->text(), "2");
}

TEST_F(TemplateTest, DepthCountsSeparatorsNotNames) {
  Find({"f:\\a\\b\\c\\", "f:\\x\\y\\z"});
  EXPECT_EQ(main().IncludeList().entries(), (TEXT_LIST{"f:\\x\\y\\z", "f:\\a\\b\\c\\"}));
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"x", "y", "z"}));

  // Same depth, list order kept; the first has three names and is the template.
  Find({"f:\\x\\y\\z", "f:\\a\\b\\"});
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"x", "y", "z"}));
}

TEST_F(TemplateTest, APathThatRepeatsANameIsPassedOver) {
  Find({"f:\\a\\b\\a", "f:\\c\\d\\e"});
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"c", "d", "e"}));
  // Letter case makes names different for this test.
  Find({"f:\\Docs\\docs\\x"});
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"Docs", "docs", "x"}));
}

TEST_F(TemplateTest, FailedFindKeepsTheOldTemplateAndTheVisibleCounter) {
  Find({"f:\\c\\d\\e"});
  ASSERT_EQ(OldOrder().list().entries(), (TEXT_LIST{"c", "d", "e"}));

  // The next list holds an entry without a drive, so Find shortens it, but the
  // failure leaves the visible counter at the count before Find.
  const TEXT_LIST failing[] = {{"f:\\a\\b\\a", "f:\\c\\d\\e\\f", "no drive\\x"},
                               {"f:\\a\\b\\a", "no drive\\x"},
                               {"f:\\Projects", "no drive\\x"}};
  const char* texts[] = {kF2, kF2, kF1};
  const char* titles[] = {kTitle140023, kTitle140024, kTitle140023};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    prompter_.Expect(MessageKind::kWarning, texts[i], titles[i]);
    const std::string visible_before = std::to_string(failing[i].size());
    Find(failing[i]);
    EXPECT_TRUE(prompter_.Done());
    EXPECT_EQ(main().IncludeList().size(), failing[i].size() - 1);
    EXPECT_EQ(Child<QLabel>("lblVol14IncSum")->text().toStdString(), visible_before);
    EXPECT_EQ(Child<QLabel>("lblVol14IncludeWindowLinesSum")->text().toStdString(),
              std::to_string(failing[i].size() - 1));
    EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"c", "d", "e"}));
    EXPECT_EQ(main().Template().TemplateNames, (TEXT_LIST{"c", "d", "e"}));
    EXPECT_FALSE(OldOrder().isEnabled());  // the list change left stage 1
  }
}

TEST_F(TemplateTest, FindWhenNoEntryHasADriveEmptiesTheListAndSaysItIsTooShort) {
  prompter_.Expect(MessageKind::kWarning, kF1, kTitle140023);
  Find({"Old Clients\\Client1", "a\\b\\c"});
  EXPECT_TRUE(prompter_.Done());
  EXPECT_TRUE(main().IncludeList().empty());
  EXPECT_EQ(Child<QLabel>("lblVol14IncSum")->text(), "0");
  EXPECT_FALSE(Button("btnVol14FindShortestPath")->isEnabled());
}

TEST_F(TemplateTest, FindOnAnEmptyIncludeListDoesNothing) {
  Find({"f:\\c\\d\\e"});
  main().IncludeList().Clear();
  main().btnVol14FindShortestPathClick();  // the button itself is off at stage 0
  EXPECT_TRUE(prompter_.shown().empty());
  EXPECT_EQ(main().Template().TemplateNames, (TEXT_LIST{"c", "d", "e"}));
}

TEST_F(TemplateTest, TwoNameTemplateOffersNoCut) {
  Find({"f:\\a\\b"});
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"a", "b"}));
  EXPECT_FALSE(CutSwitch()->isEnabled());
}

// ---- The New Level Order --------------------------------------------------------

TEST_F(TemplateTest, CopyingEveryNameTurnsTheRunOptionsOn) {
  Find(kExampleInclude);
  CopyRows({2, 1});
  EXPECT_FALSE(RunOptionsOn());
  CopyRows({1});  // already there: nothing appended
  EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"2015", "Client2"}));
  CopyRows({0});
  EXPECT_TRUE(RunOptionsOn());
  EXPECT_FALSE(RunButtonsOn());  // no destination yet
  Destination()->setEditText("f:\\New");
  EXPECT_TRUE(RunButtonsOn());
}

TEST_F(TemplateTest, CopyRefusesANameThatDiffersOnlyInLetterCase) {
  Find({"f:\\Docs\\docs\\x"});
  CopyRows({0, 1, 2});
  EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"Docs", "x"}));
  EXPECT_FALSE(RunOptionsOn());
  Destination()->setEditText("f:\\New");
  EXPECT_FALSE(RunButtonsOn());
}

TEST_F(TemplateTest, ItemUpAndDownMoveTheSelectionAndRefuseAtTheEnds) {
  CompleteExampleOrder();
  Destination()->setEditText("f:\\New");
  ASSERT_TRUE(RunButtonsOn());

  NewOrder().SelectRow(0);
  prompter_.Expect(MessageKind::kWarning, kL1, kTitle140024);
  Click(Button("btnVol14DestinationUpOne"));
  NewOrder().SelectRow(2);
  prompter_.Expect(MessageKind::kWarning, kL3, "Ordovan.            Warning no: 140026.");
  Click(Button("btnVol14DestinationDownOne"));
  EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"2015", "Client2", "Old Clients"}));

  NewOrder().SelectRow(2);
  Click(Button("btnVol14DestinationUpOne"));
  EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"2015", "Old Clients", "Client2"}));
  EXPECT_EQ(NewOrder().SelectedRows(), (std::vector<std::size_t>{1}));
  Click(Button("btnVol14DestinationUpOne"));
  EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"Old Clients", "2015", "Client2"}));
  EXPECT_EQ(NewOrder().SelectedRows(), (std::vector<std::size_t>{0}));
  Click(Button("btnVol14DestinationDownOne"));
  EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"2015", "Old Clients", "Client2"}));
  EXPECT_EQ(NewOrder().SelectedRows(), (std::vector<std::size_t>{1}));

  NewOrder().ClearSelectionAndCurrent();
  prompter_.Expect(MessageKind::kWarning, kL2L4, "Ordovan.            Warning no: 140025.");
  Click(Button("btnVol14DestinationUpOne"));
  prompter_.Expect(MessageKind::kWarning, kL2L4, "Ordovan.            Warning no: 140027.");
  Click(Button("btnVol14DestinationDownOne"));
  EXPECT_TRUE(prompter_.Done());
  EXPECT_TRUE(RunButtonsOn());
}

TEST_F(TemplateTest, ItemUpAndDownOnAnEmptyNewOrderSayNothing) {
  Find(kExampleInclude);
  Click(Button("btnVol14DestinationUpOne"));
  Click(Button("btnVol14DestinationDownOne"));
  EXPECT_TRUE(prompter_.shown().empty());
}

TEST_F(TemplateTest, DeleteSelectedAsksFirstAndLeavesTheRunOptionsOn) {
  Find(kExampleInclude);
  prompter_.Expect(MessageKind::kWarning, kL5, "Ordovan.            Warning no: 140030.");
  Click(Button("btnVol14DestinationDeleteSelected"));

  CopyRows({2, 1, 0});
  Destination()->setEditText("f:\\New");
  NewOrder().SelectRow(1);
  prompter_.Expect(MessageKind::kQuestion, kL6, "Ordovan.            Warning no: 140029.",
                   Answer::kNo);
  Click(Button("btnVol14DestinationDeleteSelected"));
  EXPECT_EQ(NewOrder().list().size(), 3u);
  EXPECT_TRUE(RunButtonsOn());

  NewOrder().SelectRow(1);
  prompter_.Expect(MessageKind::kQuestion, kL6, "Ordovan.            Warning no: 140029.",
                   Answer::kYes);
  Click(Button("btnVol14DestinationDeleteSelected"));
  EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"2015", "Old Clients"}));
  EXPECT_TRUE(RunOptionsOn());
  EXPECT_FALSE(RunButtonsOn());
  EXPECT_TRUE(prompter_.Done());
}

TEST_F(TemplateTest, DeleteAllAsksFirstAndTurnsTheRunOptionsOff) {
  Find(kExampleInclude);
  prompter_.Expect(MessageKind::kWarning, kL7, "Ordovan.            Warning no: 140031.");
  Click(Button("btnVol14DestinationDeleteAll"));

  CopyRows({2, 1, 0});
  Destination()->setEditText("f:\\New");
  prompter_.Expect(MessageKind::kQuestion, kL8, "Ordovan.            Warning no: 140032.",
                   Answer::kNo);
  Click(Button("btnVol14DestinationDeleteAll"));
  EXPECT_EQ(NewOrder().list().size(), 3u);
  EXPECT_TRUE(RunOptionsOn());
  EXPECT_TRUE(RunButtonsOn());

  prompter_.Expect(MessageKind::kQuestion, kL8, "Ordovan.            Warning no: 140032.",
                   Answer::kYes);
  Click(Button("btnVol14DestinationDeleteAll"));
  EXPECT_TRUE(NewOrder().list().empty());
  EXPECT_FALSE(RunOptionsOn());
  EXPECT_FALSE(RunButtonsOn());
  EXPECT_TRUE(prompter_.Done());
}

// ---- Cutting lead levels ------------------------------------------------------------

TEST_F(TemplateTest, TheCutSwitchEnablesTheNumberAndCut) {
  Find(kExampleInclude);
  SwitchCutOn();
  EXPECT_TRUE(CutNumber()->isEnabled());
  EXPECT_TRUE(Button("btnVol14CutLeadSubFolders")->isEnabled());
  Click(CutSwitch());
  EXPECT_FALSE(CutNumber()->isEnabled());
  EXPECT_FALSE(Button("btnVol14CutLeadSubFolders")->isEnabled());
}

TEST_F(TemplateTest, EveryCutOutcomeOnAFourNameTemplate) {
  Find({"f:\\a\\b\\c\\d"});
  SwitchCutOn();
  auto copy_two = [&] { CopyRows({0, 1}); };

  copy_two();
  EnterCut("2");
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"c", "d"}));
  EXPECT_TRUE(NewOrder().list().empty());
  EXPECT_EQ(main().Template().LineNumberMap.size(), 2u);
  EXPECT_EQ(main().Template().LineNumberMap.at("c").OldLineNumber, 0);
  EXPECT_EQ(main().Template().LineNumberMap.at("d").OldLineNumber, 1);

  // Rejected cuts: the number reads "0", the New Level Order is emptied, the
  // Old Level Order and the line numbers keep the cut of 2.
  struct Rejected {
    const char* number;
    std::string text;
  };
  const Rejected rejected[] = {
      {"3", kC3},
      {"5",
       "Maximum number is : 4\nYou enter         : 5\n"
       "Actuon ? You must enter number equal or less tan max. number."},
      {"-1",
       "Minimum number is 0 \nYou enter         : -1\nActuon ? You must enter 0 or greater than 0"},
  };
  for (const Rejected& r : rejected) {
    SCOPED_TRACE(r.number);
    copy_two();
    ASSERT_EQ(NewOrder().list().size(), 2u);
    prompter_.Expect(MessageKind::kWarning, r.text, kCutTitle);
    EnterCut(r.number);
    EXPECT_TRUE(prompter_.Done());
    EXPECT_EQ(CutNumber()->text(), "0");
    EXPECT_TRUE(NewOrder().list().empty());
    EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"c", "d"}));
    EXPECT_EQ(main().Template().LineNumberMap.count("a"), 0u);
  }

  // Cuts start from the template again: 1 after 2 leaves three names, and 0
  // shows all four.
  EnterCut("1");
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"b", "c", "d"}));
  copy_two();
  EnterCut("0");
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"a", "b", "c", "d"}));
  EXPECT_TRUE(NewOrder().list().empty());
  EXPECT_EQ(main().Template().LineNumberMap.at("a").OldLineNumber, 0);
  EXPECT_EQ(main().Template().LineNumberMap.at("d").OldLineNumber, 3);
  EXPECT_EQ(main().Template().TemplateLevelCount, 4);
}

TEST_F(TemplateTest, AThreeNameTemplateAcceptsOnlyCutsOfZeroAndOne) {
  Find(kExampleInclude);
  SwitchCutOn();
  EnterCut("1");
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"Client2", "2015"}));
  prompter_.Expect(MessageKind::kWarning, kC3, kCutTitle);
  EnterCut("2");
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"Client2", "2015"}));
}

TEST_F(TemplateTest, ACutNumberThatIsNoWholeNumberChangesNothing) {
  Find({"f:\\a\\b\\c\\d"});
  SwitchCutOn();
  EnterCut("1");
  CopyRows({0});
  for (const char* text : {"two", "1.5", "", "99999999999"}) {
    SCOPED_TRACE(text);
    prompter_.Expect(MessageKind::kWarning,
                     std::string("'") + text +
                         "' is not a valid number !\n"
                         "Action : You must enter a whole number, 0 or greater than 0.\n",
                     "Ordovan.            Warning no: 140044.");
    EnterCut(text);
    EXPECT_TRUE(prompter_.Done());
    EXPECT_EQ(CutNumber()->text().toStdString(), text);
    EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"b", "c", "d"}));
    EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"b"}));
  }
  EnterCut(" 2 ");  // blanks around a number are fine
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"c", "d"}));
}

TEST_F(TemplateTest, LeavingTheCutNumberReappliesTheCut) {
  Find({"f:\\a\\b\\c\\d"});
  SwitchCutOn();
  EnterCut("1");
  CopyRows({0, 1});
  ASSERT_EQ(NewOrder().list().size(), 2u);

  // Clicking in and out without typing.
  Click(CutNumber());
  Click(OldOrder().viewport());
  EXPECT_TRUE(NewOrder().list().empty());
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"b", "c", "d"}));
}

TEST_F(TemplateTest, AnotherWindowTakingTheFocusDoesNotCut) {
  Find({"f:\\a\\b\\c\\d"});
  SwitchCutOn();
  EnterCut("1");
  CopyRows({0});
  Click(CutNumber());
  CutNumber()->setText("2");

  QWidget other;
  other.show();
  other.activateWindow();
  QElapsedTimer waited;
  waited.start();
  while (!other.isActiveWindow() && waited.elapsed() < 2000) QApplication::processEvents();
  ASSERT_TRUE(other.isActiveWindow());
  EXPECT_EQ(NewOrder().list().entries(), (TEXT_LIST{"b"}));
  EXPECT_EQ(OldOrder().list().entries(), (TEXT_LIST{"b", "c", "d"}));
}

// ---- Files option -------------------------------------------------------------------

TEST_F(TemplateTest, TheFilesOptionShowsAndHidesTheResultsFilesControls) {
  std::vector<bool> shown;
  main().ShowResultsFilesControls = [&](bool on) { shown.push_back(on); };
  auto* with_files = Child<QRadioButton>("rdoVol14ReorganizeWithFiles");
  auto* without_files = Child<QRadioButton>("rdoVol14ReorganizeWithOutFiles");

  CompleteExampleOrder();
  Click(without_files);
  ASSERT_FALSE(shown.empty());
  EXPECT_FALSE(shown.back());
  Click(with_files);
  EXPECT_TRUE(shown.back());

  // Disabled radios tell the results window nothing.
  main().SetRunOptionsEnabled(false);
  shown.clear();
  without_files->setChecked(true);
  EXPECT_TRUE(shown.empty());
}

class TemplateWithResultsTest : public TemplateTest {
 protected:
  TemplateWithResultsTest() { with_results_window_ = true; }
};

TEST_F(TemplateWithResultsTest, TheFilesOptionReachesTheRealResultsWindow) {
  QWidget* results = windows().Find<TfrmStatistic14>();
  ASSERT_NE(results, nullptr);
  auto* files_list = results->findChild<QWidget*>("lstStat14FoldersFilesRestructured");
  auto* files_label = results->findChild<QWidget*>("lblStat14FilesRestructured");
  ASSERT_NE(files_list, nullptr);
  ASSERT_NE(files_label, nullptr);
  CompleteExampleOrder();
  Click(Child<QRadioButton>("rdoVol14ReorganizeWithOutFiles"));
  EXPECT_TRUE(files_list->isHidden());
  EXPECT_TRUE(files_label->isHidden());
  Click(Child<QRadioButton>("rdoVol14ReorganizeWithFiles"));
  EXPECT_FALSE(files_list->isHidden());
  EXPECT_FALSE(files_label->isHidden());
}

TEST_F(TemplateWithResultsTest, ClearFieldsShowsTheFilesControlsAgain) {
  QWidget* results = windows().Find<TfrmStatistic14>();
  ASSERT_NE(results, nullptr);
  auto* files_list = results->findChild<QWidget*>("lstStat14FoldersFilesRestructured");
  ASSERT_NE(files_list, nullptr);
  CompleteExampleOrder();
  Click(Child<QRadioButton>("rdoVol14ReorganizeWithOutFiles"));
  ASSERT_TRUE(files_list->isHidden());

  prompter_.Expect(MessageKind::kQuestion,
                   "You will delete all fields !!!\nClick YES to Continue deleting all fields,\n"
                   "Click NO to Stop the delete process.",
                   "Ordovan.            Information no: 140042.", Answer::kYes);
  prompter_.Expect(MessageKind::kWarning, "End of the CLEAR FIELDS process !!!\n",
                   "Ordovan.           Warning no: 140043.");
  main().btnVol14ClearFields->click();
  EXPECT_TRUE(Child<QRadioButton>("rdoVol14ReorganizeWithFiles")->isChecked());
  EXPECT_FALSE(files_list->isHidden());
}

// ---- Destination --------------------------------------------------------------------

TEST_F(TemplateTest, BrowseKeepsAHistoryWithoutRepeats) {
  CompleteExampleOrder();
  Browse("f:\\A");
  Browse("f:\\B");
  EXPECT_EQ(History(), (TEXT_LIST{"f:\\B", "f:\\A"}));
  Browse("F:\\a");  // already there in other letters: selected where it stands
  EXPECT_EQ(History(), (TEXT_LIST{"f:\\B", "f:\\A"}));
  EXPECT_EQ(Destination()->currentIndex(), 1);
  EXPECT_EQ(Destination()->currentText(), "f:\\A");
  EXPECT_EQ(main().StoredDestination, "F:\\a");
  EXPECT_TRUE(RunButtonsOn());
}

TEST_F(TemplateTest, CancelledBrowseSaysTheSelectionIsEmpty) {
  CompleteExampleOrder();
  Browse("f:\\A");
  prompter_.Expect(MessageKind::kWarning, kD1, kDestinationTitle);
  Browse("");
  EXPECT_TRUE(prompter_.Done());
  EXPECT_EQ(main().StoredDestination, "");
  EXPECT_EQ(History(), (TEXT_LIST{"f:\\A"}));
  EXPECT_TRUE(Destination()->hasFocus());
}

TEST_F(TemplateTest, BrowseToARootIsRefusedButRemembered) {
  CompleteExampleOrder();
  Browse("f:\\A");
  ASSERT_TRUE(RunButtonsOn());
  prompter_.Expect(MessageKind::kWarning, kD2, kDestinationTitle);
  Browse("c:\\");
  EXPECT_TRUE(prompter_.Done());
  EXPECT_EQ(main().StoredDestination, "c:\\");
  EXPECT_EQ(Destination()->currentText(), "");
  EXPECT_EQ(History(), (TEXT_LIST{"f:\\A"}));
  EXPECT_FALSE(RunButtonsOn());
  EXPECT_TRUE(Destination()->hasFocus());

  Browse("d:\\x");  // four characters: accepted
  EXPECT_EQ(History(), (TEXT_LIST{"d:\\x", "f:\\A"}));
  EXPECT_TRUE(RunButtonsOn());
}

TEST_F(TemplateTest, PickingFromTheHistoryLeavesTheStoredDestination) {
  CompleteExampleOrder();
  Browse("f:\\A");
  Browse("f:\\B");
  PickHistoryEntry(1);
  EXPECT_EQ(Destination()->currentText(), "f:\\A");
  EXPECT_EQ(History(), (TEXT_LIST{"f:\\B", "f:\\A"}));
  EXPECT_EQ(main().StoredDestination, "f:\\B");
}

TEST_F(TemplateTest, TypingADestinationOnlySwitchesTheRunButtons) {
  CompleteExampleOrder();
  Click(Destination());
  Destination()->lineEdit()->insert("f:\\Typed");
  EXPECT_TRUE(RunButtonsOn());
  EXPECT_EQ(main().StoredDestination, "");
  EXPECT_TRUE(History().empty());
  Destination()->lineEdit()->setText("   ");
  EXPECT_FALSE(RunButtonsOn());
}

TEST_F(TemplateTest, PathFiltersStayHiddenAndOffThroughTheCommands) {
  CompleteExampleOrder();
  Browse("f:\\A");
  Click(Child<QRadioButton>("rdoVol14ReorganizeWithOutFiles"));
  auto* group = Child<QGroupBox>("grpVol14FiltersForPaths");
  EXPECT_FALSE(group->isVisible());
  EXPECT_FALSE(group->isEnabled());
  EXPECT_TRUE(Child<QRadioButton>("rdoVol14IncludeAll")->isChecked());
  EXPECT_FALSE(Child<QRadioButton>("rdoVol14IncludeSelected")->isChecked());
  EXPECT_FALSE(Child<QRadioButton>("rdoVol14ExcludeSelected")->isChecked());
  EXPECT_TRUE(Child<QLineEdit>("edtVol14IncludeSelected")->text().isEmpty());
  EXPECT_TRUE(Child<QLineEdit>("edtVol14ExcludeSelected")->text().isEmpty());
}

}  // namespace
}  // namespace ordovan::testing
