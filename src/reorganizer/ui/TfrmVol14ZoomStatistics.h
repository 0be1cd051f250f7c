#pragma once
// The results zoom window: the eight result lists enlarged, one at a time,
// each in the order its entries were recorded.

#include <QDialog>
#include <array>

#include "reorganizer/ResultsExport.h"

class QLabel;
class QPushButton;

namespace ordovan {

class ResultListModel;
class ResultListView;

inline constexpr const char* kZoomStatisticsCaption = "Zoom Window.";
inline constexpr int kZoomStatisticsWidth = 821;
inline constexpr int kZoomStatisticsHeight = 600;

class TfrmVol14ZoomStatistics : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmVol14ZoomStatistics(QWidget* parent = nullptr);
  ~TfrmVol14ZoomStatistics() override;

  ResultListModel& list(ResultList which);
  ResultListView* view(ResultList which) const { return views_[ListIndex(which)]; }
  QLabel* caption(ResultList which) const { return captions_[ListIndex(which)]; }

  // Empties all eight lists.
  void ClearResultZoomLists();
  // Hides every list and caption but those of `which`, then shows the window
  // without making it modal (brought forward when already shown).
  void ShowList(ResultList which);

 public slots:
  void btnVol06ZoomStatisticsCloseClick();

 private:
  std::array<ResultListView*, kResultListCount> views_{};
  std::array<QLabel*, kResultListCount> captions_{};
  QPushButton* close_ = nullptr;
};

}  // namespace ordovan
