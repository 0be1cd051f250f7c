#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/NativePath.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override { f = tree.Mount("f:"); }

  std::map<std::string, DirEntry> List(const std::string& path) {
    DIR_ENTRIES entries;
    EXPECT_TRUE(files->ListFolder(path, &entries)) << path;
    std::map<std::string, DirEntry> by_name;
    for (const auto& entry : entries) by_name[entry.name] = entry;
    EXPECT_EQ(by_name.size(), entries.size()) << "a name listed twice";
    return by_name;
  }

  testing::TempTree tree;
  fs::path f;
  FileSystem* files = FileSystem::Default();
};

TEST_F(FileSystemTest, TellsFoldersFromFiles) {
  tree.Folder("f:\\Old Clients\\Client1", {"a.pdf"});
  EXPECT_TRUE(files->IsFolder("f:\\Old Clients\\Client1"));
  EXPECT_TRUE(files->IsFolder("f:\\Old Clients\\Client1\\"));
  EXPECT_TRUE(files->IsFolder("f:\\"));
  EXPECT_TRUE(files->IsFolder("f:"));
  EXPECT_FALSE(files->IsFolder("f:\\Old Clients\\Client1\\a.pdf"));
  EXPECT_FALSE(files->IsFolder("f:\\Old Clients\\Client2"));

  EXPECT_TRUE(files->IsFile("f:\\Old Clients\\Client1\\a.pdf"));
  EXPECT_FALSE(files->IsFile("f:\\Old Clients\\Client1"));
  EXPECT_FALSE(files->IsFile("f:\\Old Clients\\Client1\\b.pdf"));

  EXPECT_TRUE(files->CanEnterFolder("f:\\Old Clients\\Client1"));
  EXPECT_FALSE(files->CanEnterFolder("f:\\Old Clients\\Client1\\a.pdf"));
  EXPECT_FALSE(files->CanEnterFolder("f:\\Old Clients\\Client2"));
}

TEST_F(FileSystemTest, CreateFoldersMakesEveryMissingParent) {
  EXPECT_TRUE(files->CreateFolders("f:\\Old Clients\\Client1\\2016\\docs\\pdf"));
  EXPECT_TRUE(fs::is_directory(f / "Old Clients" / "Client1" / "2016" / "docs" / "pdf"));
  // Existing folders are fine, with or without a trailing backslash.
  EXPECT_TRUE(files->CreateFolders("f:\\Old Clients\\Client1\\2016"));
  EXPECT_TRUE(files->CreateFolders("f:\\Old Clients\\Client1\\2016\\"));
  EXPECT_TRUE(files->CreateFolders("f:/Old Clients/Client2/2017"));
  EXPECT_TRUE(fs::is_directory(f / "Old Clients" / "Client2" / "2017"));
  EXPECT_TRUE(files->CreateFolders("f:\\"));
}

TEST_F(FileSystemTest, PathsCannotClimbOutOfTheirDrive) {
  fs::create_directories(tree.root() / "Escape");
  EXPECT_FALSE(files->IsFolder("f:\\..\\Escape"));
  EXPECT_TRUE(files->CreateFolders("f:\\..\\Escape\\2016"));
  EXPECT_TRUE(fs::is_directory(f / "Escape" / "2016"));
  EXPECT_TRUE(fs::is_empty(tree.root() / "Escape"));
}

TEST_F(FileSystemTest, CreateFoldersFailsWhereAFileStands) {
  tree.File("f:\\Old Clients\\notes.txt", "keep");
  EXPECT_FALSE(files->CreateFolders("f:\\Old Clients\\notes.txt"));
  EXPECT_FALSE(files->CreateFolders("f:\\Old Clients\\notes.txt\\2016"));
  EXPECT_EQ(ReadBytes(f / "Old Clients" / "notes.txt"), "keep");
  EXPECT_FALSE(files->CreateFolders("q:\\nowhere"));
  EXPECT_FALSE(files->CreateFolders(""));
}

