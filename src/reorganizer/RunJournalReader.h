#pragma once
// Reading a run journal (format in RunJournalFormat.h): what it says about
// its run, up to its last whole record, and the run records it restores so
// that Undo can take that run back after a restart.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "paths/PathText.h"
#include "platform/FileSystem.h"
#include "reorganizer/RunJournalFormat.h"

namespace ordovan {

struct RunRecords;

struct JournalCopiedFile {
  std::string path;
  std::optional<FileIdentity> identity;  // nullopt: could not be read after the copy
};

// What a copy that had begun when the journal ends knew of its source.
struct JournalPendingCopy {
  std::string target;
  std::uint64_t source_size = 0;
  std::int64_t source_last_write = 0;
};

// What a journal says about its run.
struct RunJournalContents {
  std::string destination;
  TEXT_LIST created_folders;  // in creation order, parents first
  TEXT_LIST main_folders;
  TEXT_LIST sub_folders;
  std::vector<JournalCopiedFile> copied_files;
  // The journal ends between the start of a copy and its record: the run
  // ended there (a crash), and the target may hold that copy.
  std::optional<JournalPendingCopy> pending_copy;
  // Records that name a path outside the destination; never acted on.
  TEXT_LIST outside_destination;
  bool cut_off = false;  // the last line was incomplete or damaged
  bool ended = false;    // the run wrote its end record
  bool stopped = false;  // ... and was stopped by the user
};

enum class JournalReadStatus {
  NoJournal,   // nothing at the path
  NotAJournal, // something else is there, or a journal of another version
  Read,
};

struct JournalReadResult {
  JournalReadStatus status = JournalReadStatus::NoJournal;
  RunJournalContents contents;
};

// Reads the journal at `path`, up to its last whole record.
JournalReadResult ReadRunJournal(FileSystem& fs, const std::string& path);

// Settles the copy the journal ends in the middle of. The target is taken
// into copied_files with its present identity when it is a complete copy of
// the source (its size and last write time, which only a completed copy
// gets); anything else there is taken in without an identity, so that Undo
// leaves it and reports it. Nothing there: nothing to settle.
void SettlePendingCopy(FileSystem& fs, RunJournalContents* contents);

// The run records a journal restores: those the run had when the journal
// ended, for Undo, as right after that run. A journal without a destination
// restores none (the records stay empty).
RunRecords RecordsFromJournal(const RunJournalContents& contents);

// True when `path` holds a journal (its first line is the header).
bool IsRunJournal(FileSystem& fs, const std::string& path);

}  // namespace ordovan
