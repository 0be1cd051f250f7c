#include "scanning/LevelCopy.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/EventPump.h"
#include "scanning/FolderStructSize.h"
#include "scanning/ScanTrees.h"
#include "support/StoppingPump.h"

namespace ordovan {
namespace {

using testing::MakeFolderLink;
using testing::MakeProjectsTree;

constexpr auto kAll = LevelCopy::kAllSubfolders;
constexpr auto kLast = LevelCopy::kOnlyLastSubfolder;

class LevelCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Mount("d:");
    MakeProjectsTree(tree);
  }

  // The order the system lists the children of `folder` in: results follow
  // it, so expectations are put into the same order.
  TEXT_LIST ListingOrder(const std::string& folder) {
    DIR_ENTRIES entries;
    FileSystem::Default()->ListFolder(folder, &entries);
    TEXT_LIST names;
    for (const DirEntry& entry : entries) {
      if (entry.IsDirectory()) names.push_back(entry.name);
    }
    return names;
  }

  // Relative names ("Project1\Pdf") of the results, level by level, each
  // level in listing order of the parents and children.
  TEXT_LIST Expect(std::initializer_list<const char*> names) {
    TEXT_LIST wanted(names.begin(), names.end());
    auto rank = [this](const std::string& relative) {
      // (level, position of each name in its parent's listing)
      std::vector<std::size_t> key{static_cast<std::size_t>(std::count(relative.begin(), relative.end(), '\\'))};
      std::string parent = "d:\\Projects";
      std::size_t start = 0;
      while (start <= relative.size()) {
        std::size_t end = relative.find('\\', start);
        if (end == std::string::npos) end = relative.size();
        std::string name = relative.substr(start, end - start);
        TEXT_LIST order = ListingOrder(parent);
        key.push_back(static_cast<std::size_t>(std::find(order.begin(), order.end(), name) - order.begin()));
        parent += "\\" + name;
        start = end + 1;
      }
      return key;
    };
    std::stable_sort(wanted.begin(), wanted.end(),
                     [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
    for (std::string& name : wanted) name = "d:\\Projects\\" + name;
    return wanted;
  }

  testing::TempTree tree;
};

TEST_F(LevelCopyTest, EveryModeListsItsLevelsBreadthFirst) {
  struct Case {
    const char* what;
    std::function<void(LevelCopy&)> set;
    LevelCopy::ListingOption option;
    std::string filter;
    TEXT_LIST expected;
  };
  auto from_to = [](std::uint32_t from, std::uint32_t to) {
    return [=](LevelCopy& copy) { copy.SetFromTo(from, to); };
  };
  const Case cases[] = {
      {"From 1 To 1", from_to(1, 1), kAll, "", Expect({"Project1", "Project2"})},
      {"From 2 To 2", from_to(2, 2), kAll, "",
       Expect({"Project1\\Pdf", "Project1\\SubProject11", "Project1\\SubProject12",
               "Project2\\SubProject21", "Project2\\SubProject22"})},
      {"From 1 To 2, all", from_to(1, 2), kAll, "",
       Expect({"Project1", "Project2", "Project1\\Pdf", "Project1\\SubProject11",
               "Project1\\SubProject12", "Project2\\SubProject21", "Project2\\SubProject22"})},
      {"From 1 To 2, only the last", from_to(1, 2), kLast, "",
       Expect({"Project1\\Pdf", "Project1\\SubProject11", "Project1\\SubProject12",
               "Project2\\SubProject21", "Project2\\SubProject22"})},
      {"filter sub", from_to(1, 2), kAll, "SUB\\",
       Expect({"Project1\\SubProject11", "Project1\\SubProject12", "Project2\\SubProject21",
               "Project2\\SubProject22"})},
      {"filter on the last name only", from_to(1, 2), kAll, "project1",
       Expect({"Project1", "Project1\\SubProject11", "Project1\\SubProject12"})},
      {"Above 1, only the last", [](LevelCopy& c) { c.SetAbove(1); }, kLast, "",
       Expect({"Project1", "Project2"})},
      {"Above 2, only the last", [](LevelCopy& c) { c.SetAbove(2); }, kLast, "",
       Expect({"Project1\\Pdf", "Project1\\SubProject11", "Project1\\SubProject12",
               "Project2\\SubProject21", "Project2\\SubProject22"})},
      {"Below 2, all", [](LevelCopy& c) { c.SetBelow(2); }, kAll, "",
       Expect({"Project1\\Pdf", "Project1\\SubProject11", "Project1\\SubProject12",
               "Project2\\SubProject21", "Project2\\SubProject22", "Project1\\Pdf\\Deep"})},
      {"Below 1, only the last", [](LevelCopy& c) { c.SetBelow(1); }, kLast, "",
       Expect({"Project1\\SubProject11", "Project1\\SubProject12", "Project2\\SubProject21",
               "Project2\\SubProject22", "Project1\\Pdf\\Deep"})},
      {"From 3 To 5 beyond most paths", from_to(3, 5), kAll, "", Expect({"Project1\\Pdf\\Deep"})},
      {"Above 0", [](LevelCopy& c) { c.SetAbove(0); }, kAll, "", {}},
  };
  tree.Folder("d:\\Projects\\Project1\\Pdf\\Deep");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LevelCopy copy({"d:\\Projects"}, *FileSystem::Default());
    c.set(copy);
    copy.SetListingOption(c.option);
    copy.SetFilter(c.filter);
    EXPECT_EQ(copy.Run(EventPump::None()), ScanOutcome::kFinished);
    EXPECT_EQ(copy.Results(), c.expected);
  }
}

TEST_F(LevelCopyTest, ALevelOneFolderWithoutSubfoldersIsTheLastOfItsPath) {
  tree.Folder("d:\\Projects\\Project3");
  LevelCopy copy({"d:\\Projects"}, *FileSystem::Default());
  copy.SetFromTo(1, 2);
  copy.SetListingOption(kLast);
  copy.Run(EventPump::None());
  EXPECT_NE(std::find(copy.Results().begin(), copy.Results().end(), "d:\\Projects\\Project3"),
            copy.Results().end());
  EXPECT_EQ(copy.Results().size(), 6u);
}

TEST_F(LevelCopyTest, ADriveRootGivesOneBackslashPerLevel) {
  LevelCopy copy({"d:\\"}, *FileSystem::Default());
  copy.SetFromTo(1, 2);
  copy.SetListingOption(kAll);
  copy.Run(EventPump::None());
  TEXT_LIST order = ListingOrder("d:\\Projects");
  ASSERT_EQ(copy.Results().size(), 3u);
  EXPECT_EQ(copy.Results()[0], "d:\\Projects");
  EXPECT_EQ(copy.Results()[1], "d:\\Projects\\" + order[0]);
}

TEST_F(LevelCopyTest, LinksBackIntoTheTreeEndTheScan) {
  if (!MakeFolderLink(tree, "d:\\Projects\\Project2\\SubProject21\\up", tree.Native("d:\\Projects")) ||
      !MakeFolderLink(tree, "d:\\Projects\\Project1\\Pdf\\self", tree.Native("d:\\Projects\\Project1\\Pdf"))) {
    GTEST_SKIP() << "this system makes no folder links";
  }
  LevelCopy copy({"d:\\Projects"}, *FileSystem::Default());
  copy.SetBelow(1);
  copy.SetListingOption(kAll);
  EXPECT_EQ(copy.Run(EventPump::None()), ScanOutcome::kFinished);
  EXPECT_EQ(copy.Results().size(), 7u);
}

// A link to a folder inside the scanned tree is not entered: both scans
// reach that folder by its real path, so nothing is counted or listed twice,
// and a folder that holds only such a link is the last subfolder of its path.
TEST_F(LevelCopyTest, ALinkIntoTheScannedTreeIsNotEnteredAgain) {
  tree.Folder("d:\\Projects\\Project3");
  if (!MakeFolderLink(tree, "d:\\Projects\\Project2\\sibling",
                      tree.Native("d:\\Projects\\Project1")) ||
      !MakeFolderLink(tree, "d:\\Projects\\Project3\\deep",
                      tree.Native("d:\\Projects\\Project1\\Pdf"))) {
    GTEST_SKIP() << "this system makes no folder links";
  }
  FolderStructSize size("d:\\Projects");
  size.SetCountStartFolder(false);
  ASSERT_EQ(size.Scan(*FileSystem::Default(), EventPump::None()), ScanOutcome::kFinished);
  EXPECT_EQ(size.LevelRows(), (LEVEL_ROWS{{1, 3}, {2, 5}}));
  EXPECT_EQ(size.FileTotal(), 4u);
  LevelCopy last({"d:\\Projects"}, *FileSystem::Default());
  last.SetFromTo(1, 2);
  last.SetListingOption(kLast);
  last.Run(EventPump::None());
  EXPECT_EQ(last.Results(), Expect({"Project3", "Project1\\Pdf", "Project1\\SubProject11",
                                    "Project1\\SubProject12", "Project2\\SubProject21",
                                    "Project2\\SubProject22"}));
}

TEST_F(LevelCopyTest, TheLeafTestCountsOnlyFoldersThatCanBeEntered) {
  testing::NoEntryFileSystem files;
  LevelCopy copy({"d:\\Projects"}, files);
  EXPECT_FALSE(copy.IsLeaf("d:\\Projects\\Project2", 0));
  EXPECT_FALSE(copy.IsLeaf("d:\\Projects\\Project2", 1));
  EXPECT_TRUE(copy.IsLeaf("d:\\Projects\\Project2", 2));
  files.Refuse("d:\\Projects\\Project2\\SubProject21");
  files.Refuse("d:\\Projects\\Project2\\SubProject22");
  EXPECT_TRUE(copy.IsLeaf("d:\\Projects\\Project2", 0));
  // A folder that cannot be entered is never listed.
  copy.SetFromTo(2, 2);
  copy.SetListingOption(kAll);
  copy.Run(EventPump::None());
  EXPECT_EQ(copy.Results().size(), 3u);
}

TEST_F(LevelCopyTest, AStoppedRunEndsBetweenFolders) {
  LevelCopy copy({"d:\\Projects"}, *FileSystem::Default());
  copy.SetBelow(1);
  testing::StoppingPump pump(1);
  EXPECT_EQ(copy.Run(pump), ScanOutcome::kStopped);
  EXPECT_EQ(copy.FoldersListed(), 1u);
}

}  // namespace
}  // namespace ordovan
