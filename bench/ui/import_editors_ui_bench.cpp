// The import road and the list editors through the real windows, offscreen,
// with the time-sliced event pump:
//   BM_ImportRoad: a list file of N lines through Browse (the preview),
//     Create and IMPORT into the main window's Include list;
//   BM_IncludeEditorOk: OK of the main window's editor holding N lines (the
//     check, the write-back into the Include list and its repaint).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "BenchWindows.h"
#include "importexport/ui/TfrmFileImport.h"
#include "importexport/ui/TfrmListEditor.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "settings/SettingsStore.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/TfrmMainFR.h"
#include "stubs/ui/NoDialogs.h"
#include "uikit/QtEventPump.h"
#include "uikit/QtText.h"

namespace ordovan {
namespace {

// OK to the notices; a warning other than the take-over's closing one means
// the road failed.
class RoadPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string& text, const std::string& title) override {
    if (kind == MessageKind::kQuestion) return Answer::kYes;
    if (kind == MessageKind::kWarning && text != "End of the Import Process !!!\n") {
      std::fprintf(stderr, "unexpected message: %s %s\n", title.c_str(), text.c_str());
      std::abort();
    }
    return Answer::kOk;
  }
};

class OpenThis : public stubs::NoDialogs {
 public:
  std::string OpenFileName(QWidget*, const FileDialogRequest&) override { return path; }
  std::string path;
};

struct Windows : bench::BenchWindows<RoadPrompter, OpenThis> {
  Windows() {
    main().show();
    QApplication::processEvents();
  }
};

std::string PathNumber(int i) {
  return "f:\\Old Clients\\Client" + std::to_string(i) + "\\2016\\docs\\pdf";
}

void BM_ImportRoad(benchmark::State& state) {
  const auto lines = static_cast<int>(state.range(0));
  Windows program;
  {
    std::ofstream file(program.temp.filePath("road.txt").toStdString(), std::ios::binary);
    for (int i = 0; i < lines; ++i) file << '"' << PathNumber(i) << "\"\r\n";
  }
  program.dialogs.path = program.Folder() + "\\road.txt";
  TfrmMainFR& main = *program.windows->main();
  auto* import = program.windows->Find<TfrmFileImport>();
  for (auto _ : state) {
    main.IncludeList().Clear();
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (QApplication::activeModalWidget() != import) return;
      timer.stop();
      import->btnFileImportBrowse->click();
      import->btnFileImportFrom->click();
      import->btnFileImportOk->click();
    });
    timer.start();
    main.btnVol14IncludeWindowImportFolderList->click();
    QApplication::processEvents();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  if (main.IncludeList().size() != static_cast<std::size_t>(lines)) {
    state.SkipWithError("not every line reached the Include list");
  }
}

void BM_IncludeEditorOk(benchmark::State& state) {
  const auto lines = static_cast<int>(state.range(0));
  Windows program;
  TfrmMainFR& main = *program.windows->main();
  auto* editor = program.windows->Find<TfrmVol14EditIncludeList>();
  TEXT_LIST paths;
  for (int i = 0; i < lines; ++i) paths.push_back(PathNumber(i));
  for (auto _ : state) {
    main.IncludeList().Clear();
    editor->SetItems(paths);
    editor->show();
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    editor->btnOk->click();
    QApplication::processEvents();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  if (main.IncludeList().size() != static_cast<std::size_t>(lines)) {
    state.SkipWithError("not every line reached the Include list");
  }
}

void FiveRuns(benchmark::internal::Benchmark* b) {
  b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
  b->ReportAggregatesOnly(true);
}

BENCHMARK(BM_ImportRoad)->Arg(100000)->Apply(FiveRuns);
BENCHMARK(BM_IncludeEditorOk)->Arg(30000)->Arg(100000)->Apply(FiveRuns);

}  // namespace
}  // namespace ordovan
