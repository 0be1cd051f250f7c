// Opens a folder in Explorer.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/NativePath.h"
#include "platform/PathServices.h"

namespace ordovan {

namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// The shell does not take the long form (`\\?\`) that the file calls get
// from 248 characters on: it has the plain path, and past MAX_PATH, where the
// plain path fails too, the folder's short (8.3) path when the volume keeps one.
std::wstring ShellPath(const std::wstring& native) {
  auto plain = [](const std::wstring& path) -> std::wstring {
    if (StartsWith(path, L"\\\\?\\UNC\\")) return L"\\\\" + path.substr(8);
    if (StartsWith(path, L"\\\\?\\")) return path.substr(4);
    return path;
  };
  std::wstring path = plain(native);
  if (path.size() < MAX_PATH || !StartsWith(native, L"\\\\?\\")) return path;
  const DWORD room = GetShortPathNameW(native.c_str(), nullptr, 0);
  if (room == 0) return path;
  std::wstring short_path(room, L'\0');
  const DWORD n = GetShortPathNameW(native.c_str(), short_path.data(), room);
  if (n == 0 || n >= room) return path;
  short_path.resize(n);
  return plain(short_path);
}

}  // namespace

bool OpenFolderInShell(const std::string& program_path) {
  auto native = ToNativePath(program_path);
  if (!native) return false;
  const std::wstring folder = ShellPath(native->native());
  HINSTANCE result = ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace ordovan
