// The reorganize run on the clients tree: Normal, Simulate, a second run,
// the start-up steps and the paths a run must refuse.

#include "reorganizer/ReorganizeRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "support/ExamplePaths.h"
#include "support/FaultyFileSystem.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

using testing::ClientsRun;
using testing::FaultyFileSystem;
using testing::Snapshot;
using C = ResultCategory;
namespace fs = std::filesystem;

using namespace testing::example;

const TEXT_LIST kMainFolders = {M2015, MClient2, MClient3, MClient1};
const TEXT_LIST kSubfolders = {MClient2 + "\\emails", MClient2 + "\\txt", MClient3 + "\\txt",
                               MClient1 + "\\docs\\pdf", MClient1 + "\\docs\\ppt"};
const TEXT_LIST kFiles = {
    M2015 + "\\f--Old Clients-001.jpg",
    N + "\\2015\\f--Old Clients-Client2-2015-Notes.txt",
    MClient2 + "\\f--Old Clients-001.jpg",
    N + "\\2016\\f--Old Clients-Client2-2016-Marks.doc",
    MClient2 + "\\emails\\mail.eml",
    MClient2 + "\\txt\\x.txt",
    MClient3 + "\\f--Business-Terms.pdf",
    MClient3 + "\\txt\\y.txt",
    MClient1 + "\\f--Old Clients-001.jpg",
    N + "\\2016\\Client1\\f--Old Clients-Client1-Email.txt",
    N + "\\2016\\f--Old Clients-Client1-2016-Separators.doc",
    MClient1 + "\\docs\\a.pdf",
    MClient1 + "\\docs\\pdf\\Email.txt",
    MClient1 + "\\docs\\ppt\\slides.ppt",
};

TEST(ReorganizeRunTest, NormalRunOfTheWorkedExample) {
  ClientsRun c;
  const RunReport report = c.run.Organize(c.inputs);
  EXPECT_EQ(report.outcome, RunOutcome::Completed);
  // The new order comes back in the template's line numbers: old line, new line.
  ASSERT_TRUE(report.line_number_map.has_value());
  EXPECT_EQ(OldToNewMap(*report.line_number_map),
            (MAP_NEW_OLD_LINE_NUMBERS{{0, 2}, {1, 1}, {2, 0}}));

  EXPECT_EQ(c.list(C::ToReorganize), testing::ClientsIncludeList());
  EXPECT_EQ(c.list(C::MainFoldersReorganized), kMainFolders);
  EXPECT_EQ(c.list(C::DestinationExists), (TEXT_LIST{MClient2, MClient1}));
  EXPECT_EQ(c.list(C::SubfoldersReorganized), kSubfolders);
  EXPECT_EQ(c.list(C::FilesReorganized), kFiles);
  EXPECT_TRUE(c.list(C::SourceNotExists).empty());
  EXPECT_TRUE(c.list(C::OtherReasons).empty());
  EXPECT_EQ(c.results.counter(C::ToReorganize), 6);
  EXPECT_EQ(c.results.counter(C::FilesReorganized), 14);
  EXPECT_EQ(c.results.counter_labels()[CategoryIndex(C::FilesReorganized)], "14");
  EXPECT_EQ(c.results.zoom_list(ListOf(C::SubfoldersReorganized)).Entries(), kSubfolders);

  const RunRecords& records = c.run.records();
  EXPECT_EQ(records.RunKindMarker, "R");
  EXPECT_EQ(records.CreatedMainFolders, kMainFolders);
  EXPECT_EQ(records.CreatedSubFolders, kSubfolders);
  EXPECT_EQ(records.CopiedFiles, kFiles);
  EXPECT_EQ(records.RunDestination, N);
  // Every created folder, parents first, and nothing at or above the destination.
  EXPECT_EQ(records.CreatedFolders,
            (TEXT_LIST{N + "\\2015", N + "\\2015\\Client2", M2015, N + "\\2016",
                       N + "\\2016\\Client2", MClient2, MClient2 + "\\emails", MClient2 + "\\txt",
                       N + "\\2016\\Client3", MClient3, MClient3 + "\\txt", N + "\\2016\\Client1",
                       MClient1, MClient1 + "\\docs", MClient1 + "\\docs\\pdf",
                       MClient1 + "\\docs\\ppt"}));

  // The file table of the worked example, with the content of each source.
  const std::pair<const char*, std::string> table[] = {
      {"f:\\Old Clients\\001.jpg", MClient1 + "\\f--Old Clients-001.jpg"},
      {"f:\\Old Clients\\Client1\\Email.txt", N + "\\2016\\Client1\\f--Old Clients-Client1-Email.txt"},
      {"f:\\Old Clients\\Client1\\2016\\Separators.doc",
       N + "\\2016\\f--Old Clients-Client1-2016-Separators.doc"},
      {"f:\\Old Clients\\Client2\\2016\\Marks.doc", N + "\\2016\\f--Old Clients-Client2-2016-Marks.doc"},
      {"f:\\Old Clients\\Client1\\2016\\docs\\a.pdf", MClient1 + "\\docs\\a.pdf"},
      {"f:\\Old Clients\\Client1\\2016\\docs\\pdf\\Email.txt", MClient1 + "\\docs\\pdf\\Email.txt"},
      // 001.jpg reaches every new folder that carries "Old Clients".
      {"f:\\Old Clients\\001.jpg", MClient2 + "\\f--Old Clients-001.jpg"},
      {"f:\\Old Clients\\001.jpg", M2015 + "\\f--Old Clients-001.jpg"},
  };
  for (const auto& [source, target] : table) {
    EXPECT_EQ(testing::ReadFile(c.tree, target), std::string("content of ") + source) << target;
  }
  // No file without an extension, and files of a path without deeper
  // levels land where that level's name now stands, not in its main folder.
  EXPECT_FALSE(fs::exists(c.tree.Native(M2015 + "\\f--Old Clients-README")));
  EXPECT_FALSE(fs::exists(c.tree.Native(M2015 + "\\f--Old Clients-Client2-2015-Notes.txt")));
}

