#include "paths/PathText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace ordovan {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SeparatorReplacement, CollapsesRunsOfAnyLength) {
  EXPECT_EQ(CollapseDoubleBackslashes("a\\\\\\\\\\b\\\\c"), "a\\b\\c");
  EXPECT_EQ(CollapseDoubleSlashes("//a///b/"), "/a/b/");
  EXPECT_EQ(CollapseDoubleColons("f:::a::b"), "f:a:b");
  EXPECT_EQ(SlashesToBackslashes("a/b\\c/"), "a\\b\\c\\");
  EXPECT_EQ(BackslashesToSlashes("f:\\a/b\\"), "f:/a/b/");
}

TEST(SeparatorReplacement, NormalizePathKeepsTrailingSeparatorCaseAndColons) {
  EXPECT_EQ(NormalizePath("f:/a//b\\\\\\c/"), "f:\\a\\b\\c\\");
  EXPECT_EQ(NormalizePath("\\\\srv\\share"), "\\srv\\share");
  EXPECT_EQ(NormalizePath(" F:\\A::B\\ "), " F:\\A::B\\ ");
  EXPECT_EQ(NormalizePath(""), "");
}

TEST(SeparatorReplacement, PathToNameText) {
  EXPECT_EQ(PathToNameText("f:\\a\\b"), "f--a-b");
  EXPECT_EQ(PathToNameText("c:/x:y"), "c--x-y");
}

TEST(SeparatorReplacement, NormalizedDeliveryEmptiesOrAppends) {
  TEXT_LIST target = {"old"};
  AppendNormalizedPath("f:/a//b", &target);
  EXPECT_THAT(target, ElementsAre("old", "f:\\a\\b"));
  NormalizePathInto("g:\\\\x/", &target);
  EXPECT_THAT(target, ElementsAre("g:\\x\\"));
}

TEST(Counting, SeparatorsAndColons) {
  EXPECT_EQ(CountPathSeparators("f:\\a/b"), 2);
  EXPECT_EQ(CountPathSeparators("f:\\a\\b"), 2);
  EXPECT_EQ(CountPathSeparators("f:\\a\\b\\"), 3);
  EXPECT_EQ(CountPathSeparators("name"), 0);
  EXPECT_EQ(CountColons("f:\\a:b::c"), 4);
  EXPECT_EQ(CountColons(""), 0);
}

TEST(Counting, FindMarkPositionsResumesOneAfterEachHit) {
  POSITION_LIST positions = {99};
  EXPECT_EQ(FindMarkPositions("\"a\" \"b", "\"", &positions), 3);
  EXPECT_THAT(positions, ElementsAre(99, 0, 2, 4));

  // Overlapping hits of a longer mark are each found.
  POSITION_LIST overlapping;
  EXPECT_EQ(FindMarkPositions("aaaa", "aa", &overlapping), 3);
  EXPECT_THAT(overlapping, ElementsAre(0, 1, 2));

  POSITION_LIST none;
  EXPECT_EQ(FindMarkPositions("", "\"", &none), 0);
  EXPECT_EQ(FindMarkPositions("abc", "", &none), 0);
  EXPECT_THAT(none, IsEmpty());
}

TEST(Counting, ContainsIgnoreCase) {
  ContainsResult r = ContainsIgnoreCase("F:\\Clients\\ACME", "acme");
  EXPECT_TRUE(r.result);
  EXPECT_TRUE(r.needle_given);

  r = ContainsIgnoreCase("F:\\Clients\\ACME", "");
  EXPECT_FALSE(r.result);
  EXPECT_FALSE(r.needle_given);

  r = ContainsIgnoreCase("F:\\Clients", "acme");
  EXPECT_FALSE(r.result);
  EXPECT_TRUE(r.needle_given);

  EXPECT_TRUE(ContainsIgnoreCase("f:\\Kunden\\ÄRGER 2016", "ärger").result);
  EXPECT_FALSE(ContainsIgnoreCase("", "a").result);
}

TEST(Counting, FindIllegalCharacters) {
  IllegalCharacters r = FindIllegalCharacters("a*b?c");
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.characters, " * ?");

  r = FindIllegalCharacters("/\"*|<>??");
  EXPECT_EQ(r.characters, " / \" * | < > ? ?");

  r = FindIllegalCharacters("f:\\a:b\\c d");  // colon and backslash are not in the class
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.characters, "");
}

