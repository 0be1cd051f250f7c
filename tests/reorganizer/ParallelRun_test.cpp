// Several copies (and deletions) at once must leave exactly what one at a
// time leaves: the same results in the same order, the same records and
// journal, the same folder tree, and an Undo that keeps the same things.
// Operations are held a varying time, so that they end out of order as on a
// file server. And the choice of how many work at once: many where more at
// once bring more done, one where they do not.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "platform/EventPump.h"
#include "reorganizer/RunSession.h"
#include "reorganizer/RunWorkers.h"
#include "support/DelayingFileSystem.h"
#include "support/ExamplePaths.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

using testing::DelayingFileSystem;
using testing::Snapshot;
using testing::TREE_SNAPSHOT;
using testing::example::Journal;

const std::string kDestination = "f:\\New";

// Five clients of three years, each year with files of its own and two
// folders of one to four files; every file's content names it.
TEXT_LIST BuildTree(testing::TempTree& tree) {
  TEXT_LIST include;
  auto file = [&tree](const std::string& path) { tree.File(path, "content of " + path); };
  for (int c = 1; c <= 5; ++c) {
    const std::string client = "f:\\Old\\Client" + std::to_string(c);
    file(client + "\\c.txt");
    for (int y = 2015; y <= 2017; ++y) {
      const std::string year = client + "\\" + std::to_string(y);
      file(year + "\\y.doc");
      for (const char* sub : {"docs", "mail"}) {
        const std::string folder = year + "\\" + sub;
        for (int k = 0; k <= (c + y) % 4; ++k) file(folder + "\\f" + std::to_string(k) + ".txt");
        include.push_back(folder);
      }
    }
  }
  include.push_back("f:\\Old\\Client9\\2015\\docs");  // not there
  tree.Folder(kDestination);
  tree.Folder("f:\\settings");
  return include;
}

RunInputs Inputs(TEXT_LIST include) {
  RunInputs inputs;
  inputs.line_number_map = LineNumbersFor({"Old", "Client1", "2015"});
  inputs.include_entries = std::move(include);
  inputs.cut = 0;
  inputs.new_level_order = {"2015", "Client1", "Old"};
  inputs.stored_destination = kDestination;
  inputs.with_files = true;
  return inputs;
}

struct Scenario {
  const char* what;
  const char* failing_source = nullptr;  // its copy fails for `why`
  CopyError why = CopyError::kFailed;
  bool target_taken = false;  // someone's file stands where a copy goes
};

// Everything a user or a later Undo can observe of a run and its Undo.
struct Outcome {
  RunOutcome outcome{};
  std::array<TEXT_LIST, kResultCategoryCount> lists;
  RUN_COUNTERS counters{};
  NOT_COPIED_FILES not_copied;
  TEXT_LIST created_folders, copied_files;
  TEXT_LIST journal_folders, journal_files;  // what a restart reads back
  std::multiset<std::string> announced;      // the targets of the journal's P lines
  TREE_SNAPSHOT made;
  UndoOutcome undo_outcome{};
  TEXT_LIST stayed_files, stayed_folders;
  TREE_SNAPSHOT after_undo;
};

// The clients tree on a file system that holds every operation up to `hold`,
// and a session over it with `workers`.
struct Bed {
  Bed(std::chrono::microseconds hold, std::size_t workers)
      : fs(hold),
        drive(tree.Mount("f:")),
        include(BuildTree(tree)),
        options{.journal_path = Journal, .workers = workers} {}
  // What a program started afterwards reads back from the journal.
  RunRecords Restarted() const {
    testing::RecordingPrompter quiet;
    RunSession restarted(*FileSystem::Default(), quiet, options);
    restarted.RestoreFromJournal();
    return restarted.records();
  }

  DelayingFileSystem fs;
  testing::TempTree tree;
  const std::filesystem::path drive;
  const TEXT_LIST include;
  testing::RecordingPrompter prompter;
  RunSessionOptions options;
  RunSession session{fs, prompter, options};
};

