#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdlib>
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

// Empties a test drive's root, which was empty when the test took it.
void EmptyTestDrive(const std::string& drive) {
  FileSystem* files = FileSystem::Default();
  DIR_ENTRIES entries;
  if (!files->ListFolder(drive + "\\", &entries)) return;
  for (const DirEntry& entry : entries) {
    const std::string path = drive + "\\" + entry.name;
    if (entry.IsDirectory()) {
      RemoveThroughFileSystem(path);
    } else {
      files->SetReadOnly(path, false);
      files->RemoveFile(path);
    }
  }
}

// True when `drive` ("f:") is one of the real drives the Windows test run
// made for tests (ORDOVAN_TEST_DRIVES, e.g. "f").
bool IsTestDrive([[maybe_unused]] const std::string& drive) {
#ifdef _WIN32
  const char* letters = std::getenv("ORDOVAN_TEST_DRIVES");
  if (letters == nullptr || drive.size() != 2) return false;
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(drive[0])));
  for (const char* c = letters; *c != '\0'; ++c) {
    if (std::tolower(static_cast<unsigned char>(*c)) == letter) return true;
  }
#endif
  return false;
}

}  // namespace

TempTree::~TempTree() {
  for (const std::string& drive : test_drives_) EmptyTestDrive(drive);
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
  if (IsTestDrive(drive)) {
    UnmountDrive(drive);
    const std::string root = drive + "\\";
    DIR_ENTRIES entries;
    if (FileSystem::Default()->ListFolder(root, &entries) && entries.empty()) {
      test_drives_.push_back(drive);
      return Utf8ToNative(root);
    }
    // Only an empty drive: what the test makes goes to the sandbox instead.
    ADD_FAILURE() << "test drive " << drive << " is missing or not empty";
  }
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
