#include "paths/ValidationReports.h"

#include <gtest/gtest.h>

namespace ordovan {
namespace {

const char kSyntaxHeading[] =
    "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  (total: ";
const char kColonHeading[] = "There are more than one Colons in the Folder Names (total: ";
const char kNoDriveHeading[] =
    "You can only enter full paths with drive letters.\n"
    "Error Type: There are no drive letters in paths (";

TEST(ReportSyntaxErrors, ListsEachFindingWithItsCharacters) {
  std::string message = "before\n";
  EXPECT_TRUE(ReportSyntaxErrors(&message, {"f:\\a|b", "f:\\ok", "f:\\x<y>?"}));
  EXPECT_EQ(message, std::string("before\n") + kSyntaxHeading + "2) \n" +
                         "Syntax Error:  |    f:\\a|b\n"
                         "Syntax Error:  < > ?    f:\\x<y>?\n"
                         "\n");
}

TEST(ReportSyntaxErrors, ShowsThreeSamplesThenMoreLeft) {
  std::string message;
  EXPECT_TRUE(ReportSyntaxErrors(&message, {"f:\\1*", "f:\\2*", "f:\\3*", "f:\\4*", "f:\\5*"}));
  EXPECT_EQ(message, std::string(kSyntaxHeading) + "5) \n" +
                         "Syntax Error:  *    f:\\1*\n"
                         "Syntax Error:  *    f:\\2*\n"
                         "Syntax Error:  *    f:\\3*\n"
                         "\n2  more left\n\n");

  message.clear();
  EXPECT_TRUE(ReportSyntaxErrors(&message, {"f:\\1*", "f:\\2*", "f:\\3*"}));
  EXPECT_EQ(message, std::string(kSyntaxHeading) + "3) \n" +
                         "Syntax Error:  *    f:\\1*\n"
                         "Syntax Error:  *    f:\\2*\n"
                         "Syntax Error:  *    f:\\3*\n"
                         "\n");
}

TEST(ReportSyntaxErrors, SlashesAreSeparatorsNotErrors) {
  std::string message = "untouched";
  EXPECT_FALSE(ReportSyntaxErrors(&message, {"f:/a/b", "f:\\c", ""}));
  EXPECT_FALSE(ReportSyntaxErrors(&message, {}));
  EXPECT_EQ(message, "untouched");

  EXPECT_TRUE(ReportSyntaxErrors(&message, {"f://a?"}));
  EXPECT_EQ(message, std::string("untouched") + kSyntaxHeading + "1) \n" +
                         "Syntax Error:  ?    f:\\a?\n\n");
}

TEST(ReportColons, CountsColonsBeyondTheDrives) {
  std::string message;
  EXPECT_FALSE(ReportColons(&message, {"f:\\a", "g:\\b\\c", "plain"}));
  EXPECT_EQ(message, "");

  EXPECT_TRUE(ReportColons(&message, {"f:\\a:b", "f:\\ok", "f:\\a::b//c:"}));
  EXPECT_EQ(message, std::string(kColonHeading) + "2) \n" +
                         "No. of Colons: 2   f:\\a:b\n"
                         "No. of Colons: 4   f:\\a::b\\c:\n"
                         "\n");
}

TEST(ReportColons, ShowsThreeSamplesThenMoreLeft) {
  std::string message;
  EXPECT_TRUE(ReportColons(&message, {"a:b:", "c:d:", "e:f:", "g:h:"}));
  EXPECT_EQ(message, std::string(kColonHeading) + "4) \n" +
                         "No. of Colons: 2   a:b:\n"
                         "No. of Colons: 2   c:d:\n"
                         "No. of Colons: 2   e:f:\n"
                         "\n1  more left\n\n");
}

TEST(ValidateFullPaths, CleanListLeavesTheMessageAlone) {
  std::string message = "untouched";
  EXPECT_FALSE(ValidateFullPaths(&message, {"f:\\a\\b", "F:/x.y/z", "\\\\srv\\share\\a", "//srv/s"}));
  EXPECT_FALSE(ValidateFullPaths(&message, {}));
  EXPECT_EQ(message, "untouched");
}

TEST(ValidateFullPaths, EmptyLineIsAPathWithoutDrive) {
  std::string message;
  // "f:\a" has no extension, so the section ends with a blank line.
  EXPECT_TRUE(ValidateFullPaths(&message, {"f:\\a", ""}));
  EXPECT_EQ(message, std::string(kNoDriveHeading) + "1 )\n" + "\n" + "\n\n");
}

TEST(ValidateFullPaths, FivePathsWithoutDriveShowThreeThenMoreLeft) {
  std::string message = "earlier text";
  EXPECT_TRUE(ValidateFullPaths(&message, {"a.1", "b.1", "f:\\ok.1", "c.1", "d.1", "e.1"}));
  // Every path has an extension and no illegal character: no closing blank line.
  EXPECT_EQ(message, std::string(kNoDriveHeading) + "5 )\n" +
                         "a.1\n"
                         "b.1\n"
                         "c.1\n"
                         "\n2  more left");
}

TEST(ValidateFullPaths, NoDriveSectionClosesWithBlankLineWhenAPathHasNoExtension) {
  std::string message;
  EXPECT_TRUE(ValidateFullPaths(&message, {"x.1", "f:\\folder"}));
  EXPECT_EQ(message, std::string(kNoDriveHeading) + "1 )\n" + "x.1\n" + "\n\n");
}

TEST(ValidateFullPaths, AllThreeSectionsInOrder) {
  std::string message;
  EXPECT_TRUE(ValidateFullPaths(&message, {"Clients\\a.b", "f:/x|y.z", "f:\\a:b.c"}));
  EXPECT_EQ(message, std::string(kNoDriveHeading) + "1 )\n" + "Clients\\a.b\n" + "\n\n" +
                         kSyntaxHeading + "1) \n" + "Syntax Error:  |    f:\\x|y.z\n" + "\n" +
                         kColonHeading + "1) \n" + "No. of Colons: 2   f:\\a:b.c\n" + "\n");
}

TEST(ValidateFullPaths, SyntaxOrColonFindingsAloneMakeTheReport) {
  std::string message = "earlier text";
  EXPECT_TRUE(ValidateFullPaths(&message, {"f:\\a:b"}));
  EXPECT_EQ(message, std::string(kColonHeading) + "1) \n" + "No. of Colons: 2   f:\\a:b\n\n");

  message = "earlier text";
  EXPECT_TRUE(ValidateFullPaths(&message, {"f:\\a*"}));
  EXPECT_EQ(message, std::string(kSyntaxHeading) + "1) \n" + "Syntax Error:  *    f:\\a*\n\n");
}

TEST(ValidateFullPaths, DriveIsTakenFromThePathAsEntered) {
  std::string message;
  // A drive must be the second character; leading blanks hide it.
  EXPECT_TRUE(ValidateFullPaths(&message, {" f:\\a.b", "ab:\\c.d"}));
  EXPECT_EQ(message, std::string(kNoDriveHeading) + "2 )\n" + " f:\\a.b\n" + "ab:\\c.d\n");
}

}  // namespace
}  // namespace ordovan