Outcome RunWith(std::size_t workers, const Scenario& scenario, const std::string& taken) {
  Bed bed(std::chrono::microseconds(400), workers);
  if (scenario.failing_source) bed.fs.FailCopiesOf(scenario.failing_source, scenario.why);
  if (!taken.empty()) bed.tree.File(taken, "someone's own");
  RunSession& session = bed.session;

  Outcome o;
  o.outcome = session.Organize(Inputs(bed.include)).outcome;
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    o.lists[i] = session.results().zoom_list(ListOf(static_cast<ResultCategory>(i))).Entries();
  }
  o.counters = session.results().counters();
  o.not_copied = session.results().not_copied();
  o.created_folders = session.records().CreatedFolders;
  o.copied_files = session.records().CopiedFiles;
  const RunRecords restarted = bed.Restarted();
  o.journal_folders = restarted.CreatedFolders;
  o.journal_files = restarted.CopiedFiles;
  o.made = Snapshot(bed.drive / "New");
  {
    std::ifstream journal(bed.tree.Native(Journal), std::ios::binary);
    for (std::string line; std::getline(journal, line);) {
      if (line.rfind("P\t", 0) == 0) o.announced.insert(line.substr(2, line.find('\t', 2) - 2));
    }
  }

  // The user changes a copy and puts a file into a folder of the run: both
  // stay, and so do the folders above it.
  if (o.copied_files.size() > 3 && !o.created_folders.empty()) {
    std::ofstream(bed.tree.Native(o.copied_files[3]), std::ios::app) << " and more";
    bed.tree.File(o.created_folders.back() + "\\mine.txt", "mine");
  }
  bed.prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  const UndoReport undo = session.Undo(nullptr);
  o.undo_outcome = undo.undo.outcome;
  o.stayed_files = undo.undo.not_deleted_files;
  o.stayed_folders = undo.undo.not_deleted_folders;
  o.after_undo = Snapshot(bed.drive / "New");
  return o;
}

TEST(ParallelRunTest, EightWorkersLeaveWhatOneLeaves) {
  const Scenario reference{"reference"};
  const Outcome plain = RunWith(1, reference, "");
  const std::string taken = plain.copied_files.at(5);
  // The docs and mail paths of a year share their level files: a target
  // copied to already is taken, without a second announcement.
  EXPECT_EQ(plain.announced,
            std::multiset<std::string>(plain.copied_files.begin(), plain.copied_files.end()));
  const Scenario scenarios[] = {
      {"a target taken and a copy that fails", "f:\\Old\\Client2\\2016\\docs\\f1.txt",
       CopyError::kFailed, true},
      // Copies decided after the full disk may have been made by then: they go again.
      {"the disk fills up midway", "f:\\Old\\Client3\\2016\\mail\\f0.txt", CopyError::kDiskFull},
  };
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.what);
    const Outcome one = RunWith(1, s, s.target_taken ? taken : "");
    const Outcome many = RunWith(8, s, s.target_taken ? taken : "");
    ASSERT_GT(one.copied_files.size(), 10u);
    EXPECT_EQ(many.outcome, one.outcome);
    EXPECT_EQ(many.lists, one.lists);
    EXPECT_EQ(many.counters, one.counters);
    EXPECT_EQ(many.not_copied, one.not_copied);
    EXPECT_EQ(many.created_folders, one.created_folders);
    EXPECT_EQ(many.copied_files, one.copied_files);
    EXPECT_EQ(many.journal_folders, one.journal_folders);
    EXPECT_EQ(many.journal_files, one.journal_files);
    EXPECT_EQ(many.made, one.made);
    EXPECT_EQ(many.undo_outcome, one.undo_outcome);
    EXPECT_EQ(many.stayed_files, one.stayed_files);
    EXPECT_EQ(many.stayed_folders, one.stayed_folders);
    EXPECT_EQ(many.after_undo, one.after_undo);
    EXPECT_FALSE(one.stayed_files.empty());
  }
}

