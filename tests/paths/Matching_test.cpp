// Extension masks and byte counts.

#include <gtest/gtest.h>

#include "paths/ByteSize.h"
#include "paths/PathText.h"

namespace ordovan {
namespace {

TEST(ExtensionMatchesMask, StarDotStarMatchesEveryNameWithAnExtension) {
  const std::string mask = "d:\\src\\*.*";
  EXPECT_TRUE(ExtensionMatchesMask(mask, "a.txt"));
  EXPECT_TRUE(ExtensionMatchesMask(mask, "b."));
  EXPECT_TRUE(ExtensionMatchesMask(mask, "d:\\src\\Report.2016.PDF"));
  EXPECT_FALSE(ExtensionMatchesMask(mask, "README"));
  EXPECT_FALSE(ExtensionMatchesMask(mask, ""));
  // The dot of a folder name is no extension of the file.
  EXPECT_FALSE(ExtensionMatchesMask(mask, "d:\\src.old\\README"));
}

TEST(ExtensionMatchesMask, QuestionMarksMatchOneCharacterIgnoringCase) {
  EXPECT_TRUE(ExtensionMatchesMask("*.t?t", "x.TXT"));
  EXPECT_TRUE(ExtensionMatchesMask("*.t?t", "x.tat"));
  EXPECT_FALSE(ExtensionMatchesMask("*.t?t", "x.tt"));
  EXPECT_FALSE(ExtensionMatchesMask("*.t?t", "x.text"));
  EXPECT_FALSE(ExtensionMatchesMask("*.t?t", "x.tax"));
  EXPECT_FALSE(ExtensionMatchesMask("*.t?t", "x"));
}

TEST(ExtensionMatchesMask, PlainExtensionsCompareWhole) {
  EXPECT_TRUE(ExtensionMatchesMask("c:\\a\\*.DOC", "letter.doc"));
  EXPECT_FALSE(ExtensionMatchesMask("c:\\a\\*.doc", "letter.docx"));
  EXPECT_FALSE(ExtensionMatchesMask("c:\\a\\*.doc", "letter.dot"));
  EXPECT_TRUE(ExtensionMatchesMask("*.ÄRG", "x.ärg"));
  // No extension on either side: both empty, equal.
  EXPECT_TRUE(ExtensionMatchesMask("c:\\a\\all", "README"));
}

TEST(ExtensionMatchesMask, StarAfterAPrefixComparesOnlyThePrefix) {
  EXPECT_TRUE(ExtensionMatchesMask("*.tx*", "a.txt"));
  EXPECT_TRUE(ExtensionMatchesMask("*.tx*", "a.tx"));
  EXPECT_FALSE(ExtensionMatchesMask("*.tx*", "a.t"));
  EXPECT_FALSE(ExtensionMatchesMask("*.tx*", "a.doc"));
  // Before the star a question mark is an ordinary character.
  EXPECT_FALSE(ExtensionMatchesMask("*.?x*", "a.txt"));
  EXPECT_TRUE(ExtensionMatchesMask("*.?x*", "a.?xe"));
}

TEST(FormatByteSize, UnitBoundariesAreStrictlyGreater) {
  struct Case {
    std::uint64_t bytes;
    const char* text;
  };
  for (const Case& c : {Case{0, "0.00 Bytes"}, Case{1, "1.00 Bytes"}, Case{1024, "1024.00 Bytes"},
                        Case{1025, "1.00 KB"}, Case{1536, "1.50 KB"},
                        Case{1048576, "1024.00 KB"}, Case{1048577, "1.00 MB"},
                        Case{1073741824, "1024.00 MB"}, Case{5368709120ULL, "5.00 GB"},
                        Case{1099511627776ULL, "1024.00 GB"}}) {
    EXPECT_EQ(FormatByteSize(c.bytes).text, c.text) << c.bytes;
  }
}

TEST(FormatByteSize, ValueAndUnitBesideTheText) {
  ByteSize s = FormatByteSize(1536);
  EXPECT_DOUBLE_EQ(s.value, 1.5);
  EXPECT_EQ(s.unit, " KB");
  s = FormatByteSize(1000);
  EXPECT_DOUBLE_EQ(s.value, 1000.0);
  EXPECT_EQ(s.unit, " Bytes");
  // Rounds to two decimals: 1.999 KB.
  EXPECT_EQ(FormatByteSize(2047).text, "2.00 KB");
  EXPECT_EQ(FormatByteSize(18446744073709551615ULL).text, "17179869184.00 GB");
}

}  // namespace
}  // namespace ordovan
