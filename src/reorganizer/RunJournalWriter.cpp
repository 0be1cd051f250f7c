#include "reorganizer/RunJournalWriter.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "reorganizer/RunRecords.h"

namespace ordovan {

bool RetireRunJournal(FileSystem& fs, const std::string& path, JournalStart* why) {
  JournalStart in_the_way = JournalStart::CannotCreate;
  FileError error = FileError::kRefused;
  std::unique_ptr<std::istream> in = fs.OpenBinaryRead(path, &error);
  if (!in && error == FileError::kNotFound) return true;
  // A file that cannot be read may be someone's: it is not ours to delete.
  if ((!in && error == FileError::kRefused) || (in && !BeginsWithJournalHeader(*in))) {
    in_the_way = JournalStart::NotAJournalInTheWay;
  } else if (in) {
    in.reset();  // Windows deletes no open file
    if (fs.RemoveFile(path)) return true;
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
  JournalStart in_the_way = JournalStart::CannotCreate;
  if (!RetireRunJournal(fs_, path_, &in_the_way)) {
    failed_ = true;
    return in_the_way;
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
  AppendJournalNumber(&fields_, source.size);
  AppendJournalNumber(&fields_, source.last_write);
  Write('P', target, fields_);
}

void RunJournalWriter::CopiedFile(const std::string& target,
                                  const std::optional<FileIdentity>& identity) {
  fields_.clear();
  if (identity) AppendJournalIdentity(&fields_, *identity);
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
  AppendEscapedJournalField(&held_, first);
  held_.append(rest);
  AppendJournalChecksum(&held_, start);
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
