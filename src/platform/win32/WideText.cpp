#include "platform/win32/WideText.h"

#include <windows.h>

#include <climits>

namespace ordovan::win32 {

bool AppendWide(std::string_view utf8, std::wstring* out) {
  if (utf8.empty()) return true;
  if (utf8.size() > INT_MAX) return false;
  const std::size_t at = out->size();
  // Never more UTF-16 units than UTF-8 bytes: one call converts.
  out->resize(at + utf8.size());
  int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                              static_cast<int>(utf8.size()), out->data() + at,
                              static_cast<int>(utf8.size()));
  out->resize(n > 0 ? at + static_cast<std::size_t>(n) : at);
  return n > 0;
}

bool ToUtf8(std::wstring_view wide, std::string* out) {
  out->clear();
  if (wide.empty()) return true;
  if (wide.size() > INT_MAX / 3) return false;
  // At most three UTF-8 bytes per UTF-16 unit.
  out->resize(wide.size() * 3);
  int n = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(),
                              static_cast<int>(wide.size()), out->data(),
                              static_cast<int>(out->size()), nullptr, nullptr);
  out->resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return n > 0;
}

}  // namespace ordovan::win32
