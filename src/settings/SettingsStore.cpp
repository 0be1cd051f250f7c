#include "settings/SettingsStore.h"

#include <stdexcept>

namespace ordovan {

namespace {

template <typename Map>
auto& Entry(Map& map, int record, const char* kind) {
  auto it = map.find(record);
  if (it == map.end()) {
    throw std::out_of_range("settings store has no " + std::string(kind) + " entry " +
                            std::to_string(record));
  }
  return it->second;
}

}  // namespace

SettingsStore::SettingsStore() {
  texts_ = {{1, ""},  {2, ""},  {3, ","},  {5, "\""}, {9, "*.*"},
            {16, ""}, {21, ""}, {25, ""},  {30, ""},  {33, ""}};
  numbers_ = {{7, 1},  {8, 0},  {12, 1}, {13, 0}, {14, 0}, {15, 0},
              {16, 0}, {20, 0}, {24, 0}, {28, 1}, {29, 0}, {32, 0}};
  for (int record : {4, 6, 10, 11, 17, 18, 19, 22, 23, 26, 27, 31, 34}) lists_[record];
}

const std::string& SettingsStore::Text(int record) const { return Entry(texts_, record, "text"); }

void SettingsStore::SetText(int record, std::string text) {
  Entry(texts_, record, "text") = std::move(text);
}

std::int32_t SettingsStore::Number(int record) const {
  return Entry(numbers_, record, "number");
}

void SettingsStore::SetNumber(int record, std::int32_t value) {
  Entry(numbers_, record, "number") = value;
}

TEXT_LIST SettingsStore::List(int record) const { return Entry(lists_, record, "list"); }

const TEXT_LIST& SettingsStore::ListView(int record) const {
  return Entry(lists_, record, "list");
}

void SettingsStore::AppendToList(int record, std::string item) {
  Entry(lists_, record, "list").push_back(std::move(item));
}

void SettingsStore::EmptyList(int record) { Entry(lists_, record, "list").clear(); }

void SettingsStore::ClearStoredLists() {
  for (auto& [record, list] : lists_) list.clear();
}

SettingsStore& TheSettings() {
  static SettingsStore store;
  return store;
}

}  // namespace ordovan
