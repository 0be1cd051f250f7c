// The run journal's cost: the Organize "with Files" of 2,000 paths holding
// 100,000 files, with and without its journal, side by side in one run.
// bench/journal_overhead.sh runs them interleaved and prints the ratio.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "OrganizeTree.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunJournalWriter.h"
#include "reorganizer/RunResults.h"
#include "stubs/QuietPrompter.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

// The shared tree mounted as f:, so that its paths are f:\Src\C<c>\Y<y>\docs.
struct JournalSandbox {
  bench::OrganizeTree& tree = bench::SharedOrganizeTree();
  TEXT_LIST include = tree.DocsOnDrive("f:");

  JournalSandbox() {
    MountDrive("f:", tree.root);
    fs::create_directories(tree.root / "settings");
  }
  static JournalSandbox& Get() {
    static JournalSandbox sandbox;
    return sandbox;
  }

  void Organize(benchmark::State& state, RunJournalWriter* journal) {
    state.PauseTiming();
    const std::string destination =
        "f:\\Runs\\" + tree.NextDestination().filename().string();
    state.ResumeTiming();
    RunResults results;
    stubs::QuietPrompter prompter;
    Reorganizer run(*FileSystem::Default(), prompter, results);
    RunInputs inputs = bench::OrganizeInputs(include, destination);
    inputs.journal = journal;
    run.Organize(inputs);
    if (results.counter(ResultCategory::FilesReorganized) != tree.files()) {
      state.SkipWithError("not every file was copied");
    }
    if (journal && journal->failed()) state.SkipWithError("the journal failed");
  }
};

void BM_OrganizeWithoutJournal(benchmark::State& state) {
  JournalSandbox& sandbox = JournalSandbox::Get();
  for (auto _ : state) sandbox.Organize(state, nullptr);
}

void BM_OrganizeWithJournal(benchmark::State& state) {
  JournalSandbox& sandbox = JournalSandbox::Get();
  for (auto _ : state) {
    RunJournalWriter journal(*FileSystem::Default(), "f:\\settings\\ordovan-run.journal");
    sandbox.Organize(state, &journal);
    state.PauseTiming();
    journal.Retire();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_OrganizeWithoutJournal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_OrganizeWithJournal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace ordovan
