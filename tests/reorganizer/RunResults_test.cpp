// The results of a run: the order of each result list and the counting rules.

#include "reorganizer/RunResults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/PathServices.h"

namespace ordovan {
namespace {

// What a sorted list must show: the entries ordered by their keys, equal keys
// in recorded order.
TEXT_LIST ReferenceOrder(TEXT_LIST entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return EntryKey(a) < EntryKey(b);
  });
  return entries;
}

// Keeps a copy of the list in step with the rows the list announces.
class MirrorObserver : public ResultEntriesObserver {
 public:
  void BeforeInsert(std::size_t row) override { pending_row = row; ++before; }
  void AfterInsert() override { ++after; }
  void BeforeClear() override { ++clears; }
  void AfterClear() override { mirror.clear(); }

  std::size_t pending_row = 0;
  int before = 0, after = 0, clears = 0;
  TEXT_LIST mirror;
};

TEST(ResultEntries, RecordedOrderKeepsDuplicatesAndOrder) {
  ResultEntries entries(ResultEntries::Order::kRecorded);
  for (const char* text : {"f:\\b", "f:\\A", "f:\\b", "F:\\a"}) entries.Append(text);
  EXPECT_EQ(entries.Entries(), (TEXT_LIST{"f:\\b", "f:\\A", "f:\\b", "F:\\a"}));
  EXPECT_EQ(entries.At(1), "f:\\A");
}

TEST(ResultEntries, SortedIgnoresCaseAndKeepsEqualEntriesInRecordedOrder) {
  ResultEntries entries(ResultEntries::Order::kSorted);
  for (const char* text : {"f:\\New\\b", "f:\\New\\C", "F:\\NEW\\A", "f:\\new\\B", "f:\\New\\a"})
    entries.Append(text);
  EXPECT_EQ(entries.Entries(),
            (TEXT_LIST{"F:\\NEW\\A", "f:\\New\\a", "f:\\New\\b", "f:\\new\\B", "f:\\New\\C"}));
  for (std::size_t row = 0; row < entries.size(); ++row)
    EXPECT_EQ(entries.At(row), entries.Entries()[row]);
}

TEST(ResultEntries, SortedAnnouncesEachInsertAtTheRowItLandsOn) {
  // Enough entries to split blocks many times, in an order that hits the
  // front, the back and the middle of the list.
  std::mt19937 random(7);
  TEXT_LIST recorded;
  for (int i = 0; i < 6000; ++i) {
    std::string name = "f:\\Clients\\" + std::to_string(random() % 2500);
    if (i % 3 == 0) std::transform(name.begin(), name.end(), name.begin(), ::toupper);
    recorded.push_back(name);
  }
  recorded.push_back("a:\\first");
  recorded.push_back("z:\\last");

  ResultEntries entries(ResultEntries::Order::kSorted);
  MirrorObserver observer;
  entries.SetObserver(&observer);
  for (const std::string& text : recorded) {
    entries.Append(text);
    ASSERT_EQ(observer.before, observer.after);
    observer.mirror.insert(observer.mirror.begin() + static_cast<std::ptrdiff_t>(observer.pending_row),
                           text);
  }
  const TEXT_LIST expected = ReferenceOrder(recorded);
  EXPECT_EQ(entries.Entries(), expected);
  EXPECT_EQ(observer.mirror, expected);
  for (std::size_t row = 0; row < expected.size(); row += 37) EXPECT_EQ(entries.At(row), expected[row]);
  EXPECT_EQ(entries.At(expected.size() - 1), "z:\\last");
}

TEST(ResultEntries, ClearEmptiesAndStartsAfresh) {
  ResultEntries entries(ResultEntries::Order::kSorted);
  MirrorObserver observer;
  entries.SetObserver(&observer);
  for (int i = 0; i < 3000; ++i) entries.Append("f:\\" + std::to_string(i));
  entries.Clear();
  entries.Clear();  // nothing left to announce
  EXPECT_EQ(observer.clears, 1);
  EXPECT_TRUE(entries.empty());
  entries.Append("f:\\b");
  entries.Append("f:\\a");
  EXPECT_EQ(entries.Entries(), (TEXT_LIST{"f:\\a", "f:\\b"}));
}

class CountingObserver : public RunResultsObserver {
 public:
  explicit CountingObserver(const RunResults& results) : results_(results) {}
  void CountersRefreshed() override { seen.push_back(results_.counters()); }
  std::vector<RUN_COUNTERS> seen;

 private:
  const RunResults& results_;
};

