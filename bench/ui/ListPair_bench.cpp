// The Include/Exclude list pair at 30,000 entries, through the real main
// window with the time-sliced event pump, shown offscreen so that every
// pump repaints the lists. Each figure is one whole command.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <string>

#include "BenchWindows.h"
#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "settings/SettingsStore.h"
#include "shell/ui/AppWindows.h"
#include "uikit/QtEventPump.h"
#include "uikit/QtText.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {
namespace {

constexpr int kEntries = 30000;

TEXT_LIST Paths(const char* root) {
  TEXT_LIST paths;
  paths.reserve(kEntries);
  for (int i = 0; i < kEntries; ++i) {
    paths.push_back(std::string("f:\\") + root + "\\Client" + std::to_string(i) + "\\2016\\docs");
  }
  return paths;
}

// One program's windows, shown offscreen, for the whole benchmark run.
struct Program : bench::BenchWindows<> {
  Program() {
    main().show();
    QApplication::processEvents();
  }
};

// Made in main() after the application object, gone before it.
Program* the_program = nullptr;
Program& TheProgram() { return *the_program; }

// Times `command` after `prepare`, which is not timed.
template <typename Prepare, typename Command>
void Run(benchmark::State& state, Prepare prepare, Command command) {
  Program& program = TheProgram();
  for (auto _ : state) {
    program.main().IncludeList().Clear();
    program.main().ExcludeList().Clear();
    prepare(program.main());
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    command(program.main());
    QApplication::processEvents();  // the last repaint belongs to the command
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["entries"] = kEntries;
}

void BM_MoveAllToExclude(benchmark::State& state) {
  const TEXT_LIST paths = Paths("Include");
  Run(state, [&](TfrmMainFR& main) { main.IncludeList().AppendAll(paths); },
      [](TfrmMainFR& main) { main.btnVol14AllFromInc->click(); });
}

void BM_MoveAllToInclude(benchmark::State& state) {
  const TEXT_LIST paths = Paths("Exclude");
  Run(state, [&](TfrmMainFR& main) { main.ExcludeList().AppendAll(paths); },
      [](TfrmMainFR& main) { main.btnVol14AllFromExc->click(); });
}

void BM_MoveSelectedHalfToExclude(benchmark::State& state) {
  const TEXT_LIST paths = Paths("Include");
  Run(state,
      [&](TfrmMainFR& main) {
        main.IncludeList().AppendAll(paths);
        EntryListView* view = main.lstVol14IncludeWindowFolderList;
        QItemSelection every_other;
        for (int row = 0; row < kEntries; row += 2) {
          const QModelIndex index = view->model()->index(row, 0);
          every_other.select(index, index);
        }
        view->selectionModel()->select(every_other, QItemSelectionModel::Select);
      },
      [](TfrmMainFR& main) { main.btnVol14IncToExc->click(); });
}

void BM_TakeOverNewEntries(benchmark::State& state) {
  const TEXT_LIST existing = Paths("Include");
  const TEXT_LIST results = Paths("Imported");
  Run(state, [&](TfrmMainFR& main) { main.IncludeList().AppendAll(existing); },
      [&](TfrmMainFR& main) {
        main.TakeOverImportResults(
            {[] { return true; }, [&]() -> const TEXT_LIST& { return results; }});
      });
}

void BM_RefreshAfterListChange(benchmark::State& state) {
  const TEXT_LIST paths = Paths("Include");
  Run(state, [&](TfrmMainFR& main) { main.IncludeList().AppendAll(paths); },
      [](TfrmMainFR& main) { main.RefreshAfterListChange(); });
}

// Seven runs of one command each; the median is the figure to read.
void SevenRuns(benchmark::internal::Benchmark* b) {
  b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7);
  b->ReportAggregatesOnly(true);
}

BENCHMARK(BM_MoveAllToExclude)->Apply(SevenRuns);
BENCHMARK(BM_MoveAllToInclude)->Apply(SevenRuns);
BENCHMARK(BM_MoveSelectedHalfToExclude)->Apply(SevenRuns);
BENCHMARK(BM_TakeOverNewEntries)->Apply(SevenRuns);
BENCHMARK(BM_RefreshAfterListChange)->Apply(SevenRuns);

}  // namespace

void MakeProgram() { the_program = new Program; }
void EndProgram() {
  delete the_program;
  the_program = nullptr;
}

}  // namespace ordovan

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  ordovan::MakeProgram();
  benchmark::RunSpecifiedBenchmarks();
  ordovan::EndProgram();
  benchmark::Shutdown();
  return 0;
}
