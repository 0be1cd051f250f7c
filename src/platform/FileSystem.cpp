#include "platform/FileSystem.h"

namespace ordovan {

FileSystem::~FileSystem() = default;

// A file system that cannot identify folders: walks then follow no link.
std::optional<FileIdentity> FileSystem::IdentifyFolder(const std::string&) { return std::nullopt; }

bool FileSystem::ListSubfolders(const std::string& path, DIR_ENTRIES* entries) {
  if (!ListFolder(path, entries)) return false;
  std::erase_if(*entries, [](const DirEntry& entry) { return !entry.IsDirectory(); });
  return true;
}

}  // namespace ordovan
