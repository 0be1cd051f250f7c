// Names read from a folder listing are used as they stand: a trailing blank
// is part of a POSIX name, so a file or folder that ends in one is copied,
// recorded and taken back under that very name. Windows strips such blanks
// itself and cannot hold these names, so the tests are POSIX-only.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/FileSystem.h"
#include "reorganizer/FolderFileUndo.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

#ifndef _WIN32

using testing::ClientsRun;
using C = ResultCategory;

const std::string N = "f:\\New Clients";
const std::string M2015 = N + "\\2015\\Client2\\Old Clients";

TEST(NamesAsListedTest, TrailingBlanksAreKeptFromCopyToUndo) {
  ClientsRun c;
  // Beside each file one whose name differs only by a trailing blank, at a
  // template level and at a deeper level whose own name ends in a blank.
  const std::string level = "f:\\Old Clients\\Client2\\2015";
  const std::string deeper = level + "\\a ";
  c.tree.File(level + "\\trail.txt", "level plain");
  c.tree.File(level + "\\trail.txt ", "level blank");
  c.tree.File(deeper + "\\trail.txt", "deeper plain");
  c.tree.File(deeper + "\\trail.txt ", "deeper blank");
  c.inputs.include_entries = {deeper};
  const testing::TREE_SNAPSHOT before = testing::Snapshot(c.tree.Native(N));

  c.run.Organize(c.inputs);
  const std::string prefixed = N + "\\2015\\f--Old Clients-Client2-2015-";
  const std::map<std::string, std::string> expected = {
      {prefixed + "trail.txt", "level plain"},
      {prefixed + "trail.txt ", "level blank"},
      {M2015 + "\\a \\trail.txt", "deeper plain"},
      {M2015 + "\\a \\trail.txt ", "deeper blank"},
  };
  const TEXT_LIST& copied = c.run.records().CopiedFiles;
  for (const auto& [target, content] : expected) {
    EXPECT_EQ(std::count(copied.begin(), copied.end(), target), 1) << '"' << target << '"';
    EXPECT_EQ(testing::ReadFile(c.tree, target), content) << '"' << target << '"';
  }
  EXPECT_EQ(c.list(C::SubfoldersReorganized), (TEXT_LIST{M2015 + "\\a "}));
  EXPECT_TRUE(c.list(C::OtherReasons).empty());

  c.prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  const UndoResult undone =
      UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results);
  EXPECT_EQ(undone.outcome, UndoOutcome::Done);
  EXPECT_EQ(undone.report, "");
  EXPECT_EQ(testing::Snapshot(c.tree.Native(N)), before);
  // The sources are untouched.
  EXPECT_EQ(testing::ReadFile(c.tree, level + "\\trail.txt "), "level blank");
  EXPECT_EQ(testing::ReadFile(c.tree, deeper + "\\trail.txt"), "deeper plain");
}

#endif

}  // namespace
}  // namespace ordovan
