#include <gtest/gtest.h>

#include "importexport/ImportClass.h"

namespace ordovan {
namespace {

TEST(QuoteText, DoublesTheMarkInside) {
  EXPECT_EQ(QuoteText("it's", '\''), "'it''s'");
  EXPECT_EQ(QuoteText("", '"'), "\"\"");
}

TEST(DequoteText, RemovesOneLevelOfDoubleQuotes) {
  struct Case {
    const char* text;
    const char* result;
  };
  const Case cases[] = {
      {R"("f:\a b")", R"(f:\a b)"},
      {R"("a""b")", R"(a"b)"},
      {R"("abc"def)", "abc"},
      {R"("")", ""},
      {R"(")", ""},
      // returned unchanged
      {R"("abc)", R"("abc)"},
      {"abc", "abc"},
      {R"( "abc")", R"( "abc")"},
      {R"(""abc)", R"(""abc)"},
  };
  for (const Case& c : cases) EXPECT_EQ(DequoteText(c.text, '"'), c.result) << c.text;
}

TEST(DequoteText, UndoesQuoteText) {
  for (const char* text : {"it's", "''", "a'b'c", "", "plain"}) {
    EXPECT_EQ(DequoteText(QuoteText(text, '\''), '\''), text) << text;
  }
}

}  // namespace
}  // namespace ordovan
