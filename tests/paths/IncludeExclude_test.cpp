#include "paths/IncludeExclude.h"

#include <gtest/gtest.h>

#include "platform/EventPump.h"

namespace ordovan {
namespace {

class CountingPump : public EventPump {
 public:
  void Pump() override { ++calls; }
  int calls = 0;
};

void Fill(EntryList& list, const TEXT_LIST& entries) { list.AppendAll(entries); }

EventPump& NoPump() { return EventPump::None(); }

TEST(IncludeExcludeMoves, SelectedDuplicateLeavesIncludeAndExcludeStaysAsItWas) {
  EntryList include, exclude;
  Fill(include, {"F:\\Data\\A", "f:\\data\\b"});
  Fill(exclude, {"f:\\data\\a"});
  EXPECT_EQ(MoveSelected(include, {0}, exclude, NoPump()), 0u);
  EXPECT_EQ(include.entries(), (TEXT_LIST{"f:\\data\\b"}));
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"f:\\data\\a"}));
}

TEST(IncludeExcludeMoves, SelectedRowsMoveInListOrderWhateverOrderTheyCameIn) {
  EntryList include, exclude;
  Fill(include, {"c:\\a\\1", "c:\\a\\2", "c:\\a\\3", "c:\\a\\4"});
  EXPECT_EQ(MoveSelected(include, {3, 0, 2, 3}, exclude, NoPump()), 3u);
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"c:\\a\\1", "c:\\a\\3", "c:\\a\\4"}));
  EXPECT_EQ(include.entries(), (TEXT_LIST{"c:\\a\\2"}));
}

TEST(IncludeExcludeMoves, NoSelectionMovesNothing) {
  EntryList include, exclude;
  Fill(include, {"c:\\a\\1"});
  EXPECT_EQ(MoveSelected(include, {}, exclude, NoPump()), 0u);
  EXPECT_EQ(include.size(), 1u);
  EXPECT_TRUE(exclude.empty());
}

TEST(IncludeExcludeMoves, MoveAllDropsEntriesWithoutADriveAndDuplicates) {
  EntryList include, exclude;
  Fill(include, {"\\Data\\A", "c:\\x\\y", "  d:\\p\\q", "C:\\X\\Y", "   ", "rel\\path"});
  Fill(exclude, {"e:\\kept\\one"});
  EXPECT_EQ(MoveAll(include, exclude, NoPump()), 2u);
  EXPECT_TRUE(include.empty());
  // Leading blanks do not hide the drive, and the entry keeps its blanks.
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"e:\\kept\\one", "c:\\x\\y", "  d:\\p\\q"}));
}

TEST(IncludeExcludeMoves, NetworkPathsHaveADriveForTheMoves) {
  EntryList include, exclude;
  Fill(exclude, {"\\\\srv\\share\\a"});
  EXPECT_EQ(MoveAll(exclude, include, NoPump()), 1u);
  EXPECT_EQ(include.entries(), (TEXT_LIST{"\\\\srv\\share\\a"}));
}

TEST(IncludeExcludeMoves, EveryAppendedEntryLetsTheWindowRepaint) {
  EntryList include, exclude;
  Fill(include, {"c:\\a\\1", "c:\\a\\2", "c:\\a\\3"});
  CountingPump pump;
  MoveAll(include, exclude, pump);
  EXPECT_GE(pump.calls, 3);
}

TEST(IncludeExcludeExchange, ListsChangePlacesAndStayFreeOfDuplicates) {
  EntryList include, exclude;
  Fill(include, {"c:\\in\\1", "no drive", "c:\\both\\x", "c:\\in\\2"});
  Fill(exclude, {"c:\\ex\\1", "C:\\BOTH\\X", "c:\\EX\\1"});
  ExchangeLists(include, exclude, NoPump());
  EXPECT_EQ(include.entries(), (TEXT_LIST{"c:\\ex\\1", "C:\\BOTH\\X"}));
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"c:\\in\\1", "c:\\in\\2"}));
}

TEST(IncludeExcludeExchange, TwiceGivesTheOriginalPairBack) {
  EntryList include, exclude;
  Fill(include, {"c:\\a\\b", "d:\\c\\d"});
  Fill(exclude, {"e:\\x\\y"});
  ExchangeLists(include, exclude, NoPump());
  ExchangeLists(include, exclude, NoPump());
  EXPECT_EQ(include.entries(), (TEXT_LIST{"c:\\a\\b", "d:\\c\\d"}));
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"e:\\x\\y"}));
}

