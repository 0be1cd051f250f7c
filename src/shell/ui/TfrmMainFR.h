#pragma once
// The main window: the organizer page with the Include and Exclude lists, the
// level template, the destination and the run. It loads the settings when it
// is created and writes them when it closes, and it owns the enabling rules
// that every command runs after a change.
//
// The handlers of each area live in their own file:
//   TfrmMainFR.cpp           creation, close, enabling rules, page commands
//   TfrmMainFR_Controls.cpp  the controls and their layout
//   TfrmMainFR_Lists.cpp     the Include/Exclude list pair
//   TfrmMainFR_Template.cpp  the level template (Find, New Level Order, Cut),
//                            the files option and the destination (Browse)
//   TfrmMainFR_Run.cpp       Organize, Simulation, Undo
// Each area file connects its own buttons in its Connect...Commands().

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "paths/PathText.h"
#include "reorganizer/LevelTemplate.h"
#include "uikit/AppServices.h"
#include "reorganizer/RunResults.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace ordovan {

class EntryList;
class EntryListView;
class ExitLineEdit;
class ResultsWindowLink;
struct RunInputs;
struct RunReport;
struct RunRecords;
class RunSession;
class TfrmAboutBox;
class TfrmHelp;
class TfrmOverview;
class TfrmZoomIncludeWindow;

// What a take-over command needs of its dialog: show it modally (true when
// it was closed with OK), then its result list.
struct TakeOverDialog {
  std::function<bool()> show_modal;
  std::function<const TEXT_LIST&()> results;
};

// What "Export" needs of the export dialog (TfrmFileExport).
struct ExportHandOver {
  std::function<void()> reset;  // both counters "0", the shown list emptied
  EntryList* shown = nullptr;   // lstFileExportSource
  std::function<void(std::size_t)> show_source_count;  // lblSmartExportSource
  // Selects the first shown entry, sets the export kind to "FOLDERS" and
  // shows the dialog modally.
  std::function<void()> show_modal;
};

// The dialogs behind the Include list's dialog buttons; a button whose
// dialog is not there does nothing.
struct IncludeListDialogs {
  TakeOverDialog list_builder;  // "List Builder"
  TakeOverDialog import;        // "Import F.P. List"
  // "Edit List": as EditIncludeList's `show_editor`.
  std::function<bool(const TEXT_LIST& entries)> editor;
  ExportHandOver export_dialog;  // "Export"
};

