#include "importexport/ListManager.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "support/RecordingPrompter.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

TEXT_LIST Numbered(std::size_t count, const char* prefix) {
  TEXT_LIST list;
  for (std::size_t i = 0; i < count; ++i) list.push_back(prefix + std::to_string(i));
  return list;
}

// The two lists a window would show, with the rules on them.
struct Lists : ManagedLists {
  explicit Lists(const TEXT_LIST& defaults) : ManagedLists(in, out, defaults) {}
  EntryList in;
  EntryList out;
};

TEST(ListManagerTest, DefaultSetsHoldSeventeenEntriesAndDifferOnlyInTheFourth) {
  Lists delimiters(DefaultDelimiterSet());
  delimiters.TakeLoaded({});
  const TEXT_LIST expected = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                              "&", "@", "$",     "<",  ">", ".", "-", "_"};
  EXPECT_EQ(delimiters.included().entries(), expected);

  Lists marks(DefaultQuotationMarkSet());
  marks.TakeLoaded({});
  TEXT_LIST expected_marks = expected;
  expected_marks[3] = "\",";
  EXPECT_EQ(marks.included().entries(), expected_marks);
}

TEST(ListManagerTest, ActivationAppendsOnlyMissingEntriesAndLeavesTheExcludedList) {
  Lists lists(DefaultDelimiterSet());
  lists.TakeLoaded({";", "X"});
  lists.MoveSelectedToExcluded({1});  // "X" out
  lists.TakeLoaded({";", "x", "+"});  // the next activation
  EXPECT_EQ(lists.included().entries(), (TEXT_LIST{";", "x", "+"}));
  EXPECT_EQ(lists.excluded().entries(), (TEXT_LIST{"X"}));
}

TEST(ListManagerTest, AddRefusesWhatEitherListHoldsAndBlankText) {
  Lists lists(DefaultDelimiterSet());
  lists.TakeLoaded({";", "a"});
  lists.MoveSelectedToExcluded({1});
  std::string added;
  EXPECT_EQ(lists.Add("  ;\t", &added), ManagerOutcome::kInIncluded);
  EXPECT_EQ(lists.Add("A", &added), ManagerOutcome::kInExcluded);
  EXPECT_EQ(lists.Add(" \t ", &added), ManagerOutcome::kEmptyText);
  EXPECT_EQ(added, "");
  EXPECT_EQ(lists.Add("  +  ", &added), ManagerOutcome::kDone);
  EXPECT_EQ(added, "+");
  EXPECT_EQ(lists.included().entries(), (TEXT_LIST{";", "+"}));
}

TEST(ListManagerTest, MovesNeverDuplicateAndDropEntriesWithADrivePart) {
  Lists lists(DefaultDelimiterSet());
  lists.TakeLoaded({";", "c:", "|", "#"});
  lists.MoveSelectedToExcluded({0});
  lists.TakeLoaded({";"});  // ";" is back in the included list as well
  // ";" is already excluded and "c:" has a drive part: both leave the
  // included list, neither is appended twice nor moved.
  lists.MoveSelectedToExcluded({0, 2, 3});  // "c:", "#", ";"
  EXPECT_EQ(lists.included().entries(), (TEXT_LIST{"|"}));
  EXPECT_EQ(lists.excluded().entries(), (TEXT_LIST{";", "#"}));

  EXPECT_EQ(lists.Exchange(), ManagerOutcome::kDone);
  EXPECT_EQ(lists.included().entries(), (TEXT_LIST{";", "#"}));
  EXPECT_EQ(lists.excluded().entries(), (TEXT_LIST{"|"}));

  lists.MoveAllToIncluded();
  EXPECT_EQ(lists.included().entries(), (TEXT_LIST{";", "#", "|"}));
  EXPECT_TRUE(lists.excluded().empty());
}

TEST(ListManagerTest, LimitOfThirtyThousandIncludedEntries) {
  Lists lists(DefaultDelimiterSet());
  lists.TakeLoaded(Numbered(29999, "i"));
  lists.excluded().AppendAll({"x1", "x2"});
  EXPECT_EQ(lists.MoveSelectedToIncluded({0, 1}), ManagerOutcome::kSelectionOverLimit);
  EXPECT_EQ(lists.MoveAllToIncluded(), ManagerOutcome::kAllOverLimit);
  EXPECT_EQ(lists.included().size(), 29999u);
  EXPECT_EQ(lists.excluded().size(), 2u);

  EXPECT_EQ(lists.MoveSelectedToIncluded({0}), ManagerOutcome::kDone);
  EXPECT_EQ(lists.included().size(), 30000u);
  EXPECT_EQ(lists.Add("new", nullptr), ManagerOutcome::kIncludedFull);

  // "<<" counts only the entries the included list lacks.
  lists.excluded().Append("I5");
  EXPECT_EQ(lists.MoveAllToIncluded(), ManagerOutcome::kAllOverLimit);
  lists.excluded().Clear();
  lists.excluded().Append("I5");
  EXPECT_EQ(lists.MoveAllToIncluded(), ManagerOutcome::kDone);

  lists.excluded().AppendAll(Numbered(30001, "e"));
  EXPECT_EQ(lists.Exchange(), ManagerOutcome::kExchangeOverLimit);
}

