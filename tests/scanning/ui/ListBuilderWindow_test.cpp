// The Subfolder List Builder and the level summary window, driven through
// their controls: what they show at first, every command's messages, and the
// road from a folder tree to the main window's Include list.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QAccessible>
#include <algorithm>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include "help/HelpTexts.h"
#include "help/ui/TfrmHelp.h"
#include "uikit/EntryListView.h"
#include "scanning/ListBuilderMessages.h"
#include "scanning/ScanTrees.h"
#include "scanning/ui/TfrmLevelSummFolder.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
#include "scanning/ui/UpDown.h"
#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

namespace msg = builder_messages;

class ListBuilderWindowTest : public AppFixture {
 protected:
  ListBuilderWindowTest() {
    tree_.Mount("d:");
    MakeProjectsTree(tree_);
    StartWindows();
    builder = windows().Find<TfrmSubFolderListBuilder>();
    summary = windows().Find<TfrmLevelSummFolder>();
  }

  void Warn(const char* text, const char* number) {
    prompter_.Expect(MessageKind::kWarning, text, msg::Title(number));
  }
  void Ask(const char* text, const char* number, Answer answer) {
    prompter_.Expect(MessageKind::kQuestion, text, msg::Title(number), answer);
  }
  void Browse(const std::string& answer) {
    dialogs_.ExpectFolder("Select the Destination Folder.", answer);
    builder->btnMainSourceFolderAdd->click();
  }
  // Build with the window's current settings, answering No to 0580.
  void Build() {
    Ask(msg::kClearIncludeQuestion, "0580", Answer::kNo);
    Warn(msg::kBuildEnd, "0587");
    builder->btnBuildList->click();
  }
  std::vector<std::pair<QString, QString>> Rows(QTableWidget* table) {
    std::vector<std::pair<QString, QString>> rows;
    for (int r = 0; r < table->rowCount(); ++r) {
      rows.emplace_back(table->item(r, 0)->text(), table->item(r, 1)->text());
    }
    return rows;
  }

  TfrmSubFolderListBuilder* builder = nullptr;
  TfrmLevelSummFolder* summary = nullptr;
};

using ROWS = std::vector<std::pair<QString, QString>>;

