// The export of 30,000 and 100,000 entries through the real export dialog,
// shown offscreen with the time-sliced event pump: the hand-over as the
// Include list makes it, the activation that applies the choices, "Export
// To..." writing the file, and Close. Each figure is one whole export.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "importexport/ui/TfrmFileExport.h"
#include "paths/EntryList.h"
#include "paths/IncludeExclude.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "settings/SettingsStore.h"
#include "stubs/ui/NoDialogs.h"
#include "uikit/QtEventPump.h"
#include "uikit/QtText.h"

namespace ordovan {
namespace {

// Yes to replacing the last run's file, OK to the closing notice (a plain
// one); any warning means the export failed.
class ReplacingPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string& text, const std::string& title) override {
    if (kind == MessageKind::kQuestion) return Answer::kYes;
    if (kind != MessageKind::kInformation && kind != MessageKind::kPlain) {
      std::fprintf(stderr, "unexpected message: %s %s\n", title.c_str(), text.c_str());
      std::abort();
    }
    return Answer::kOk;
  }
};

class SaveTo : public stubs::NoDialogs {
 public:
  explicit SaveTo(std::string path) : path_(std::move(path)) {}
  std::string SaveFileName(QWidget*, const FileDialogRequest&) override { return path_; }

 private:
  std::string path_;
};

void BM_ExportDialog(benchmark::State& state) {
  const auto entries = static_cast<int>(state.range(0));
  QTemporaryDir temp;
  const std::string folder = ToProgramPath(Utf8ToNative(FromQt(temp.path()))).value_or("");
  ReplacingPrompter prompter;
  SaveTo dialogs(folder + "\\list.txt");
  QtEventPump pump;
  SettingsStore settings;
  AppServices services;
  services.prompter = &prompter;
  services.dialogs = &dialogs;
  services.file_system = FileSystem::Default();
  services.pump = &pump;
  services.settings = &settings;
  TfrmFileExport dialog(services);

  TEXT_LIST include;
  for (int i = 0; i < entries; ++i) {
    include.push_back("f:\\Old Clients\\Client" + std::to_string(i) + "\\2016\\docs\\pdf");
  }
  for (auto _ : state) {
    dialog.Reset();
    FillExportSource(include, dialog.ShownList(),
                     [&](std::size_t n) { dialog.ShowSourceCount(n); }, pump);
    // The activation lets events run too: press the buttons only once the
    // dialog runs modally.
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (QApplication::activeModalWidget() != &dialog) return;
      timer.stop();
      dialog.btnFileExportTo->click();
      dialog.btnFileExportClose->click();
    });
    timer.start();
    dialog.ShowModally();
  }
  if (dialog.lblSmartExportExported->text() != QString::number(entries)) {
    state.SkipWithError("not every entry was exported");
  }
}
BENCHMARK(BM_ExportDialog)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace ordovan
