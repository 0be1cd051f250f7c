#pragma once
// The level template: choosing the template path, cutting lead levels, and
// the line-number maps that the run derives from the Old and New Level Order.
// Pure list and text work; the main window's handlers read and write controls.

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "paths/PathText.h"

namespace ordovan {

struct _tagOldToNewLineNumberStruct {
  std::int32_t OldLineNumber = 0;  // position in the Old Level Order
  std::int32_t NewLineNumber = 0;  // position in the New Level Order; 0 until a run records it
};

// Ordered by character code, case-sensitive (std::string's own order).
using LINE_NUMBER_MAP = std::map<std::string, _tagOldToNewLineNumberStruct>;
using MAP_NEW_OLD_LINE_NUMBERS = std::map<std::int32_t, std::int32_t>;
// Find's working set: entries keyed by depth; equal keys keep insertion order.
using AS_MULTIMAP_NIVO_FOLDER_NAMES = std::multimap<std::uint32_t, std::string>;
using AS_PAIR_NIVO_FOLDER_NAMES = AS_MULTIMAP_NIVO_FOLDER_NAMES::value_type;

// The template state the main window owns.
struct LevelTemplate {
  TEXT_LIST TemplateNames;             // the template path's names as Find listed them
  std::int32_t TemplateLevelCount = 0;  // entries of the Old Level Order right after Find
  LINE_NUMBER_MAP LineNumberMap;
};

enum class TemplateFailure { TooShort, DifferentDepth, NoDistinctPath };

struct TemplateChoice {
  TEXT_LIST entries;  // what Find puts back into the Include list, in order
  // The template path's index in `entries`, or why there is none.
  std::variant<std::size_t, TemplateFailure> outcome;
};

TemplateChoice ChooseTemplatePath(const TEXT_LIST& include_entries);

// The Old Level Order of a template path: its level names, leaving out any
// name whose second character is a colon.
TEXT_LIST OldLevelOrderOf(const std::string& template_path);

enum class CutRejection { AboveMaximum, BelowZero, TooFewLeft };
// The new Old Level Order after cutting n lead levels, or why the cut is refused.
std::variant<TEXT_LIST, CutRejection> CutLeadLevels(const TEXT_LIST& template_names,
                                                    std::int32_t template_level_count,
                                                    std::int64_t n);

// LineNumberMap for a fresh Old Level Order: positions as old numbers, new 0.
LINE_NUMBER_MAP LineNumbersFor(const TEXT_LIST& old_level_order);
void RecordNewOrder(LINE_NUMBER_MAP* line_number_map, const TEXT_LIST& new_level_order);
MAP_NEW_OLD_LINE_NUMBERS OldToNewMap(const LINE_NUMBER_MAP& line_number_map);
MAP_NEW_OLD_LINE_NUMBERS NewToOldMap(const LINE_NUMBER_MAP& line_number_map);

}  // namespace ordovan
