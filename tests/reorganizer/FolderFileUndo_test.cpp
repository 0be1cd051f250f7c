// Undo: the undo log's walk and order, and the Undo command after a Normal
// run on the clients tree, with and without the user's changes since.

#include "reorganizer/FolderFileUndo.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "support/ExamplePaths.h"
#include "support/FaultyFileSystem.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

using testing::ClientsRun;
using C = ResultCategory;
namespace fs = std::filesystem;

using namespace testing::example;

TEST(FolderFileUndoTest, CollectFoldersOfTheExample) {
  FolderFileUndo undo(*FileSystem::Default());
  undo.SetDestination("G:\\New");
  undo.SetSubfolders({"G:\\New\\2016\\Client1\\docs"});
  undo.CollectFolders();
  undo.SetMainFolders({"G:\\New\\2016\\Client1"});
  undo.CollectFolders();
  EXPECT_EQ(undo.RemovalOrder(),
            (MAP_DEPTH_FOLDERS{{2, "G:\\New\\2016"},
                               {3, "G:\\New\\2016\\Client1"},
                               {4, "G:\\New\\2016\\Client1\\docs"}}));
  EXPECT_EQ(undo.ProtectedPaths(), (std::set<std::string>{"G:\\New"}));
}

TEST(FolderFileUndoTest, TheWalkNeverClimbsAboveTheDestination) {
  FolderFileUndo undo(*FileSystem::Default());
  undo.SetDestination("G:\\New\\");
  undo.SetMainFolders({
      "G:\\New\\\\2016",          // a doubled separator after the destination
      "G:\\Other\\2016\\Client",  // not below the destination at all
      "G:\\New\\..\\Up",          // climbs out of it
      "G:",                       // a drive without a backslash
      "G:\\",                     // a drive root
  });
  undo.CollectFolders();
  EXPECT_EQ(undo.RemovalOrder(), (MAP_DEPTH_FOLDERS{{3, "G:\\New\\\\2016"}}));
  EXPECT_EQ(undo.ProtectedPaths(), (std::set<std::string>{"G:\\New"}));

  // Without a destination nothing at all is collected.
  FolderFileUndo no_destination(*FileSystem::Default());
  no_destination.SetMainFolders({"G:\\New\\2016\\Client1"});
  no_destination.CollectFolders();
  EXPECT_TRUE(no_destination.RemovalOrder().empty());
}

TEST(FolderFileUndoTest, RemovalGoesDeepestFirstAndLastAddedFirst) {
  testing::TempTree tree;
  tree.Mount("g:");
  tree.Folder("g:\\New\\a\\x");
  tree.Folder("g:\\New\\b\\y");
  testing::FaultyFileSystem faulty;
  faulty.RefuseRemoval("g:\\New\\a\\x");
  faulty.RefuseRemoval("g:\\New\\b\\y");
  FolderFileUndo undo(faulty);
  undo.SetDestination("g:\\New");
  undo.SetCreatedFolders({"g:\\New\\a", "g:\\New\\a\\x", "g:\\New\\b", "g:\\New\\b\\y"});
  undo.SetMainFolders({"g:\\New\\a\\x", "g:\\New\\b\\y"});
  undo.CollectFolders();
  undo.RemoveFolders();
  EXPECT_EQ(undo.NotDeletedFolders(),
            (TEXT_LIST{"g:\\New\\b\\y", "g:\\New\\a\\x", "g:\\New\\b", "g:\\New\\a"}));
  // A folder removed by someone else in the meantime is not reported.
  FolderFileUndo gone(*FileSystem::Default());
  gone.SetDestination("g:\\New");
  gone.SetCreatedFolders({"g:\\New\\c"});
  gone.SetMainFolders({"g:\\New\\c"});
  gone.CollectFolders();
  gone.RemoveFolders();
  gone.BuildReport();
  EXPECT_TRUE(gone.NotDeletedFolders().empty());
  EXPECT_EQ(gone.Report(), "");
}

// The clients run with Organize done; Undo confirmed, done, with `report`.
struct UndoRun : ClientsRun {
  UndoRun() { run.Organize(inputs); }
  UndoResult Undo(const std::string& report = "") {
    prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
    UndoResult result = UndoLastRun(run.records(), *FileSystem::Default(), prompter, results);
    EXPECT_EQ(result.outcome, UndoOutcome::Done);
    EXPECT_EQ(result.report, report);
    return result;
  }
};

