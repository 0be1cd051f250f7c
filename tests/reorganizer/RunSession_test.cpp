// The run session's own outcomes over the clients tree: the rules the
// command line turns on (a destination inside a source, a journal that must
// be begun), a restore that finds nothing made, and Stop, in a run and in
// Undo, with the journal naming what a stopped Undo left.

#include <gtest/gtest.h>

#include <functional>

#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "reorganizer/RunSession.h"
#include "support/ExamplePaths.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

using testing::Snapshot;

using namespace testing::example;

struct SessionRun : testing::ClientsRun {
  explicit SessionRun(RunSessionOptions options = JournalHere())
      : session(*FileSystem::Default(), prompter, std::move(options)) {
    tree.Folder("f:\\settings");
    before = Snapshot(drive, drive / "settings");
  }
  static RunSessionOptions JournalHere() {
    RunSessionOptions options;
    options.journal_path = Journal;
    return options;
  }
  void ExpectUndoQuestion() {
    prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  }
  RunSession session;
  testing::TREE_SNAPSHOT before;
};

// Pumped between files; does what a test asks at a given pump.
class ActingPump : public EventPump {
 public:
  ActingPump(int at, std::function<void()> act) : at_(at), act_(std::move(act)) {}
  void Pump() override {
    if (++pumps_ == at_) act_();
  }

 private:
  int at_;
  int pumps_ = 0;
  std::function<void()> act_;
};

TEST(RunSessionTest, ADestinationInsideAnIncludedPathIsRefusedOnlyWhenAsked) {
  const struct {
    const char* destination;
    const char* holder;  // the source named in the refusal; none: the run goes
  } cases[] = {
      {"f:\\Old Clients\\Client1\\2016\\docs\\pdf\\New", "f:\\Old Clients\\Client1\\2016\\docs\\pdf"},
      {"F:\\OLD CLIENTS\\Client2\\2016\\txt", "f:\\Old Clients\\Client2\\2016\\txt"},
      {"f:\\Old Clients\\Client2\\2016\\txt2", nullptr},  // beside, not inside
      {"f:\\New Clients", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.destination);
    RunSessionOptions options;
    options.refuse_destination_inside_source = true;
    SessionRun r(options);
    r.inputs.stored_destination = c.destination;
    r.inputs.with_files = false;
    const RunReport report = r.session.Simulation(r.inputs);
    if (c.holder) {
      EXPECT_EQ(report.outcome, RunOutcome::DestinationInsideSource);
      EXPECT_EQ(report.source_holding_destination, c.holder);
      EXPECT_EQ(r.session.results().refresh_count(), 0u);
    } else {
      EXPECT_EQ(report.outcome, RunOutcome::Completed);
    }
  }
  // The window's session lets the run go; it never copies its own copies.
  SessionRun window;
  window.inputs.stored_destination = "f:\\Old Clients\\Client1\\2016\\docs\\pdf\\New";
  EXPECT_EQ(window.session.Organize(window.inputs).outcome, RunOutcome::Completed);
}

TEST(RunSessionTest, AJournalThatCannotBeBegunStopsTheRunOnlyWhenItIsRequired) {
  {
    RunSessionOptions options = SessionRun::JournalHere();
    options.require_journal = true;
    SessionRun required(options);
    required.tree.File(Journal, "my own notes\n");
    const RunReport refused = required.session.Organize(required.inputs);
    EXPECT_EQ(refused.outcome, RunOutcome::JournalNotStarted);
    EXPECT_EQ(refused.journal_start, JournalStart::NotAJournalInTheWay);
    EXPECT_EQ(Snapshot(required.drive, required.drive / "settings"), required.before);
    EXPECT_EQ(testing::ReadFile(required.tree, Journal), "my own notes\n");
  }
  SessionRun window;
  window.tree.File(Journal, "my own notes\n");
  const RunReport ran = window.session.Organize(window.inputs);
  EXPECT_EQ(ran.outcome, RunOutcome::Completed);
  EXPECT_TRUE(ran.journal_failed);
  EXPECT_EQ(window.session.records().CopiedFiles.size(), 14u);
  EXPECT_EQ(testing::ReadFile(window.tree, Journal), "my own notes\n");
}

// A restart's session restores a journaled run only when that run made
// something (the window's Undo button goes by it); its records and the
// records it sets aside are checked through the window's restart.
TEST(RunSessionTest, AJournalOfARunThatMadeNothingRestoresNothing) {
  SessionRun r;
  r.session.Organize(r.inputs);
  // The second run finds every folder and copy there already.
  r.session.Organize(r.inputs);
  RunSession restarted(*FileSystem::Default(), r.prompter, SessionRun::JournalHere());
  EXPECT_EQ(restarted.RestoreFromJournal().outcome, RestoreOutcome::NothingMade);
  EXPECT_TRUE(restarted.records().RunKindMarker.empty());
}

TEST(RunSessionTest, StopEndsTheRunningCommandAtItsNextSafePointAndOnlyThat) {
  SessionRun r;
  EXPECT_EQ(r.session.Stop(), StopOutcome::NothingRunning);

  ActingPump stop_run(8, [&r] { EXPECT_EQ(r.session.Stop(), StopOutcome::Stopping); });
  r.inputs.pump = &stop_run;
  ASSERT_EQ(r.session.Organize(r.inputs).outcome, RunOutcome::Stopped);
  const TEXT_LIST made = r.session.records().CopiedFiles;
  ASSERT_GE(made.size(), 2u);
  EXPECT_LT(made.size(), 14u);
  // The stop went with the command that heard it.
  EXPECT_EQ(r.session.Stop(), StopOutcome::NothingRunning);

  // An Undo stopped after its first file: the journal names the rest, so a
  // restart's Undo takes it back.
  ActingPump stop_undo(2, [&r] { r.session.Stop(); });
  r.ExpectUndoQuestion();
  const UndoReport stopped = r.session.Undo(&stop_undo);
  EXPECT_EQ(stopped.undo.outcome, UndoOutcome::Stopped);
  EXPECT_FALSE(stopped.journal_failed);
  EXPECT_EQ(r.session.records().CopiedFiles, TEXT_LIST(made.begin() + 1, made.end()));

  RunSession restarted(*FileSystem::Default(), r.prompter, SessionRun::JournalHere());
  ASSERT_EQ(restarted.RestoreFromJournal().outcome, RestoreOutcome::Restored);
  r.ExpectUndoQuestion();
  EXPECT_EQ(restarted.Undo(nullptr).undo.outcome, UndoOutcome::Done);
  EXPECT_EQ(Snapshot(r.drive, r.drive / "settings"), r.before);
  EXPECT_FALSE(std::filesystem::exists(r.tree.Native(Journal)));
}

}  // namespace
}  // namespace ordovan
