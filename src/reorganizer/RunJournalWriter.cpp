#include "reorganizer/RunJournalWriter.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include "reorganizer/RunRecords.h"

namespace ordovan {

namespace {

// Removes what a crash left of a journal being written beside `path`.
bool ClearTemp(FileSystem& fs, const std::string& path) {
  const std::string temp = RunJournalTempPath(path);
  switch (JudgeJournalFile(fs, temp)) {
    case JournalFileKind::None:
      return true;
    case JournalFileKind::Journal:
    case JournalFileKind::Unfinished:
      return fs.RemoveFile(temp);
    case JournalFileKind::Other:
      break;
  }
  return false;  // someone's file: not ours to delete
}

}  // namespace

bool RetireRunJournal(FileSystem& fs, const std::string& path, JournalStart* why) {
  ClearTemp(fs, path);
  JournalStart in_the_way = JournalStart::CannotCreate;
  if (!fs.IsFolder(path)) {
    switch (JudgeJournalFile(fs, path)) {
      case JournalFileKind::None:
        return true;
      case JournalFileKind::Journal:
      case JournalFileKind::Unfinished:
        if (fs.RemoveFile(path)) return true;
        break;
      case JournalFileKind::Other:
        // A file that is not a journal, or cannot be read, may be someone's.
        in_the_way = JournalStart::NotAJournalInTheWay;
        break;
    }
  }
  if (why) *why = in_the_way;
  return false;
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

RunJournalWriter::~RunJournalWriter() {
  std::lock_guard<SpinningMutex> lock(mutex_);
  Close(true);
}

bool RunJournalWriter::Close(bool sync) {
  if (file_ && sync && published_) SendHeld();
  held_.clear();
  announced_ = false;
  bool ok = file_ != nullptr && !failed_ && published_;
  if (syncer_) ok = syncer_->Wait() && ok;
  syncer_.reset();
  if (file_ && sync && published_ && unsynced_lines_ > 0) {
    ok = file_->Sync() && ok;
    ++syncs_;
  }
  const bool unpublished = file_ && !published_;
  file_.reset();
  // A journal that never took its name is nobody's.
  if (unpublished) fs_.RemoveFile(RunJournalTempPath(path_));
  published_ = false;
  unsynced_ = 0;
  unsynced_lines_ = 0;
  continuable_.reset();
  return ok;
}

JournalStart RunJournalWriter::Open(const std::string& destination) {
  Close(true);
  failed_ = true;  // until the journal is open
  if (left_as_it_is_ || fs_.IsFolder(path_)) return JournalStart::CannotCreate;
  if (JudgeJournalFile(fs_, path_) == JournalFileKind::Other) {
    return JournalStart::NotAJournalInTheWay;
  }
  if (!ClearTemp(fs_, path_)) return JournalStart::CannotCreate;
  file_ = fs_.CreateAppendFile(RunJournalTempPath(path_));
  if (!file_) return JournalStart::CannotCreate;
  failed_ = false;
  // Every line waits until Publish sends them all at once.
  held_ = std::string(kRunJournalHeader) + '\n';
  Write('D', destination);
  return JournalStart::Started;
}

bool RunJournalWriter::Publish() {
  if (file_ && SendHeld() && file_->Sync() &&
      fs_.ReplaceFileWith(RunJournalTempPath(path_), path_)) {
    published_ = true;
    ++syncs_;
    unsynced_ = 0;
    unsynced_lines_ = 0;
    last_sync_ = clock_();
    if (syncing_ == JournalSyncing::InBackground) syncer_ = std::make_unique<Syncer>(*file_);
    return true;
  }
  Fail();
  return false;
}

JournalStart RunJournalWriter::Begin(const std::string& destination) {
  std::lock_guard<SpinningMutex> lock(mutex_);
  const JournalStart started = Open(destination);
  if (started != JournalStart::Started) return started;
  // The start is on the disk, under the journal's name, before any work.
  return Publish() ? JournalStart::Started : JournalStart::CannotCreate;
}

void RunJournalWriter::CreatingFolder(const std::string& folder) { WriteLocked('F', folder); }
void RunJournalWriter::FolderNotMade(const std::string& folder) { WriteLocked('X', folder); }
void RunJournalWriter::CreatedMainFolder(const std::string& folder) { WriteLocked('M', folder); }
void RunJournalWriter::CreatedSubFolder(const std::string& folder) { WriteLocked('S', folder); }
void RunJournalWriter::CopyNotMade(const std::string& target) { WriteLocked('N', target); }
void RunJournalWriter::RemovingCopy(const std::string& file) { WriteLocked('U', file); }

void RunJournalWriter::WriteLocked(char kind, const std::string& path) {
  std::lock_guard<SpinningMutex> lock(mutex_);
  Write(kind, path);
}

void RunJournalWriter::CopyStarting(const std::string& target, const FileIdentity& source,
                                    const std::string& source_path) {
  // Made before the lock: workers announce while the run's thread records.
  thread_local std::string fields;
  thread_local std::string line;
  fields.clear();
  AppendJournalNumber(&fields, source.size);
  AppendJournalNumber(&fields, source.last_write);
  fields.push_back('\t');
  AppendEscapedJournalField(&fields, source_path);
  line.clear();
  FormatLine(&line, 'P', target, fields);
  std::lock_guard<SpinningMutex> lock(mutex_);
  WriteMade('P', target, line);
}

void RunJournalWriter::CopiedFile(const std::string& target,
                                  const std::optional<FileIdentity>& identity) {
  std::lock_guard<SpinningMutex> lock(mutex_);
  fields_.clear();
  if (identity) AppendJournalIdentity(&fields_, *identity);
  Write('C', target, fields_);
}

void RunJournalWriter::Retire() {
  std::lock_guard<SpinningMutex> lock(mutex_);
  Close(false);
  if (!left_as_it_is_) RetireRunJournal(fs_, path_);
}

void RunJournalWriter::LeaveAsItIs() {
  std::lock_guard<SpinningMutex> lock(mutex_);
  Close(false);
  left_as_it_is_ = true;
}

void RunJournalWriter::WriteRecords(const RunRecords& records) {
  for (const std::string& folder : records.CreatedFolders) Write('F', folder);
  for (const std::string& folder : records.CreatedMainFolders) Write('M', folder);
  for (const std::string& folder : records.CreatedSubFolders) Write('S', folder);
  for (const std::string& file : records.CopiedFiles) {
    fields_.clear();
    const auto identity = records.CopiedFileIdentities.find(file);
    if (identity != records.CopiedFileIdentities.end()) AppendJournalIdentity(&fields_, identity->second);
    Write('C', file, fields_);
  }
  for (const std::string& file : records.CopiedFiles) {
    if (records.RemovedByUndo.count(file) != 0) Write('U', file);
  }
}

bool RunJournalWriter::Rewrite(const RunRecords& records) {
  std::lock_guard<SpinningMutex> lock(mutex_);
  if (Open(records.RunDestination) != JournalStart::Started) return false;
  WriteRecords(records);
  Write('E', "finished");
  return Publish() && Close(true);
}

bool RunJournalWriter::BeginUndo(const RunRecords& records) {
  std::lock_guard<SpinningMutex> lock(mutex_);
  // A big run's journal is tens of megabytes; writing it again cost about an
  // eighth of an Undo.
  if (Continue()) return true;
  if (Open(records.RunDestination) != JournalStart::Started) return false;
  WriteRecords(records);
  return Publish();
}

void RunJournalWriter::MayContinue(const FileIdentity& whole_as) {
  std::lock_guard<SpinningMutex> lock(mutex_);
  continuable_ = whole_as;
}

bool RunJournalWriter::Continue() {
  const std::optional<FileIdentity> whole_as = std::exchange(continuable_, std::nullopt);
  if (!whole_as || file_ || left_as_it_is_) return false;
  file_ = fs_.ContinueAppendFile(path_, *whole_as);
  if (!file_) return false;
  failed_ = false;
  held_.clear();
  published_ = true;
  last_sync_ = clock_();
  if (syncing_ == JournalSyncing::InBackground) syncer_ = std::make_unique<Syncer>(*file_);
  return true;
}

void RunJournalWriter::Fail() {
  failed_ = true;
  Close(false);
}

void RunJournalWriter::FormatLine(std::string* out, char kind, const std::string& first,
                                  const std::string& rest) {
  const std::size_t start = out->size();
  out->push_back(kind);
  out->push_back('\t');
  AppendEscapedJournalField(out, first);
  out->append(rest);
  AppendJournalChecksum(out, start);
}

void RunJournalWriter::Write(char kind, const std::string& first, const std::string& rest) {
  if (!file_) return;
  FormatLine(&held_, kind, first, rest);
  Written(kind, first);
}

void RunJournalWriter::WriteMade(char kind, const std::string& first, const std::string& line) {
  if (!file_) return;
  held_.append(line);
  Written(kind, first);
}

void RunJournalWriter::Written(char kind, const std::string& first) {
  // A completed copy's record waits for the next line when the line just
  // before announced that copy: the announcement stands for it (a journal
  // that ends there settles the copy by its identity), and one write instead
  // of two per file is most of what the journal costs. Every other line goes
  // out at once, with what waits before it; before the journal has its name
  // nothing does.
  const bool hold = !published_ || (kind == 'C' && announced_ && first == announced_target_);
  announced_ = kind == 'P';
  if (announced_) announced_target_ = first;
  if (!hold && !SendHeld()) return;
  ++unsynced_lines_;
  // The batch counts what the run made; the lines before each copy and each
  // deletion do not: they speak to an Undo after a crash of the program,
  // whose lines the system keeps, and cost no sync of their own.
  if (kind != 'P' && kind != 'U') ++unsynced_;
  if (!published_) return;
  if (unsynced_ >= kRunJournalBatchRecords) {
    SyncBatch();
  } else {
    TickLocked();
  }
}

void RunJournalWriter::Tick() {
  std::lock_guard<SpinningMutex> lock(mutex_);
  TickLocked();
}

void RunJournalWriter::TickLocked() {
  if (file_ && published_ && unsynced_lines_ > 0 && clock_() - last_sync_ >= kRunJournalBatchTime) {
    SyncBatch();
  }
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
  std::lock_guard<SpinningMutex> lock(mutex_);
  if (file_) Write('E', stopped ? "stopped" : "finished");
  return Close(true);
}

}  // namespace ordovan
