#include "platform/DriveTable.h"

#include <algorithm>
#include <array>
#include <optional>
#include <system_error>

#include "platform/NativePath.h"

namespace ordovan {

namespace drives {
namespace {

struct Table {
  std::array<std::optional<Mount>, 26> by_letter;
  std::vector<Mount> longest_first;

  void Reindex() {
    longest_first.clear();
    for (const auto& mount : by_letter) {
      if (mount) longest_first.push_back(*mount);
    }
    std::stable_sort(longest_first.begin(), longest_first.end(),
                     [](const Mount& a, const Mount& b) { return a.dir.size() > b.dir.size(); });
  }
};

Table& TheTable() {
  static Table table;
  return table;
}

NativeString NormalDir(const std::filesystem::path& dir) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(dir, ec);
  if (ec) full = dir;
  NativeString text = full.lexically_normal().native();
  // Keep "/" and "C:\" whole; strip the separator that lexically_normal
  // leaves after a trailing "dir/".
  const auto root_size = full.root_path().native().size();
  while (text.size() > root_size && (text.back() == '/' || text.back() == '\\')) text.pop_back();
  return text;
}

}  // namespace

const Mount* MountOf(int index) {
  if (index < 0 || index >= 26) return nullptr;
  const auto& slot = TheTable().by_letter[index];
  return slot ? &*slot : nullptr;
}

const std::vector<Mount>& MountsLongestFirst() { return TheTable().longest_first; }

}  // namespace drives

void MountDrive(const std::string& drive, const std::filesystem::path& native_dir) {
  int index = drives::DriveIndex(drive);
  if (index < 0 || drive.size() != 2) return;
  auto& table = drives::TheTable();
  table.by_letter[index] = drives::Mount{drive, drives::NormalDir(native_dir)};
  table.Reindex();
}

void UnmountDrive(const std::string& drive) {
  int index = drives::DriveIndex(drive);
  if (index < 0 || drive.size() != 2) return;
  auto& table = drives::TheTable();
  table.by_letter[index].reset();
  table.Reindex();
}

void ResetDriveTable() {
  auto& table = drives::TheTable();
  for (auto& slot : table.by_letter) slot.reset();
  table.Reindex();
}

}  // namespace ordovan
