// A run and its Undo ended by a crash at a chosen operation (the command runs
// in a child process that the fault-injecting file system ends there), then
// taken back by the Undo of a restarted program: the destination ends as it
// was before the run, and only what the user did is reported. Journals that
// are damaged or name no usable destination are kept and never acted on
// beyond what they can vouch for.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/EventPump.h"
#include "reorganizer/RunJournalWriter.h"
#include "reorganizer/RunSession.h"
#include "support/FaultyFileSystem.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;
using testing::CrashPoint;
using testing::FaultyFileSystem;

const std::string Journal = "f:\\settings\\ordovan-run.journal";
const std::string kReportHead =
    "The program is unable to delete the following folders, and/or separate files : \n"
    "\nOTHER REASONS   : \n\n";

class YesPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string&, const std::string&) override {
    return kind == MessageKind::kQuestion ? Answer::kYes : Answer::kOk;
  }
};

// Stops Undo before file `at`, and from then on crashes at the next append.
class CrashAfterStop : public EventPump {
 public:
  CrashAfterStop(FaultyFileSystem& files, int at) : files_(files), left_(at) {}
  void Pump() override {
    if (--left_ == 0) files_.CrashAt(CrashPoint::kAppend, 1);
  }
  bool StopRequested() const override { return left_ <= 0; }

 private:
  FaultyFileSystem& files_;
  int left_;
};

struct CrashRun : testing::ClientsRun {
  CrashRun() {
    tree.Folder("f:\\settings");
    before = testing::Snapshot(drive, drive / "settings");
  }
  static RunSessionOptions Options() {
    RunSessionOptions options;
    options.journal_path = Journal;
    options.require_journal = true;
    return options;
  }
  // Organize as the command line does; the copies it made.
  TEXT_LIST Organize(FileSystem& files) {
    RunSession session(files, yes, Options());
    EXPECT_EQ(session.Organize(inputs).outcome, RunOutcome::Completed);
    return session.records().CopiedFiles;
  }
  // The Undo of a restarted program.
  UndoReport UndoAfterRestart(FileSystem& files, RestoreOutcome restored = RestoreOutcome::Restored) {
    RunSession session(files, yes, Options());
    EXPECT_EQ(session.RestoreFromJournal().outcome, restored);
    return session.Undo(nullptr);
  }
  void Crash(const std::function<void()>& command) {
    ASSERT_EQ(testing::RunInChildProcess(command), testing::kCrashExitCode);
  }
  bool AsBefore() { return testing::Snapshot(drive, drive / "settings") == before; }
  bool Exists(const std::string& path) { return fs::exists(tree.Native(path)); }

  YesPrompter yes;
  FaultyFileSystem faulty;
  testing::TREE_SNAPSHOT before;
};

#define SKIP_WITHOUT_CHILD_PROCESSES()                                   \
  if (testing::RunInChildProcess([] {}) != 0) GTEST_SKIP() << "no fork here"

TEST(UndoAfterCrashTest, AnUndoAfterAKilledUndoEndsItAndReportsOnlyWhatTheUserDeleted) {
  SKIP_WITHOUT_CHILD_PROCESSES();
  CrashRun r;
  const TEXT_LIST copies = r.Organize(r.faulty);
  ASSERT_EQ(copies.size(), 14u);
  r.faulty.CrashAt(CrashPoint::kRemoveFile, 6);  // five copies deleted, then the end
  r.Crash([&r] { r.UndoAfterRestart(r.faulty); });
  ASSERT_FALSE(r.Exists(copies[4]));
  // The user deletes a copy the killed Undo had not reached: that one is said.
  fs::remove(r.tree.Native(copies.back()));
  const UndoReport undone = r.UndoAfterRestart(*FileSystem::Default());
  EXPECT_EQ(undone.undo.outcome, UndoOutcome::Done);
  EXPECT_EQ(undone.undo.report, kReportHead + copies.back() + "\n");
  EXPECT_FALSE(undone.undo.kept_for_next_undo);
  EXPECT_TRUE(r.AsBefore());
  EXPECT_FALSE(r.Exists(Journal));
}

TEST(UndoAfterCrashTest, AJournalIsNeverLostWhileItIsWrittenAnew) {
  SKIP_WITHOUT_CHILD_PROCESSES();
  CrashRun r;
  // Killed as Organize begins its journal: none stands under its name, so
  // the next run is not refused.
  r.faulty.CrashAt(CrashPoint::kAppend, 1);
  r.Crash([&r] { r.Organize(r.faulty); });
  EXPECT_FALSE(r.Exists(Journal));
  r.Organize(*FileSystem::Default());

  // An Undo stopped before its fourth file, killed while it writes its
  // journal anew: the old one still names the rest.
  r.Crash([&r] {
    RunSession session(r.faulty, r.yes, CrashRun::Options());
    session.RestoreFromJournal();
    CrashAfterStop pump(r.faulty, 4);
    session.Undo(&pump);
  });
  const UndoReport undone = r.UndoAfterRestart(*FileSystem::Default());
  EXPECT_EQ(undone.undo.report, "");
  EXPECT_TRUE(r.AsBefore());
}

