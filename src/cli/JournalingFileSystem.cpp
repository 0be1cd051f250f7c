#include "cli/JournalingFileSystem.h"

#include <vector>

#include "paths/PathPlaces.h"
#include "reorganizer/RunJournal.h"

namespace ordovan::cli {

bool JournalingFileSystem::CreateFolders(const std::string& path) {
  // The folders this call will make: those missing between the destination
  // and `path`, journaled parents first before any of them exists.
  std::vector<std::string> missing;
  for (std::string x = path; LiesBelow(x, destination_) && !target()->IsFolder(x);) {
    missing.push_back(x);
    std::string parent = ParentFolderOf(x);
    if (parent == x) break;
    x = std::move(parent);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) journal_.CreatingFolder(*it);
  const bool created = target()->CreateFolders(path);
  if (!created) {
    for (const std::string& folder : missing) {
      if (!target()->IsFolder(folder)) journal_.FolderNotMade(folder);
    }
  }
  journal_.Tick();
  return created;
}

bool JournalingFileSystem::CopyFileNoOverwrite(const std::string& from, const std::string& to) {
  last_copy_.clear();
  // Without the source's identity a half-done copy could not be told from a
  // complete one after a crash: such a copy is not started.
  const std::optional<FileIdentity> source = target()->IdentifyFile(from);
  if (!source) return false;
  journal_.CopyStarting(to, *source);
  if (!target()->CopyFileNoOverwrite(from, to)) return false;
  last_copy_identity_ = target()->IdentifyFile(to);
  last_copy_ = to;
  journal_.CopiedFile(to, last_copy_identity_);
  journal_.Tick();
  return true;
}

std::optional<FileIdentity> JournalingFileSystem::IdentifyFile(const std::string& path) {
  if (!last_copy_.empty() && path == last_copy_) {
    last_copy_.clear();
    return last_copy_identity_;
  }
  return target()->IdentifyFile(path);
}

}  // namespace ordovan::cli
