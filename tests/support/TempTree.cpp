#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

#include "platform/NativePath.h"

namespace ordovan::testing {

namespace fs = std::filesystem;

TempTree::TempTree() {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  root_ = fs::temp_directory_path() /
          ("ordovan-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(root_);
}

TempTree::~TempTree() {
  ResetDriveTable();
  std::error_code ec;
  // Read-only files made by tests must not keep the sandbox alive.
  for (auto it = fs::recursive_directory_iterator(root_, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(root_, ec);
}

fs::path TempTree::Mount(const std::string& drive) {
  std::string letter = drive.substr(0, 1);
  fs::path dir = root_ / ("drive-" + letter);
  fs::create_directories(dir);
  MountDrive(drive, dir);
  return dir;
}

fs::path TempTree::Native(const std::string& program_path) const {
  auto native = ToNativePath(program_path);
  EXPECT_TRUE(native.has_value()) << "no native path for " << program_path;
  return native.value_or(root_ / "unmapped");
}

void TempTree::Folder(const std::string& program_path, std::initializer_list<const char*> files,
                      std::uintmax_t bytes) {
  fs::path dir = Native(program_path);
  fs::create_directories(dir);
  for (const char* name : files) {
    std::ofstream out(dir / Utf8ToNative(name), std::ios::binary);
    out << std::string(bytes, 'x');
  }
}

void TempTree::File(const std::string& program_path, const std::string& content) {
  fs::path file = Native(program_path);
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << content;
}

}  // namespace ordovan::testing
