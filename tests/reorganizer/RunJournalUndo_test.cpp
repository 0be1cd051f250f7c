// A journaled run over the clients tree, taken back from its journal as after
// a restart: the journal restores exactly the records the run had, Undo from
// it gives the destination back, and a journal that is cut off, edited to
// name other places, or names a copy the user has since replaced never makes
// Undo touch anything that is not the run's. Stop, in a run and in Undo,
// ends at a safe point with records that match the disk.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <fstream>
#include <sstream>

#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/RunJournalReader.h"
#include "reorganizer/RunJournalWriter.h"
#include "support/ExamplePaths.h"
#include "support/ReorganizerFixtures.h"
#include "support/StoppingPump.h"

namespace ordovan {
namespace {

using testing::ClientsRun;
using testing::Snapshot;
using testing::StoppingPump;
namespace fs = std::filesystem;

using namespace testing::example;

struct JournaledRun : ClientsRun {
  JournaledRun() : journal(*FileSystem::Default(), Journal) {
    tree.Folder("f:\\settings");
    inputs.journal = &journal;
    before = Snapshot(drive, drive / "settings");
  }
  // The records as a restart finds them.
  RunRecords Restored() {
    JournalReadResult read = ReadRunJournal(*FileSystem::Default(), Journal);
    EXPECT_EQ(read.status, JournalReadStatus::Read);
    SettlePendingCopies(*FileSystem::Default(), &read.contents);
    return RecordsFromJournal(read.contents);
  }
  UndoResult Undo(RunRecords& records, const std::string& report, EventPump* pump = nullptr,
                  UndoOutcome outcome = UndoOutcome::Done) {
    prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
    UndoResult result = UndoLastRun(records, *FileSystem::Default(), prompter, results, pump);
    prompter.VerifyDone();
    EXPECT_EQ(result.outcome, outcome);
    EXPECT_EQ(result.report, report);
    return result;
  }
  std::string JournalText() {
    std::ifstream in(tree.Native(Journal), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void SetJournalText(const std::string& text) {
    std::ofstream(tree.Native(Journal), std::ios::binary | std::ios::trunc) << text;
  }
  bool Exists(const std::string& path) { return fs::exists(tree.Native(path)); }

  RunJournalWriter journal;
  testing::TREE_SNAPSHOT before;
};

void ExpectSameRecords(const RunRecords& restored, const RunRecords& made) {
  EXPECT_EQ(restored.RunKindMarker, "R");
  EXPECT_EQ(restored.RunDestination, made.RunDestination);
  EXPECT_EQ(restored.CreatedFolders, made.CreatedFolders);
  EXPECT_EQ(restored.CreatedMainFolders, made.CreatedMainFolders);
  EXPECT_EQ(restored.CreatedSubFolders, made.CreatedSubFolders);
  EXPECT_EQ(restored.CopiedFiles, made.CopiedFiles);
  EXPECT_EQ(restored.CopiedFileIdentities, made.CopiedFileIdentities);
}

TEST(RunJournalUndoTest, TheJournalRestoresTheRunsRecordsAndUndoTakesItAllBack) {
  JournaledRun r;
  ASSERT_EQ(r.run.Organize(r.inputs).outcome, RunOutcome::Completed);
  ASSERT_EQ(r.run.records().CopiedFiles.size(), 14u);
  RunRecords restored = r.Restored();
  ExpectSameRecords(restored, r.run.records());
  r.Undo(restored, "");
  EXPECT_EQ(Snapshot(r.drive, r.drive / "settings"), r.before);

  // A simulation replaces the records, and with them the journal.
  ASSERT_EQ(r.run.Organize(r.inputs).outcome, RunOutcome::Completed);
  EXPECT_TRUE(r.Exists(Journal));
  r.run.SimulationView(r.inputs);
  EXPECT_FALSE(r.Exists(Journal));
}

// A target that is taken already makes the copy fail; were it announced, a
// crash right after would make someone's file there look like the run's copy.
TEST(RunJournalUndoTest, ACopyOntoATakenTargetIsNeverAnnounced) {
  JournaledRun r;
  ASSERT_EQ(r.run.Organize(r.inputs).outcome, RunOutcome::Completed);
  // The second run finds every target taken by the first run's copies.
  ASSERT_EQ(r.run.Organize(r.inputs).outcome, RunOutcome::Completed);
  EXPECT_EQ(r.JournalText().find("\nP\t"), std::string::npos);
  EXPECT_TRUE(r.Restored().CopiedFiles.empty());
}

// Answers Yes and keeps every message, for an Undo whose report a test
// checks piece by piece.
class YesPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string& text, const std::string& title) override {
    shown.push_back({kind, text, title});
    return kind == MessageKind::kQuestion ? Answer::kYes : Answer::kOk;
  }
  std::vector<testing::ShownMessage> shown;
};

TEST(RunJournalUndoTest, ACutOffJournalTakesBackWhatItNamesAndNothingElse) {
  JournaledRun r;
  r.run.Organize(r.inputs);
  const TEXT_LIST all = r.run.records().CopiedFiles;
  const auto sources_before = Snapshot(r.drive / "Old Clients");
  const auto business_before = Snapshot(r.drive / "Business");
  // Cut in the middle of the eighth copy's record: the copy it began is
  // complete on disk, so it is the run's as well.
  const std::string text = r.JournalText();
  std::size_t at = 0;
  for (int copies = 0; copies < 8; ++copies) at = text.find("\nC\t", at + 1);
  r.SetJournalText(text.substr(0, at + 20));
  RunRecords restored = r.Restored();
  ASSERT_EQ(restored.CopiedFiles, TEXT_LIST(all.begin(), all.begin() + 8));

  YesPrompter yes;
  const UndoResult undone = UndoLastRun(restored, *FileSystem::Default(), yes, r.results);
  EXPECT_EQ(undone.outcome, UndoOutcome::Done);
  // The copies the journal names are gone; the others stay, and so do the
  // folders that hold them, which the report names.
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(r.Exists(all[i]), i >= 8) << all[i];
  EXPECT_TRUE(undone.not_deleted_files.empty());
  ASSERT_FALSE(undone.not_deleted_folders.empty());
  for (const std::string& folder : undone.not_deleted_folders) {
    EXPECT_TRUE(std::any_of(all.begin() + 8, all.end(), [&](const std::string& file) {
      return LiesBelow(file, folder);
    })) << folder;
  }
  EXPECT_EQ(yes.shown.size(), 1u);  // only the question: the window shows the rest
  EXPECT_NE(undone.report.find(undone.not_deleted_folders.front()), std::string::npos);
  EXPECT_EQ(Snapshot(r.drive / "Old Clients"), sources_before);
  EXPECT_EQ(Snapshot(r.drive / "Business"), business_before);
}

// A journal edited to name places outside its destination, and a copy the
// user has since replaced: Undo deletes none of them, and reports the copy.
TEST(RunJournalUndoTest, UndoFromAJournalTouchesNothingButTheRunsOwnCopies) {
  JournaledRun r;
  r.run.Organize(r.inputs);
  const std::string marks = N + "\\2016\\f--Old Clients-Client2-2016-Marks.doc";
  ASSERT_TRUE(r.Exists(marks));
  // The user's own file now stands where the copy was.
  fs::remove(r.tree.Native(marks));
  r.tree.File(marks, "the user's own Marks.doc");

  // Records for the source files and folders, with their true identities,
  // appended the way the writer writes them.
  std::string text = r.JournalText();
  {
    RunJournalWriter other(*FileSystem::Default(), "f:\\settings\\other.journal");
    ASSERT_EQ(other.Begin(N), JournalStart::Started);
    for (const char* source : {"f:\\Old Clients\\Client1\\Email.txt",
                               "f:\\New Clients\\..\\Old Clients\\Client2\\2015\\Notes.txt"}) {
      other.CopiedFile(source, FileSystem::Default()->IdentifyFile(source));
    }
    other.CreatingFolder("f:\\Business\\Client3");
    other.Finish(false);
  }
  std::ifstream in(r.tree.Native("f:\\settings\\other.journal"), std::ios::binary);
  std::stringstream appended;
  appended << in.rdbuf();
  const std::string records = appended.str();
  text += records.substr(records.find("\nC\t") + 1);
  r.SetJournalText(text);

  RunRecords restored = r.Restored();
  EXPECT_EQ(restored.CopiedFiles.size(), 14u);
  const auto sources_before = Snapshot(r.drive, r.drive / "New Clients");
  // The folder that holds it stays too.
  r.Undo(restored, std::string(kReportHead) + N + "\\2016\n" + marks + "\n");
  EXPECT_EQ(Snapshot(r.drive, r.drive / "New Clients"), sources_before);
  EXPECT_EQ(testing::ReadFile(r.tree, marks), "the user's own Marks.doc");
}

// Stop in a run: the run ends between two files, its records match the disk
// exactly, the journal says so, and Undo from it gives the destination back.
TEST(RunJournalUndoTest, AStoppedRunRecordsExactlyWhatItMade) {
  for (int pumps : {1, 4, 9, 15}) {
    JournaledRun r;
    StoppingPump pump(pumps);
    r.inputs.pump = &pump;
    ASSERT_EQ(r.run.Organize(r.inputs).outcome, RunOutcome::Stopped) << pumps;
    const RunRecords& made = r.run.records();
    // Every file in the destination is recorded, and every record is there.
    std::size_t on_disk = 0;
    for (const auto& entry : fs::recursive_directory_iterator(r.drive / "New Clients")) {
      on_disk += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(on_disk, made.CopiedFiles.size()) << pumps;
    for (const std::string& file : made.CopiedFiles) EXPECT_TRUE(r.Exists(file)) << file;
    EXPECT_LT(made.CopiedFiles.size(), 14u);
    EXPECT_NE(r.JournalText().find("E\tstopped"), std::string::npos);
    RunRecords restored = r.Restored();
    ExpectSameRecords(restored, made);
    if (made.CreatedFolders.empty() && made.CopiedFiles.empty()) continue;  // nothing made
    r.Undo(restored, "");
    EXPECT_EQ(Snapshot(r.drive, r.drive / "settings"), r.before) << pumps;
  }
}

// Stop in Undo: it ends between two files; what is left stays recorded and
// the next Undo takes it back.
TEST(RunJournalUndoTest, AStoppedUndoLeavesTheRestForTheNextOne) {
  JournaledRun r;
  r.run.Organize(r.inputs);
  RunRecords& records = r.run.records();
  const TEXT_LIST all = records.CopiedFiles;
  StoppingPump pump(7);  // stops before the seventh file
  r.Undo(records, "", &pump, UndoOutcome::Stopped);
  ASSERT_EQ(records.CopiedFiles, TEXT_LIST(all.begin() + 6, all.end()));
  EXPECT_EQ(records.CopiedFileIdentities.size(), all.size() - 6);
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(r.Exists(all[i]), i >= 6) << all[i];
  // The journal, written anew, restores the rest.
  ASSERT_TRUE(r.journal.Rewrite(records));
  RunRecords restored = r.Restored();
  ExpectSameRecords(restored, records);
  r.Undo(restored, "");
  EXPECT_EQ(Snapshot(r.drive, r.drive / "settings"), r.before);
}

}  // namespace
}  // namespace ordovan
