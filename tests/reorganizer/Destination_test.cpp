#include "reorganizer/Destination.h"

#include <gtest/gtest.h>

namespace ordovan {
namespace {

using Names = TEXT_LIST;

TEST(AcceptDestination, BlankIsEmptyAndLeavesTheHistory) {
  const Names history = {"f:\\a"};
  for (const char* blank : {"", "   ", "\t\r\n "}) {
    const DestinationAcceptance r = AcceptDestination(blank, history);
    EXPECT_EQ(r.outcome, DestinationOutcome::Empty) << blank;
    EXPECT_EQ(r.history, history);
    EXPECT_EQ(r.selected, -1);
  }
}

TEST(AcceptDestination, ThreeCharactersOrFewerIsARoot) {
  const Names history = {"f:\\a"};
  for (const char* root : {"c:\\", "c:", "x", " c:"}) {
    const DestinationAcceptance r = AcceptDestination(root, history);
    EXPECT_EQ(r.outcome, DestinationOutcome::Root) << root;
    EXPECT_EQ(r.history, history);
    EXPECT_EQ(r.selected, -1);
  }
  // Four characters pass, counted as characters, not bytes.
  EXPECT_EQ(AcceptDestination("d:\\x", {}).outcome, DestinationOutcome::Accepted);
  EXPECT_EQ(AcceptDestination("d:\xc3\xa9", {}).outcome, DestinationOutcome::Root);
  EXPECT_EQ(AcceptDestination("d:\\\xc3\xa9", {}).outcome, DestinationOutcome::Accepted);
}

TEST(AcceptDestination, HistoryOrderAThenBThenA) {
  DestinationAcceptance r = AcceptDestination("f:\\A", {});
  EXPECT_EQ(r.outcome, DestinationOutcome::Accepted);
  EXPECT_EQ(r.history, (Names{"f:\\A"}));
  EXPECT_EQ(r.selected, 0);

  r = AcceptDestination("f:\\B", r.history);
  EXPECT_EQ(r.history, (Names{"f:\\B", "f:\\A"}));
  EXPECT_EQ(r.selected, 0);

  // Already there: selected where it stands, not moved.
  r = AcceptDestination("f:\\A", r.history);
  EXPECT_EQ(r.outcome, DestinationOutcome::Accepted);
  EXPECT_EQ(r.history, (Names{"f:\\B", "f:\\A"}));
  EXPECT_EQ(r.selected, 1);
}

TEST(AcceptDestination, CaseOnlyDifferenceIsTheSameEntry) {
  const DestinationAcceptance r = AcceptDestination("F:\\NEW Clients", {"g:\\x", "f:\\new clients"});
  EXPECT_EQ(r.history, (Names{"g:\\x", "f:\\new clients"}));
  EXPECT_EQ(r.selected, 1);
}

TEST(AcceptDestination, RefillDropsEmptyEntriesAndRepeats) {
  const DestinationAcceptance r =
      AcceptDestination("f:\\new", {"g:\\x", "", "G:\\X", "h:\\y", "g:\\x"});
  EXPECT_EQ(r.history, (Names{"f:\\new", "g:\\x", "h:\\y"}));
  EXPECT_EQ(r.selected, 0);
}

TEST(DestinationAllowsRun, OnlyLongerThanARootAfterTrimming) {
  EXPECT_FALSE(DestinationAllowsRun(""));
  EXPECT_FALSE(DestinationAllowsRun("c:\\"));
  EXPECT_FALSE(DestinationAllowsRun("  c:\\  "));
  EXPECT_TRUE(DestinationAllowsRun("d:\\x"));
}

}  // namespace
}  // namespace ordovan