TEST(ListManagerTest, SetDefaultsLeavesExactlyTheDefaultSet) {
  Lists lists(DefaultDelimiterSet());
  lists.TakeLoaded({"+", ";"});
  lists.MoveSelectedToExcluded({0});
  lists.Add("*", nullptr);
  lists.SetDefaults();
  EXPECT_EQ(lists.included().entries(), DefaultDelimiterSet());
  EXPECT_TRUE(lists.excluded().empty());
}

class ManagerSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Mount("f:");
    tree.Folder("f:\\conf");
    store.SetSettingsDirectory("f:\\conf");
  }
  testing::TempTree tree;
  SettingsStore store;
  testing::RecordingPrompter prompter;
  FileSystem& fs = *FileSystem::Default();
};

TEST_F(ManagerSettingsTest, CloseWritesTheListThatTheSettingsReaderReadsBack) {
  store.AppendToList(17, "doc");
  ASSERT_TRUE(StoreAndSave(store, fs, prompter, ManagedKind::kDelimiters, {";", "space", "\","}));
  ASSERT_TRUE(StoreAndSave(store, fs, prompter, ManagedKind::kQuotationMarks, {"'"}));

  SettingsStore read;
  read.SetSettingsDirectory("f:\\conf");
  RestoreClass(read, fs).ReadAll();
  EXPECT_EQ(read.DelimiterList(), (TEXT_LIST{";", "space", "\","}));
  EXPECT_EQ(read.QuotationMarkList(), (TEXT_LIST{"'"}));
  EXPECT_EQ(read.List(17), (TEXT_LIST{"doc"}));
}

TEST_F(ManagerSettingsTest, ReloadReplacesTheListsOnlyFromAFileThatWasRead) {
  store.AppendDelimiter("|");
  store.AppendToList(17, "doc");
  ASSERT_TRUE(SaveClass(store, fs, prompter).WriteAll());
  store.AppendDelimiter(";");  // not in the file

  ASSERT_TRUE(ReloadSettings(store, fs));
  EXPECT_EQ(store.DelimiterList(), (TEXT_LIST{"|"}));

  // The file goes away (or cannot be read): every list stays as it was, so
  // the next write loses nothing.
  store.AppendDelimiter(";");
  std::filesystem::remove(tree.Native("f:\\conf\\default.set"));
  EXPECT_FALSE(ReloadSettings(store, fs));
  EXPECT_EQ(store.DelimiterList(), (TEXT_LIST{"|", ";"}));
  EXPECT_EQ(store.List(17), (TEXT_LIST{"doc"}));

  tree.File("f:\\conf\\default.set", "");
  EXPECT_FALSE(ReloadSettings(store, fs));  // empty: nothing to take
  EXPECT_EQ(store.List(17), (TEXT_LIST{"doc"}));
}

// A settings file that exists but cannot be opened for reading (locked).
class LockedSettings : public FileSystemWrapper {
 public:
  LockedSettings() : FileSystemWrapper(FileSystem::Default()) {}
  std::unique_ptr<std::istream> OpenBinaryRead(const std::string&, FileError* error) override {
    if (error) *error = FileError::kRefused;
    return nullptr;
  }
};

TEST_F(ManagerSettingsTest, ALockedFileLeavesTheStoreAndCloseStillWritesEverything) {
  store.AppendQuotationMark("'");
  store.AppendToList(19, "exe");
  ASSERT_TRUE(SaveClass(store, fs, prompter).WriteAll());
  LockedSettings locked;
  EXPECT_FALSE(ReloadSettings(store, locked));
  EXPECT_EQ(store.QuotationMarkList(), (TEXT_LIST{"'"}));
  ASSERT_TRUE(StoreAndSave(store, locked, prompter, ManagedKind::kDelimiters, {"|"}));
  SettingsStore read;
  read.SetSettingsDirectory("f:\\conf");
  RestoreClass(read, fs).ReadAll();
  EXPECT_EQ(read.DelimiterList(), (TEXT_LIST{"|"}));
  EXPECT_EQ(read.QuotationMarkList(), (TEXT_LIST{"'"}));
  EXPECT_EQ(read.List(19), (TEXT_LIST{"exe"}));
}

}  // namespace
}  // namespace ordovan
