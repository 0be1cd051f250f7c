#include "platform/Utf8.h"

#include <gtest/gtest.h>

namespace ordovan {
namespace {

// Every length rule of the program counts characters with this one count.
TEST(Utf8CharacterCount, CountsCharactersNotBytes) {
  const std::pair<std::string, std::size_t> cases[] = {
      {"", 0},
      {"f:\\New", 6},
      {"f:\\\xC3\x96rebro", 9},                 // two-byte "Ö"
      {"\xE2\x82\xAC", 1},                      // three-byte "€"
      {"f:\\\xF0\x9F\x93\x81", 4},              // four-byte folder sign
      {"\xC3\x96\xC3\x96\xC3\x96\xC3\x96", 4},  // ends on a whole sequence
  };
  for (const auto& [text, count] : cases) EXPECT_EQ(Utf8CharacterCount(text), count) << text;
}

}  // namespace
}  // namespace ordovan
