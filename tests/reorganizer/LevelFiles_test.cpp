// Level and deeper files: target names, the shortening and the FL1 rule on
// real trees, which entries are copied, and failed copies.

#include "reorganizer/LevelFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/CopyFaults.h"
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

TEST(LevelFileTargetTest, PrefixAndShorteningRule) {
  EXPECT_EQ(LevelFilePrefix("f:\\Old Clients\\Client1\\2016"), "f--Old Clients-Client1-2016");
  EXPECT_EQ(LevelFileTarget("f:\\New Clients\\2016", "f--Old Clients-Client1-2016", "Separators.doc"),
            "f:\\New Clients\\2016\\f--Old Clients-Client1-2016-Separators.doc");

  // The two examples: a folder of 97 and a prefix of 148 characters.
  const std::string folder = "f:\\" + std::string(94, 'w');
  const std::string prefix = std::string(148, 'x');
  EXPECT_EQ(folder.size() + prefix.size(), 245u);
  EXPECT_FALSE(LevelFolderAndPrefixTooLong(folder, prefix));
  EXPECT_EQ(LevelFileTarget(folder, prefix, "report.doc"), folder + "\\r-report.doc");
  EXPECT_EQ(LevelFileTarget(folder, prefix, "Quarterly results 2016 final version.xls"),
            folder + "\\Q- final version.xls");

  // 254 characters stay; 255 are shortened.
  const std::string at_limit = LevelFileTarget(folder, prefix, "abcdefg");
  EXPECT_EQ(at_limit.size(), 254u);
  EXPECT_EQ(at_limit, folder + "\\" + prefix + "-abcdefg");
  EXPECT_EQ(LevelFileTarget(folder, prefix, "abcdefgh"), folder + "\\a-abcdefgh");
}

TEST(LevelFileTargetTest, LengthsCountCharactersNotBytes) {
  const std::string folder = "f:\\" + std::string(94, 'w');
  const std::string prefix = std::string(148, 'x');
  // 97 + 1 + 148 + 1 + 7 characters = 254: not shortened although 255 bytes.
  EXPECT_EQ(LevelFileTarget(folder, prefix, "\xC3\x96" "bcdefg"),
            folder + "\\" + prefix + "-\xC3\x96" "bcdefg");
  // Shortened, the first character stays whole.
  EXPECT_EQ(LevelFileTarget(folder, prefix, "\xC3\x96" "bcdefgh"),
            folder + "\\\xC3\x96-\xC3\x96" "bcdefgh");
  // 260 together is accepted, 261 is not.
  EXPECT_FALSE(LevelFolderAndPrefixTooLong(std::string(100, 'a'), std::string(160, 'b')));
  EXPECT_TRUE(LevelFolderAndPrefixTooLong(std::string(100, 'a'), std::string(161, 'b')));
  EXPECT_EQ(LevelFolderTooLongText(440),
            "Initial size is to high!\nNew Path + Old Path Modififed with hyphens : 440");
}

// A run over one path `f:\<a>\<b>\<c>` whose levels are reversed, so that
// the third level's files go into `f:\New Clients\<c>` with the longest prefix.
struct ReversedRun : ClientsRun {
  ReversedRun(const std::string& a, const std::string& b, const std::string& c) {
    inputs.line_number_map = LineNumbersFor({a, b, c});
    inputs.new_level_order = {c, b, a};
    inputs.include_entries = {"f:\\" + a + "\\" + b + "\\" + c};
  }
};

TEST(LevelFilesTest, ShortenedTargetsOnARealTree) {
  const std::string a(30, 'a'), b(31, 'b'), c(82, 'c');
  ReversedRun r(a, b, c);
  const std::string old_folder = "f:\\" + a + "\\" + b + "\\" + c;
  r.tree.File(old_folder + "\\report.doc", "report");
  r.tree.File(old_folder + "\\Quarterly results 2016 final version.xls", "figures");
  const std::string new_folder = N + "\\" + c;
  ASSERT_EQ(new_folder.size(), 97u);
  ASSERT_EQ(LevelFilePrefix(old_folder).size(), 148u);

  r.run.Organize(r.inputs);
  TEXT_LIST files = r.list(C::FilesReorganized);
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (TEXT_LIST{new_folder + "\\Q- final version.xls", new_folder + "\\r-report.doc"}));
  EXPECT_EQ(testing::ReadFile(r.tree, new_folder + "\\r-report.doc"), "report");
  EXPECT_EQ(testing::ReadFile(r.tree, new_folder + "\\Q- final version.xls"), "figures");
}

