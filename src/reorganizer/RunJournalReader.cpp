#include "reorganizer/RunJournalReader.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <sstream>
#include <string_view>

#include "paths/PathPlaces.h"
#include "reorganizer/RunRecords.h"

namespace ordovan {

namespace {

// A path field: nullopt when it is no path (empty, a bad escape, or a zero
// byte, which no file system takes and which would end the path early).
std::optional<std::string> PathField(std::string_view field) {
  std::optional<std::string> path = UnescapeJournalField(field);
  if (!path || path->empty() || path->find('\0') != std::string::npos) return std::nullopt;
  return path;
}

// Ends the announcement of the copy into `target`: it ended.
void EndPending(RunJournalContents* contents, const std::string& target) {
  auto& pending = contents->pending_copies;
  const auto found = std::find_if(pending.rbegin(), pending.rend(),
                                  [&](const JournalPendingCopy& copy) { return copy.target == target; });
  if (found != pending.rend()) pending.erase(std::next(found).base());
}

// Applies one checked record of a journal of `version`; false when it is not
// a record that version writes, which ends the reading as a damaged line does.
// `below`: the destination of the D record, split once for all the records.
bool ApplyRecord(std::string_view record, int version, RunJournalContents* contents,
                 std::vector<std::string_view>& fields, std::optional<BelowFolder>& below) {
  SplitJournalFields(record, &fields);
  if (fields[0].size() != 1 || fields.size() < 2) return false;
  const char kind = fields[0][0];
  if (kind == 'E') {
    if (fields.size() != 2 || (fields[1] != "finished" && fields[1] != "stopped")) return false;
    contents->ended = true;
    contents->stopped = fields[1] == "stopped";
    contents->pending_copies.clear();
    return true;
  }
  std::optional<std::string> path = PathField(fields[1]);
  if (!path) return false;
  if (kind == 'D') {
    if (fields.size() != 2 || !contents->destination.empty()) return false;
    below.emplace(*path);
    contents->destination = std::move(*path);
    return true;
  }
  // Everything else belongs to a destination named before it.
  if (contents->destination.empty()) return false;

  // Version 1 wrote one copy at a time: the next record ends the one begun.
  if (version == 1) contents->pending_copies.clear();

  std::optional<JournalCopiedFile> copied;
  std::optional<JournalPendingCopy> starting;
  TEXT_LIST* paths = nullptr;
  switch (kind) {
    case 'F': paths = &contents->created_folders; break;
    case 'M': paths = &contents->main_folders; break;
    case 'S': paths = &contents->sub_folders; break;
    case 'N':
    case 'U':
      if (version == 1) return false;
      paths = kind == 'U' ? &contents->removed_by_undo : nullptr;
      break;
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
      JournalPendingCopy copy{*path, 0, 0, {}};
      if (fields.size() != (version == 1 ? 4u : 5u) ||
          !ParseJournalNumber(fields[2], &copy.source_size) ||
          !ParseJournalNumber(fields[3], &copy.source_last_write)) {
        return false;
      }
      if (version > 1) {
        std::optional<std::string> source = PathField(fields[4]);
        if (!source) return false;
        copy.source = std::move(*source);
      }
      starting = std::move(copy);
      break;
    }
    default:
      return false;
  }
  if (!copied && !starting && fields.size() != 2) return false;
  if (kind == 'C' || kind == 'N') EndPending(contents, *path);

  // Undo never acts outside the run's destination, whatever the file says.
  if (!below->Holds(*path)) {
    contents->outside_destination.push_back(*path);
    return true;
  }
  if (paths) paths->push_back(std::move(*path));
  if (copied) contents->copied_files.push_back(std::move(*copied));
  if (starting) contents->pending_copies.push_back(std::move(*starting));
  return true;
}

// True when the file at `target` holds the start of `source` and, after it,
// only zero bytes; both read through `fs`.
bool HoldsStartOf(FileSystem& fs, const std::string& target, const std::string& source) {
  std::unique_ptr<std::istream> copy = fs.OpenBinaryRead(target);
  std::unique_ptr<std::istream> original = fs.OpenBinaryRead(source);
  if (!copy || !original) return false;
  constexpr std::size_t kChunk = 1 << 16;
  std::string copied(kChunk, '\0'), expected(kChunk, '\0');
  bool in_zeros = false;
  for (;;) {
    copy->read(copied.data(), kChunk);
    const auto got = static_cast<std::size_t>(copy->gcount());
    if (got == 0) return !copy->bad();
    std::size_t matched = 0;
    if (!in_zeros) {
      original->read(expected.data(), static_cast<std::streamsize>(got));
      const auto have = static_cast<std::size_t>(original->gcount());
      while (matched < have && copied[matched] == expected[matched]) ++matched;
      in_zeros = matched < got;
    }
    if (std::string_view(copied.data() + matched, got - matched).find_first_not_of('\0') !=
        std::string_view::npos) {
      return false;
    }
  }
}

}  // namespace

