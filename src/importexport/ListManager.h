#pragma once
// The delimiter and quotation-mark managers: an included list (the active
// entries, which become the stored list) and an excluded list (inactive
// entries, kept while the program runs). One set of rules for both; the
// twins differ only in their texts, default set and stored list.
#include <cstddef>
#include <string>
#include <vector>

#include "paths/EntryList.h"
#include "paths/PathText.h"

namespace ordovan {

class EventPump;
class FileSystem;
class Prompter;
class SettingsStore;

inline constexpr std::size_t kManagerLimit = 30000;

enum class ManagedKind { kDelimiters, kQuotationMarks };

// The built-in default set of 17 entries, in order.
const TEXT_LIST& DefaultDelimiterSet();
const TEXT_LIST& DefaultQuotationMarkSet();

// Outcomes of the commands that can be refused; kDone means it happened.
enum class ManagerOutcome {
  kDone,
  kIncludedFull,       // Add with 30,000 included entries (0121)
  kEmptyText,          // Add with a blank field (0122)
  kInIncluded,         // 0123
  kInExcluded,         // 0124
  kSelectionOverLimit, // "<" would pass the limit (0125)
  kAllOverLimit,       // "<<" would pass the limit (0126)
  kExchangeOverLimit,  // "<>" with too many excluded entries (0127)
};

// Works on two lists that the window shows (or a test holds).
class ManagedLists {
 public:
  ManagedLists(EntryList& included, EntryList& excluded, TEXT_LIST defaults);
  ManagedLists(const ManagedLists&) = delete;
  ManagedLists& operator=(const ManagedLists&) = delete;

  EntryList& included() { return included_; }
  EntryList& excluded() { return excluded_; }
  const TEXT_LIST& defaults() const { return defaults_; }

  // Appends every entry of `stored` (or of the default set when `stored` is
  // empty) that the included list lacks; the excluded list is not touched.
  void TakeLoaded(const TEXT_LIST& stored);
  // Trims `text` and appends it to the included list. `added` receives the
  // trimmed text when it was appended.
  ManagerOutcome Add(const std::string& text, std::string* added);
  ManagerOutcome MoveSelectedToExcluded(const std::vector<std::size_t>& rows);
  ManagerOutcome MoveSelectedToIncluded(const std::vector<std::size_t>& rows);
  ManagerOutcome MoveAllToExcluded();
  ManagerOutcome MoveAllToIncluded();
  ManagerOutcome Exchange();
  void DeleteExcluded(const std::vector<std::size_t>& rows) { excluded_.RemoveRows(rows); }
  void RemoveAllExcluded() { excluded_.Clear(); }
  void SetDefaults();

 private:
  EntryList& included_;
  EntryList& excluded_;
  TEXT_LIST defaults_;  // lowercased and trimmed
};

// The manager's stored list in the store, and its replacement.
TEXT_LIST StoredManagedList(const SettingsStore& store, ManagedKind kind);
void ReplaceStoredManagedList(SettingsStore& store, ManagedKind kind, const TEXT_LIST& entries);

// Reloads the whole store from the default settings file. The stored lists
// are emptied only together with a file that was read: a missing, locked or
// empty file leaves the store exactly as it was. True when the file was read.
bool ReloadSettings(SettingsStore& store, FileSystem& file_system);

// Close: the included entries become the stored list, then the whole store
// is written to the default settings file. False when the write failed (the
// writer has shown its message).
bool StoreAndSave(SettingsStore& store, FileSystem& file_system, Prompter& prompter,
                  ManagedKind kind, const TEXT_LIST& included);

}  // namespace ordovan
