// Renders every window of the program to PNG files, offscreen, so that the
// look of each window can be checked without a display:
//   ordovan_pictures <output folder>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "help/HelpTexts.h"
#include "help/ui/TfrmHelp.h"
#include "help/ui/TfrmInfoWindows.h"
#include "importexport/ui/TfrmFileExport.h"
#include "importexport/ui/TfrmFileImport.h"
#include "importexport/ui/TfrmListEditor.h"
#include "importexport/ui/TfrmListManager.h"
#include <QPlainTextEdit>
#include "paths/EntryList.h"
#include "paths/IncludeExclude.h"
#include "uikit/EntryListView.h"
#include "paths/ui/TfrmZoomIncludeWindow.h"
#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "reorganizer/ui/TfrmStatistic14.h"
#include "reorganizer/ui/TfrmVol14ZoomStatistics.h"
#include "scanning/FolderStructSize.h"
#include "scanning/ListBuilder.h"
#include "scanning/ui/FolderPicker.h"
#include "scanning/ui/TfrmLevelSummFolder.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
#include "settings/SettingsStore.h"
#include "shell/ui/AppWindows.h"
#include "stubs/QuietPrompter.h"
#include "stubs/TempCurrentFolder.h"
#include "stubs/ui/NoDialogs.h"
#include "stubs/ui/NoShell.h"
#include "uikit/QtText.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {
namespace {

// Nothing is asked while pictures are taken; should a box come, it is answered No.
class SilentPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string& text, const std::string&) override {
    std::fprintf(stderr, "pictures: message shown: %s\n", text.c_str());
    return kind == MessageKind::kQuestion ? Answer::kNo : Answer::kOk;
  }
};

