#include "reorganizer/LevelTemplate.h"

#include <gtest/gtest.h>

#include <variant>

namespace ordovan {
namespace {

using Names = TEXT_LIST;

std::size_t TemplateIndex(const TemplateChoice& choice) {
  EXPECT_TRUE(std::holds_alternative<std::size_t>(choice.outcome));
  return std::holds_alternative<std::size_t>(choice.outcome) ? std::get<std::size_t>(choice.outcome)
                                                              : choice.entries.size();
}

void ExpectFailure(const TemplateChoice& choice, TemplateFailure failure) {
  ASSERT_TRUE(std::holds_alternative<TemplateFailure>(choice.outcome));
  EXPECT_EQ(std::get<TemplateFailure>(choice.outcome), failure);
}

// --- Find -------------------------------------------------------------------

TEST(ChooseTemplatePath, WorkedExampleSortsByDepthAndPicksTheShortest) {
  const Names include = {
      "f:\\Old Clients\\Client1\\2016\\docs\\pdf", "f:\\Old Clients\\Client1\\2016\\docs\\ppt",
      "f:\\Old Clients\\Client2\\2015\\",          "f:\\Old Clients\\Client2\\2016\\emails",
      "f:\\Old Clients\\Client2\\2016\\txt",       "f:\\Business\\Client3\\2016\\txt",
  };
  const TemplateChoice choice = ChooseTemplatePath(include);
  EXPECT_EQ(choice.entries,
            (Names{"f:\\Old Clients\\Client2\\2015\\", "f:\\Old Clients\\Client2\\2016\\emails",
                   "f:\\Old Clients\\Client2\\2016\\txt", "f:\\Business\\Client3\\2016\\txt",
                   "f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                   "f:\\Old Clients\\Client1\\2016\\docs\\ppt"}));
  const std::size_t index = TemplateIndex(choice);
  EXPECT_EQ(index, 0u);

  const LevelTemplate level_template = LevelTemplateOf(choice.entries[index]);
  EXPECT_EQ(level_template.TemplateNames, (Names{"Old Clients", "Client2", "2015"}));
  EXPECT_EQ(level_template.TemplateLevelCount, 3);
  EXPECT_TRUE(CutSwitchAllowed(level_template.TemplateLevelCount));
  ASSERT_EQ(level_template.LineNumberMap.size(), 3u);
  EXPECT_EQ(level_template.LineNumberMap.at("Old Clients").OldLineNumber, 0);
  EXPECT_EQ(level_template.LineNumberMap.at("Client2").OldLineNumber, 1);
  EXPECT_EQ(level_template.LineNumberMap.at("2015").OldLineNumber, 2);
  for (const auto& [name, lines] : level_template.LineNumberMap) EXPECT_EQ(lines.NewLineNumber, 0);
}

TEST(ChooseTemplatePath, EmptyListAndListsWithoutDrives) {
  const TemplateChoice empty = ChooseTemplatePath({});
  EXPECT_TRUE(empty.entries.empty());
  ExpectFailure(empty, TemplateFailure::TooShort);

  // Nothing has a drive part: everything is dropped and nothing is split.
  const TemplateChoice no_drives = ChooseTemplatePath({"Old Clients\\Client1", "\\a\\b", ""});
  EXPECT_TRUE(no_drives.entries.empty());
  ExpectFailure(no_drives, TemplateFailure::TooShort);
}

TEST(ChooseTemplatePath, DropsDrivelessEntriesAndCollapsesCaseDuplicates) {
  const TemplateChoice choice = ChooseTemplatePath({
      "F:\\A\\B\\C", "Old Clients\\Client1", "  f:\\x\\y\\z", "f:\\a\\b\\c", "\\\\srv\\share\\q",
      "f:\\A\\b\\C", "\tg:\\p\\q",
  });
  // Blanks count for the drive test only; entries come back untrimmed.
  // `\\srv\share\q` has depth 4 and comes last.
  EXPECT_EQ(choice.entries,
            (Names{"\tg:\\p\\q", "F:\\A\\B\\C", "  f:\\x\\y\\z", "\\\\srv\\share\\q"}));
}

TEST(ChooseTemplatePath, DepthCountsSeparatorsNotNames) {
  // f:\a\b\c\ has four separators and sorts after f:\x\y\z.
  const TemplateChoice deeper = ChooseTemplatePath({"f:\\a\\b\\c\\", "f:\\x\\y\\z"});
  EXPECT_EQ(deeper.entries, (Names{"f:\\x\\y\\z", "f:\\a\\b\\c\\"}));
  EXPECT_EQ(TemplateIndex(deeper), 0u);

  // Equal depth keeps list order; the first entry has three names.
  const TemplateChoice equal = ChooseTemplatePath({"f:\\x\\y\\z", "f:\\a\\b\\"});
  EXPECT_EQ(equal.entries, (Names{"f:\\x\\y\\z", "f:\\a\\b\\"}));
  ASSERT_EQ(TemplateIndex(equal), 0u);
  EXPECT_EQ(OldLevelOrderOf(equal.entries[0]), (Names{"x", "y", "z"}));

  // The other way round the first entry, with its two names, is the template.
  const TemplateChoice reversed = ChooseTemplatePath({"f:\\a\\b\\", "f:\\x\\y\\z"});
  ASSERT_EQ(TemplateIndex(reversed), 0u);
  EXPECT_EQ(OldLevelOrderOf(reversed.entries[0]), (Names{"a", "b"}));
}

TEST(ChooseTemplatePath, OneLevelNameIsTooShort) {
  const TemplateChoice choice = ChooseTemplatePath({"f:\\Projects\\x", "f:\\Projects"});
  EXPECT_EQ(choice.entries, (Names{"f:\\Projects", "f:\\Projects\\x"}));
  ExpectFailure(choice, TemplateFailure::TooShort);
  ExpectFailure(ChooseTemplatePath({"f:\\"}), TemplateFailure::TooShort);
}

TEST(ChooseTemplatePath, RepeatedNamesPassToTheNextEntry) {
  const TemplateChoice next = ChooseTemplatePath({"f:\\a\\b\\a", "f:\\c\\d\\e"});
  ASSERT_EQ(TemplateIndex(next), 1u);
  EXPECT_EQ(OldLevelOrderOf(next.entries[1]), (Names{"c", "d", "e"}));

  ExpectFailure(ChooseTemplatePath({"f:\\a\\b\\a", "f:\\c\\d\\e\\f"}),
                TemplateFailure::DifferentDepth);
  ExpectFailure(ChooseTemplatePath({"f:\\a\\b\\a"}), TemplateFailure::NoDistinctPath);
  ExpectFailure(ChooseTemplatePath({"f:\\a\\b\\a", "g:\\x\\x\\y"}), TemplateFailure::NoDistinctPath);
}

TEST(ChooseTemplatePath, RepeatTestIsCaseSensitive) {
  const TemplateChoice choice = ChooseTemplatePath({"f:\\Docs\\docs\\x"});
  ASSERT_EQ(TemplateIndex(choice), 0u);
  EXPECT_EQ(OldLevelOrderOf(choice.entries[0]), (Names{"Docs", "docs", "x"}));
  // ... but ">" keeps the second one out of the New Level Order.
  EXPECT_EQ(NamesToAppend({"Docs", "docs", "x"}, {}), (Names{"Docs", "x"}));
}

TEST(OldLevelOrderOf, LeavesOutNamesWithAColonInSecondPlace) {
  // `::` collapses to one colon, making the name "a:b".
  EXPECT_EQ(OldLevelOrderOf("f:\\a::b\\c\\d"), (Names{"c", "d"}));
  EXPECT_EQ(OldLevelOrderOf("f:/data//x/"), (Names{"data", "x"}));
}

// --- Cut --------------------------------------------------------------------

TEST(CutLeadLevels, EveryOutcomeWithFourNames) {
  const Names names = {"w", "x", "y", "z"};
  using Result = std::variant<TEXT_LIST, CutRejection>;
  EXPECT_EQ(CutLeadLevels(names, 4, 0), Result(names));
  EXPECT_EQ(CutLeadLevels(names, 4, 1), Result(Names{"x", "y", "z"}));
  EXPECT_EQ(CutLeadLevels(names, 4, 2), Result(Names{"y", "z"}));
  EXPECT_EQ(CutLeadLevels(names, 4, 3), Result(CutRejection::TooFewLeft));
  EXPECT_EQ(CutLeadLevels(names, 4, 4), Result(CutRejection::TooFewLeft));
  EXPECT_EQ(CutLeadLevels(names, 4, 5), Result(CutRejection::AboveMaximum));
  EXPECT_EQ(CutLeadLevels(names, 4, -1), Result(CutRejection::BelowZero));
  EXPECT_EQ(CutLeadLevels(names, 4, INT64_MIN), Result(CutRejection::BelowZero));
  EXPECT_EQ(CutLeadLevels(names, 4, INT64_MAX), Result(CutRejection::AboveMaximum));
}

TEST(CutLeadLevels, SmallTemplatesAcceptOnlyWhatLeavesTwo) {
  using Result = std::variant<TEXT_LIST, CutRejection>;
  const Names three = {"a", "b", "c"};
  EXPECT_EQ(CutLeadLevels(three, 3, 1), Result(Names{"b", "c"}));
  EXPECT_EQ(CutLeadLevels(three, 3, 2), Result(CutRejection::TooFewLeft));
  const Names two = {"a", "b"};
  EXPECT_EQ(CutLeadLevels(two, 2, 0), Result(two));
  EXPECT_EQ(CutLeadLevels(two, 2, 1), Result(CutRejection::TooFewLeft));
  EXPECT_FALSE(CutSwitchAllowed(2));
  // No template yet: nothing can be cut, not even zero names.
  EXPECT_EQ(CutLeadLevels({}, 0, 0), Result(CutRejection::TooFewLeft));
}

TEST(ParseCutNumber, WholeDecimalNumbersOnly) {
  EXPECT_EQ(ParseCutNumber("0"), 0);
  EXPECT_EQ(ParseCutNumber("2"), 2);
  EXPECT_EQ(ParseCutNumber(" 12\t"), 12);
  EXPECT_EQ(ParseCutNumber("-1"), -1);
  EXPECT_EQ(ParseCutNumber("+3"), 3);
  EXPECT_EQ(ParseCutNumber("007"), 7);
  EXPECT_EQ(ParseCutNumber("2147483647"), 2147483647);
  EXPECT_EQ(ParseCutNumber("-2147483648"), INT32_MIN);
  for (const char* bad : {"", "  ", "-", "+", "1.5", "1,0", "abc", "2a", "0x10", "1 2", "--1",
                          "2147483648", "-2147483649", "99999999999999999999"}) {
    EXPECT_EQ(ParseCutNumber(bad), std::nullopt) << bad;
  }
}

// --- Line numbers -----------------------------------------------------------

TEST(RecordNewOrder, WorkedExampleAndItsMaps) {
  LINE_NUMBER_MAP map = LineNumbersFor({"Old Clients", "Client2", "2015"});
  RecordNewOrder(&map, {"2015", "Client2", "Old Clients"});
  ASSERT_EQ(map.size(), 3u);
  EXPECT_EQ(map.at("2015").OldLineNumber, 2);
  EXPECT_EQ(map.at("2015").NewLineNumber, 0);
  EXPECT_EQ(map.at("Client2").OldLineNumber, 1);
  EXPECT_EQ(map.at("Client2").NewLineNumber, 1);
  EXPECT_EQ(map.at("Old Clients").OldLineNumber, 0);
  EXPECT_EQ(map.at("Old Clients").NewLineNumber, 2);
  const MAP_NEW_OLD_LINE_NUMBERS expected = {{0, 2}, {1, 1}, {2, 0}};
  EXPECT_EQ(OldToNewMap(map), expected);
  EXPECT_EQ(NewToOldMap(map), expected);
}

TEST(RecordNewOrder, NonInvolutionMapsAreInversesOfEachOther) {
  // a b c -> b c a: new 0 is old 1, and old 0 went to new 2.
  LINE_NUMBER_MAP map = LineNumbersFor({"a", "b", "c"});
  RecordNewOrder(&map, {"b", "c", "a"});
  EXPECT_EQ(NewToOldMap(map), (MAP_NEW_OLD_LINE_NUMBERS{{0, 1}, {1, 2}, {2, 0}}));
  EXPECT_EQ(OldToNewMap(map), (MAP_NEW_OLD_LINE_NUMBERS{{0, 2}, {1, 0}, {2, 1}}));
}

TEST(RecordNewOrder, AnEmptiedMapGivesTheIdentity) {
  // After an Include list change the map is empty: every name keeps its place.
  LINE_NUMBER_MAP map;
  RecordNewOrder(&map, {"z", "y", "x"});
  EXPECT_EQ(map.at("z").OldLineNumber, 0);
  EXPECT_EQ(map.at("z").NewLineNumber, 0);
  EXPECT_EQ(map.at("x").OldLineNumber, 2);
  EXPECT_EQ(map.at("x").NewLineNumber, 2);
  const MAP_NEW_OLD_LINE_NUMBERS identity = {{0, 0}, {1, 1}, {2, 2}};
  EXPECT_EQ(OldToNewMap(map), identity);
  EXPECT_EQ(NewToOldMap(map), identity);
}

TEST(OldToNewMap, LaterNameWinsOnEqualKeys) {
  // Walked in name order: "b" comes after "a" and overwrites key 0.
  const LINE_NUMBER_MAP map = {{"a", {0, 5}}, {"b", {0, 7}}};
  EXPECT_EQ(OldToNewMap(map), (MAP_NEW_OLD_LINE_NUMBERS{{0, 7}}));
  EXPECT_EQ(NewToOldMap(map), (MAP_NEW_OLD_LINE_NUMBERS{{5, 0}, {7, 0}}));
}

// --- New Level Order commands ------------------------------------------------

TEST(NamesToAppend, SkipsPresentRepeatedAndDriveNames) {
  EXPECT_EQ(NamesToAppend({"2015", "CLIENT2", "a:b", "Old Clients", "old clients"}, {"client2"}),
            (Names{"2015", "Old Clients"}));
  EXPECT_TRUE(NamesToAppend({}, {"x"}).empty());
}

TEST(MoveLevel, UpAndDown) {
  Names order = {"a", "b", "c"};
  int selected = 1;
  EXPECT_EQ(MoveLevelUp(&order, &selected), LevelMove::Moved);
  EXPECT_EQ(order, (Names{"b", "a", "c"}));
  EXPECT_EQ(selected, 0);
  EXPECT_EQ(MoveLevelUp(&order, &selected), LevelMove::AtEdge);
  EXPECT_EQ(order, (Names{"b", "a", "c"}));

  selected = 1;
  EXPECT_EQ(MoveLevelDown(&order, &selected), LevelMove::Moved);
  EXPECT_EQ(order, (Names{"b", "c", "a"}));
  EXPECT_EQ(selected, 2);
  EXPECT_EQ(MoveLevelDown(&order, &selected), LevelMove::AtEdge);
  EXPECT_EQ(selected, 2);

  selected = -1;
  EXPECT_EQ(MoveLevelUp(&order, &selected), LevelMove::NoSelection);
  EXPECT_EQ(MoveLevelDown(&order, &selected), LevelMove::NoSelection);
  EXPECT_EQ(order, (Names{"b", "c", "a"}));

  Names empty;
  EXPECT_EQ(MoveLevelUp(&empty, &selected), LevelMove::EmptyList);
  EXPECT_EQ(MoveLevelDown(&empty, &selected), LevelMove::EmptyList);

  // A single entry is both first and last.
  Names one = {"a"};
  selected = 0;
  EXPECT_EQ(MoveLevelUp(&one, &selected), LevelMove::AtEdge);
  EXPECT_EQ(MoveLevelDown(&one, &selected), LevelMove::AtEdge);
}

}  // namespace
}  // namespace ordovan
