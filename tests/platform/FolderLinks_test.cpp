#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

// A walk that follows links needs to tell a link from a folder, and to know
// when two paths reach the same folder.
TEST(FolderLinks, ListingsFlagLinksAndIdentitiesFollowThem) {
  testing::TempTree tree;
  tree.Mount("f:");
  tree.Folder("f:\\Data\\Real", {"a.txt"});
  std::error_code error;
  std::filesystem::create_directory_symlink(tree.Native("f:\\Data\\Real"),
                                            tree.Native("f:\\Data\\Link"), error);
  if (error) GTEST_SKIP() << "this system makes no folder links";
  FileSystem* files = FileSystem::Default();

  DIR_ENTRIES all, folders;
  ASSERT_TRUE(files->ListFolder("f:\\Data", &all));
  ASSERT_TRUE(files->ListSubfolders("f:\\Data", &folders));
  for (DIR_ENTRIES* entries : {&all, &folders}) {
    std::sort(entries->begin(), entries->end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].name, "Link");
    EXPECT_TRUE((*entries)[0].IsDirectory());
    EXPECT_NE((*entries)[0].attributes & kAttrReparsePoint, 0u);
    EXPECT_EQ((*entries)[1].attributes & kAttrReparsePoint, 0u);
  }
  ASSERT_TRUE(files->ListSubfolders("f:\\Data\\Real", &folders));
  EXPECT_TRUE(folders.empty());  // a.txt is no folder
  EXPECT_FALSE(files->ListSubfolders("f:\\Data\\Nothing", &folders));

  auto real = files->IdentifyFolder("f:\\Data\\Real");
  ASSERT_TRUE(real.has_value());
  EXPECT_EQ(files->IdentifyFolder("f:\\Data\\Link"), real);
  EXPECT_NE(files->IdentifyFolder("f:\\Data"), real);
  EXPECT_FALSE(files->IdentifyFolder("f:\\Data\\Real\\a.txt").has_value());

  // Where a link leads, as a path: the folder's own.
  const auto resolved = files->ResolveLinks("f:\\Data\\Real");
  ASSERT_TRUE(resolved.has_value());
  EXPECT_EQ(files->ResolveLinks("f:\\Data\\Link"), resolved);
  EXPECT_EQ(files->ResolveLinks("f:\\Data\\Link\\a.txt"), *resolved + "\\a.txt");
  EXPECT_FALSE(files->ResolveLinks("f:\\Data\\Nothing").has_value());
}

}  // namespace
}  // namespace ordovan
