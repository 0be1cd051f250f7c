#include "support/FaultyFileSystem.h"

#include "platform/CopyFaults.h"

namespace ordovan::testing {

namespace {

// True when `path` is `folder` or lies below it.
bool IsAtOrBelow(const std::string& path, const std::string& folder) {
  if (folder.empty() || path.compare(0, folder.size(), folder) != 0) return false;
  return path.size() == folder.size() || path[folder.size()] == '\\' ||
         path[folder.size()] == '/' || folder.back() == '\\';
}

}  // namespace

void FaultyFileSystem::FailCopy(int n) { fail_copy_at_ = calls_.copies + n; }

void FaultyFileSystem::FailCopyMidway(int n, std::uint64_t bytes) {
  midway_copy_at_ = calls_.copies + n;
  midway_bytes_ = bytes;
}

void FaultyFileSystem::RefuseRemoval(const std::string& path) { refused_removals_.insert(path); }

void FaultyFileSystem::FailCreateFolders(const std::string& path) { failing_folder_ = path; }

bool FaultyFileSystem::IsFolder(const std::string& path) {
  ++calls_.is_folder;
  return FileSystemWrapper::IsFolder(path);
}

bool FaultyFileSystem::IsFile(const std::string& path) {
  ++calls_.is_file;
  return FileSystemWrapper::IsFile(path);
}

bool FaultyFileSystem::CreateFolders(const std::string& path) {
  ++calls_.create_folders;
  if (IsAtOrBelow(path, failing_folder_)) return false;
  return FileSystemWrapper::CreateFolders(path);
}

bool FaultyFileSystem::CopyFileNoOverwrite(const std::string& from, const std::string& to) {
  int number = ++calls_.copies;
  if (number == fail_copy_at_) return false;
  if (number == midway_copy_at_) {
    ScopedCopyFault fault(midway_bytes_);
    return FileSystemWrapper::CopyFileNoOverwrite(from, to);
  }
  return FileSystemWrapper::CopyFileNoOverwrite(from, to);
}

bool FaultyFileSystem::RemoveFile(const std::string& path) {
  ++calls_.remove_file;
  if (refused_removals_.count(path) != 0) return false;
  return FileSystemWrapper::RemoveFile(path);
}

bool FaultyFileSystem::RemoveEmptyFolder(const std::string& path) {
  ++calls_.remove_folder;
  if (refused_removals_.count(path) != 0) return false;
  return FileSystemWrapper::RemoveEmptyFolder(path);
}

bool FaultyFileSystem::ListFolder(const std::string& path, DIR_ENTRIES* entries) {
  ++calls_.list_folder;
  return FileSystemWrapper::ListFolder(path, entries);
}

}  // namespace ordovan::testing