TEST(ReorganizeRunTest, SimulationReportsWhatTheNormalRunDoesAndTouchesNothing) {
  ClientsRun c;
  const testing::TREE_SNAPSHOT before = Snapshot(c.drive);
  EXPECT_EQ(c.run.SimulationView(c.inputs).outcome, RunOutcome::Completed);
  EXPECT_EQ(Snapshot(c.drive), before);

  std::array<TEXT_LIST, kResultCategoryCount> simulated;
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    simulated[i] = c.list(static_cast<C>(i));
  }
  EXPECT_EQ(simulated[CategoryIndex(C::MainFoldersReorganized)], kMainFolders);
  EXPECT_EQ(simulated[CategoryIndex(C::FilesReorganized)], kFiles);
  // The simulation leaves nothing to undo.
  EXPECT_EQ(c.run.records().RunKindMarker, "R");
  EXPECT_TRUE(c.run.records().CreatedMainFolders.empty());
  EXPECT_TRUE(c.run.records().CreatedSubFolders.empty());
  EXPECT_TRUE(c.run.records().CopiedFiles.empty());

  EXPECT_EQ(c.run.Organize(c.inputs).outcome, RunOutcome::Completed);
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    EXPECT_EQ(c.list(static_cast<C>(i)), simulated[i]) << "category " << i;
  }
}

TEST(ReorganizeRunTest, SeparatorsTypedAfterTheDestinationChangeNoPath) {
  auto doubled = [](const TEXT_LIST& paths) {
    return std::count_if(paths.begin(), paths.end(), [](const std::string& path) {
      return path.find("\\\\") != std::string::npos;
    });
  };
  for (const char* typed : {"f:\\New Clients\\", "f:\\New Clients\\\\", "f:/New Clients/"}) {
    SCOPED_TRACE(typed);
    ClientsRun c;
    c.inputs.stored_destination = typed;
    c.run.SimulationView(c.inputs);
    EXPECT_EQ(c.list(C::MainFoldersReorganized), kMainFolders);
    EXPECT_EQ(c.list(C::FilesReorganized), kFiles);

    c.run.Organize(c.inputs);
    EXPECT_EQ(c.list(C::MainFoldersReorganized), kMainFolders);
    EXPECT_EQ(c.list(C::SubfoldersReorganized), kSubfolders);
    EXPECT_EQ(c.list(C::DestinationExists), (TEXT_LIST{MClient2, MClient1}));
    EXPECT_EQ(c.list(C::FilesReorganized), kFiles);
    const RunRecords& records = c.run.records();
    EXPECT_EQ(records.RunDestination, N);
    EXPECT_EQ(doubled(records.CreatedMainFolders) + doubled(records.CreatedSubFolders) +
                  doubled(records.CreatedFolders) + doubled(records.CopiedFiles),
              0);
    EXPECT_EQ(records.CopiedFiles, kFiles);
  }
}

