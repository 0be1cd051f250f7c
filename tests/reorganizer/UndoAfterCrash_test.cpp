// Runs and Undos ended by a crash at a chosen operation (a child process the
// fault-injecting file system ends there), then the Undo of a restarted
// program; and journals that vouch for less than they name.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "reorganizer/RunSession.h"
#include "support/FaultyFileSystem.h"
#include "support/ReorganizerFixtures.h"
#include "support/StoppingPump.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;
using testing::CrashPoint;

const std::string Journal = "f:\\settings\\ordovan-run.journal";

struct Yes : Prompter {
  Answer Show(MessageKind kind, const std::string&, const std::string&) override {
    return kind == MessageKind::kQuestion ? Answer::kYes : Answer::kOk;
  }
};

struct CrashRun : testing::ClientsRun {
  CrashRun() : options{Journal, false, true} { tree.Folder("f:\\settings"); }
  testing::TREE_SNAPSHOT Now() { return testing::Snapshot(drive, drive / "settings"); }
  TEXT_LIST Organize(FileSystem& files) {
    RunSession session(files, yes, options);
    session.Organize(inputs);
    return session.records().CopiedFiles;
  }
  // The Undo of a restarted program; `pump` may stop it.
  UndoResult Undo(FileSystem& files, EventPump* pump = nullptr) {
    RunSession session(files, yes, options);
    session.RestoreFromJournal();
    return session.Undo(pump).undo;
  }
  bool Crashed(const std::function<void()>& command) {
    return testing::RunInChildProcess(command) == testing::kCrashExitCode;
  }
  bool Exists(const std::string& path) { return fs::exists(tree.Native(path)); }

  RunSessionOptions options;
  Yes yes;
  testing::FaultyFileSystem faulty;
  FileSystem& real = *FileSystem::Default();
  const testing::TREE_SNAPSHOT before = Now();
};

#define SKIP_WITHOUT_CHILD_PROCESSES() \
  if (testing::RunInChildProcess([] {}) != 0) GTEST_SKIP() << "no child processes here"

TEST(UndoAfterCrashTest, AnUndoAfterAKilledUndoEndsItAndReportsOnlyWhatTheUserDeleted) {
  SKIP_WITHOUT_CHILD_PROCESSES();
  CrashRun r;
  const TEXT_LIST copies = r.Organize(r.real);
  r.faulty.CrashAt(CrashPoint::kRemoveFile, 6);  // five copies deleted, then the end
  ASSERT_TRUE(r.Crashed([&r] { r.Undo(r.faulty); }));
  fs::remove(r.tree.Native(copies.back()));  // the user's doing: that one is said
  EXPECT_EQ(r.Undo(r.real).report,
            "The program is unable to delete the following folders, and/or separate files : \n"
            "\nOTHER REASONS   : \n\n" + copies.back() + "\n");
  EXPECT_EQ(r.Now(), r.before);
  EXPECT_FALSE(r.Exists(Journal));
}

// Undo adds its lines to the journal it read only while that is still the
// file read: put after another run's journal, they would name nothing.
TEST(UndoAfterCrashTest, AJournalReplacedSinceItWasReadIsWrittenAnewBeforeUndoDeletes) {
  SKIP_WITHOUT_CHILD_PROCESSES();
  CrashRun r;
  r.Organize(r.real);
  r.faulty.CrashAt(CrashPoint::kRemoveFile, 3);
  ASSERT_TRUE(r.Crashed([&r] {
    RunSession session(r.faulty, r.yes, r.options);
    session.RestoreFromJournal();
    RunJournalWriter other(r.real, Journal);  // another instance's run
    other.Begin("f:\\Other");
    other.Finish(false);
    session.Undo(nullptr);
  }));
  EXPECT_EQ(r.Undo(r.real).report, "");
  EXPECT_EQ(r.Now(), r.before);
}

