#include "importexport/ImportSteps.h"

#include <gtest/gtest.h>

#include "platform/EventPump.h"

namespace ordovan {
namespace {

TEST(ImportStepsTest, ColumnNumberIsADecimalCutTowardZero) {
  struct Case {
    const char* text;
    std::optional<int> column;
  };
  const Case cases[] = {{"1", 1},          {" 3 ", 3},        {"2.9", 2},
                        {"-1.5", -1},      {"0", 0},          {"two", std::nullopt},
                        {"", std::nullopt}, {"4x", std::nullopt}, {"1e99", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(ParseColumnNumber(c.text), c.column) << c.text;
}

TEST(ImportStepsTest, PreviewCutsAtWholeCharacters) {
  EXPECT_EQ(PreviewLine(std::string(2048, 'a')).size(), 2048u);
  EXPECT_EQ(PreviewLine(std::string(2049, 'a')).size(), 2048u);
  std::string umlauts;
  for (int i = 0; i < 2050; ++i) umlauts += "\xC3\xA4";  // ä, two bytes each
  EXPECT_EQ(PreviewLine(umlauts), umlauts.substr(0, 4096));
}

TEST(ImportStepsTest, CreatedListTrimsDropsEmptyAndCaseDuplicates) {
  EntryList created;
  created.Append("old");
  std::vector<std::size_t> positions;
  FillCreatedList({"a", " ", "A", " a ", "b\t", "\"\""}, created,
                  [&](std::size_t p) { positions.push_back(p); }, EventPump::None());
  EXPECT_EQ(created.entries(), (TEXT_LIST{"a", "b", "\"\""}));
  EXPECT_EQ(positions, (std::vector<std::size_t>{1, 5, 6}));
}

}  // namespace
}  // namespace ordovan
