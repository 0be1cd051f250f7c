#pragma once
// "Level Number - Number of Subfolders": the structure of one folder tree,
// as the List Builder's "Levels" measured it. The window has no logic of its
// own; it shows the last report until the next one replaces it.

#include <QDialog>

#include "scanning/FolderStructSize.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace ordovan {

class TfrmLevelSummFolder : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmLevelSummFolder(QWidget* parent = nullptr);

  // Replaces the shown report (the table is emptied first).
  void ShowReport(const _tagLevelReport& report);
  // ShowReport, then the window modally.
  void ShowLevelSummary(const _tagLevelReport& report);

  QLabel* lblLevelSummFolderName;
  QLabel* lblLevelSummFolderSum;
  QLabel* lblLevelSummFileSum;
  QLabel* lblLevelSummFileSize;
  QLabel* lblLevelSummFileSizeMB;       // never shown
  QLabel* lblLevelSummFileSizeType;     // never shown
  QLabel* lblLevelSummFileSizeInBytes;  // never shown
  QTableWidget* lstViewLevelSummFolder;
  QPushButton* btnLevelSummClose;
};

}  // namespace ordovan