TEST(ReorganizeRunTest, SecondNormalRunFindsEverythingAndCopiesNothing) {
  ClientsRun c;
  c.run.Organize(c.inputs);
  const testing::TREE_SNAPSHOT after_first = Snapshot(c.drive);

  FaultyFileSystem counting;
  Reorganizer again(counting, c.prompter, c.results);
  EXPECT_EQ(again.Organize(c.inputs).outcome, RunOutcome::Completed);
  EXPECT_EQ(Snapshot(c.drive), after_first);
  EXPECT_EQ(c.list(C::DestinationExists),
            (TEXT_LIST{M2015, MClient2, MClient2 + "\\emails", MClient2 + "\\txt", MClient3,
                       MClient3 + "\\txt", MClient1, MClient1 + "\\docs\\pdf",
                       MClient1 + "\\docs\\ppt"}));
  EXPECT_TRUE(c.list(C::MainFoldersReorganized).empty());
  EXPECT_TRUE(c.list(C::SubfoldersReorganized).empty());
  EXPECT_TRUE(c.list(C::FilesReorganized).empty());
  EXPECT_TRUE(again.records().CreatedMainFolders.empty());
  EXPECT_TRUE(again.records().CreatedFolders.empty());
  // Only the level files are tried again (each fails on its existing
  // target); no deeper file is.
  EXPECT_EQ(counting.calls().copies, 13);
  EXPECT_EQ(counting.calls().create_folders, 0);
}

TEST(ReorganizeRunTest, SimulationCountsExistingLevelTargetsButNotExistingDeeperFiles) {
  ClientsRun c;
  c.run.Organize(c.inputs);
  c.run.SimulationView(c.inputs);
  // Every main and full folder exists now; the level files are counted once
  // each although every target exists, the deeper files not at all.
  EXPECT_TRUE(c.list(C::MainFoldersReorganized).empty());
  EXPECT_TRUE(c.list(C::SubfoldersReorganized).empty());
  EXPECT_EQ(c.list(C::FilesReorganized).size(), 8u);
  EXPECT_EQ(c.list(C::DestinationExists).size(), 9u);
  // Repeated, the command starts from a fresh SimulatedTargets.
  c.run.SimulationView(c.inputs);
  EXPECT_EQ(c.list(C::FilesReorganized).size(), 8u);
}

TEST(ReorganizeRunTest, WithoutFilesOnlyFoldersAreCreated) {
  ClientsRun c;
  c.inputs.with_files = false;
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::MainFoldersReorganized), kMainFolders);
  EXPECT_EQ(c.list(C::SubfoldersReorganized), kSubfolders);
  EXPECT_TRUE(c.list(C::FilesReorganized).empty());
  EXPECT_FALSE(fs::exists(c.tree.Native(MClient1 + "\\docs\\a.pdf")));
}

TEST(ReorganizeRunTest, CutCountDropsTheLeadLevelAndItsFiles) {
  ClientsRun c;
  c.inputs.line_number_map = LineNumbersFor({"Client2", "2015"});
  c.inputs.cut = 1;
  c.inputs.new_level_order = {"2015", "Client2"};
  c.inputs.include_entries = {"f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                              "f:\\Old Clients\\Client2\\2015\\", "f:\\Business\\Client3\\2016\\txt"};
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::MainFoldersReorganized),
            (TEXT_LIST{N + "\\2016\\Client1", N + "\\2015\\Client2", N + "\\2016\\Client3"}));
  EXPECT_EQ(c.list(C::SubfoldersReorganized),
            (TEXT_LIST{N + "\\2016\\Client1\\docs\\pdf", N + "\\2016\\Client3\\txt"}));
  for (const std::string& file : c.list(C::FilesReorganized)) {
    EXPECT_EQ(file.find("001.jpg"), std::string::npos) << file;
    EXPECT_EQ(file.find("Terms.pdf"), std::string::npos) << file;
  }
  EXPECT_EQ(testing::ReadFile(c.tree, N + "\\2016\\Client1\\f--Old Clients-Client1-Email.txt"),
            "content of f:\\Old Clients\\Client1\\Email.txt");
}