namespace {

// All of `in`: read at once where its size is known (a big run's journal is
// tens of megabytes, and a stream copied into a growing string copies it
// again at every doubling), else copied as it comes.
std::string WholeOf(std::istream& in) {
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0 && in) {
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), size);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
  }
  in.clear();
  std::ostringstream whole;
  whole << in.rdbuf();
  return whole.str();
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
  const std::optional<FileIdentity> before = fs.IdentifyFile(path);
  std::string text = WholeOf(*in);
  in.reset();
  const int version = JournalVersionOf(text);
  if (version == 0) {
    result.status = IsUnfinishedJournalStart(text) ? JournalReadStatus::Unfinished
                                                   : JournalReadStatus::NotAJournal;
    return result;
  }
  // Room the writer made ahead of its lines: after a crash it is still there.
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  result.status = JournalReadStatus::Read;
  RunJournalContents& contents = result.contents;
  std::size_t start = text.find('\n') + 1;
  std::size_t line = 1;
  std::vector<std::string_view> fields;  // of the line read, kept for the next
  std::optional<BelowFolder> below;
  while (start < text.size()) {
    ++line;
    const std::size_t end = text.find('\n', start);
    // A last line without its end was cut off.
    std::optional<std::string_view> record;
    if (end != std::string::npos) {
      record = CheckedJournalRecord(std::string_view(text).substr(start, end - start));
    }
    if (!record || !ApplyRecord(*record, version, &contents, fields, below)) {
      contents.cut_off = true;
      contents.unreadable_line = line;
      break;
    }
    start = end + 1;
  }
  if (version == 2 && zero == std::string::npos && !contents.cut_off && before &&
      before->size == text.size() && before == fs.IdentifyFile(path)) {
    result.whole_as = before;
  }
  return result;
}

void SettlePendingCopies(FileSystem& fs, RunJournalContents* contents) {
  std::vector<JournalPendingCopy> pending = std::move(contents->pending_copies);
  contents->pending_copies.clear();
  for (const JournalPendingCopy& copy : pending) {
    const std::optional<FileIdentity> present = fs.IdentifyFile(copy.target);
    if (!present) continue;
    std::optional<FileIdentity> ours;
    if (!fs.IsLink(copy.target)) {
      const bool complete = present->size == copy.source_size &&
                            present->last_write == copy.source_last_write;
      const std::optional<FileIdentity> source =
          copy.source.empty() ? std::nullopt : fs.IdentifyFile(copy.source);
      const bool cut_short = !complete && source && source->size == copy.source_size &&
                             source->last_write == copy.source_last_write &&
                             present->size <= copy.source_size &&
                             HoldsStartOf(fs, copy.target, copy.source);
      if (complete || cut_short) ours = present;
      if (!complete && cut_short) {
        contents->copied_files.push_back(JournalCopiedFile{copy.target, ours, true});
        continue;
      }
    }
    contents->copied_files.push_back(JournalCopiedFile{copy.target, ours});
  }
}

RunRecords RecordsFromJournal(RunJournalContents contents) {
  RunRecords records;
  if (contents.destination.empty()) return records;
  records.RunKindMarker = "R";
  records.RunDestination = std::move(contents.destination);
  records.Simulated = false;
  records.CreatedFolders = std::move(contents.created_folders);
  records.CreatedMainFolders = std::move(contents.main_folders);
  records.CreatedSubFolders = std::move(contents.sub_folders);
  records.CopiedFiles.reserve(contents.copied_files.size());
  records.CopiedFileIdentities.reserve(contents.copied_files.size());
  for (JournalCopiedFile& file : contents.copied_files) {
    if (file.identity) records.CopiedFileIdentities.insert_or_assign(file.path, *file.identity);
    records.CopiedFiles.push_back(std::move(file.path));
  }
  records.RemovedByUndo.insert(contents.removed_by_undo.begin(), contents.removed_by_undo.end());
  return records;
}

}  // namespace ordovan
