// "Find" on the main window over a 30,000-entry Include list, offscreen, with
// the window shown and the time-sliced event pump, so the figure includes the
// list refill, its repaints and the Old Level Order; the pure choice of the
// template path is measured alone beside it for comparison.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <cctype>
#include <memory>
#include <string>

#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "reorganizer/LevelTemplate.h"
#include "settings/SettingsStore.h"
#include "stubs/TempCurrentFolder.h"
#include "uikit/AppServices.h"
#include "uikit/QtEventPump.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {
namespace {

// Paths of 3 to 6 levels; every tenth entry repeats the one before it in
// capitals and every 50th has no drive, so Find drops, skips and sorts.
TEXT_LIST IncludeEntries(int count) {
  TEXT_LIST entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::string path = "f:\\Clients " + std::to_string(i % 97) + "\\Client" + std::to_string(i) +
                       "\\" + std::to_string(2000 + i % 25);
    for (int level = 0; level < (i * 7) % 4; ++level) path += "\\Docs" + std::to_string(level);
    if (i % 10 == 9) {
      path = entries.back();
      for (char& c : path) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else if (i % 50 == 7) {
      path = path.substr(3);
    }
    entries.push_back(std::move(path));
  }
  return entries;
}

// Counts messages instead of showing them; Find on these entries shows none.
class CountingPrompter : public Prompter {
 public:
  Answer Show(MessageKind, const std::string&, const std::string&) override {
    ++shown;
    return Answer::kNo;
  }
  int shown = 0;
};

QApplication& Application() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "template_ui_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// The main window alone, shown offscreen, its settings file in a temporary folder.
struct Page {
  Page() {
    Application();
    file_system = std::make_unique<stubs::TempCurrentFolder>(
        FileSystem::Default(), ToProgramPath(Utf8ToNative(scratch.path().toStdString())).value_or(""));
    services.prompter = &prompter;
    services.file_system = file_system.get();
    services.pump = &pump;
    services.settings = &settings;
    window = std::make_unique<TfrmMainFR>(services);
    window->show();
    QApplication::processEvents();
  }

  QTemporaryDir scratch;
  CountingPrompter prompter;
  QtEventPump pump;
  SettingsStore settings;
  std::unique_ptr<stubs::TempCurrentFolder> file_system;
  AppServices services;
  std::unique_ptr<TfrmMainFR> window;
};

void BM_FindOnTheMainWindow(benchmark::State& state) {
  const TEXT_LIST entries = IncludeEntries(static_cast<int>(state.range(0)));
  Page page;
  for (auto _ : state) {
    state.PauseTiming();
    page.window->IncludeList().Assign(entries);
    page.window->RefreshAfterListChange();
    QApplication::processEvents();
    state.ResumeTiming();

    page.window->btnVol14FindShortestPath->click();
    QApplication::processEvents();  // the last repaint belongs to Find too
  }
  if (page.prompter.shown != 0 || page.window->lstVol14SubFoldersSource->list().empty()) {
    state.SkipWithError("Find did not build a template");
  }
  state.counters["include_after"] = static_cast<double>(page.window->IncludeList().size());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FindOnTheMainWindow)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(11);

void BM_ChooseTemplatePathAlone(benchmark::State& state) {
  const TEXT_LIST entries = IncludeEntries(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TemplateChoice choice = ChooseTemplatePath(entries);
    benchmark::DoNotOptimize(choice);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChooseTemplatePathAlone)->Arg(30000)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
}  // namespace ordovan
