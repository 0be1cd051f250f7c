// scan and list: the level summary and the builder's list of subfolders.

#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCommands.h"
#include "cli/CliPaths.h"
#include "cli/CliProgress.h"
#include "cli/CliPrompter.h"
#include "cli/CliReport.h"
#include "paths/EntryList.h"
#include "platform/FileSystem.h"
#include "scanning/FolderStructSize.h"
#include "scanning/LevelCopy.h"
#include "scanning/ListBuilder.h"

namespace ordovan::cli {

namespace {

std::string ExistingFolder(FileSystem& fs, const std::vector<std::string>& positionals,
                           const char* command) {
  if (positionals.size() != 1) {
    throw CliError{kExitBadInput, std::string(command) + " takes one folder (DIR), given " +
                                      std::to_string(positionals.size())};
  }
  const std::optional<std::string> folder = ProgramPathOfArgument(positionals.front());
  if (!folder) throw CliError{kExitBadInput, "DIR: '" + positionals.front() + "' is no usable path"};
  if (!fs.IsFolder(*folder)) {
    throw CliError{kExitBadInput, "DIR: '" + positionals.front() + "' is not a folder"};
  }
  return *folder;
}

// The option's text when the builder takes it as a level number; the
// builder's own message would not name the option.
std::string LevelOption(const CliArgs& args, const std::string& name) {
  const std::string text = *args.Value(name);
  if (!ParseLevelNumber(text)) throw CliError{kExitBadInput, name + ": '" + text + "' is not a level number"};
  return text;
}

}  // namespace

int ScanCommand(const std::vector<std::string>& arguments, FileSystem& fs, const CliStreams& io) {
  const CliArgs args("scan", arguments,
                     {{"--json", false}, {"--quiet", false}, {"--program-paths", false}});
  const std::string folder = ExistingFolder(fs, args.Positionals(), "scan");

  FolderStructSize size(folder);
  size.SetCountStartFolder(false);
  CliProgress progress(io.err, io.err_is_terminal && !args.Has("--quiet"), 0, "folders");
  const ScanOutcome outcome = size.Scan(fs, progress);
  progress.Clear();
  const bool stopped = outcome == ScanOutcome::kStopped;
  const bool program_paths = args.Has("--program-paths");

  if (args.Has("--json")) {
    std::string json =
        "{\n  \"folder\": \"" + JsonEscaped(ShownPath(folder, program_paths)) + "\",\n";
    json += std::string("  \"stopped\": ") + (stopped ? "true" : "false") + ",\n";
    json += "  \"levels\": [";
    const LEVEL_ROWS rows = size.LevelRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      json += i == 0 ? "\n    " : ",\n    ";
      json += "{\"level\": " + std::to_string(rows[i].level) +
              ", \"folders\": " + std::to_string(rows[i].folders) + "}";
    }
    json += rows.empty() ? "],\n" : "\n  ],\n";
    json += "  \"folders\": " + std::to_string(size.FolderTotal()) + ",\n";
    json += "  \"files\": " + std::to_string(size.FileTotal()) + ",\n";
    json += "  \"bytes\": " + std::to_string(size.SizeTotal()) + "\n}\n";
    io.out << json;
  } else {
    const _tagLevelReport report = ReportIntoLevelSummary(size);
    io.out << "Folder: " << ShownPath(report.folder_name, program_paths) << "\nLevel\tFolders\n";
    for (const auto& [level, folders] : report.rows) io.out << level << '\t' << folders << '\n';
    io.out << "Folders: " << report.folder_total << "\nFiles: " << report.file_total
           << "\nSize: " << report.size_text << '\n';
  }
  if (stopped) {
    io.err << "ordovan-cli: stopped; the totals are partial\n";
    return kExitSomeNotDone;
  }
  return kExitDone;
}

int ListCommand(const std::vector<std::string>& arguments, FileSystem& fs, const CliStreams& io) {
  const CliArgs args("list", arguments,
                     {{"--from", true}, {"--to", true}, {"--above", true}, {"--below", true},
                      {"--last-only", false}, {"--filter", true}, {"--native", false},
                      {"--program-paths", false}, {"--quiet", false}});
  const std::string folder = ExistingFolder(fs, args.Positionals(), "list");
  CliPrompter prompter(io.err, io.in, {});

  // The builder's own request, as its window would hold it.
  _tagBuildRequest request;
  request.source_text = folder;
  const int modes = (args.Has("--from") || args.Has("--to")) + args.Has("--above") +
                    args.Has("--below");
  if (modes != 1) {
    throw CliError{kExitBadInput, "list needs exactly one of --from/--to, --above, --below"};
  }
  if (args.Has("--from") || args.Has("--to")) {
    if (!args.Has("--from") || !args.Has("--to")) {
      throw CliError{kExitBadInput, "--from and --to go together"};
    }
    request.mode = LevelCopy::kFromTo;
    request.from_text = LevelOption(args, "--from");
    request.to_text = LevelOption(args, "--to");
  } else if (args.Has("--above")) {
    request.mode = LevelCopy::kAbove;
    request.above_text = LevelOption(args, "--above");
  } else {
    request.mode = LevelCopy::kBelow;
    request.below_text = LevelOption(args, "--below");
  }
  request.listing_option =
      args.Has("--last-only") ? LevelCopy::kOnlyLastSubfolder : LevelCopy::kAllSubfolders;
  request.filter_text = args.Value("--filter").value_or("");

  CliProgress progress(io.err, io.err_is_terminal && !args.Has("--quiet"), 0, "folders");
  prompter.SetBeforeMessage([&progress] { progress.Clear(); });
  EntryList listed;
  const BuildOutcome outcome = BuildSubfolderListInto(request, listed, fs, prompter, progress);
  progress.Clear();
  switch (outcome) {
    case BuildOutcome::kBuilt:
    case BuildOutcome::kNoMatches:
      break;
    case BuildOutcome::kStopped:
      io.err << "ordovan-cli: stopped; nothing is listed\n";
      return kExitSomeNotDone;
    case BuildOutcome::kNoSource:
    case BuildOutcome::kBadNumber:
    case BuildOutcome::kStartAfterEnd:
      return kExitBadInput;
  }
  if (args.Has("--native") && args.Has("--program-paths")) {
    throw CliError{kExitBadInput, "give --native or --program-paths, not both"};
  }
  const bool program_paths = args.Has("--program-paths");
  for (const std::string& path : listed.entries()) io.out << ShownPath(path, program_paths) << '\n';
  return kExitDone;
}

}  // namespace ordovan::cli
