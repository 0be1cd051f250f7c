#pragma once
// The overview help window and the about box.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ordovan {

class TfrmOverview : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmOverview(QWidget* parent = nullptr);
  void ShowOverview();  // modeless, in front

  QPlainTextEdit* mmoOverviewText;
  QPushButton* btnOverviewClose;
};

class TfrmAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAboutBox(QWidget* parent = nullptr);

  QLabel* lblAboutProduct;
  QLabel* lblAboutText;
  QPushButton* btnAboutOK;
};

}  // namespace ordovan
