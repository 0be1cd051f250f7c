#include "platform/FileSystem.h"

namespace ordovan {

FileSystem::~FileSystem() = default;

// A file system that cannot identify folders: walks then follow no link.
std::optional<FileIdentity> FileSystem::IdentifyFolder(const std::string&) { return std::nullopt; }

// Nor can it tell where links lead: callers take the path as it is.
std::optional<std::string> FileSystem::ResolveLinks(const std::string&) { return std::nullopt; }

bool FileSystem::CopyFileAnnounced(const std::string& from, const std::string& to,
                                   const std::function<void(const FileIdentity&)>& announce,
                                   CopyError* error) {
  // The copy would fail on a taken target; announcing it could make the
  // file there look like this copy.
  if (IsFile(to) || IsFolder(to)) {
    if (error) *error = CopyError::kTargetExists;
    return false;
  }
  if (const std::optional<FileIdentity> source = IdentifyFile(from)) announce(*source);
  return CopyFileNoOverwrite(from, to, error);
}

bool FileSystem::ListSubfolders(const std::string& path, DIR_ENTRIES* entries) {
  if (!ListFolder(path, entries)) return false;
  std::erase_if(*entries, [](const DirEntry& entry) { return !entry.IsDirectory(); });
  return true;
}

}  // namespace ordovan
