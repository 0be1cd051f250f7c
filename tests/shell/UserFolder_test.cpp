#include "shell/UserFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

TEST(UserFolderTest, OnlyAFullPathInTheVariableGivesAFolder) {
  const struct {
    std::optional<std::string> variable;
    std::optional<std::string> folder;
  } cases[] = {
      {std::nullopt, std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"AppData\\Local", std::nullopt},  // relative: would land wherever it started
      {"C:", std::nullopt},
      {"C:\\Users\\ann\\AppData\\Local", "C:\\Users\\ann\\AppData\\Local\\Ordovan"},
      {"C:\\Users\\ann\\AppData\\Local\\\\", "C:\\Users\\ann\\AppData\\Local\\Ordovan"},
      {"c:\\", "c:\\Ordovan"},
      {"\\\\server\\home\\ann", "\\\\server\\home\\ann\\Ordovan"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InstalledUserFolder(c.variable), c.folder) << c.variable.value_or("(unset)");
  }
}

TEST(UserFolderTest, TheFolderIsMadeAndEnteredOrTheCurrentFolderStays) {
  testing::TempTree tree;
  tree.Mount("f:");
  FileSystem& fs = *FileSystem::Default();
  const std::string before = fs.CurrentFolder();

  tree.File("f:\\Local", "a file where the folder would go");
  EXPECT_FALSE(EnterInstalledUserFolder(fs, std::string("f:\\Local")));
  EXPECT_FALSE(EnterInstalledUserFolder(fs, std::nullopt));
  EXPECT_EQ(fs.CurrentFolder(), before);

  ASSERT_TRUE(EnterInstalledUserFolder(fs, std::string("f:\\Users\\ann\\AppData\\Local")));
  EXPECT_TRUE(fs.IsFolder("f:\\Users\\ann\\AppData\\Local\\Ordovan"));
  EXPECT_TRUE(std::filesystem::equivalent(
      std::filesystem::current_path(), tree.Native("f:\\Users\\ann\\AppData\\Local\\Ordovan")));
  ASSERT_TRUE(fs.SetCurrentFolder(before));  // the sandbox goes with the test
}

}  // namespace
}  // namespace ordovan