TEST(RunResults, ThreeListsAreSortedTheOthersAndEveryZoomListKeepTheRecordedOrder) {
  RunResults results;
  const TEXT_LIST recorded = {"f:\\New\\b", "F:\\NEW\\A", "f:\\New\\c", "f:\\new\\B"};
  const TEXT_LIST sorted = {"F:\\NEW\\A", "f:\\New\\b", "f:\\new\\B", "f:\\New\\c"};
  for (std::size_t i = 0; i < kResultCategoryCount; ++i)
    for (const std::string& path : recorded) results.RecordResult(static_cast<ResultCategory>(i), path);
  for (const std::string& path : recorded) results.RecordFailedUndo(path);
  for (ResultList which : kAllResultLists) {
    if (which == ResultList::FilesNotCopied) continue;  // its entries name their reasons
    const bool is_sorted = which == ResultList::ToReorganize ||
                           which == ResultList::MainFoldersReorganized ||
                           which == ResultList::SubfoldersReorganized;
    EXPECT_EQ(results.list(which).Entries(), is_sorted ? sorted : recorded) << ListIndex(which);
    EXPECT_EQ(results.zoom_list(which).Entries(), recorded) << ListIndex(which);
  }
}

TEST(RunResults, CountersCountRecordsAndAreShownOnlyWhenRefreshed) {
  RunResults results;
  CountingObserver observer(results);
  results.AddObserver(&observer);
  EXPECT_EQ(results.counter_labels()[0], "");  // nothing shown before the first refresh

  results.RecordResult(ResultCategory::ToReorganize, "f:\\a");
  results.RecordResult(ResultCategory::ToReorganize, "f:\\b");
  results.RecordResult(ResultCategory::OtherReasons, "f:\\c");
  // Each record refreshes, counting first: the observer sees the new count.
  ASSERT_EQ(observer.seen.size(), 3u);
  EXPECT_EQ(observer.seen[1][CategoryIndex(ResultCategory::ToReorganize)], 2);
  EXPECT_EQ(results.counter_labels(), (std::array<std::string, kResultCategoryCount>{
                                          "2", "0", "0", "0", "0", "0", "1"}));

  // A failed undo counts nothing but refreshes.
  results.RecordFailedUndo("f:\\d");
  EXPECT_EQ(observer.seen.size(), 4u);
  EXPECT_EQ(results.counter(ResultCategory::OtherReasons), 1);

  // Undo keeps the folders to reorganize; a reset zeroes all; neither shows
  // until the next refresh.
  results.RecordResult(ResultCategory::FilesReorganized, "f:\\e\\x.txt");
  results.ZeroCountersAfterUndo();
  EXPECT_EQ(results.counters(), (RUN_COUNTERS{2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(results.counter_labels()[CategoryIndex(ResultCategory::FilesReorganized)], "1");
  results.ResetRunCounters();
  EXPECT_EQ(results.counters(), RUN_COUNTERS{});
  EXPECT_EQ(observer.seen.size(), 5u);
  results.RefreshResultCounters();
  EXPECT_EQ(results.counter_labels()[0], "0");
  EXPECT_EQ(results.refresh_count(), 6u);

  results.RemoveObserver(&observer);
  results.RefreshResultCounters();
  EXPECT_EQ(observer.seen.size(), 6u);
}

TEST(RunResults, ClearingTheListsLeavesTheZoomListsAndTheCountersAndTheOtherWayRound) {
  RunResults results;
  results.RecordResult(ResultCategory::MainFoldersReorganized, "f:\\New\\2016");
  results.RecordFailedUndo("f:\\New\\2015");
  results.ClearResultLists();
  EXPECT_TRUE(results.list(ResultList::MainFoldersReorganized).empty());
  EXPECT_TRUE(results.list(ResultList::FailedUndo).empty());
  EXPECT_EQ(results.zoom_list(ResultList::MainFoldersReorganized).Entries(),
            TEXT_LIST{"f:\\New\\2016"});
  EXPECT_EQ(results.counter(ResultCategory::MainFoldersReorganized), 1);

  results.RecordResult(ResultCategory::SourceNotExists, "f:\\Old\\x");
  results.ClearResultZoomLists();
  for (ResultList which : kAllResultLists) EXPECT_TRUE(results.zoom_list(which).empty());
  EXPECT_EQ(results.list(ResultList::SourceNotExists).Entries(), TEXT_LIST{"f:\\Old\\x"});
}

TEST(RunResults, CounterTextIsAWholeNumber) {
  EXPECT_EQ(CounterText(0), "0");
  EXPECT_EQ(CounterText(123456789), "123456789");
  EXPECT_EQ(CounterText(std::numeric_limits<double>::infinity()), "0");
}

}  // namespace
}  // namespace ordovan