TEST_F(ListBuilderWindowTest, StartsWithItsCaptionsHintsAndInitialState) {
  ASSERT_NE(builder, nullptr);
  EXPECT_EQ(builder->windowTitle(), "Subfolder List Builder");
  struct Text {
    QWidget* control;
    QString text;
    QString hint;
  };
  auto text_of = [](QWidget* w) -> QString {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    return {};
  };
  const Text texts[] = {
      {builder->btnMainSourceFolderAdd, "Browse", "Browse for a Source Folder."},
      {builder->btnMainSourceFolderView, "View", "View the content of the Source Folder."},
      {builder->lblMainLevelSumSubFolder, "0", ""},
      {builder->lblMainLevelSumFiles, "0", ""},
      {builder->lblMainLevelSumFileSize, "0 bytes.", ""},
      {builder->rdoFromToLevelNumber, "From:", "Every Subfolder between From - To will be Listed. "},
      {builder->rdoAboveLevelNumber, "Above:", "Every Subfolder Above given will be Listed."},
      {builder->rdoBelowLevelNumber, "Below:", "Every Subfolder Below given will be Listed."},
      {builder->edtFromLevelNumber, "2", "Set the From number."},
      {builder->edtToLevelNumber, "4", "Set the To Number."},
      {builder->edtAboveLevelNumber, "1", "Set the Abovenumber."},
      {builder->edtBelowLevelNumber, "0", "Set the Below number."},
      {builder->lblFromTo, "To:", ""},
      {builder->rdoBuildAllSubFolders, "All Subfolders in Path", ""},
      {builder->rdoBuildLastSubFolder, "Only the Last Subfolder", ""},
      {builder->edtSubFolderFilter, "", "Enter a string for a Subfolder Filtering."},
      {builder->btnBuildList, "Build a List", "Build a List of Subfolders."},
      {builder->lblIncludeSum, "0", ""},
      {builder->lblExcludeSum, "0", ""},
      {builder->btnEditIncludeList, "Edit List", ""},
      {builder->btnIncludeFolderListView, "View Sel.", ""},
      {builder->btnSmartExport, "Export", ""},
      {builder->btnSubFolderListBuilderLevels, "Levels", ""},
      {builder->btnDeleteFromExcludeList, "Delete Selected", ""},
      {builder->btnDeleteExcludedAll, "Delete All", ""},
      {builder->btnBuilderClearAll, "Clear All", ""},
      {builder->btnImport, "Import", "Import the Folder List to the Include Window."},
      {builder->btnMoveToExclude, ">", ""},
      {builder->btnMoveToInclude, "<", ""},
      {builder->btnMoveAllToExclude, ">>", ""},
      {builder->btnMoveAllToInclude, "<<", ""},
      {builder->btnExchangeLists, "<>", ""},
  };
  for (const Text& t : texts) {
    EXPECT_EQ(text_of(t.control), t.text) << t.control->objectName().toStdString();
    EXPECT_EQ(t.control->toolTip(), t.hint) << t.control->objectName().toStdString();
  }
  EXPECT_EQ(builder->cboMainSourceFolder->toolTip(), "Enter or Select a Source Folder.");
  EXPECT_EQ(builder->lstIncludeFolderList->toolTip(), "A List of Builded (Generated)  Subfolders.");
  EXPECT_EQ(builder->lstExcludeFolderList->toolTip(), "A List of Exculded Subfolders.");
  EXPECT_TRUE(builder->rdoFromToLevelNumber->isChecked());
  EXPECT_TRUE(builder->rdoBuildAllSubFolders->isChecked());
  EXPECT_TRUE(builder->edtToLevelNumber->isEnabled());
  EXPECT_FALSE(builder->edtAboveLevelNumber->isEnabled());
  EXPECT_FALSE(builder->btnBuilderStop->isEnabled());
  EXPECT_TRUE(builder->btnImport->isDefault());
  EXPECT_EQ(builder->lstIncludeFolderList->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(builder->lstViewLevelSumFolder->horizontalHeaderItem(1)->text(), "Number of SubFolders");

  // Every control a person can reach has a name for assistive tools.
  for (QWidget* window : {static_cast<QWidget*>(builder), static_cast<QWidget*>(summary)}) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w);
      // Unnamed widgets are the inner parts of tables and drop-downs.
      if (!control || w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
      ASSERT_NE(face, nullptr);
      EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
          << window->objectName().toStdString() << ": " << w->objectName().toStdString() << " "
          << w->metaObject()->className();
    }
  }
}

TEST_F(ListBuilderWindowTest, TheLevelSummaryWindowIsPlacedAndCaptioned) {
  EXPECT_EQ(summary->windowTitle(), "Level Number - Number of Subfolders");
  // 412 by 497 is the frame, as the system draws it around the client area.
  summary->show();
  QApplication::processEvents();
  EXPECT_EQ(summary->frameGeometry(), QRect(50, 50, 412, 497));
  summary->hide();
  EXPECT_TRUE(summary->lstViewLevelSummFolder->showGrid());
  // 120 pixels each, unless the font would cut the caption off.
  for (int column = 0; column < 2; ++column) {
    const int width = summary->lstViewLevelSummFolder->columnWidth(column);
    EXPECT_GE(width, 120);
    EXPECT_GE(width, summary->lstViewLevelSummFolder->horizontalHeader()->sectionSizeHint(column));
  }
  EXPECT_FALSE(summary->lblLevelSummFileSizeInBytes->isVisibleTo(summary));
}