TEST(UndoAfterCrashTest, ACopyCutShortUnderItsOwnNameIsTheRunsAndTakenBack) {
  SKIP_WITHOUT_CHILD_PROCESSES();
  CrashRun r;
  r.faulty.CrashMidCopy(5, 3);
  r.Crash([&r] { r.Organize(r.faulty); });
  const UndoReport undone = r.UndoAfterRestart(*FileSystem::Default());
  EXPECT_EQ(undone.undo.outcome, UndoOutcome::Done);
  EXPECT_EQ(undone.undo.report, "");
  EXPECT_TRUE(r.AsBefore());
}

// Undo that could not delete a copy keeps it in the journal; once the cause
// is gone, the Undo of a later start takes it.
TEST(UndoAfterCrashTest, WhatUndoCouldNotDeleteALaterUndoTakes) {
  CrashRun r;
  const TEXT_LIST copies = r.Organize(*FileSystem::Default());
  r.faulty.RefuseRemoval(copies[3]);
  const UndoReport first = r.UndoAfterRestart(r.faulty);
  EXPECT_NE(first.undo.report.find(copies[3] + "\n"), std::string::npos);
  EXPECT_TRUE(first.undo.kept_for_next_undo);
  ASSERT_TRUE(r.Exists(Journal));
  const UndoReport second = r.UndoAfterRestart(*FileSystem::Default());
  EXPECT_EQ(second.undo.report, "");
  EXPECT_TRUE(r.AsBefore());
  EXPECT_FALSE(r.Exists(Journal));
}

std::string ReadNative(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A journal that cannot be read to its end: Undo takes back what the lines
// before the damage name, says from which line on it could not read, and
// the journal as it was is kept.
TEST(UndoAfterCrashTest, ADamagedJournalSaysWhereItBreaksAndIsKept) {
  CrashRun r;
  const TEXT_LIST copies = r.Organize(*FileSystem::Default());
  std::string text = ReadNative(r.tree.Native(Journal));
  std::size_t line8 = 0;
  for (int line = 1; line < 8; ++line) line8 = text.find('\n', line8) + 1;
  text[line8 + 3] ^= 1;
  std::ofstream(r.tree.Native(Journal), std::ios::binary | std::ios::trunc) << text;

  RunSession session(*FileSystem::Default(), r.yes, CrashRun::Options());
  const RestoreReport restored = session.RestoreFromJournal();
  EXPECT_EQ(restored.outcome, RestoreOutcome::Restored);
  EXPECT_EQ(restored.unreadable_line, 8u);
  EXPECT_EQ(restored.acted_on,
            session.records().CreatedFolders.size() + session.records().CopiedFiles.size());
  EXPECT_EQ(restored.acted_on, 6u - 2u);  // lines 3 to 7, one of them a main folder's
  EXPECT_EQ(restored.kept_as, Journal + ".damaged-1");
  EXPECT_EQ(ReadNative(r.tree.Native(restored.kept_as)), text);
  // A later start finds the readable part, whole.
  RunSession again(*FileSystem::Default(), r.yes, CrashRun::Options());
  EXPECT_EQ(again.RestoreFromJournal().unreadable_line, 0u);
  EXPECT_EQ(again.records().CreatedFolders, session.records().CreatedFolders);
}

// A journal whose destination no run can have (a root, a control character)
// is refused: none of its records is acted on, and it is kept aside so that
// later runs are not refused.
TEST(UndoAfterCrashTest, AJournalNamingARootOrAControlCharacterIsRefused) {
  CrashRun r;
  const std::string terms = "f:\\Business\\Terms.pdf";
  for (const std::string& destination :
       {std::string("f:\\"), std::string("f:\\\\\\"), std::string("f:\\Business\t")}) {
    {
      RunJournalWriter writer(*FileSystem::Default(), Journal);
      ASSERT_EQ(writer.Begin(destination), JournalStart::Started);
      writer.CopiedFile(terms, FileSystem::Default()->IdentifyFile(terms));
      writer.Finish(false);
    }
    RunSession session(*FileSystem::Default(), r.yes, CrashRun::Options());
    const RestoreReport restored = session.RestoreFromJournal();
    EXPECT_EQ(restored.outcome, RestoreOutcome::UnusableDestination);
    EXPECT_EQ(restored.destination, destination);
    EXPECT_TRUE(r.Exists(restored.kept_as));
    EXPECT_FALSE(r.Exists(Journal));
    EXPECT_EQ(session.Undo(nullptr).undo.outcome, UndoOutcome::NothingToUndo);
  }
  EXPECT_TRUE(r.AsBefore());
}

}  // namespace
}  // namespace ordovan
