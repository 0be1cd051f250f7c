#include "reorganizer/ReLevel.h"

#include <gtest/gtest.h>

namespace ordovan {
namespace {

using Names = TEXT_LIST;

// The run's way to a setup: the template's line numbers, the recorded new
// order, then the maps.
ReLevelSetup SetupFor(const Names& old_order, const Names& new_order, std::int64_t cut,
                      const std::string& destination) {
  LINE_NUMBER_MAP map = LineNumbersFor(old_order);
  RecordNewOrder(&map, new_order);
  return MakeReLevelSetup(cut, map, destination);
}

void ExpectPair(const LevelFolderPair& pair, int old_line, const std::string& old_folder,
                int new_line, const std::string& new_folder) {
  EXPECT_EQ(pair.OldLine, old_line);
  EXPECT_EQ(pair.OldLevelFolder, old_folder);
  EXPECT_EQ(pair.NewLine, new_line);
  EXPECT_EQ(pair.NewLevelFolder, new_folder);
}

class ReversedTemplate : public ::testing::Test {
 protected:
  const ReLevelSetup setup = SetupFor({"Old Clients", "Client2", "2015"},
                                      {"2015", "Client2", "Old Clients"}, 0, "f:\\New Clients");
};

TEST_F(ReversedTemplate, SetupHoldsTheMapsAndTheSplitDestination) {
  const MAP_NEW_OLD_LINE_NUMBERS reversed = {{0, 2}, {1, 1}, {2, 0}};
  EXPECT_EQ(setup.new_to_old, reversed);
  EXPECT_EQ(setup.old_to_new, reversed);
  EXPECT_EQ(TemplateSize(setup), 3u);
  EXPECT_EQ(setup.destination_levels.drive, "f:");
  EXPECT_EQ(setup.destination_levels.levels, (Names{"New Clients"}));
}

TEST_F(ReversedTemplate, WorkedTable) {
  const ReLeveledPath pdf = ReLevelPath(setup, "f:\\Old Clients\\Client1\\2016\\docs\\pdf");
  EXPECT_EQ(pdf.SourceDrive, "f:");
  EXPECT_TRUE(pdf.CutNames.empty());
  EXPECT_EQ(pdf.RemainingNames, (Names{"Old Clients", "Client1", "2016", "docs", "pdf"}));
  EXPECT_EQ(pdf.OldMainFolder, "f:\\Old Clients\\Client1\\2016");
  EXPECT_EQ(pdf.NewMainFolder, "f:\\New Clients\\2016\\Client1\\Old Clients");
  EXPECT_EQ(pdf.NewFullFolder, "f:\\New Clients\\2016\\Client1\\Old Clients\\docs\\pdf");
  EXPECT_EQ(pdf.DeeperRelativePaths, (Names{"docs", "docs\\pdf"}));

  const ReLeveledPath y2015 = ReLevelPath(setup, "f:\\Old Clients\\Client2\\2015\\");
  EXPECT_EQ(y2015.NewMainFolder, "f:\\New Clients\\2015\\Client2\\Old Clients");
  EXPECT_EQ(y2015.NewFullFolder, "");
  EXPECT_TRUE(y2015.DeeperRelativePaths.empty());

  const ReLeveledPath emails = ReLevelPath(setup, "f:\\Old Clients\\Client2\\2016\\emails");
  EXPECT_EQ(emails.NewMainFolder, "f:\\New Clients\\2016\\Client2\\Old Clients");
  EXPECT_EQ(emails.NewFullFolder, "f:\\New Clients\\2016\\Client2\\Old Clients\\emails");
  EXPECT_EQ(emails.DeeperRelativePaths, (Names{"emails"}));

  // Names come from the path, never from the template.
  const ReLeveledPath txt = ReLevelPath(setup, "f:\\Business\\Client3\\2016\\txt");
  EXPECT_EQ(txt.NewMainFolder, "f:\\New Clients\\2016\\Client3\\Business");
  EXPECT_EQ(txt.NewFullFolder, "f:\\New Clients\\2016\\Client3\\Business\\txt");
  EXPECT_EQ(txt.DeeperRelativePaths, (Names{"txt"}));
}

TEST_F(ReversedTemplate, LevelPairsOfTheFirstPath) {
  const ReLeveledPath pdf = ReLevelPath(setup, "f:\\Old Clients\\Client1\\2016\\docs\\pdf");
  ASSERT_EQ(pdf.LevelFolderPairs.size(), 3u);
  ExpectPair(pdf.LevelFolderPairs[0], 0, "f:\\Old Clients", 2,
             "f:\\New Clients\\2016\\Client1\\Old Clients");
  ExpectPair(pdf.LevelFolderPairs[1], 1, "f:\\Old Clients\\Client1", 1,
             "f:\\New Clients\\2016\\Client1");
  ExpectPair(pdf.LevelFolderPairs[2], 2, "f:\\Old Clients\\Client1\\2016", 0, "f:\\New Clients\\2016");
}

TEST_F(ReversedTemplate, TrailingAndMixedSeparatorsChangeNothing) {
  const ReLeveledPath plain = ReLevelPath(setup, "f:\\a\\b\\c\\d");
  for (const char* variant : {"f:\\a\\b\\c\\d\\", "f:/a//b\\\\c/d/"}) {
    const ReLeveledPath other = ReLevelPath(setup, variant);
    EXPECT_EQ(other.OldMainFolder, plain.OldMainFolder) << variant;
    EXPECT_EQ(other.NewMainFolder, plain.NewMainFolder) << variant;
    EXPECT_EQ(other.NewFullFolder, plain.NewFullFolder) << variant;
    EXPECT_EQ(other.DeeperRelativePaths, plain.DeeperRelativePaths) << variant;
    ASSERT_EQ(other.LevelFolderPairs.size(), 3u);
    EXPECT_EQ(other.LevelFolderPairs[1].OldLevelFolder, "f:\\a\\b");
  }
}

TEST_F(ReversedTemplate, DifferentPathsCanMeetInOneMainFolder) {
  EXPECT_EQ(ReLevelPath(setup, "f:\\Old Clients\\Client1\\2016\\docs\\pdf").NewMainFolder,
            ReLevelPath(setup, "f:\\Old Clients\\Client1\\2016\\docs\\ppt").NewMainFolder);
}

TEST(ReLevelPath, CutTableOfOneLevel) {
  const ReLevelSetup setup = SetupFor({"Client2", "2015"}, {"2015", "Client2"}, 1, "f:\\New Clients");
  const MAP_NEW_OLD_LINE_NUMBERS swapped = {{0, 1}, {1, 0}};
  EXPECT_EQ(setup.new_to_old, swapped);
  EXPECT_EQ(setup.old_to_new, swapped);

  const ReLeveledPath pdf = ReLevelPath(setup, "f:\\Old Clients\\Client1\\2016\\docs\\pdf");
  EXPECT_EQ(pdf.CutNames, (Names{"Old Clients"}));
  EXPECT_EQ(pdf.RemainingNames, (Names{"Client1", "2016", "docs", "pdf"}));
  EXPECT_EQ(pdf.OldMainFolder, "f:\\Old Clients\\Client1\\2016");
  EXPECT_EQ(pdf.NewMainFolder, "f:\\New Clients\\2016\\Client1");
  EXPECT_EQ(pdf.NewFullFolder, "f:\\New Clients\\2016\\Client1\\docs\\pdf");
  EXPECT_EQ(pdf.DeeperRelativePaths, (Names{"docs", "docs\\pdf"}));
  // The cut level f:\Old Clients has no pair.
  ASSERT_EQ(pdf.LevelFolderPairs.size(), 2u);
  ExpectPair(pdf.LevelFolderPairs[0], 0, "f:\\Old Clients\\Client1", 1, "f:\\New Clients\\2016\\Client1");
  ExpectPair(pdf.LevelFolderPairs[1], 1, "f:\\Old Clients\\Client1\\2016", 0, "f:\\New Clients\\2016");

  const ReLeveledPath y2015 = ReLevelPath(setup, "f:\\Old Clients\\Client2\\2015\\");
  EXPECT_EQ(y2015.CutNames, (Names{"Old Clients"}));
  EXPECT_EQ(y2015.OldMainFolder, "f:\\Old Clients\\Client2\\2015");
  EXPECT_EQ(y2015.NewMainFolder, "f:\\New Clients\\2015\\Client2");
  EXPECT_EQ(y2015.NewFullFolder, "");

  const ReLeveledPath txt = ReLevelPath(setup, "f:\\Business\\Client3\\2016\\txt");
  EXPECT_EQ(txt.CutNames, (Names{"Business"}));
  EXPECT_EQ(txt.OldMainFolder, "f:\\Business\\Client3\\2016");
  EXPECT_EQ(txt.NewMainFolder, "f:\\New Clients\\2016\\Client3");
  EXPECT_EQ(txt.NewFullFolder, "f:\\New Clients\\2016\\Client3\\txt");
}

TEST(ReLevelPath, IdentityOrderKeepsTheNamesInPlace) {
  const ReLevelSetup setup = SetupFor({"a", "b", "c"}, {"a", "b", "c"}, 0, "g:\\dest\\sub");
  const ReLeveledPath r = ReLevelPath(setup, "f:\\x\\y\\z\\deep");
  EXPECT_EQ(r.NewMainFolder, "g:\\dest\\sub\\x\\y\\z");
  EXPECT_EQ(r.NewFullFolder, "g:\\dest\\sub\\x\\y\\z\\deep");
  ASSERT_EQ(r.LevelFolderPairs.size(), 3u);
  ExpectPair(r.LevelFolderPairs[0], 0, "f:\\x", 0, "g:\\dest\\sub\\x");
  ExpectPair(r.LevelFolderPairs[1], 1, "f:\\x\\y", 1, "g:\\dest\\sub\\x\\y");
  ExpectPair(r.LevelFolderPairs[2], 2, "f:\\x\\y\\z", 2, "g:\\dest\\sub\\x\\y\\z");
}

TEST(ReLevelPath, RotationPairsEachLevelWithWhereItsNameNowStands) {
  // a b c -> b c a: each new level folder ends in the old level's own name.
  const ReLevelSetup setup = SetupFor({"a", "b", "c"}, {"b", "c", "a"}, 0, "d:\\n");
  const ReLeveledPath r = ReLevelPath(setup, "f:\\A\\B\\C\\D\\E");
  EXPECT_EQ(r.NewMainFolder, "d:\\n\\B\\C\\A");
  EXPECT_EQ(r.DeeperRelativePaths, (Names{"D", "D\\E"}));
  ASSERT_EQ(r.LevelFolderPairs.size(), 3u);
  ExpectPair(r.LevelFolderPairs[0], 0, "f:\\A", 2, "d:\\n\\B\\C\\A");
  ExpectPair(r.LevelFolderPairs[1], 1, "f:\\A\\B", 0, "d:\\n\\B");
  ExpectPair(r.LevelFolderPairs[2], 2, "f:\\A\\B\\C", 1, "d:\\n\\B\\C");
}

TEST(ReLevelPath, SeparatorsTypedInTheDestinationDoNotReachTheNewPaths) {
  // `f:\New Clients\` and `f:/New//Clients` are the folders `f:\New Clients`
  // and `f:\New\Clients`: main, full and level folders alike.
  const ReLevelSetup setup = SetupFor({"a", "b"}, {"b", "a"}, 0, "f:\\New Clients\\");
  EXPECT_EQ(setup.destination, "f:\\New Clients");
  const ReLeveledPath r = ReLevelPath(setup, "f:\\x\\y\\z");
  EXPECT_EQ(r.NewMainFolder, "f:\\New Clients\\y\\x");
  EXPECT_EQ(r.NewFullFolder, "f:\\New Clients\\y\\x\\z");
  ASSERT_EQ(r.LevelFolderPairs.size(), 2u);
  ExpectPair(r.LevelFolderPairs[0], 0, "f:\\x", 1, "f:\\New Clients\\y\\x");
  ExpectPair(r.LevelFolderPairs[1], 1, "f:\\x\\y", 0, "f:\\New Clients\\y");

  const ReLevelSetup slashed = SetupFor({"a", "b"}, {"b", "a"}, 0, "f:/New//Clients//");
  const ReLeveledPath s = ReLevelPath(slashed, "f:\\x\\y");
  EXPECT_EQ(s.NewMainFolder, "f:\\New\\Clients\\y\\x");
  EXPECT_EQ(s.LevelFolderPairs[1].NewLevelFolder, "f:\\New\\Clients\\y");

  // A network destination keeps its two leading backslashes.
  EXPECT_EQ(SetupFor({"a"}, {"a"}, 0, "\\\\srv\\share\\out\\").destination,
            "\\\\srv\\share\\out");
}

TEST(ReLevelPath, NetworkPathsKeepTheirDoubleBackslash) {
  const ReLevelSetup setup = SetupFor({"a", "b"}, {"b", "a"}, 0, "\\\\srv\\share\\out");
  const ReLeveledPath r = ReLevelPath(setup, "\\\\host\\vol\\x");
  EXPECT_EQ(r.SourceDrive, "");
  EXPECT_EQ(r.RemainingNames, (Names{"host", "vol", "x"}));
  EXPECT_EQ(r.OldMainFolder, "\\\\host\\vol");
  EXPECT_EQ(r.NewMainFolder, "\\\\srv\\share\\out\\vol\\host");
  ASSERT_EQ(r.LevelFolderPairs.size(), 2u);
  ExpectPair(r.LevelFolderPairs[0], 0, "\\\\host", 1, "\\\\srv\\share\\out\\vol\\host");
  ExpectPair(r.LevelFolderPairs[1], 1, "\\\\host\\vol", 0, "\\\\srv\\share\\out\\vol");
}

TEST(CanReLevel, NeedsCutPlusTemplateNames) {
  const ReLevelSetup setup = SetupFor({"a", "b"}, {"b", "a"}, 1, "f:\\New");
  EXPECT_FALSE(CanReLevel(setup, "f:\\x\\y"));
  EXPECT_FALSE(CanReLevel(setup, "f:\\"));
  EXPECT_TRUE(CanReLevel(setup, "f:\\x\\y\\z"));

  // Exactly n + N names: the main folder is the whole new path.
  const ReLeveledPath exact = ReLevelPath(setup, "f:\\x\\y\\z");
  EXPECT_EQ(exact.NewMainFolder, "f:\\New\\z\\y");
  EXPECT_EQ(exact.NewFullFolder, "");
  EXPECT_TRUE(exact.DeeperRelativePaths.empty());

  // Too short: the names as split, nothing to create.
  const ReLeveledPath short_path = ReLevelPath(setup, "f:\\x\\y");
  EXPECT_EQ(short_path.CutNames, (Names{"x"}));
  EXPECT_EQ(short_path.RemainingNames, (Names{"y"}));
  EXPECT_EQ(short_path.OldMainFolder, "");
  EXPECT_EQ(short_path.NewMainFolder, "");
  EXPECT_TRUE(short_path.LevelFolderPairs.empty());

  // A cut larger than the path reads nothing past its end.
  const ReLevelSetup big_cut = SetupFor({"a", "b"}, {"b", "a"}, 9, "f:\\New");
  EXPECT_FALSE(CanReLevel(big_cut, "f:\\x\\y\\z"));
  EXPECT_EQ(ReLevelPath(big_cut, "f:\\x\\y\\z").CutNames, (Names{"x", "y", "z"}));
}

TEST(CanReLevel, NegativeCutCutsNothing) {
  const ReLevelSetup setup = SetupFor({"a", "b"}, {"b", "a"}, -3, "f:\\New");
  ASSERT_TRUE(CanReLevel(setup, "f:\\x\\y"));
  const ReLeveledPath r = ReLevelPath(setup, "f:\\x\\y");
  EXPECT_TRUE(r.CutNames.empty());
  EXPECT_EQ(r.NewMainFolder, "f:\\New\\y\\x");
}

TEST(CanReLevel, RefusesNamesThatClimbOutOfTheDestination) {
  const ReLevelSetup setup = SetupFor({"a", "b"}, {"a", "b"}, 0, "f:\\New");
  for (const char* path : {"f:\\..\\x\\y", "f:\\x\\..", "f:\\x\\y\\..\\..\\..\\z", "f:\\.\\x\\y",
                           "f:\\x\\y\\...", "f:\\x\\ \\y"}) {
    EXPECT_FALSE(CanReLevel(setup, path)) << path;
    EXPECT_EQ(ReLevelPath(setup, path).NewMainFolder, "") << path;
  }
  EXPECT_TRUE(CanReLevel(setup, "f:\\x.\\.y\\..z"));
}

TEST(CanReLevel, RefusesMapsThatAreNotAPermutation) {
  const std::string path = "f:\\x\\y\\z";
  // Two names on new line 0: the new order leaves line 1 without a level.
  LINE_NUMBER_MAP clash = {{"a", {0, 0}}, {"b", {1, 0}}};
  const ReLevelSetup bad = MakeReLevelSetup(0, clash, "f:\\New");
  EXPECT_FALSE(CanReLevel(bad, path));
  EXPECT_TRUE(ReLevelPath(bad, path).LevelFolderPairs.empty());

  // A line number beyond the template.
  LINE_NUMBER_MAP beyond = {{"a", {0, 1}}, {"b", {5, 0}}};
  EXPECT_FALSE(CanReLevel(MakeReLevelSetup(0, beyond, "f:\\New"), path));

  // An empty template re-levels every path onto the destination itself.
  const ReLevelSetup none = MakeReLevelSetup(0, {}, "f:\\New");
  ASSERT_TRUE(CanReLevel(none, "f:\\x"));
  const ReLeveledPath r = ReLevelPath(none, "f:\\x");
  EXPECT_EQ(r.NewMainFolder, "f:\\New");
  EXPECT_EQ(r.NewFullFolder, "f:\\New\\x");
  EXPECT_TRUE(r.LevelFolderPairs.empty());
}

}  // namespace
}  // namespace ordovan
