// Writes the seed files of fuzz/corpus/settings/ into the folder given:
// short pieces of files that SaveClass wrote, and one of odd records.
//   make_settings_corpus <folder>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "MemoryFileSystem.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "stubs/QuietPrompter.h"

namespace {

std::string Written(const ordovan::SettingsStore& store) {
  ordovan::fuzzing::MemoryFileSystem disk;
  ordovan::stubs::QuietPrompter prompter;
  ordovan::SaveClass(store, disk, prompter, "m:\\default.set").WriteAll();
  return disk.bytes;
}

std::string Records(const std::string& file, std::size_t first, std::size_t count) {
  return file.substr(first * ordovan::kSettingsRecordSize, count * ordovan::kSettingsRecordSize);
}

std::string OddRecord(std::int32_t number, const std::string& text, std::int32_t value) {
  std::string record(ordovan::kSettingsRecordSize, '\0');
  for (int i = 0; i < 4; ++i) {
    record[i] = static_cast<char>((static_cast<std::uint32_t>(number) >> (8 * i)) & 0xFF);
    record[ordovan::kSettingsNumberOffset + i] =
        static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
  }
  record.replace(ordovan::kSettingsTextOffset, text.size(), text);
  return record;
}

void Put(const std::string& folder, const std::string& name, const std::string& bytes) {
  std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::cerr << "cannot write " << name << "\n";
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_settings_corpus <folder>\n";
    return 2;
  }
  std::string folder = argv[1];

  ordovan::SettingsStore store;
  store.SetProgramCode(ordovan::kProgramCode);
  store.SetSettingsDirectory("f:\\conf");
  store.AppendDelimiter(";");
  store.AppendDelimiter("");
  store.AppendQuotationMark("'");
  store.SetText(16, "file.txt");
  store.SetNumber(16, -1);
  store.SetText(21, "  x ");
  std::string file = Written(store);  // 1 2 3 4 4 5 6 7 8 9 12..16 20 21 24 25 28..30 32 33 900

  // Each seed a few records long, so the corpus stays small.
  Put(folder, "head", Records(file, 0, 3));            // 1 2 3
  Put(folder, "lists", Records(file, 3, 4));           // 4 4 5 6
  Put(folder, "text_and_number", Records(file, 14, 3));  // 16 20 21
  Put(folder, "tail_cut", Records(file, 22, 3).substr(0, 2 * ordovan::kSettingsRecordSize + 700));
  std::string odd = OddRecord(-1, "negative", 7) + OddRecord(900, "", 0) +
                    OddRecord(3, std::string(ordovan::kSettingsTextFieldSize, 'x'), 42) +
                    OddRecord(31, "\xC3\xA9t\xC3", 0);
  Put(folder, "odd_records", odd);
  return 0;
}
