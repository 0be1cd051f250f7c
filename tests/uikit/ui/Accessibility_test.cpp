// The windows as a screen reader and accessibility actions meet them: what
// the value labels say, how the mode choices behave when toggled, and Stop.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "importexport/ui/TfrmFileExport.h"
#include "importexport/ui/TfrmFileImport.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
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

// An accessibility action, as a screen reader or a switch device invokes it.
void Act(QWidget* widget, const QString& action) {
  QAccessibleInterface* face = Face(widget);
  ASSERT_NE(face, nullptr);
  ASSERT_NE(face->actionInterface(), nullptr);
  ASSERT_TRUE(face->actionInterface()->actionNames().contains(action))
      << widget->objectName().toStdString();
  face->actionInterface()->doAction(action);
}

void Toggle(QWidget* widget) { Act(widget, QAccessibleActionInterface::toggleAction()); }

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

// Each mode choice is one exclusive group of radio buttons, and the rules
// that follow a choice run when it is made through accessibility, which
// neither clicks nor presses a key.
TEST_F(AccessibilityTest, ModeChoicesAreExclusiveRadioGroupsWhoseRulesFollowAToggle) {
  auto* import = windows().Find<TfrmFileImport>();
  auto* builder = windows().Find<TfrmSubFolderListBuilder>();
  auto* file_export = windows().Find<TfrmFileExport>();
  for (QRadioButton* mode :
       {import->rdoFileImportPlainText, import->rdoFileImportSeparatedFile,
        import->rdoFileImportAllColumns, import->rdoFileImportOneColumn,
        builder->rdoFromToLevelNumber, builder->rdoAboveLevelNumber, builder->rdoBelowLevelNumber,
        file_export->rdoFileExportPlainTextFile, file_export->rdoFileExportCSVSeparatedFile}) {
    EXPECT_EQ(Face(mode)->role(), QAccessible::RadioButton) << mode->objectName().toStdString();
  }

  // The import dialog, with a file previewed: separated, then one column,
  // then plain text again, which leaves no column chosen.
  tree_.Mount("f:");
  tree_.File("f:\\lists\\a.txt", "f:\\a\\b\r\n");
  dialogs_.ExpectOpenFile("Import Folder Names (strings) from Files.", "f:\\lists\\a.txt");
  prompter_.Expect(MessageKind::kInformation, "End of the IMPORT process!",
                   "Import File content.            Information no: 0450.");
  import->btnFileImportBrowse->click();
  Toggle(import->rdoFileImportSeparatedFile);
  EXPECT_FALSE(import->rdoFileImportPlainText->isChecked());
  EXPECT_TRUE(import->rdoFileImportAllColumns->isChecked());
  EXPECT_TRUE(import->rdoFileImportOneColumn->isEnabled());
  EXPECT_TRUE(import->cboFileImportDelimiter->isEnabled());
  EXPECT_FALSE(import->edtFileImportColumnNumber->isEnabled());
  Toggle(import->rdoFileImportOneColumn);
  EXPECT_FALSE(import->rdoFileImportAllColumns->isChecked());
  EXPECT_TRUE(import->edtFileImportColumnNumber->isEnabled());
  Toggle(import->rdoFileImportPlainText);
  EXPECT_FALSE(import->rdoFileImportSeparatedFile->isChecked());
  EXPECT_FALSE(import->rdoFileImportAllColumns->isChecked());
  EXPECT_FALSE(import->rdoFileImportOneColumn->isChecked());
  EXPECT_FALSE(import->rdoFileImportOneColumn->isEnabled());
  EXPECT_FALSE(import->cboFileImportDelimiter->isEnabled());

  // The List Builder: Above takes the place of From/To, with its own field.
  Toggle(builder->rdoAboveLevelNumber);
  EXPECT_FALSE(builder->rdoFromToLevelNumber->isChecked());
  EXPECT_TRUE(builder->edtAboveLevelNumber->isEnabled());
  EXPECT_FALSE(builder->edtFromLevelNumber->isEnabled());
  EXPECT_EQ(builder->edtToLevelNumber->text(), "1");

  // The export dialog: a separated file takes a delimiter.
  Toggle(file_export->rdoFileExportCSVSeparatedFile);
  EXPECT_FALSE(file_export->rdoFileExportPlainTextFile->isChecked());
  EXPECT_TRUE(file_export->cboFileExportDelimiter->isEnabled());
  Toggle(file_export->rdoFileExportPlainTextFile);
  EXPECT_FALSE(file_export->cboFileExportDelimiter->isEnabled());
  prompter_.VerifyDone();
}

}  // namespace
}  // namespace ordovan::testing
