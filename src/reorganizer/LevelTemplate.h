#pragma once
// The level template: choosing the template path, cutting lead levels, and
// the line-number maps that the run derives from the Old and New Level Order.
// Pure list and text work; the main window's handlers read and write controls.

#include <cstdint>
#include <map>
#include <optional>
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

// The warning Find shows when it finds no template path.
struct TemplateFailureMessage {
  const char* text;
  const char* title;
};
TemplateFailureMessage MessageFor(TemplateFailure failure);

// The Old Level Order of a template path: its level names, leaving out any
// name whose second character is a colon.
TEXT_LIST OldLevelOrderOf(const std::string& template_path);

// The template state right after Find picked `template_path`: TemplateNames
// (the Old Level Order), their count, and every name at its own position.
LevelTemplate LevelTemplateOf(const std::string& template_path);

// The cut switch is offered only when at least one name can be cut and two
// still stay.
inline bool CutSwitchAllowed(std::int32_t template_level_count) { return template_level_count >= 3; }

// The cut number's text as a whole decimal number (blanks around it allowed,
// an optional sign, digits only, within 32 bits); nothing when it is not one.
std::optional<std::int32_t> ParseCutNumber(const std::string& text);
// The warning for a cut number that ParseCutNumber refuses; the main window
// and the run show the same one.
std::string CutNumberNotANumberText(const std::string& text);
inline constexpr const char* kCutNumberNotANumberTitle = "Ordovan.            Warning no: 140044.";

enum class CutRejection { AboveMaximum, BelowZero, TooFewLeft };
// The warning for a refused cut of `n` levels from a template of `maximum`;
// one title for all of them, with one blank fewer than the others.
std::string CutRejectionText(CutRejection rejection, std::int32_t maximum, std::int64_t n);
inline constexpr const char* kCutTitle = "Ordovan.           Warning no: 140043.";
// The new Old Level Order after cutting n lead levels, or why the cut is refused.
std::variant<TEXT_LIST, CutRejection> CutLeadLevels(const TEXT_LIST& template_names,
                                                    std::int32_t template_level_count,
                                                    std::int64_t n);

// LineNumberMap for a fresh Old Level Order: positions as old numbers, new 0.
LINE_NUMBER_MAP LineNumbersFor(const TEXT_LIST& old_level_order);
void RecordNewOrder(LINE_NUMBER_MAP* line_number_map, const TEXT_LIST& new_level_order);
MAP_NEW_OLD_LINE_NUMBERS OldToNewMap(const LINE_NUMBER_MAP& line_number_map);
MAP_NEW_OLD_LINE_NUMBERS NewToOldMap(const LINE_NUMBER_MAP& line_number_map);

// The New Level Order commands.

// ">": the names of `selected_old_names` (in list order) that get appended to
// the New Level Order: those it does not already hold (letter case ignored,
// names appended by this same command included) and that have no drive part.
TEXT_LIST NamesToAppend(const TEXT_LIST& selected_old_names, const TEXT_LIST& new_level_order);

enum class LevelMove {
  Moved,        // the entry moved and `*selected` follows it
  EmptyList,    // nothing to move; no message
  AtEdge,       // the first entry (up) or the last (down) is selected: L1 / L3
  NoSelection,  // nothing selected: L2 / L4
};
// "Item Up" / "Item Down" on the New Level Order. `*selected` is the selected
// index, or -1 for none; list and index change only on Moved.
LevelMove MoveLevelUp(TEXT_LIST* new_level_order, int* selected);
LevelMove MoveLevelDown(TEXT_LIST* new_level_order, int* selected);

}  // namespace ordovan