TEST(ReorganizeRunTest, StartUpStepsAndTheResultsWindowMoment) {
  ClientsRun c;
  c.results.RecordResult(C::OtherReasons, "left from before");
  int shown = 0;
  c.inputs.show_results_window = [&] {
    ++shown;
    // Shown after the lists were emptied, before the first path.
    EXPECT_TRUE(c.results.list(ListOf(C::OtherReasons)).empty());
    EXPECT_EQ(c.results.counter(C::OtherReasons), 0);
    EXPECT_TRUE(c.results.list(ListOf(C::ToReorganize)).empty());
  };
  c.inputs.include_entries.clear();
  c.prompter.Expect(MessageKind::kWarning, "The Include List is empty !\n",
                    "Ordovan.             Warning no: 140035.");
  EXPECT_EQ(c.run.Organize(c.inputs).outcome, RunOutcome::EmptyIncludeList);
  c.prompter.Expect(MessageKind::kWarning, "The Include List is empty !\n",
                    "Ordovan.              Warning no: 140035.");
  EXPECT_EQ(c.run.SimulationView(c.inputs).outcome, RunOutcome::EmptyIncludeList);
  EXPECT_EQ(shown, 2);
}

TEST(ReorganizeRunTest, RunsThatEndEarlyChangeOnlyWhatTheyReached) {
  ClientsRun c;
  c.run.Organize(c.inputs);
  const TEXT_LIST files = c.list(C::FilesReorganized);
  int shown = 0;
  c.inputs.show_results_window = [&] { ++shown; };

  // A drive root as destination: only the zoom lists are emptied.
  RunInputs root = c.inputs;
  root.stored_destination = "f:\\";
  const RunReport no_destination = c.run.Organize(root);
  EXPECT_EQ(no_destination.outcome, RunOutcome::NoDestination);
  EXPECT_FALSE(no_destination.line_number_map.has_value());
  EXPECT_TRUE(c.results.zoom_list(ListOf(C::FilesReorganized)).empty());
  EXPECT_EQ(c.results.list(ListOf(C::FilesReorganized)).Entries(), files);

  // A cut number that is no number (the front end says so), counters untouched.
  RunInputs bad_cut = c.inputs;
  bad_cut.cut = std::nullopt;
  EXPECT_EQ(c.run.Organize(bad_cut).outcome, RunOutcome::BadCutNumber);
  EXPECT_EQ(c.results.counter(C::FilesReorganized), 14);

  // An odd number of quotes in a filter field.
  RunInputs filter = c.inputs;
  filter.exclude_strings_text = "\"Client1 2016";
  c.prompter.Expect(MessageKind::kWarning,
                    "Exclude Strings : Odd number of marks(separators) : 1\n\nAction : You must "
                    "enter an even number of separators(marks).",
                    "Warning !    Msg no: 0519.");
  EXPECT_EQ(c.run.Organize(filter).outcome, RunOutcome::FilterRefused);

  EXPECT_EQ(shown, 0);
  EXPECT_EQ(c.run.records().CopiedFiles, files);  // Undo can still take the run back
}

TEST(ReorganizeRunTest, FiltersWouldLeavePathsOut) {
  ClientsRun c;
  c.inputs.include_strings_text = "\"old clients\" 2016";
  c.inputs.include_strings_selected = true;
  c.inputs.with_files = false;
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::ToReorganize).size(), 6u);
  EXPECT_EQ(c.list(C::MainFoldersReorganized), (TEXT_LIST{MClient2, MClient1}));

  c.inputs.include_strings_selected = false;
  c.inputs.exclude_strings_text = "client1";
  c.inputs.exclude_strings_selected = true;
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::DestinationExists),
            (TEXT_LIST{MClient2, MClient2 + "\\emails", MClient2 + "\\txt"}));
  EXPECT_EQ(c.list(C::MainFoldersReorganized), (TEXT_LIST{M2015, MClient3}));
}

