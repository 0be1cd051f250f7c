// The operations the list export relies on, on the real backend: a new file
// is only ever made new, and the replace is all or nothing.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

std::string Bytes(const testing::TempTree& tree, const std::string& path) {
  std::ifstream in(tree.Native(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ListFileOperations, NewFileAndReplace) {
  testing::TempTree tree;
  tree.Mount("f:");
  tree.File("f:\\old.txt", "old");
  tree.Folder("f:\\folder");
  FileSystem& files = *FileSystem::Default();

  EXPECT_EQ(files.CreateNewBinaryFile("f:\\old.txt"), nullptr);
  EXPECT_EQ(Bytes(tree, "f:\\old.txt"), "old");
  EXPECT_EQ(files.CreateNewBinaryFile("f:\\folder"), nullptr);
  {
    auto out = files.CreateNewBinaryFile("f:\\new.tmp");
    ASSERT_NE(out, nullptr);
    *out << "new\r\n";
  }
  EXPECT_TRUE(files.ReplaceFileWith("f:\\new.tmp", "f:\\old.txt"));
  EXPECT_EQ(Bytes(tree, "f:\\old.txt"), "new\r\n");
  EXPECT_FALSE(files.IsFile("f:\\new.tmp"));

  // a folder and a read-only file are not replaced; the temporary stays
  tree.File("f:\\second.tmp", "second");
  tree.File("f:\\locked.txt", "locked");
  ASSERT_TRUE(files.SetReadOnly("f:\\locked.txt", true));
  EXPECT_FALSE(files.ReplaceFileWith("f:\\second.tmp", "f:\\folder"));
  EXPECT_FALSE(files.ReplaceFileWith("f:\\second.tmp", "f:\\locked.txt"));
  EXPECT_EQ(Bytes(tree, "f:\\locked.txt"), "locked");
  EXPECT_EQ(Bytes(tree, "f:\\second.tmp"), "second");
  ASSERT_TRUE(files.SetReadOnly("f:\\locked.txt", false));
  // to a name that does not exist yet
  EXPECT_TRUE(files.ReplaceFileWith("f:\\second.tmp", "f:\\third.txt"));
  EXPECT_EQ(Bytes(tree, "f:\\third.txt"), "second");
}

}  // namespace
}  // namespace ordovan