TEST_F(ListBuilderWindowTest, BrowseMeasuresTheTreeAndRemembersTheFolder) {
  Browse("d:\\Projects");
  EXPECT_EQ(Rows(builder->lstViewLevelSumFolder), (ROWS{{"1", "2"}, {"2", "5"}}));
  EXPECT_EQ(builder->lblMainLevelSumSubFolder->text(), "7");
  EXPECT_EQ(builder->lblMainLevelSumFiles->text(), "4");
  EXPECT_EQ(builder->lblMainLevelSumFileSize->text(), "1.18 KB");

  Browse("d:\\Projects\\Project1");
  EXPECT_EQ(Rows(builder->lstViewLevelSumFolder), (ROWS{{"1", "3"}}));
  Browse("D:\\PROJECTS");  // already there: selected, not added again
  EXPECT_EQ(builder->cboMainSourceFolder->count(), 2);
  EXPECT_EQ(builder->cboMainSourceFolder->currentIndex(), 0);
  EXPECT_EQ(builder->cboMainSourceFolder->currentText(), "d:\\Projects");

  // A cancelled picker gives an empty text.
  Warn(msg::kSelectionEmpty, "0572");
  Browse("");
  prompter_.VerifyDone();
}

TEST_F(ListBuilderWindowTest, CommandsWithNothingToWorkOnSayWhy) {
  Warn(msg::kSelectionEmpty, "0573");
  builder->btnMainSourceFolderView->click();
  Warn(msg::kNoSelectedFolder, "0574");
  builder->btnIncludeFolderListView->click();
  Warn(msg::kNoSelectedFolder, "0574");
  builder->btnSubFolderListBuilderLevels->click();
  Warn(msg::kIncludeEmpty, "0584");
  builder->btnSmartExport->click();
  Warn(msg::kExcludeEmptyForDelete, "0576");
  builder->btnDeleteFromExcludeList->click();
  Warn(msg::kExcludeEmpty, "0577");
  builder->btnDeleteExcludedAll->click();
  Warn(msg::kSelectionEmpty, "0579");
  Warn(msg::kBuildEnd, "0587");
  builder->btnBuildList->click();
  prompter_.VerifyDone();
  EXPECT_TRUE(shell_.opened.empty());
}

TEST_F(ListBuilderWindowTest, ModeButtonsResetTheNumbersAndEnableTheirFields) {
  builder->rdoBelowLevelNumber->click();
  EXPECT_TRUE(builder->rdoBelowLevelNumber->isChecked());
  EXPECT_FALSE(builder->rdoFromToLevelNumber->isChecked());
  for (QLineEdit* field : {builder->edtFromLevelNumber, builder->edtToLevelNumber,
                           builder->edtAboveLevelNumber, builder->edtBelowLevelNumber}) {
    EXPECT_EQ(field->text(), "1");
  }
  EXPECT_TRUE(builder->edtBelowLevelNumber->isEnabled());
  EXPECT_FALSE(builder->edtFromLevelNumber->isEnabled());
  EXPECT_FALSE(builder->lblFromTo->isEnabled());
  EXPECT_FALSE(builder->udAboveLevelNumber->isEnabled());

  builder->rdoFromToLevelNumber->click();
  EXPECT_TRUE(builder->edtToLevelNumber->isEnabled());
  EXPECT_FALSE(builder->edtBelowLevelNumber->isEnabled());
  // The From and To arrows wrap around; Above stops at its ends.
  builder->edtToLevelNumber->setText("100");
  builder->udToLevelNumber->StepUp();
  EXPECT_EQ(builder->edtToLevelNumber->text(), "0");
  builder->udFromLevelNumber->StepDown();
  EXPECT_EQ(builder->edtFromLevelNumber->text(), "0");
  builder->edtAboveLevelNumber->setText("1");
  builder->udAboveLevelNumber->StepDown();
  EXPECT_EQ(builder->edtAboveLevelNumber->text(), "1");

  // Leaving the fields repairs what is not a number, silently.
  builder->edtFromLevelNumber->setText("abc");
  builder->edtToLevelNumber->setText("x");
  builder->edtFromLevelNumberExit();
  EXPECT_EQ(builder->edtFromLevelNumber->text(), "1");
  EXPECT_EQ(builder->edtToLevelNumber->text(), "1");
}

