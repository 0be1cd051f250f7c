#pragma once
// The path text toolkit: pure operations on texts and text lists, no state and
// no disk access. Every path, filter string and list line of the program is
// taken apart and put together with these.

#include <string>
#include <vector>

namespace ordovan {

using TEXT_LIST = std::vector<std::string>;
using POSITION_LIST = std::vector<int>;

// Separator and character replacement.
std::string SlashesToBackslashes(std::string text);
std::string BackslashesToSlashes(std::string text);
// Any run of backslashes becomes one (likewise slashes, colons).
std::string CollapseDoubleBackslashes(std::string text);
std::string CollapseDoubleSlashes(std::string text);
std::string CollapseDoubleColons(std::string text);
// Slashes become backslashes, then runs of backslashes collapse. No trimming,
// no case change; a trailing backslash and colons stay.
std::string NormalizePath(std::string text);
// Every `:`, `\` and `/` becomes `-`, so a path can be part of a file name.
std::string PathToNameText(std::string text);
// The list editors' two deliveries of NormalizePath: empty the target first,
// or only append.
void NormalizePathInto(const std::string& text, TEXT_LIST* target);
void AppendNormalizedPath(const std::string& text, TEXT_LIST* target);

// Counting and searching.
int CountPathSeparators(const std::string& text);  // `\` and `/`: the depth of a path
int CountColons(const std::string& text);
// Appends the start of every hit of `mark` (searching on one character after
// each hit's start) to `positions`; returns the number of hits.
int FindMarkPositions(const std::string& text, const std::string& mark, POSITION_LIST* positions);
struct ContainsResult {
  bool result = false;
  bool needle_given = false;
};
ContainsResult ContainsIgnoreCase(const std::string& haystack, const std::string& needle);
struct IllegalCharacters {
  bool found = false;
  std::string characters;  // each found character preceded by one space
};
// The illegal-character class: / " * | < > ?
IllegalCharacters FindIllegalCharacters(const std::string& text);

// Trimming and tokenizing.
std::string TrimSpaces(const std::string& text);  // the space character only
std::string Trim(const std::string& text);        // blanks and control characters (<= ' ')
TEXT_LIST SplitOnWhitespace(const std::string& text);
// Every character of `delimiters` is a delimiter; no empty tokens.
TEXT_LIST SplitOnDelimiters(const std::string& text, const std::string& delimiters);

// Path structure.
struct DrivePart {
  bool has_drive = false;
  std::string drive;  // up to and including the first colon
  std::string rest;
};
DrivePart SplitDrivePart(const std::string& path);
struct PathLevels {
  std::string drive;
  TEXT_LIST levels;  // level n at index n-1
};
PathLevels SplitPathLevels(const std::string& path);
// The joining convention: the drive, then one backslash and the name for each
// level; never a trailing backslash, never an empty name joined.
std::string JoinPathLevels(const std::string& drive, const TEXT_LIST& levels);
struct ParentAndName {
  std::string parent;  // keeps its trailing backslash
  std::string name;
};
ParentAndName SplitParentAndName(const std::string& path);
struct FileExtension {
  bool has_extension = false;
  std::string extension;  // without the dot; "noext" when there is none
};
FileExtension FileExtensionOf(const std::string& path);
bool ExtensionMatchesMask(const std::string& mask, const std::string& file_name);

// Quoted lists.
TEXT_LIST SplitQuotedOnWhitespace(const std::string& text, const POSITION_LIST& marks);
TEXT_LIST SplitQuotedOnDelimiters(const std::string& text, const std::string& delimiters,
                                  const POSITION_LIST& marks);

}  // namespace ordovan