// A journal takes its name, or replaces the old one, only once it is whole.
TEST(UndoAfterCrashTest, AJournalIsNeverLostWhileItIsWrittenAnew) {
  SKIP_WITHOUT_CHILD_PROCESSES();
  CrashRun r;
  r.faulty.CrashAt(CrashPoint::kReplace, 1);  // as Organize begins its journal
  ASSERT_TRUE(r.Crashed([&r] { r.Organize(r.faulty); }));
  EXPECT_FALSE(r.Exists(Journal));
  EXPECT_EQ(r.Organize(r.real).size(), 14u);  // not refused
  // An Undo stopped after two files, killed as its journal is written anew
  // with the rest.
  r.faulty.CrashAt(CrashPoint::kReplace, 1);
  ASSERT_TRUE(r.Crashed([&r] {
    testing::StoppingPump stop(3);
    r.Undo(r.faulty, &stop);
  }));
  EXPECT_EQ(r.Undo(r.real).report, "");
  EXPECT_EQ(r.Now(), r.before);
}

TEST(UndoAfterCrashTest, ACopyCutShortUnderItsOwnNameIsTheRunsAndTakenBack) {
  SKIP_WITHOUT_CHILD_PROCESSES();
  CrashRun r;
  r.faulty.CrashMidCopy(5, 3);
  ASSERT_TRUE(r.Crashed([&r] { r.Organize(r.faulty); }));
  EXPECT_EQ(r.Undo(r.real).report, "");
  EXPECT_EQ(r.Now(), r.before);
}

TEST(UndoAfterCrashTest, WhatUndoCouldNotDeleteALaterUndoTakes) {
  CrashRun r;
  const TEXT_LIST copies = r.Organize(r.real);
  r.faulty.RefuseRemoval(copies[3]);
  const UndoResult first = r.Undo(r.faulty);
  EXPECT_NE(first.report.find(copies[3] + "\n"), std::string::npos);
  EXPECT_TRUE(first.kept_for_next_undo);
  EXPECT_EQ(r.Undo(r.real).report, "");
  EXPECT_EQ(r.Now(), r.before);
  EXPECT_FALSE(r.Exists(Journal));
}

TEST(UndoAfterCrashTest, ADamagedJournalSaysWhereItBreaksAndIsKept) {
  CrashRun r;
  r.Organize(r.real);
  std::stringstream text;
  text << std::ifstream(r.tree.Native(Journal), std::ios::binary).rdbuf();
  std::string damaged = text.str();
  std::size_t line8 = 0;
  for (int line = 1; line < 8; ++line) line8 = damaged.find('\n', line8) + 1;
  damaged[line8 + 3] ^= 1;
  std::ofstream(r.tree.Native(Journal), std::ios::binary | std::ios::trunc) << damaged;

  RunSession session(r.real, r.yes, r.options);
  const RestoreReport restored = session.RestoreFromJournal();
  EXPECT_EQ(restored.outcome, RestoreOutcome::Restored);
  EXPECT_EQ(restored.unreadable_line, 8u);
  // Lines 3 to 7: three folders, and a copy announced and found whole.
  EXPECT_EQ(restored.acted_on, 4u);
  EXPECT_EQ(restored.kept_as, Journal + ".damaged-1");
  EXPECT_EQ(testing::ReadFile(r.tree, restored.kept_as), damaged);
}

// None of its records acted on; kept aside, so later runs are not refused.
TEST(UndoAfterCrashTest, AJournalNamingARootOrAControlCharacterIsRefused) {
  CrashRun r;
  const std::string terms = "f:\\Business\\Terms.pdf";
  for (const char* destination : {"f:\\", "f:\\\\\\", "f:\\Business\t"}) {
    RunJournalWriter writer(r.real, Journal);
    ASSERT_EQ(writer.Begin(destination), JournalStart::Started);
    writer.CopiedFile(terms, r.real.IdentifyFile(terms));
    writer.Finish(false);
    RunSession session(r.real, r.yes, r.options);
    const RestoreReport restored = session.RestoreFromJournal();
    EXPECT_EQ(restored.outcome, RestoreOutcome::UnusableDestination);
    EXPECT_EQ(restored.destination, destination);
    EXPECT_TRUE(r.Exists(restored.kept_as));
    EXPECT_FALSE(r.Exists(Journal));
    EXPECT_EQ(session.Undo(nullptr).undo.outcome, UndoOutcome::NothingToUndo);
  }
  EXPECT_EQ(r.Now(), r.before);
}

}  // namespace
}  // namespace ordovan
