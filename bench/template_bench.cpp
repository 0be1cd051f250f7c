// Find over a large Include list and re-leveling a run's worth of paths.

#include <benchmark/benchmark.h>

#include <cctype>
#include <string>

#include "reorganizer/LevelTemplate.h"
#include "reorganizer/ReLevel.h"

namespace ordovan {
namespace {

// Paths of 3 to 6 levels, every tenth entry the one before it in capitals,
// so the depth sort, the duplicate skip and the split all work.
TEXT_LIST IncludeEntries(int count) {
  TEXT_LIST entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::string path = "f:\\Clients " + std::to_string(i % 97) + "\\Client" + std::to_string(i) +
                       "\\" + std::to_string(2000 + i % 25);
    for (int level = 0; level < i % 4; ++level) path += "\\Docs" + std::to_string(level);
    if (i % 10 == 9) {
      path = entries.back();
      for (char& c : path) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    entries.push_back(std::move(path));
  }
  return entries;
}

// Find's worst case: every shortest path repeats a name except the last, so
// every entry is split and tested.
TEXT_LIST RepeatingEntries(int count) {
  TEXT_LIST entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i + 1 < count; ++i) {
    entries.push_back("f:\\Client" + std::to_string(i) + "\\2016\\Client" + std::to_string(i));
  }
  entries.push_back("f:\\Client\\2016\\docs");
  return entries;
}

void BM_ChooseTemplatePath(benchmark::State& state) {
  const TEXT_LIST entries = IncludeEntries(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TemplateChoice choice = ChooseTemplatePath(entries);
    benchmark::DoNotOptimize(choice);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChooseTemplatePath)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_ChooseTemplatePathRepeatedNames(benchmark::State& state) {
  const TEXT_LIST entries = RepeatingEntries(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TemplateChoice choice = ChooseTemplatePath(entries);
    benchmark::DoNotOptimize(choice);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChooseTemplatePathRepeatedNames)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_ReLevelPath(benchmark::State& state) {
  const TEXT_LIST paths = IncludeEntries(static_cast<int>(state.range(0)));
  LINE_NUMBER_MAP map = LineNumbersFor({"Clients", "Client", "2000"});
  RecordNewOrder(&map, {"2000", "Client", "Clients"});
  const ReLevelSetup setup = MakeReLevelSetup(0, map, "g:\\New Clients\\Reorganized");
  for (auto _ : state) {
    std::size_t pairs = 0;
    for (const std::string& path : paths) {
      if (!CanReLevel(setup, path)) continue;
      ReLeveledPath result = ReLevelPath(setup, path);
      pairs += result.LevelFolderPairs.size();
      benchmark::DoNotOptimize(result);
    }
    benchmark::DoNotOptimize(pairs);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReLevelPath)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ordovan
