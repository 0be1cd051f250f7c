#include "reorganizer/RunJournalReader.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <sstream>

#include "paths/PathPlaces.h"
#include "reorganizer/RunRecords.h"

namespace ordovan {

namespace {

// Applies one checked record; false when it is not a record this version
// writes, which ends the reading as a damaged line does.
bool ApplyRecord(const std::string& record, RunJournalContents* contents) {
  const std::vector<std::string> fields = SplitJournalFields(record);
  if (fields[0].size() != 1 || fields.size() < 2) return false;
  const char kind = fields[0][0];
  if (kind == 'E') {
    if (fields.size() != 2 || (fields[1] != "finished" && fields[1] != "stopped")) return false;
    contents->ended = true;
    contents->stopped = fields[1] == "stopped";
    contents->pending_copy.reset();
    return true;
  }
  std::optional<std::string> path = UnescapeJournalField(fields[1]);
  if (!path || path->empty()) return false;
  if (kind == 'D') {
    if (fields.size() != 2 || !contents->destination.empty()) return false;
    contents->destination = std::move(*path);
    return true;
  }
  // Everything else belongs to a destination named before it.
  if (contents->destination.empty()) return false;

  // A copy that began is either completed by the very next record or failed.
  contents->pending_copy.reset();

  std::optional<JournalCopiedFile> copied;
  std::optional<JournalPendingCopy> starting;
  TEXT_LIST* folders = nullptr;
  switch (kind) {
    case 'F': folders = &contents->created_folders; break;
    case 'M': folders = &contents->main_folders; break;
    case 'S': folders = &contents->sub_folders; break;
    case 'X': {
      if (fields.size() != 2) return false;
      auto& made = contents->created_folders;
      const auto last = std::find(made.rbegin(), made.rend(), *path);
      if (last != made.rend()) made.erase(std::next(last).base());
      return true;
    }
    case 'C':
      if (fields.size() == 2) {
        copied = JournalCopiedFile{*path, std::nullopt};
      } else if (fields.size() == 7) {
        std::optional<FileIdentity> identity = ParseJournalIdentity(fields, 2);
        if (!identity) return false;
        copied = JournalCopiedFile{*path, identity};
      } else {
        return false;
      }
      break;
    case 'P': {
      JournalPendingCopy copy{*path, 0, 0};
      if (fields.size() != 4 || !ParseJournalNumber(fields[2], &copy.source_size) ||
          !ParseJournalNumber(fields[3], &copy.source_last_write)) {
        return false;
      }
      starting = std::move(copy);
      break;
    }
    default:
      return false;
  }
  if (folders && fields.size() != 2) return false;

  // Undo never acts outside the run's destination, whatever the file says.
  if (!LiesBelow(*path, contents->destination)) {
    contents->outside_destination.push_back(*path);
    return true;
  }
  if (folders) folders->push_back(std::move(*path));
  if (copied) contents->copied_files.push_back(std::move(*copied));
  if (starting) contents->pending_copy = std::move(starting);
  return true;
}

bool StartsWithHeader(const std::string& text) {
  const std::string header = std::string(kRunJournalHeader) + "\n";
  return text.compare(0, header.size(), header) == 0;
}

}  // namespace

JournalReadResult ReadRunJournal(FileSystem& fs, const std::string& path) {
  JournalReadResult result;
  FileError error = FileError::kRefused;
  std::unique_ptr<std::istream> in = fs.OpenBinaryRead(path, &error);
  if (!in) {
    // Something that cannot be read as a file is no journal of ours.
    result.status = error == FileError::kNotFound ? JournalReadStatus::NoJournal
                                                  : JournalReadStatus::NotAJournal;
    return result;
  }
  std::ostringstream whole;
  whole << in->rdbuf();
  std::string text = whole.str();
  if (!StartsWithHeader(text)) {
    result.status = JournalReadStatus::NotAJournal;
    return result;
  }
  // Room the writer made ahead of its lines: after a crash it is still there.
  if (const std::size_t zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  result.status = JournalReadStatus::Read;
  RunJournalContents& contents = result.contents;
  std::size_t start = std::string(kRunJournalHeader).size() + 1;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      contents.cut_off = true;  // the last line never got its end
      break;
    }
    std::optional<std::string> record = CheckedJournalRecord(text.substr(start, end - start));
    if (!record || !ApplyRecord(*record, &contents)) {
      contents.cut_off = true;
      break;
    }
    start = end + 1;
  }
  return result;
}

void SettlePendingCopy(FileSystem& fs, RunJournalContents* contents) {
  if (!contents->pending_copy) return;
  const JournalPendingCopy pending = std::move(*contents->pending_copy);
  contents->pending_copy.reset();
  const std::optional<FileIdentity> present = fs.IdentifyFile(pending.target);
  if (present && present->size == pending.source_size &&
      present->last_write == pending.source_last_write) {
    contents->copied_files.push_back(JournalCopiedFile{pending.target, present});
  } else if (present) {
    contents->copied_files.push_back(JournalCopiedFile{pending.target, std::nullopt});
  }
}

RunRecords RecordsFromJournal(const RunJournalContents& contents) {
  RunRecords records;
  if (contents.destination.empty()) return records;
  records.RunKindMarker = "R";
  records.RunDestination = contents.destination;
  records.Simulated = false;
  records.CreatedFolders = contents.created_folders;
  records.CreatedMainFolders = contents.main_folders;
  records.CreatedSubFolders = contents.sub_folders;
  for (const JournalCopiedFile& file : contents.copied_files) {
    records.CopiedFiles.push_back(file.path);
    if (file.identity) records.CopiedFileIdentities.insert_or_assign(file.path, *file.identity);
  }
  return records;
}

bool IsRunJournal(FileSystem& fs, const std::string& path) {
  std::unique_ptr<std::istream> in = fs.OpenBinaryRead(path);
  return in && BeginsWithJournalHeader(*in);
}

}  // namespace ordovan
