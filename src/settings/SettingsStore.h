#pragma once
// The process-wide settings: texts, numbers and text lists, each named by the
// number of the settings-file record that holds it. The settings file
// (SettingsFile.h) mirrors the whole store.
//
// The entries this program uses have named accessors. The entries that are
// only carried through the file are reached by record number:
//   texts   1, 2, 3, 5, 9, 16, 21, 25, 30, 33
//   numbers 7, 8, 12, 13, 14, 15, 16, 20, 24, 28, 29, 32
//   lists   4, 6, 10, 11, 17, 18, 19, 22, 23, 26, 27, 31, 34
// Any other number passed to Text, Number or List (and their setters) is a
// programming error and throws std::out_of_range.

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "paths/PathText.h"

namespace ordovan {

// Process-wide values that start-up sets beside the store.
inline constexpr char kProgramCode[] = "ORDOVAN300";

class SettingsStore {
 public:
  // Every entry at its value before any file is read: texts empty except
  // 3 ",", 5 "\"" and 9 "*.*"; numbers 0 except 7, 12 and 28, which are 1;
  // every list empty.
  SettingsStore();

  // Record 1: the program code (`APPNAME`).
  const std::string& ProgramCode() const { return Text(1); }
  void SetProgramCode(std::string text) { SetText(1, std::move(text)); }
  // Record 2: the settings directory (`DEFDIRECTRY`), where the file lives.
  const std::string& SettingsDirectory() const { return Text(2); }
  void SetSettingsDirectory(std::string text) { SetText(2, std::move(text)); }
  // Record 3: the selected delimiter.
  const std::string& SelectedDelimiter() const { return Text(3); }
  void SetSelectedDelimiter(std::string text) { SetText(3, std::move(text)); }
  // Record 5: the selected quotation mark.
  const std::string& SelectedQuotationMark() const { return Text(5); }
  void SetSelectedQuotationMark(std::string text) { SetText(5, std::move(text)); }

  // Record 4: the delimiter list.
  TEXT_LIST DelimiterList() const { return List(4); }
  void AppendDelimiter(std::string item) { AppendToList(4, std::move(item)); }
  void EmptyDelimiterList() { EmptyList(4); }
  // Record 6: the quotation-mark list.
  TEXT_LIST QuotationMarkList() const { return List(6); }
  void AppendQuotationMark(std::string item) { AppendToList(6, std::move(item)); }
  void EmptyQuotationMarkList() { EmptyList(6); }
  // Record 10: `FileMaskList`, the file-name masks.
  TEXT_LIST FileMaskList() const { return List(10); }
  void AppendFileMask(std::string item) { AppendToList(10, std::move(item)); }
  void EmptyFileMaskList() { EmptyList(10); }

  // Any entry by its record number (record 16 has a text and a number).
  const std::string& Text(int record) const;
  void SetText(int record, std::string text);
  std::int32_t Number(int record) const;
  void SetNumber(int record, std::int32_t value);
  TEXT_LIST List(int record) const;
  void AppendToList(int record, std::string item);
  void EmptyList(int record);
  // Read access without a copy, for the file writer.
  const TEXT_LIST& ListView(int record) const;

  // Empties all thirteen lists at once; texts and numbers stay.
  void ClearStoredLists();

  bool operator==(const SettingsStore& other) const = default;

 private:
  std::map<int, std::string> texts_;
  std::map<int, std::int32_t> numbers_;
  std::map<int, TEXT_LIST> lists_;
};

// The one store of the running program. Code that works on settings takes a
// SettingsStore& so that tests can hand it their own.
SettingsStore& TheSettings();

}  // namespace ordovan
