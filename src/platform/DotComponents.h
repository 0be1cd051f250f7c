#pragma once
// Windows reads `f:\..\Escape` as `f:\Escape`: ".." stops at the drive's
// root. A drive mounted at a directory must do the same, or a path would
// leave its drive (and a test its sandbox). Internal to the platform layer.

#include <string>
#include <string_view>

namespace ordovan {

inline bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

// True when a name of `rest` is "." or "..". One pass, no allocation.
inline bool HasDotComponent(std::string_view rest) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= rest.size(); ++i) {
    if (i == rest.size() || IsPathSeparator(rest[i])) {
      std::size_t length = i - start;
      if ((length == 1 || length == 2) && rest[start] == '.' && rest[i - 1] == '.') return true;
      start = i + 1;
    }
  }
  return false;
}

// The names of `rest` joined by backslashes, "." dropped and each ".." taking
// away the name before it; a ".." at the root is dropped.
inline std::string ResolveDotComponents(std::string_view rest) {
  std::string out;
  out.reserve(rest.size());
  std::size_t start = 0;
  for (std::size_t i = 0; i <= rest.size(); ++i) {
    if (i < rest.size() && !IsPathSeparator(rest[i])) continue;
    std::string_view name = rest.substr(start, i - start);
    start = i + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      std::size_t cut = out.rfind('\\');
      out.resize(cut == std::string::npos ? 0 : cut);
      continue;
    }
    if (!out.empty()) out.push_back('\\');
    out.append(name);
  }
  return out;
}

}  // namespace ordovan
