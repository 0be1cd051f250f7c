#pragma once
// The JSON report of a run or an Undo: the seven counters and the eight result
// lists, each under the name the results model gives it, and the files the
// run did not copy, each with its target and reason.

#include <string>

namespace ordovan {
class FileSystem;
enum class FileError;
class RunResults;
}  // namespace ordovan

namespace ordovan::cli {

struct ReportHeader {
  std::string command;      // "plan", "organize" or "undo"
  std::string destination;  // the run's destination
  bool stopped = false;     // the command ended early: Ctrl-C, or a full disk
  bool program_paths = false;  // paths as the program writes them, not natively
  bool disk_full = false;   // the destination's disk filled up and ended the run
};

// Text inside JSON quotes: quotes, backslashes and control characters escaped.
std::string JsonEscaped(const std::string& text);

std::string ResultsJson(const ReportHeader& header, const RunResults& results);

// Writes `content` into a new file at `path`: never over an existing file,
// and a file that could not be written whole is taken away again. False when
// it was not written; then `error`, when given, says kExists for something
// there already.
bool WriteNewFile(FileSystem& fs, const std::string& path, const std::string& content,
                  FileError* error = nullptr);

}  // namespace ordovan::cli
