#include "paths/ui/TfrmZoomIncludeWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "uikit/EntryListView.h"

namespace ordovan {

TfrmZoomIncludeWindow::TfrmZoomIncludeWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("frmZoomIncludeWindow");
  setWindowTitle("Zoom the Include Window.");
  setModal(true);

  lstZoomIncludeWindow = new EntryListView("lstZoomIncludeWindow", "Zoom the Include Window.",
                                           EntryListView::Selection::kSingle, this);
  lstZoomIncludeWindow->SetHorizontalExtent(kListScrollExtent);

  btnZoomInjcludeWindowsClose = new QPushButton("Close", this);
  btnZoomInjcludeWindowsClose->setObjectName("btnZoomInjcludeWindowsClose");
  btnZoomInjcludeWindowsClose->setDefault(true);
  connect(btnZoomInjcludeWindowsClose, &QPushButton::clicked, this,
          &TfrmZoomIncludeWindow::btnZoomInjcludeWindowsCloseClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnZoomInjcludeWindowsClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lstZoomIncludeWindow);
  layout->addLayout(buttons);

  setFixedSize(989, 603);
  ZoomList().Clear();
}

TfrmZoomIncludeWindow::~TfrmZoomIncludeWindow() { ZoomList().Clear(); }

EntryList& TfrmZoomIncludeWindow::ZoomList() { return lstZoomIncludeWindow->list(); }

void TfrmZoomIncludeWindow::btnZoomInjcludeWindowsCloseClick() { accept(); }

}  // namespace ordovan
