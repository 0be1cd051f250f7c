#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "platform/TextCodec.h"
#include "settings/DefaultExtensions.h"

namespace ordovan {
namespace {

const int kLists[] = {4, 6, 10, 11, 17, 18, 19, 22, 23, 26, 27, 31, 34};

TEST(SettingsStoreTest, StartsWithTheInitialValues) {
  SettingsStore store;
  EXPECT_EQ(store.ProgramCode(), "");
  EXPECT_EQ(store.SettingsDirectory(), "");
  EXPECT_EQ(store.SelectedDelimiter(), ",");
  EXPECT_EQ(store.SelectedQuotationMark(), "\"");
  EXPECT_EQ(store.Text(9), "*.*");
  for (int record : {16, 21, 25, 30, 33}) EXPECT_EQ(store.Text(record), "") << record;
  for (int record : {7, 12, 28}) EXPECT_EQ(store.Number(record), 1) << record;
  for (int record : {8, 13, 14, 15, 16, 20, 24, 29, 32}) EXPECT_EQ(store.Number(record), 0) << record;
  for (int record : kLists) EXPECT_TRUE(store.List(record).empty()) << record;
}

TEST(SettingsStoreTest, ClearStoredListsEmptiesEveryListAndNothingElse) {
  SettingsStore store;
  for (int record : kLists) store.AppendToList(record, "x");
  store.SetText(21, "kept");
  store.SetNumber(20, 5);
  store.ClearStoredLists();
  SettingsStore expected;
  expected.SetText(21, "kept");
  expected.SetNumber(20, 5);
  EXPECT_EQ(store, expected);
}

TEST(SettingsStoreTest, NumbersOfNoEntryAreRefused) {
  SettingsStore store;
  EXPECT_THROW(store.Text(4), std::out_of_range);
  EXPECT_THROW(store.SetNumber(9, 1), std::out_of_range);
  EXPECT_THROW(store.AppendToList(900, "x"), std::out_of_range);
  EXPECT_THROW(store.List(-1), std::out_of_range);
}

TEST(DefaultExtensionsTest, ListsHaveTheirSizesFirstEntriesAndNoRepeats) {
  const TEXT_LIST& list17 = DefaultExtensionsList17();
  const TEXT_LIST& list19 = DefaultExtensionsList19();
  ASSERT_EQ(list17.size(), 172u);
  ASSERT_EQ(list19.size(), 215u);
  EXPECT_EQ(TEXT_LIST(list17.begin(), list17.begin() + 4), (TEXT_LIST{"doc", "pdf", "acp", "adm"}));
  EXPECT_EQ(TEXT_LIST(list19.begin(), list19.begin() + 4), (TEXT_LIST{"exe", "com", "zip", "rtf"}));
  EXPECT_EQ(DefaultExtensionsList18(), (TEXT_LIST{"bak", "nt", "old", "org", "sav"}));
  for (const TEXT_LIST* list : {&list17, &list19}) {
    EXPECT_EQ(std::set<std::string>(list->begin(), list->end()).size(), list->size());
    for (const auto& extension : *list) {
      EXPECT_FALSE(extension.empty());
      EXPECT_EQ(extension.find('.'), std::string::npos) << extension;
    }
  }
}

TEST(SettingsTextCodecTest, TextSurvivesTheFileEncodingAndCutsOnBoundaries) {
  EXPECT_EQ(ToSettingsText("f:\\Old Clients\\2016"), "f:\\Old Clients\\2016");
  EXPECT_EQ(FromSettingsText("f:\\Old Clients\\2016"), "f:\\Old Clients\\2016");
  // What this system's encoding keeps of a text with non-ASCII letters must
  // come back whole from every cut: a cut is a prefix, never half a letter.
  std::string sample = "a\xC3\xA9z\xE2\x82\xAC" "b";  // a é z € b
  std::string kept = FromSettingsText(ToSettingsText(sample));
  std::string file_text = ToSettingsText(sample);
  for (std::size_t max = 0; max <= file_text.size() + 1; ++max) {
    std::size_t fit = SettingsTextFit(file_text, max);
    EXPECT_LE(fit, std::min(max, file_text.size()));
    std::string prefix = FromSettingsText(file_text.substr(0, fit));
    EXPECT_EQ(kept.compare(0, prefix.size(), prefix), 0) << "max " << max;
    if (prefix.size() < kept.size()) {
      EXPECT_NE(static_cast<unsigned char>(kept[prefix.size()]) & 0xC0, 0x80) << "max " << max;
    }
    EXPECT_EQ(SettingsTextFit(file_text.substr(0, fit), max), fit);
  }
  EXPECT_EQ(SettingsTextFit(file_text, file_text.size()), file_text.size());
}

}  // namespace
}  // namespace ordovan
