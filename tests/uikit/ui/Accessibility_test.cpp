// The windows as a screen reader and accessibility actions meet them: what
// the value labels say, how the mode choices behave when toggled, and Stop.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QWidget>

#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

QAccessibleInterface* Face(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  EXPECT_NE(face, nullptr);
  return face;
}

std::string SpokenName(QWidget* widget) {
  QAccessibleInterface* face = Face(widget);
  return face ? face->text(QAccessible::Name).toStdString() : "";
}

class AccessibilityTest : public AppFixture {
 protected:
  AccessibilityTest() { StartWindowsWithResultsWindow(); }

  // The control `name` of the window `window` (an object name).
  template <typename W>
  W* Control(const char* window, const char* name) {
    for (QWidget* w : windows().All()) {
      if (w->objectName() != window) continue;
      W* control = w->findChild<W*>(name);
      EXPECT_NE(control, nullptr) << window << " has no " << name;
      return control;
    }
    ADD_FAILURE() << "no window " << window;
    return nullptr;
  }
};

// Every label that shows a value is read with its caption and its value,
// and keeps up when the value changes after the reader first asked.
TEST_F(AccessibilityTest, EveryValueLabelIsReadWithItsCaptionAndItsCurrentValue) {
  struct Row {
    const char* window;
    const char* label;
    const char* spoken;  // with the value "7"
  };
  const Row rows[] = {
      {"frmStatistic14", "lblStat14FoldersToRestructure", "Total Folders to Reorganize: 7"},
      {"frmStatistic14", "lblStat14MainFoldersRestructured", "Reorganized Main Folders: 7"},
      {"frmStatistic14", "lblStat14SubFoldersRestructured", "Subfolders in Reorg. Main Folders: 7"},
      {"frmStatistic14", "lblStat14FoldersFilesRestructured",
       "Files in Reorganizd Folder Structures: 7"},
      {"frmStatistic14", "lblStat14FoldersSourceNotExists", "Source Not Exists: 7"},
      {"frmStatistic14", "lblStat14FoldersDestinationExists", "Destination Already Exists: 7"},
      {"frmStatistic14", "lblStat14FoldersOtherReasons", "Other Reasons: 7"},
      {"frmSubFolderListBuilder", "lblMainLevelSumSubFolder", "Contains: 7 Folders."},
      {"frmSubFolderListBuilder", "lblMainLevelSumFiles", "Contains: 7 Files."},
      {"frmSubFolderListBuilder", "lblMainLevelSumFileSize", "File Size: 7"},
      {"frmSubFolderListBuilder", "lblIncludeSum", "Include Folder List: 7"},
      {"frmSubFolderListBuilder", "lblExcludeSum", "Exclude Folder List: 7"},
      {"frmLevelSummFolder", "lblLevelSummFolderName", "Folder Structure: 7"},
      {"frmLevelSummFolder", "lblLevelSummFolderSum", "Contains: 7 Subfolders"},
      {"frmLevelSummFolder", "lblLevelSummFileSum", "Contains: 7 Files."},
      {"frmLevelSummFolder", "lblLevelSummFileSize", "Sum file size: 7"},
      {"frmFileExport", "lblSmartExportSource", "Original Content to Export: 7"},
      {"frmFileExport", "lblSmartExportExported", "Exported: 7"},
      {"frmFileImport", "lblFileImportSourceLines", "Lines: 7"},
      {"frmFileImport", "lblFileImportPreviewLines", "Lines: 7"},
      {"frmVol14EditIncludeList", "lblVol14EditLinesSum", "Lines: 7"},
      {"frmFLLEditIncludeFolderList", "lblEditLinesSum", "Lines: 7"},
      {"frmEditSmartImport", "lblEditSmartImportLinesCurrent", "Lines: 7"},
  };
  for (const Row& row : rows) {
    QLabel* label = Control<QLabel>(row.window, row.label);
    if (!label) continue;
    const std::string before = SpokenName(label);
    EXPECT_NE(before.find(label->text().toStdString()), std::string::npos) << before;
    label->setText("7");
    EXPECT_EQ(SpokenName(label), row.spoken) << row.label;
    EXPECT_EQ(Face(label)->role(), QAccessible::StaticText) << row.label;
  }
}

}  // namespace
}  // namespace ordovan::testing