TEST(UndoCommandTest, UndoAfterANormalRunLeavesTheDestinationEmpty) {
  UndoRun u;
  const TEXT_LIST run_files = u.results.zoom_list(ListOf(C::FilesReorganized)).Entries();
  const UndoResult result = u.Undo();
  EXPECT_EQ(result.outcome, UndoOutcome::Done);
  EXPECT_EQ(result.report, "");
  EXPECT_TRUE(fs::is_directory(u.tree.Native(N)));
  EXPECT_TRUE(fs::is_empty(u.tree.Native(N)));

  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    const C category = static_cast<C>(i);
    EXPECT_TRUE(u.results.list(ListOf(category)).empty());
    EXPECT_EQ(u.results.counter(category), category == C::ToReorganize ? 6 : 0);
  }
  EXPECT_EQ(u.results.counter_labels()[CategoryIndex(C::MainFoldersReorganized)], "0");
  EXPECT_TRUE(u.results.list(ResultList::FailedUndo).empty());
  EXPECT_EQ(u.results.zoom_list(ListOf(C::FilesReorganized)).Entries(), run_files);
  EXPECT_TRUE(u.run.records().CreatedMainFolders.empty());
  EXPECT_TRUE(u.run.records().CopiedFiles.empty());

  // Nothing is left to undo.
  EXPECT_EQ(UndoLastRun(u.run.records(), *FileSystem::Default(), u.prompter, u.results).outcome,
            UndoOutcome::NothingToUndo);
}

TEST(UndoCommandTest, NothingToUndoAfterASimulationOrARunThatCreatedNoMainFolder) {
  ClientsRun c;
  c.run.SimulationView(c.inputs);
  EXPECT_EQ(UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results).outcome,
            UndoOutcome::NothingToUndo);

  // A Simulate run whose records were not emptied still names nothing real.
  c.run.RunReorganize(RunMode::Simulate, c.inputs);
  ASSERT_FALSE(c.run.records().CreatedMainFolders.empty());
  EXPECT_EQ(UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results).outcome,
            UndoOutcome::NothingToUndo);

  // Organize, then a second Organize: main folders all existed.
  c.run.Organize(c.inputs);
  c.run.Organize(c.inputs);
  EXPECT_EQ(UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results).outcome,
            UndoOutcome::NothingToUndo);
  EXPECT_TRUE(fs::exists(c.tree.Native(MClient1 + "\\docs\\a.pdf")));
}

TEST(UndoCommandTest, ARunWhoseMainFoldersAllExistedIsTakenBack) {
  ClientsRun c;
  // Every new main folder is there, empty, before the run: the run creates
  // only subfolders and copies files, and Undo takes exactly those back.
  for (const std::string& main : {N + "\\2015\\Client2\\Old Clients",
                                  N + "\\2016\\Client2\\Old Clients",
                                  N + "\\2016\\Client3\\Business", MClient1}) {
    c.tree.Folder(main);
  }
  const testing::TREE_SNAPSHOT before = testing::Snapshot(c.tree.Native(N));
  c.run.Organize(c.inputs);
  ASSERT_TRUE(c.list(C::MainFoldersReorganized).empty());
  ASSERT_EQ(c.list(C::SubfoldersReorganized).size(), 5u);
  ASSERT_EQ(c.list(C::FilesReorganized).size(), 14u);

  c.prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  const UndoResult result = UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results);
  EXPECT_EQ(result.outcome, UndoOutcome::Done);
  EXPECT_EQ(result.report, "");
  EXPECT_EQ(testing::Snapshot(c.tree.Native(N)), before);
  EXPECT_EQ(UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results).outcome,
            UndoOutcome::NothingToUndo);
}

TEST(UndoCommandTest, AnsweringNoChangesNothing) {
  UndoRun u;
  const testing::TREE_SNAPSHOT before = testing::Snapshot(u.drive);
  const RunRecords records = u.run.records();
  u.prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kNo);
  EXPECT_EQ(UndoLastRun(u.run.records(), *FileSystem::Default(), u.prompter, u.results).outcome,
            UndoOutcome::Declined);
  EXPECT_EQ(testing::Snapshot(u.drive), before);
  EXPECT_EQ(u.run.records().CopiedFiles, records.CopiedFiles);
  EXPECT_EQ(u.results.list(ListOf(C::FilesReorganized)).size(), 14u);
  u.Undo();
  EXPECT_TRUE(fs::is_empty(u.tree.Native(N)));
}

