#include "paths/IncludeExclude.h"

#include <algorithm>

#include "platform/EventPump.h"
#include "platform/PathServices.h"

namespace ordovan {

std::string DriveOfEntry(const std::string& entry) { return PlatformDriveOf(Trim(entry)); }

bool AcceptedByMove(const EntryList& target, const std::string& entry, const std::string& key) {
  return !target.ContainsKey(key) && HasDrive(entry);
}

namespace {
bool Accepted(MoveRule rule, const EntryList& target, const std::string& entry,
              const std::string& key) {
  return rule == MoveRule::kAnyEntry ? !target.ContainsKey(key)
                                     : AcceptedByMove(target, entry, key);
}
}  // namespace

std::size_t MoveSelected(EntryList& source, const std::vector<std::size_t>& selected_rows,
                         EntryList& target, EventPump& pump, MoveRule rule) {
  std::vector<std::size_t> rows;
  rows.reserve(selected_rows.size());
  for (std::size_t row : selected_rows) {
    if (row < source.size()) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

  std::size_t appended = 0;
  for (std::size_t row : rows) {
    const std::string& entry = source[row];
    const std::string& key = source.KeyAt(row);
    if (Accepted(rule, target, entry, key)) {
      target.AppendKeyed(entry, key);
      ++appended;
      pump.Pump();
    }
  }
  source.RemoveRows(std::move(rows));
  pump.Pump();
  return appended;
}

std::size_t MoveAll(EntryList& source, EntryList& target, EventPump& pump, MoveRule rule) {
  std::size_t appended = 0;
  for (std::size_t row = 0; row < source.size(); ++row) {
    if (Accepted(rule, target, source[row], source.KeyAt(row))) {
      target.AppendKeyed(source[row], source.KeyAt(row));
      ++appended;
      pump.Pump();
    }
  }
  source.Clear();
  pump.Pump();
  return appended;
}

void ExchangeLists(EntryList& include, EntryList& exclude, EventPump& pump) {
  const TEXT_LIST old_include = include.entries();
  const TEXT_LIST old_exclude = exclude.entries();
  include.Clear();
  exclude.Clear();
  pump.Pump();
  for (const std::string& entry : old_exclude) {
    const std::string key = EntryKey(entry);
    if (AcceptedByMove(include, entry, key)) {
      include.AppendKeyed(entry, key);
      pump.Pump();
    }
  }
  for (const std::string& entry : old_include) {
    const std::string key = EntryKey(entry);
    if (AcceptedByMove(exclude, entry, key) && !include.ContainsKey(key)) {
      exclude.AppendKeyed(entry, key);
      pump.Pump();
    }
  }
}

AddFolderOutcome AddFolderPath(const std::string& path, EntryList& include,
                               const EntryList& exclude) {
  if (Trim(path).empty()) return AddFolderOutcome::kEmptySelection;
  const std::string key = EntryKey(path);
  if (include.ContainsKey(key)) return AddFolderOutcome::kInInclude;
  if (SplitPathLevels(path).levels.size() < 2) return AddFolderOutcome::kTooShort;
  if (exclude.ContainsKey(key)) return AddFolderOutcome::kInExclude;
  include.AppendKeyed(path, key);
  return AddFolderOutcome::kAdded;
}

namespace {
bool QualifiesForTakeOverKeyed(const std::string& entry, const std::string& key,
                               const EntryList& include, const EntryList& exclude) {
  if (include.ContainsKey(key) || exclude.ContainsKey(key)) return false;
  if (Trim(entry).empty()) return false;
  const PathLevels levels = SplitPathLevels(entry);
  return !Trim(levels.drive).empty() && levels.levels.size() >= 2;
}
}  // namespace

bool QualifiesForTakeOver(const std::string& entry, const EntryList& include,
                          const EntryList& exclude) {
  return QualifiesForTakeOverKeyed(entry, EntryKey(entry), include, exclude);
}

std::size_t TakeOverResults(const TEXT_LIST& results, EntryList& include,
                            const EntryList& exclude, EventPump& pump) {
  std::size_t appended = 0;
  for (const std::string& entry : results) {
    const std::string key = EntryKey(entry);
    if (QualifiesForTakeOverKeyed(entry, key, include, exclude)) {
      include.AppendKeyed(entry, key);
      ++appended;
      pump.Pump();
    }
  }
  return appended;
}

std::size_t FillExportSource(const TEXT_LIST& entries, EntryList& shown,
                             const std::function<void(std::size_t)>& on_count, EventPump& pump) {
  std::size_t appended = 0;
  for (const std::string& entry : entries) {
    const std::string key = EntryKey(entry);
    if (shown.ContainsKey(key) || !HasDrive(entry)) continue;
    shown.AppendKeyed(entry, key);
    ++appended;
    if (on_count) on_count(appended);
    pump.Pump();
  }
  return appended;
}

std::size_t AppendMissing(const TEXT_LIST& entries, EntryList& zoom) {
  std::size_t appended = 0;
  for (const std::string& entry : entries) {
    const std::string key = EntryKey(entry);
    if (zoom.ContainsKey(key)) continue;
    zoom.AppendKeyed(entry, key);
    ++appended;
  }
  return appended;
}

}  // namespace ordovan
