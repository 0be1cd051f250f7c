#include "shell/StartupLoad.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <istream>
#include <ostream>

#include "platform/FileSystem.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "support/RecordingPrompter.h"
#include "support/SettingsFileBytes.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

using testing::ReadFileBytes;
using testing::SplitRecords;

constexpr char kSaveFailedText[] =
    "Unable to open output file to save settings !\n\nAction: Try to save again the settings, or "
    "\n\nimmediately e-mail us, please!";
constexpr char kSaveFailedTitle[] = "Severe Error!    Msg no: 0130.";

// The real disk, but a current folder of the test's choosing; remembers
// every path opened.
class StartedIn : public FileSystemWrapper {
 public:
  explicit StartedIn(std::string folder)
      : FileSystemWrapper(FileSystem::Default()), folder_(std::move(folder)) {}
  std::string CurrentFolder() override { return folder_; }
  std::unique_ptr<std::istream> OpenBinaryRead(const std::string& path,
                                               FileError* error) override {
    opened.push_back(path);
    if (refuse && error) *error = FileError::kRefused;
    return refuse ? nullptr : FileSystemWrapper::OpenBinaryRead(path, error);
  }
  std::unique_ptr<OutputFile> OpenBinaryWrite(const std::string& path) override {
    opened.push_back(path);
    return refuse ? nullptr : FileSystemWrapper::OpenBinaryWrite(path);
  }
  std::vector<std::string> opened;
  bool refuse = false;

 private:
  std::string folder_;
};

class StartupLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Mount("f:");
    tree.Folder("f:\\start");
  }
  testing::TempTree tree;
  testing::RecordingPrompter prompter;
  SettingsStore store;
  StartedIn fs{"f:\\start"};
};

TEST_F(StartupLoadTest, FirstStartWritesTheDefaultsAs415Records) {
  EXPECT_EQ(StartupLoad(store, fs, prompter), StartupLoadResult::kCreated);
  std::string bytes = ReadFileBytes(tree.Native("f:\\start\\default.set"));
  EXPECT_EQ(bytes.size(), 2204480u);
  auto records = SplitRecords(bytes);

  std::vector<std::int32_t> expected = {1, 2, 3, 5, 7, 8, 9, 10, 12, 13, 14, 15, 16};
  expected.insert(expected.end(), 172, 17);
  expected.insert(expected.end(), 5, 18);
  expected.insert(expected.end(), 215, 19);
  for (std::int32_t n : {20, 21, 24, 25, 28, 29, 30, 32, 33, 900}) expected.push_back(n);
  std::vector<std::int32_t> numbers;
  for (const auto& record : records) numbers.push_back(record.number);
  EXPECT_EQ(numbers, expected);  // so no record 4, 6, 11, 22, 23, 26, 27, 31 or 34
  ASSERT_EQ(records.size(), 415u);

  EXPECT_EQ(records[0].Text(), "ORDOVAN300");
  EXPECT_EQ(records[1].Text(), "f:\\start");
  EXPECT_EQ(records[2].Text(), ",");
  EXPECT_EQ(records[3].Text(), "\"");
  EXPECT_EQ(records[7].Text(), "*.*");  // the one record 10
  EXPECT_EQ(records[13].Text(), "doc");
  EXPECT_EQ(records[16].Text(), "adm");
  EXPECT_EQ(records[13 + 172].Text(), "bak");
  EXPECT_EQ(records[13 + 172 + 5].Text(), "exe");

  SettingsStore read;
  read.SetSettingsDirectory("f:\\start");
  RestoreClass(read, fs).ReadAll();
  EXPECT_EQ(read, store);
}

TEST_F(StartupLoadTest, FirstStartKeepsFileMasksAlreadyThere) {
  store.AppendFileMask("*.txt");
  StartupLoad(store, fs, prompter);
  EXPECT_EQ(store.FileMaskList(), TEXT_LIST{"*.txt"});
}

TEST_F(StartupLoadTest, ExistingFileReplacesListsAndStoredTexts) {
  SettingsStore earlier;
  earlier.SetProgramCode("ORDOVAN200");
  earlier.SetSettingsDirectory("f:\\start");
  earlier.AppendDelimiter(";");
  ASSERT_TRUE(SaveClass(earlier, fs, prompter).WriteAll());

  store.AppendDelimiter("stale");
  store.AppendToList(17, "stale");
  EXPECT_EQ(StartupLoad(store, fs, prompter), StartupLoadResult::kRead);
  EXPECT_EQ(store, earlier);  // program code, lists and all; no defaults added
}

TEST_F(StartupLoadTest, StoredDirectorySendsTheNextWriteThere) {
  tree.Folder("f:\\other");
  SettingsStore earlier;
  earlier.SetSettingsDirectory("f:\\other");
  ASSERT_TRUE(SaveClass(earlier, fs, prompter, "f:\\start\\default.set").WriteAll());
  std::string start_file = ReadFileBytes(tree.Native("f:\\start\\default.set"));

  ASSERT_EQ(StartupLoad(store, fs, prompter), StartupLoadResult::kRead);
  EXPECT_EQ(store.SettingsDirectory(), "f:\\other");
  store.AppendDelimiter("|");
  ASSERT_TRUE(SaveClass(store, fs, prompter).WriteAll());
  EXPECT_EQ(fs.opened.back(), "f:\\other\\default.set");
  EXPECT_EQ(ReadFileBytes(tree.Native("f:\\start\\default.set")), start_file);
  EXPECT_TRUE(std::filesystem::exists(tree.Native("f:\\other\\default.set")));

  // Once that directory is gone, the write fails with message 0130.
  std::filesystem::remove_all(tree.Native("f:\\other"));
  prompter.Expect(MessageKind::kError, kSaveFailedText, kSaveFailedTitle);
  EXPECT_FALSE(SaveClass(store, fs, prompter).WriteAll());
}

TEST_F(StartupLoadTest, CurrentFolderBeyond260CharactersIsNotUsed) {
  std::string accented;
  for (int i = 0; i < 260; ++i) accented += "\xC3\xA9";
  StartedIn at_limit(accented), beyond(accented + "x");
  EXPECT_EQ(StartupSettingsDirectory(at_limit), accented);
  EXPECT_EQ(StartupSettingsDirectory(beyond), "");

  // Without a directory the file would go to the drive root; here the disk
  // refuses, so the failure shows.
  StartedIn nowhere("");
  nowhere.refuse = true;
  prompter.Expect(MessageKind::kError, kSaveFailedText, kSaveFailedTitle);
  EXPECT_EQ(StartupLoad(store, nowhere, prompter), StartupLoadResult::kCreateFailed);
  EXPECT_EQ(nowhere.opened, (std::vector<std::string>{"\\default.set", "\\default.set"}));
  EXPECT_EQ(store.ProgramCode(), "ORDOVAN300");
}

TEST_F(StartupLoadTest, RealCurrentFolderHoldsTheNewFile) {
  FileSystem& real = *FileSystem::Default();
  std::filesystem::path before = std::filesystem::current_path();
  ASSERT_TRUE(real.SetCurrentFolder("f:\\start"));
  StartupLoadResult result = StartupLoad(store, real, prompter);
  std::filesystem::current_path(before);
  EXPECT_EQ(result, StartupLoadResult::kCreated);
  EXPECT_EQ(std::filesystem::file_size(tree.Native("f:\\start\\default.set")), 2204480u);
}

}  // namespace
}  // namespace ordovan
