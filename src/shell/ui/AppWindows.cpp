#include "shell/ui/AppWindows.h"

#include <QPushButton>

#include "help/HelpTexts.h"
#include "help/ui/TfrmHelp.h"
#include "help/ui/TfrmInfoWindows.h"
#include "importexport/ui/TfrmFileExport.h"
#include "importexport/ui/TfrmFileImport.h"
#include "importexport/ui/TfrmListEditor.h"
#include "importexport/ui/TfrmListManager.h"
#include "paths/IncludeExclude.h"
#include "paths/ui/TfrmZoomIncludeWindow.h"
#include "reorganizer/ui/TfrmStatistic14.h"
#include "reorganizer/ui/TfrmVol14ZoomStatistics.h"
#include "scanning/ui/TfrmLevelSummFolder.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
#include "shell/ui/ResultsWindowLink.h"
#include "shell/ui/TfrmMainFR.h"
#include "uikit/Throttle.h"

namespace ordovan {

namespace {
// The main window's view of the results window.
class Statistic14Link : public ResultsWindowLink {
 public:
  explicit Statistic14Link(TfrmStatistic14& window) : window_(window) {}
  void ShowResultsWindow() override { window_.ShowResultsWindow(); }
  bool NormalRunMarked() const override { return window_.NormalRunMarked(); }
  void SetModeCaption(const std::string& text) override { window_.SetModeCaption(text); }
  QWidget* StopControl() const override { return window_.StopControl(); }

