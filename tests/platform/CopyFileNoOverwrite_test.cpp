// Copies never overwrite and never leave a partial file behind.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

#include "platform/CopyFaults.h"
#include "platform/FileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every byte value, and longer than one read buffer of the fallback copy.
std::string SampleContent(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 977) & 0xFF);
  return bytes;
}

class CopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f = tree.Mount("f:");
    tree.File("f:\\src\\report.pdf", content);
    tree.Folder("f:\\dst");
  }

  testing::TempTree tree;
  fs::path f;
  FileSystem* files = FileSystem::Default();
  const std::string content = SampleContent(600 * 1024 + 17);
};

TEST_F(CopyTest, CopiesTheWholeContent) {
  ASSERT_TRUE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\dst\\report.pdf"));
  EXPECT_EQ(ReadBytes(f / "dst" / "report.pdf"), content);
  EXPECT_EQ(ReadBytes(f / "src" / "report.pdf"), content);

  tree.File("f:\\src\\empty.txt", "");
  ASSERT_TRUE(files->CopyFileNoOverwrite("f:\\src\\empty.txt", "f:\\dst\\empty.txt"));
  EXPECT_TRUE(fs::is_regular_file(f / "dst" / "empty.txt"));
  EXPECT_EQ(fs::file_size(f / "dst" / "empty.txt"), 0u);
}

TEST_F(CopyTest, NeverOverwrites) {
  tree.File("f:\\dst\\report.pdf", "theirs");
  EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\dst\\report.pdf"));
  EXPECT_EQ(ReadBytes(f / "dst" / "report.pdf"), "theirs");

  // Not onto a read-only file, a folder, or the source itself either.
  tree.File("f:\\dst\\locked.pdf", "locked");
  ASSERT_TRUE(files->SetReadOnly("f:\\dst\\locked.pdf", true));
  EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\dst\\locked.pdf"));
  EXPECT_EQ(ReadBytes(f / "dst" / "locked.pdf"), "locked");
  tree.Folder("f:\\dst\\folder.pdf", {"inside.txt"});
  EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\dst\\folder.pdf"));
  EXPECT_TRUE(fs::is_directory(f / "dst" / "folder.pdf"));
  EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\src\\report.pdf"));
  EXPECT_EQ(ReadBytes(f / "src" / "report.pdf"), content);
}

// A run journal writes its announcement from the callback: it must come once,
// while the target is still free, with what the finished copy is, and never
// for a taken target. The identity the copy reports is the one Undo reads
// later. The same for the platform's copy and for the general one that test
// file systems use.
TEST_F(CopyTest, AnAnnouncedCopyIsAnnouncedBeforeItAppearsAndNeverOntoATakenTarget) {
  testing::FaultyFileSystem wrapper;
  tree.File("f:\\dst\\taken.pdf", "theirs");
  for (FileSystem* copier : {files, static_cast<FileSystem*>(&wrapper)}) {
    const std::string target = copier == files ? "f:\\dst\\a.pdf" : "f:\\dst\\b.pdf";
    std::vector<FileIdentity> announced;
    NewFileCopy how;
    how.unnamed_first = false;
    how.announce = [&](const FileIdentity& identity) {
      EXPECT_FALSE(files->IsFile(target)) << "announced after the copy appeared";
      announced.push_back(identity);
    };
    const NewFileCopied made = copier->CopyNewFile("f:\\src\\report.pdf", target, how);
    EXPECT_TRUE(made.copied && made.announced);
    ASSERT_EQ(announced.size(), 1u) << target;
    const std::optional<FileIdentity> copy = files->IdentifyFile(target);
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(made.identity, copy);
    EXPECT_EQ(announced[0].size, copy->size);
    EXPECT_EQ(announced[0].last_write, copy->last_write);
    EXPECT_EQ(ReadBytes(f / "dst" / target.substr(7)), content);

    how.announce = [&](const FileIdentity&) { ADD_FAILURE() << "announced a taken target"; };
    EXPECT_EQ(copier->CopyNewFile("f:\\src\\report.pdf", "f:\\dst\\taken.pdf", how).error,
              CopyError::kTargetExists);
    EXPECT_EQ(ReadBytes(f / "dst" / "taken.pdf"), "theirs");
  }
}

TEST_F(CopyTest, FailsWithoutATraceWhenSourceOrTargetFolderIsMissing) {
  EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\src\\missing.pdf", "f:\\dst\\missing.pdf"));
  EXPECT_FALSE(fs::exists(f / "dst" / "missing.pdf"));
  EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\src", "f:\\dst\\src"));  // a folder
  EXPECT_FALSE(fs::exists(f / "dst" / "src"));
  EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\nowhere\\report.pdf"));
  EXPECT_FALSE(fs::exists(f / "nowhere"));
  EXPECT_FALSE(files->CopyFileNoOverwrite("q:\\report.pdf", "f:\\dst\\report.pdf"));
  EXPECT_TRUE(fs::is_empty(f / "dst"));
}

