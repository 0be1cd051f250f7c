// IdentifyFile: the same file answers the same identity for as long as nobody
// changes it; a file written to, or another file put at its path, does not.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

class FileIdentityTest : public ::testing::Test {
 protected:
  void SetUp() override { tree.Mount("f:"); }

  testing::TempTree tree;
  FileSystem* files = FileSystem::Default();
  const std::string copy = "f:\\New\\a.pdf";
};

TEST_F(FileIdentityTest, AnUntouchedFileKeepsItsIdentity) {
  tree.File("f:\\Old\\a.pdf", "twelve bytes");
  ASSERT_TRUE(files->CreateFolders("f:\\New"));
  ASSERT_TRUE(files->CopyFileNoOverwrite("f:\\Old\\a.pdf", copy));
  const std::optional<FileIdentity> first = files->IdentifyFile(copy);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->size, 12u);
  // Reading it, listing its folder or failing to copy onto it changes nothing.
  DIR_ENTRIES entries;
  ASSERT_TRUE(files->ListFolder("f:\\New", &entries));
  EXPECT_NE(files->OpenBinaryRead(copy), nullptr);
  EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\Old\\a.pdf", copy));
  EXPECT_EQ(files->IdentifyFile(copy), first);
  // The source is another file, although the copy has its size and time.
  const std::optional<FileIdentity> source = files->IdentifyFile("f:\\Old\\a.pdf");
  ASSERT_TRUE(source.has_value());
  EXPECT_EQ(source->size, first->size);
  EXPECT_NE(source, first);
  // A read-only file can still be told.
  ASSERT_TRUE(files->SetReadOnly(copy, true));
  EXPECT_TRUE(files->IdentifyFile(copy).has_value());
  ASSERT_TRUE(files->SetReadOnly(copy, false));
}

TEST_F(FileIdentityTest, ChangedOrReplacedFilesDiffer) {
  tree.File(copy, "the copy");
  const std::optional<FileIdentity> before = files->IdentifyFile(copy);
  ASSERT_TRUE(before.has_value());

  // Written to: longer now.
  { std::ofstream(tree.Native(copy), std::ios::binary | std::ios::app) << " and more"; }
  const std::optional<FileIdentity> edited = files->IdentifyFile(copy);
  ASSERT_TRUE(edited.has_value());
  EXPECT_EQ(edited->size, before->size + 9);
  EXPECT_NE(edited, before);

  // Replaced, as an editor saves: another file of the same size and the same
  // last-write time is renamed over it. (mingw sets whole seconds only, so
  // both files are given the same whole time.)
  const fs::path native = tree.Native(copy);
  const fs::path other = tree.Native("f:\\New\\a.pdf.new");
  { std::ofstream(other, std::ios::binary) << "the user's text!!"; }
  ASSERT_EQ(fs::file_size(other), fs::file_size(native));
  const fs::file_time_type time =
      std::chrono::floor<std::chrono::seconds>(fs::last_write_time(native)) - std::chrono::hours(1);
  fs::last_write_time(native, time);
  fs::last_write_time(other, time);
  const std::optional<FileIdentity> dated = files->IdentifyFile(copy);
  fs::rename(other, native);
  const std::optional<FileIdentity> replaced = files->IdentifyFile(copy);
  ASSERT_TRUE(replaced.has_value() && dated.has_value());
  EXPECT_EQ(replaced->size, dated->size);
  EXPECT_EQ(replaced->last_write, dated->last_write);
  EXPECT_NE(replaced, dated);
}

TEST_F(FileIdentityTest, NothingIsToldOfFoldersAndMissingFiles) {
  tree.Folder("f:\\New\\docs");
  EXPECT_EQ(files->IdentifyFile("f:\\New\\docs"), std::nullopt);
  EXPECT_EQ(files->IdentifyFile("f:\\New\\gone.pdf"), std::nullopt);
  EXPECT_EQ(files->IdentifyFile("f:\\Missing\\gone.pdf"), std::nullopt);
}

#ifndef _WIN32
TEST_F(FileIdentityTest, PosixALinkIsItselfNotWhatItPointsTo) {
  tree.File("f:\\New\\real.pdf", "content");
  fs::create_symlink(tree.Native("f:\\New\\real.pdf"), tree.Native(copy));
  const std::optional<FileIdentity> link = files->IdentifyFile(copy);
  ASSERT_TRUE(link.has_value());
  EXPECT_NE(link, files->IdentifyFile("f:\\New\\real.pdf"));
  // A dangling link is still an entry RemoveFile would delete.
  fs::remove(tree.Native("f:\\New\\real.pdf"));
  EXPECT_TRUE(files->IdentifyFile(copy).has_value());
}
#endif

}  // namespace
}  // namespace ordovan
