#include "reorganizer/RunJournal.h"

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <iterator>
#include <sstream>

#include "paths/PathPlaces.h"
#include "reorganizer/RunRecords.h"

namespace ordovan {

namespace {

// FNV-1a: enough to tell a torn or garbled line from a whole one.
std::uint32_t Checksum(const char* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= static_cast<unsigned char>(data[i]);
    hash *= 16777619u;
  }
  return hash;
}

constexpr char kHexDigits[] = "0123456789abcdef";

// The checksum of the line that starts at `start` of `text`, and its end.
void AppendChecksum(std::string* text, std::size_t start) {
  const std::uint32_t sum = Checksum(text->data() + start, text->size() - start);
  text->push_back('\t');
  for (int shift = 28; shift >= 0; shift -= 4) text->push_back(kHexDigits[(sum >> shift) & 0xF]);
  text->push_back('\n');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The record of a line without its checksum; nullopt when the checksum is
// missing or wrong.
std::optional<std::string> CheckedRecord(const std::string& line) {
  if (line.size() < 10 || line[line.size() - 9] != '\t') return std::nullopt;
  const std::size_t content = line.size() - 9;
  std::uint32_t stored = 0;
  for (std::size_t i = content + 1; i < line.size(); ++i) {
    const int digit = HexValue(line[i]);
    if (digit < 0) return std::nullopt;
    stored = (stored << 4) | static_cast<std::uint32_t>(digit);
  }
  if (stored != Checksum(line.data(), content)) return std::nullopt;
  return line.substr(0, content);
}

std::vector<std::string> SplitTabs(const std::string& text) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = text.find('\t', start);
    fields.push_back(text.substr(start, tab == std::string::npos ? tab : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

template <typename Number>
bool ParseNumber(const std::string& text, Number* value) {
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, *value);
  return !text.empty() && error == std::errc() && ptr == end;
}

template <typename Number>
void AppendNumber(std::string* line, Number value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  line->push_back('\t');
  line->append(digits, end);
}

void AppendIdentityFields(std::string* fields, const FileIdentity& identity) {
  AppendNumber(fields, identity.size);
  AppendNumber(fields, identity.last_write);
  AppendNumber(fields, identity.change_stamp);
  AppendNumber(fields, identity.volume);
  AppendNumber(fields, identity.index);
}

std::optional<FileIdentity> ParseIdentity(const std::vector<std::string>& fields,
                                          std::size_t first) {
  FileIdentity identity;
  if (ParseNumber(fields[first], &identity.size) &&
      ParseNumber(fields[first + 1], &identity.last_write) &&
      ParseNumber(fields[first + 2], &identity.change_stamp) &&
      ParseNumber(fields[first + 3], &identity.volume) &&
      ParseNumber(fields[first + 4], &identity.index)) {
    return identity;
  }
  return std::nullopt;
}

// Applies one checked record; false when it is not a record this version
// writes, which ends the reading as a damaged line does.
bool ApplyRecord(const std::string& record, RunJournalContents* contents) {
  const std::vector<std::string> fields = SplitTabs(record);
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
        std::optional<FileIdentity> identity = ParseIdentity(fields, 2);
        if (!identity) return false;
        copied = JournalCopiedFile{*path, identity};
      } else {
        return false;
      }
      break;
    case 'P': {
      JournalPendingCopy copy{*path, 0, 0};
      if (fields.size() != 4 || !ParseNumber(fields[2], &copy.source_size) ||
          !ParseNumber(fields[3], &copy.source_last_write)) {
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

std::optional<std::string> ReadWholeFile(FileSystem& fs, const std::string& path) {
  std::unique_ptr<std::istream> in = fs.OpenBinaryRead(path);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in->rdbuf();
  return text.str();
}

bool StartsWithHeader(const std::string& text) {
  const std::string header = std::string(kRunJournalHeader) + "\n";
  return text.compare(0, header.size(), header) == 0;
}

}  // namespace

std::string NotAJournalText(const std::string& path) {
  return "The file " + path +
         " is not a run journal of this program.\nIt is left as it is, and Undo does not use it.";
}

std::string RunJournalPath(const std::string& settings_directory) {
  std::string path = settings_directory;
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path + "\\" + kRunJournalFileName;
}

namespace {

void AppendEscaped(std::string* escaped, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '%': escaped->append("%25"); break;
      case '\t': escaped->append("%09"); break;
      case '\n': escaped->append("%0A"); break;
      case '\r': escaped->append("%0D"); break;
      default: escaped->push_back(c);
    }
  }
}

}  // namespace

std::string EscapeJournalField(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  AppendEscaped(&escaped, text);
  return escaped;
}

std::optional<std::string> UnescapeJournalField(const std::string& text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      plain.push_back(text[i]);
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    plain.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return plain;
}

JournalReadResult ReadRunJournal(FileSystem& fs, const std::string& path) {
  JournalReadResult result;
  if (!fs.IsFile(path)) {
    result.status = fs.IsFolder(path) ? JournalReadStatus::NotAJournal : JournalReadStatus::NoJournal;
    return result;
  }
  std::optional<std::string> text = ReadWholeFile(fs, path);
  if (!text || !StartsWithHeader(*text)) {
    result.status = JournalReadStatus::NotAJournal;
    return result;
  }
  // Room the writer made ahead of its lines: after a crash it is still there.
  if (const std::size_t zero = text->find('\0'); zero != std::string::npos) text->resize(zero);
  result.status = JournalReadStatus::Read;
  RunJournalContents& contents = result.contents;
  std::size_t start = std::string(kRunJournalHeader).size() + 1;
  while (start < text->size()) {
    const std::size_t end = text->find('\n', start);
    if (end == std::string::npos) {
      contents.cut_off = true;  // the last line never got its end
      break;
    }
    std::optional<std::string> record = CheckedRecord(text->substr(start, end - start));
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
  if (!fs.IsFile(path)) return false;
  std::unique_ptr<std::istream> in = fs.OpenBinaryRead(path);
  if (!in) return false;
  std::string first;
  std::getline(*in, first);
  return in->good() && first == kRunJournalHeader;
}

bool RetireRunJournal(FileSystem& fs, const std::string& path) {
  if (!fs.IsFile(path)) return !fs.IsFolder(path);
  if (!IsRunJournal(fs, path)) return false;
  return fs.RemoveFile(path);
}

// Puts the journal on the disk on a thread of its own, so the run does not
// wait for the disk at every batch. One batch is synced at a time; the run
// waits only when it has filled the next batch before the last sync ended.
class RunJournalWriter::Syncer {
 public:
  explicit Syncer(AppendFile& file) : file_(file), thread_([this] { Loop(); }) {}
  ~Syncer() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      ending_ = true;
    }
    wanted_changed_.notify_one();
    thread_.join();
  }
  Syncer(const Syncer&) = delete;
  Syncer& operator=(const Syncer&) = delete;

  // Starts a sync of everything appended so far, after the one in progress.
  // False when an earlier sync failed.
  bool Request() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return !wanted_ && !busy_; });
    if (failed_) return false;
    wanted_ = true;
    wanted_changed_.notify_one();
    return true;
  }
  // Waits until every requested sync has ended; false when one failed.
  bool Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return !wanted_ && !busy_; });
    return !failed_;
  }

 private:
  void Loop() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wanted_changed_.wait(lock, [this] { return wanted_ || ending_; });
      if (!wanted_) return;
      wanted_ = false;
      busy_ = true;
      lock.unlock();
      const bool synced = file_.Sync();
      lock.lock();
      busy_ = false;
      if (!synced) failed_ = true;
      idle_.notify_all();
    }
  }

  AppendFile& file_;
  std::mutex mutex_;
  std::condition_variable wanted_changed_;
  std::condition_variable idle_;
  bool wanted_ = false;
  bool busy_ = false;
  bool failed_ = false;
  bool ending_ = false;
  std::thread thread_;
};

