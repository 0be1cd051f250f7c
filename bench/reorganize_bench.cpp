// The reorganize run and Undo against the system's own tools, measured in the
// same run on the same disk:
//   Organize "with Files" of 2,000 paths holding 100,000 files  vs  cp -r
//   Undo of that run                                            vs  rm -rf
//   a Simulation of 10,000 paths (on its own: it must stay under a second)
// bench/copy_vs_cp.sh runs these with repetitions and prints medians and ratios.

#include <benchmark/benchmark.h>

// GCC 12 warns falsely about assigning short literals to strings (its bug
// 105329) once this file is inlined at -O2.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunResults.h"
#include "reorganizer/RunSession.h"
#include "stubs/QuietPrompter.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

constexpr int kClients = 100;
constexpr int kYears = 20;            // 100 x 20 = 2,000 paths
constexpr int kFilesPerPath = 50;     // 100,000 files
constexpr std::size_t kFileBytes = 1024;
constexpr int kSimClients = 250;
constexpr int kSimYears = 40;         // 250 x 40 = 10,000 paths

// A letter and a three-digit number: "C007".
std::string Named(char letter, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%c%03d", letter, n);
  return text;
}

// f:\Src\C<c>\Y<y>\docs with the files of each path in docs; the template
// levels hold no files, so the run copies exactly what cp -r copies.
struct Sandbox {
  fs::path root;
  fs::path source;
  fs::path destination;
  TEXT_LIST include;
  std::uintmax_t bytes = 0;

  Sandbox(const char* name, int clients, int years, int files_per_path) {
    root = fs::temp_directory_path() / name;
    fs::remove_all(root);
    source = root / "Src";
    destination = root / "New";
    fs::create_directories(destination);
    const std::string content(kFileBytes, 'x');
    for (int c = 0; c < clients; ++c) {
      for (int y = 0; y < years; ++y) {
        const std::string client = Named('C', c);
        const std::string year = Named('Y', y);
        const fs::path docs = source / client / year / "docs";
        fs::create_directories(docs);
        for (int f = 0; f < files_per_path; ++f) {
          std::ofstream(docs / (Named('f', f) + ".dat"), std::ios::binary) << content;
          bytes += content.size();
        }
        include.push_back("f:\\Src\\" + client + "\\" + year + "\\docs");
      }
    }
  }
  // Each benchmark mounts its own tree as f: before it starts.
  void Mount() const { MountDrive("f:", root); }

  ~Sandbox() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  RunInputs Inputs(LINE_NUMBER_MAP* map, bool with_files) const {
    *map = LineNumbersFor({"Src", "C000", "Y000"});
    RunInputs inputs;
    inputs.include_entries = include;
    inputs.cut = 0;
    inputs.new_level_order = {"Y000", "C000", "Src"};
    inputs.line_number_map = *map;
    inputs.stored_destination = "f:\\New";
    inputs.with_files = with_files;
    return inputs;
  }

  void EmptyDestination() const {
    fs::remove_all(destination);
    fs::create_directories(destination);
  }
};

Sandbox& CopyTree() {
  static Sandbox sandbox("ordovan-bench-copy", kClients, kYears, kFilesPerPath);
  sandbox.Mount();
  return sandbox;
}

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) std::abort();
}

void Organize(Sandbox& sandbox, benchmark::State* state) {
  RunResults results;
  stubs::QuietPrompter prompter;
  Reorganizer run(*FileSystem::Default(), prompter, results);
  LINE_NUMBER_MAP map;
  run.Organize(sandbox.Inputs(&map, true));
  if (results.counter(ResultCategory::FilesReorganized) != kClients * kYears * kFilesPerPath) {
    if (state) state->SkipWithError("not every file was copied");
  }
}

void BM_OrganizeWithFiles(benchmark::State& state) {
  Sandbox& sandbox = CopyTree();
  for (auto _ : state) {
    Organize(sandbox, &state);
    state.PauseTiming();
    sandbox.EmptyDestination();
    Run("sync");
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sandbox.bytes));
}

void BM_CpR(benchmark::State& state) {
  Sandbox& sandbox = CopyTree();
  const std::string command = "cp -r '" + sandbox.source.string() + "' '" +
                              (sandbox.destination / "Src").string() + "'";
  for (auto _ : state) {
    Run(command);
    state.PauseTiming();
    sandbox.EmptyDestination();
    Run("sync");
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sandbox.bytes));
}

void BM_Undo(benchmark::State& state) {
  Sandbox& sandbox = CopyTree();
  for (auto _ : state) {
    state.PauseTiming();
    stubs::QuietPrompter prompter;
    RunSession session(*FileSystem::Default(), prompter);
    LINE_NUMBER_MAP map;
    session.Organize(sandbox.Inputs(&map, true));
    Run("sync");
    state.ResumeTiming();
    const UndoResult undone = session.Undo(nullptr).undo;
    state.PauseTiming();
    if (!undone.report.empty() || !fs::is_empty(sandbox.destination)) {
      state.SkipWithError("Undo left something behind");
    }
    state.ResumeTiming();
  }
}

void BM_RmRf(benchmark::State& state) {
  Sandbox& sandbox = CopyTree();
  for (auto _ : state) {
    state.PauseTiming();
    Organize(sandbox, &state);
    Run("sync");
    const std::string command = "cd '" + sandbox.destination.string() + "' && rm -rf -- *";
    state.ResumeTiming();
    Run(command);
  }
}

void BM_Simulation10000Paths(benchmark::State& state) {
  static Sandbox sandbox("ordovan-bench-simulate", kSimClients, kSimYears, 2);
  sandbox.Mount();
  for (auto _ : state) {
    RunResults results;
    stubs::QuietPrompter prompter;
    Reorganizer run(*FileSystem::Default(), prompter, results);
    LINE_NUMBER_MAP map;
    run.SimulationView(sandbox.Inputs(&map, true));
    if (results.counter(ResultCategory::SubfoldersReorganized) != kSimClients * kSimYears) {
      state.SkipWithError("the simulation missed paths");
    }
  }
}

BENCHMARK(BM_OrganizeWithFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_CpR)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_RmRf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_Simulation10000Paths)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace ordovan
