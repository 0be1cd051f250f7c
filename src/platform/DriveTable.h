#pragma once
// The drive table behind NativePath.h, shared by both backends. Internal to
// the platform layer. Like the rest of the program it is used from the one
// thread, so it takes no lock: the conversions run once per file in scans.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ordovan::drives {

using NativeString = std::filesystem::path::string_type;

struct Mount {
  std::string drive;  // as mounted, e.g. "f:"
  NativeString dir;   // absolute, normalized, no trailing separator (but a root keeps its own)
};

inline constexpr int kDriveC = 'c' - 'a';

// 0 for "a:" up to 25 for "z:", either case, when `text` begins with a drive
// letter and a colon; -1 otherwise.
inline int DriveIndex(std::string_view text) {
  if (text.size() < 2 || text[1] != ':') return -1;
  char c = text[0];
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return -1;
}

// The mount of drive `index`; null when that drive is not mounted.
const Mount* MountOf(int index);
// Every mount, the longest directory first, so that the first one that
// contains a native path is the innermost.
const std::vector<Mount>& MountsLongestFirst();

// True when native path `path` is `dir` itself or lies below it; `*rest`
// then starts at the first character after `dir` and its separator.
// `same_char` compares one character (case-insensitively on Windows).
template <class SameChar>
bool ContainsNative(const NativeString& dir, const NativeString& path, SameChar same_char,
                    std::size_t* rest) {
  using Char = NativeString::value_type;
  auto is_sep = [](Char c) { return c == Char('/') || c == Char('\\'); };
  if (path.size() < dir.size()) return false;
  for (std::size_t i = 0; i < dir.size(); ++i) {
    if (!same_char(dir[i], path[i])) return false;
  }
  std::size_t at = dir.size();
  if (at == path.size() || (at > 0 && is_sep(dir[at - 1]))) {
    *rest = at;
    return true;
  }
  if (!is_sep(path[at])) return false;
  *rest = at + 1;
  return true;
}

}  // namespace ordovan::drives
