// ordovan-cli against the desktop program's run on the same tree, measured in
// the same run: Organize "with Files" of 2,000 paths holding 100,000 files,
// once through the run session as the main window calls it (with its journal), once by starting
// ordovan-cli organize (with its journal) as a process. The repetitions are
// interleaved at random so both see the same disk; bench/cli_vs_desktop.sh
// prints the medians and the ratio (target: within 5%).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "OrganizeTree.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "reorganizer/LevelTemplate.h"
#include "reorganizer/RunSession.h"
#include "reorganizer/RunWorkers.h"
#include "stubs/QuietPrompter.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

// The shared tree as both front ends see it: program paths, the cut of
// everything above Src, one journal beside the tree (each run retires the
// former one itself).
struct CliSandbox {
  bench::OrganizeTree& tree = bench::SharedOrganizeTree();
  fs::path journal = tree.root / "run.journal";
  TEXT_LIST include;
  std::int32_t cut = 0;

  CliSandbox() {
    for (const fs::path& docs : tree.docs) include.push_back(*ToProgramPath(docs));
    const std::string src = *ToProgramPath(tree.source);
    for (const char ch : src) cut += ch == '\\';
    cut -= 1;
  }
};

CliSandbox& Sandbox() {
  static CliSandbox sandbox;
  return sandbox;
}

// What the main window hands the run after Find, the same cut and the order
// Y, C, Src, docs.
RunInputs DesktopInputs(const CliSandbox& sandbox, const fs::path& destination) {
  const TEXT_LIST old_order = {"Src", "C000", "Y000", "docs"};
  RunInputs inputs;
  inputs.include_entries = sandbox.include;
  inputs.cut = sandbox.cut;
  inputs.new_level_order = {"Y000", "C000", "Src", "docs"};
  inputs.line_number_map = LineNumbersFor(old_order);
  inputs.stored_destination = *ToProgramPath(destination);
  inputs.with_files = true;
  return inputs;
}

// The main window's run: its session journals beside the settings file, as
// the CLI does, and chooses how many copies go at once (`workers`).
void DesktopOrganize(benchmark::State& state, std::size_t workers) {
  CliSandbox& sandbox = Sandbox();
  stubs::QuietPrompter prompter;
  RunSessionOptions options;
  options.journal_path = *ToProgramPath(sandbox.journal);
  options.workers = workers;
  for (auto _ : state) {
    state.PauseTiming();
    const RunInputs inputs = DesktopInputs(sandbox, sandbox.tree.NextDestination());
    state.ResumeTiming();
    RunSession session(*FileSystem::Default(), prompter, options);
    session.Organize(inputs);
    if (session.results().counter(ResultCategory::FilesReorganized) != sandbox.tree.files()) {
      state.SkipWithError("not every file was copied");
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sandbox.tree.bytes()));
}

void BM_DesktopOrganize(benchmark::State& state) { DesktopOrganize(state, kAutomaticWorkers); }
void BM_DesktopOrganizeOneWorker(benchmark::State& state) { DesktopOrganize(state, 1); }

void BM_CliOrganize(benchmark::State& state) {
  CliSandbox& sandbox = Sandbox();
  for (auto _ : state) {
    state.PauseTiming();
    const std::string command =
        std::string("'") + ORDOVAN_CLI + "' organize --include '" + sandbox.tree.list.string() +
        "' --cut " + std::to_string(sandbox.cut) + " --positions 3,2,1,4 --dest '" +
        sandbox.tree.NextDestination().string() + "' --journal '" + sandbox.journal.string() +
        "' --quiet >/dev/null";
    state.ResumeTiming();
    if (std::system(command.c_str()) != 0) state.SkipWithError("ordovan-cli organize failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sandbox.tree.bytes()));
}

BENCHMARK(BM_DesktopOrganize)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_DesktopOrganizeOneWorker)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_CliOrganize)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace ordovan
