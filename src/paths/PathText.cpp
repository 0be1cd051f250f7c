#include "paths/PathText.h"

#include <algorithm>
#include <cstddef>

#include "platform/PathServices.h"

namespace ordovan {

namespace {

std::string ReplaceChar(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

// Every run of `c` becomes a single `c`.
std::string CollapseRuns(std::string text, char c) {
  auto last = std::unique(text.begin(), text.end(),
                          [c](char a, char b) { return a == c && b == c; });
  text.erase(last, text.end());
  return text;
}

bool IsWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Blanks and control characters: every byte not above the blank. Bytes of
// multi-byte UTF-8 characters are all above 0x7f and never count.
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

template <typename IsSeparator>
TEXT_LIST SplitOn(const std::string& text, IsSeparator is_separator) {
  TEXT_LIST tokens;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    while (i < n && is_separator(text[i])) ++i;
    std::size_t start = i;
    while (i < n && !is_separator(text[i])) ++i;
    if (i > start) tokens.emplace_back(text, start, i - start);
  }
  return tokens;
}

// The segment walk shared by both quoted splits; `split_unquoted` takes an
// unquoted stretch apart.
template <typename SplitUnquoted>
TEXT_LIST SplitQuoted(const std::string& text, const POSITION_LIST& marks,
                      SplitUnquoted split_unquoted) {
  const long length = static_cast<long>(text.size());
  std::vector<long> bounds;
  bounds.reserve(marks.size() + 2);
  bounds.push_back(0);
  for (int m : marks) {
    // Positions come from the caller: keep them inside the text and in order,
    // so no segment reaches past the end or runs backwards.
    long p = std::clamp<long>(m, 0, length);
    bounds.push_back(std::max(p, bounds.back()));
  }
  bounds.push_back(length);

  TEXT_LIST result;
  for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
    long from = i == 0 ? 0 : bounds[i] + 1;
    long count = i == 0 ? bounds[1] : bounds[i + 1] - bounds[i] - 1;
    from = std::min(from, length);
    count = std::clamp<long>(count, 0, length - from);
    std::string segment = text.substr(static_cast<std::size_t>(from),
                                      static_cast<std::size_t>(count));
    if (i % 2 == 1) {
      std::string item = TrimSpaces(segment);
      if (!item.empty()) result.push_back(std::move(item));
      continue;
    }
    if (i == 0 && bounds[1] == 0) continue;  // the text begins with a mark
    for (std::string& token : split_unquoted(segment)) {
      if (!TrimSpaces(token).empty()) result.push_back(std::move(token));
    }
  }
  return result;
}

}  // namespace

std::string SlashesToBackslashes(std::string text) {
  return ReplaceChar(std::move(text), '/', '\\');
}

std::string BackslashesToSlashes(std::string text) {
  return ReplaceChar(std::move(text), '\\', '/');
}

std::string CollapseDoubleBackslashes(std::string text) { return CollapseRuns(std::move(text), '\\'); }
std::string CollapseDoubleSlashes(std::string text) { return CollapseRuns(std::move(text), '/'); }
std::string CollapseDoubleColons(std::string text) { return CollapseRuns(std::move(text), ':'); }

std::string NormalizePath(std::string text) {
  // One pass in place: slashes become backslashes and a separator right after
  // another is dropped.
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i] == '/' ? '\\' : text[i];
    if (c == '\\' && out > 0 && text[out - 1] == '\\') continue;
    text[out++] = c;
  }
  text.resize(out);
  return text;
}

std::string PathToNameText(std::string text) {
  for (char& c : text) {
    if (c == ':' || c == '\\' || c == '/') c = '-';
  }
  return text;
}

void NormalizePathInto(const std::string& text, TEXT_LIST* target) {
  target->clear();
  target->push_back(NormalizePath(text));
}

void AppendNormalizedPath(const std::string& text, TEXT_LIST* target) {
  target->push_back(NormalizePath(text));
}

int CountPathSeparators(const std::string& text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return c == '\\' || c == '/'; }));
}

int CountColons(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), ':'));
}

int FindMarkPositions(const std::string& text, const std::string& mark, POSITION_LIST* positions) {
  // An empty mark would "hit" at every position; it marks nothing.
  if (mark.empty()) return 0;
  int hits = 0;
  std::size_t at = text.find(mark);
  while (at != std::string::npos) {
    positions->push_back(static_cast<int>(at));
    ++hits;
    at = text.find(mark, at + 1);
  }
  return hits;
}

ContainsResult ContainsIgnoreCase(const std::string& haystack, const std::string& needle) {
  ContainsResult r;
  if (needle.empty()) return r;
  r.needle_given = true;
  r.result = PlatformLower(haystack).find(PlatformLower(needle)) != std::string::npos;
  return r;
}

IllegalCharacters FindIllegalCharacters(const std::string& text) {
  IllegalCharacters r;
  for (char c : text) {
    switch (c) {
      case '/':
      case '"':
      case '*':
      case '|':
      case '<':
      case '>':
      case '?':
        r.characters += ' ';
        r.characters += c;
        r.found = true;
        break;
      default:
        break;
    }
  }
  return r;
}

