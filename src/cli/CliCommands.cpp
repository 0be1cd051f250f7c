#include "cli/CliCommands.h"

#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliPaths.h"
#include "reorganizer/RunJournalFormat.h"
#include "reorganizer/RunWorkers.h"
#include "settings/SettingsDirectory.h"

namespace ordovan::cli {

namespace {

const char kUsage[] =
    "Usage: ordovan-cli COMMAND [OPTIONS]\n"
    "Reorders the folder levels of many folder paths, as the Ordovan window does.\n"
    "\n"
    "Commands:\n"
    "  scan DIR       the level summary of a folder tree\n"
    "  list DIR       the subfolders of chosen levels, one path a line\n"
    "  plan           a simulation: where every path would go, nothing written\n"
    "  organize       the run: new folders and copied files under the destination\n"
    "  undo           takes back the last run its journal names\n"
    "\n"
    "'ordovan-cli COMMAND --help' describes a command.\n"
    "Exit status: 0 all done, 1 some paths not done or files not copied (reasons\n"
    "given), 2 bad input, 3 the disk failed (a full destination disk included).\n";

const char kScanHelp[] =
    "Usage: ordovan-cli scan DIR [--json] [--program-paths] [--quiet]\n"
    "The level summary of the tree below DIR: the folders on each level, and the\n"
    "folder, file and size totals.\n"
    "  --json           the summary as JSON\n"
    "  --program-paths  paths as the program writes them (c:\\srv\\files)\n"
    "  --quiet          no progress on standard error\n";

const char kListHelp[] =
    "Usage: ordovan-cli list DIR (--from N --to M | --above N | --below N)\n"
    "                        [--last-only] [--filter TEXT] [--program-paths] [--quiet]\n"
    "The subfolders of DIR on the chosen levels (1 = directly inside DIR), one\n"
    "path a line: a list file for plan and organize.\n"
    "  --from N --to M  levels N to M\n"
    "  --above N        levels 1 to N\n"
    "  --below N        the levels below N, as deep as the tree goes\n"
    "  --last-only      only the last subfolder of each path\n"
    "  --filter TEXT    only subfolders whose name holds TEXT (letter case ignored)\n"
    "  --program-paths  paths as the program writes them (c:\\srv\\files), not as\n"
    "                   this system does (the default; --native says so too)\n";

const char kRunHelpPlan[] =
    "Usage: ordovan-cli plan --include FILE (--order NAMES | --positions LIST)\n"
    "                        --dest DIR [--cut N | --base DIR] [--without-files]\n"
    "                        [--report FILE] [--program-paths]\n"
    "A simulation: Find on the paths of FILE, the new order, then the new place\n"
    "of every path and the counters. Nothing is written (but the report).\n";

const char kRunHelpOrganize[] =
    "Usage: ordovan-cli organize --include FILE (--order NAMES | --positions LIST)\n"
    "                            --dest DIR [--cut N | --base DIR] [--without-files]\n"
    "                            [--report FILE] [--journal FILE] [--workers N]\n"
    "                            [--program-paths]\n"
    "The run: the new folders under DIR and, unless --without-files, the files\n"
    "copied into them. Its journal lets 'ordovan-cli undo' (or the window's Undo)\n"
    "take it back. Ctrl-C stops it after the files in hand.\n";

// Both commands that work on many files take it.
const char kWorkersOption[] =
    "  --workers N       how many files are copied (or deleted) at once: 1 is one\n"
    "                    at a time; by default the count is chosen while the\n"
    "                    command goes (several on a file server, one on a local\n"
    "                    disk). The results are the same with any count.\n";

const char kRunOptions[] =
    "  --include FILE    the list file: one folder path a line\n"
    "  --order NAMES     the template's level names in their new order, by comma\n"
    "  --positions LIST  the same by old positions: 3,1,2\n"
    "  --cut N           cut N lead levels off the template first\n"
    "  --base DIR        cut the levels of DIR: the template starts below DIR\n"
    "  --dest DIR        the destination directory; never a drive root nor inside a source path\n"
    "  --without-files   folders only, no files copied\n"
    "  --report FILE     the eight result lists and seven counters as JSON, and the\n"
    "                    files not copied with their reasons (a new file)\n"
    "  --program-paths   paths as the program writes them (c:\\srv\\files), not as\n"
    "                    this system does\n"
    "  --quiet           no progress on standard error\n"
    "  --yes             answer Yes to the program's questions\n";

const char kUndoHelp[] =
    "Usage: ordovan-cli undo [--journal FILE] [--yes] [--report FILE] [--workers N]\n"
    "                        [--program-paths] [--quiet]\n"
    "Deletes the files and removes the folders the last run created, as its\n"
    "journal names them, and reports what stayed. Asks first; --yes answers Yes.\n";

}  // namespace

std::string HelpText(const std::string& command) {
  if (command == "scan") return kScanHelp;
  if (command == "list") return kListHelp;
  if (command == "plan") return std::string(kRunHelpPlan) + kRunOptions;
  if (command == "organize") {
    return std::string(kRunHelpOrganize) + kRunOptions +
           "  --journal FILE    the run journal (default: in the settings directory)\n" +
           kWorkersOption;
  }
  if (command == "undo") return std::string(kUndoHelp) + kWorkersOption;
  return kUsage;
}

std::size_t WorkersOption(const CliArgs& args) {
  const std::optional<long long> count = args.Number("--workers", 1);
  if (!count) return kAutomaticWorkers;
  if (*count > static_cast<long long>(kMostWorkers)) {
    throw CliError{kExitBadInput, "--workers: at most " + std::to_string(kMostWorkers)};
  }
  return static_cast<std::size_t>(*count);
}

std::string JournalPathFor(FileSystem& fs, const std::string& journal_option) {
  if (!journal_option.empty()) {
    const std::optional<std::string> path = ProgramPathOfArgument(journal_option);
    if (!path) throw CliError{kExitBadInput, "--journal: '" + journal_option + "' is no usable path"};
    return *path;
  }
  const std::string settings_directory = StartupSettingsDirectory(fs);
  if (settings_directory.empty()) {
    throw CliError{kExitDiskFailure,
                   "the settings directory (the current directory) cannot be read; give --journal"};
  }
  return RunJournalPath(settings_directory);
}

int RunCli(const std::vector<std::string>& args, FileSystem& fs, const CliStreams& io) {
  if (args.empty()) {
    io.err << kUsage;
    return kExitBadInput;
  }
  const std::string& command = args.front();
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    io.out << HelpText(rest.empty() ? std::string() : rest.front());
    return kExitDone;
  }
  for (const std::string& arg : rest) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") {
      io.out << HelpText(command);
      return kExitDone;
    }
  }
  try {
    if (command == "scan") return ScanCommand(rest, fs, io);
    if (command == "list") return ListCommand(rest, fs, io);
    if (command == "plan") return RunCommand(false, rest, fs, io);
    if (command == "organize") return RunCommand(true, rest, fs, io);
    if (command == "undo") return UndoCommand(rest, fs, io);
    throw CliError{kExitBadInput, "unknown command '" + command + "' (see 'ordovan-cli --help')"};
  } catch (const CliError& error) {
    io.err << "ordovan-cli: " << error.message << '\n';
    return error.status;
  }
}

}  // namespace ordovan::cli
