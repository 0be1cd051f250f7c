// Feeds arbitrary bytes to the run journal reader. Beyond not crashing:
// whatever the file holds, every record it gives lies below the journal's
// destination and names a path the system can take (no zero byte), and a
// journal that stops being readable at a line reads the same when it is cut
// right there, and then reads whole.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "MemoryFileSystem.h"
#include "paths/PathPlaces.h"
#include "reorganizer/RunJournalReader.h"
#include "reorganizer/RunRecords.h"

namespace {

using ordovan::RunJournalContents;

void ExpectInside(const std::string& path, const RunJournalContents& contents) {
  if (path.empty() || path.find('\0') != std::string::npos ||
      !ordovan::LiesBelow(path, contents.destination)) {
    std::abort();
  }
}

void Check(const RunJournalContents& c) {
  if (c.cut_off != (c.unreadable_line != 0)) std::abort();
  for (const auto* list : {&c.created_folders, &c.main_folders, &c.sub_folders, &c.removed_by_undo}) {
    for (const std::string& path : *list) ExpectInside(path, c);
  }
  for (const auto& file : c.copied_files) ExpectInside(file.path, c);
  for (const auto& copy : c.pending_copies) ExpectInside(copy.target, c);
}

bool Same(const RunJournalContents& a, const RunJournalContents& b) {
  auto paths = [](const RunJournalContents& c) {
    std::string all;
    for (const auto& file : c.copied_files) all += file.path + (file.identity ? "+\n" : "-\n");
    for (const auto& copy : c.pending_copies) all += copy.target + "|" + copy.source + "\n";
    return all;
  };
  return a.destination == b.destination && a.created_folders == b.created_folders &&
         a.main_folders == b.main_folders && a.sub_folders == b.sub_folders &&
         a.removed_by_undo == b.removed_by_undo && a.outside_destination == b.outside_destination &&
         paths(a) == paths(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ordovan::fuzzing::MemoryFileSystem disk;
  const std::string path = "m:\\ordovan-run.journal";
  disk.bytes.assign(reinterpret_cast<const char*>(data), size);
  ordovan::JournalReadResult read = ordovan::ReadRunJournal(disk, path);
  if (read.status != ordovan::JournalReadStatus::Read) return 0;
  Check(read.contents);
  const ordovan::RunRecords records = ordovan::RecordsFromJournal(read.contents);
  if (records.CopiedFiles.size() != read.contents.copied_files.size() &&
      !read.contents.destination.empty()) {
    std::abort();
  }
  if (!read.contents.cut_off) return 0;

  // Cut at the start of the first line it could not read (zeros end a journal).
  std::string text = disk.bytes.substr(0, disk.bytes.find('\0'));
  std::size_t start = 0;
  for (std::size_t line = 1; line < read.contents.unreadable_line; ++line) {
    start = text.find('\n', start) + 1;
  }
  disk.bytes = text.substr(0, start);
  const ordovan::JournalReadResult cut = ordovan::ReadRunJournal(disk, path);
  if (cut.status != ordovan::JournalReadStatus::Read || cut.contents.cut_off ||
      !Same(cut.contents, read.contents)) {
    std::abort();
  }
  return 0;
}