TEST(IncludeExcludeAddFolder, ChecksComeInTheirOrder) {
  EntryList include, exclude;
  Fill(include, {"c:\\data\\a"});
  Fill(exclude, {"c:\\data\\b"});
  EXPECT_EQ(AddFolderPath("", include, exclude), AddFolderOutcome::kEmptySelection);
  EXPECT_EQ(AddFolderPath(" \t", include, exclude), AddFolderOutcome::kEmptySelection);
  EXPECT_EQ(AddFolderPath("C:\\Data\\A", include, exclude), AddFolderOutcome::kInInclude);
  EXPECT_EQ(AddFolderPath("C:\\Data", include, exclude), AddFolderOutcome::kTooShort);
  EXPECT_EQ(AddFolderPath("c:\\", include, exclude), AddFolderOutcome::kTooShort);
  EXPECT_EQ(AddFolderPath("C:\\Data\\B", include, exclude), AddFolderOutcome::kInExclude);
  // The drive is not tested here.
  EXPECT_EQ(AddFolderPath("Data\\C", include, exclude), AddFolderOutcome::kAdded);
  EXPECT_EQ(AddFolderPath("C:\\Data\\D", include, exclude), AddFolderOutcome::kAdded);
  EXPECT_EQ(include.entries(), (TEXT_LIST{"c:\\data\\a", "Data\\C", "C:\\Data\\D"}));
  EXPECT_EQ(exclude.size(), 1u);
}

TEST(IncludeExcludeTakeOver, SkipsWhatDoesNotQualifyAndKeepsTheRestExactly) {
  EntryList include, exclude;
  Fill(include, {"f:\\in\\list"});
  Fill(exclude, {"f:\\ex\\list"});
  const TEXT_LIST results = {
      "F:\\IN\\LIST",       // in the Include list
      "f:\\Ex\\List",       // in the Exclude list
      "",                   // blank
      " \t ",               // blank
      "\\no\\drive",        // no drive part
      "f:\\one",            // one level name
      "\\\\srv\\share\\a",  // no colon: SplitPathLevels gives no drive
      "  f:\\lead\\blanks",
      "g:\\new\\one",
      "G:\\NEW\\ONE",  // duplicate of the one before
      "h:/forward/slashes",
  };
  EXPECT_EQ(TakeOverResults(results, include, exclude, NoPump()), 3u);
  EXPECT_EQ(include.entries(),
            (TEXT_LIST{"f:\\in\\list", "  f:\\lead\\blanks", "g:\\new\\one", "h:/forward/slashes"}));
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"f:\\ex\\list"}));
}

TEST(IncludeExcludeExport, ShownListGetsEachEntryOnceAndOnlyWithADrive) {
  EntryList shown;
  std::vector<std::size_t> counts;
  const std::size_t n = FillExportSource(
      {"c:\\a\\b", "C:\\A\\B", "no drive", "\\\\srv\\share\\x", "d:\\e"}, shown,
      [&](std::size_t count) { counts.push_back(count); }, NoPump());
  EXPECT_EQ(n, 3u);
  EXPECT_EQ(shown.entries(), (TEXT_LIST{"c:\\a\\b", "\\\\srv\\share\\x", "d:\\e"}));
  EXPECT_EQ(counts, (std::vector<std::size_t>{1, 2, 3}));
}

TEST(IncludeExcludeZoom, ZoomListKeepsEntriesThatLeftTheIncludeList) {
  EntryList include, exclude, zoom;
  Fill(include, {"c:\\a\\1", "c:\\a\\2"});
  AppendMissing(include.entries(), zoom);
  MoveSelected(include, {0}, exclude, NoPump());
  Fill(include, {"C:\\A\\2", "c:\\a\\3"});
  EXPECT_EQ(AppendMissing(include.entries(), zoom), 1u);
  EXPECT_EQ(zoom.entries(), (TEXT_LIST{"c:\\a\\1", "c:\\a\\2", "c:\\a\\3"}));
}

}  // namespace
}  // namespace ordovan
