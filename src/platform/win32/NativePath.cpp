// Windows: a program path is the native path, unless its drive is mounted
// at another directory. Long paths get the `\\?\` form.

#include "platform/NativePath.h"

#include <windows.h>

#include "platform/DotComponents.h"
#include "platform/DriveTable.h"
#include "platform/win32/WideText.h"

namespace ordovan {

namespace {

// CreateDirectoryW stops at MAX_PATH - 12 (room for an 8.3 name), the other
// calls at MAX_PATH; from here on the long form is used.
constexpr std::size_t kLongFormFrom = MAX_PATH - 12;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

void Backslashes(std::wstring* text, std::size_t from) {
  for (std::size_t i = from; i < text->size(); ++i) {
    if ((*text)[i] == L'/') (*text)[i] = L'\\';
  }
}

bool StartsWith(const std::wstring& text, std::wstring_view prefix) {
  return text.size() >= prefix.size() && std::wstring_view(text).substr(0, prefix.size()) == prefix;
}

// `\\?\C:\...` or `\\?\UNC\server\share\...`. The long form skips the
// system's normalization, so the path is made full and normal first.
std::wstring LongForm(const std::wstring& path) {
  if (StartsWith(path, L"\\\\?\\")) return path;
  std::wstring full(path.size() + MAX_PATH, L'\0');
  DWORD n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n > full.size()) {
    full.resize(n);
    n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  if (n == 0 || n > full.size()) return path;
  full.resize(n);
  if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

wchar_t FoldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? c + (L'a' - L'A') : c; }

}  // namespace

std::optional<std::filesystem::path> ToNativePath(const std::string& program_path) {
  const std::string_view text = program_path;
  // The system would end the path at a zero character and name another place.
  if (text.empty() || text.find('\0') != std::string_view::npos) return std::nullopt;
  std::wstring out;
  int index = drives::DriveIndex(text);
  if (const drives::Mount* mount = drives::MountOf(index)) {
    std::string_view rest = text.substr(2);
    std::string resolved;
    if (HasDotComponent(rest)) rest = resolved = ResolveDotComponents(rest);
    while (!rest.empty() && (rest.front() == '\\' || rest.front() == '/')) rest.remove_prefix(1);
    out.reserve(mount->dir.size() + rest.size() + 1);
    out = mount->dir;
    if (!rest.empty() && out.back() != L'\\') out.push_back(L'\\');
    const std::size_t at = out.size();
    if (!win32::AppendWide(rest, &out)) return std::nullopt;
    Backslashes(&out, at);
  } else {
    out.reserve(text.size() + 1);
    if (!win32::AppendWide(text, &out)) return std::nullopt;
    Backslashes(&out, 0);
    if (out.size() == 2 && index >= 0) out.push_back(L'\\');  // "f:" is the drive's root
  }
  if (out.size() >= kLongFormFrom) out = LongForm(out);
  return std::filesystem::path(std::move(out));
}

std::optional<std::string> ToProgramPath(const std::filesystem::path& native_path) {
  std::wstring text = native_path.native();
  if (text.empty()) return std::nullopt;
  if (StartsWith(text, L"\\\\?\\UNC\\")) {
    text.erase(2, 6);
  } else if (StartsWith(text, L"\\\\?\\")) {
    text.erase(0, 4);
  }
  Backslashes(&text, 0);
  std::string out;
  for (const drives::Mount& mount : drives::MountsLongestFirst()) {
    std::size_t rest = 0;
    auto same = [](wchar_t a, wchar_t b) { return FoldAscii(a) == FoldAscii(b) || (IsSeparator(a) && IsSeparator(b)); };
    if (drives::ContainsNative(mount.dir, text, same, &rest)) {
      std::string tail;
      if (!win32::ToUtf8(std::wstring_view(text).substr(rest), &tail)) return std::nullopt;
      out = mount.drive + "\\" + tail;
      break;
    }
  }
  if (out.empty() && !win32::ToUtf8(text, &out)) return std::nullopt;
  while (out.size() > 3 && out.back() == '\\') out.pop_back();
  return out;
}

std::filesystem::path Utf8ToNative(const std::string& utf8) {
  std::wstring wide;
  if (!win32::AppendWide(utf8, &wide)) {
    // Not UTF-8: convert what can be converted, with replacement characters.
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    wide.assign(n > 0 ? n : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  }
  return std::filesystem::path(std::move(wide));
}

std::string NativeToUtf8(const std::filesystem::path& native) {
  const std::wstring& wide = native.native();
  std::string utf8;
  if (!win32::ToUtf8(wide, &utf8)) {
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    utf8.assign(n > 0 ? n : 0, '\0');
    if (n > 0) {
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                          nullptr, nullptr);
    }
  }
  return utf8;
}

}  // namespace ordovan
