#pragma once
// Writing the run journal (format in RunJournalFormat.h) while an Organize
// runs, and while an Undo deletes what it names.
//
// A journal takes its name only once its start is on the disk: it is written
// beside its place, synced and renamed into it, so a crash never leaves a
// journal without its header, and one written anew (after a stopped Undo)
// replaces the old one in one step, never after it was deleted.
//
// A copied file is recorded (C) only after its copy completed and its
// identity was read. Each line reaches the system as soon as it is written
// (it survives the end of the process), except the record of a copy whose
// announcement (P) is the line before it: that one goes with the next line,
// and until then the announcement stands for it. The lines are put on the
// disk in batches, at least every 256 records of folders and copies (the lines
// that announce a copy or a deletion are not counted) and every second, and
// at the end.
//
// The calls may come from several threads (the workers of a run announce
// their copies, those of an Undo name their deletions); each line is written
// whole, one at a time. A copy is announced before it starts and ended by
// CopiedFile or CopyNotMade, in any order, so several can be in flight.

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/SpinningMutex.h"
#include "reorganizer/RunJournalFormat.h"

namespace ordovan {

struct RunRecords;

inline constexpr std::size_t kRunJournalBatchRecords = 256;
inline constexpr std::chrono::milliseconds kRunJournalBatchTime{1000};


// How the batches reach the disk: on a thread of the writer's own, so the
// run goes on while the disk works (at most one batch is being synced while
// the next one is written), or in line, for tests that count the syncs.
enum class JournalSyncing { InBackground, InLine };

enum class JournalStart {
  Started,
  NotAJournalInTheWay,  // a file that is not a journal holds the name; left alone
  CannotCreate,
};

// Deletes the journal at `path` (or what a crash left of the start of one),
// and what a crash left beside it. A file there that is not a journal stays.
// True when no journal is left there; otherwise `why`, when given, says
// NotAJournalInTheWay, or CannotCreate (a folder there, or a journal that
// could not be deleted).
bool RetireRunJournal(FileSystem& fs, const std::string& path, JournalStart* why = nullptr);

// Writes the journal of one run. Every call after a failed start or a failed
// write does nothing; the run goes on without it.
class RunJournalWriter {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // `clock` gives the time for the one-second batches; the steady clock when
  // empty.
  RunJournalWriter(FileSystem& fs, std::string path, Clock clock = {},
                   JournalSyncing syncing = JournalSyncing::InBackground);
  ~RunJournalWriter();
  RunJournalWriter(const RunJournalWriter&) = delete;
  RunJournalWriter& operator=(const RunJournalWriter&) = delete;

  // Retires an earlier journal and starts a new one for `destination`; the
  // start is on the disk when this returns Started.
  JournalStart Begin(const std::string& destination);

  // Before the run creates `folder`; a crash right after the creation must
  // not leave a folder the journal does not know.
  void CreatingFolder(const std::string& folder);
  // After a creation failed: `folder` was not made.
  void FolderNotMade(const std::string& folder);
  void CreatedMainFolder(const std::string& folder);
  void CreatedSubFolder(const std::string& folder);
  // Before a copy of `source_path` into `target` begins, with what the
  // source is.
  void CopyStarting(const std::string& target, const FileIdentity& source,
                    const std::string& source_path);
  // After the copy into `target` completed, with what the copy is.
  void CopiedFile(const std::string& target, const std::optional<FileIdentity>& identity);
  // After the copy announced for `target` failed, leaving nothing of its own.
  void CopyNotMade(const std::string& target);
  // Puts the records on the disk when a second has passed since that was
  // last done; for the run to call while it works.
  void Tick();
  // Writes the end record and puts everything on the disk. False when the
  // journal failed at some point (or never started).
  bool Finish(bool stopped);
  // Deletes the journal (when it is one): the records it holds are gone.
  void Retire();
  // Replaces the journal with one that holds exactly `records` (after an
  // Undo that was stopped or left something). False when it could not be
  // written; the old journal then stays.
  bool Rewrite(const RunRecords& records);
  // As Rewrite, but the journal stays open: Undo then names each copy it
  // deletes (RemovingCopy), so that a later Undo knows the copy gone for its
  // own work. Finished by Retire or Rewrite.
  bool BeginUndo(const RunRecords& records);
  // The journal at its place was read whole (as `whole_as`) into exactly the
  // records the next Undo takes back: BeginUndo then goes on writing it, if
  // it is still that file, rather than write it all anew. Forgotten when the
  // journal is next begun, ended or written anew.
  void MayContinue(const FileIdentity& whole_as);
  // Before Undo deletes `file`, a copy the journal names.
  void RemovingCopy(const std::string& file);
  // From now on the file at the journal's place is left exactly as it is:
  // no run begins a journal there, and nothing retires or rewrites it.
  void LeaveAsItIs();

  const std::string& path() const { return path_; }
  bool active() const {
    std::lock_guard<SpinningMutex> lock(mutex_);
    return file_ != nullptr;
  }
  bool failed() const {
    std::lock_guard<SpinningMutex> lock(mutex_);
    return failed_;
  }
  // How often the records were sent to the disk; for tests.
  std::size_t syncs() const {
    std::lock_guard<SpinningMutex> lock(mutex_);
    return syncs_;
  }

 private:
  class Syncer;
  // Starts the journal for `destination` beside its place; Publish gives it
  // its name.
  JournalStart Open(const std::string& destination);
  void WriteRecords(const RunRecords& records);
  bool Publish();
  // Opens the journal at its place to go on writing it, as MayContinue allows.
  bool Continue();
  void Write(char kind, const std::string& first, const std::string& rest = std::string());
  // The line `line` (kind and `first` first), made by FormatLine, as Write.
  void WriteMade(char kind, const std::string& first, const std::string& line);
  static void FormatLine(std::string* out, char kind, const std::string& first, const std::string& rest);
  // What follows a line now in held_.
  void Written(char kind, const std::string& first);
  void WriteLocked(char kind, const std::string& path);
  void TickLocked();
  // Sends the lines held back to the system; false (and failed) when that fails.
  bool SendHeld();
  void SyncBatch();
  void Fail();
  // Waits for the syncs, syncs the rest when `sync`, and closes the file.
  // False when the journal failed at some point.
  bool Close(bool sync);

  // Held by every public call; the private ones run under it.
  mutable SpinningMutex mutex_;
  FileSystem& fs_;
  std::string path_;
  Clock clock_;
  JournalSyncing syncing_;
  std::unique_ptr<AppendFile> file_;
  std::unique_ptr<Syncer> syncer_;  // destroyed before file_
  std::string held_;        // lines not yet sent to the system
  std::string fields_;      // the fields after the path of the line being made
  bool announced_ = false;  // the last line announced a copy
  std::string announced_target_;  // ... into this target
  std::size_t unsynced_ = 0;        // records of folders and copies not yet synced
  std::size_t unsynced_lines_ = 0;  // any lines not yet synced
  std::size_t syncs_ = 0;
  std::chrono::steady_clock::time_point last_sync_{};
  bool failed_ = false;
  bool published_ = false;     // the open file has the journal's name
  bool left_as_it_is_ = false;
  std::optional<FileIdentity> continuable_;  // see MayContinue
};

}  // namespace ordovan