TEST_F(FileSystemTest, ListingGivesNamesKindsSizesAndAttributes) {
  tree.Folder("f:\\Client1\\2016");
  tree.Folder("f:\\Client1", {"empty.txt"}, 0);
  tree.File("f:\\Client1\\report.pdf", std::string(70000, 'r'));
  tree.File("f:\\Client1\\locked.doc", "123");
  ASSERT_TRUE(files->SetReadOnly("f:\\Client1\\locked.doc", true));

  DIR_ENTRIES raw{DirEntry{"stale", 0, 0}};
  ASSERT_TRUE(files->ListFolder("f:\\Client1", &raw));
  auto entries = List("f:\\Client1");
  ASSERT_EQ(raw.size(), 4u) << "no '.' and '..', nothing left from before";
  ASSERT_EQ(entries.size(), 4u);

  EXPECT_TRUE(entries["2016"].IsDirectory());
  EXPECT_EQ(entries["2016"].size, 0u);
  EXPECT_EQ(entries["2016"].attributes & kAttrReadOnly, 0u);

  EXPECT_FALSE(entries["report.pdf"].IsDirectory());
  EXPECT_EQ(entries["report.pdf"].size, 70000u);
  EXPECT_EQ(entries["report.pdf"].attributes & kAttrReadOnly, 0u);
  EXPECT_EQ(entries["empty.txt"].size, 0u);

  EXPECT_EQ(entries["locked.doc"].attributes & kAttrReadOnly, kAttrReadOnly);
  EXPECT_EQ(entries["locked.doc"].size, 3u);
  ASSERT_TRUE(files->SetReadOnly("f:\\Client1\\locked.doc", false));
  EXPECT_EQ(List("f:\\Client1")["locked.doc"].attributes & kAttrReadOnly, 0u);

  // Only the five known bits: the same mask means the same on every system.
  for (const auto& [name, entry] : entries) {
    EXPECT_EQ(entry.attributes & ~std::uint32_t(kAttrReadOnly | kAttrHidden | kAttrSystem |
                                                 kAttrDirectory | kAttrArchive),
              0u)
        << name;
  }
}

TEST_F(FileSystemTest, ListingAnEmptyFolderAndAMissingOne) {
  tree.Folder("f:\\empty");
  DIR_ENTRIES entries{DirEntry{"stale", 0, 0}};
  EXPECT_TRUE(files->ListFolder("f:\\empty", &entries));
  EXPECT_TRUE(entries.empty());

  entries.push_back(DirEntry{"stale", 0, 0});
  EXPECT_FALSE(files->ListFolder("f:\\missing", &entries));
  EXPECT_TRUE(entries.empty());
  tree.File("f:\\file.txt");
  EXPECT_FALSE(files->ListFolder("f:\\file.txt", &entries));
  EXPECT_FALSE(files->ListFolder("q:\\unmapped", &entries));
}

TEST_F(FileSystemTest, ListingSizesAreSixtyFourBits) {
  // Sparse: five gigabytes that take no space.
  tree.File("f:\\big.bin", "");
  std::error_code ec;
  fs::resize_file(f / "big.bin", 5ull << 30, ec);
  if (ec) GTEST_SKIP() << "no sparse files here: " << ec.message();
  EXPECT_EQ(List("f:\\")["big.bin"].size, 5ull << 30);
}

#ifndef _WIN32
TEST_F(FileSystemTest, PosixListingHidesDotNamesAndPassesOverForeignNames) {
  tree.Folder("f:\\box", {".profile", "plain"});
  std::ofstream(f / "box" / "back\\slash") << "x";
  std::ofstream(f / "box" / "latin1-\xC4rger") << "x";  // not UTF-8
  auto entries = List("f:\\box");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[".profile"].attributes & kAttrHidden, kAttrHidden);
  EXPECT_EQ(entries["plain"].attributes & kAttrHidden, 0u);
  EXPECT_EQ(entries["plain"].attributes & kAttrArchive, kAttrArchive);
}

TEST_F(FileSystemTest, PosixListingFollowsLinks) {
  tree.Folder("f:\\real", {"a.txt"}, 5);
  fs::create_directory_symlink(f / "real", f / "linked");
  fs::create_symlink(f / "real" / "a.txt", f / "a-link.txt");
  fs::create_symlink(f / "gone", f / "dangling");
  auto entries = List("f:\\");
  EXPECT_TRUE(entries["linked"].IsDirectory());
  EXPECT_EQ(entries["a-link.txt"].size, 5u);
  EXPECT_FALSE(entries["dangling"].IsDirectory());
}
#endif

TEST_F(FileSystemTest, RemoveFileDeletesOnlyWritableFiles) {
  tree.Folder("f:\\Client1\\2016", {"a.pdf", "ro.pdf"});
  EXPECT_TRUE(files->RemoveFile("f:\\Client1\\2016\\a.pdf"));
  EXPECT_FALSE(fs::exists(f / "Client1" / "2016" / "a.pdf"));
  EXPECT_FALSE(files->RemoveFile("f:\\Client1\\2016\\a.pdf"));  // gone already

  ASSERT_TRUE(files->SetReadOnly("f:\\Client1\\2016\\ro.pdf", true));
  EXPECT_FALSE(files->RemoveFile("f:\\Client1\\2016\\ro.pdf"));
  EXPECT_TRUE(fs::exists(f / "Client1" / "2016" / "ro.pdf"));
  ASSERT_TRUE(files->SetReadOnly("f:\\Client1\\2016\\ro.pdf", false));
  EXPECT_TRUE(files->RemoveFile("f:\\Client1\\2016\\ro.pdf"));

  EXPECT_FALSE(files->RemoveFile("f:\\Client1\\2016"));  // a folder
  EXPECT_TRUE(fs::is_directory(f / "Client1" / "2016"));
  EXPECT_FALSE(files->SetReadOnly("f:\\Client1\\missing.pdf", true));
}

