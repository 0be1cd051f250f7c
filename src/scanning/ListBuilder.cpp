#include "scanning/ListBuilder.h"

#include <algorithm>
#include <charconv>

#include "paths/IncludeExclude.h"
#include "paths/PathText.h"
#include "platform/EventPump.h"
#include "platform/PathServices.h"
#include "platform/Prompter.h"
#include "scanning/ListBuilderMessages.h"

namespace ordovan {

namespace msg = builder_messages;

std::optional<std::uint32_t> ParseLevelNumber(const std::string& text) {
  const std::string digits = Trim(text);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value > 2147483647u) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

_tagFromToCheck CheckFromToFields(const std::string& from_text, const std::string& to_text) {
  _tagFromToCheck check{from_text, to_text};
  if (!ParseLevelNumber(check.from_text)) {
    check.from_text.assign(1, '1');
    check.from_corrected = true;
  }
  if (!ParseLevelNumber(check.to_text)) {
    check.to_text = check.from_text;
    check.to_corrected = true;
  }
  return check;
}

namespace {

void Warn(Prompter& prompter, const char* text, const char* number) {
  prompter.Warn(text, msg::Title(number));
}

// Reads one level number field; a bad one is reported (0583).
std::optional<std::uint32_t> ReadNumber(const std::string& text, Prompter& prompter) {
  auto number = ParseLevelNumber(text);
  if (!number) prompter.Fail(msg::BadLevelNumber(text), msg::Title("0583"));
  return number;
}

}  // namespace

namespace {

// What the builder's window adds around the build.
enum class BuildDialogue { kWindow, kNone };

BuildOutcome Build(const _tagBuildRequest& request, EntryList& include, const EntryList& exclude,
                   FileSystem& file_system, Prompter& prompter, EventPump& pump,
                   const _tagBuildHooks& hooks, BuildDialogue dialogue) {
  const bool window = dialogue == BuildDialogue::kWindow;
  const std::string source = Trim(request.source_text);
  if (source.empty()) {
    Warn(prompter, msg::kSelectionEmpty, "0579");
    if (window) Warn(prompter, msg::kBuildEnd, "0587");
    return BuildOutcome::kNoSource;
  }

  // The numbers are checked before the question that may empty the list, so
  // a typo never costs the user the list.
  LevelCopy copy({source}, file_system);
  switch (request.mode) {
    case LevelCopy::kFromTo: {
      auto from = ReadNumber(request.from_text, prompter);
      if (!from) return BuildOutcome::kBadNumber;
      auto to = ReadNumber(request.to_text, prompter);
      if (!to) return BuildOutcome::kBadNumber;
      if (*to < *from) {
        Warn(prompter, msg::kStartAfterEnd, "0581");
        return BuildOutcome::kStartAfterEnd;
      }
      copy.SetFromTo(*from, *to);
      break;
    }
    case LevelCopy::kAbove: {
      auto above = ReadNumber(request.above_text, prompter);
      if (!above) return BuildOutcome::kBadNumber;
      copy.SetAbove(*above);
      break;
    }
    case LevelCopy::kBelow: {
      auto below = ReadNumber(request.below_text, prompter);
      if (!below) return BuildOutcome::kBadNumber;
      copy.SetBelow(*below);
      break;
    }
  }

  const bool clear_first = window && prompter.Ask(msg::kClearIncludeQuestion, msg::Title("0580"));

  copy.SetListingOption(request.listing_option);
  copy.SetFilter(PlatformLower(Trim(request.filter_text)));
  if (hooks.on_progress) copy.SetProgressHook(hooks.on_progress);
  if (copy.Run(pump) == ScanOutcome::kStopped) {
    Warn(prompter, msg::kScanStopped, "0585");
    return BuildOutcome::kStopped;
  }

  if (clear_first) {
    include.Clear();
    if (hooks.on_include_count) hooks.on_include_count(0);
  }
  BuildOutcome outcome = BuildOutcome::kBuilt;
  if (copy.Results().empty()) {
    Warn(prompter, msg::kNoMatches, "0582");
    outcome = BuildOutcome::kNoMatches;
  } else {
    for (const std::string& result : copy.Results()) {
      std::string entry = Trim(result);
      if (entry.empty()) continue;
      std::string key = EntryKey(entry);
      if (include.ContainsKey(key) || exclude.ContainsKey(key)) continue;
      include.AppendKeyed(entry, key);
      if (hooks.on_include_count) hooks.on_include_count(include.size());
      pump.Pump();
    }
  }
  if (window) Warn(prompter, msg::kBuildEnd, "0587");
  return outcome;
}

}  // namespace

BuildOutcome BuildSubfolderList(const _tagBuildRequest& request, EntryList& include,
                                const EntryList& exclude, FileSystem& file_system,
                                Prompter& prompter, EventPump& pump,
                                const _tagBuildHooks& hooks) {
  return Build(request, include, exclude, file_system, prompter, pump, hooks,
               BuildDialogue::kWindow);
}

BuildOutcome BuildSubfolderListInto(const _tagBuildRequest& request, EntryList& include,
                                    FileSystem& file_system, Prompter& prompter,
                                    EventPump& pump) {
  include.Clear();
  const EntryList exclude;
  return Build(request, include, exclude, file_system, prompter, pump, {}, BuildDialogue::kNone);
}

std::size_t BuilderMoveSelected(EntryList& source, const std::vector<std::size_t>& rows,
                                EntryList& target, EventPump& pump) {
  return MoveSelected(source, rows, target, pump, MoveRule::kAnyEntry);
}

std::size_t BuilderMoveAll(EntryList& source, EntryList& target, EventPump& pump) {
  return MoveAll(source, target, pump, MoveRule::kAnyEntry);
}

void BuilderExchange(EntryList& include, EntryList& exclude, EventPump& pump) {
  const TEXT_LIST old_include = include.entries();
  const TEXT_LIST old_exclude = exclude.entries();
  include.Clear();
  exclude.Clear();
  auto refill = [&pump](const TEXT_LIST& entries, EntryList& target) {
    for (const std::string& entry : entries) {
      std::string key = EntryKey(entry);
      if (target.ContainsKey(key)) continue;
      target.AppendKeyed(entry, key);
      pump.Pump();
    }
  };
  refill(old_exclude, include);
  refill(old_include, exclude);
}

bool DeleteSelectedExcluded(EntryList& exclude, const std::vector<std::size_t>& rows,
                            Prompter& prompter) {
  if (exclude.empty()) {
    Warn(prompter, msg::kExcludeEmptyForDelete, "0576");
    return false;
  }
  if (!prompter.Ask(msg::kDeleteSelectedQuestion, msg::Title("0575"))) return false;
  const std::size_t before = exclude.size();
  exclude.RemoveRows(rows);
  return exclude.size() != before;
}

bool DeleteAllExcluded(EntryList& exclude, Prompter& prompter) {
  if (exclude.empty()) {
    Warn(prompter, msg::kExcludeEmpty, "0577");
    return false;
  }
  if (!prompter.Ask(msg::kDeleteAllQuestion, msg::Title("0578"))) return false;
  exclude.Clear();
  return true;
}

bool ConfirmClearAll(Prompter& prompter) {
  return prompter.Ask(msg::kClearAllQuestion, msg::Title("0575"));
}

}  // namespace ordovan
