#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <system_error>

#include "platform/FileSystem.h"
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

namespace {

// Removes what std::filesystem could not reach: on Windows, folders beyond
// 260 characters. Goes through the platform layer, which takes the long form.
void RemoveThroughFileSystem(const std::string& folder) {
  FileSystem* files = FileSystem::Default();
  DIR_ENTRIES entries;
  if (!files->ListFolder(folder, &entries)) return;
  for (const DirEntry& entry : entries) {
    const std::string path = folder + "\\" + entry.name;
    if (entry.IsDirectory()) {
      RemoveThroughFileSystem(path);
    } else {
      files->SetReadOnly(path, false);
      files->RemoveFile(path);
    }
  }
  files->RemoveEmptyFolder(folder);
}

}  // namespace

TempTree::~TempTree() {
  ResetDriveTable();
  std::error_code ec;
  // Read-only files made by tests must not keep the sandbox alive.
  for (auto it = fs::recursive_directory_iterator(root_, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(root_, ec);
  if (fs::exists(root_, ec)) {
    if (auto program_root = ToProgramPath(root_)) RemoveThroughFileSystem(*program_root);
  }
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

// Folders and files are made through the platform layer, which also reaches
// paths of 260 characters and more on Windows.
void TempTree::Folder(const std::string& program_path, std::initializer_list<const char*> files,
                      std::uintmax_t bytes) {
  Native(program_path);  // fails the test for a path without a native form
  ASSERT_TRUE(FileSystem::Default()->CreateFolders(program_path)) << program_path;
  for (const char* name : files) {
    WriteFile(program_path + "\\" + name, std::string(bytes, 'x'));
  }
}

void TempTree::File(const std::string& program_path, const std::string& content) {
  Native(program_path);
  const std::size_t cut = program_path.find_last_of("\\/");
  if (cut != std::string::npos && cut > 2) {
    ASSERT_TRUE(FileSystem::Default()->CreateFolders(program_path.substr(0, cut))) << program_path;
  }
  WriteFile(program_path, content);
}

void TempTree::WriteFile(const std::string& program_path, const std::string& content) {
  auto out = FileSystem::Default()->OpenBinaryWrite(program_path);
  ASSERT_NE(out, nullptr) << "cannot write " << program_path;
  out->write(content.data(), static_cast<std::streamsize>(content.size()));
  out->flush();
  EXPECT_TRUE(out->good()) << "cannot write " << program_path;
}

}  // namespace ordovan::testing