TEST(UndoCommandTest, AFileTheUserAddedKeepsItsFolderAndEveryFolderAbove) {
  UndoRun u;
  const std::string pdf = MClient1 + "\\docs\\pdf";
  u.tree.File(pdf + "\\mine.txt", "the user's");
  const TEXT_LIST kept = {pdf, MClient1 + "\\docs", MClient1, N + "\\2016\\Client1", N + "\\2016"};
  std::string report = kReportHead;
  for (const std::string& folder : kept) report += folder + "\n";
  const UndoResult result = u.Undo(report);
  EXPECT_EQ(result.not_deleted_folders, kept);
  EXPECT_TRUE(result.not_deleted_files.empty());
  EXPECT_EQ(u.results.list(ResultList::FailedUndo).Entries(), kept);
  EXPECT_EQ(u.results.zoom_list(ResultList::FailedUndo).Entries(), kept);
  EXPECT_EQ(testing::ReadFile(u.tree, pdf + "\\mine.txt"), "the user's");
  // Everything else of the run is gone.
  EXPECT_EQ(testing::Snapshot(u.tree.Native(N)).size(), kept.size() + 1);
}

TEST(UndoCommandTest, FilesAndFoldersTheUserRemovedOrProtected) {
  UndoRun u;
  // Deleted by the user: a copied file, and a created folder with its file.
  const std::string a_pdf = MClient1 + "\\docs\\a.pdf";
  const std::string ppt = MClient1 + "\\docs\\ppt";
  fs::remove(u.tree.Native(a_pdf));
  fs::remove_all(u.tree.Native(ppt));
  // Made read-only by the user.
  const std::string marks = N + "\\2016\\f--Old Clients-Client2-2016-Marks.doc";
  ASSERT_TRUE(FileSystem::Default()->SetReadOnly(marks, true));

  const std::string report = std::string(kReportHead) + N + "\\2016\n" + marks + "\n" + a_pdf +
                             "\n" + ppt + "\\slides.ppt\n";
  const UndoResult result = u.Undo(report);
  EXPECT_EQ(result.not_deleted_folders, (TEXT_LIST{N + "\\2016"}));
  EXPECT_EQ(result.not_deleted_files, (TEXT_LIST{marks, a_pdf, ppt + "\\slides.ppt"}));
  EXPECT_EQ(u.results.list(ResultList::FailedUndo).Entries(), (TEXT_LIST{N + "\\2016"}));
  EXPECT_TRUE(fs::exists(u.tree.Native(marks)));
  EXPECT_FALSE(fs::exists(u.tree.Native(N + "\\2015")));
  EXPECT_FALSE(fs::exists(u.tree.Native(MClient1)));
}

TEST(UndoCommandTest, WhatTheUserPutBesideTheRunsFoldersStays) {
  UndoRun u;
  // An empty folder beside the run's folders: not the run's, so it stays,
  // and so does the folder holding it.
  u.tree.Folder(N + "\\2016\\Client9");
  const std::string marker = N + "\\keep.txt";
  u.tree.File(marker);
  u.Undo(std::string(kReportHead) + N + "\\2016\n");
  EXPECT_TRUE(fs::is_directory(u.tree.Native(N + "\\2016\\Client9")));
  EXPECT_TRUE(fs::exists(u.tree.Native(marker)));
  EXPECT_TRUE(fs::exists(u.tree.Native("f:\\Old Clients\\001.jpg")));
}

TEST(UndoCommandTest, FoldersThatExistedBeforeTheRunStay) {
  ClientsRun c;
  // Empty before the run, and lying between the destination and new folders.
  c.tree.Folder(N + "\\2016");
  c.tree.Folder(N + "\\2016\\Client2");
  c.run.Organize(c.inputs);
  EXPECT_EQ(c.run.records().CreatedFolders.size(), 14u);
  c.prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  const UndoResult result = UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results);
  EXPECT_EQ(result.outcome, UndoOutcome::Done);
  EXPECT_TRUE(result.not_deleted_folders.empty());
  EXPECT_TRUE(fs::is_directory(c.tree.Native(N + "\\2016\\Client2")));
  EXPECT_TRUE(fs::is_empty(c.tree.Native(N + "\\2016\\Client2")));
  EXPECT_FALSE(fs::exists(c.tree.Native(N + "\\2016\\Client1")));
  EXPECT_FALSE(fs::exists(c.tree.Native(N + "\\2015")));
}

}  // namespace
}  // namespace ordovan
