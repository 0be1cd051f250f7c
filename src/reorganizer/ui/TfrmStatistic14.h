#pragma once
// The results window ("Visual Log"): seven counters and eight lists of what
// the last run did and what the last Undo could not remove. It is the run's
// and Undo's ResultSink, mirroring every recorded path into its own list and
// the zoom window's. The counters it counts in and shows are the main
// window's run counters (BindCounters), so the program has one set of them.

#include <QDialog>
#include <QElapsedTimer>
#include <array>
#include <functional>
#include <string>

#include "paths/PathText.h"
#include "reorganizer/ResultsExport.h"
#include "reorganizer/RunResults.h"
#include "uikit/AppServices.h"
#include "shell/ui/RunCounters.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ordovan {

class ResultListModel;
class ResultListView;
class TfrmVol14ZoomStatistics;

inline constexpr const char* kStatistic14Caption = "Detailed Results for Rename Process.";
inline constexpr const char* kNormalModeCaption = "Folder/File Copy Process.";
inline constexpr const char* kSimulateModeCaption = "Simulate the Folder/File Copy Process.";

class TfrmStatistic14 : public QDialog, public ResultSink {
  Q_OBJECT
 public:
  // The zoom window is created before this one and outlives it.
  TfrmStatistic14(const AppServices& services, TfrmVol14ZoomStatistics& zoom,
                  QWidget* parent = nullptr);
  ~TfrmStatistic14() override;

  // The counters to count in and show: the main window's run counters, which
  // must outlive this window. Until bound (or bound to null) the window
  // counts in its own.
  void BindCounters(RunCounters* counters) { counters_ = counters ? counters : &own_counters_; }

  // ResultSink: what the run and Undo report.
  void RecordResult(ResultCategory category, const std::string& path) override;
  void RecordFailedUndo(const std::string& path) override;
  void ClearResultZoomLists() override;
  void ClearResultLists() override;
  void ResetRunCounters() override;
  void ZeroCountersAfterUndo() override;
  void RefreshResultCounters() override;

  double counter(ResultCategory category) const;
  ResultListModel& list(ResultList which);
  ResultListView* view(ResultList which) const { return views_[ListIndex(which)]; }
  TfrmVol14ZoomStatistics& zoom() const { return zoom_; }

  // Shows the window without making it modal; brought forward when shown.
  void ShowResultsWindow();
  // The files list with its caption and its Zoom and Export buttons, shown
  // for "Paths/Subfolders with Files", hidden for "without Files".
  void ShowFilesControls(bool shown);
  // The hidden normal/simulate marker (checked: normal); it starts checked.
  bool NormalRunMarked() const;
  void SetNormalRunMarked(bool normal);
  // Sets the mode caption from the marker.
  void RefreshModeCaption();

  // Where a non-empty list goes when its Export button is pressed: the export
  // dialog, given the entries it is to show. Without one, Export of a
  // non-empty list only takes the focus.
  using ExportHandler = std::function<void(const TEXT_LIST& entries)>;
  void SetExportHandler(ExportHandler handler) { export_handler_ = std::move(handler); }

 public slots:
  void btnStat14ZoomFoldersToRestructureClick();
  void btnStat14ZoomMainFoldersRestructuredClick();
  void btnStat14ZoomSubFoldersRestructuredClick();
  void btnStat14ZoomFoldersFilesRestructuredClick();
  void btnStat14ZoomSourceNotExistsClick();
  void btnStat14ZoomDestinationExistsClick();
  void btnStat14ZoomOtherReasonsClick();
  void btnStat14ZoomFoldersFailedUndoClick();
  void btnStat14SmartExportFoldersToRestructureClick();
  void btnStat14SmartExportMainFoldersRestructuredClick();
  void btnStat14SmartExportSubFoldersRestructuredClick();
  void btnStat14SmartExportFoldersFilesRestructuredClick();
  void btnStat14SmartExportSourceNotExistsClick();
  void btnStat14SmartExportDestinationExistsClick();
  void btnStat14SmartExportFoldersOtherReasonsClick();
  void btnStat14SmartExportFoldersFailedUndoClick();
  void btnStat14OKClick();

 private:
  void BuildControls();
  void Zoom(ResultList which);
  void Export(ResultList which);
  // Lets the window repaint; time-sliced, so a long run repaints only every
  // few milliseconds however many entries it records.
  void Repaint();

  AppServices services_;
  TfrmVol14ZoomStatistics& zoom_;
  RunCounters own_counters_;
  RunCounters* counters_ = &own_counters_;
  std::array<std::string, kResultCategoryCount> shown_counters_{};
  bool counters_shown_ = false;
  ExportHandler export_handler_;

  std::array<QLabel*, kResultCategoryCount> counter_labels_{};
  std::array<ResultListView*, kResultListCount> views_{};
  std::array<QLabel*, kResultListCount> list_captions_{};
  std::array<QPushButton*, kResultListCount> zoom_buttons_{};
  std::array<QPushButton*, kResultListCount> export_buttons_{};
  QLabel* mode_caption_ = nullptr;
  QCheckBox* normal_simulate_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace ordovan
