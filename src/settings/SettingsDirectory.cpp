#include "settings/SettingsDirectory.h"

#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace ordovan {

namespace {

constexpr std::size_t kMaxDirectoryCharacters = 260;

}  // namespace

std::string StartupSettingsDirectory(FileSystem& file_system) {
  std::string directory = file_system.CurrentFolder();
  // A directory that does not fit the 260 characters cannot be read; a cut
  // one would name some other folder.
  if (Utf8CharacterCount(directory) > kMaxDirectoryCharacters) return {};
  return directory;
}

}  // namespace ordovan