class TfrmMainFR : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 1011;
  static constexpr int kClientHeight = 639;

  // Creates every control and runs the creation step (settings load
  // included). Touches no other window.
  explicit TfrmMainFR(const AppServices& services, QWidget* parent = nullptr);
  ~TfrmMainFR() override;

  const AppServices& services() const { return services_; }

  // Windows created after this one, handed in as they are created.
  void SetResultsWindow(ResultsWindowLink* results) { results_ = results; }
  void SetZoomIncludeWindow(TfrmZoomIncludeWindow* zoom);
  void SetHelpWindows(TfrmHelp* help, TfrmOverview* overview, TfrmAboutBox* about);
  void SetIncludeListDialogs(IncludeListDialogs dialogs) { include_dialogs_ = std::move(dialogs); }

  // ---- Enabling operations (TfrmMainFR.cpp) --------------------------------
  // 0: Find off, template group off, both level-order lists emptied;
  // 1: Find on, template group off; any other value: both on.
  void SetTemplateStage(int stage);
  // The destination and run options; then UpdateRunButtons.
  void SetRunOptionsEnabled(bool on);
  // "Simulation/View" and "Organize" are usable exactly when the destination
  // text is not blank and both level orders are equally long and not empty.
  void UpdateRunButtons();
  void ResetRunCounters();
  // The results window's mode caption (each time this window is activated).
  void RefreshResultsModeCaption();

  // ---- Include/Exclude list pair (TfrmMainFR_Lists.cpp) --------------------
  EntryList& IncludeList();
  EntryList& ExcludeList();
  // Takes the page back to the state before Find after any list change.
  void RefreshAfterListChange();
  // Shows `count` as the Include list's line count, as a long change of the
  // list goes on; RefreshAfterListChange shows the list's own count.
  void ShowIncludeCount(std::size_t count);

  void MoveSelectedToExclude();  // ">"
  void MoveSelectedToInclude();  // "<"
  void MoveAllToExclude();       // ">>"
  void MoveAllToInclude();       // "<<"
  void ExchangeIncludeExclude();  // "<>"
  void AddFolderPath();          // "Add Fold. Path"
  void ViewCurrentEntry();       // "View Selected"
  void ZoomIncludeList();        // "Zoon"
  void DeleteSelectedExcluded();  // "Delete Sel."
  void DeleteAllExcluded();      // "Delete All"
  // The dialog commands; the buttons use the dialogs of SetIncludeListDialogs.
  void TakeOverListBuilderResults(const TakeOverDialog& builder);  // "List Builder"
  void TakeOverImportResults(const TakeOverDialog& import);        // "Import F.P. List"
  // "Edit List": `show_editor` fills the editor's memo with the entries and
  // shows it modally; true when it was closed with OK (it has then replaced
  // the Include list already).
  void EditIncludeList(const std::function<bool(const TEXT_LIST& entries)>& show_editor);
  void ExportIncludeList(const ExportHandOver& export_dialog);  // "Export"

  // ---- Level template and destination (TfrmMainFR_Template.cpp) -----------
  void btnVol14FindShortestPathClick();           // "Find"
  void btnVol14SourceToDestClick();               // ">"
  void btnVol14DestinationUpOneClick();           // "Item Up"
  void btnVol14DestinationDownOneClick();         // "Item Down"
  void btnVol14DestinationDeleteSelectedClick();  // "Delete Sel."
  void btnVol14DestinationDeleteAllClick();       // "Delete All"
  void chkVol14CutLeadFoldersClick();             // the cut switch
  void edtVol14CutLeadFoldersNumberExit();        // leaving the cut number applies the cut
  void rdoVol14ReorganizeWithFilesClick();
  void rdoVol14ReorganizeWithOutFilesClick();
  void btnVol14BrowseDestinationFolderClick();    // "Browse"
  void cboVol14DestinationFolderSelect();         // a history entry was picked
  void cboVol14DestinationFolderChange();         // the text was edited
  // Shows (true) or hides the results window's files label, list and its
  // Zoom and Export buttons; set when the results window is created.
  std::function<void(bool shown)> ShowResultsFilesControls;

  // ---- Organize, Simulation/View, Undo (TfrmMainFR_Run.cpp) ---------------
  void btnVol14RestructureClick();  // "Organize"
  void btnVol14SimulationClick();   // "Simulation/View"
  void btnVol14UndoClick();         // "Undo"
  // What the last Normal run left for Undo.
  RunRecords& Records();
  // The run session behind Organize, Simulation/View and Undo.
  RunSession& Session() { return *session_; }

  // ---- Run state -----------------------------------------------------------
  // The results of the last run and Undo, which the results windows show.
  RunResults& Results();
  LevelTemplate& Template() { return level_template_; }
  std::string StoredDestination;  // only Browse sets it

  // ==== Controls, named as the program names them ============================
  // Menu bar.
  QMenu* mnuFile;
  QAction* mnuFileExit;        // "E&xit"
  QMenu* mnuHelp;
  QAction* mnuHelpOverview;    // "Overview"
  QAction* mnuHelpWebPage;     // the program's own documentation
  QAction* mnuHelpAboutUs;     // "About Us"

  // Include list and its buttons.
  QGroupBox* grpVol14IncludeWindow;
  EntryListView* lstVol14IncludeWindowFolderList;
  QPushButton* btnVol14IncludeWindowAddFolderToList;
  QPushButton* btnVol14IncludeWindowListBuilder;
  QPushButton* btnVol14IncludeWindowImportFolderList;
  QPushButton* btnVol14IncludeWindowEditList;
  QPushButton* btnVol14IncludeWindowViewSelected;
  QPushButton* btnVol14IncludeWindowExportFolderList;
  QPushButton* btnVol14IncludeWindowZoom;
  QLabel* lblVol14IncLines;  // "Lines:"
  QLabel* lblVol14IncSum;

  // Moves between the lists.
  QPushButton* btnVol14IncToExc;        // ">"
  QPushButton* btnVol14ExcToInc;        // "<"
  QPushButton* btnVol14AllFromInc;      // ">>"
  QPushButton* btnVol14AllFromExc;      // "<<"
  QPushButton* btnVol14IncExcExchange;  // "<>"

  // Exclude list and its buttons.
  QGroupBox* grpVol14ExcludeWindow;
  EntryListView* lstVol14ExcludeWindowFolderList;
  QPushButton* btnVol14ExcludeWindowDeleteSelected;
  QPushButton* btnVol14ExcludeWindowDeleteAll;
  QLabel* lblVol14ExcLines;  // "Lines:"
  QLabel* lblVol14ExcSum;

  // Level template (commands in TfrmMainFR_Template.cpp).
  QGroupBox* grpVol14LevelTemplate;
  QPushButton* btnVol14FindShortestPath;
  QLabel* lblVol14FindShortestPath;
  QLabel* lblVol14SubFoldersSource;       // "Old Level Order for Subfolders"
  EntryListView* lstVol14SubFoldersSource;
  QPushButton* btnVol14SourceToDest;      // ">"
  QLabel* lblVol14SubFoldersDestination;  // "New Level Order for Subfolders"
  EntryListView* lstVol14SubFoldersDestination;
  QPushButton* btnVol14DestinationUpOne;
  QPushButton* btnVol14DestinationDownOne;
  QPushButton* btnVol14DestinationDeleteSelected;
  QPushButton* btnVol14DestinationDeleteAll;
  QCheckBox* chkVol14CutLeadFolders;
  ExitLineEdit* edtVol14CutLeadFoldersNumber;  // emits exited() on leaving
  QPushButton* btnVol14CutLeadSubFolders;      // no command: leaving the number applies the cut

  // Destination directory (commands in TfrmMainFR_Template.cpp).
  QGroupBox* grpVol14DestinationFolder;
  QComboBox* cboVol14DestinationFolder;
  QPushButton* btnVol14BrowseDestinationFolder;
  QPushButton* btnVol14ShowExplorer;

  // Files option.
  QGroupBox* grpVol14Reorganize;
  QRadioButton* rdoVol14ReorganizeWithFiles;
  QRadioButton* rdoVol14ReorganizeWithOutFiles;

  // The run (commands in TfrmMainFR_Run.cpp).
  QGroupBox* grpVol14Run;
  QCheckBox* chkVol14ShowVisualLog;
  QPushButton* btnVol14VisualLog;
  QPushButton* btnVol14Undo;
  QPushButton* btnVol14Simulation;
  QPushButton* btnVol14Restructure;
  // Shown only while Organize, Simulation/View or Undo runs.
  QPushButton* btnVol14Stop;

  // Page buttons.
  QPushButton* btnVol14Help;
  QPushButton* btnVol14ClearFields;

  // Hidden: the path filters, which are never shown nor enabled, so "Include
  // All Paths" is always in force; and two line counters kept in step.
  QGroupBox* grpVol14FiltersForPaths;
  QRadioButton* rdoVol14IncludeAll;
  QRadioButton* rdoVol14IncludeSelected;
  QRadioButton* rdoVol14ExcludeSelected;
  QLineEdit* edtVol14IncludeSelected;
  QLineEdit* edtVol14ExcludeSelected;
  QLabel* lblVol14IncludeWindowLinesSum;
  QLabel* lblVol14ExcludeWindowLinesSum;
  // Hidden scratch list the list editors split text into lines with.
  EntryListView* lstHWNDSeged;

 signals:
  // The window has closed (settings written or reported); the program ends.
  void MainWindowClosed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateControls();  // TfrmMainFR_Controls.cpp, one step per group box
  void CreateIncludeGroup(QWidget* page);
  QVBoxLayout* CreateMoveButtons(QWidget* page);
  void CreateExcludeGroup(QWidget* page);
  void CreateLevelTemplateGroup(QWidget* page);
  void CreateDestinationGroup(QWidget* page);
  void CreateReorganizeGroup(QWidget* page);
  void CreateRunGroup(QWidget* page);
  void CreatePageButtons(QWidget* page);
  void CreateHiddenControls(QWidget* page);
  void CreateMenus();     // TfrmMainFR_Controls.cpp
  void FormCreate();
  void FormDestroy();
  void ConnectPageCommands();
  void ConnectListCommands();  // TfrmMainFR_Lists.cpp
  void ConnectTemplateCommands();  // TfrmMainFR_Template.cpp
  void CreateRunSession();         // TfrmMainFR_Run.cpp, before the creation step
  void ConnectRunCommands();       // TfrmMainFR_Run.cpp
  RunInputs ReadRunInputs();
  // The messages and buttons after a run, and the new order it recorded.
  void KeepRunReport(RunReport report, const char* stopped_caption);  // TfrmMainFR_Run.cpp
  // At start-up: the records of a run an earlier start journaled, for Undo.
  void RestoreRunJournal();                   // TfrmMainFR_Run.cpp
  void WarnJournalFailed();                   // TfrmMainFR_Run.cpp
  void MoveNewLevelOrderEntry(bool up);
  void ShowFilesOptionInResults();
  void AcceptDestinationText(const std::string& path);
  void TakeOverDialogResults(const TakeOverDialog& dialog, const char* empty_text,
                             const char* empty_title, const char* end_title);
  void ShowLineCounters();

  // Page commands.
  void btnVol14ClearFieldsClick();
  void btnVol14ShowExplorerClick();
  void btnVol14VisualLogClick();
  void btnVol14HelpClick();
  void mnuHelpOverviewClick();
  void mnuHelpWebPageClick();
  void mnuHelpAboutUsClick();

  AppServices services_;
  LevelTemplate level_template_;
  ResultsWindowLink* results_ = nullptr;
  IncludeListDialogs include_dialogs_;
  QPointer<TfrmZoomIncludeWindow> zoom_include_;
  QPointer<TfrmHelp> help_;
  QPointer<TfrmOverview> overview_;
  QPointer<TfrmAboutBox> about_;
  // The results, the run records, the reorganizer and the journal (TfrmMainFR_Run.cpp).
  struct RunSessionDeleter {
    void operator()(RunSession* session) const;
  };
  std::unique_ptr<RunSession, RunSessionDeleter> session_;
};

}  // namespace ordovan
