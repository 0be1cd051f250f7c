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

#include <cstdlib>
#include <filesystem>
#include <string>

#include "OrganizeTree.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunResults.h"
#include "reorganizer/RunSession.h"
#include "reorganizer/RunWorkers.h"
#include "stubs/QuietPrompter.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

constexpr int kSimClients = 250;
constexpr int kSimYears = 40;         // 250 x 40 = 10,000 paths

// A tree mounted as f:, so that its paths are f:\Src\C<c>\Y<y>\docs with the
// files of each path in docs; the template levels hold no files, so the run
// copies exactly what cp -r copies.
struct Sandbox {
  explicit Sandbox(bench::OrganizeTree& organize_tree)
      : tree(organize_tree), include(tree.DocsOnDrive("f:")) {}
  // Each benchmark mounts its own tree as f: before it starts.
  void Mount() const { MountDrive("f:", tree.root); }

  RunInputs Inputs(const fs::path& destination) const {
    return bench::OrganizeInputs(include, "f:\\Runs\\" + destination.filename().string());
  }

  bench::OrganizeTree& tree;
  TEXT_LIST include;
};

Sandbox& CopyTree() {
  static Sandbox sandbox(bench::SharedOrganizeTree());
  sandbox.Mount();
  return sandbox;
}

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) std::abort();
}

// As the program runs it: a session, journaled.
void Organize(Sandbox& sandbox, const fs::path& destination, RunSession* session,
              benchmark::State* state) {
  RunReport report = session->Organize(sandbox.Inputs(destination));
  if (report.journal_failed ||
      session->results().counter(ResultCategory::FilesReorganized) != sandbox.tree.files()) {
    if (state) state->SkipWithError("not every file was copied, or no journal");
  }
}

// The journal beside the destination; `workers` copies at once
// (kAutomaticWorkers: the program's own choice).
RunSessionOptions SessionOptions(const fs::path& destination, std::size_t workers) {
  RunSessionOptions options;
  options.journal_path = ToProgramPath(destination.string() + ".journal").value_or("");
  options.workers = workers;
  return options;
}

void BM_OrganizeWithFiles(benchmark::State& state) {
  Sandbox& sandbox = CopyTree();
  const auto workers = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path destination = sandbox.tree.NextDestination();
    stubs::QuietPrompter prompter;
    RunSession session(*FileSystem::Default(), prompter, SessionOptions(destination, workers));
    state.ResumeTiming();
    Organize(sandbox, destination, &session, &state);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sandbox.tree.bytes()));
}

void BM_CpR(benchmark::State& state) {
  Sandbox& sandbox = CopyTree();
  for (auto _ : state) {
    state.PauseTiming();
    const std::string command = "cp -r '" + sandbox.tree.source.string() + "' '" +
                                (sandbox.tree.NextDestination() / "Src").string() + "'";
    state.ResumeTiming();
    Run(command);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sandbox.tree.bytes()));
}

void BM_Undo(benchmark::State& state) {
  Sandbox& sandbox = CopyTree();
  const auto workers = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path destination = sandbox.tree.NextDestination();
    stubs::QuietPrompter prompter;
    RunSession session(*FileSystem::Default(), prompter, SessionOptions(destination, workers));
    Organize(sandbox, destination, &session, &state);
    Run("sync");
    state.ResumeTiming();
    const UndoResult undone = session.Undo(nullptr).undo;
    state.PauseTiming();
    if (!undone.report.empty() || !fs::is_empty(destination)) {
      state.SkipWithError("Undo left something behind");
    }
    state.ResumeTiming();
  }
}

void BM_RmRf(benchmark::State& state) {
  Sandbox& sandbox = CopyTree();
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path destination = sandbox.tree.NextDestination();
    stubs::QuietPrompter prompter;
    RunSession session(*FileSystem::Default(), prompter, SessionOptions(destination, 1));
    Organize(sandbox, destination, &session, &state);
    Run("sync");
    const std::string command = "cd '" + destination.string() + "' && rm -rf -- *";
    state.ResumeTiming();
    Run(command);
  }
}

void BM_Simulation10000Paths(benchmark::State& state) {
  static bench::OrganizeTree tree("ordovan-bench-simulate", kSimClients, kSimYears, 2);
  static Sandbox sandbox(tree);
  sandbox.Mount();
  const fs::path destination = tree.NextDestination();
  for (auto _ : state) {
    RunResults results;
    stubs::QuietPrompter prompter;
    Reorganizer run(*FileSystem::Default(), prompter, results);
    run.SimulationView(sandbox.Inputs(destination));
    if (results.counter(ResultCategory::SubfoldersReorganized) != tree.paths()) {
      state.SkipWithError("the simulation missed paths");
    }
  }
}

BENCHMARK(BM_OrganizeWithFiles)->Arg(1)->Arg(kAutomaticWorkers)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_CpR)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_Undo)->Arg(1)->Arg(kAutomaticWorkers)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_RmRf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_Simulation10000Paths)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace ordovan
