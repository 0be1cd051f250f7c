// The platform's path and text services as the toolkit relies on them; the
// same expectations hold on every backend.

#include "platform/PathServices.h"

#include <gtest/gtest.h>

namespace ordovan {
namespace {

TEST(PlatformDriveOf, DriveLetterOrNetworkShare) {
  EXPECT_EQ(PlatformDriveOf("f:\\Old Clients"), "f:");
  EXPECT_EQ(PlatformDriveOf("F:"), "F:");
  EXPECT_EQ(PlatformDriveOf("f:relative"), "f:");
  EXPECT_EQ(PlatformDriveOf("\\\\srv\\share\\a\\b"), "\\\\srv\\share");
  EXPECT_EQ(PlatformDriveOf("//srv/share/a"), "//srv/share");
  EXPECT_EQ(PlatformDriveOf("\\/srv\\share"), "\\/srv\\share");
  EXPECT_EQ(PlatformDriveOf("\\\\srv"), "\\\\srv");
  EXPECT_EQ(PlatformDriveOf("\\a\\b"), "");
  EXPECT_EQ(PlatformDriveOf("ab:\\c"), "");
  EXPECT_EQ(PlatformDriveOf("f"), "");
  EXPECT_EQ(PlatformDriveOf(""), "");
}

TEST(PlatformExtensionOf, FromTheLastDotAfterTheLastBackslashOrColon) {
  EXPECT_EQ(PlatformExtensionOf("d:\\src\\*.*"), ".*");
  EXPECT_EQ(PlatformExtensionOf("a.tar.gz"), ".gz");
  EXPECT_EQ(PlatformExtensionOf("b."), ".");
  EXPECT_EQ(PlatformExtensionOf("c:\\dir.old\\readme"), "");
  EXPECT_EQ(PlatformExtensionOf("c:.x"), ".x");
  EXPECT_EQ(PlatformExtensionOf("a.b:c"), "");
  EXPECT_EQ(PlatformExtensionOf("README"), "");
  EXPECT_EQ(PlatformExtensionOf(""), "");
}

TEST(PlatformLower, AsciiAndAccentedLetters) {
  EXPECT_EQ(PlatformLower("F:\\Old CLIENTS\\2016-X_y"), "f:\\old clients\\2016-x_y");
  EXPECT_EQ(PlatformLower("ÄRGER"), "ärger");
  EXPECT_EQ(PlatformLower("ÉCOLE Ÿ ÑANDÚ ΣΟΦΙΑ ДОМ"), "école ÿ ñandú σοφια дом");
  EXPECT_EQ(PlatformLower("日本 ß €"), "日本 ß €");
  EXPECT_EQ(PlatformLower(""), "");
}

TEST(PlatformLower, InvalidBytesStayAsTheyAre) {
  // A lone Latin-1 byte, a cut sequence, an overlong slash, an encoded
  // surrogate: each kept, the letters around them still lowered.
  EXPECT_EQ(PlatformLower("A\xC4" "B"), "a\xC4" "b");
  EXPECT_EQ(PlatformLower("Ä\xC3"), "ä\xC3");
  EXPECT_EQ(PlatformLower("\xC0\xAFZ"), "\xC0\xAFz");
  EXPECT_EQ(PlatformLower("\xED\xA0\x80Ö"), "\xED\xA0\x80ö");
  EXPECT_EQ(PlatformLower("\xFF\xFE"), "\xFF\xFE");
}

TEST(SameEntry, EqualWithoutRegardToLetterCase) {
  EXPECT_TRUE(SameEntry("F:\\Clients\\ACME", "f:\\clients\\acme"));
  EXPECT_TRUE(SameEntry("f:\\ÄRGER", "F:\\ärger"));
  EXPECT_TRUE(SameEntry("", ""));
  EXPECT_FALSE(SameEntry("f:\\a", "f:\\a\\"));
  EXPECT_FALSE(SameEntry("f:\\ärger", "f:\\arger"));
  EXPECT_FALSE(SameEntry("f:\\a ", "f:\\a"));
  EXPECT_EQ(EntryKey("F:\\ÄRGER"), EntryKey("f:\\ärger"));
  EXPECT_NE(EntryKey("F:\\ÄRGER"), EntryKey("f:\\arger"));
}

}  // namespace
}  // namespace ordovan
