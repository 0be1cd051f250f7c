#pragma once
// The tree the scan benchmarks walk: 100,000 folders on four levels holding
// 200,000 small files, generated once in the temporary folder (kept for
// later runs) and mounted as d:, so that d:\Tree is its top.

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/NativePath.h"

namespace ordovan::bench {

namespace fs = std::filesystem;

// 100 + 1,000 + 10,000 + 88,900 folders on four levels; two files in each.
constexpr int kTop = 100;
constexpr int kFan = 10;
constexpr int kLeavesPerThird = 8;  // 8 or 9: 88,900 in all
constexpr int kFolders = 100000;
constexpr int kFilesPerFolder = 2;

struct ScanTree {
  fs::path root;
  fs::path tree;
  ScanTree() {
    root = fs::temp_directory_path() / "ordovan-bench-scan";
    tree = root / "Tree";
    if (!fs::exists(root / "complete")) {
      fs::remove_all(root);
      Generate();
      std::ofstream(root / "complete") << "ok";
    }
    MountDrive("d:", root);
  }
  void Folder(const fs::path& folder) {
    fs::create_directory(folder);
    for (int f = 0; f < kFilesPerFolder; ++f) {
      std::ofstream(folder / ("file" + std::to_string(f) + ".txt"), std::ios::binary) << "data";
    }
  }
  void Generate() {
    fs::create_directories(tree);
    int thirds = 0;
    for (int a = 0; a < kTop; ++a) {
      fs::path p1 = tree / ("Client" + std::to_string(a));
      Folder(p1);
      for (int b = 0; b < kFan; ++b) {
        fs::path p2 = p1 / ("Year" + std::to_string(b));
        Folder(p2);
        for (int c = 0; c < kFan; ++c, ++thirds) {
          fs::path p3 = p2 / ("Docs" + std::to_string(c));
          Folder(p3);
          // 8,900 of the 10,000 third-level folders get a ninth child.
          const int leaves = kLeavesPerThird + (thirds < 8900 ? 1 : 0);
          for (int d = 0; d < leaves; ++d) Folder(p3 / ("Part" + std::to_string(d)));
        }
      }
    }
  }
};

inline ScanTree& Tree() {
  static ScanTree tree;
  return tree;
}

}  // namespace ordovan::bench
