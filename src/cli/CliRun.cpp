// plan, organize and undo: the list file through the import parser and the
// import's take-over rule, Find, the new order checked as the main window
// checks it, then the run session's Simulation, Organize or Undo. What the
// session reports becomes output, messages and the exit status.

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>

#include "cli/CliArgs.h"
#include "cli/CliCommands.h"
#include "cli/CliPaths.h"
#include "cli/CliProgress.h"
#include "cli/CliPrompter.h"
#include "cli/CliReport.h"
#include "importexport/ImportClass.h"
#include "importexport/ImportSteps.h"
#include "paths/PathPlaces.h"
#include "paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/PathServices.h"
#include "reorganizer/Destination.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/LevelTemplate.h"
#include "reorganizer/RunJournalFormat.h"
#include "reorganizer/RunResults.h"
#include "reorganizer/RunSession.h"

namespace ordovan::cli {

namespace {

// When the process ends right after the command, the run's session is not
// freed: freeing a big run's records one by one is a noticeable part of the
// run, and the system takes the memory back at once. The session has closed
// its journal by the time a command ends.
struct LeftToExit {
  std::unique_ptr<RunSession>& session;
  bool process_ends_after;
  ~LeftToExit() {
    if (process_ends_after) static_cast<void>(session.release());
  }
};

constexpr const char* kCategoryNames[kResultCategoryCount] = {
    "ToReorganize",    "MainFoldersReorganized", "SubfoldersReorganized", "FilesReorganized",
    "SourceNotExists", "DestinationExists",      "OtherReasons",
};

std::string Required(const CliArgs& args, const std::string& name) {
  const std::optional<std::string> value = args.Value(name);
  if (!value || value->empty()) throw CliError{kExitBadInput, name + " is required"};
  return *value;
}

std::string PathOption(const CliArgs& args, const std::string& name) {
  const std::string text = Required(args, name);
  const std::optional<std::string> path = ProgramPathOfArgument(text);
  if (!path) throw CliError{kExitBadInput, name + ": '" + text + "' is no usable path"};
  return *path;
}

// --dest as the session's check must see it. Blanks around a typed
// destination count as nothing: a blank one names no folder, so it is handed
// over as typed and refused as the window refuses an empty destination, and
// never made into a folder named with blanks in the current directory.
std::string DestinationOption(const CliArgs& args) {
  const std::string typed = Required(args, "--dest");
  return Trim(typed).empty() ? typed : PathOption(args, "--dest");
}

// A --report file is always a new one: a file already there is someone's.
std::optional<std::string> ReportPath(const CliArgs& args, FileSystem& fs) {
  if (!args.Has("--report")) return std::nullopt;
  const std::string path = PathOption(args, "--report");
  if (fs.IsFile(path) || fs.IsFolder(path)) {
    throw CliError{kExitBadInput, "--report: '" + *args.Value("--report") +
                                      "' exists already; the report goes only into a new file"};
  }
  return path;
}

void WriteReport(FileSystem& fs, const std::optional<std::string>& path,
                 const ReportHeader& header, const RunResults& results) {
  if (!path) return;
  FileError error = FileError::kRefused;
  if (!WriteNewFile(fs, *path, ResultsJson(header, results), &error)) {
    throw CliError{kExitDiskFailure, "--report: '" + *path + (error == FileError::kExists
                                                                 ? "' was made by someone else meanwhile"
                                                                 : "' could not be written")};
  }
}

// The list file's entries as an import takes them over into an empty
// Include list; native absolute paths become program paths first.
TEXT_LIST ReadIncludeList(const CliArgs& args, FileSystem& fs, Prompter& prompter,
                          std::ostream& err) {
  const std::string file = PathOption(args, "--include");
  const std::string named = "--include: '" + *args.Value("--include") + "'";
  ImportRequest request;
  request.file_name = file;
  request.mode = ImportPlainText;
  ImportClass import(fs, prompter, request);
  import.Parse();
  switch (import.outcome()) {
    case ListReadOutcome::kRead:
      break;
    case ListReadOutcome::kCannotOpen:
      if (import.open_error() == FileError::kNotFound) {
        throw CliError{kExitBadInput, named + " does not exist"};
      }
      throw CliError{kExitDiskFailure, named + " cannot be opened"};
    case ListReadOutcome::kReadError:
      throw CliError{kExitDiskFailure, "--include: reading '" + *args.Value("--include") + "' failed"};
    default:
      throw CliError{kExitBadInput, named + " is not a list file"};
  }
  TEXT_LIST items = import.GetItems();
  for (std::string& item : items) {
    std::string entry = Trim(item);
    if (!entry.empty() && entry.front() == '/') {
      if (const auto program = ProgramPathOfArgument(entry)) item = *program;
    }
  }
  _tagImportTakeOver taken = TakeOverImportedItems(items);
  if (taken.left_out > 0) {
    err << "ordovan-cli: " << named << ": " << taken.left_out
        << " line(s) name no folder path with a drive and two levels; left out\n";
  }
  return std::move(taken.entries);
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, ',')) parts.push_back(Trim(part));
  if (!text.empty() && text.back() == ',') parts.emplace_back();
  return parts;
}

