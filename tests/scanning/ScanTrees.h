#pragma once
// The trees the scanning tests walk, under a mounted d:, and a file system
// that refuses to enter chosen folders (the tests run as root, for whom no
// permission bit closes a folder).

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <system_error>

#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace ordovan::testing {

// d:\Projects with Project1 (Pdf, SubProject11, SubProject12) and Project2
// (SubProject21, SubProject22); a few files in between.
inline void MakeProjectsTree(TempTree& tree) {
  tree.Folder("d:\\Projects", {"readme.txt"}, 10);
  tree.Folder("d:\\Projects\\Project1\\Pdf", {"a.pdf", "b.pdf"}, 100);
  tree.Folder("d:\\Projects\\Project1\\SubProject11");
  tree.Folder("d:\\Projects\\Project1\\SubProject12", {"c.doc"}, 1000);
  tree.Folder("d:\\Projects\\Project2\\SubProject21");
  tree.Folder("d:\\Projects\\Project2\\SubProject22");
}

// A link at `link` (a program path) to the folder `target` (native); false
// when this system cannot make one, so the test can be skipped.
inline bool MakeFolderLink(TempTree& tree, const std::string& link,
                           const std::filesystem::path& target) {
  std::error_code error;
  std::filesystem::create_directory_symlink(target, tree.Native(link), error);
  return !error;
}

class NoEntryFileSystem : public FileSystemWrapper {
 public:
  NoEntryFileSystem() : FileSystemWrapper(FileSystem::Default()) {}
  void Refuse(const std::string& path) { refused_.insert(path); }
  bool CanEnterFolder(const std::string& path) override {
    return refused_.count(path) == 0 && FileSystemWrapper::CanEnterFolder(path);
  }

 private:
  std::set<std::string> refused_;
};

}  // namespace ordovan::testing
