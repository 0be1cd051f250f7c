#include "importexport/ListManager.h"

#include "platform/PathServices.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

namespace ordovan {

namespace {

TEXT_LIST Prepared(TEXT_LIST set) {
  for (std::string& entry : set) entry = Trim(PlatformLower(entry));
  return set;
}

bool HasDrivePart(const std::string& entry) { return !PlatformDriveOf(Trim(entry)).empty(); }

// Appends `entry` unless `target` holds it or it has a drive part.
void AppendIfAccepted(EntryList& target, const std::string& entry) {
  const std::string key = EntryKey(entry);
  if (target.ContainsKey(key) || HasDrivePart(entry)) return;
  target.AppendKeyed(entry, key);
}

}  // namespace

const TEXT_LIST& DefaultDelimiterSet() {
  static const TEXT_LIST set = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                                "&", "@", "$",     "<",  ">", ".", "-", "_"};
  return set;
}

const TEXT_LIST& DefaultQuotationMarkSet() {
  static const TEXT_LIST set = {",", ";", "space", "\",", "'", "|", "~", ":", "#",
                                "&", "@", "$",     "<",   ">", ".", "-", "_"};
  return set;
}

ManagedLists::ManagedLists(EntryList& included, EntryList& excluded, TEXT_LIST defaults)
    : included_(included), excluded_(excluded), defaults_(Prepared(std::move(defaults))) {}

void ManagedLists::TakeLoaded(const TEXT_LIST& stored) {
  const TEXT_LIST& loaded = stored.empty() ? defaults_ : stored;
  for (const std::string& entry : loaded) {
    const std::string key = EntryKey(entry);
    if (!included_.ContainsKey(key)) included_.AppendKeyed(entry, key);
  }
}

ManagerOutcome ManagedLists::Add(const std::string& text, std::string* added) {
  if (included_.size() >= kManagerLimit) return ManagerOutcome::kIncludedFull;
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return ManagerOutcome::kEmptyText;
  const std::string key = EntryKey(trimmed);
  if (included_.ContainsKey(key)) return ManagerOutcome::kInIncluded;
  if (excluded_.ContainsKey(key)) return ManagerOutcome::kInExcluded;
  included_.AppendKeyed(trimmed, key);
  if (added) *added = trimmed;
  return ManagerOutcome::kDone;
}

ManagerOutcome ManagedLists::MoveSelectedToExcluded(const std::vector<std::size_t>& rows) {
  for (std::size_t row : rows) {
    if (row < included_.size()) AppendIfAccepted(excluded_, included_[row]);
  }
  included_.RemoveRows(rows);
  return ManagerOutcome::kDone;
}

ManagerOutcome ManagedLists::MoveSelectedToIncluded(const std::vector<std::size_t>& rows) {
  std::size_t selected = 0;
  for (std::size_t row : rows) selected += row < excluded_.size() ? 1 : 0;
  if (included_.size() + selected > kManagerLimit) return ManagerOutcome::kSelectionOverLimit;
  for (std::size_t row : rows) {
    if (row < excluded_.size()) AppendIfAccepted(included_, excluded_[row]);
  }
  excluded_.RemoveRows(rows);
  return ManagerOutcome::kDone;
}

ManagerOutcome ManagedLists::MoveAllToExcluded() {
  for (const std::string& entry : included_.entries()) AppendIfAccepted(excluded_, entry);
  included_.Clear();
  return ManagerOutcome::kDone;
}

ManagerOutcome ManagedLists::MoveAllToIncluded() {
  std::size_t missing = 0;
  for (std::size_t i = 0; i < excluded_.size(); ++i) {
    if (!included_.ContainsKey(excluded_.KeyAt(i))) ++missing;
  }
  if (included_.size() + missing > kManagerLimit) return ManagerOutcome::kAllOverLimit;
  for (const std::string& entry : excluded_.entries()) AppendIfAccepted(included_, entry);
  excluded_.Clear();
  return ManagerOutcome::kDone;
}

ManagerOutcome ManagedLists::Exchange() {
  if (excluded_.size() > kManagerLimit) return ManagerOutcome::kExchangeOverLimit;
  TEXT_LIST remembered;
  for (const std::string& entry : included_.entries()) {
    if (!HasDrivePart(entry)) remembered.push_back(entry);
  }
  included_.Clear();
  for (const std::string& entry : excluded_.entries()) AppendIfAccepted(included_, entry);
  excluded_.Clear();
  for (const std::string& entry : remembered) AppendIfAccepted(excluded_, entry);
  return ManagerOutcome::kDone;
}

void ManagedLists::SetDefaults() {
  included_.Clear();
  excluded_.Clear();
  TakeLoaded({});
}

TEXT_LIST StoredManagedList(const SettingsStore& store, ManagedKind kind) {
  return kind == ManagedKind::kDelimiters ? store.DelimiterList() : store.QuotationMarkList();
}

void ReplaceStoredManagedList(SettingsStore& store, ManagedKind kind, const TEXT_LIST& entries) {
  const int record = kind == ManagedKind::kDelimiters ? 4 : 6;
  store.EmptyList(record);
  for (const std::string& entry : entries) store.AppendToList(record, entry);
}

bool ReloadSettings(SettingsStore& store, FileSystem& file_system) {
  // Read into a copy: the lists must not be emptied unless a file replaces them.
  SettingsStore loaded = store;
  loaded.ClearStoredLists();
  RestoreClass restore(loaded, file_system);
  if (!restore.IsOpen() || restore.ReadAll() == 0) return false;
  store = std::move(loaded);
  return true;
}

bool StoreAndSave(SettingsStore& store, FileSystem& file_system, Prompter& prompter,
                  ManagedKind kind, const TEXT_LIST& included) {
  ReplaceStoredManagedList(store, kind, included);
  SaveClass save(store, file_system, prompter);
  return save.WriteAll();
}

}  // namespace ordovan