RunJournalWriter::RunJournalWriter(FileSystem& fs, std::string path, Clock clock,
                                   JournalSyncing syncing)
    : fs_(fs), path_(std::move(path)), clock_(std::move(clock)), syncing_(syncing) {
  if (!clock_) clock_ = [] { return std::chrono::steady_clock::now(); };
}

RunJournalWriter::~RunJournalWriter() { Close(true); }

bool RunJournalWriter::Close(bool sync) {
  if (file_ && sync) SendHeld();
  held_.clear();
  announced_ = false;
  bool ok = file_ != nullptr && !failed_;
  if (syncer_) ok = syncer_->Wait() && ok;
  syncer_.reset();
  if (file_ && sync && unsynced_lines_ > 0) {
    ok = file_->Sync() && ok;
    ++syncs_;
  }
  file_.reset();
  unsynced_ = 0;
  unsynced_lines_ = 0;
  return ok;
}

JournalStart RunJournalWriter::Begin(const std::string& destination) {
  Close(true);
  failed_ = false;
  if (!RetireRunJournal(fs_, path_)) {
    failed_ = true;
    return fs_.IsFile(path_) && !IsRunJournal(fs_, path_) ? JournalStart::NotAJournalInTheWay
                                                           : JournalStart::CannotCreate;
  }
  file_ = fs_.CreateAppendFile(path_);
  if (!file_) {
    failed_ = true;
    return JournalStart::CannotCreate;
  }
  last_sync_ = clock_();
  const std::string header = std::string(kRunJournalHeader) + '\n';
  if (!file_->Append(header.data(), header.size())) {
    failed_ = true;
    file_.reset();
    return JournalStart::CannotCreate;
  }
  Write('D', destination);
  // The start is on the disk before any work.
  if (!file_ || !file_->Sync()) {
    Fail();
    return JournalStart::CannotCreate;
  }
  ++syncs_;
  unsynced_ = 0;
  unsynced_lines_ = 0;
  last_sync_ = clock_();
  if (syncing_ == JournalSyncing::InBackground) syncer_ = std::make_unique<Syncer>(*file_);
  return JournalStart::Started;
}

