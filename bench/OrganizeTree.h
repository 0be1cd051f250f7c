#pragma once
// The tree the Organize benchmarks copy: 2,000 paths Src\C<c>\Y<y>\docs
// holding 100,000 files of 1 KB, generated once in the temporary folder and
// kept for later runs, with a list file of the docs folders. A benchmark that
// needs the same shape in another size (the Simulation's 10,000 paths) names
// its own tree.
//
// Every measured run copies into a new folder of its own under Runs, and the
// runs are deleted only when the program ends. Deleting 100,000 files between
// runs would measure the file system instead of the program: ext4 without a
// journal does not reuse an inode freed in the last minute, so every new file
// then costs a scan past all the freed ones (the same run took 7 s, 35 s and
// 65 s as the deletions piled up).

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "reorganizer/LevelTemplate.h"
#include "reorganizer/ReorganizeRun.h"

namespace ordovan::bench {

namespace fs = std::filesystem;

struct OrganizeTree {
  static constexpr int kClients = 100;
  static constexpr int kYears = 20;  // 2,000 paths
  static constexpr std::size_t kFileBytes = 1024;

  fs::path root;
  fs::path source = root / "Src";
  fs::path list = root / "list.txt";  // the docs folders, native paths
  fs::path runs = root / "Runs";
  int files_per_path;
  std::vector<fs::path> docs;
  int run_count = 0;

  // ORDOVAN_ORGANIZE_BENCH_FILES sets a smaller tree (files in all).
  OrganizeTree() : OrganizeTree("ordovan-bench-organize", kClients, kYears, FilesPerPath()) {}
  // `clients` x `years` paths of `files_each` files in the temporary folder `name`.
  OrganizeTree(const char* name, int clients, int years, int files_each)
      : root(fs::temp_directory_path() / name), files_per_path(files_each) {
    for (int c = 0; c < clients; ++c) {
      for (int y = 0; y < years; ++y) {
        docs.push_back(source / Named('C', c) / Named('Y', y) / "docs");
      }
    }
    const fs::path marker = root / ("complete-" + std::to_string(files_per_path));
    if (!fs::exists(marker)) {
      fs::remove_all(root);
      Generate();
      std::ofstream(marker) << "ok";
    }
    // Left over by a run that did not end.
    fs::remove_all(runs);
    fs::create_directories(runs);
    Sync();
  }
  ~OrganizeTree() {
    std::error_code ec;
    fs::remove_all(runs, ec);
  }

  int files() const { return static_cast<int>(docs.size()) * files_per_path; }
  int paths() const { return static_cast<int>(docs.size()); }
  std::uintmax_t bytes() const { return static_cast<std::uintmax_t>(files()) * kFileBytes; }

  // A new, empty destination for the next measured run.
  fs::path NextDestination() {
    const fs::path destination = runs / std::to_string(++run_count);
    fs::create_directories(destination);
    Sync();
    return destination;
  }

  static void Sync() {
    if (std::system("sync") != 0) std::abort();
  }

  // The docs folders as program paths, with the tree's root mounted as `drive`.
  TEXT_LIST DocsOnDrive(const std::string& drive) const {
    TEXT_LIST paths;
    for (const fs::path& folder : docs) {
      std::string relative = folder.lexically_relative(root).generic_string();
      std::replace(relative.begin(), relative.end(), '/', '\\');
      paths.push_back(drive + "\\" + relative);
    }
    return paths;
  }

  static std::string Named(char letter, int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%03d", letter, n);
    return text;
  }

 private:
  static int FilesPerPath() {
    const char* files = std::getenv("ORDOVAN_ORGANIZE_BENCH_FILES");
    return files ? std::max(1, std::atoi(files) / (kClients * kYears)) : 50;
  }

  void Generate() {
    const std::string content(kFileBytes, 'x');
    fs::create_directories(root);
    std::ofstream list_file(list);
    for (const fs::path& folder : docs) {
      fs::create_directories(folder);
      for (int f = 0; f < files_per_path; ++f) {
        std::ofstream(folder / (Named('f', f) + ".dat"), std::ios::binary) << content;
      }
      list_file << folder.string() << '\n';
    }
  }
};

inline OrganizeTree& SharedOrganizeTree() {
  static OrganizeTree tree;
  return tree;
}

// A run "with Files" of `include` (docs folders of a tree, DocsOnDrive) into
// `destination`: the levels Src, C<c>, Y<y> in the order Y<y>, C<c>, Src.
inline RunInputs OrganizeInputs(const TEXT_LIST& include, const std::string& destination) {
  RunInputs inputs;
  inputs.include_entries = include;
  inputs.cut = 0;
  inputs.new_level_order = {"Y000", "C000", "Src"};
  inputs.line_number_map = LineNumbersFor({"Src", "C000", "Y000"});
  inputs.stored_destination = destination;
  inputs.with_files = true;
  return inputs;
}

}  // namespace ordovan::bench
