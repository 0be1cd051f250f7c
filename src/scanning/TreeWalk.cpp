#include "scanning/TreeWalk.h"

#include "platform/FileSystem.h"

namespace ordovan {

std::string JoinEntryPath(const std::string& folder, const std::string& name) {
  std::string path;
  path.reserve(folder.size() + 1 + name.size());
  path = folder;
  if (path.empty() || (path.back() != '\\' && path.back() != '/')) path.push_back('\\');
  path += name;
  return path;
}

namespace {
// True when the program path `path` is `folder` or lies below it.
bool IsWithin(const std::string& path, const std::string& folder) {
  if (path.size() < folder.size() || path.compare(0, folder.size(), folder) != 0) return false;
  return path.size() == folder.size() || folder.back() == '\\' || path[folder.size()] == '\\';
}
}  // namespace

bool LinkGuard::LeadsIntoTree(const std::string& link_path) {
  if (!root_resolved_) {
    real_root_ = file_system_.ResolveLinks(root_);
    root_resolved_ = true;
  }
  if (!real_root_ || real_root_->empty()) return false;
  const std::optional<std::string> target = file_system_.ResolveLinks(link_path);
  return target && IsWithin(*target, *real_root_);
}

bool LinkGuard::MayEnter(const std::string& link_path) {
  auto target = file_system_.IdentifyFolder(link_path);
  if (!target) return false;
  if (LeadsIntoTree(link_path)) return false;
  const auto key = std::make_pair(target->volume, target->index);
  if (entered_.count(key) != 0) return false;

  // The folders the link lies in, up to its drive root: a link to any of
  // them is a way back up.
  for (std::size_t end = link_path.find_last_of("\\/"); end != std::string::npos && end > 0;
       end = link_path.find_last_of("\\/", end - 1)) {
    std::string ancestor = link_path.substr(0, end);
    if (ancestor.back() == ':') ancestor.push_back('\\');
    auto id = file_system_.IdentifyFolder(ancestor);
    if (id && id->volume == target->volume && id->index == target->index) return false;
  }
  entered_.insert(key);
  return true;
}

}  // namespace ordovan