void RunJournalWriter::CreatingFolder(const std::string& folder) { Write('F', folder); }
void RunJournalWriter::FolderNotMade(const std::string& folder) { Write('X', folder); }
void RunJournalWriter::CreatedMainFolder(const std::string& folder) { Write('M', folder); }
void RunJournalWriter::CreatedSubFolder(const std::string& folder) { Write('S', folder); }

void RunJournalWriter::CopyStarting(const std::string& target, const FileIdentity& source) {
  fields_.clear();
  AppendNumber(&fields_, source.size);
  AppendNumber(&fields_, source.last_write);
  Write('P', target, fields_);
}

void RunJournalWriter::CopiedFile(const std::string& target,
                                  const std::optional<FileIdentity>& identity) {
  fields_.clear();
  if (identity) AppendIdentityFields(&fields_, *identity);
  Write('C', target, fields_);
}

void RunJournalWriter::Retire() {
  Close(false);
  RetireRunJournal(fs_, path_);
}

bool RunJournalWriter::Rewrite(const RunRecords& records) {
  if (Begin(records.RunDestination) != JournalStart::Started) return false;
  for (const std::string& folder : records.CreatedFolders) CreatingFolder(folder);
  for (const std::string& folder : records.CreatedMainFolders) CreatedMainFolder(folder);
  for (const std::string& folder : records.CreatedSubFolders) CreatedSubFolder(folder);
  for (const std::string& file : records.CopiedFiles) {
    const auto identity = records.CopiedFileIdentities.find(file);
    CopiedFile(file, identity == records.CopiedFileIdentities.end()
                         ? std::nullopt
                         : std::optional<FileIdentity>(identity->second));
  }
  return Finish(false);
}

void RunJournalWriter::Fail() {
  failed_ = true;
  Close(false);
}

void RunJournalWriter::Write(char kind, const std::string& first, const std::string& rest) {
  if (!file_) return;
  const std::size_t start = held_.size();
  held_.push_back(kind);
  held_.push_back('\t');
  AppendEscaped(&held_, first);
  held_.append(rest);
  AppendChecksum(&held_, start);
  // A completed copy's record waits for the next line when the line just
  // before announced that copy: the announcement stands for it (a journal
  // that ends there settles the copy by its identity), and one write instead
  // of two per file is most of what the journal costs. Every other line goes
  // out at once, with what waits before it.
  const bool hold = kind == 'C' && announced_ && first == announced_target_;
  announced_ = kind == 'P';
  if (announced_) announced_target_ = first;
  if (!hold && !SendHeld()) return;
  ++unsynced_lines_;
  // The batch counts what the run made; the line before each copy does not.
  if (kind != 'P') ++unsynced_;
  if (unsynced_ >= kRunJournalBatchRecords) {
    SyncBatch();
  } else {
    Tick();
  }
}

void RunJournalWriter::Tick() {
  if (file_ && unsynced_lines_ > 0 && clock_() - last_sync_ >= kRunJournalBatchTime) SyncBatch();
}

bool RunJournalWriter::SendHeld() {
  if (held_.empty()) return true;
  if (!file_->Append(held_.data(), held_.size())) {
    Fail();
    return false;
  }
  held_.clear();
  return true;
}

void RunJournalWriter::SyncBatch() {
  if (!file_ || !SendHeld()) return;
  const bool ok = syncer_ ? syncer_->Request() : file_->Sync();
  if (!ok) {
    Fail();
    return;
  }
  ++syncs_;
  unsynced_ = 0;
  unsynced_lines_ = 0;
  last_sync_ = clock_();
}

bool RunJournalWriter::Finish(bool stopped) {
  if (file_) Write('E', stopped ? "stopped" : "finished");
  return Close(true);
}

}  // namespace ordovan
