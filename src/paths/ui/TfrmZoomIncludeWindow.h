#pragma once
// "Zoom the Include Window.": the Include list shown enlarged. Its list lives
// as long as the program; "Zoon" and the import dialog's zoom add to it, and
// only creation and destruction empty it.

#include <QDialog>

class QPushButton;

namespace ordovan {

class EntryList;
class EntryListView;

class TfrmZoomIncludeWindow : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmZoomIncludeWindow(QWidget* parent = nullptr);
  ~TfrmZoomIncludeWindow() override;

  EntryList& ZoomList();

  EntryListView* lstZoomIncludeWindow;
  QPushButton* btnZoomInjcludeWindowsClose;

 private:
  void btnZoomInjcludeWindowsCloseClick();
};

}  // namespace ordovan
