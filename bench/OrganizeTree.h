#pragma once
// The tree the Organize benchmarks copy: 2,000 paths Src\C<c>\Y<y>\docs
// holding 100,000 files of 1 KB, generated once in the temporary folder and
// kept for later runs, with a list file of the docs folders.
//
// Every measured run copies into a new folder of its own under Runs, and the
// runs are deleted only when the program ends. Deleting 100,000 files between
// runs would measure the file system instead of the program: ext4 without a
// journal does not reuse an inode freed in the last minute, so every new file
// then costs a scan past all the freed ones (the same run took 7 s, 35 s and
// 65 s as the deletions piled up).

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ordovan::bench {

namespace fs = std::filesystem;

struct OrganizeTree {
  static constexpr int kClients = 100;
  static constexpr int kYears = 20;  // 2,000 paths
  static constexpr std::size_t kFileBytes = 1024;

  fs::path root = fs::temp_directory_path() / "ordovan-bench-organize";
  fs::path source = root / "Src";
  fs::path list = root / "list.txt";  // the docs folders, native paths
  fs::path runs = root / "Runs";
  int files_per_path;
  std::vector<fs::path> docs;
  int run_count = 0;

  // ORDOVAN_ORGANIZE_BENCH_FILES sets a smaller tree (files in all).
  OrganizeTree() {
    const char* files = std::getenv("ORDOVAN_ORGANIZE_BENCH_FILES");
    files_per_path = files ? std::max(1, std::atoi(files) / (kClients * kYears)) : 50;
    for (int c = 0; c < kClients; ++c) {
      for (int y = 0; y < kYears; ++y) {
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

  static std::string Named(char letter, int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%03d", letter, n);
    return text;
  }

 private:
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

}  // namespace ordovan::bench