TEST_F(ListBuilderWindowTest, MovesDeletionsAndClearAll) {
  Browse("d:\\Projects");
  builder->edtFromLevelNumber->setText("1");
  builder->edtToLevelNumber->setText("2");
  Build();
  EXPECT_EQ(builder->lblIncludeSum->text(), "7");
  builder->lstIncludeFolderList->SelectRow(0);
  builder->lstIncludeFolderList->AddToSelection(1);
  builder->btnMoveToExclude->click();
  EXPECT_EQ(builder->lblIncludeSum->text(), "5");
  EXPECT_EQ(builder->lblExcludeSum->text(), "2");
  builder->btnExchangeLists->click();
  EXPECT_EQ(builder->lblIncludeSum->text(), "2");
  EXPECT_EQ(builder->lblExcludeSum->text(), "5");
  builder->btnMoveAllToInclude->click();
  EXPECT_EQ(builder->lblIncludeSum->text(), "7");
  EXPECT_EQ(builder->lblExcludeSum->text(), "0");

  builder->lstIncludeFolderList->SelectRow(6);
  builder->btnMoveToExclude->click();
  builder->lstExcludeFolderList->SelectRow(0);
  Ask(msg::kDeleteSelectedQuestion, "0575", Answer::kYes);
  builder->btnDeleteFromExcludeList->click();
  EXPECT_EQ(builder->lblExcludeSum->text(), "0");

  Ask(msg::kClearAllQuestion, "0575", Answer::kNo);
  builder->btnBuilderClearAll->click();
  EXPECT_EQ(builder->IncludeList().size(), 6u);
  builder->rdoBuildLastSubFolder->setChecked(true);
  builder->edtSubFolderFilter->setText("sub");
  Ask(msg::kClearAllQuestion, "0575", Answer::kYes);
  builder->btnBuilderClearAll->click();
  EXPECT_TRUE(builder->IncludeList().empty());
  EXPECT_EQ(builder->cboMainSourceFolder->count(), 0);
  EXPECT_EQ(builder->cboMainSourceFolder->currentText(), "");
  EXPECT_EQ(builder->lstViewLevelSumFolder->rowCount(), 0);
  EXPECT_EQ(builder->lblMainLevelSumSubFolder->text(), "0");
  EXPECT_EQ(builder->lblMainLevelSumFileSize->text(), "0 bytes.");
  EXPECT_EQ(builder->edtFromLevelNumber->text(), "1");
  EXPECT_EQ(builder->edtToLevelNumber->text(), "1");
  EXPECT_TRUE(builder->rdoBuildAllSubFolders->isChecked());
  EXPECT_EQ(builder->edtSubFolderFilter->text(), "");
  EXPECT_EQ(builder->lblIncludeSum->text(), "0");
  prompter_.VerifyDone();
}

TEST_F(ListBuilderWindowTest, LevelsShowsOnlyTheLastMeasuredFolder) {
  builder->IncludeList().Assign({"d:\\Projects", "d:\\Projects\\Project1\\Pdf"});
  for (int pass = 0; pass < 2; ++pass) {
    builder->lstIncludeFolderList->SelectRow(static_cast<std::size_t>(pass));
    bool shown = false;
    WhenModalOpens([&](QWidget* modal) {
      shown = modal == summary;
      if (pass == 0) {
        EXPECT_EQ(Rows(summary->lstViewLevelSummFolder), (ROWS{{"1", "2"}, {"2", "5"}}));
        EXPECT_EQ(summary->lblLevelSummFolderName->text(), "d:\\Projects");
        EXPECT_EQ(summary->lblLevelSummFolderSum->text(), "7");
        EXPECT_EQ(summary->lblLevelSummFileSize->text(), "1.18 KB  (1210 bytes).");
      } else {
        // A folder without subfolders: no rows, "0", the files in it.
        EXPECT_EQ(summary->lstViewLevelSummFolder->rowCount(), 0);
        EXPECT_EQ(summary->lblLevelSummFolderSum->text(), "0");
        EXPECT_EQ(summary->lblLevelSummFileSum->text(), "2");
      }
      summary->btnLevelSummClose->click();
    });
    builder->btnSubFolderListBuilderLevels->click();
    EXPECT_TRUE(shown);
  }
}

