#include "reorganizer/ResultsExport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ordovan {
namespace {

TEST(EntriesForExport, SameEntryTwiceIsHandedOverOnceInItsFirstSpelling) {
  const TEXT_LIST shown = {"f:\\New\\A", "f:\\new\\a", "f:\\New\\B", "F:\\NEW\\A", "f:\\New\\B"};
  EXPECT_EQ(EntriesForExport(shown), (TEXT_LIST{"f:\\New\\A", "f:\\New\\B"}));
}

TEST(EntriesForExport, NonAsciiLettersCompareWithoutCase) {
  const TEXT_LIST shown = {"f:\\\xC3\x96rebro", "f:\\\xC3\xB6REBRO", "f:\\\xC3\xB6rebro\\x"};
  EXPECT_EQ(EntriesForExport(shown), (TEXT_LIST{"f:\\\xC3\x96rebro", "f:\\\xC3\xB6rebro\\x"}));
}

TEST(EntriesForExport, EntriesWithoutADrivePartAreSkipped) {
  const TEXT_LIST shown = {"\\New\\A", "New\\B", "", "   ", "f:\\C", "\\\\server\\share\\D",
                           "  g:\\E  "};
  // A drive after leading blanks still counts; the entry goes on exactly as listed.
  EXPECT_EQ(EntriesForExport(shown), (TEXT_LIST{"f:\\C", "\\\\server\\share\\D", "  g:\\E  "}));
}

TEST(EntriesForExport, KeepsTheListOrderOfALargeList) {
  TEXT_LIST shown;
  for (int i = 0; i < 20000; ++i) shown.push_back("f:\\F\\" + std::to_string(19999 - i));
  for (int i = 0; i < 20000; ++i) shown.push_back("F:\\f\\" + std::to_string(i));
  const TEXT_LIST taken = EntriesForExport(shown);
  ASSERT_EQ(taken.size(), 20000u);
  EXPECT_EQ(taken.front(), "f:\\F\\19999");
  EXPECT_EQ(taken.back(), "f:\\F\\0");
}

TEST(EmptyListExportMessage, EveryListHasItsOwnWarningNumber) {
  const std::string lead = "Restructure Multiple Folders/Files - From a Folder List - Level.";
  const std::string blanks = "             ";  // thirteen
  auto title = [&](const char* number) { return lead + blanks + "Warning no: " + number + "."; };
  EXPECT_EQ(EmptyListExportMessage(ResultList::ToReorganize).title, title("60049"));
  EXPECT_EQ(EmptyListExportMessage(ResultList::MainFoldersReorganized).title, title("60050"));
  EXPECT_EQ(EmptyListExportMessage(ResultList::SubfoldersReorganized).title, title("60050"));
  EXPECT_EQ(EmptyListExportMessage(ResultList::FilesReorganized).title, title("60050"));
  EXPECT_EQ(EmptyListExportMessage(ResultList::SourceNotExists).title, title("60050"));
  EXPECT_EQ(EmptyListExportMessage(ResultList::DestinationExists).title,
            "Restructure Multiple Folders/Files -From a Folder List - Level." + blanks +
                "Warning no: 60051.");
  EXPECT_EQ(EmptyListExportMessage(ResultList::OtherReasons).title, title("60052"));
  EXPECT_EQ(EmptyListExportMessage(ResultList::FailedUndo).title, title("60053"));

  std::set<std::string> texts;
  for (ResultList list : kAllResultLists) texts.insert(EmptyListExportMessage(list).text);
  EXPECT_EQ(texts.size(), kResultListCount);
  EXPECT_EQ(std::string(EmptyListExportMessage(ResultList::FilesReorganized).text),
            "The List of Files in Restructured Folders isempty !\nAction : You must Have at least "
            "one Files in Folders to use the Export Feature.");
}

}  // namespace
}  // namespace ordovan
