#include "platform/FileSystem.h"

#include "platform/FolderCreation.h"

namespace ordovan {

FileSystem::~FileSystem() = default;

// A file system that cannot identify folders: walks then follow no link.
std::optional<FileIdentity> FileSystem::IdentifyFolder(const std::string&) { return std::nullopt; }

// Nor can it tell where links lead: callers take the path as it is.
std::optional<std::string> FileSystem::ResolveLinks(const std::string&) { return std::nullopt; }

NewFileCopied FileSystem::CopyNewFile(const std::string& from, const std::string& to,
                                      const NewFileCopy& how) {
  NewFileCopied result;
  // Announcing a copy onto a taken target could make the file there look
  // like this copy.
  if (how.look_first && (IsFile(to) || IsFolder(to))) {
    result.error = CopyError::kTargetExists;
    return result;
  }
  if (how.stop && how.stop->load()) {
    result.error = CopyError::kStopped;
    return result;
  }
  if (how.announce) {
    if (const std::optional<FileIdentity> source = IdentifyFile(from)) {
      how.announce(*source);
      result.announced = true;
    }
  }
  result.copied = CopyFileNoOverwrite(from, to, &result.error);
  if (result.copied) result.identity = IdentifyFile(to);
  return result;
}

void FileSystem::RemoveCopies(const std::string& folder, std::vector<CopyToRemove>* files,
                              const std::function<bool(const std::string& name)>& removing,
                              const std::atomic<bool>* stop) {
  for (CopyToRemove& file : *files) {
    if (stop && stop->load()) return;
    const std::string path = folder + "\\" + file.name;
    const std::optional<FileIdentity> present = IdentifyFile(path);
    if (!present) {
      file.outcome = CopyRemoval::kGone;
    } else if (!file.identity || *present != *file.identity) {
      file.outcome = CopyRemoval::kNotTheCopy;
    } else {
      if (removing && !removing(file.name)) return;
      file.outcome = RemoveFile(path) ? CopyRemoval::kRemoved : CopyRemoval::kRefused;
    }
  }
}

FolderMade FileSystem::MakeFolder(const std::string& path) {
  if (IsFolder(path) || IsFile(path)) return FolderMade::kExists;
  const std::string_view parent = ParentProgramPath(path);
  if (!parent.empty() && !IsFolder(std::string(parent))) return FolderMade::kParentMissing;
  return CreateFolders(path) ? FolderMade::kCreated : FolderMade::kFailed;
}

bool FileSystem::ListSubfolders(const std::string& path, DIR_ENTRIES* entries) {
  if (!ListFolder(path, entries)) return false;
  std::erase_if(*entries, [](const DirEntry& entry) { return !entry.IsDirectory(); });
  return true;
}

}  // namespace ordovan
