#include "reorganizer/LevelTemplate.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/PathServices.h"

namespace ordovan {

namespace {

// Find's drive test: the trimmed text has a drive letter or a network share.
bool HasDrivePart(const std::string& text) { return !PlatformDriveOf(Trim(text)).empty(); }

// Case-sensitive: "Docs" and "docs" are different names here.
bool HasRepeatedName(const TEXT_LIST& names) {
  if (names.size() < 2) return false;
  std::vector<std::string_view> sorted(names.begin(), names.end());
  std::sort(sorted.begin(), sorted.end());
  return std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
}

TEXT_LIST WithoutDriveNames(TEXT_LIST::const_iterator first, TEXT_LIST::const_iterator last) {
  TEXT_LIST names;
  names.reserve(static_cast<std::size_t>(last - first));
  for (auto it = first; it != last; ++it) {
    if (!HasDrivePart(*it)) names.push_back(*it);
  }
  return names;
}

}  // namespace

TemplateChoice ChooseTemplatePath(const TEXT_LIST& include_entries) {
  // File the entries with a drive under their depth; a stable sort keeps
  // entries of equal depth in list order, as the depth multimap would.
  struct Filed {
    std::uint32_t depth;
    std::size_t index;
  };
  std::vector<Filed> filed;
  filed.reserve(include_entries.size());
  for (std::size_t i = 0; i < include_entries.size(); ++i) {
    const std::string& entry = include_entries[i];
    if (!HasDrivePart(entry)) continue;
    filed.push_back({static_cast<std::uint32_t>(CountPathSeparators(entry)), i});
  }
  std::stable_sort(filed.begin(), filed.end(),
                   [](const Filed& a, const Filed& b) { return a.depth < b.depth; });

  TemplateChoice choice;
  choice.entries.reserve(filed.size());
  std::unordered_set<std::string> seen;
  seen.reserve(filed.size());
  for (const Filed& f : filed) {
    const std::string& entry = include_entries[f.index];
    if (seen.insert(EntryKey(entry)).second) choice.entries.push_back(entry);
  }

  // Nothing left to split (every entry lacked a drive): the shortest path is
  // as short as it gets.
  if (choice.entries.empty()) {
    choice.outcome = TemplateFailure::TooShort;
    return choice;
  }
  const std::size_t level_count = SplitPathLevels(choice.entries.front()).levels.size();
  if (level_count < 2) {
    choice.outcome = TemplateFailure::TooShort;
    return choice;
  }
  for (std::size_t i = 0; i < choice.entries.size(); ++i) {
    const TEXT_LIST names = SplitPathLevels(choice.entries[i]).levels;
    if (names.size() != level_count) {
      choice.outcome = TemplateFailure::DifferentDepth;
      return choice;
    }
    if (!HasRepeatedName(names)) {
      choice.outcome = i;
      return choice;
    }
  }
  choice.outcome = TemplateFailure::NoDistinctPath;
  return choice;
}

TEXT_LIST OldLevelOrderOf(const std::string& template_path) {
  const TEXT_LIST names = SplitPathLevels(template_path).levels;
  return WithoutDriveNames(names.begin(), names.end());
}

LevelTemplate LevelTemplateOf(const std::string& template_path) {
  LevelTemplate result;
  result.TemplateNames = OldLevelOrderOf(template_path);
  result.TemplateLevelCount = static_cast<std::int32_t>(result.TemplateNames.size());
  result.LineNumberMap = LineNumbersFor(result.TemplateNames);
  return result;
}

std::optional<std::int32_t> ParseCutNumber(const std::string& text) {
  const std::string t = Trim(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  if (i == t.size()) return std::nullopt;
  // Accumulate as a negative number so that INT32_MIN itself fits.
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 - (c - '0');
    if (value < kMin) return std::nullopt;
  }
  if (!negative) {
    value = -value;
    if (value > kMax) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

std::variant<TEXT_LIST, CutRejection> CutLeadLevels(const TEXT_LIST& template_names,
                                                    std::int32_t template_level_count,
                                                    std::int64_t n) {
  if (n > template_level_count) return CutRejection::AboveMaximum;
  if (n < 0) return CutRejection::BelowZero;
  if (n > static_cast<std::int64_t>(template_names.size()) - 2) return CutRejection::TooFewLeft;
  return WithoutDriveNames(template_names.begin() + n, template_names.end());
}

LINE_NUMBER_MAP LineNumbersFor(const TEXT_LIST& old_level_order) {
  LINE_NUMBER_MAP map;
  for (std::size_t i = 0; i < old_level_order.size(); ++i) {
    map[old_level_order[i]] = {static_cast<std::int32_t>(i), 0};
  }
  return map;
}

void RecordNewOrder(LINE_NUMBER_MAP* line_number_map, const TEXT_LIST& new_level_order) {
  for (std::size_t i = 0; i < new_level_order.size(); ++i) {
    const auto position = static_cast<std::int32_t>(i);
    auto it = line_number_map->find(new_level_order[i]);
    if (it != line_number_map->end()) {
      it->second.NewLineNumber = position;
    } else {
      line_number_map->emplace(new_level_order[i], _tagOldToNewLineNumberStruct{position, position});
    }
  }
}

MAP_NEW_OLD_LINE_NUMBERS OldToNewMap(const LINE_NUMBER_MAP& line_number_map) {
  MAP_NEW_OLD_LINE_NUMBERS map;
  for (const auto& [name, lines] : line_number_map) map[lines.OldLineNumber] = lines.NewLineNumber;
  return map;
}

MAP_NEW_OLD_LINE_NUMBERS NewToOldMap(const LINE_NUMBER_MAP& line_number_map) {
  MAP_NEW_OLD_LINE_NUMBERS map;
  for (const auto& [name, lines] : line_number_map) map[lines.NewLineNumber] = lines.OldLineNumber;
  return map;
}

TEXT_LIST NamesToAppend(const TEXT_LIST& selected_old_names, const TEXT_LIST& new_level_order) {
  std::unordered_set<std::string> present;
  present.reserve(new_level_order.size() + selected_old_names.size());
  for (const std::string& name : new_level_order) present.insert(EntryKey(name));
  TEXT_LIST appended;
  for (const std::string& name : selected_old_names) {
    if (HasDrivePart(name)) continue;
    if (present.insert(EntryKey(name)).second) appended.push_back(name);
  }
  return appended;
}

namespace {

LevelMove MoveLevel(TEXT_LIST* order, int* selected, int step) {
  if (order->empty()) return LevelMove::EmptyList;
  const int count = static_cast<int>(order->size());
  const int edge = step < 0 ? 0 : count - 1;
  if (*selected == edge) return LevelMove::AtEdge;
  if (*selected < 0 || *selected >= count) return LevelMove::NoSelection;
  std::swap((*order)[*selected], (*order)[*selected + step]);
  *selected += step;
  return LevelMove::Moved;
}

}  // namespace

LevelMove MoveLevelUp(TEXT_LIST* new_level_order, int* selected) {
  return MoveLevel(new_level_order, selected, -1);
}

LevelMove MoveLevelDown(TEXT_LIST* new_level_order, int* selected) {
  return MoveLevel(new_level_order, selected, +1);
}

std::string CutNumberNotANumberText(const std::string& text) {
  return "'" + text + "' is not a valid number !\n" +
         "Action : You must enter a whole number, 0 or greater than 0.\n";
}

namespace {
const char kShortestTooShort[] =
    "The Shortest Path is too Short !\nAction : You must enter a FOLDER at least with size 2 "
    "\n(Main Folder and at least one SubFolder).\n";
const char kRepeatedNames[] =
    " In each Shortest Path there are two or more subfolders with the same name.!\nAction : You "
    "must enter a path, where all subfolders have different names. \nThe number of subfolders "
    "must be equal with the number of subfolders in the shortest path";
}  // namespace

TemplateFailureMessage MessageFor(TemplateFailure failure) {
  switch (failure) {
    case TemplateFailure::TooShort:
      return {kShortestTooShort, "Ordovan.            Warning no: 140023."};
    case TemplateFailure::DifferentDepth:
      return {kRepeatedNames, "Ordovan.            Warning no: 140023."};
    case TemplateFailure::NoDistinctPath:
      break;
  }
  return {kRepeatedNames, "Ordovan.            Warning no: 140024."};
}

std::string CutRejectionText(CutRejection rejection, std::int32_t maximum, std::int64_t n) {
  switch (rejection) {
    case CutRejection::AboveMaximum:
      return "Maximum number is : " + std::to_string(maximum) + "\n" + "You enter         : " +
             std::to_string(n) + "\n" +
             "Actuon ? You must enter number equal or less tan max. number.";
    case CutRejection::BelowZero:
      return "Minimum number is 0 \nYou enter         : " + std::to_string(n) + "\n" +
             "Actuon ? You must enter 0 or greater than 0";
    case CutRejection::TooFewLeft:
      break;
  }
  return "In the Source Window must stay two or more items. \n";
}

}  // namespace ordovan