TEST(Trimming, TrimSpacesOnlyTakesSpaces) {
  EXPECT_EQ(TrimSpaces("  abc  "), "abc");
  EXPECT_EQ(TrimSpaces("\t\t"), "\t\t");
  EXPECT_EQ(TrimSpaces(" \ta b\t "), "\ta b\t");
  EXPECT_EQ(TrimSpaces("    "), "");
  EXPECT_EQ(TrimSpaces(""), "");
}

TEST(Trimming, TrimTakesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t\r\n\x01 a b \x1f\x7f"), "a b \x1f\x7f");
  EXPECT_EQ(Trim("\t \n"), "");
  // Bytes of non-ASCII characters are never taken for blanks.
  EXPECT_EQ(Trim("\xC3\xA4 "), "\xC3\xA4");
}

TEST(Tokenizing, SplitOnWhitespace) {
  EXPECT_THAT(SplitOnWhitespace(" a\tb\r\n\v\fc  "), ElementsAre("a", "b", "c"));
  EXPECT_THAT(SplitOnWhitespace(" \t "), IsEmpty());
  EXPECT_THAT(SplitOnWhitespace(""), IsEmpty());
}

TEST(Tokenizing, SplitOnDelimiters) {
  EXPECT_THAT(SplitOnDelimiters(";a;;b;", ";"), ElementsAre("a", "b"));
  EXPECT_THAT(SplitOnDelimiters("a,b;c d", ",;"), ElementsAre("a", "b", "c d"));
  EXPECT_THAT(SplitOnDelimiters("a;b", ""), ElementsAre("a;b"));
  EXPECT_THAT(SplitOnDelimiters("", ";"), IsEmpty());
  EXPECT_THAT(SplitOnDelimiters("", ""), IsEmpty());
  EXPECT_THAT(SplitOnDelimiters(";;;", ";"), IsEmpty());
}

TEST(PathStructure, SplitDrivePartTakesUpToTheFirstColon) {
  DrivePart d = SplitDrivePart("abc:def:g");
  EXPECT_TRUE(d.has_drive);
  EXPECT_EQ(d.drive, "abc:");
  EXPECT_EQ(d.rest, "def:g");

  d = SplitDrivePart("\\\\srv\\share");
  EXPECT_FALSE(d.has_drive);
  EXPECT_EQ(d.drive, "");
  EXPECT_EQ(d.rest, "\\\\srv\\share");
}

TEST(PathStructure, SplitPathLevelsTable) {
  PathLevels p = SplitPathLevels("f:\\Old Clients\\Client1\\2016\\docs\\pdf");
  EXPECT_EQ(p.drive, "f:");
  EXPECT_THAT(p.levels, ElementsAre("Old Clients", "Client1", "2016", "docs", "pdf"));

  for (const char* path : {"f:\\", "f:"}) {
    p = SplitPathLevels(path);
    EXPECT_EQ(p.drive, "f:") << path;
    EXPECT_THAT(p.levels, IsEmpty()) << path;
  }

  p = SplitPathLevels("F:/data//x/");
  EXPECT_EQ(p.drive, "F:");
  EXPECT_THAT(p.levels, ElementsAre("data", "x"));

  p = SplitPathLevels("\\\\srv\\share\\a");
  EXPECT_EQ(p.drive, "");
  EXPECT_THAT(p.levels, ElementsAre("srv", "share", "a"));

  p = SplitPathLevels("f:\\a::b\\c");
  EXPECT_EQ(p.drive, "f:");
  EXPECT_THAT(p.levels, ElementsAre("a:b", "c"));

  p = SplitPathLevels(" f:\\ a \\b ");
  EXPECT_EQ(p.drive, " f:");
  EXPECT_THAT(p.levels, ElementsAre(" a ", "b "));
}

TEST(PathStructure, SplitPathLevelsEdges) {
  PathLevels p = SplitPathLevels("");
  EXPECT_EQ(p.drive, "");
  EXPECT_THAT(p.levels, IsEmpty());

  p = SplitPathLevels("Clients/2016\\docs");
  EXPECT_EQ(p.drive, "");
  EXPECT_THAT(p.levels, ElementsAre("Clients", "2016", "docs"));

  // Colons after the drive's are part of names; runs of them shrink to one,
  // colons split by a separator do not merge.
  p = SplitPathLevels("f::\\a:::b\\:c:");
  EXPECT_EQ(p.drive, "f:");
  EXPECT_THAT(p.levels, ElementsAre(":", "a:b", ":c:"));

  p = SplitPathLevels("f:\\\\/\\/");
  EXPECT_THAT(p.levels, IsEmpty());
}

