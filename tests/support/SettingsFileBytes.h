#pragma once
// Raw settings-file bytes for tests: take a written file apart record by
// record, or build one by hand, without going through the reader under test.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"

namespace ordovan::testing {

struct RawRecord {
  std::int32_t number = 0;
  std::string key;         // all 10 bytes of the key field
  std::string text_field;  // all 5262 bytes of the text field
  std::int32_t value = 0;
  std::string reserved;    // the 32 reserved bytes

  // The text up to its NUL.
  std::string Text() const { return text_field.substr(0, text_field.find('\0')); }
};

inline std::int32_t LittleEndian32(const char* p) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= std::uint32_t(static_cast<unsigned char>(p[i])) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

inline std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<RawRecord> SplitRecords(const std::string& bytes) {
  std::vector<RawRecord> records;
  for (std::size_t at = 0; at + kSettingsRecordSize <= bytes.size(); at += kSettingsRecordSize) {
    const char* r = bytes.data() + at;
    RawRecord record;
    record.number = LittleEndian32(r);
    record.key.assign(r + kSettingsKeyOffset, kSettingsKeySize);
    record.text_field.assign(r + kSettingsTextOffset, kSettingsTextFieldSize);
    record.value = LittleEndian32(r + kSettingsNumberOffset);
    record.reserved.assign(r + kSettingsReservedOffset, kSettingsRecordSize - kSettingsReservedOffset);
    records.push_back(record);
  }
  return records;
}

// One record as a hand-made file would hold it; `text` is copied raw (no
// terminator is added when it fills the field).
inline std::string MakeRecord(std::int32_t number, const std::string& text = "",
                              std::int32_t value = 0, const std::string& key = "KEY") {
  std::string record(kSettingsRecordSize, '\0');
  auto put32 = [&](std::size_t offset, std::int32_t v) {
    auto bits = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  };
  put32(0, number);
  record.replace(kSettingsKeyOffset, std::min(key.size(), kSettingsKeySize), key, 0, kSettingsKeySize);
  record.replace(kSettingsTextOffset, std::min(text.size(), kSettingsTextFieldSize), text, 0,
                 kSettingsTextFieldSize);
  put32(kSettingsNumberOffset, value);
  return record;
}

}  // namespace ordovan::testing
