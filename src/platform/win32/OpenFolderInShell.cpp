// Opens a folder in Explorer.

#include <windows.h>
#include <shellapi.h>

#include "platform/NativePath.h"
#include "platform/PathServices.h"

namespace ordovan {

bool OpenFolderInShell(const std::string& program_path) {
  auto native = ToNativePath(program_path);
  if (!native) return false;
  HINSTANCE result = ShellExecuteW(nullptr, L"open", native->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace ordovan
