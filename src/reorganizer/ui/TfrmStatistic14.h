#pragma once
// The results window ("Visual Log"): seven counters and eight lists of what
// the last run did and what the last Undo could not remove, and apart from
// them the files the run did not copy, with their count and reasons. It is the run's
// and Undo's RunResults, mirroring every recorded path into its own list and
// the zoom window's. The counters it counts in and shows are the main
// window's run counters (BindCounters), so the program has one set of them.

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "paths/PathText.h"
#include "reorganizer/ResultsExport.h"
#include "reorganizer/RunResults.h"
#include "uikit/AppServices.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ordovan {

class ResultListView;
class TfrmVol14ZoomStatistics;

inline constexpr const char* kStatistic14Caption = "Detailed Results for Rename Process.";
inline constexpr const char* kNormalModeCaption = "Folder/File Copy Process.";
inline constexpr const char* kSimulateModeCaption = "Simulate the Folder/File Copy Process.";

class TfrmStatistic14 : public QDialog, private RunResultsObserver {
  Q_OBJECT
 public:
  // The results and the zoom window are created before this one and outlive it.
  TfrmStatistic14(const AppServices& services, RunResults& results, TfrmVol14ZoomStatistics& zoom,
                  QWidget* parent = nullptr);
  ~TfrmStatistic14() override;

  RunResults& results() const { return results_; }
  ResultEntries& list(ResultList which) { return results_.list(which); }
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
  // Shows `text` as the mode caption.
  void SetModeCaption(const std::string& text);
  // The window's own Stop, hidden: a run that shows this window over the
  // main window shows it too, so that Stop stays within reach.
  QPushButton* StopControl() const { return stop_; }

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
  void btnStat14ZoomFilesNotCopiedClick();
  void btnStat14SmartExportFoldersToRestructureClick();
  void btnStat14SmartExportMainFoldersRestructuredClick();
  void btnStat14SmartExportSubFoldersRestructuredClick();
  void btnStat14SmartExportFoldersFilesRestructuredClick();
  void btnStat14SmartExportSourceNotExistsClick();
  void btnStat14SmartExportDestinationExistsClick();
  void btnStat14SmartExportFoldersOtherReasonsClick();
  void btnStat14SmartExportFoldersFailedUndoClick();
  void btnStat14SmartExportFilesNotCopiedClick();
  void btnStat14OKClick();

 private:
  // The counters were refreshed: the labels follow.
  void CountersRefreshed() override;
  void BuildControls();
  void Zoom(ResultList which);
  void Export(ResultList which);
  // Lets the window repaint; time-sliced, so a long run repaints only every
  // few milliseconds however many entries it records.
  void Repaint();

  AppServices services_;
  RunResults& results_;
  TfrmVol14ZoomStatistics& zoom_;
  std::array<std::string, kResultCategoryCount> shown_counters_{};
  bool counters_shown_ = false;
  ExportHandler export_handler_;

  std::array<QLabel*, kResultCategoryCount> counter_labels_{};
  std::array<ResultListView*, kResultListCount> views_{};
  std::array<QLabel*, kResultListCount> list_captions_{};
  std::array<QPushButton*, kResultListCount> zoom_buttons_{};
  std::array<QPushButton*, kResultListCount> export_buttons_{};
  QLabel* mode_caption_ = nullptr;
  QLabel* not_copied_count_ = nullptr;
  QCheckBox* normal_simulate_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* stop_ = nullptr;
};

}  // namespace ordovan
