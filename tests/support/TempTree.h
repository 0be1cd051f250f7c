#pragma once
// A sandbox for tests that touch the disk: a fresh temporary directory, with
// drives mounted inside it, so that literal program paths such as
// `f:\Old Clients\Client1\2016\docs\pdf` run there. Everything is removed and
// the drive table reset when the sandbox goes.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace ordovan::testing {

class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::filesystem::path& root() const { return root_; }

  // Mounts `drive` ("f:") at a new directory below the sandbox; returns it.
  // On Windows a drive named in ORDOVAN_TEST_DRIVES (letters, "f" or "fg")
  // is a real drive made for tests instead (under wine, a link in the
  // prefix's dosdevices to an empty folder): program paths on it are native
  // paths, as for the user. It must be empty; what the test leaves on it is
  // removed when the sandbox goes.
  std::filesystem::path Mount(const std::string& drive);

  // Creates the folder of a program path with its parents, and in it one file
  // of `bytes` bytes for each name given:
  //   tree.Folder("f:\\Old Clients\\Client1\\2016\\docs\\pdf", {"a.pdf", "b.pdf"});
  void Folder(const std::string& program_path, std::initializer_list<const char*> files = {},
              std::uintmax_t bytes = 16);
  // Creates one file with the given content (parents included).
  void File(const std::string& program_path, const std::string& content = "x");

  // The native path of a program path (fails the test when it has none).
  // On Windows a long one comes in its `\\?\` form. Do not hand such a path
  // to std::filesystem's directory iteration: mingw's cannot go beyond 260
  // characters and, given the long form, lists the current directory
  // instead. List long folders through FileSystem::ListFolder.
  std::filesystem::path Native(const std::string& program_path) const;

 private:
  static void WriteFile(const std::string& program_path, const std::string& content);

  std::filesystem::path root_;
  std::vector<std::string> test_drives_;  // real drives in use, "f:"
};

}  // namespace ordovan::testing
