#include "paths/EntryList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordovan {
namespace {

// Writes down every notification so tests can check that the observer hears
// exactly what a Qt model needs.
class LoggingObserver : public EntryListObserver {
 public:
  void BeforeAppend(std::size_t first, std::size_t last) override {
    log.push_back("+" + std::to_string(first) + ".." + std::to_string(last) + " at " +
                  std::to_string(list->size()));
  }
  void AfterAppend() override { log.push_back("+done " + std::to_string(list->size())); }
  void BeforeRemove(std::size_t first, std::size_t last) override {
    log.push_back("-" + std::to_string(first) + ".." + std::to_string(last) + " at " +
                  std::to_string(list->size()));
  }
  void AfterRemove() override { log.push_back("-done " + std::to_string(list->size())); }
  void BeforeReset() override { log.push_back("reset at " + std::to_string(list->size())); }
  void AfterReset() override { log.push_back("reset done " + std::to_string(list->size())); }

  const EntryList* list = nullptr;
  std::vector<std::string> log;
};

TEST(EntryList, SameEntryIgnoresLetterCaseButNotBlanks) {
  EntryList list;
  list.Append("F:\\Data\\A");
  list.Append("f:\\Straße\\ÄRGER");
  EXPECT_TRUE(list.Contains("f:\\data\\a"));
  EXPECT_TRUE(list.Contains("F:\\STRASSE\\ärger") == false);  // ß is not "ss"
  EXPECT_TRUE(list.Contains("F:\\straße\\ärger"));
  EXPECT_FALSE(list.Contains(" f:\\data\\a"));
  EXPECT_FALSE(list.Contains("f:\\data\\a\\"));
  // Stored exactly as given.
  EXPECT_EQ(list[0], "F:\\Data\\A");
  EXPECT_EQ(list[1], "f:\\Straße\\ÄRGER");
}

TEST(EntryList, IndexCountsEqualEntriesSoRemovingOneKeepsTheOther) {
  EntryList list;
  list.Append("c:\\x\\y");
  list.Append("C:\\X\\Y");
  list.RemoveAt(0);
  EXPECT_TRUE(list.Contains("c:\\x\\y"));
  list.RemoveAt(0);
  EXPECT_FALSE(list.Contains("c:\\x\\y"));
  EXPECT_TRUE(list.empty());
}

TEST(EntryList, RemoveRowsIgnoresOrderDuplicatesAndRowsPastTheEnd) {
  EntryList list;
  list.AppendAll({"a", "b", "c", "d", "e"});
  list.RemoveRows({4, 0, 4, 2, 99});
  EXPECT_EQ(list.entries(), (TEXT_LIST{"b", "d"}));
  EXPECT_FALSE(list.Contains("a"));
  EXPECT_FALSE(list.Contains("E"));
  EXPECT_TRUE(list.Contains("D"));
}

TEST(EntryList, FewRunsAreRemovedLastToFirstOneNotificationEach) {
  EntryList list;
  LoggingObserver observer;
  observer.list = &list;
  list.AppendAll({"a", "b", "c", "d", "e", "f"});
  list.SetObserver(&observer);
  list.RemoveRows({1, 2, 4});
  EXPECT_EQ(observer.log,
            (std::vector<std::string>{"-4..4 at 6", "-done 5", "-1..2 at 5", "-done 3"}));
  EXPECT_EQ(list.entries(), (TEXT_LIST{"a", "d", "f"}));
}

TEST(EntryList, ManyScatteredRowsAreRemovedInOnePassAsAReset) {
  EntryList list;
  LoggingObserver observer;
  observer.list = &list;
  TEXT_LIST texts;
  for (int i = 0; i < 1000; ++i) texts.push_back("e" + std::to_string(i));
  list.AppendAll(texts);
  list.SetObserver(&observer);
  std::vector<std::size_t> even;
  for (std::size_t i = 0; i < 1000; i += 2) even.push_back(i);
  list.RemoveRows(even);
  EXPECT_EQ(observer.log, (std::vector<std::string>{"reset at 1000", "reset done 500"}));
  ASSERT_EQ(list.size(), 500u);
  for (std::size_t i = 0; i < 500; ++i) {
    EXPECT_EQ(list[i], "e" + std::to_string(2 * i + 1));
    EXPECT_EQ(list.KeyAt(i), list[i]);
  }
  EXPECT_FALSE(list.Contains("e0"));
  EXPECT_TRUE(list.Contains("E999"));
}

TEST(EntryList, ObserverSeesEveryChangeBeforeAndAfterIt) {
  EntryList list;
  LoggingObserver observer;
  observer.list = &list;
  list.SetObserver(&observer);
  list.Append("a");
  list.AppendAll({"b", "c"});
  list.AppendAll({});
  list.Clear();
  list.Clear();  // already empty: nothing to tell
  list.Assign({"x"});
  EXPECT_EQ(observer.log, (std::vector<std::string>{"+0..0 at 0", "+done 1", "+1..2 at 1",
                                                    "+done 3", "-0..2 at 3", "-done 0",
                                                    "reset at 0", "reset done 1"}));
  EXPECT_TRUE(list.Contains("X"));
}

}  // namespace
}  // namespace ordovan