TEST(ParallelRunTest, AStoppedRunWithWorkersLeavesOnlyWholeRecordedCopiesThatUndoTakesBack) {
  Bed bed(std::chrono::microseconds(1500), 8);
  const RunSession& session = bed.session;
  // Stop is pressed once ten copies are recorded, with many more in hand.
  class StopAfterTenCopies : public EventPump {
   public:
    explicit StopAfterTenCopies(const RunSession& session) : session_(session) {}
    void Pump() override {}
    bool StopRequested() const override {
      return session_.results().counter(ResultCategory::FilesReorganized) >= 10;
    }

   private:
    const RunSession& session_;
  } pump(session);
  RunInputs inputs = Inputs(bed.include);
  inputs.pump = &pump;
  ASSERT_EQ(bed.session.Organize(inputs).outcome, RunOutcome::Stopped);

  const TEXT_LIST& copied = session.records().CopiedFiles;
  ASSERT_GE(copied.size(), 10u);
  EXPECT_LT(copied.size(), 60u);  // of 102
  // Every file in the destination is a recorded copy, whole.
  std::set<std::string> copies;
  for (const auto& [relative, state] : Snapshot(bed.drive / "New")) {
    if (state.kind != 'f') continue;
    std::string program_path = kDestination + "\\" + relative;
    std::replace(program_path.begin(), program_path.end(), '/', '\\');
    copies.insert(program_path);
    const std::string content = testing::ReadFile(bed.tree, program_path);
    ASSERT_EQ(content.rfind("content of f:\\Old\\", 0), 0u) << program_path;
    EXPECT_TRUE(std::filesystem::exists(bed.tree.Native(content.substr(11)))) << program_path;
  }
  EXPECT_EQ(copies, std::set<std::string>(copied.begin(), copied.end()));
  const RunRecords restarted = bed.Restarted();
  EXPECT_EQ(restarted.CopiedFiles, copied);
  EXPECT_EQ(restarted.CreatedFolders, session.records().CreatedFolders);
  bed.prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  EXPECT_EQ(bed.session.Undo(nullptr).undo.outcome, UndoOutcome::Done);
  EXPECT_TRUE(Snapshot(bed.drive / "New").empty());
}

// Operations whose time depends on how many are in flight, in simulated time.
TEST(WorkerChoiceTest, AsManyAsEndMoreOperationsPerSecond) {
  using Seconds = std::chrono::duration<double>;
  const struct {
    const char* what;
    std::size_t asked;
    std::function<double(std::size_t)> each;  // seconds per operation, with w in flight
    std::size_t expected;
  } cases[] = {
      {"local disk: quick, and slower the more at once", kAutomaticWorkers,
       [](std::size_t w) { return 40e-6 * static_cast<double>(w); }, 1},
      {"local disk, a second core: as quick with two at once, then slower", kAutomaticWorkers,
       [](std::size_t w) { return 40e-6 * std::max(1.0, static_cast<double>(w) / 2); }, 2},
      {"file server: as quick with up to eight at once, then queued", kAutomaticWorkers,
       [](std::size_t w) { return 0.024 * std::max(1.0, static_cast<double>(w) / 8); }, 8},
      {"one disk that seeks: each waits, but only one is served at a time", kAutomaticWorkers,
       [](std::size_t w) { return 0.005 * static_cast<double>(w); }, 1},
      {"fixed by the user", 4, [](std::size_t) { return 0.024; }, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WorkerChoice choice(c.asked, 2);
    WorkerChoice::Clock::time_point now{};
    std::map<std::size_t, double> seconds_at;
    double seconds = 0;
    while (seconds < 30) {
      const std::size_t workers = choice.workers();
      const double each = c.each(workers);
      const double step = each / static_cast<double>(workers);  // between two ends
      now += std::chrono::duration_cast<WorkerChoice::Clock::duration>(Seconds(step));
      seconds += step;
      seconds_at[workers] += step;
      choice.Ended(now, std::chrono::duration_cast<WorkerChoice::Clock::duration>(Seconds(each)));
    }
    EXPECT_GE(seconds_at[c.expected] / seconds, 0.9);
  }
}

}  // namespace
}  // namespace ordovan