TEST_F(FileSystemTest, RemoveEmptyFolderLeavesFullOnesAlone) {
  tree.Folder("f:\\Client1\\2016\\docs", {"a.pdf"});
  tree.Folder("f:\\Client1\\2017");
  EXPECT_FALSE(files->RemoveEmptyFolder("f:\\Client1\\2016\\docs"));
  EXPECT_FALSE(files->RemoveEmptyFolder("f:\\Client1\\2016"));
  EXPECT_TRUE(fs::exists(f / "Client1" / "2016" / "docs" / "a.pdf"));
  EXPECT_TRUE(files->RemoveEmptyFolder("f:\\Client1\\2017"));
  EXPECT_FALSE(fs::exists(f / "Client1" / "2017"));
  EXPECT_FALSE(files->RemoveEmptyFolder("f:\\Client1\\2017"));
  EXPECT_FALSE(files->RemoveEmptyFolder("f:\\Client1\\2016\\docs\\a.pdf"));
}

TEST_F(FileSystemTest, CurrentFolderIsAProgramPath) {
  const std::string before = files->CurrentFolder();
  ASSERT_FALSE(before.empty());
  tree.Folder("f:\\Old Clients\\Client1");
  ASSERT_TRUE(files->SetCurrentFolder("f:\\Old Clients\\Client1"));
  EXPECT_EQ(files->CurrentFolder(), "f:\\Old Clients\\Client1");
  EXPECT_TRUE(files->IsFolder("..\\Client1"));
  EXPECT_FALSE(files->SetCurrentFolder("f:\\Old Clients\\Client9"));
  EXPECT_EQ(files->CurrentFolder(), "f:\\Old Clients\\Client1");
  ASSERT_TRUE(files->SetCurrentFolder(before));
  EXPECT_EQ(files->CurrentFolder(), before);
}

TEST_F(FileSystemTest, TextStreamsUseThePlatformLineEnd) {
  {
    auto out = files->OpenTextWrite("f:\\list.txt");
    ASSERT_NE(out, nullptr);
    *out << "f:\\a\nf:\\b\n";
  }
#ifdef _WIN32
  EXPECT_EQ(ReadBytes(f / "list.txt"), "f:\\a\r\nf:\\b\r\n");
#else
  EXPECT_EQ(ReadBytes(f / "list.txt"), "f:\\a\nf:\\b\n");
#endif
  auto in = files->OpenTextRead("f:\\list.txt");
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(*in), {}), "f:\\a\nf:\\b\n");
}

TEST_F(FileSystemTest, BinaryStreamsKeepEveryByte) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  bytes += "\r\n\n\r\x1A tail";
  {
    auto out = files->OpenBinaryWrite("f:\\data.bin");
    ASSERT_NE(out, nullptr);
    out->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  EXPECT_EQ(ReadBytes(f / "data.bin"), bytes);
  auto in = files->OpenBinaryRead("f:\\data.bin");
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(*in), {}), bytes);

  // The write forms truncate.
  { *files->OpenBinaryWrite("f:\\data.bin") << "new"; }
  EXPECT_EQ(ReadBytes(f / "data.bin"), "new");
}

TEST_F(FileSystemTest, StreamsThatCannotOpenAreNull) {
  tree.File("f:\\locked.set", "old");
  ASSERT_TRUE(files->SetReadOnly("f:\\locked.set", true));
  EXPECT_EQ(files->OpenBinaryWrite("f:\\locked.set"), nullptr);
  EXPECT_EQ(files->OpenTextWrite("f:\\locked.set"), nullptr);
  EXPECT_EQ(ReadBytes(f / "locked.set"), "old");
  EXPECT_NE(files->OpenBinaryRead("f:\\locked.set"), nullptr);

  EXPECT_EQ(files->OpenTextRead("f:\\missing.txt"), nullptr);
  EXPECT_EQ(files->OpenBinaryRead("f:\\missing.txt"), nullptr);
  EXPECT_EQ(files->OpenTextWrite("f:\\missing\\new.txt"), nullptr);
  EXPECT_EQ(files->OpenBinaryWrite("q:\\unmapped.txt"), nullptr);
  tree.Folder("f:\\folder");
  EXPECT_EQ(files->OpenBinaryWrite("f:\\folder"), nullptr);
}

