#include "scanning/ListBuilder.h"

#include <gtest/gtest.h>

#include "platform/EventPump.h"
#include "scanning/ListBuilderMessages.h"
#include "scanning/ScanTrees.h"
#include "support/RecordingPrompter.h"
#include "support/StoppingPump.h"

namespace ordovan {
namespace {

namespace msg = builder_messages;
using testing::RecordingPrompter;

TEST(ListBuilderTitles, TwelveBlanksBut0584HasThirteen) {
  EXPECT_EQ(msg::Title("0572"), "SubFolder Level List Builder.            Warning no: 0572.");
  EXPECT_EQ(msg::Title("0584"), "SubFolder Level List Builder.             Warning no: 0584.");
}

TEST(LevelNumbers, OnlyWholeNumbersFromZeroAreLevels) {
  EXPECT_EQ(ParseLevelNumber("0"), 0u);
  EXPECT_EQ(ParseLevelNumber(" 12 "), 12u);
  EXPECT_EQ(ParseLevelNumber("2147483647"), 2147483647u);
  for (const char* bad : {"", "abc", "-1", "+1", "1.5", "2147483648", "99999999999"}) {
    EXPECT_FALSE(ParseLevelNumber(bad)) << bad;
  }
}

TEST(LevelNumbers, LeavingFromOrToRepairsTheirTexts) {
  struct Case {
    const char *from, *to, *want_from, *want_to;
    bool from_corrected, to_corrected;
  } cases[] = {
      {"2", "4", "2", "4", false, false},
      {"x", "4", "1", "4", true, false},
      {"3", "", "3", "3", false, true},
      {"-1", "y", "1", "1", true, true},
  };
  for (const Case& c : cases) {
    _tagFromToCheck check = CheckFromToFields(c.from, c.to);
    EXPECT_EQ(check.from_text, c.want_from);
    EXPECT_EQ(check.to_text, c.want_to);
    EXPECT_EQ(check.from_corrected, c.from_corrected);
    EXPECT_EQ(check.to_corrected, c.to_corrected);
  }
}

class BuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Mount("d:");
    testing::MakeProjectsTree(tree);
    request.source_text = "  d:\\Projects ";
    request.from_text = "1";
    request.to_text = "1";
  }
  void ExpectQuestion(Answer answer) {
    prompter.Expect(MessageKind::kQuestion, msg::kClearIncludeQuestion, msg::Title("0580"), answer);
  }
  void ExpectWarning(const char* text, const char* number) {
    prompter.Expect(MessageKind::kWarning, text, msg::Title(number));
  }
  BuildOutcome Build(EventPump& pump = EventPump::None()) {
    return BuildSubfolderList(request, include, exclude, *FileSystem::Default(), prompter, pump);
  }

  testing::TempTree tree;
  RecordingPrompter prompter;
  _tagBuildRequest request;
  EntryList include;
  EntryList exclude;
};

TEST_F(BuildTest, BuildingTwiceAddsNothingNewAndYesRebuilds) {
  include.Append("c:\\Kept\\Entry");
  ExpectQuestion(Answer::kNo);
  ExpectWarning(msg::kBuildEnd, "0587");
  EXPECT_EQ(Build(), BuildOutcome::kBuilt);
  EXPECT_EQ(include.size(), 3u);
  EXPECT_EQ(include[0], "c:\\Kept\\Entry");

  ExpectQuestion(Answer::kNo);
  ExpectWarning(msg::kBuildEnd, "0587");
  Build();
  EXPECT_EQ(include.size(), 3u);

  ExpectQuestion(Answer::kYes);
  ExpectWarning(msg::kBuildEnd, "0587");
  Build();
  ASSERT_EQ(include.size(), 2u);
  EXPECT_TRUE(include.Contains("d:\\projects\\project1"));
  EXPECT_TRUE(include.Contains("D:\\PROJECTS\\PROJECT2"));
  prompter.VerifyDone();
}

TEST_F(BuildTest, AnExcludedFolderIsNotBuiltAgain) {
  exclude.Append("D:\\projects\\PROJECT1");
  ExpectQuestion(Answer::kYes);
  ExpectWarning(msg::kBuildEnd, "0587");
  Build();
  ASSERT_EQ(include.size(), 1u);
  EXPECT_EQ(include[0], "d:\\Projects\\Project2");
  prompter.VerifyDone();
}

TEST_F(BuildTest, NoSourceAndNoMatchesSayWhyAndEnd) {
  request.source_text = " \t";
  ExpectWarning(msg::kSelectionEmpty, "0579");
  ExpectWarning(msg::kBuildEnd, "0587");
  EXPECT_EQ(Build(), BuildOutcome::kNoSource);

  request.source_text = "d:\\Projects";
  request.filter_text = "nothing like it";
  include.Append("c:\\Old\\One");
  ExpectQuestion(Answer::kNo);
  ExpectWarning(msg::kNoMatches, "0582");
  ExpectWarning(msg::kBuildEnd, "0587");
  EXPECT_EQ(Build(), BuildOutcome::kNoMatches);
  EXPECT_EQ(include.size(), 1u);
  prompter.VerifyDone();
}

