#include "shell/ui/AppWindows.h"

#include <QPushButton>

#include "help/HelpTexts.h"
#include "help/ui/TfrmHelp.h"
#include "help/ui/TfrmInfoWindows.h"
#include "importexport/ui/TfrmFileExport.h"
#include "paths/ui/TfrmZoomIncludeWindow.h"
#include "reorganizer/ui/TfrmStatistic14.h"
#include "reorganizer/ui/TfrmVol14ZoomStatistics.h"
#include "scanning/ui/TfrmLevelSummFolder.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
#include "shell/ui/ResultsWindowLink.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {

namespace {
// The main window's view of the results window.
class Statistic14Link : public ResultsWindowLink {
 public:
  explicit Statistic14Link(TfrmStatistic14& window) : window_(window) {}
  void ShowResultsWindow() override { window_.ShowResultsWindow(); }
  bool NormalRunMarked() const override { return window_.NormalRunMarked(); }
  void SetModeCaption(const std::string& text) override { window_.SetModeCaption(text); }

 private:
  TfrmStatistic14& window_;
};
}  // namespace

AppWindows::AppWindows(const AppServices& services) : services_(services) {
  main_ = std::make_unique<TfrmMainFR>(services_);
  CreateOtherWindows();
}

AppWindows::~AppWindows() {
  // The main window lets go of the results window before that goes.
  main_->SetResultsWindow(nullptr);
  main_->ShowResultsFilesControls = nullptr;
  // The other windows go first, last created first; the main window last.
  while (!others_.empty()) others_.pop_back();
  main_.reset();
}

void AppWindows::CreateOtherWindows() {
  // The program's fixed order. A window that is built later takes its line
  // at its place here.
  //   include-list editor of the list builder
  auto* about = Add<TfrmAboutBox>();
  auto* list_builder = Add<TfrmSubFolderListBuilder>();
  //   include-list editor of the main window
  auto* level_summary = Add<TfrmLevelSummFolder>();
  //   smart-import editor
  auto* file_export = Add<TfrmFileExport>();
  //   import dialog
  auto* help = Add<TfrmHelp>();
  auto* overview = Add<TfrmOverview>();
  //   quotation-mark manager, delimiter manager
  auto* results_zoom =
      Keep(std::make_unique<TfrmVol14ZoomStatistics>(main_->Results(), Frame()));
  auto* zoom_include = Add<TfrmZoomIncludeWindow>();
  auto* results = Keep(
      std::make_unique<TfrmStatistic14>(services_, main_->Results(), *results_zoom, Frame()));

  main_->SetHelpWindows(help, overview, about);
  main_->SetZoomIncludeWindow(zoom_include);
  WireListBuilder(list_builder, level_summary, help);
  results_link_ = std::make_unique<Statistic14Link>(*results);
  main_->SetResultsWindow(results_link_.get());
  main_->ShowResultsFilesControls = [results](bool shown) { results->ShowFilesControls(shown); };

  // "Export" of the Include list, the List Builder's list and every results
  // list open the export dialog.
  ExportHandOver export_hand_over;
  export_hand_over.reset = [file_export] { file_export->Reset(); };
  export_hand_over.shown = &file_export->ShownList();
  export_hand_over.show_source_count = [file_export](std::size_t n) {
    file_export->ShowSourceCount(n);
  };
  export_hand_over.show_modal = [file_export] {
    file_export->SetKind(kExportKindFolders);
    file_export->ShowModally();
  };
  TfrmMainFR* main = main_.get();
  QObject::connect(main->btnVol14IncludeWindowExportFolderList, &QPushButton::clicked, main,
                   [main, export_hand_over] { main->ExportIncludeList(export_hand_over); });
  results->SetExportHandler(
      [file_export](const TEXT_LIST& entries) { file_export->ExportEntries(entries, true); });
  list_builder->SetExportHook(
      [file_export](const TEXT_LIST& entries) { file_export->ExportEntries(entries, false); });
}

void AppWindows::WireListBuilder(TfrmSubFolderListBuilder* builder,
                                 TfrmLevelSummFolder* level_summary, TfrmHelp* help) {
  builder->SetLevelSummaryWindow(level_summary);
  // The builder is modal: its help window must be too, or it takes no input.
  builder->SetHelpHook([help] {
    help->setWindowModality(Qt::ApplicationModal);
    help->ShowTopic(kListBuilderTopic, true);
    QObject::connect(
        help, &QDialog::finished, help, [help] { help->setWindowModality(Qt::NonModal); },
        Qt::SingleShotConnection);
  });
  TfrmMainFR* main = main_.get();
  QObject::connect(main->btnVol14IncludeWindowListBuilder, &QPushButton::clicked, main,
                   [main, builder] {
                     main->TakeOverListBuilderResults(
                         {[builder] { return builder->exec() == QDialog::Accepted; },
                          [builder]() -> const TEXT_LIST& { return builder->IncludeList().entries(); }});
                   });
}

QWidget* AppWindows::Frame() const { return main_.get(); }

std::vector<QString> AppWindows::CreationOrder() const {
  std::vector<QString> names;
  for (QWidget* window : All()) names.push_back(window->objectName());
  return names;
}

std::vector<QWidget*> AppWindows::All() const {
  std::vector<QWidget*> windows{main_.get()};
  for (const auto& window : others_) windows.push_back(window.get());
  return windows;
}

}  // namespace ordovan
