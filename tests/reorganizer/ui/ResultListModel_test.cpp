#include "reorganizer/ui/ResultListModel.h"

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

TEST(ResultListModel, RecordedOrderKeepsDuplicatesAndOrder) {
  ResultListModel model(ResultListModel::Order::kRecorded);
  for (const char* text : {"f:\\b", "f:\\A", "f:\\b", "F:\\a"}) model.Append(text);
  EXPECT_EQ(model.Entries(), (TEXT_LIST{"f:\\b", "f:\\A", "f:\\b", "F:\\a"}));
  EXPECT_EQ(model.rowCount(), 4);
  EXPECT_EQ(model.data(model.index(1)).toString(), QString("f:\\A"));
}

TEST(ResultListModel, SortedIgnoresCaseAndKeepsEqualEntriesInRecordedOrder) {
  ResultListModel model(ResultListModel::Order::kSorted);
  for (const char* text : {"f:\\New\\b", "f:\\New\\C", "F:\\NEW\\A", "f:\\new\\B", "f:\\New\\a"})
    model.Append(text);
  EXPECT_EQ(model.Entries(),
            (TEXT_LIST{"F:\\NEW\\A", "f:\\New\\a", "f:\\New\\b", "f:\\new\\B", "f:\\New\\C"}));
  for (std::size_t row = 0; row < model.size(); ++row)
    EXPECT_EQ(model.At(row), model.Entries()[row]);
}

TEST(ResultListModel, SortedAnnouncesEachInsertAtTheRowItLandsOn) {
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

  ResultListModel model(ResultListModel::Order::kSorted);
  std::vector<std::pair<int, int>> inserted;
  QObject::connect(&model, &QAbstractItemModel::rowsInserted,
                   [&](const QModelIndex&, int first, int last) { inserted.emplace_back(first, last); });
  TEXT_LIST mirror;  // kept in step with the rows the model announces
  for (const std::string& text : recorded) {
    model.Append(text);
    ASSERT_EQ(inserted.size(), 1u);
    const auto [first, last] = inserted.front();
    ASSERT_EQ(last, first);
    mirror.insert(mirror.begin() + first, text);
    inserted.clear();
  }
  const TEXT_LIST expected = ReferenceOrder(recorded);
  EXPECT_EQ(model.Entries(), expected);
  EXPECT_EQ(mirror, expected);
  for (std::size_t row = 0; row < expected.size(); row += 37) EXPECT_EQ(model.At(row), expected[row]);
  EXPECT_EQ(model.At(expected.size() - 1), "z:\\last");
}

TEST(ResultListModel, ClearEmptiesAndStartsAfresh) {
  ResultListModel model(ResultListModel::Order::kSorted);
  for (int i = 0; i < 3000; ++i) model.Append("f:\\" + std::to_string(i));
  model.Clear();
  EXPECT_TRUE(model.empty());
  EXPECT_EQ(model.rowCount(), 0);
  model.Append("f:\\b");
  model.Append("f:\\a");
  EXPECT_EQ(model.Entries(), (TEXT_LIST{"f:\\a", "f:\\b"}));
}

}  // namespace
}  // namespace ordovan
