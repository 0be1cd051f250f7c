#include "platform/PathServices.h"

#include <cstddef>

namespace ordovan {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

std::string PlatformDriveOf(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    // \\server\share: up to the separator that ends the share name.
    std::size_t i = 2;
    while (i < path.size() && !IsSeparator(path[i])) ++i;  // server
    if (i < path.size()) {
      ++i;
      while (i < path.size() && !IsSeparator(path[i])) ++i;  // share
    }
    return path.substr(0, i);
  }
  return {};
}

std::string PlatformExtensionOf(const std::string& path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    char c = path[i - 1];
    if (c == '.') return path.substr(i - 1);
    if (c == '\\' || c == ':') break;
  }
  return {};
}

bool SameEntry(const std::string& a, const std::string& b) {
  // Most entries are plain ASCII: compare them without building keys.
  if (IsAscii(a) && IsAscii(b)) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
  }
  return PlatformLower(a) == PlatformLower(b);
}

}  // namespace ordovan