TEST(LevelFilesTest, TooLongFolderAndPrefixShowFL1AndSkipOnlyThatLevel) {
  const std::string a(10, 'a'), b(10, 'b'), c(200, 'c');
  ReversedRun r(a, b, c);
  r.tree.File("f:\\" + a + "\\a.txt");
  r.tree.File("f:\\" + a + "\\" + b + "\\b.txt");
  r.tree.File("f:\\" + a + "\\" + b + "\\" + c + "\\c.txt");
  r.prompter.Expect(MessageKind::kWarning,
                    "Initial size is to high!\nNew Path + Old Path Modififed with hyphens : 440",
                    "Ordovan      Warning no: 140024.");
  r.run.Organize(r.inputs);

  // Levels 0 and 1 sum to 250 and are copied, their targets shortened.
  const std::string main_folder = N + "\\" + c + "\\" + b + "\\" + a;
  EXPECT_EQ(r.list(C::FilesReorganized),
            (TEXT_LIST{main_folder + "\\a-a.txt", N + "\\" + c + "\\" + b + "\\b-b.txt"}));
  // The level whose files were refused is still reorganized as a folder.
  EXPECT_EQ(r.list(C::MainFoldersReorganized), (TEXT_LIST{main_folder}));
  DIR_ENTRIES entries;
  ASSERT_TRUE(FileSystem::Default()->ListFolder(N + "\\" + c, &entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, b);

  // A simulation checks the same and shows FL1 again.
  r.prompter.Expect(MessageKind::kWarning,
                    "Initial size is to high!\nNew Path + Old Path Modififed with hyphens : 440",
                    "Ordovan      Warning no: 140024.");
  r.run.SimulationView(r.inputs);
  EXPECT_EQ(r.list(C::FilesReorganized).size(), 2u);
}

TEST(LevelFilesTest, LongDeeperPathsAreCopiedWhole) {
  ClientsRun c;
  const std::string deeper = std::string(200, 'd') + "\\" + std::string(120, 'e');
  c.tree.File("f:\\Old Clients\\Client1\\2016\\" + deeper + "\\long.txt", "long");
  c.inputs.include_entries = {"f:\\Old Clients\\Client1\\2016\\" + deeper};
  c.run.Organize(c.inputs);
  const std::string target = N + "\\2016\\Client1\\Old Clients\\" + deeper + "\\long.txt";
  ASSERT_GT(target.size(), 360u);
  EXPECT_EQ(c.list(C::FilesReorganized).back(), target);
  EXPECT_EQ(testing::ReadFile(c.tree, target), "long");
}

TEST(LevelFilesTest, WhichEntriesOfAFolderAreCopied) {
  ClientsRun c;
  const std::string level = "f:\\Old Clients\\Client2\\2015";
  c.tree.File(level + "\\LICENSE");     // no extension
#ifndef _WIN32
  c.tree.File(level + "\\file.");       // an empty extension; Windows drops the dot
#endif
  c.tree.File(level + "\\.profile");    // hidden on POSIX
  c.tree.File(level + "\\sub\\inner.txt");  // in a subfolder
  c.inputs.include_entries = {level};
  c.run.Organize(c.inputs);
  TEXT_LIST files = c.list(C::FilesReorganized);
  std::sort(files.begin(), files.end());
  const std::string target = N + "\\2015\\f--Old Clients-Client2-2015-";
  TEXT_LIST expected = {N + "\\2015\\Client2\\Old Clients\\f--Old Clients-001.jpg",
                        target + ".profile", target + "Notes.txt"};
#ifndef _WIN32
  expected.push_back(target + "file.");
#endif
  EXPECT_EQ(files, expected);
  EXPECT_FALSE(fs::exists(c.tree.Native(target + "sub")));
}

TEST(LevelFilesTest, ACopyThatBreaksOffLeavesNoFileAndIsNotRecorded) {
  testing::FaultyFileSystem faulty;
  ClientsRun c(&faulty);
  faulty.FailCopyMidway(1, 5);
  c.run.Organize(c.inputs);
  const std::string first = N + "\\2015\\Client2\\Old Clients\\f--Old Clients-001.jpg";
  EXPECT_FALSE(fs::exists(c.tree.Native(first)));
  EXPECT_EQ(c.list(C::FilesReorganized).size(), 13u);
  EXPECT_EQ(std::count(c.run.records().CopiedFiles.begin(), c.run.records().CopiedFiles.end(), first),
            0);
}

TEST(LevelFilesTest, WhenEveryCopyFailsOnlyFoldersAreLeft) {
  ClientsRun c;
  {
    ScopedCopyFault fault(3);
    c.run.Organize(c.inputs);
  }
  EXPECT_TRUE(c.list(C::FilesReorganized).empty());
  EXPECT_TRUE(c.run.records().CopiedFiles.empty());
  EXPECT_EQ(c.list(C::SubfoldersReorganized).size(), 5u);
  for (const auto& entry : fs::recursive_directory_iterator(c.tree.Native(N))) {
    EXPECT_TRUE(entry.is_directory()) << entry.path();
  }
}

// Every copy that makes no file is listed with its reason, a taken target
// aside; a full disk ends the run there with its own warning.
TEST(LevelFilesTest, EachFailedCopyIsListedWithItsReasonAndAFullDiskStopsTheRun) {
  const std::string source = "f:\\Old Clients\\001.jpg";
  const std::string target = N + "\\2015\\Client2\\Old Clients\\f--Old Clients-001.jpg";
  for (CopyError why : {CopyError::kTargetExists, CopyError::kSourceMissing, CopyError::kSourceNotAFile,
                        CopyError::kSourceUnreadable, CopyError::kTargetFolderMissing,
                        CopyError::kTargetRefused, CopyError::kNameNotAllowed, CopyError::kFailed,
                        CopyError::kDiskFull}) {
    SCOPED_TRACE(NotCopiedReasonText(why));
    testing::FaultyFileSystem faulty;
    ClientsRun r(&faulty);
    faulty.FailCopy(1, why);
    const RunReport report = r.run.Organize(r.inputs);
    const bool listed = why != CopyError::kTargetExists, disk_full = why == CopyError::kDiskFull;
    EXPECT_EQ(r.results.not_copied(), (listed ? NOT_COPIED_FILES{{source, target, why}} : NOT_COPIED_FILES{}));
    EXPECT_EQ(report.outcome, disk_full ? RunOutcome::DiskFull : RunOutcome::Completed);
    EXPECT_EQ(faulty.calls().copies == 1, disk_full);  // no file is begun after that
    const std::optional<RunEndWarning> warning = NotCopiedWarning(report);
    EXPECT_EQ(std::string(warning ? warning->title : ""),
              disk_full ? kDiskFullTitle : listed ? kNotCopiedTitle : "");
  }
}

TEST(LevelFilesTest, DeeperFilesOfOneNewFolderAreHandledOncePerRun) {
  testing::FaultyFileSystem counting;
  ClientsRun c(&counting);
  c.inputs.include_entries = {"f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                              "f:\\Old Clients\\Client1\\2016\\docs\\ppt"};
  c.run.Organize(c.inputs);
  const PATH_SET& processed = c.run.sets().ProcessedDeeperFolders;
  const std::string m = N + "\\2016\\Client1\\Old Clients";
  EXPECT_EQ(processed, (PATH_SET{m + "\\docs", m + "\\docs\\pdf", m + "\\docs\\ppt"}));
  // The 3 level folders are read once for both paths, docs once, pdf and
  // ppt once each.
  EXPECT_EQ(counting.calls().list_folder, 6);
}

}  // namespace
}  // namespace ordovan
