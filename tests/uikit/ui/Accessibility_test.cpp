// The windows as a screen reader and accessibility actions meet them: what
// the value labels say, and how the mode choices behave when toggled.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

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

// A choice as a screen reader or a switch device makes it: no click, no key.
void Toggle(QWidget* widget) {
  Face(widget)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

class AccessibilityTest : public AppFixture {
 protected:
  AccessibilityTest() { StartWindowsWithResultsWindow(); }
};

// Every label that shows a value is read with its caption and its value,
// and keeps up when the value changes after the reader first asked.
TEST_F(AccessibilityTest, EveryValueLabelIsReadWithItsCaptionAndItsCurrentValue) {
  const std::pair<const char*, const char*> labels[] = {  // object name, spoken with "7"
      {"lblStat14FoldersToRestructure", "Total Folders to Reorganize: 7"},
      {"lblStat14MainFoldersRestructured", "Reorganized Main Folders: 7"},
      {"lblStat14SubFoldersRestructured", "Subfolders in Reorg. Main Folders: 7"},
      {"lblStat14FoldersFilesRestructured", "Files in Reorganizd Folder Structures: 7"},
      {"lblStat14FoldersSourceNotExists", "Source Not Exists: 7"},
      {"lblStat14FoldersDestinationExists", "Destination Already Exists: 7"},
      {"lblStat14FoldersOtherReasons", "Other Reasons: 7"},
      {"lblStat14FilesNotCopied", "Files Not Copied: 7"},
      {"lblMainLevelSumSubFolder", "Contains: 7 Folders."},
      {"lblMainLevelSumFiles", "Contains: 7 Files."},
      {"lblMainLevelSumFileSize", "File Size: 7"},
      {"lblIncludeSum", "Include Folder List: 7"},
      {"lblExcludeSum", "Exclude Folder List: 7"},
      {"lblLevelSummFolderName", "Folder Structure: 7"},
      {"lblLevelSummFolderSum", "Contains: 7 Subfolders"},
      {"lblLevelSummFileSum", "Contains: 7 Files."},
      {"lblLevelSummFileSize", "Sum file size: 7"},
      {"lblSmartExportSource", "Original Content to Export: 7"},
      {"lblSmartExportExported", "Exported: 7"},
      {"lblFileImportSourceLines", "Lines: 7"},
      {"lblFileImportPreviewLines", "Lines: 7"},
      {"lblVol14EditLinesSum", "Lines: 7"},
      {"lblEditLinesSum", "Lines: 7"},
      {"lblEditSmartImportLinesCurrent", "Lines: 7"},
  };
  for (const auto& [name, spoken] : labels) {
    QLabel* label = nullptr;
    for (QWidget* window : windows().All()) {
      if (!label) label = window->findChild<QLabel*>(name);
    }
    ASSERT_NE(label, nullptr) << name;
    Face(label)->text(QAccessible::Name);  // a reader asks before the value changes
    label->setText("7");
    EXPECT_EQ(Face(label)->text(QAccessible::Name).toStdString(), spoken);
    EXPECT_EQ(Face(label)->role(), QAccessible::StaticText) << name;
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
  EXPECT_TRUE(import->cboFileImportDelimiter->isEnabled());
  Toggle(import->rdoFileImportOneColumn);
  EXPECT_FALSE(import->rdoFileImportAllColumns->isChecked());
  Toggle(import->rdoFileImportPlainText);
  EXPECT_FALSE(import->rdoFileImportOneColumn->isChecked());  // no column is chosen
  EXPECT_FALSE(import->cboFileImportDelimiter->isEnabled());

  // The List Builder: Above takes the place of From/To, with its own field.
  Toggle(builder->rdoAboveLevelNumber);
  EXPECT_FALSE(builder->rdoFromToLevelNumber->isChecked());
  EXPECT_TRUE(builder->edtAboveLevelNumber->isEnabled());
  EXPECT_FALSE(builder->edtFromLevelNumber->isEnabled());

  // The export dialog: a separated file takes a delimiter.
  Toggle(file_export->rdoFileExportCSVSeparatedFile);
  EXPECT_TRUE(file_export->cboFileExportDelimiter->isEnabled());
  prompter_.VerifyDone();
}

}  // namespace
}  // namespace ordovan::testing
