#pragma once
// "Subfolder List Builder": fills the main window's Include list from a whole
// folder tree. The user picks a source folder and sees how many subfolders
// each level holds; "Build a List" lists the subfolders of the chosen levels
// (optionally filtered) into the builder's own Include list; entries can be
// parked in its Exclude list; "Import" hands the Include list to the main
// window. Long scans can be stopped with "Stop" or Escape.
//
// Created once; keeps its lists, source history and settings between uses.

#include <QDialog>
#include <functional>
#include <string>

#include "paths/EntryList.h"
#include "uikit/AppServices.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace ordovan {

class EntryListView;
class FolderStructSize;
class TfrmLevelSummFolder;
class UpDown;
struct _tagLevelReport;

class TfrmSubFolderListBuilder : public QDialog {
  Q_OBJECT
 public:
  TfrmSubFolderListBuilder(const AppServices& services, QWidget* parent = nullptr);

  // The window that "Levels" reports into.
  void SetLevelSummaryWindow(TfrmLevelSummFolder* window) { level_summary_ = window; }
  // "Export" hands the Include entries to the export dialog through this.
  void SetExportHook(std::function<void(const TEXT_LIST&)> hook) { export_hook_ = std::move(hook); }
  // "Edit List" opens the builder's include-list editor through this; the
  // editor works on the builder's lists and calls ShowCounters when done.
  void SetEditHook(std::function<void(TfrmSubFolderListBuilder&)> hook) {
    edit_hook_ = std::move(hook);
  }
  // "Help" opens the help window's builder topic through this.
  void SetHelpHook(std::function<void()> hook) { help_hook_ = std::move(hook); }

  EntryList& IncludeList();
  EntryList& ExcludeList();
  // Both counters from their lists.
  void ShowCounters();
  // Shows `count` as the Include list's count, as a long change of the list
  // goes on; ShowCounters shows the list's own count.
  void ShowIncludeCount(std::size_t count);

  // Command handlers, one per control.
  void btnMainSourceFolderAddClick();
  void cboMainSourceFolderSelect();
  void btnMainSourceFolderViewClick();
  void rdoFromToLevelNumberClick();
  void rdoAboveLevelNumberClick();
  void rdoBelowLevelNumberClick();
  void edtFromLevelNumberExit();
  void edtToLevelNumberExit();
  void btnBuildListClick();
  void btnMoveToExcludeClick();     // ">"
  void btnMoveToIncludeClick();     // "<"
  void btnMoveAllToExcludeClick();  // ">>"
  void btnMoveAllToIncludeClick();  // "<<"
  void btnExchangeListsClick();     // "<>"
  void btnDeleteFromExcludeListClick();
  void btnDeleteExcludedAllClick();
  void btnIncludeFolderListViewClick();
  void btnSubFolderListBuilderLevelsClick();
  void btnSmartExportClick();
  void btnEditIncludeListClick();
  void btnBuilderClearAllClick();
  void btnHelpClick();

  QComboBox* cboMainSourceFolder;
  QPushButton* btnMainSourceFolderAdd;
  QPushButton* btnMainSourceFolderView;
  QTableWidget* lstViewLevelSumFolder;
  QLabel* lblMainLevelSumSubFolder;
  QLabel* lblMainLevelSumFiles;
  QLabel* lblMainLevelSumFileSize;
  QGroupBox* grpSubfolderLevelNumber;
  QRadioButton* rdoFromToLevelNumber;
  QRadioButton* rdoAboveLevelNumber;
  QRadioButton* rdoBelowLevelNumber;
  QLineEdit* edtFromLevelNumber;
  UpDown* udFromLevelNumber;
  QLabel* lblFromTo;
  QLineEdit* edtToLevelNumber;
  UpDown* udToLevelNumber;
  QLineEdit* edtAboveLevelNumber;
  UpDown* udAboveLevelNumber;
  QLineEdit* edtBelowLevelNumber;
  UpDown* udBelowLevelNumber;
  QRadioButton* rdoBuildAllSubFolders;
  QRadioButton* rdoBuildLastSubFolder;
  QLineEdit* edtSubFolderFilter;
  QPushButton* btnBuildList;
  QPushButton* btnBuilderStop;
  QLabel* lblBuilderScanProgress;
  EntryListView* lstIncludeFolderList;
  QLabel* lblIncludeSum;
  EntryListView* lstExcludeFolderList;
  QLabel* lblExcludeSum;
  QPushButton* btnMoveToExclude;
  QPushButton* btnMoveToInclude;
  QPushButton* btnMoveAllToExclude;
  QPushButton* btnMoveAllToInclude;
  QPushButton* btnExchangeLists;
  QPushButton* btnEditIncludeList;
  QPushButton* btnIncludeFolderListView;
  QPushButton* btnSmartExport;
  QPushButton* btnSubFolderListBuilderLevels;
  QPushButton* btnDeleteFromExcludeList;
  QPushButton* btnDeleteExcludedAll;
  QPushButton* btnHelp;
  QPushButton* btnBuilderClearAll;
  QPushButton* btnImport;
  QPushButton* btnCancel;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void LayOut();
  void Connect();
  // Measures `source` and shows the report in the summary area.
  void ChooseSourceFolder(const std::string& source);
  void ShowSummary(const _tagLevelReport& report);
  // Runs a scan with the Stop control live; true when it finished.
  bool RunStoppable(const std::function<bool()>& scan);
  // Sets the four number fields to "1" and enables those of the chosen mode.
  void ChooseMode(QRadioButton* mode);
  void WarnScanStopped();

  AppServices services_;
  TfrmLevelSummFolder* level_summary_ = nullptr;
  std::function<void(const TEXT_LIST&)> export_hook_;
  std::function<void(TfrmSubFolderListBuilder&)> edit_hook_;
  std::function<void()> help_hook_;
};

}  // namespace ordovan
