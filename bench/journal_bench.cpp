// The run journal's cost: the Organize "with Files" of 2,000 paths holding
// 100,000 files, with and without its journal, side by side in one run.
// bench/journal_overhead.sh runs them interleaved and prints the ratio.

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

// ORDOVAN_JOURNAL_BENCH_FILES sets a smaller tree (files per path x 2,000).
int FilesPerPath() {
  const char* files = std::getenv("ORDOVAN_JOURNAL_BENCH_FILES");
  return files ? std::max(1, std::atoi(files) / 2000) : 50;
}

class YesPrompter : public Prompter {
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

struct Tree {
  fs::path root = fs::temp_directory_path() / "ordovan-bench-journal";
  TEXT_LIST include;
  int files = 0;

  Tree() {
    fs::remove_all(root);
    fs::create_directories(root / "New");
    fs::create_directories(root / "settings");
    const std::string content(1024, 'x');
    for (int c = 0; c < 100; ++c) {
      for (int y = 0; y < 20; ++y) {
        const fs::path docs = root / "Src" / Named('C', c) / Named('Y', y) / "docs";
        fs::create_directories(docs);
        for (int f = 0; f < FilesPerPath(); ++f, ++files) {
          std::ofstream(docs / (Named('f', f) + ".dat"), std::ios::binary) << content;
        }
        include.push_back("f:\\Src\\" + Named('C', c) + "\\" + Named('Y', y) + "\\docs");
      }
    }
  }
  ~Tree() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  static Tree& Get() {
    static Tree tree;
    MountDrive("f:", tree.root);
    return tree;
  }

  void Organize(benchmark::State& state, RunJournalWriter* journal) {
    RunResults results;
    YesPrompter prompter;
    Reorganizer run(*FileSystem::Default(), prompter, results);
    RunInputs inputs;
    inputs.include_entries = include;
    inputs.cut_number_text = "0";
    inputs.new_level_order = {"Y000", "C000", "Src"};
    inputs.line_number_map = LineNumbersFor({"Src", "C000", "Y000"});
    inputs.stored_destination = "f:\\New";
    inputs.with_files = true;
    inputs.journal = journal;
    run.Organize(inputs);
    if (results.counter(ResultCategory::FilesReorganized) != static_cast<std::size_t>(files)) {
      state.SkipWithError("not every file was copied");
    }
    if (journal && journal->failed()) state.SkipWithError("the journal failed");
  }
  void Empty() {
    fs::remove_all(root / "New");
    fs::create_directories(root / "New");
    if (std::system("sync") != 0) std::abort();
  }
};

void BM_OrganizeWithoutJournal(benchmark::State& state) {
  Tree& tree = Tree::Get();
  for (auto _ : state) {
    tree.Organize(state, nullptr);
    state.PauseTiming();
    tree.Empty();
    state.ResumeTiming();
  }
}

void BM_OrganizeWithJournal(benchmark::State& state) {
  Tree& tree = Tree::Get();
  for (auto _ : state) {
    RunJournalWriter journal(*FileSystem::Default(), "f:\\settings\\ordovan-run.journal");
    tree.Organize(state, &journal);
    state.PauseTiming();
    tree.Empty();
    journal.Retire();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_OrganizeWithoutJournal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_OrganizeWithJournal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace ordovan
