#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/TextCodec.h"

namespace ordovan {

namespace {

std::wstring Widen(UINT code_page, const std::string& text) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int wide_size = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  if (wide_size <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), wide_size);
  return wide;
}

std::string Narrow(UINT code_page, const std::wstring& wide) {
  if (wide.empty()) return {};
  int size = static_cast<int>(wide.size());
  int narrow_size =
      WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (narrow_size <= 0) return {};
  std::string narrow(static_cast<std::size_t>(narrow_size), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, narrow.data(), narrow_size, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace

std::string ToSettingsText(const std::string& utf8) { return Narrow(CP_ACP, Widen(CP_UTF8, utf8)); }

std::string FromSettingsText(const std::string& file_text) {
  return Narrow(CP_UTF8, Widen(CP_ACP, file_text));
}

std::size_t SettingsTextFit(const std::string& file_text, std::size_t max_bytes) {
  if (file_text.size() <= max_bytes) return file_text.size();
  // Walk character by character: a lead byte of a double-byte character and
  // its trail byte stay together (single-byte code pages have no lead bytes).
  std::size_t end = 0;
  while (end < file_text.size()) {
    std::size_t length = IsDBCSLeadByte(static_cast<BYTE>(file_text[end])) ? 2 : 1;
    if (end + length > file_text.size()) length = 1;
    if (end + length > max_bytes) break;
    end += length;
  }
  return end;
}

// --- List files ---
std::string AnsiToUtf8(const std::string& ansi) { return Narrow(CP_UTF8, Widen(CP_ACP, ansi)); }

}  // namespace ordovan
