// Stop and the run journal through the real main window: the Stop control is
// there only while a command runs, a stopped run says so and leaves every
// button as a finished one does, and a later start of the program restores
// the journaled run so that Undo takes it back.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "paths/EntryList.h"
#include "platform/FileSystem.h"
#include "uikit/EntryListView.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/RunJournalWriter.h"
#include "reorganizer/ui/TfrmStatistic14.h"
#include "support/ExamplePaths.h"
#include "support/FaultyFileSystem.h"
#include "support/ReorganizerFixtures.h"
#include "support/ui/AppFixture.h"
#include "uikit/QtEventPump.h"

namespace ordovan::testing {
namespace {

namespace fs = std::filesystem;

using namespace example;

// Notes whether the Stop control is shown while the command pumps, and asks
// to stop once it has been pumped `stop_after` times (never when negative).
class StopPump : public EventPump {
 public:
  void Pump() override {
    if (stop_control) stop_seen = stop_seen || !stop_control->isHidden();
    ++pumps;
  }
  bool StopRequested() const override { return stop_after >= 0 && pumps >= stop_after; }
  QPushButton* stop_control = nullptr;
  int stop_after = -1;
  int pumps = 0;
  bool stop_seen = false;
};

class RunStopAndJournalTest : public AppFixture {
 protected:
  RunStopAndJournalTest() : drive_(tree_.Mount("f:")) {
    BuildClientsTree(tree_);
    before_ = Snapshot(drive_);
    services_.pump = &pump_;
  }
  void Start() {
    StartWindows();
    pump_.stop_control = main().btnVol14Stop;
  }
  void Click(const char* button) {
    if (QPushButton* found = Child<QPushButton>(button)) found->click();
  }
  void PrepareClientsRun() {
    for (const std::string& path : ClientsIncludeList()) {
      dialogs_.ExpectFolder("Select the Folder.", path);
      Click("btnVol14IncludeWindowAddFolderToList");
    }
    Click("btnVol14FindShortestPath");
    for (std::size_t row : {2u, 1u, 0u}) {
      main().lstVol14SubFoldersSource->SelectRow(row);
      Click("btnVol14SourceToDest");
    }
    dialogs_.ExpectFolder("Select the Destination Directory.", N);
    Click("btnVol14BrowseDestinationFolder");
    ASSERT_TRUE(dialogs_.Done());
  }
  void ExpectUndo() {
    prompter_.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
    prompter_.Expect(MessageKind::kInformation, kUndoEndText, kUndoEndTitle);
  }
  std::vector<bool> RunButtons() {
    return {main().btnVol14Restructure->isEnabled(), main().btnVol14Simulation->isEnabled(),
            main().btnVol14Undo->isEnabled(), !main().btnVol14Stop->isHidden()};
  }
  fs::path Journal() { return tree_.root() / kRunJournalFileName; }
  std::string JournalText() {
    std::ifstream in(Journal(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path drive_;
  TREE_SNAPSHOT before_;
  StopPump pump_;
};

TEST_F(RunStopAndJournalTest, AStoppedOrganizeSaysSoAndEndsLikeAFinishedOne) {
  Start();
  PrepareClientsRun();
  EXPECT_TRUE(main().btnVol14Stop->isHidden());
  pump_.pumps = 0;
  pump_.stop_after = 5;
  Click("btnVol14Restructure");
  prompter_.VerifyDone();
  EXPECT_TRUE(pump_.stop_seen);
  ASSERT_FALSE(results_.captions.empty());
  EXPECT_EQ(results_.captions.back(), "Folder/File Copy Process. Stopped by the user.");
  const std::size_t made = main().Records().CopiedFiles.size();
  EXPECT_GT(made, 0u);
  EXPECT_LT(made, 14u);
  EXPECT_NE(JournalText().find("E\tstopped"), std::string::npos);

  // A finished run leaves the buttons exactly so.
  const std::vector<bool> after_stop = RunButtons();
  pump_.stop_after = -1;
  ExpectUndo();
  Click("btnVol14Undo");
  prompter_.VerifyDone();
  EXPECT_EQ(Snapshot(drive_), before_);
  EXPECT_FALSE(fs::exists(Journal()));  // a finished Undo retires it
  Click("btnVol14Restructure");
  EXPECT_EQ(RunButtons(), after_stop);
  EXPECT_EQ(main().Records().CopiedFiles.size(), 14u);
}

TEST_F(RunStopAndJournalTest, AfterARestartUndoTakesBackTheJournaledRun) {
  Start();
  PrepareClientsRun();
  Click("btnVol14Restructure");
  ASSERT_EQ(main().Records().CopiedFiles.size(), 14u);
  const RunRecords made = main().Records();
  windows_.reset();  // the program ends

  Start();
  EXPECT_TRUE(main().btnVol14Undo->isEnabled());
  EXPECT_EQ(main().Records().CopiedFiles, made.CopiedFiles);
  EXPECT_EQ(main().Records().CreatedFolders, made.CreatedFolders);
  ExpectUndo();
  Click("btnVol14Undo");
  prompter_.VerifyDone();
  EXPECT_EQ(Snapshot(drive_), before_);
  EXPECT_FALSE(fs::exists(Journal()));
}

TEST_F(RunStopAndJournalTest, JournalRecordsOutsideTheDestinationAreReportedAtStartUp) {
  Start();
  PrepareClientsRun();
  Click("btnVol14Restructure");
  windows_.reset();
  // An edited journal names a source folder as one the run made.
  {
    RunJournalWriter other(*FileSystem::Default(), "f:\\other.journal");
    ASSERT_EQ(other.Begin(N), JournalStart::Started);
    other.CreatingFolder("f:\\Business\\Client3");
    other.Finish(false);
  }
  std::stringstream other;
  other << std::ifstream(tree_.Native("f:\\other.journal"), std::ios::binary).rdbuf();
  const std::string record = other.str().substr(other.str().find("\nF\t") + 1);
  std::ofstream(Journal(), std::ios::binary | std::ios::app)
      << record.substr(0, record.find('\n') + 1);
  std::filesystem::remove(tree_.Native("f:\\other.journal"));

  const std::string path = SandboxFolder() + "\\" + kRunJournalFileName;
  prompter_.Expect(MessageKind::kWarning,
                   "The run journal " + path +
                       " names places outside the run's destination.\nUndo leaves them "
                       "alone:\nf:\\Business\\Client3\n",
                   "Ordovan.            Warning no: 140062.");
  Start();
  prompter_.VerifyDone();
  EXPECT_TRUE(main().btnVol14Undo->isEnabled());
  ExpectUndo();
  Click("btnVol14Undo");
  prompter_.VerifyDone();
  EXPECT_EQ(Snapshot(drive_), before_);
}

TEST_F(RunStopAndJournalTest, AFileThatIsNotAJournalIsReportedAndLeftAlone) {
  std::ofstream(Journal(), std::ios::binary) << "my own notes\n";
  const std::string path = SandboxFolder() + "\\" + kRunJournalFileName;
  prompter_.Expect(MessageKind::kWarning,
                   "The file " + path +
                       " is not a run journal of this program.\nIt is left as it is, and Undo "
                       "does not use it.",
                   "Ordovan.            Warning no: 140060.");
  Start();
  prompter_.VerifyDone();
  EXPECT_FALSE(main().btnVol14Undo->isEnabled());
  // A run cannot journal past it, and says so.
  PrepareClientsRun();
  prompter_.Expect(MessageKind::kWarning,
                   "The run journal " + path +
                       " could not be written.\nUndo can take this run back only until the "
                       "program ends.",
                   "Ordovan.            Warning no: 140061.");
  Click("btnVol14Restructure");
  prompter_.VerifyDone();
  EXPECT_EQ(JournalText(), "my own notes\n");
}

// The window ends a run whose disk filled up with the full disk's warning, a
// caption that says so, and every file not copied in its list.
class CopyFailuresTest : public RunStopAndJournalTest {
 protected:
  CopyFailuresTest() : faulty_(&file_system_) { services_.file_system = &faulty_; }
  FaultyFileSystem faulty_;
};

TEST_F(CopyFailuresTest, AFullDiskStopsTheRunWithItsOwnWarning) {
  Start();
  PrepareClientsRun();
  faulty_.FailCopy(1, CopyError::kSourceUnreadable);
  faulty_.FailCopy(2, CopyError::kDiskFull);
  prompter_.Expect(MessageKind::kWarning,
                   "The destination disk is full !\nThe run stopped at : f:\\Old Clients\\Client2\\"
                   "2015\\Notes.txt\nFiles not copied : 2\nAction : Make room on the disk, then Undo "
                   "this run or run it again.",
                   "Ordovan.            Warning no: 140071.");
  Click("btnVol14Restructure");
  prompter_.VerifyDone();
  EXPECT_EQ(results_.captions.back(), "Folder/File Copy Process. Stopped: the destination disk is full.");
  EXPECT_EQ(main().Results().list(ResultList::FilesNotCopied).size(), 2u);
  EXPECT_NE(JournalText().find("E\tstopped"), std::string::npos);
}

// Copies take a few milliseconds each, as on a network drive, so that the
// windows' pump runs between them; `on_copy` hears each copy before it is made.
class SlowCopies : public FileSystemWrapper {
 public:
  using FileSystemWrapper::FileSystemWrapper;
  bool CopyFileNoOverwrite(const std::string& from, const std::string& to,
                           CopyError* error = nullptr) override {
    if (on_copy) on_copy();
    QThread::msleep(20);
    return FileSystemWrapper::CopyFileNoOverwrite(from, to, error);
  }
  std::function<void()> on_copy;
};

// The real windows and pump: the results window that Organize shows over the
// main window has a Stop of its own, and either Stop stops the run when an
// assistive tool presses it, which makes no mouse event at all.
class StopWithinReachTest : public RunStopAndJournalTest {
 protected:
  StopWithinReachTest() : slow_(&file_system_) {
    services_.pump = &qt_pump_;
    services_.stop_input = &qt_pump_;
    services_.file_system = &slow_;
  }
  QtEventPump qt_pump_;
  SlowCopies slow_;
};

TEST_F(StopWithinReachTest, EitherStopPressedByAnAssistiveToolStopsOrganize) {
  StartWindowsWithResultsWindow();
  main().show();
  PrepareClientsRun();
  auto* results = windows().Find<TfrmStatistic14>();
  for (QPushButton* stop : {results->StopControl(), main().btnVol14Stop}) {
    bool pressed = false;
    slow_.on_copy = [&] {
      if (pressed || !stop->isVisible()) return;  // never pressed: the run is not stopped
      pressed = true;
      QAccessible::queryAccessibleInterface(stop)->actionInterface()->doAction(
          QAccessibleActionInterface::pressAction());
    };
    Click("btnVol14Restructure");
    EXPECT_EQ(results->findChild<QLabel*>("lblVol14NormalSimulate")->text(),
              "Folder/File Copy Process. Stopped by the user.")
        << stop->objectName().toStdString();
    EXPECT_LT(main().Records().CopiedFiles.size(), 14u);
    slow_.on_copy = nullptr;
    ExpectUndo();
    Click("btnVol14Undo");
    prompter_.VerifyDone();
    EXPECT_EQ(Snapshot(drive_), before_);
  }
}

}  // namespace
}  // namespace ordovan::testing
