// Feeds arbitrary bytes to the import parser as a list file, in every mode
// with the delimiters people use. Beyond not crashing: a refused file yields
// no items and exactly one warning; a read file yields items without line
// ends, never longer than a line may be, and quoting each item and removing
// the quotes again gives it back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "MemoryFileSystem.h"
#include "importexport/ImportClass.h"
#include "platform/Prompter.h"
#include "platform/Utf8.h"

namespace {

class CountingPrompter : public ordovan::Prompter {
 public:
  int warnings = 0;
  ordovan::Answer Show(ordovan::MessageKind kind, const std::string&, const std::string&) override {
    if (kind != ordovan::MessageKind::kWarning) std::abort();  // the parser only warns
    ++warnings;
    return ordovan::Answer::kOk;
  }
};

void ParseOnce(ordovan::fuzzing::MemoryFileSystem& disk, int mode, const char* delimiter,
               bool abandon, int column) {
  CountingPrompter prompter;
  ordovan::ImportClass import(disk, prompter,
                              ordovan::ImportRequest{"m:\\list.txt", mode, delimiter, "\"", abandon});
  if (mode == ordovan::ImportOneColumn) import.SetColumn(column);
  import.Parse();
  const ordovan::TEXT_LIST items = import.GetItems();
  if (import.outcome() != ordovan::ListReadOutcome::kRead) {
    if (!items.empty() || prompter.warnings != 1) std::abort();
    return;
  }
  if (prompter.warnings != 0) std::abort();
  for (const std::string& item : items) {
    if (item.find('\n') != std::string::npos) std::abort();
    // re-quoting a field at most doubles its marks and adds two
    if (ordovan::Utf8CharacterCount(item) > 2 * ordovan::kMaxListLineCharacters + 2) std::abort();
    if (ordovan::DequoteText(ordovan::QuoteText(item, '"'), '"') != item) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ordovan::fuzzing::MemoryFileSystem disk;
  disk.bytes.assign(reinterpret_cast<const char*>(data), size);
  for (bool abandon : {true, false}) {
    ParseOnce(disk, ordovan::ImportPlainText, "", abandon, 1);
    for (const char* delimiter : {",", "space", ";,", "\t"}) {
      ParseOnce(disk, ordovan::ImportAllColumns, delimiter, abandon, 1);
    }
    ParseOnce(disk, ordovan::ImportOneColumn, ";", abandon, 2);
    ParseOnce(disk, ordovan::ImportOneColumn, "space", abandon, 1);
  }
  ParseOnce(disk, 3, ",", true, 1);  // no such mode: nothing
  return 0;
}
