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
  // A copy the run's end cut short (SettlePendingCopies): the run's own, and
  // of no use to anyone; whoever restores the run removes it.
  bool cut_short = false;
};

// A copy that had begun and not ended when the journal ends: what it knew
// of its source.
struct JournalPendingCopy {
  std::string target;
  std::uint64_t source_size = 0;
  std::int64_t source_last_write = 0;
  std::string source;  // empty in a journal of version 1
};

// What a journal says about its run.
struct RunJournalContents {
  std::string destination;
  TEXT_LIST created_folders;  // in creation order, parents first
  TEXT_LIST main_folders;
  TEXT_LIST sub_folders;
  std::vector<JournalCopiedFile> copied_files;
  // Copies that had begun and not ended where the journal ends (the run
  // ended there, a crash): their targets may hold them. In announcement order.
  std::vector<JournalPendingCopy> pending_copies;
  // Copies an Undo began to delete (U); one of them gone is Undo's own work.
  TEXT_LIST removed_by_undo;
  // Records that name a path outside the destination; never acted on.
  TEXT_LIST outside_destination;
  bool cut_off = false;  // the last line was incomplete or damaged
  // The first line that could not be read (the header is line 1); 0 when
  // every line could.
  std::size_t unreadable_line = 0;
  bool ended = false;    // the run wrote its end record
  bool stopped = false;  // ... and was stopped by the user
};

enum class JournalReadStatus {
  NoJournal,   // nothing at the path
  NotAJournal, // something else is there, or a journal of another version
  Unfinished,  // a journal that never got its header whole: nothing made
  Read,
};

struct JournalReadResult {
  JournalReadStatus status = JournalReadStatus::NoJournal;
  RunJournalContents contents;
  // What the file was, when every line of it was read whole (a journal of
  // this version, unchanged while it was read, nothing after its last line):
  // a journal that new lines may follow.
  std::optional<FileIdentity> whole_as;
};

// Reads the journal at `path`, up to its last whole record.
JournalReadResult ReadRunJournal(FileSystem& fs, const std::string& path);

// Settles the copies the journal ends in the middle of, by what is at their
// targets. A complete copy (the source's size and last write time, which
// only a finished copy gets) is taken into copied_files with its present
// identity; so is a copy cut short, known by holding nothing but the start
// of its source (the rest zeros, as a copy that sized its file first leaves
// it), the source being still as announced. The copy made its target anew,
// so only it can have put that there. Anything else there (a link, another
// file) is taken in without an identity, so that Undo leaves it and reports
// it. Nothing there: nothing to settle.
void SettlePendingCopies(FileSystem& fs, RunJournalContents* contents);

// The run records a journal restores: those the run had when the journal
// ended, for Undo, as right after that run. A journal without a destination
// restores none (the records stay empty).
RunRecords RecordsFromJournal(RunJournalContents contents);


}  // namespace ordovan
