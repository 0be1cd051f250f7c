#include "scanning/FolderStructSize.h"

#include <gtest/gtest.h>

#include "platform/EventPump.h"
#include "scanning/ScanTrees.h"
#include "support/StoppingPump.h"

namespace ordovan {
namespace {

using testing::MakeFolderLink;
using testing::MakeProjectsTree;

class FolderStructSizeTest : public ::testing::Test {
 protected:
  void SetUp() override { d = tree.Mount("d:"); }

  // Measures as both windows do: without the start folder in the total.
  _tagLevelReport Measure(const std::string& folder, FileSystem& files = *FileSystem::Default()) {
    FolderStructSize size(folder);
    size.SetCountStartFolder(false);
    EXPECT_EQ(size.Scan(files, EventPump::None()), ScanOutcome::kFinished);
    return ReportIntoLevelSummary(size);
  }

  using ROWS = std::vector<std::pair<std::string, std::string>>;

  testing::TempTree tree;
  std::filesystem::path d;
};

TEST_F(FolderStructSizeTest, LevelsAreCountedFromTheChosenFolder) {
  MakeProjectsTree(tree);
  struct Case {
    std::string folder;
    ROWS rows;
    std::string folders, files, size;
  } cases[] = {
      {"d:\\Projects", {{"1", "2"}, {"2", "5"}}, "7", "4", "1.18 KB  (1210 bytes)."},
      {"d:\\Projects\\Project1", {{"1", "3"}}, "3", "3", "1.17 KB  (1200 bytes)."},
      {"d:\\Projects\\Project2", {{"1", "2"}}, "2", "0", "0.00 Bytes  (0 bytes)."},
      // A folder without subfolders: no rows, the files directly in it.
      {"d:\\Projects\\Project1\\Pdf", {}, "0", "2", "200.00 Bytes  (200 bytes)."},
      // A start folder that cannot be listed, and an empty text.
      {"d:\\Nowhere", {}, "0", "0", "0.00 Bytes  (0 bytes)."},
      {"", {}, "0", "0", "0.00 Bytes  (0 bytes)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    _tagLevelReport report = Measure(c.folder);
    EXPECT_EQ(report.folder_name, c.folder);
    EXPECT_EQ(report.rows, c.rows);
    EXPECT_EQ(report.folder_total, c.folders);
    EXPECT_EQ(report.file_total, c.files);
    EXPECT_EQ(report.size_text, c.size);
  }
}

TEST_F(FolderStructSizeTest, AFiveGigabyteFileCountsWithItsFullSize) {
  tree.File("d:\\Big\\disk.img", "");
  std::filesystem::resize_file(tree.Native("d:\\Big\\disk.img"), 5368709120u);  // sparse
  FolderStructSize size("d:\\Big");
  size.SetCountStartFolder(false);
  size.Scan(*FileSystem::Default(), EventPump::None());
  EXPECT_EQ(ReportIntoListBuilder(size).size_text, "5.00 GB");
  EXPECT_EQ(ReportIntoLevelSummary(size).size_text, "5.00 GB  (5368709120 bytes).");
}

TEST_F(FolderStructSizeTest, AFolderThatCannotBeEnteredCountsAsAFile) {
  MakeProjectsTree(tree);
  testing::NoEntryFileSystem files;
  files.Refuse("d:\\Projects\\Project1");
  _tagLevelReport report = Measure("d:\\Projects", files);
  // Project1 is a file now, and nothing below it is seen.
  EXPECT_EQ(report.rows, (ROWS{{"1", "1"}, {"2", "2"}}));
  EXPECT_EQ(report.folder_total, "3");
  EXPECT_EQ(report.file_total, "2");
}

TEST_F(FolderStructSizeTest, ADriveRootCountsItsLevelsFromTheRoot) {
  tree.Folder("d:\\x\\y");
  tree.Folder("d:\\z");
  FolderStructSize size("d:\\");
  size.SetCountStartFolder(false);
  // The scan lists each folder under a path with one backslash per level.
  struct Recording : FileSystemWrapper {
    using FileSystemWrapper::FileSystemWrapper;
    std::vector<std::string> listed;
    bool ListFolder(const std::string& path, DIR_ENTRIES* entries,
                    DIR_ENTRIES* nameless = nullptr) override {
      listed.push_back(path);
      return FileSystemWrapper::ListFolder(path, entries, nameless);
    }
  } recording(FileSystem::Default());
  size.Scan(recording, EventPump::None());
  EXPECT_EQ(size.LevelRows(), (LEVEL_ROWS{{1, 2}, {2, 1}}));
  EXPECT_EQ(size.FolderTotal(), 3u);
  ASSERT_EQ(recording.listed.size(), 4u);
  EXPECT_EQ(recording.listed[0], "d:\\");
  EXPECT_EQ(recording.listed[3], "d:\\x\\y");
}

// Links are followed like folders, but never back into their own tree: the
// scan ends and each folder is counted once.
TEST_F(FolderStructSizeTest, LinksBackIntoTheTreeAreNotEnteredAgain) {
  MakeProjectsTree(tree);
  if (!MakeFolderLink(tree, "d:\\Projects\\Project2\\SubProject21\\up",
                      tree.Native("d:\\Projects")) ||
      !MakeFolderLink(tree, "d:\\Projects\\Project1\\self", tree.Native("d:\\Projects\\Project1")) ||
      !MakeFolderLink(tree, "d:\\Projects\\Project1\\Pdf\\root", d)) {
    GTEST_SKIP() << "this system makes no folder links";
  }
  _tagLevelReport report = Measure("d:\\Projects");
  EXPECT_EQ(report.rows, (ROWS{{"1", "2"}, {"2", "5"}}));
  EXPECT_EQ(report.folder_total, "7");
  EXPECT_EQ(report.file_total, "4");
}

TEST_F(FolderStructSizeTest, ALinkOutOfTheTreeIsFollowedOnce) {
  MakeProjectsTree(tree);
  tree.Folder("d:\\Shared\\Inner", {"s.txt"});
  if (!MakeFolderLink(tree, "d:\\Projects\\Project1\\SubProject11\\shared",
                      tree.Native("d:\\Shared")) ||
      !MakeFolderLink(tree, "d:\\Projects\\Project2\\again", tree.Native("d:\\Shared"))) {
    GTEST_SKIP() << "this system makes no folder links";
  }
  _tagLevelReport report = Measure("d:\\Projects");
  // Project2\again (level 2) is met first and entered; the second link to
  // the same folder (level 3) is passed over.
  EXPECT_EQ(report.rows, (ROWS{{"1", "2"}, {"2", "6"}, {"3", "1"}}));
  EXPECT_EQ(report.file_total, "5");
}

TEST_F(FolderStructSizeTest, AStoppedScanEndsBetweenFolders) {
  MakeProjectsTree(tree);
  FolderStructSize size("d:\\Projects");
  testing::StoppingPump pump(2);
  int heard = 0;
  size.SetProgressHook([&heard](const FolderStructSize&) { ++heard; });
  EXPECT_EQ(size.Scan(*FileSystem::Default(), pump), ScanOutcome::kStopped);
  EXPECT_EQ(heard, 2);  // two folders listed, the third never
}

}  // namespace
}  // namespace ordovan