TEST(ReorganizeRunTest, MissingAndUnusablePathsAreSortedOut) {
  ClientsRun c;
  c.tree.Folder("f:\\Old Clients\\Client9");
  c.inputs.include_entries = {
      "f:\\Old Clients\\Client7\\2016",                // missing
      "f:\\Old Clients\\Client9",                      // two names, the template has three
      "f:\\Old Clients\\..\\Business\\Client3\\2016\\txt",  // exists, but climbs
      "f:\\Old Clients\\Client1\\2016\\docs\\pdf",
  };
  const testing::TREE_SNAPSHOT sandbox = Snapshot(c.tree.root(), c.tree.Native(N));
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::SourceNotExists), (TEXT_LIST{"f:\\Old Clients\\Client7\\2016"}));
  EXPECT_EQ(c.list(C::OtherReasons),
            (TEXT_LIST{"f:\\Old Clients\\Client9",
                       "f:\\Old Clients\\..\\Business\\Client3\\2016\\txt"}));
  EXPECT_EQ(c.list(C::ToReorganize).size(), 3u);
  EXPECT_EQ(c.list(C::MainFoldersReorganized), (TEXT_LIST{MClient1}));
  EXPECT_EQ(Snapshot(c.tree.root(), c.tree.Native(N)), sandbox);
  EXPECT_TRUE(fs::exists(c.tree.Native(MClient1 + "\\docs\\pdf\\Email.txt")));
  // The same verdicts in a simulation.
  c.run.SimulationView(c.inputs);
  EXPECT_EQ(c.list(C::OtherReasons).size(), 2u);
}

#ifndef _WIN32
TEST(ReorganizeRunTest, NamesWindowsReadsDifferentlyAreNotMadeFolders) {
  // Windows would read `a:b` as a stream of `a` and `...` as the folder
  // itself; only POSIX can hold such names.
  ClientsRun c;
  c.tree.Folder("f:\\Old Clients\\Cli:ent\\2016");
  c.tree.Folder("f:\\Old Clients\\...\\2016");
  c.inputs.include_entries = {"f:\\Old Clients\\Cli:ent\\2016", "f:\\Old Clients\\...\\2016"};
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::OtherReasons), c.inputs.include_entries);
  EXPECT_TRUE(fs::is_empty(c.tree.Native(N)));
}
#endif

// Makes the parent of one folder, then fails, as a creation that breaks off
// half-way would.
class HalfCreating : public FileSystemWrapper {
 public:
  explicit HalfCreating(std::string failing)
      : FileSystemWrapper(FileSystem::Default()), failing_(std::move(failing)) {}
  bool CreateFolders(const std::string& path) override {
    if (path != failing_) return FileSystemWrapper::CreateFolders(path);
    FileSystemWrapper::CreateFolders(ParentFolderOf(path));
    return false;
  }
  FolderMade MakeFolder(const std::string& path) override {
    return path == failing_ ? FolderMade::kFailed : FileSystemWrapper::MakeFolder(path);
  }

 private:
  std::string failing_;
};

TEST(ReorganizeRunTest, AMainFolderThatCannotBeCreatedIsNotReportedAsReorganized) {
  HalfCreating half(MClient1);
  ClientsRun c(&half);
  c.run.Organize(c.inputs);
  // Both paths of Client1 meet the failing folder; each is recorded.
  EXPECT_EQ(c.list(C::OtherReasons), (TEXT_LIST{MClient1, MClient1}));
  EXPECT_EQ(c.list(C::MainFoldersReorganized), (TEXT_LIST{M2015, MClient2, MClient3}));
  EXPECT_EQ(c.run.records().CreatedMainFolders, (TEXT_LIST{M2015, MClient2, MClient3}));
  EXPECT_EQ(c.list(C::SubfoldersReorganized).size(), 3u);
  for (const std::string& file : c.list(C::FilesReorganized)) {
    EXPECT_EQ(file.find("Client1"), std::string::npos) << file;
  }
  // Its parent exists now, yet nothing was copied into it.
  EXPECT_TRUE(fs::is_empty(c.tree.Native(N + "\\2016\\Client1")));
  // That parent is recorded for Undo, the failed folder is not.
  EXPECT_EQ(c.run.records().CreatedFolders.back(), N + "\\2016\\Client1");
}

