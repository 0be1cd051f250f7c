// The tree scans against the system's own tool, on one generated tree of
// 100,000 folders holding 200,000 small files, measured in the same run:
//   the statistics scan (FolderStructSize)             vs  find DIR -printf '%s\n'
//   Build a List of every level into an empty list     (target < 2 s)
//   the take-over of 100,000 built entries into the Include list  (target < 2 s)
// bench/scan_vs_find.sh runs these with repetitions and prints medians and the ratio.

#include <benchmark/benchmark.h>

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "paths/EntryList.h"
#include "paths/IncludeExclude.h"
#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "scanning/FolderStructSize.h"
#include "scanning/ListBuilder.h"
#include "ScanTree.h"
#include "stubs/QuietPrompter.h"

namespace ordovan {
namespace {

using bench::kFilesPerFolder;
using bench::kFolders;
using bench::kTop;
using bench::Tree;

void BM_ScanStatistics(benchmark::State& state) {
  Tree();
  for (auto _ : state) {
    FolderStructSize size("d:\\Tree");
    size.SetCountStartFolder(false);
    size.Scan(*FileSystem::Default(), EventPump::None());
    if (size.FolderTotal() != kFolders || size.FileTotal() != kFolders * kFilesPerFolder) {
      state.SkipWithError("wrong totals");
    }
  }
}
BENCHMARK(BM_ScanStatistics)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindPrintfSize(benchmark::State& state) {
  const std::string command = "find '" + Tree().tree.string() + "' -printf '%s\\n' > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("find failed");
  }
}
BENCHMARK(BM_FindPrintfSize)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildAllLevels(benchmark::State& state) {
  Tree();
  _tagBuildRequest request;
  request.source_text = "d:\\Tree";
  request.mode = LevelCopy::kBelow;
  request.below_text = "1";
  request.listing_option = LevelCopy::kAllSubfolders;
  stubs::QuietPrompter prompter;
  for (auto _ : state) {
    EntryList include;
    EntryList exclude;
    BuildSubfolderList(request, include, exclude, *FileSystem::Default(), prompter,
                       EventPump::None());
    if (include.size() != kFolders) state.SkipWithError("not every folder was listed");
  }
}
BENCHMARK(BM_BuildAllLevels)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TakeOver100000(benchmark::State& state) {
  TEXT_LIST results;
  results.reserve(kFolders);
  for (int i = 0; i < kFolders; ++i) {
    results.push_back("d:\\Tree\\Client" + std::to_string(i % kTop) + "\\Entry" + std::to_string(i));
  }
  for (auto _ : state) {
    EntryList include;
    EntryList exclude;
    include.Append("d:\\Tree\\Client1\\Entry1");  // one already there
    exclude.Append("D:\\TREE\\CLIENT2\\ENTRY2");  // one excluded
    TakeOverResults(results, include, exclude, EventPump::None());
    if (include.size() != kFolders - 1) state.SkipWithError("wrong take-over");
  }
}
BENCHMARK(BM_TakeOver100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace ordovan
