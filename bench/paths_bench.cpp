// The path toolkit over a list the size of a large Include list run:
// 100,000 paths of 3 to 8 levels with mixed and doubled separators, a few of
// them with accented names.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "paths/PathText.h"
#include "platform/PathServices.h"

namespace ordovan {
namespace {

constexpr std::size_t kPaths = 100000;

const std::vector<std::string>& Paths(bool with_accents) {
  static const auto make = [](bool accents) {
    static const char* const kNames[] = {
        "Old Clients", "Client1", "2016", "docs", "pdf", "Projects", "Archive",
        "Invoices",    "Photos",  "Raw",  "Q3",   "Backup 2019", "src", "Reports",
        "Meeting Notes", "x64",  "Drafts", "Final", "scans",
    };
    static const char* const kAccented[] = {"Ärger", "Société Générale", "Ñandú", "Документы"};
    std::mt19937 rng(20160);
    std::uniform_int_distribution<int> levels(3, 8);
    std::uniform_int_distribution<int> pick(0, 18);  // plain names only
    std::uniform_int_distribution<int> pick_accented(0, 3);
    std::uniform_int_distribution<int> percent(0, 99);
    std::vector<std::string> paths;
    paths.reserve(kPaths);
    for (std::size_t i = 0; i < kPaths; ++i) {
      std::string p;
      p += static_cast<char>((percent(rng) < 50 ? 'c' : 'F') + percent(rng) % 4);
      p += ':';
      int n = levels(rng);
      for (int l = 0; l < n; ++l) {
        int s = percent(rng);
        p += s < 70 ? "\\" : s < 90 ? "/" : s < 95 ? "\\\\" : "//";
        if (accents && percent(rng) < 10) {
          p += kAccented[pick_accented(rng)];
        } else {
          p += kNames[pick(rng)];
          if (percent(rng) < 30) p += std::to_string(percent(rng));
        }
      }
      if (percent(rng) < 10) p += '\\';
      paths.push_back(std::move(p));
    }
    return paths;
  };
  static const std::vector<std::string> plain = make(false);
  static const std::vector<std::string> mixed = make(true);
  return with_accents ? mixed : plain;
}

template <typename Op>
void RunOverPaths(benchmark::State& state, bool accents, Op op) {
  const auto& paths = Paths(accents);
  for (auto _ : state) {
    for (const std::string& p : paths) benchmark::DoNotOptimize(op(p));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * paths.size()));
}

void BM_SplitPathLevels(benchmark::State& state) {
  RunOverPaths(state, false, [](const std::string& p) { return SplitPathLevels(p); });
}
void BM_NormalizePath(benchmark::State& state) {
  RunOverPaths(state, false, [](const std::string& p) { return NormalizePath(p); });
}
void BM_PlatformLower_Ascii(benchmark::State& state) {
  RunOverPaths(state, false, [](const std::string& p) { return PlatformLower(p); });
}
void BM_PlatformLower_Accented(benchmark::State& state) {
  RunOverPaths(state, true, [](const std::string& p) { return PlatformLower(p); });
}
void BM_EntryKey_Ascii(benchmark::State& state) {
  RunOverPaths(state, false, [](const std::string& p) { return EntryKey(p); });
}
void BM_EntryKey_Accented(benchmark::State& state) {
  RunOverPaths(state, true, [](const std::string& p) { return EntryKey(p); });
}
// Comparing each path with its upper-cased twin, as a duplicate check does.
void BM_SameEntry_Accented(benchmark::State& state) {
  const auto& paths = Paths(true);
  std::vector<std::string> twins;
  twins.reserve(paths.size());
  for (const std::string& p : paths) {
    std::string t = p;
    for (char& c : t) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    twins.push_back(std::move(t));
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      benchmark::DoNotOptimize(SameEntry(paths[i], twins[i]));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * paths.size()));
}

BENCHMARK(BM_SplitPathLevels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizePath)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlatformLower_Ascii)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlatformLower_Accented)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EntryKey_Ascii)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EntryKey_Accented)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SameEntry_Accented)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ordovan
