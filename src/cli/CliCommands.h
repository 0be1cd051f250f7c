#pragma once
// ordovan-cli's subcommands over the core: scan, list, plan, organize, undo.
// Results go to standard output, progress and the program's warnings to
// standard error; the return value is the exit status (CliArgs.h).

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace ordovan {
class FileSystem;
}

namespace ordovan::cli {

struct CliStreams {
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
  bool err_is_terminal = false;  // draw the progress bar
  bool in_is_terminal = false;   // questions can be asked
  // The process ends once the command returns: what a run recorded (a big
  // run's hundreds of thousands of paths) is left to the system to free.
  bool process_ends_after = false;
};

// Runs the command line `args` (without the program's name).
int RunCli(const std::vector<std::string>& args, FileSystem& fs, const CliStreams& io);

// The subcommands, for RunCli. Each throws CliError for bad input.
int ScanCommand(const std::vector<std::string>& args, FileSystem& fs, const CliStreams& io);
int ListCommand(const std::vector<std::string>& args, FileSystem& fs, const CliStreams& io);
int RunCommand(bool organize, const std::vector<std::string>& args, FileSystem& fs,
               const CliStreams& io);
int UndoCommand(const std::vector<std::string>& args, FileSystem& fs, const CliStreams& io);

// The --help text of a command; the overview for any other word.
std::string HelpText(const std::string& command);

// The journal a run writes and `undo` reads: `--journal` when given, else the
// journal file in the settings directory the desktop program uses.
std::string JournalPathFor(FileSystem& fs, const std::string& journal_option);

class CliArgs;
// --workers N: N, or kAutomaticWorkers when it is not given.
std::size_t WorkersOption(const CliArgs& args);

}  // namespace ordovan::cli
