#pragma once
// The results zoom window: the zoom lists of the run's results enlarged,
// one at a time, each in the order its entries were recorded.

#include <QDialog>
#include <array>

#include "reorganizer/RunResults.h"

class QLabel;
class QPushButton;

namespace ordovan {

class ResultListView;

inline constexpr const char* kZoomStatisticsCaption = "Zoom Window.";
inline constexpr int kZoomStatisticsWidth = 821;
inline constexpr int kZoomStatisticsHeight = 600;

class TfrmVol14ZoomStatistics : public QDialog {
  Q_OBJECT
 public:
  // Shows the zoom lists of `results`, which must outlive the window.
  explicit TfrmVol14ZoomStatistics(RunResults& results, QWidget* parent = nullptr);

  ResultEntries& list(ResultList which) { return results_.zoom_list(which); }
  ResultListView* view(ResultList which) const { return views_[ListIndex(which)]; }
  QLabel* caption(ResultList which) const { return captions_[ListIndex(which)]; }

  // Hides every list and caption but those of `which`, then shows the window
  // without making it modal (brought forward when already shown).
  void ShowList(ResultList which);

 public slots:
  void btnVol06ZoomStatisticsCloseClick();

 private:
  RunResults& results_;
  std::array<ResultListView*, kResultListCount> views_{};
  std::array<QLabel*, kResultListCount> captions_{};
  QPushButton* close_ = nullptr;
};

}  // namespace ordovan
