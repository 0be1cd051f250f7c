// The Subfolder List Builder through its real window, shown offscreen with
// the time-sliced event pump, on the generated tree of 100,000 folders:
//   "Build a List" of every level into the builder's Include list (< 2 s)
//   the main window's take-over of those 100,000 entries       (< 2 s)
// Each figure is one whole command.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "../ScanTree.h"
#include "BenchWindows.h"
#include "platform/FileSystem.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
#include "settings/SettingsStore.h"
#include "shell/ui/AppWindows.h"
#include "uikit/QtEventPump.h"
#include "uikit/QtText.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {
namespace {

// The builder with its source chosen and every level asked for.
struct BuilderProgram : bench::BenchWindows<> {
  BuilderProgram() : BenchWindows(true) {
    bench::Tree();
    builder = windows->Find<TfrmSubFolderListBuilder>();
    builder->cboMainSourceFolder->setEditText("d:\\Tree");
    builder->rdoBelowLevelNumber->click();
    builder->show();
    QApplication::processEvents();
  }

  TfrmSubFolderListBuilder* builder = nullptr;
};

BuilderProgram& Builder() {
  static BuilderProgram* program = new BuilderProgram;  // lives until the process ends
  return *program;
}

template <typename Command>
void TimeOnce(benchmark::State& state, Command command) {
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    command();
    QApplication::processEvents();  // the last repaint belongs to the command
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}

void BM_BuilderBuildAllLevels(benchmark::State& state) {
  BuilderProgram& program = Builder();
  TimeOnce(state, [&] { program.builder->btnBuildList->click(); });
  if (program.builder->IncludeList().size() != bench::kFolders) {
    state.SkipWithError("not every folder was listed");
  }
}

void BM_BuilderTakeOver100000(benchmark::State& state) {
  BuilderProgram& program = Builder();
  if (program.builder->IncludeList().size() != bench::kFolders) {
    program.builder->btnBuildList->click();
  }
  for (auto _ : state) {
    state.PauseTiming();
    program.main().IncludeList().Clear();
    program.main().RefreshAfterListChange();
    QApplication::processEvents();
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    program.main().TakeOverListBuilderResults(
        {[] { return true; },
         [&]() -> const TEXT_LIST& { return program.builder->IncludeList().entries(); }});
    QApplication::processEvents();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  if (program.main().IncludeList().size() != bench::kFolders) state.SkipWithError("wrong take-over");
}

void FiveRuns(benchmark::internal::Benchmark* b) {
  b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
  b->ReportAggregatesOnly(true);
}

BENCHMARK(BM_BuilderBuildAllLevels)->Apply(FiveRuns);
BENCHMARK(BM_BuilderTakeOver100000)->Apply(FiveRuns);

}  // namespace
}  // namespace ordovan