std::string Joined(const TEXT_LIST& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

// The New Level Order from --order or --positions: every name of the Old
// Level Order once, as the main window's ">" builds it from that list, so the
// run buttons' rule (both orders equally long) holds.
TEXT_LIST NewLevelOrder(const CliArgs& args, const TEXT_LIST& old_order) {
  if (args.Has("--order") == args.Has("--positions")) {
    throw CliError{kExitBadInput, "give the new order by --order or by --positions (one of them)"};
  }
  const bool by_name = args.Has("--order");
  const std::string option = by_name ? "--order" : "--positions";
  const std::vector<std::string> parts = SplitCommas(*args.Value(option));
  const std::string levels = " (the template's levels: " + Joined(old_order) + ")";
  TEXT_LIST new_order;
  std::set<std::size_t> taken;
  for (const std::string& part : parts) {
    std::optional<std::size_t> index;
    if (by_name) {
      for (std::size_t i = 0; i < old_order.size() && !index; ++i) {
        if (SameEntry(old_order[i], part)) index = i;
      }
      if (!index) throw CliError{kExitBadInput, option + ": '" + part + "' is no level" + levels};
    } else {
      std::size_t position = 0;
      bool digits = !part.empty();
      for (const char c : part) {
        if (c < '0' || c > '9' || position > old_order.size()) digits = false;
        if (digits) position = position * 10 + static_cast<std::size_t>(c - '0');
      }
      if (!digits || position < 1 || position > old_order.size()) {
        throw CliError{kExitBadInput, option + ": '" + part + "' is no position from 1 to " +
                                          std::to_string(old_order.size()) + levels};
      }
      index = position - 1;
    }
    if (!taken.insert(*index).second) {
      throw CliError{kExitBadInput, option + ": '" + part + "' is named twice" + levels};
    }
    new_order.push_back(old_order[*index]);
  }
  if (new_order.size() != old_order.size()) {
    throw CliError{kExitBadInput, option + " names " + std::to_string(new_order.size()) +
                                      " levels, the template has " +
                                      std::to_string(old_order.size()) + levels};
  }
  return new_order;
}

// What a run that did not get under way means on the command line.
[[noreturn]] void Refused(const RunReport& report, const std::string& destination,
                          const std::string& journal_path, Prompter& prompter) {
  switch (report.outcome) {
    case RunOutcome::NoDestination:
      if (Trim(destination).empty()) {
        prompter.Warn(kDestinationEmptyText, kDestinationTitle);
        throw CliError{kExitBadInput, "--dest: no destination"};
      }
      // No folder name holds a control character; the window cannot be given one.
      if (std::any_of(destination.begin(), destination.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
          })) {
        throw CliError{kExitBadInput, "--dest: the destination holds a control character"};
      }
      prompter.Warn(kDestinationRootText, kDestinationTitle);
      throw CliError{kExitBadInput, "--dest: '" + destination + "' is a drive root"};
    case RunOutcome::DestinationInsideSource:
      throw CliError{kExitBadInput, "--dest: '" + destination + "' lies inside the source path '" +
                                        report.source_holding_destination + "'"};
    case RunOutcome::JournalNotStarted:
      if (report.journal_start == JournalStart::NotAJournalInTheWay) {
        prompter.Warn(NotAJournalText(journal_path), kNotAJournalTitle);
        throw CliError{kExitBadInput, "--journal: '" + journal_path + "' is some other file"};
      }
      throw CliError{kExitDiskFailure, "the run journal '" + journal_path + "' cannot be written"};
    default:
      throw CliError{kExitBadInput, "the run did not start"};
  }
}

