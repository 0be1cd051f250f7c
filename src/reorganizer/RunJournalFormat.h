#pragma once
// The run journal's record format. While an Organize runs, every folder it
// creates and every file it copies goes into a file in the settings
// directory, so that Undo can take the run back after the program was
// closed, crashed or lost power (RunJournalWriter.h writes it,
// RunJournalReader.h reads it).
//
// The file is text, one record per line: a first line that names the format,
// then the destination, then the work in the order it was done. Every record
// ends in a checksum, so a line cut off by a crash is known and the journal
// is read up to its last whole record. Fields are separated by tabs; `%`,
// tab, CR and LF inside a path are written as `%25`, `%09`, `%0D`, `%0A`.
//
//   D <destination>                   the run's destination, always first
//   F <folder>                        a folder the run creates (parents first),
//                                     written before it is made
//   X <folder>                        ... that could not be made after all
//   M <folder>                        ... that is a new main folder
//   S <folder>                        ... that is a new full subfolder
//   P <target> <size> <last_write> <source>
//                                     a copy begins: the source's size, time, path
//   C <target> <identity...>          the copy is complete: what the copy is
//   C <target>                        ... complete, but its identity unreadable
//   N <target>                        the copy ended without making a file
//   U <file>                          Undo deletes this copy now (written
//                                     before it does)
//   E finished|stopped                the run ended
//
// A copy stays announced until its own C or N: copies may end in another
// order than they began. Version 1 journals, written before N, U and the
// source in P, still read: there the record after an announcement ends it.

#include <charconv>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace ordovan {

inline constexpr char kRunJournalFileName[] = "ordovan-run.journal";
inline constexpr char kRunJournalHeader[] = "ORDOVAN RUN JOURNAL\t2";
inline constexpr char kRunJournalHeaderVersion1[] = "ORDOVAN RUN JOURNAL\t1";

// The version of the journal whose text this is (1 or 2); 0 when its first
// line is no header this program reads.
int JournalVersionOf(const std::string& text);
// True when `text` is nothing but the start of a journal whose header never
// got written whole: part of a header (or nothing), then only zero bytes.
bool IsUnfinishedJournalStart(const std::string& text);

enum class JournalFileKind {
  None,        // nothing at the path
  Journal,     // begins with a header this program reads
  Unfinished,  // the start of a journal that never got its header whole
  Other,       // someone's file, a journal of another version, or unreadable
};
// What is at `path`, read no further than needed.
JournalFileKind JudgeJournalFile(FileSystem& fs, const std::string& path);

// The journal's path in the settings directory.
std::string RunJournalPath(const std::string& settings_directory);
// Where a journal is written before it takes its name.
std::string RunJournalTempPath(const std::string& journal_path);
// The n-th name (from 1) a damaged journal may be kept under.
std::string KeptJournalPath(const std::string& journal_path, int n);

// The warning for a file in the journal's place that is no journal.
std::string NotAJournalText(const std::string& path);
inline constexpr const char* kNotAJournalTitle = "Ordovan.            Warning no: 140060.";
// The warning for a journal that cannot be read to its end: from which line
// on, what Undo acts on, and where it is kept (empty: it could not be).
std::string DamagedJournalText(const std::string& path, std::size_t line, std::size_t acted_on,
                               const std::string& kept_as);
inline constexpr const char* kDamagedJournalTitle = "Ordovan.            Warning no: 140063.";
// The warning for a journal whose destination no run could have had.
std::string UnusableJournalText(const std::string& path, const std::string& destination,
                                const std::string& kept_as);
inline constexpr const char* kUnusableJournalTitle = "Ordovan.            Warning no: 140064.";

// A path field: `%`, tab, CR and LF escaped. Unescaping gives nullopt for a
// `%` not followed by two hex digits.
std::string EscapeJournalField(const std::string& text);
void AppendEscapedJournalField(std::string* line, const std::string& text);
std::optional<std::string> UnescapeJournalField(std::string_view text);

// Ends the line that starts at `line_start` of `text` with its checksum and
// the line feed.
void AppendJournalChecksum(std::string* text, std::size_t line_start);
// The record of a line (without its line feed) with the checksum taken off;
// nullopt when the checksum is missing or wrong.
std::optional<std::string_view> CheckedJournalRecord(std::string_view line);

// A record's fields, split at its tabs, into `fields` (parts of `record`).
void SplitJournalFields(std::string_view record, std::vector<std::string_view>* fields);

// A number field: a tab, then the number in decimal.
template <typename Number>
void AppendJournalNumber(std::string* line, Number value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  line->push_back('\t');
  line->append(digits, end);
}
template <typename Number>
bool ParseJournalNumber(std::string_view text, Number* value) {
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, *value);
  return !text.empty() && error == std::errc() && ptr == end;
}

// What a copy is, as the five number fields of its C record.
inline constexpr std::size_t kJournalIdentityFields = 5;
void AppendJournalIdentity(std::string* line, const FileIdentity& identity);
// The identity in `fields` from `first` on; nullopt when a field is no number.
std::optional<FileIdentity> ParseJournalIdentity(const std::vector<std::string_view>& fields,
                                                 std::size_t first);

}  // namespace ordovan
