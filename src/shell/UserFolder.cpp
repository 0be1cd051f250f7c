#include "shell/UserFolder.h"

#include "paths/PathText.h"
#include "platform/FileSystem.h"

namespace ordovan {

std::optional<std::string> InstalledUserFolder(const std::optional<std::string>& local_app_data) {
  if (!local_app_data) return std::nullopt;
  std::string base = Trim(*local_app_data);
  const bool drive_first = base.size() >= 3 && base[1] == ':' && (base[2] == '\\' || base[2] == '/');
  const bool share_first = base.rfind("\\\\", 0) == 0 && base.size() > 2;
  if (!drive_first && !share_first) return std::nullopt;
  while (base.size() > 3 && (base.back() == '\\' || base.back() == '/')) base.pop_back();
  if (base.back() != '\\' && base.back() != '/') base += '\\';
  return base + "Ordovan";
}

bool EnterInstalledUserFolder(FileSystem& fs, const std::optional<std::string>& local_app_data) {
  const std::optional<std::string> folder = InstalledUserFolder(local_app_data);
  return folder && fs.CreateFolders(*folder) && fs.SetCurrentFolder(*folder);
}

}  // namespace ordovan