// --base DIR: the lead levels to cut are DIR's own, so the template starts
// right below DIR wherever the tree lies.
long long BaseLevels(const CliArgs& args, const std::string& template_path) {
  const std::string base = PathOption(args, "--base");
  if (!LiesBelow(template_path, base)) {
    throw CliError{kExitBadInput, "--base: the template path '" + template_path +
                                      "' does not lie below '" + base + "'"};
  }
  return static_cast<long long>(SplitPathLevels(base).levels.size());
}

void PrintCounters(std::ostream& out, const RunResults& results) {
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    out << kCategoryNames[i] << ": " << CounterText(results.counters()[i]) << '\n';
  }
}

}  // namespace

int RunCommand(bool organize, const std::vector<std::string>& arguments, FileSystem& fs,
               const CliStreams& io) {
  const CliArgs args(organize ? "organize" : "plan", arguments,
                     {{"--include", true}, {"--order", true}, {"--positions", true},
                      {"--cut", true}, {"--base", true}, {"--dest", true}, {"--without-files", false},
                      {"--report", true}, {"--quiet", false}, {"--yes", false},
                      {"--program-paths", false},
                      {"--journal", true}, {"--workers", true}});
  if (!args.Positionals().empty()) {
    throw CliError{kExitBadInput, "unexpected argument '" + args.Positionals().front() + "'"};
  }
  if (!organize && args.Has("--journal")) {
    throw CliError{kExitBadInput, "--journal: plan writes no journal"};
  }
  if (!organize && args.Has("--workers")) {
    throw CliError{kExitBadInput, "--workers: plan copies nothing"};
  }
  const std::size_t workers = WorkersOption(args);
  CliPrompter prompter(io.err, io.in, {args.Has("--yes"), io.in_is_terminal && io.err_is_terminal});
  const std::string destination = DestinationOption(args);
  const std::optional<std::string> report_path = ReportPath(args, fs);

  // Find, as the main window does it, on the list file's entries.
  const TEXT_LIST listed = ReadIncludeList(args, fs, prompter, io.err);
  if (listed.empty()) {
    throw CliError{kExitBadInput, "--include: '" + *args.Value("--include") + "' lists no path"};
  }
  const TemplateChoice choice = ChooseTemplatePath(listed);
  if (const auto* failure = std::get_if<TemplateFailure>(&choice.outcome)) {
    const TemplateFailureMessage message = MessageFor(*failure);
    prompter.Warn(message.text, message.title);
    throw CliError{kExitBadInput, "--include: Find found no template path"};
  }
  const LevelTemplate found = LevelTemplateOf(choice.entries[std::get<std::size_t>(choice.outcome)]);

  // The cut of lead levels, then the line numbers of the Old Level Order.
  TEXT_LIST old_order = found.TemplateNames;
  std::int64_t cut = 0;
  std::optional<long long> n = args.Number("--cut", 0);
  if (args.Has("--base")) {
    if (n) throw CliError{kExitBadInput, "give --cut or --base, not both"};
    n = BaseLevels(args, choice.entries[std::get<std::size_t>(choice.outcome)]);
  }
  if (n && *n != 0) {
    if (!CutSwitchAllowed(found.TemplateLevelCount)) {
      throw CliError{kExitBadInput, "--cut: the template has " +
                                        std::to_string(found.TemplateLevelCount) +
                                        " levels; a cut needs at least 3"};
    }
    const auto result = CutLeadLevels(found.TemplateNames, found.TemplateLevelCount, *n);
    if (const auto* rejection = std::get_if<CutRejection>(&result)) {
      prompter.Warn(CutRejectionText(*rejection, found.TemplateLevelCount, *n), kCutTitle);
      throw CliError{kExitBadInput, "--cut: " + std::to_string(*n) + " is refused"};
    }
    old_order = std::get<TEXT_LIST>(result);
    cut = *n;
  }
  const TEXT_LIST new_order = NewLevelOrder(args, old_order);

  // Nothing is made that the journal does not name, and nothing inside a
  // source: the new folders would land in the tree the run reads.
  RunSessionOptions options;
  options.refuse_destination_inside_source = true;
  options.workers = workers;
  if (organize) {
    options.journal_path = JournalPathFor(fs, args.Value("--journal").value_or(""));
    options.require_journal = true;
  }
  auto owned_session = std::make_unique<RunSession>(fs, prompter, options);
  RunSession& session = *owned_session;
  const LeftToExit left_to_exit{owned_session, io.process_ends_after};
  const RunResults& results = session.results();

  RunInputs inputs;
  inputs.include_entries = choice.entries;
  inputs.cut = static_cast<std::int32_t>(cut);
  inputs.new_level_order = new_order;
  inputs.line_number_map = LineNumbersFor(old_order);
  inputs.stored_destination = destination;
  inputs.with_files = !args.Has("--without-files");
  CliProgress progress(io.err, io.err_is_terminal && !args.Has("--quiet"),
                       inputs.include_entries.size(), "paths");
  // Every path handled lands in one of these two; the run pumps between files.
  progress.SetCount([&results] {
    return static_cast<std::size_t>(results.counter(ResultCategory::ToReorganize) +
                                    results.counter(ResultCategory::SourceNotExists));
  });
  progress.SetDetail([&results] {
    return CounterText(results.counter(ResultCategory::FilesReorganized)) + " files";
  });
  inputs.pump = &progress;
  prompter.SetBeforeMessage([&progress] { progress.Clear(); });

  const RunReport report = organize ? session.Organize(inputs) : session.Simulation(inputs);
  progress.Clear();
  const bool disk_full = report.outcome == RunOutcome::DiskFull;
  const bool stopped = report.outcome == RunOutcome::Stopped || disk_full;
  if (report.outcome != RunOutcome::Completed && !stopped) {
    Refused(report, destination, options.journal_path, prompter);
  }

  // Where every path went, then the counters.
  const RUN_PLACEMENTS& placements = session.placements();
  const bool program_paths = args.Has("--program-paths");
  for (std::size_t i = 0; i < inputs.include_entries.size(); ++i) {
    const std::string& target = placements[i];
    io.out << ShownPath(inputs.include_entries[i], program_paths) << " -> "
           << (target.empty() ? std::string("(not reorganized)") : ShownPath(target, program_paths))
           << '\n';
  }
  for (const NotCopiedFile& file : results.not_copied()) {
    io.out << "not copied: " << ShownPath(file.source, program_paths) << " : "
           << NotCopiedReasonText(file.reason) << '\n';
  }
  io.out << '\n';
  PrintCounters(io.out, results);
  io.out << "FilesNotCopied: " << results.not_copied().size() << '\n';
  WriteReport(fs, report_path,
              {organize ? "organize" : "plan", destination, stopped, program_paths, disk_full},
              results);
  // The window's warning, from the same outcome.
  if (const std::optional<RunEndWarning> warning = NotCopiedWarning(report)) {
    prompter.Warn(warning->text, warning->title);
  }
  if (disk_full) {
    throw CliError{kExitDiskFailure, "the destination disk is full; the run stopped there"};
  }

  if (report.journal_failed) {
    throw CliError{kExitDiskFailure,
                   "the run journal could not be written whole; undo may not take this run back"};
  }
  const double not_done = results.counter(ResultCategory::SourceNotExists) +
                          results.counter(ResultCategory::DestinationExists) +
                          results.counter(ResultCategory::OtherReasons);
  if (stopped) {
    io.err << "ordovan-cli: stopped after " << progress.count() << " of "
           << inputs.include_entries.size() << " paths\n";
  }
  if (not_done > 0) {
    io.err << "ordovan-cli: not reorganized: " << CounterText(not_done) << " (source missing "
           << CounterText(results.counter(ResultCategory::SourceNotExists))
           << ", already in the destination "
           << CounterText(results.counter(ResultCategory::DestinationExists)) << ", other reasons "
           << CounterText(results.counter(ResultCategory::OtherReasons)) << ")\n";
  }
  const bool skipped = report.files_not_copied > 0;
  return stopped || not_done > 0 || skipped ? kExitSomeNotDone : kExitDone;
}