TEST_F(ListBuilderWindowTest, ViewOpensTheSourceAndTheCurrentEntry) {
  builder->cboMainSourceFolder->setEditText("  d:\\Projects ");
  builder->btnMainSourceFolderView->click();
  builder->IncludeList().Assign({" d:\\Projects\\Project2"});
  builder->lstIncludeFolderList->SelectRow(0);
  builder->btnIncludeFolderListView->click();
  EXPECT_EQ(shell_.opened, (std::vector<std::string>{"d:\\Projects", "d:\\Projects\\Project2"}));
}

TEST_F(ListBuilderWindowTest, HandOversReachTheirWindows) {
  auto* help = windows().Find<TfrmHelp>();
  builder->btnHelp->click();
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->CurrentTopic(), kListBuilderTopic);
  help->close();

  builder->IncludeList().Assign({"d:\\Projects\\Project1"});
  TEXT_LIST exported;
  builder->SetExportHook([&](const TEXT_LIST& entries) { exported = entries; });
  builder->btnSmartExport->click();
  EXPECT_EQ(exported, (TEXT_LIST{"d:\\Projects\\Project1"}));
  builder->SetEditHook([](TfrmSubFolderListBuilder& window) {
    window.IncludeList().Assign({"d:\\A\\B", "d:\\A\\C"});
  });
  builder->btnEditIncludeList->click();
  EXPECT_EQ(builder->lblIncludeSum->text(), "2");
}

// The road through the real windows: the main window's "List Builder", Browse,
// Build, a move, Import into the Include list, then Find.
TEST_F(ListBuilderWindowTest, FromATreeToTheIncludeListAndFind) {
  main().IncludeList().Assign({"d:\\Projects\\Project2\\SubProject21"});
  main().RefreshAfterListChange();
  bool driven = false;
  WhenModalOpens([&](QWidget* modal) {
    ASSERT_EQ(modal, builder);
    Browse("d:\\Projects");
    builder->edtFromLevelNumber->setText("2");
    builder->edtToLevelNumber->setText("2");
    builder->edtSubFolderFilter->setText("Sub");
    Build();
    ASSERT_EQ(builder->IncludeList().size(), 4u);
    // Park SubProject11 in the Exclude list: it is not imported.
    const TEXT_LIST& built = builder->IncludeList().entries();
    const auto parked = std::find(built.begin(), built.end(), "d:\\Projects\\Project1\\SubProject11");
    ASSERT_NE(parked, built.end());
    builder->lstIncludeFolderList->SelectRow(static_cast<std::size_t>(parked - built.begin()));
    builder->btnMoveToExclude->click();
    driven = true;
    prompter_.Expect(MessageKind::kWarning, "End of the Import Process !!!\n",
                     "Ordovan        rning no: 140007.");
    builder->btnImport->click();
  });
  main().btnVol14IncludeWindowListBuilder->click();
  ASSERT_TRUE(driven);
  prompter_.VerifyDone();

  // The entry the main list held already is not doubled; the parked one
  // stays out.
  EXPECT_EQ(main().IncludeList().size(), 3u);
  for (const char* entry : {"d:\\Projects\\Project1\\SubProject12",
                            "d:\\Projects\\Project2\\SubProject21",
                            "d:\\Projects\\Project2\\SubProject22"}) {
    EXPECT_TRUE(main().IncludeList().Contains(entry)) << entry;
  }

  main().findChild<QPushButton*>("btnVol14FindShortestPath")->click();
  auto* old_order = main().findChild<EntryListView*>("lstVol14SubFoldersSource");
  ASSERT_NE(old_order, nullptr);
  EXPECT_EQ(old_order->list().entries().size(), 3u);
  EXPECT_EQ(old_order->list()[0], "Projects");
}

TEST_F(ListBuilderWindowTest, CancelImportsNothing) {
  WhenModalOpens([&](QWidget*) {
    builder->IncludeList().Assign({"d:\\Projects\\Project1"});
    builder->btnCancel->click();
  });
  prompter_.Expect(MessageKind::kWarning, "End of the Import Process !!!\n",
                   "Ordovan        rning no: 140007.");
  main().btnVol14IncludeWindowListBuilder->click();
  EXPECT_TRUE(main().IncludeList().empty());
  prompter_.VerifyDone();
}

}  // namespace
}  // namespace ordovan::testing
