// The import parser over a 100,000-line list file of 20 MB (200-byte paths,
// CR LF), read through the real file system from a temporary folder. The
// reference in the same run is std::getline over the same file. Also the
// peak of the items kept against the file size: the parser holds the items
// and one 64 KB chunk, never the file.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "importexport/ImportClass.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "stubs/AbortingPrompter.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

constexpr int kLines = 100000;
constexpr std::size_t kLineBytes = 200;

// A temporary folder mounted as i:, holding the list file in two forms.
struct ListFolder {
  ListFolder() {
    root = fs::temp_directory_path() /
           ("ordovan-import-bench-" +
            std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(root);
    MountDrive("i:", root);
    std::ofstream plain(root / "plain.txt", std::ios::binary);
    std::ofstream separated(root / "separated.csv", std::ios::binary);
    for (int i = 0; i < kLines; ++i) {
      std::string path = "f:\\Old Clients\\Client" + std::to_string(i) + "\\2016\\docs\\";
      path.resize(kLineBytes - 2, 'x');
      plain << path << "\r\n";
      separated << "\"" << path.substr(0, 96) << "\";\"" << path.substr(0, 98) << "\"\r\n";
    }
  }
  ~ListFolder() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  fs::path root;
};

ListFolder& Folder() {
  static ListFolder folder;
  return folder;
}

void ParseList(benchmark::State& state, const char* name, int mode, const char* delimiter) {
  Folder();
  stubs::AbortingPrompter prompter;
  std::size_t items = 0;
  for (auto _ : state) {
    ImportClass import(*FileSystem::Default(), prompter,
                       ImportRequest{std::string("i:\\") + name, mode, delimiter, "\"", true});
    import.Parse();
    TEXT_LIST result = import.GetItems();
    items = result.size();
    benchmark::DoNotOptimize(result.data());
  }
  state.counters["items"] = static_cast<double>(items);
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(fs::file_size(Folder().root / name)));
}

void BM_ImportPlainText100k(benchmark::State& state) {
  ParseList(state, "plain.txt", ImportPlainText, "");
}
BENCHMARK(BM_ImportPlainText100k)->Unit(benchmark::kMillisecond);

void BM_ImportQuotedColumns100k(benchmark::State& state) {
  ParseList(state, "separated.csv", ImportAllColumns, ";");
}
BENCHMARK(BM_ImportQuotedColumns100k)->Unit(benchmark::kMillisecond);

// Column 9 of a file with two columns: every line read, no item kept. Run
// alone under /usr/bin/time -v, its peak memory shows the file is not held.
void BM_ImportNothingKept100k(benchmark::State& state) {
  Folder();
  stubs::AbortingPrompter prompter;
  for (auto _ : state) {
    ImportClass import(*FileSystem::Default(), prompter,
                       ImportRequest{"i:\\separated.csv", ImportOneColumn, ";", "\"", true});
    import.SetColumn(9);
    import.Parse();
    if (!import.GetItems().empty()) std::abort();
  }
}
BENCHMARK(BM_ImportNothingKept100k)->Unit(benchmark::kMillisecond);

// The reference: the standard library reading the same lines and nothing more.
void BM_ImportReferenceGetline100k(benchmark::State& state) {
  const fs::path file = Folder().root / "plain.txt";
  for (auto _ : state) {
    std::ifstream in(file, std::ios::binary);
    TEXT_LIST lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_ImportReferenceGetline100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ordovan
