#include "importexport/ListEditing.h"

#include <gtest/gtest.h>

#include "platform/EventPump.h"

namespace ordovan {
namespace {

EventPump& pump = EventPump::None();

TEST(ListEditingTest, MemoLinesEndAtBreaksAndAFinalEmptyLineDoesNotCount) {
  EXPECT_EQ(MemoLines(""), TEXT_LIST{});
  EXPECT_EQ(MemoLines("a\r\nb\n"), (TEXT_LIST{"a", "b"}));
  EXPECT_EQ(MemoLines("a\n\n b "), (TEXT_LIST{"a", "", " b "}));
  EXPECT_EQ(NonBlankLines({"a", " \t", "", " b "}), (TEXT_LIST{"a", " b "}));
}

// The worked example: an empty Exclude list and four memo lines.
TEST(ListEditingTest, WorkedExampleOfTheMainWindowsEditor) {
  const TEXT_LIST lines = NonBlankLines(MemoLines(
      "f:\\Old Clients\\Client1\\2016\n\nF:/old clients//client1/2016\nf:\\Docs\n"));
  EXPECT_EQ(CheckEditedPaths(lines), "");
  EntryList include;
  include.Append("f:\\Before\\Edit");
  EntryList exclude;
  EXPECT_EQ(WriteBackPaths(lines, EditedPathRule::kDriveAndTwoLevels, include, exclude, nullptr,
                           pump),
            1u);
  EXPECT_EQ(include.entries(), (TEXT_LIST{"f:\\Old Clients\\Client1\\2016"}));
}

TEST(ListEditingTest, WhichLinesEachIncludeListEditorWritesBack) {
  const TEXT_LIST lines = {"f:\\a", "  f:/x//y  ", "F:\\EXCLUDED\\ONE", "f:\\x\\y"};
  EntryList exclude;
  exclude.Append("f:\\excluded\\one");
  std::vector<std::size_t> counts;
  EntryList include;
  WriteBackPaths(lines, EditedPathRule::kDriveAndTwoLevels, include, exclude,
                 [&](std::size_t n) { counts.push_back(n); }, pump);
  EXPECT_EQ(include.entries(), (TEXT_LIST{"f:\\x\\y"}));
  EXPECT_EQ(counts, (std::vector<std::size_t>{1}));

  EntryList builder;
  WriteBackPaths(lines, EditedPathRule::kDriveOnly, builder, exclude, nullptr, pump);
  EXPECT_EQ(builder.entries(), (TEXT_LIST{"f:\\a", "f:\\x\\y"}));

  // An empty memo empties the target without a word.
  WriteBackPaths({}, EditedPathRule::kDriveOnly, builder, exclude, nullptr, pump);
  EXPECT_TRUE(builder.empty());
}

TEST(ListEditingTest, APathWithoutDriveLetterIsReported) {
  const std::string report = CheckEditedPaths({"f:\\ok\\path", "Old Clients\\Client1"});
  EXPECT_NE(report.find("Old Clients\\Client1"), std::string::npos) << report;
}

TEST(ListEditingTest, SmartImportMergesSameItemsAndStopsAtThirtyThousand) {
  EntryList created;
  created.Append("old");
  SmartImportWriteBack result = WriteBackCreatedList({"a\\\\b", " A/B ", "c"}, created, pump);
  EXPECT_EQ(created.entries(), (TEXT_LIST{"a\\b", "c"}));
  EXPECT_FALSE(result.limit_reached);

  TEXT_LIST lines;
  for (int i = 0; i < 30000; ++i) lines.push_back("item" + std::to_string(i));
  result = WriteBackCreatedList(lines, created, pump);
  EXPECT_EQ(created.size(), 30000u);
  EXPECT_FALSE(result.limit_reached);

  lines.push_back("one too many");
  result = WriteBackCreatedList(lines, created, pump);
  EXPECT_EQ(created.size(), 30000u);
  EXPECT_TRUE(result.limit_reached);
  EXPECT_EQ(created[29999], "item29999");
}

}  // namespace
}  // namespace ordovan