 private:
  TfrmStatistic14& window_;
};
}  // namespace

AppWindows::AppWindows(const AppServices& services) : services_(services) {
  main_ = std::make_unique<TfrmMainFR>(services_);
  CreateOtherWindows();
}

AppWindows::~AppWindows() {
  // The main window lets go of the other windows before they go.
  main_->SetResultsWindow(nullptr);
  main_->ShowResultsFilesControls = nullptr;
  main_->SetIncludeListDialogs({});
  // The other windows go first, last created first; the main window last.
  while (!others_.empty()) others_.pop_back();
  main_.reset();
}

void AppWindows::CreateOtherWindows() {
  // The program's fixed order. A window that is built later takes its line
  // at its place here.
  auto* builder_editor = Add<TfrmFLLEditIncludeFolderList>();
  auto* about = Add<TfrmAboutBox>();
  auto* list_builder = Add<TfrmSubFolderListBuilder>();
  auto* include_editor = Add<TfrmVol14EditIncludeList>();
  auto* level_summary = Add<TfrmLevelSummFolder>();
  auto* smart_import_editor = Add<TfrmEditSmartImport>();
  auto* file_export = Add<TfrmFileExport>();
  auto* file_import = Add<TfrmFileImport>();
  auto* help = Add<TfrmHelp>();
  auto* overview = Add<TfrmOverview>();
  auto* quotation_marks = Add<TfrmQuotationMarks>();
  auto* delimiters = Add<TfrmDelimiters>();
  auto* results_zoom =
      Keep(std::make_unique<TfrmVol14ZoomStatistics>(main_->Results(), Frame()));
  auto* zoom_include = Add<TfrmZoomIncludeWindow>();
  auto* results = Keep(
      std::make_unique<TfrmStatistic14>(services_, main_->Results(), *results_zoom, Frame()));

  main_->SetHelpWindows(help, overview, about);
  main_->SetZoomIncludeWindow(zoom_include);
  IncludeListDialogs include_dialogs;
  WireIncludeEditor(include_editor, help, include_dialogs);
  WireListBuilder(list_builder, level_summary, builder_editor, help, include_dialogs);
  WireImport(file_import, smart_import_editor, delimiters, quotation_marks, zoom_include, help,
             include_dialogs);
  results_link_ = std::make_unique<Statistic14Link>(*results);
  main_->SetResultsWindow(results_link_.get());
  main_->ShowResultsFilesControls = [results](bool shown) { results->ShowFilesControls(shown); };

  // "Export" of the Include list, the List Builder's list and every results
  // list open the export dialog.
  ExportHandOver& export_hand_over = include_dialogs.export_dialog;
  export_hand_over.reset = [file_export] { file_export->Reset(); };
  export_hand_over.shown = &file_export->ShownList();
  export_hand_over.show_source_count =
      Throttled([file_export](std::size_t n) { file_export->ShowSourceCount(n); });
  export_hand_over.show_modal = [file_export] {
    file_export->SetKind(kExportKindFolders);
    file_export->ShowModally();
  };
  main_->SetIncludeListDialogs(std::move(include_dialogs));
  results->SetExportHandler(
      [file_export](const TEXT_LIST& entries) { file_export->ExportEntries(entries, true); });
  list_builder->SetExportHook(
      [file_export](const TEXT_LIST& entries) { file_export->ExportEntries(entries, false); });
}

// A modal editor's help window must be modal too, or it takes no input.
static void ShowHelpOverModal(TfrmHelp* help, const char* topic) {
  help->setWindowModality(Qt::ApplicationModal);
  help->ShowTopic(topic, true);
  QObject::connect(
      help, &QDialog::finished, help, [help] { help->setWindowModality(Qt::NonModal); },
      Qt::SingleShotConnection);
}

void AppWindows::WireIncludeEditor(TfrmVol14EditIncludeList* editor, TfrmHelp* help,
                                   IncludeListDialogs& dialogs) {
  TfrmMainFR* main = main_.get();
  editor->SetTargets(&main->IncludeList(), &main->ExcludeList(),
                     [main](std::size_t count) { main->ShowIncludeCount(count); });
  editor->SetHelpHook([help] { ShowHelpOverModal(help, kOrganizerTopic); });
  dialogs.editor = [editor](const TEXT_LIST& entries) {
    editor->SetItems(entries);
    return editor->exec() == QDialog::Accepted;
  };
}

void AppWindows::WireListBuilder(TfrmSubFolderListBuilder* builder,
                                 TfrmLevelSummFolder* level_summary,
                                 TfrmFLLEditIncludeFolderList* editor, TfrmHelp* help,
                                 IncludeListDialogs& dialogs) {
  builder->SetLevelSummaryWindow(level_summary);
  builder->SetHelpHook([help] { ShowHelpOverModal(help, kListBuilderTopic); });
  editor->SetHelpHook([help] { ShowHelpOverModal(help, kListBuilderTopic); });
  builder->SetEditHook([editor](TfrmSubFolderListBuilder& shown) {
    editor->SetTargets(&shown.IncludeList(), &shown.ExcludeList(),
                       [&shown](std::size_t count) { shown.ShowIncludeCount(count); });
    editor->SetItems(shown.IncludeList().entries());
    editor->exec();
  });
  dialogs.list_builder = {
      [builder] { return builder->exec() == QDialog::Accepted; },
      [builder]() -> const TEXT_LIST& { return builder->IncludeList().entries(); }};
}

void AppWindows::WireImport(TfrmFileImport* import, TfrmEditSmartImport* editor,
                            TfrmDelimiters* delimiters, TfrmQuotationMarks* quotation_marks,
                            TfrmZoomIncludeWindow* zoom, TfrmHelp* help,
                            IncludeListDialogs& dialogs) {
  import->SetManagers(delimiters, quotation_marks);
  import->SetSmartImportEditor(editor);
  import->SetZoomHook([zoom](const TEXT_LIST& items) {
    AppendMissing(items, zoom->ZoomList());
    zoom->exec();
  });
  import->SetHelpHook([help] { ShowHelpOverModal(help, kOrganizerTopic); });
  editor->SetHelpHook([help] { ShowHelpOverModal(help, kOrganizerTopic); });
  dialogs.import = {[import] { return import->exec() == QDialog::Accepted; },
                    [import]() -> const TEXT_LIST& { return import->CreatedList().entries(); }};
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
