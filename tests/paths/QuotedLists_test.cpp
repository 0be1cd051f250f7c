#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "paths/QuotedStrings.h"
#include "paths/PathText.h"
#include "support/RecordingPrompter.h"

namespace ordovan {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::RecordingPrompter;

POSITION_LIST QuoteMarks(const std::string& text) {
  POSITION_LIST marks;
  FindMarkPositions(text, "\"", &marks);
  return marks;
}

TEXT_LIST WhitespaceSplit(const std::string& text) {
  return SplitQuotedOnWhitespace(text, QuoteMarks(text));
}

TEST(SplitQuotedOnWhitespace, WorkedExample) {
  const std::string text = "\"old clients\" 2016 \"a b\"";
  ASSERT_EQ(text.size(), 24u);
  EXPECT_THAT(QuoteMarks(text), ElementsAre(0, 12, 19, 23));
  EXPECT_THAT(WhitespaceSplit(text), ElementsAre("old clients", "2016", "a b"));
}

TEST(SplitQuotedOnWhitespace, EmptyAndBlankItemsVanish) {
  EXPECT_THAT(WhitespaceSplit("\"\""), IsEmpty());
  EXPECT_THAT(WhitespaceSplit("a \"\" b"), ElementsAre("a", "b"));
  EXPECT_THAT(WhitespaceSplit("\"  x  \""), ElementsAre("x"));
  EXPECT_THAT(WhitespaceSplit(" \t \r\n "), IsEmpty());
  EXPECT_THAT(WhitespaceSplit(""), IsEmpty());
  EXPECT_THAT(WhitespaceSplit("\"   \""), IsEmpty());
}

TEST(SplitQuotedOnWhitespace, MarksCutEvenWhenDoubledOrInsideWords) {
  EXPECT_THAT(WhitespaceSplit("one two\tthree"), ElementsAre("one", "two", "three"));
  // Doubled marks are no escape: the pair is an empty quoted item.
  EXPECT_THAT(WhitespaceSplit("\"a\"\"b\""), ElementsAre("a", "b"));
  EXPECT_THAT(WhitespaceSplit("ab\"c d\"ef"), ElementsAre("ab", "c d", "ef"));
  // Inner tabs of a quoted item stay; only spaces are trimmed from it.
  EXPECT_THAT(WhitespaceSplit("\" \tx \""), ElementsAre("\tx"));
}

TEST(SplitQuotedOnWhitespace, TextAfterAnOddLastMarkCountsAsQuoted) {
  EXPECT_THAT(WhitespaceSplit("a \"b c"), ElementsAre("a", "b c"));
  EXPECT_THAT(WhitespaceSplit("\"b c"), ElementsAre("b c"));
  EXPECT_THAT(WhitespaceSplit("x\""), ElementsAre("x"));
}

TEST(SplitQuotedOnWhitespace, PositionsOutsideTheTextAreNeverRead) {
  EXPECT_THAT(SplitQuotedOnWhitespace("ab", {5, 9}), ElementsAre("ab"));
  // A position before its predecessor is taken as the predecessor.
  EXPECT_THAT(SplitQuotedOnWhitespace("a b c", {3, 1}), ElementsAre("a", "b", "c"));
  EXPECT_THAT(SplitQuotedOnWhitespace("", {0}), IsEmpty());
}

TEST(SplitQuotedOnDelimiters, QuotedItemsKeepTheirDelimiters) {
  const std::string text = "f:\\a;\"f:\\b;c\" ; g:\\d";
  EXPECT_THAT(SplitQuotedOnDelimiters(text, ";", QuoteMarks(text)),
              ElementsAre("f:\\a", "f:\\b;c", " g:\\d"));
}

TEST(SplitQuotedOnDelimiters, UnquotedTokensStayUntrimmed) {
  const std::string text = " a , b ,, ,\"q\"";
  EXPECT_THAT(SplitQuotedOnDelimiters(text, ",", QuoteMarks(text)), ElementsAre(" a ", " b ", "q"));
  EXPECT_THAT(SplitQuotedOnDelimiters("a;b,c", ";,", {}), ElementsAre("a", "b", "c"));
  EXPECT_THAT(SplitQuotedOnDelimiters("a b", "", {}), ElementsAre("a b"));
}

TEST(ParseQuotedStrings, AppendsItemsToTheTarget) {
  RecordingPrompter prompter;
  TEXT_LIST target = {"kept"};
  EXPECT_TRUE(ParseQuotedStrings("\"Client1\" 2016", "Include Strings : ", &target, prompter));
  EXPECT_THAT(target, ElementsAre("kept", "Client1", "2016"));
  EXPECT_TRUE(ParseQuotedStrings("", "Include Strings : ", &target, prompter));
  EXPECT_THAT(target, ElementsAre("kept", "Client1", "2016"));
  prompter.VerifyDone();
}

TEST(ParseQuotedStrings, OddNumberOfMarksIsRefusedWithMessage0519) {
  RecordingPrompter prompter;
  prompter.Expect(MessageKind::kWarning,
                  "Include Strings : Odd number of marks(separators) : 1\n\n"
                  "Action : You must enter an even number of separators(marks).",
                  "Warning !    Msg no: 0519.");
  prompter.Expect(MessageKind::kWarning,
                  "Exclude Strings : Odd number of marks(separators) : 3\n\n"
                  "Action : You must enter an even number of separators(marks).",
                  "Warning !    Msg no: 0519.");
  TEXT_LIST target = {"kept"};
  EXPECT_FALSE(ParseQuotedStrings("\"Client1 2016", "Include Strings : ", &target, prompter));
  EXPECT_FALSE(ParseQuotedStrings("\"a\" \"b", "Exclude Strings : ", &target, prompter));
  EXPECT_THAT(target, ElementsAre("kept"));
  prompter.VerifyDone();
}

}  // namespace
}  // namespace ordovan