TEST(ReorganizeRunTest, AFullFolderThatCannotBeCreatedGetsOtherReasonsAndNoFiles) {
  FaultyFileSystem faulty;
  ClientsRun c(&faulty);
  faulty.FailCreateFolders(MClient2 + "\\txt");
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::OtherReasons), (TEXT_LIST{MClient2 + "\\txt"}));
  EXPECT_EQ(c.list(C::SubfoldersReorganized).size(), 4u);
  EXPECT_EQ(c.list(C::FilesReorganized).size(), 13u);
  EXPECT_FALSE(fs::exists(c.tree.Native(MClient2 + "\\txt")));
}

TEST(ReorganizeRunTest, AFileWhereAMainFolderMustGoSendsItToOtherReasons) {
  ClientsRun c;
  c.tree.File(MClient3, "in the way");
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::OtherReasons), (TEXT_LIST{MClient3}));
  EXPECT_EQ(c.list(C::MainFoldersReorganized), (TEXT_LIST{M2015, MClient2, MClient1}));
  for (const std::string& file : c.list(C::FilesReorganized)) {
    EXPECT_EQ(file.find("Client3"), std::string::npos) << file;
  }
  EXPECT_EQ(testing::ReadFile(c.tree, MClient3), "in the way");
}

TEST(ReorganizeRunTest, ATemplateFolderIsListedOncePerRun) {
  // The destination lies inside the source. The second path copies `t.txt`
  // into `f:\S\T`, a template folder the first path has listed already; the
  // third path reaches `f:\S\T` again and must not copy that copy.
  ClientsRun c;
  c.tree.File("f:\\S\\T\\a.txt", "a");
  c.tree.File("f:\\T\\t.txt", "t");
  c.tree.Folder("f:\\T\\U");
  c.tree.Folder("f:\\S\\T\\V");
  c.inputs.line_number_map = LineNumbersFor({"S", "T"});
  c.inputs.new_level_order = {"S", "T"};
  c.inputs.stored_destination = "f:\\S";
  c.inputs.include_entries = {"f:\\S\\T", "f:\\T\\U", "f:\\S\\T\\V"};
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::FilesReorganized),
            (TEXT_LIST{"f:\\S\\S\\T\\f--S-T-a.txt", "f:\\S\\T\\f--T-t.txt"}));
}

TEST(ReorganizeRunTest, TheSameFullFolderMetTwiceIsReportedAsExisting) {
  ClientsRun c;
  c.inputs.include_entries = {"f:\\Old Clients\\Client2\\2016\\emails",
                              "f:\\Old Clients\\Client2\\2016\\\\emails"};
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::SubfoldersReorganized), (TEXT_LIST{MClient2 + "\\emails"}));
  EXPECT_EQ(c.list(C::DestinationExists), (TEXT_LIST{MClient2, MClient2 + "\\emails"}));
}

TEST(ReorganizeRunTest, AnEmptyLineNumberMapKeepsTheFormerOrder) {
  ClientsRun c;
  c.inputs.line_number_map.clear();
  c.inputs.new_level_order = {"Old Clients", "Client2", "2015"};
  c.inputs.include_entries = {"f:\\Business\\Client3\\2016\\txt"};
  const RunReport report = c.run.Organize(c.inputs);
  EXPECT_EQ(c.list(C::SubfoldersReorganized), (TEXT_LIST{N + "\\Business\\Client3\\2016\\txt"}));
  ASSERT_TRUE(report.line_number_map.has_value());
  EXPECT_EQ(report.line_number_map->at("Client2").NewLineNumber, 1);
}

}  // namespace
}  // namespace ordovan
