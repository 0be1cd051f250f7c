// Over a sandbox holding the source tree, the destination with the user's own
// content, and unrelated folders on and off the drive, a simulation, a Normal
// run and an Undo change nothing outside the destination, and Organize then
// Undo leaves the destination exactly as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "reorganizer/FolderFileUndo.h"
#include "support/ExamplePaths.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

using testing::Snapshot;
using C = ResultCategory;
namespace fs = std::filesystem;

using namespace testing::example;

TEST(ReorganizeSafetyTest, NothingOutsideTheDestinationChangesAndUndoRestoresIt) {
  testing::ClientsRun c;
  // The user's own content, some of it where the run wants to write.
  const std::string collision = N + "\\2016\\f--Old Clients-Client1-2016-Separators.doc";
  c.tree.File(collision, "the user's own");
  c.tree.File(N + "\\Existing\\keep.txt", "keep");
  c.tree.Folder(N + "\\2015");
  c.tree.File("f:\\Unrelated\\2016\\Client1\\note.txt", "unrelated");
  c.tree.Folder("f:\\Unrelated\\empty");
  fs::create_directories(c.tree.root() / "Outside" / "2016" / "docs");
  std::ofstream(c.tree.root() / "Outside" / "2016" / "docs" / "secret.txt") << "secret";
  std::ofstream(c.tree.root() / "Outside" / "2016" / "plan.doc") << "plan";
  // Existing folders named with climbing levels: their new folders could
  // land outside the destination (`..` first in the new order).
  c.inputs.include_entries.push_back("f:\\..\\Old Clients\\Client1\\2016");
  c.inputs.include_entries.push_back("f:\\Old Clients\\..\\..\\Business\\Client3");
  // And paths that would climb out of the drive, if the platform let them.
  c.inputs.include_entries.push_back("f:\\..\\Outside\\2016\\docs");
  c.inputs.include_entries.push_back("f:\\Unrelated\\2016\\Client1");

  const fs::path destination = c.tree.Native(N);
  const testing::TREE_SNAPSHOT outside = Snapshot(c.tree.root(), destination);
  const testing::TREE_SNAPSHOT inside = Snapshot(destination);
  ASSERT_FALSE(outside.empty());
  ASSERT_EQ(inside.size(), 5u);

  c.run.SimulationView(c.inputs);
  EXPECT_EQ(Snapshot(c.tree.root(), destination), outside);
  EXPECT_EQ(Snapshot(destination), inside);
  EXPECT_EQ(UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results).outcome,
            UndoOutcome::NothingToUndo);
  EXPECT_EQ(Snapshot(destination), inside);

  c.run.Organize(c.inputs);
  EXPECT_EQ(Snapshot(c.tree.root(), destination), outside);
  EXPECT_EQ(c.list(C::OtherReasons),
            (TEXT_LIST{"f:\\..\\Old Clients\\Client1\\2016",
                       "f:\\Old Clients\\..\\..\\Business\\Client3"}));
  EXPECT_EQ(testing::ReadFile(c.tree, collision), "the user's own");
  // The clients' 14 less the one the user's file blocks, and note.txt.
  EXPECT_EQ(c.list(C::FilesReorganized).size(), 14u);
  EXPECT_GT(Snapshot(destination).size(), inside.size());

  c.prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  const UndoResult result = UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results);
  EXPECT_EQ(result.report, "");
  EXPECT_EQ(Snapshot(c.tree.root(), destination), outside);
  EXPECT_EQ(Snapshot(destination), inside);
}

}  // namespace
}  // namespace ordovan