int UndoCommand(const std::vector<std::string>& arguments, FileSystem& fs, const CliStreams& io) {
  const CliArgs args("undo", arguments,
                     {{"--journal", true}, {"--yes", false}, {"--report", true}, {"--quiet", false},
                      {"--program-paths", false}, {"--workers", true}});
  if (!args.Positionals().empty()) {
    throw CliError{kExitBadInput, "unexpected argument '" + args.Positionals().front() + "'"};
  }
  CliPrompter prompter(io.err, io.in, {args.Has("--yes"), io.in_is_terminal && io.err_is_terminal});
  const std::optional<std::string> report_path = ReportPath(args, fs);
  const std::string journal_path = JournalPathFor(fs, args.Value("--journal").value_or(""));

  RunSessionOptions options;
  options.journal_path = journal_path;
  options.workers = WorkersOption(args);
  auto owned_session = std::make_unique<RunSession>(fs, prompter, options);
  RunSession& session = *owned_session;
  const LeftToExit left_to_exit{owned_session, io.process_ends_after};
  const RestoreReport restored = session.RestoreFromJournal();
  if (restored.outcome == RestoreOutcome::NotAJournal) {
    prompter.Warn(NotAJournalText(journal_path), kNotAJournalTitle);
    throw CliError{kExitBadInput, "--journal: '" + journal_path + "' is not a run journal"};
  }
  if (restored.outcome == RestoreOutcome::UnusableDestination) {
    prompter.Warn(UnusableJournalText(journal_path, restored.destination, restored.kept_as),
                  kUnusableJournalTitle);
    throw CliError{kExitBadInput, "--journal: '" + journal_path + "' names no usable destination"};
  }
  if (restored.unreadable_line != 0) {
    prompter.Warn(DamagedJournalText(journal_path, restored.unreadable_line, restored.acted_on,
                                     restored.kept_as),
                  kDamagedJournalTitle);
  }
  for (const std::string& path : restored.set_aside) {
    io.err << "ordovan-cli: the journal names '" << path
           << "' outside its destination; it is left alone\n";
  }
  const std::string destination = session.records().RunDestination;

  CliProgress progress(io.err, io.err_is_terminal && !args.Has("--quiet"),
                       session.records().CopiedFiles.size(), "files");
  prompter.SetBeforeMessage([&progress] { progress.Clear(); });
  const UndoReport undone = session.Undo(&progress);
  const UndoResult& result = undone.undo;
  progress.Clear();
  switch (result.outcome) {
    case UndoOutcome::NothingToUndo:
      prompter.Warn(kNothingToUndoText, kNothingToUndoTitle);
      return kExitBadInput;
    case UndoOutcome::Declined:
      if (prompter.refused()) throw CliError{kExitBadInput, "undo needs --yes without a terminal"};
      io.err << "ordovan-cli: nothing was deleted\n";
      return kExitDone;
    case UndoOutcome::Done:
      if (!result.report.empty()) prompter.Warn(result.report, kUndoReportTitle);
      if (result.kept_for_next_undo) prompter.Inform(kKeptForUndoText, kKeptForUndoTitle);
      prompter.Inform(kUndoEndText, kUndoEndTitle);
      if (undone.journal_failed) {
        io.err << "ordovan-cli: the run journal '" << journal_path
               << "' could not be written anew; an undo after this one may not know all of it\n";
      }
      break;
    case UndoOutcome::Stopped: {
      // The session's journal names what is left, so the next undo deletes the rest.
      if (!result.report.empty()) prompter.Warn(result.report, kUndoReportTitle);
      prompter.Inform(kUndoStoppedText, kUndoEndTitle);
      if (undone.journal_failed) {
        throw CliError{kExitDiskFailure, "the run journal '" + journal_path +
                                             "' could not be written anew; what is left stays"};
      }
      io.err << "ordovan-cli: stopped; run undo again to delete the rest\n";
      return kExitSomeNotDone;
    }
  }

  const bool program_paths = args.Has("--program-paths");
  for (const std::string& folder : result.not_deleted_folders) {
    io.out << "stayed: " << ShownPath(folder, program_paths) << '\n';
  }
  for (const std::string& file : result.not_deleted_files) {
    io.out << "stayed: " << ShownPath(file, program_paths) << '\n';
  }
  io.out << "Folders that stayed: " << result.not_deleted_folders.size()
         << "\nFiles that stayed: " << result.not_deleted_files.size() << '\n';
  WriteReport(fs, report_path, {"undo", destination, false, program_paths}, session.results());
  return result.not_deleted_folders.empty() && result.not_deleted_files.empty() ? kExitDone
                                                                                : kExitSomeNotDone;
}

}  // namespace ordovan::cli
