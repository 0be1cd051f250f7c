#pragma once
// CreateFolders for both backends: try the folder itself first, so creating a
// folder whose parent exists costs one system call; go up only when the
// parent is missing. Internal to the platform layer.

#include <string>
#include <string_view>

namespace ordovan {

enum class MakeFolderResult { kCreated, kExists, kParentMissing, kFailed };

// The program path of the parent folder, or empty when `path` is a root
// (`f:\`, `\\server\share`) or has no separator.
inline std::string_view ParentProgramPath(std::string_view path) {
  auto is_sep = [](char c) { return c == '\\' || c == '/'; };
  std::size_t root = 0;
  if (path.size() >= 2 && path[1] == ':') {
    root = path.size() > 2 && is_sep(path[2]) ? 3 : 2;
  } else if (path.size() >= 2 && is_sep(path[0]) && is_sep(path[1])) {
    // \\server\share is the root of a network path.
    std::size_t server_end = path.find_first_of("\\/", 2);
    if (server_end == std::string_view::npos) return {};
    std::size_t share_end = path.find_first_of("\\/", server_end + 1);
    if (share_end == std::string_view::npos) return {};
    root = share_end + 1;
  } else if (!path.empty() && is_sep(path[0])) {
    root = 1;
  }
  std::size_t end = path.size();
  while (end > root && is_sep(path[end - 1])) --end;
  if (end <= root) return {};  // the root itself
  while (end > root && !is_sep(path[end - 1])) --end;
  if (end == root) return path.substr(0, root);  // empty for a single relative name
  while (end > root && is_sep(path[end - 1])) --end;
  return path.substr(0, end);
}

// `make_one(path)` creates one folder and says how it went; `is_folder(path)`
// tells whether an existing entry is a folder.
template <class MakeOne, class IsFolder>
bool CreateFoldersWith(std::string_view path, MakeOne& make_one, IsFolder& is_folder) {
  if (path.empty()) return false;
  const std::string text(path);
  switch (make_one(text)) {
    case MakeFolderResult::kCreated:
      return true;
    case MakeFolderResult::kExists:
      return is_folder(text);
    case MakeFolderResult::kFailed:
      return false;
    case MakeFolderResult::kParentMissing:
      break;
  }
  std::string_view parent = ParentProgramPath(path);
  if (parent.empty() || parent.size() >= path.size()) return false;
  if (!CreateFoldersWith(parent, make_one, is_folder)) return false;
  MakeFolderResult again = make_one(text);
  return again == MakeFolderResult::kCreated ||
         (again == MakeFolderResult::kExists && is_folder(text));
}

}  // namespace ordovan
