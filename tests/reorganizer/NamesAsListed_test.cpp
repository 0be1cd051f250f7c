// Names read from a folder listing are used as they stand: a trailing blank
// is part of a POSIX name, so a file or folder that ends in one is copied,
// recorded and taken back under that very name. Windows strips such blanks
// itself and cannot hold these names, so the tests are POSIX-only.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "paths/PathText.h"
#include "platform/FileSystem.h"
#include "reorganizer/FolderFileUndo.h"
#include "support/ExamplePaths.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

#ifndef _WIN32

using testing::ClientsRun;
using C = ResultCategory;

using namespace testing::example;

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

std::string BaseName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

TEST(NamesAsListedTest, GeneratedTreesOfOddNamesCopyEachFileFromItselfAndUndoClean) {
  // Folder and file names that differ only by blanks, dots and hyphens, a
  // fixed seed per tree so a failure can be replayed.
  const std::array<const char*, 10> folders = {"a", "a ", " a", "a.", "b c", "b  c",
                                               "a-b", "f--a", "\xC3\xBC", "c "};
  const std::array<const char*, 6> files = {"f.txt", "f.txt ", " f.txt", "f.txt.", "g.d oc",
                                            "f-f.txt"};
  for (unsigned seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE(seed);
    ClientsRun c;
    std::mt19937 random(seed);
    auto pick = [&random](std::size_t count) {
      return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    std::set<std::string> paths;
    for (int i = 0; i < 20; ++i) {
      std::string path = "f:\\Src";
      const std::size_t depth = 3 + pick(3);
      for (std::size_t level = 0; level < depth; ++level) {
        path.append(1, '\\').append(folders[pick(folders.size())]);
        // Each file holds its own program path, so every copy tells its source.
        if (pick(2) == 0) {
          const std::string file = path + "\\" + files[pick(files.size())];
          c.tree.File(file, file);
        }
      }
      c.tree.Folder(path);
      paths.insert(path);
    }
    c.inputs.line_number_map = LineNumbersFor({"Src", "x", "y"});
    c.inputs.new_level_order = {"y", "x", "Src"};
    c.inputs.include_entries.assign(paths.begin(), paths.end());
    const std::filesystem::path destination = c.tree.Native(N);
    const testing::TREE_SNAPSHOT outside = testing::Snapshot(c.drive, destination);
    const testing::TREE_SNAPSHOT inside = testing::Snapshot(destination);

    c.run.Organize(c.inputs);
    EXPECT_EQ(testing::Snapshot(c.drive, destination), outside);
    const TEXT_LIST& copied = c.run.records().CopiedFiles;
    EXPECT_FALSE(copied.empty());
    for (const std::string& target : copied) {
      const std::string source = testing::ReadFile(c.tree, target);
      ASSERT_FALSE(source.empty()) << '"' << target << '"';
      // A deeper file keeps its name; a level file's name is its source path
      // written with hyphens.
      const std::string name = BaseName(target);
      EXPECT_TRUE(name == BaseName(source) || name == PathToNameText(source))
          << '"' << target << "\" holds \"" << source << '"';
    }

    c.prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
    const UndoResult undone =
        UndoLastRun(c.run.records(), *FileSystem::Default(), c.prompter, c.results);
    EXPECT_EQ(undone.outcome, UndoOutcome::Done);
    EXPECT_EQ(undone.report, "");
    EXPECT_EQ(testing::Snapshot(destination), inside);
    EXPECT_EQ(testing::Snapshot(c.drive, destination), outside);
  }
}

// A name that cannot be a program path is not copied, and the run says so:
// the file is listed with the name as it can be shown.
TEST(NamesAsListedTest, FilesWhoseNamesHaveNoProgramPathAreListedAsNotCopied) {
  ClientsRun c;
  const std::string level = "f:\\Old Clients\\Client2\\2015";
  std::ofstream(c.tree.Native("f:\\Old Clients\\Client2") / "a\\b.txt");
  for (const char* name : {"caf\xE9.txt", "plain\xE9"}) std::ofstream(c.tree.Native(level) / name);
  std::filesystem::create_directory(c.tree.Native(level) / "dir\xE9.d");
  c.inputs.include_entries = {level};
  c.run.Organize(c.inputs);
  // A file without an extension and a folder are never copied anyway.
  EXPECT_EQ(c.results.not_copied(),
            (NOT_COPIED_FILES{{"f:\\Old Clients\\Client2\\a%5Cb.txt", "", CopyError::kNoProgramName},
                              {level + "\\caf%E9.txt", "", CopyError::kNoProgramName}}));
}

#endif

}  // namespace
}  // namespace ordovan
