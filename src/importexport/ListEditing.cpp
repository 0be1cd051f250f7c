#include "importexport/ListEditing.h"

#include "paths/ValidationReports.h"
#include "platform/EventPump.h"
#include "platform/PathServices.h"

namespace ordovan {

TEXT_LIST MemoLines(const std::string& memo_text) {
  TEXT_LIST lines;
  std::size_t start = 0;
  while (start < memo_text.size()) {
    std::size_t end = memo_text.find('\n', start);
    if (end == std::string::npos) end = memo_text.size();
    std::size_t stop = end;
    if (stop > start && memo_text[stop - 1] == '\r') --stop;
    lines.emplace_back(memo_text, start, stop - start);
    start = end + 1;
  }
  return lines;
}

TEXT_LIST NonBlankLines(const TEXT_LIST& lines) {
  TEXT_LIST kept;
  kept.reserve(lines.size());
  for (const std::string& line : lines) {
    if (!Trim(line).empty()) kept.push_back(line);
  }
  return kept;
}

std::string PrepareLine(const std::string& line) { return NormalizePath(Trim(line)); }

std::string CheckEditedPaths(const TEXT_LIST& non_blank_lines) {
  // The lines are checked as they will be written: trimmed, so a blank
  // before a drive letter does not make a good path look driveless.
  TEXT_LIST trimmed;
  trimmed.reserve(non_blank_lines.size());
  for (const std::string& line : non_blank_lines) trimmed.push_back(Trim(line));
  std::string report;
  if (!ValidateFullPaths(&report, trimmed)) return {};
  return report;
}

std::size_t WriteBackPaths(const TEXT_LIST& non_blank_lines, EditedPathRule rule,
                           EntryList& target, const EntryList& looked_up,
                           const std::function<void(std::size_t)>& on_count, EventPump& pump) {
  target.Clear();
  std::size_t appended = 0;
  for (const std::string& line : non_blank_lines) {
    const std::string path = PrepareLine(line);
    if (PlatformDriveOf(path).empty()) continue;
    const std::string key = EntryKey(path);
    if (target.ContainsKey(key) || looked_up.ContainsKey(key)) continue;
    if (rule == EditedPathRule::kDriveAndTwoLevels) {
      const PathLevels levels = SplitPathLevels(path);
      if (Trim(levels.drive).empty() || levels.levels.size() < 2) continue;
    }
    target.AppendKeyed(path, key);
    ++appended;
    if (on_count) on_count(appended);
    pump.Pump();
  }
  return appended;
}

SmartImportWriteBack WriteBackCreatedList(const TEXT_LIST& non_blank_lines, EntryList& created,
                                          EventPump& pump) {
  created.Clear();
  SmartImportWriteBack result;
  for (const std::string& line : non_blank_lines) {
    if (result.appended >= kSmartImportLimit) {
      result.limit_reached = true;
      break;
    }
    const std::string item = PrepareLine(line);
    const std::string key = EntryKey(item);
    if (created.ContainsKey(key)) continue;
    created.AppendKeyed(item, key);
    ++result.appended;
    pump.Pump();
  }
  return result;
}

}  // namespace ordovan