// The run lists each file it could not copy with the reason the copy gives
// (a full disk is met in ordovan-cli's tests, on a tmpfs made small).
TEST_F(CopyTest, EachFailureSaysWhy) {
  tree.File("f:\\dst\\taken.pdf", "theirs");
  std::vector<std::tuple<std::string, std::string, CopyError>> cases = {
      {"f:\\src\\missing.pdf", "f:\\dst\\missing.pdf", CopyError::kSourceMissing},
      {"f:\\src", "f:\\dst\\src", CopyError::kSourceNotAFile},
      {"f:\\src\\report.pdf", "f:\\nowhere\\report.pdf", CopyError::kTargetFolderMissing},
      {"f:\\src\\report.pdf", "f:\\dst\\taken.pdf", CopyError::kTargetExists},
      {"f:\\src\\report.pdf", "f:\\dst\\" + std::string(300, 'n') + ".pdf", CopyError::kNameNotAllowed}};
#ifndef _WIN32
  // A link whose target lies outside the copied tree no longer leads anywhere.
  fs::create_symlink("../../elsewhere/gone.pdf", f / "src" / "link.pdf");
  cases.emplace_back("f:\\src\\link.pdf", "f:\\dst\\link.pdf", CopyError::kSourceMissing);
#endif
  for (const auto& [from, to, expected] : cases) {
    CopyError why = CopyError::kFailed;
    EXPECT_FALSE(files->CopyFileNoOverwrite(from, to, &why));
    EXPECT_EQ(why, expected) << from << " -> " << to;
  }
  EXPECT_EQ(ReadBytes(f / "dst" / "taken.pdf"), "theirs");
  EXPECT_EQ(std::distance(fs::directory_iterator(f / "dst"), fs::directory_iterator()), 1);
}

TEST_F(CopyTest, CopyBrokenOffMidwayLeavesNothing) {
  {
    ScopedCopyFault fault(100 * 1024);
    EXPECT_FALSE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\dst\\report.pdf"));
    EXPECT_FALSE(fs::exists(f / "dst" / "report.pdf"));
    // A file within the limit still copies.
    tree.File("f:\\src\\small.txt", "small");
    EXPECT_TRUE(files->CopyFileNoOverwrite("f:\\src\\small.txt", "f:\\dst\\small.txt"));
    EXPECT_EQ(ReadBytes(f / "dst" / "small.txt"), "small");
  }
  EXPECT_EQ(CopyFaultLimit(), kNoCopyFault);
  EXPECT_EQ(ReadBytes(f / "src" / "report.pdf"), content);
  EXPECT_TRUE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\dst\\report.pdf"));
  EXPECT_EQ(ReadBytes(f / "dst" / "report.pdf"), content);
}

TEST_F(CopyTest, ReadOnlySourceGivesReadOnlyCopy) {
  ASSERT_TRUE(files->SetReadOnly("f:\\src\\report.pdf", true));
  ASSERT_TRUE(files->CopyFileNoOverwrite("f:\\src\\report.pdf", "f:\\dst\\report.pdf"));
  DIR_ENTRIES entries;
  ASSERT_TRUE(files->ListFolder("f:\\dst", &entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].attributes & kAttrReadOnly, kAttrReadOnly);
  EXPECT_EQ(entries[0].size, content.size());
  // ... which a later removal (an Undo) cannot delete.
  EXPECT_FALSE(files->RemoveFile("f:\\dst\\report.pdf"));
}

TEST_F(CopyTest, FaultyFileSystemFailsTheCopiesItIsTold) {
  testing::FaultyFileSystem faulty;
  tree.Folder("f:\\src", {"1.txt", "2.txt", "3.txt"});
  faulty.FailCopy(2);
  faulty.FailCopyMidway(3, 4);
  EXPECT_TRUE(faulty.CopyFileNoOverwrite("f:\\src\\1.txt", "f:\\dst\\1.txt"));
  EXPECT_FALSE(faulty.CopyFileNoOverwrite("f:\\src\\2.txt", "f:\\dst\\2.txt"));
  EXPECT_FALSE(faulty.CopyFileNoOverwrite("f:\\src\\3.txt", "f:\\dst\\3.txt"));
  EXPECT_TRUE(faulty.CopyFileNoOverwrite("f:\\src\\2.txt", "f:\\dst\\2.txt"));
  EXPECT_EQ(faulty.calls().copies, 4);
  EXPECT_EQ(CopyFaultLimit(), kNoCopyFault);
  EXPECT_TRUE(fs::exists(f / "dst" / "1.txt"));
  EXPECT_TRUE(fs::exists(f / "dst" / "2.txt"));
  EXPECT_FALSE(fs::exists(f / "dst" / "3.txt"));
}

TEST_F(CopyTest, FaultyFileSystemRefusesRemovalsAndFolders) {
  testing::FaultyFileSystem faulty;
  tree.Folder("f:\\old\\a", {"keep.txt", "go.txt"});
  tree.Folder("f:\\old\\b");
  faulty.RefuseRemoval("f:\\old\\a\\keep.txt");
  faulty.RefuseRemoval("f:\\old\\b");
  faulty.FailCreateFolders("f:\\new\\x");
  EXPECT_FALSE(faulty.RemoveFile("f:\\old\\a\\keep.txt"));
  EXPECT_TRUE(faulty.RemoveFile("f:\\old\\a\\go.txt"));
  EXPECT_FALSE(faulty.RemoveEmptyFolder("f:\\old\\b"));
  EXPECT_TRUE(fs::exists(f / "old" / "a" / "keep.txt"));
  EXPECT_TRUE(fs::exists(f / "old" / "b"));
  EXPECT_FALSE(faulty.CreateFolders("f:\\new\\x"));
  EXPECT_FALSE(faulty.CreateFolders("f:\\new\\x\\y"));
  EXPECT_TRUE(faulty.CreateFolders("f:\\new\\xy"));
  EXPECT_FALSE(fs::exists(f / "new" / "x"));
  EXPECT_EQ(faulty.calls().remove_file, 2);
  EXPECT_EQ(faulty.calls().remove_folder, 1);
  EXPECT_EQ(faulty.calls().create_folders, 3);
}

}  // namespace
}  // namespace ordovan