// Every bad number is caught before question 0580: the list is never lost
// to a typo.
TEST_F(BuildTest, BadNumbersEndTheCommandBeforeTheListIsTouched) {
  include.Append("c:\\Kept\\Entry");
  struct Case {
    LevelCopy::Mode mode;
    const char *from, *to, *above, *below, *bad;
  } cases[] = {
      {LevelCopy::kFromTo, "abc", "2", "1", "0", "abc"},
      {LevelCopy::kFromTo, "-1", "2", "1", "0", "-1"},
      {LevelCopy::kFromTo, "1", "99999999999", "1", "0", "99999999999"},
      {LevelCopy::kAbove, "1", "1", "x1", "0", "x1"},
      {LevelCopy::kBelow, "1", "1", "1", "-3", "-3"},
  };
  for (const Case& c : cases) {
    request.mode = c.mode;
    request.from_text = c.from;
    request.to_text = c.to;
    request.above_text = c.above;
    request.below_text = c.below;
    prompter.Expect(MessageKind::kError, msg::BadLevelNumber(c.bad), msg::Title("0583"));
    EXPECT_EQ(Build(), BuildOutcome::kBadNumber) << c.bad;
  }
  request.mode = LevelCopy::kFromTo;
  request.from_text = "3";
  request.to_text = "2";
  ExpectWarning(msg::kStartAfterEnd, "0581");
  EXPECT_EQ(Build(), BuildOutcome::kStartAfterEnd);
  ASSERT_EQ(include.size(), 1u);
  prompter.VerifyDone();
}

TEST_F(BuildTest, AStoppedBuildKeepsTheListEvenAfterYes) {
  include.Append("c:\\Kept\\Entry");
  request.mode = LevelCopy::kBelow;
  request.below_text = "1";
  ExpectQuestion(Answer::kYes);
  ExpectWarning(msg::kScanStopped, "0585");
  testing::StoppingPump pump(1);
  EXPECT_EQ(Build(pump), BuildOutcome::kStopped);
  ASSERT_EQ(include.size(), 1u);
  EXPECT_EQ(include[0], "c:\\Kept\\Entry");
  prompter.VerifyDone();
}

TEST(BuilderMoves, MovesSkipWhatTheTargetHoldsAndEmptyTheSource) {
  EntryList include, exclude;
  include.Assign({"d:\\A\\1", "d:\\A\\2", "d:\\A\\3", "\\NoDrive\\x"});
  exclude.Assign({"D:\\a\\2"});

  // ">": rows 1 and 3 leave; row 1 is held already, the drive-less one goes.
  EXPECT_EQ(BuilderMoveSelected(include, {3, 1, 3}, exclude, EventPump::None()), 1u);
  EXPECT_EQ(include.entries(), (TEXT_LIST{"d:\\A\\1", "d:\\A\\3"}));
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"D:\\a\\2", "\\NoDrive\\x"}));

  // "<>": each list gets the other's entries in their old order.
  BuilderExchange(include, exclude, EventPump::None());
  EXPECT_EQ(include.entries(), (TEXT_LIST{"D:\\a\\2", "\\NoDrive\\x"}));
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"d:\\A\\1", "d:\\A\\3"}));

  // ">>" with an entry the Exclude list holds: it is there once afterwards.
  include.Append("D:\\A\\1");
  EXPECT_EQ(BuilderMoveAll(include, exclude, EventPump::None()), 2u);
  EXPECT_TRUE(include.empty());
  EXPECT_EQ(exclude.entries(),
            (TEXT_LIST{"d:\\A\\1", "d:\\A\\3", "D:\\a\\2", "\\NoDrive\\x"}));
}

TEST(BuilderDeletions, AskFirstAndSayWhenThereIsNothing) {
  EntryList exclude;
  RecordingPrompter prompter;
  prompter.Expect(MessageKind::kWarning, msg::kExcludeEmptyForDelete, msg::Title("0576"));
  prompter.Expect(MessageKind::kWarning, msg::kExcludeEmpty, msg::Title("0577"));
  EXPECT_FALSE(DeleteSelectedExcluded(exclude, {0}, prompter));
  EXPECT_FALSE(DeleteAllExcluded(exclude, prompter));

  exclude.Assign({"d:\\A\\1", "d:\\A\\2", "d:\\A\\3"});
  const std::string ask_selected = msg::kDeleteSelectedQuestion;
  prompter.Expect(MessageKind::kQuestion, ask_selected, msg::Title("0575"), Answer::kNo);
  prompter.Expect(MessageKind::kQuestion, ask_selected, msg::Title("0575"), Answer::kYes);
  EXPECT_FALSE(DeleteSelectedExcluded(exclude, {0, 2}, prompter));
  EXPECT_EQ(exclude.size(), 3u);
  EXPECT_TRUE(DeleteSelectedExcluded(exclude, {0, 2}, prompter));
  EXPECT_EQ(exclude.entries(), (TEXT_LIST{"d:\\A\\2"}));

  prompter.Expect(MessageKind::kQuestion, msg::kDeleteAllQuestion, msg::Title("0578"), Answer::kYes);
  EXPECT_TRUE(DeleteAllExcluded(exclude, prompter));
  EXPECT_TRUE(exclude.empty());

  prompter.Expect(MessageKind::kQuestion, msg::kClearAllQuestion, msg::Title("0575"), Answer::kNo);
  EXPECT_FALSE(ConfirmClearAll(prompter));
  prompter.VerifyDone();
}

}  // namespace
}  // namespace ordovan