std::string TrimSpaces(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string Trim(const std::string& text) {
  std::size_t first = 0;
  std::size_t end = text.size();
  while (first < end && IsBlankOrControl(text[first])) ++first;
  while (end > first && IsBlankOrControl(text[end - 1])) --end;
  return text.substr(first, end - first);
}

TEXT_LIST SplitOnWhitespace(const std::string& text) { return SplitOn(text, IsWhitespace); }

TEXT_LIST SplitOnDelimiters(const std::string& text, const std::string& delimiters) {
  if (delimiters.empty()) {
    if (text.empty()) return {};
    return {text};
  }
  if (delimiters.size() == 1) {
    const char d = delimiters[0];
    return SplitOn(text, [d](char c) { return c == d; });
  }
  return SplitOn(text, [&delimiters](char c) {
    return delimiters.find(c) != std::string::npos;
  });
}

DrivePart SplitDrivePart(const std::string& path) {
  DrivePart r;
  std::size_t colon = path.find(':');
  if (colon == std::string::npos) {
    r.rest = path;
    return r;
  }
  r.has_drive = true;
  r.drive = path.substr(0, colon + 1);
  r.rest = path.substr(colon + 1);
  return r;
}

PathLevels SplitPathLevels(const std::string& path) {
  PathLevels r;
  std::size_t colon = path.find(':');
  std::size_t rest_from = 0;
  if (colon != std::string::npos) {
    r.drive.assign(path, 0, colon + 1);
    rest_from = colon + 1;
  }
  // Collapsing runs of separators and colons and then splitting on the
  // separator is the same as splitting on runs of either separator, with runs
  // of colons inside a name shortened to one. Done in one pass: this runs for
  // every entry of lists of tens of thousands.
  const std::size_t n = path.size();
  const auto is_separator = [](char c) { return c == '\\' || c == '/'; };
  r.levels.reserve(static_cast<std::size_t>(
      std::count_if(path.begin() + static_cast<std::ptrdiff_t>(rest_from), path.end(),
                    is_separator)) + 1);
  std::size_t i = rest_from;
  while (i < n) {
    while (i < n && is_separator(path[i])) ++i;
    if (i >= n) break;
    const std::size_t start = i;
    bool doubled_colon = false;
    while (i < n && !is_separator(path[i])) {
      if (path[i] == ':' && i > start && path[i - 1] == ':') doubled_colon = true;
      ++i;
    }
    if (doubled_colon) {
      r.levels.push_back(CollapseRuns(path.substr(start, i - start), ':'));
    } else {
      r.levels.emplace_back(path, start, i - start);
    }
  }
  return r;
}

std::string JoinPathLevels(const std::string& drive, const TEXT_LIST& levels) {
  // A drive handed over with its root separator (`f:\`) must not double the
  // separator before the first name.
  std::size_t drive_end = drive.size();
  while (drive_end > 0 && (drive[drive_end - 1] == '\\' || drive[drive_end - 1] == '/')) {
    --drive_end;
  }
  std::string path(drive, 0, drive_end);
  for (const std::string& name : levels) {
    if (name.empty()) continue;
    path += '\\';
    path += name;
  }
  return path;
}

ParentAndName SplitParentAndName(const std::string& path) {
  ParentAndName r;
  std::string p = SlashesToBackslashes(path);
  std::size_t last = p.rfind('\\');
  if (last == std::string::npos) {
    r.parent = path;
    return r;
  }
  r.parent = TrimSpaces(p.substr(0, last + 1));
  r.name = TrimSpaces(p.substr(last + 1));
  return r;
}

FileExtension FileExtensionOf(const std::string& path) {
  FileExtension r;
  std::size_t dot = std::string::npos;
  std::size_t separator = std::string::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '.') dot = i;
    if (path[i] == '\\' || path[i] == '/') separator = i;
  }
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) {
    r.extension = "noext";
    return r;
  }
  r.has_extension = true;
  r.extension = path.substr(dot + 1);
  return r;
}

bool ExtensionMatchesMask(const std::string& mask, const std::string& file_name) {
  const std::string m = PlatformLower(PlatformExtensionOf(mask));
  const std::string n = PlatformLower(PlatformExtensionOf(file_name));
  const std::size_t len_m = Trim(m).size();
  const std::size_t len_n = Trim(n).size();

  std::size_t star = m.find('*');
  if (star != std::string::npos) {
    if (star > len_n) return false;
    // star <= len_n <= n.size(): every position compared exists in both.
    for (std::size_t i = 0; i < star; ++i) {
      if (m[i] != n[i]) return false;
    }
    return true;
  }

  if (len_m != len_n) return false;
  if (m == n) return true;
  if (m.find('?') == std::string::npos) return false;
  for (std::size_t i = 0; i < m.size(); ++i) {
    if (m[i] == '?') continue;
    if (i >= n.size() || m[i] != n[i]) return false;
  }
  return true;
}

TEXT_LIST SplitQuotedOnWhitespace(const std::string& text, const POSITION_LIST& marks) {
  return SplitQuoted(text, marks, [](const std::string& s) { return SplitOnWhitespace(s); });
}

TEXT_LIST SplitQuotedOnDelimiters(const std::string& text, const std::string& delimiters,
                                  const POSITION_LIST& marks) {
  return SplitQuoted(text, marks,
                     [&delimiters](const std::string& s) { return SplitOnDelimiters(s, delimiters); });
}

}  // namespace ordovan
