// ordovan-cli against the desktop program's run on the same tree, measured in
// the same run: Organize "with Files" of 2,000 paths holding 100,000 files,
// once through the core as the main window calls it (with its journal), once by starting
// ordovan-cli organize (with its journal) as a process. The repetitions are
// interleaved at random so both see the same disk; bench/cli_vs_desktop.sh
// prints the medians and the ratio (target: within 5%).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunJournal.h"
#include "reorganizer/RunResults.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

constexpr int kClients = 100;
constexpr int kYears = 20;         // 2,000 paths
constexpr int kFilesPerPath = 50;  // 100,000 files
constexpr std::size_t kFileBytes = 1024;

class OkPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string&, const std::string&) override {
    return kind == MessageKind::kQuestion ? Answer::kYes : Answer::kOk;
  }
};

std::string Named(char letter, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%c%03d", letter, n);
  return text;
}

// <tmp>/ordovan-bench-cli/Src/C<c>/Y<y>/docs, the files in docs; the list
// file of the docs folders; the destination New.
struct CliSandbox {
  fs::path root = fs::temp_directory_path() / "ordovan-bench-cli";
  fs::path destination = root / "New";
  fs::path list = root / "list.txt";
  fs::path journal = root / "run.journal";
  TEXT_LIST include;
  std::string cut;  // everything above Src
  std::uintmax_t bytes = 0;

  CliSandbox() {
    fs::remove_all(root);
    fs::create_directories(destination);
    const std::string content(kFileBytes, 'x');
    std::ofstream list_file(list);
    for (int c = 0; c < kClients; ++c) {
      for (int y = 0; y < kYears; ++y) {
        const fs::path docs = root / "Src" / Named('C', c) / Named('Y', y) / "docs";
        fs::create_directories(docs);
        for (int f = 0; f < kFilesPerPath; ++f) {
          std::ofstream(docs / (Named('f', f) + ".dat"), std::ios::binary) << content;
          bytes += content.size();
        }
        include.push_back(*ToProgramPath(docs));
        list_file << include.back() << '\n';
      }
    }
    const std::string src = *ToProgramPath(root / "Src");
    std::size_t levels = 0;
    for (const char ch : src) levels += ch == '\\';
    cut = std::to_string(levels - 1);
  }
  ~CliSandbox() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  void Reset() const {
    fs::remove_all(destination);
    fs::remove(journal);
    fs::create_directories(destination);
    if (std::system("sync") != 0) std::abort();
  }
};

CliSandbox& Tree() {
  static CliSandbox sandbox;
  return sandbox;
}

// What the main window hands the run after Find, the same cut and the order
// Y, C, Src, docs.
RunInputs DesktopInputs(const CliSandbox& sandbox) {
  const TEXT_LIST old_order = {"Src", "C000", "Y000", "docs"};
  RunInputs inputs;
  inputs.include_entries = sandbox.include;
  inputs.cut_number_text = sandbox.cut;
  inputs.new_level_order = {"Y000", "C000", "Src", "docs"};
  inputs.line_number_map = LineNumbersFor(old_order);
  inputs.stored_destination = *ToProgramPath(sandbox.destination);
  inputs.with_files = true;
  return inputs;
}

void BM_DesktopOrganize(benchmark::State& state) {
  CliSandbox& sandbox = Tree();
  RunInputs inputs = DesktopInputs(sandbox);
  // The main window journals its runs beside the settings file, as the CLI does.
  RunJournalWriter journal(*FileSystem::Default(), *ToProgramPath(sandbox.journal));
  inputs.journal = &journal;
  for (auto _ : state) {
    RunResults results;
    OkPrompter prompter;
    Reorganizer run(*FileSystem::Default(), prompter, results);
    run.Organize(inputs);
    if (results.counter(ResultCategory::FilesReorganized) != kClients * kYears * kFilesPerPath) {
      state.SkipWithError("not every file was copied");
    }
    state.PauseTiming();
    sandbox.Reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sandbox.bytes));
}

void BM_CliOrganize(benchmark::State& state) {
  CliSandbox& sandbox = Tree();
  const std::string command = std::string("'") + ORDOVAN_CLI + "' organize --include '" +
                              sandbox.list.string() + "' --cut " + sandbox.cut +
                              " --positions 3,2,1,4 --dest '" + sandbox.destination.string() +
                              "' --journal '" + sandbox.journal.string() + "' --quiet >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("ordovan-cli organize failed");
    state.PauseTiming();
    sandbox.Reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sandbox.bytes));
}

BENCHMARK(BM_DesktopOrganize)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_CliOrganize)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace ordovan