// What the worked example's Organize run records, with a path that is gone,
// a folder an Undo could not remove, and two files not copied.
void RecordExampleRun(RunResults& results) {
  const std::string n = "f:\\New Clients";
  for (const char* path : {"f:\\Old Clients\\Client2\\2015\\", "f:\\Old Clients\\Client2\\2016\\emails",
                           "f:\\Old Clients\\Client2\\2016\\txt", "f:\\Business\\Client3\\2016\\txt",
                           "f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                           "f:\\Old Clients\\Client1\\2016\\docs\\ppt"})
    results.RecordResult(ResultCategory::ToReorganize, path);
  for (const char* folder : {"\\2015\\Client2\\Old Clients", "\\2016\\Client2\\Old Clients",
                           "\\2016\\Client3\\Business", "\\2016\\Client1\\Old Clients"})
    results.RecordResult(ResultCategory::MainFoldersReorganized, n + folder);
  for (const char* sub : {"\\2016\\Client2\\Old Clients\\emails", "\\2016\\Client2\\Old Clients\\txt",
                          "\\2016\\Client3\\Business\\txt", "\\2016\\Client1\\Old Clients\\docs\\pdf",
                          "\\2016\\Client1\\Old Clients\\docs\\ppt"})
    results.RecordResult(ResultCategory::SubfoldersReorganized, n + sub);
  for (const char* file : {"\\2015\\Client2\\Old Clients\\f--Old Clients-Client2-2015-Notes.txt",
                           "\\2016\\Client2\\Old Clients\\emails\\mail.eml"})
    results.RecordResult(ResultCategory::FilesReorganized, n + file);
  results.RecordResult(ResultCategory::SourceNotExists, "f:\\Old Clients\\Client4\\2017");
  results.RecordResult(ResultCategory::DestinationExists, n + "\\2016\\Client2\\Old Clients");
  results.RecordResult(ResultCategory::DestinationExists, n + "\\2016\\Client1\\Old Clients");
  results.RecordFailedUndo(n + "\\2016\\Client1\\Old Clients\\docs");
  results.RecordNotCopied({"f:\\Old Clients\\Client2\\2016\\Marks.doc",
                           n + "\\2016\\f--Old Clients-Client2-2016-Marks.doc",
                           CopyError::kSourceUnreadable});
  results.RecordNotCopied({"f:\\Old Clients\\Client2\\2016\\emails\\caf%E9.eml", "",
                           CopyError::kNoProgramName});
}

// A small client tree on d: for the builder's pictures.
void MakeClientTree(const QString& root) {
  for (const char* folder :
       {"Clients/Client1/2015/docs", "Clients/Client1/2016/docs", "Clients/Client1/2016/emails",
        "Clients/Client2/2016/txt", "Clients/Client2/2017/scans", "Clients/Client3/2017/docs"}) {
    QDir(root).mkpath(folder);
    QFile file(QDir(root).filePath(QString(folder) + "/notes.txt"));
    if (file.open(QIODevice::WriteOnly)) file.write(QByteArray(1536, 'x'));
  }
  MountDrive("d:", Utf8ToNative(FromQt(root)));
}

bool Save(QWidget* window, const QString& folder, const QString& name) {
  window->show();
  QApplication::processEvents();
  const QString path = QDir(folder).filePath(name + ".png");
  const bool ok = window->grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

int Run(const QString& out) {
  QDir().mkpath(out);
  QTemporaryDir temp;
  const auto program_temp = ToProgramPath(Utf8ToNative(FromQt(temp.path())));
  // The settings file goes to a temporary folder, never to the current one.
  stubs::TempCurrentFolder file_system(FileSystem::Default(), program_temp.value_or(""));
  SilentPrompter prompter;
  stubs::NoDialogs dialogs;
  stubs::NoShell shell;
  SettingsStore settings;
  AppServices services{&prompter, &dialogs, &shell, &file_system, &EventPump::None(), &settings};

  AppWindows windows(services);
  TfrmMainFR* main = windows.main();
  bool ok = Save(main, out, "main-start");

  main->IncludeList().AppendAll({
      "f:\\Old Clients\\Client1\\2016\\docs\\pdf",
      "f:\\Old Clients\\Client1\\2016\\docs\\ppt",
      "f:\\Old Clients\\Client2\\2015\\",
      "f:\\Old Clients\\Client2\\2016\\emails",
      "f:\\Old Clients\\Client2\\2016\\txt",
      "f:\\Business\\Client3\\2016\\txt",
  });
  main->ExcludeList().AppendAll({"f:\\Old Clients\\Client4\\2014\\scans"});
  main->RefreshAfterListChange();
  main->lstVol14SubFoldersSource->list().AppendAll({"Old Clients", "Client2", "2015"});
  main->lstVol14SubFoldersDestination->list().AppendAll({"2015", "Client2", "Old Clients"});
  main->SetTemplateStage(2);
  main->SetRunOptionsEnabled(true);
  main->cboVol14DestinationFolder->addItem("f:\\New Clients");
  main->UpdateRunButtons();
  ok = Save(main, out, "main-filled") && ok;

  auto* zoom = windows.Find<TfrmZoomIncludeWindow>();
  AppendMissing(main->IncludeList().entries(), zoom->ZoomList());

  // Every other window as start-up made it, named after the window; windows
  // that later work adds to start-up appear here without a change.
  for (QWidget* window : windows.All()) {
    if (window == main) continue;
    ok = Save(window, out, window->objectName()) && ok;
    window->hide();
  }

  auto* results = windows.Find<TfrmStatistic14>();
  RecordExampleRun(results->results());
  ok = Save(results, out, "TfrmStatistic14-filled") && ok;
  results->btnStat14ZoomMainFoldersRestructuredClick();
  ok = Save(windows.Find<TfrmVol14ZoomStatistics>(), out, "TfrmVol14ZoomStatistics-filled") && ok;
  results->ShowFilesControls(false);
  ok = Save(results, out, "TfrmStatistic14-without-files") && ok;
  results->ShowFilesControls(true);
  results->StopControl()->show();  // as while a run goes on
  ok = Save(results, out, "TfrmStatistic14-running") && ok;
  results->StopControl()->hide();
  windows.Find<TfrmVol14ZoomStatistics>()->hide();
  results->hide();

  MakeClientTree(QDir(temp.path()).filePath("d"));
  auto* builder = windows.Find<TfrmSubFolderListBuilder>();
  builder->cboMainSourceFolder->setEditText("d:\\Clients");
  builder->cboMainSourceFolderSelect();
  builder->edtFromLevelNumber->setText("2");
  builder->edtToLevelNumber->setText("3");
  _tagBuildRequest request;
  request.source_text = "d:\\Clients";
  request.from_text = "2";
  request.to_text = "3";
  // The builder's own questions, answered as a person filling it would.
  stubs::QuietPrompter yes;
  BuildSubfolderList(request, builder->IncludeList(), builder->ExcludeList(), file_system, yes,
                     EventPump::None());
  builder->lstIncludeFolderList->SelectRow(1);
  builder->btnMoveToExcludeClick();
  builder->lstIncludeFolderList->SelectRow(0);
  ok = Save(builder, out, "frmSubFolderListBuilder-filled") && ok;
  builder->hide();
  FolderStructSize size("d:\\Clients\\Client1");
  size.SetCountStartFolder(false);
  size.Scan(file_system, EventPump::None());
  auto* summary = windows.Find<TfrmLevelSummFolder>();
  summary->ShowReport(ReportIntoLevelSummary(size));
  ok = Save(summary, out, "frmLevelSummFolder-filled") && ok;
  summary->hide();

  TfrmBrowseForFolder picker(main, "Select the Folder.");
  picker.SelectNativeFolder(QDir::homePath());
  ok = Save(&picker, out, "frmBrowseForFolder") && ok;
  picker.hide();

  auto* help = windows.Find<TfrmHelp>();
  help->ShowTopic(kOrganizerTopic, true);
  help->btnMoreHelp->click();
  ok = Save(help, out, "frmHelp-more") && ok;
  help->hide();

  // The export dialog as the Include list's Export leaves it, then with a
  // separated file, quotes, folder templates and forward slashes chosen.
  auto* file_export = windows.Find<TfrmFileExport>();
  file_export->Reset();
  FillExportSource(main->IncludeList().entries(), file_export->ShownList(),
                   [file_export](std::size_t n) { file_export->ShowSourceCount(n); },
                   EventPump::None());
  ok = Save(file_export, out, "frmFileExport-filled") && ok;
  file_export->rdoFileExportCSVSeparatedFile->click();
  file_export->cboFileExportDelimiter->setCurrentIndex(6);
  file_export->chkFileExportQuotationMarks->setChecked(true);
  file_export->rdoExportWithForwardSlashes->setChecked(true);
  file_export->rdoFileExportWithoutDriveLetter->setChecked(true);
  file_export->lblSmartExportExported->setText("6");  // choices reset it: as after an export
  file_export->ShownList().Clear();
  for (const std::string& item : main->IncludeList().entries()) {
    const std::string shown =
        ConvertExportItem(item, ExportLines::kFolderTemplates, ExportSlashes::kForwardSlashes);
    if (!file_export->ShownList().Contains(shown)) file_export->ShownList().Append(shown);
  }
  file_export->ShowSourceCount(file_export->ShownList().size());
  ok = Save(file_export, out, "frmFileExport-choices") && ok;
  file_export->hide();

  // The import dialog with a preview and a created list, separated mode chosen.
  auto* file_import = windows.Find<TfrmFileImport>();
  file_import->edtFileImportFileName->setText("f:\\lists\\clients.csv");
  file_import->SourcePreview().AppendAll(
      {"\"f:\\Old Clients\\Client1\\2016\";\"f:\\Old Clients\\Client2\\2016\"",
       "\"f:\\Old Clients\\Client3\\2017\";\"f:\\Old Clients\\Client3\\2018\""});
  file_import->rdoFileImportPlainText->setEnabled(true);
  file_import->rdoFileImportSeparatedFile->setEnabled(true);
  file_import->rdoFileImportSeparatedFileClick();
  file_import->cboFileImportDelimiter->setCurrentIndex(5);
  file_import->CreatedList().AppendAll(
      {"f:\\Old Clients\\Client1\\2016", "f:\\Old Clients\\Client2\\2016",
       "f:\\Old Clients\\Client3\\2017", "f:\\Old Clients\\Client3\\2018"});
  file_import->lblFileImportPreviewLines->setText("4");
  file_import->lblFileImportSourceLines->setText("2");
  // As the step enabling leaves it once a source is read and a list created.
  for (QWidget* w : file_import->findChildren<QWidget*>()) {
    if (w != file_import->edtFileImportColumnNumber && w->objectName() != "UDFileImportColumnNumber")
      w->setEnabled(true);
  }
  ok = Save(file_import, out, "frmFileImport-filled") && ok;
  file_import->hide();

  auto* delimiters = windows.Find<TfrmDelimiters>();
  delimiters->show();  // the opening's activation comes before the commands
  delimiters->lstIncluded->SelectRow(0);
  delimiters->btnIncToExcClick();
  delimiters->edtAdd->setText("+");
  delimiters->btnAddClick();
  ok = Save(delimiters, out, "frmDelimiters-filled") && ok;
  delimiters->hide();

  auto* include_editor = windows.Find<TfrmVol14EditIncludeList>();
  include_editor->SetItems(main->IncludeList().entries());
  ok = Save(include_editor, out, "frmVol14EditIncludeList-filled") && ok;
  include_editor->hide();
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace ordovan

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pictures");
  return ordovan::Run(out);
}