// The one-pass forms must agree with the step-by-step definitions on any
// mix of names, separators and colons.
TEST(PathStructure, OnePassFormsAgreeWithTheirStepByStepDefinitions) {
  std::mt19937 rng(7);
  const char alphabet[] = {'a', 'B', ':', '\\', '/', ' ', '.'};
  std::uniform_int_distribution<int> length(0, 14);
  std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
  for (int round = 0; round < 5000; ++round) {
    std::string path;
    for (int i = length(rng); i > 0; --i) path += alphabet[pick(rng)];

    EXPECT_EQ(NormalizePath(path), CollapseDoubleBackslashes(SlashesToBackslashes(path))) << path;

    DrivePart d = SplitDrivePart(path);
    TEXT_LIST expected = SplitOnDelimiters(
        CollapseDoubleColons(CollapseDoubleBackslashes(SlashesToBackslashes(d.rest))), "\\");
    PathLevels p = SplitPathLevels(path);
    EXPECT_EQ(p.drive, d.drive) << path;
    EXPECT_EQ(p.levels, expected) << path;
  }
}

TEST(PathStructure, JoinPathLevelsIsTheReverseOfSplit) {
  EXPECT_EQ(JoinPathLevels("f:", {"Client1", "2016"}), "f:\\Client1\\2016");
  EXPECT_EQ(JoinPathLevels("f:", {}), "f:");
  EXPECT_EQ(JoinPathLevels("f:", {"", "a", ""}), "f:\\a");
  // A drive given with its root separator does not double it.
  EXPECT_EQ(JoinPathLevels("f:\\", {"a"}), "f:\\a");

  const std::string path = "f:\\Old Clients\\Client1\\2016\\docs\\pdf";
  PathLevels p = SplitPathLevels(path);
  EXPECT_EQ(JoinPathLevels(p.drive, p.levels), path);
  p = SplitPathLevels("F:/data//x/");
  EXPECT_EQ(JoinPathLevels(p.drive, p.levels), "F:\\data\\x");
}

TEST(PathStructure, SplitParentAndName) {
  ParentAndName r = SplitParentAndName("c:\\a\\b");
  EXPECT_EQ(r.parent, "c:\\a\\");
  EXPECT_EQ(r.name, "b");

  r = SplitParentAndName("c:\\a\\b\\");
  EXPECT_EQ(r.parent, "c:\\a\\b\\");
  EXPECT_EQ(r.name, "");

  r = SplitParentAndName("folder");
  EXPECT_EQ(r.parent, "folder");
  EXPECT_EQ(r.name, "");

  r = SplitParentAndName("c:\\a/b");
  EXPECT_EQ(r.parent, "c:\\a\\");
  EXPECT_EQ(r.name, "b");

  r = SplitParentAndName("  c:\\a\\  b c  ");
  EXPECT_EQ(r.parent, "c:\\a\\");
  EXPECT_EQ(r.name, "b c");

  r = SplitParentAndName("");
  EXPECT_EQ(r.parent, "");
  EXPECT_EQ(r.name, "");
}

TEST(PathStructure, FileExtensionOf) {
  FileExtension e = FileExtensionOf("c:\\x\\y.txt");
  EXPECT_TRUE(e.has_extension);
  EXPECT_EQ(e.extension, "txt");

  for (const char* path : {"c:\\a.b\\c", "c:\\dir.old\\readme", "name", "", "c:/a.b/c"}) {
    e = FileExtensionOf(path);
    EXPECT_FALSE(e.has_extension) << path;
    EXPECT_EQ(e.extension, "noext") << path;
  }

  e = FileExtensionOf("c:\\x\\file.");
  EXPECT_TRUE(e.has_extension);
  EXPECT_EQ(e.extension, "");

  e = FileExtensionOf("archive.tar.gz");
  EXPECT_EQ(e.extension, "gz");
}

}  // namespace
}  // namespace ordovan
