#include "reorganizer/ui/TfrmVol14ZoomStatistics.h"

#include <QLabel>
#include <QPushButton>

#include "reorganizer/ui/ResultListView.h"

namespace ordovan {

namespace {

struct ZoomListInfo {
  const char* list_name;
  const char* caption_name;
  const char* caption;
};

// In the order of ResultList.
constexpr std::array<ZoomListInfo, kResultListCount> kZoomLists = {{
    {"lstVol14ZoomStatisticsFoldersToRestructure", "lblVol14ZoomStatisticsFoldersToRestructure",
     "Folders To Restuctured"},
    {"lstVol14ZoomStatisticsMainFoldersRestructured",
     "lblVol14ZoomStatisticsMainFoldersRestructured", "Successfully Restructured Main Folders"},
    {"lstVol14ZoomStatisticsSubFoldersRestructured", "lblVol14ZoomStatisticsSubFoldersRestructured",
     "Successfully Restructured Subfolders."},
    {"lstVol14ZoomStatisticsFoldersFilesRestructured",
     "lblVol14ZoomStatisticsFoldersFilesRestructured", "Files in Restructured Folders"},
    {"lstVol14ZoomStatisticsFoldersSourceNotExists",
     "lblVol14ZoomStatisticsFoldersSourceNotExists", "Source does not exists."},
    {"lstVol14ZoomStatisticsFoldersDestinationExists",
     "lblVol14ZoomStatisticsFoldersDestinationExists",
     "Not Restructured Folders - Destination Already Exists."},
    {"lstVol14ZoomStatisticsFoldersOtherReasons", "lblVol14ZoomStatisticsFoldersOtherReasons",
     "Not Restructured Folders - Other Reasons."},
    {"lstVol14ZoomStatisticsFoldersFailedUndo", "lblVol14ZoomStatisticsFoldersFailedUndo",
     "Folders - Failed UNDO"},
    {"lstVol14ZoomStatisticsFilesNotCopied", "lblVol14ZoomStatisticsFilesNotCopied",
     "Files Not Copied, each with its Reason."},
}};

// Geometry of the client area: caption, the list below it, Close at the foot.
constexpr int kMargin = 10;
constexpr int kCaptionHeight = 20;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 28;

}  // namespace

TfrmVol14ZoomStatistics::TfrmVol14ZoomStatistics(RunResults& results, QWidget* parent)
    : QDialog(parent), results_(results) {
  setObjectName("frmVol14ZoomStatistics");
  setWindowTitle(kZoomStatisticsCaption);
  setModal(false);
  setFixedSize(kZoomStatisticsWidth, kZoomStatisticsHeight);

  const int list_top = kMargin + kCaptionHeight + 4;
  const int button_top = kZoomStatisticsHeight - kMargin - kButtonHeight;
  const int list_height = button_top - kMargin - list_top;
  const int width = kZoomStatisticsWidth - 2 * kMargin;
  for (std::size_t i = 0; i < kResultListCount; ++i) {
    auto* caption = new QLabel(kZoomLists[i].caption, this);
    caption->setObjectName(kZoomLists[i].caption_name);
    caption->setGeometry(kMargin, kMargin, width, kCaptionHeight);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    captions_[i] = caption;

    auto* view = new ResultListView(kZoomLists[i].list_name, kZoomLists[i].caption,
                                    results_.zoom_list(kAllResultLists[i]), this);
    view->setGeometry(kMargin, list_top, width, list_height);
    views_[i] = view;
    caption->setBuddy(view);

    // Until a Zoom command picks one, the first list is the one on show.
    caption->setVisible(i == 0);
    view->setVisible(i == 0);
  }

  close_ = new QPushButton("Close", this);
  close_->setObjectName("btnVol06ZoomStatisticsClose");
  close_->setDefault(true);
  close_->setGeometry(kZoomStatisticsWidth - kMargin - kButtonWidth, button_top, kButtonWidth,
                      kButtonHeight);
  connect(close_, &QPushButton::clicked, this, &TfrmVol14ZoomStatistics::btnVol06ZoomStatisticsCloseClick);
}

void TfrmVol14ZoomStatistics::ShowList(ResultList which) {
  for (std::size_t i = 0; i < kResultListCount; ++i) {
    views_[i]->hide();
    captions_[i]->hide();
  }
  captions_[ListIndex(which)]->show();
  views_[ListIndex(which)]->show();
  show();
  raise();
  activateWindow();
}

void TfrmVol14ZoomStatistics::btnVol06ZoomStatisticsCloseClick() { close(); }

}  // namespace ordovan