TEST_F(FileSystemTest, NonAsciiNamesRoundTrip) {
  const std::string aerger = "\xC3\x84rger";         // Ärger
  const std::string nihon = "\xE6\x97\xA5\xE6\x9C\xAC";  // 日本
  const std::string folder = "f:\\" + aerger + "\\" + nihon;
  const std::string before = files->CurrentFolder();
  ASSERT_TRUE(files->CreateFolders(folder));
  { *files->OpenBinaryWrite(folder + "\\" + aerger + ".txt") << "inhalt"; }

#ifdef _WIN32
  const fs::path on_disk = f / L"\u00C4rger" / L"\u65E5\u672C";
  EXPECT_TRUE(fs::exists(on_disk / L"\u00C4rger.txt"));
#else
  const fs::path on_disk = f / aerger / nihon;
  EXPECT_TRUE(fs::exists(on_disk / (aerger + ".txt")));
#endif
  EXPECT_TRUE(fs::is_directory(on_disk));

  auto top = List("f:\\" + aerger);
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top.begin()->first, nihon);
  auto inner = List(folder);
  ASSERT_EQ(inner.size(), 1u);
  EXPECT_EQ(inner.begin()->first, aerger + ".txt");
  EXPECT_EQ(inner.begin()->second.size, 6u);

  ASSERT_TRUE(files->SetCurrentFolder(folder));
  EXPECT_EQ(files->CurrentFolder(), folder);
  ASSERT_TRUE(files->SetCurrentFolder(before));
}

TEST_F(FileSystemTest, LongPathsWork) {
  // Well over the 260 characters Windows takes without the long form.
  std::string folder = "f:";
  for (int i = 0; folder.size() < 320; ++i) folder += "\\level " + std::to_string(i) + std::string(40, 'x');
  const std::string file = folder + "\\" + std::string(30, 'f') + ".txt";
  const std::string copy = folder + "\\copy.txt";

  ASSERT_TRUE(files->CreateFolders(folder));
  EXPECT_TRUE(files->IsFolder(folder));
  EXPECT_TRUE(files->CanEnterFolder(folder));
  {
    auto out = files->OpenBinaryWrite(file);
    ASSERT_NE(out, nullptr);
    *out << "deep";
  }
  EXPECT_TRUE(files->IsFile(file));
  EXPECT_TRUE(files->CopyFileNoOverwrite(file, copy));
  EXPECT_FALSE(files->CopyFileNoOverwrite(file, copy));
  auto in = files->OpenBinaryRead(copy);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(*in), {}), "deep");
  in.reset();

  auto entries = List(folder);
  EXPECT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[std::string(30, 'f') + ".txt"].size, 4u);

  EXPECT_TRUE(files->RemoveFile(file));
  EXPECT_TRUE(files->RemoveFile(copy));
  EXPECT_TRUE(files->RemoveEmptyFolder(folder));
  EXPECT_FALSE(files->IsFolder(folder));
}

TEST_F(FileSystemTest, AnAppendFileIsAlwaysNewAndOnlyGrows) {
  std::ofstream(f / "taken") << "someone's";
  EXPECT_EQ(files->CreateAppendFile("f:\\taken"), nullptr);
  EXPECT_EQ(ReadBytes(f / "taken"), "someone's");
  EXPECT_EQ(files->CreateAppendFile("f:\\missing\\log"), nullptr);

  // While open, zeros may follow what was appended (room made ahead); closed,
  // the file holds exactly the appended bytes.
  const auto up_to_zero = [&] {
    const std::string bytes = ReadBytes(f / "log");
    return bytes.substr(0, bytes.find('\0'));
  };
  auto log = files->CreateAppendFile("f:\\log");
  ASSERT_NE(log, nullptr);
  EXPECT_TRUE(log->Append("one\n", 4));
  EXPECT_EQ(up_to_zero(), "one\n");  // with the system before any Sync
  EXPECT_TRUE(log->Append("two\r\n", 5));
  EXPECT_TRUE(log->Sync());
  std::string big(3 << 20, 'x');  // past the room made ahead, more than once
  EXPECT_TRUE(log->Append(big.data(), big.size()));
  EXPECT_EQ(up_to_zero(), "one\ntwo\r\n" + big);
  log.reset();
  EXPECT_EQ(ReadBytes(f / "log"), "one\ntwo\r\n" + big);

  // Continued only while it is still the file read: then after its end.
  const std::optional<FileIdentity> read = files->IdentifyFile("f:\\log");
  ASSERT_TRUE(read.has_value());
  log = files->ContinueAppendFile("f:\\log", *read);
  ASSERT_NE(log, nullptr);
  EXPECT_TRUE(log->Append("three\n", 6));
  log.reset();
  EXPECT_EQ(ReadBytes(f / "log"), "one\ntwo\r\n" + big + "three\n");
  EXPECT_EQ(files->ContinueAppendFile("f:\\log", *read), nullptr);  // grown since
  EXPECT_EQ(files->ContinueAppendFile("f:\\missing", *read), nullptr);
}

}  // namespace
}  // namespace ordovan
