// The export reached the way a person reaches it: the main window's
// "Export", the List Builder's "Export" and a results list's "Export",
// through the real export dialog created at start-up.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "importexport/ListFiles.h"
#include "importexport/ui/TfrmFileExport.h"
#include "paths/EntryList.h"
#include "reorganizer/ui/TfrmStatistic14.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
#include "support/ui/AppFixture.h"
#include "uikit/EntryListView.h"

namespace ordovan {
namespace {

constexpr const char* kSaveTitle = "Export Folder Names (strings) to a file.";

class ExportCallersTest : public testing::AppFixture {
 protected:
  void SetUp() override {
    tree_.Mount("f:");
    tree_.Folder("f:\\out");
    StartWindowsWithResultsWindow();
    dialog_ = windows().Find<TfrmFileExport>();
    ASSERT_NE(dialog_, nullptr);
  }

  // When the dialog opens modally: the shown list must be `shown`; it is
  // exported to `target` and closed.
  void ExportWhenOpen(const TEXT_LIST& shown, const std::string& target) {
    testing::WhenModalOpens([=, this](QWidget* modal) {
      EXPECT_EQ(modal, dialog_);
      EXPECT_EQ(dialog_->ShownList().entries(), shown);
      EXPECT_EQ(dialog_->lblSmartExportSource->text(), QString::number(shown.size()));
      EXPECT_EQ(dialog_->lblSmartExportExported->text(), "0");
      EXPECT_EQ(dialog_->lstFileExportSource->CurrentRow(), std::optional<std::size_t>(0));
      dialogs_.ExpectSaveFile(kSaveTitle, target);
      prompter_.Expect(MessageKind::kPlain, "End of the exporting process.", "Ordovan 3.00");
      dialog_->btnFileExportTo->click();
      dialog_->btnFileExportClose->click();
    });
  }

  TfrmFileExport* dialog_ = nullptr;
};

TEST_F(ExportCallersTest, TheIncludeListsExportButton) {
  main().IncludeList().AppendAll(
      {"f:\\Old Clients\\Client1\\2016", "no drive\\a", "F:\\old clients\\client1\\2016",
       "f:\\Old Clients\\Client2\\2017"});
  ExportWhenOpen({"f:\\Old Clients\\Client1\\2016", "f:\\Old Clients\\Client2\\2017"},
                 "f:\\out\\include.txt");
  main().btnVol14IncludeWindowExportFolderList->click();
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(testing::FileBytes(tree_, "f:\\out\\include.txt"),
            "f:\\Old Clients\\Client1\\2016\r\nf:\\Old Clients\\Client2\\2017\r\n");
  prompter_.VerifyDone();
}

TEST_F(ExportCallersTest, AResultsListsExportButton) {
  auto* results = windows().Find<TfrmStatistic14>();
  ASSERT_NE(results, nullptr);
  RunResults& run = main().Results();
  run.RecordResult(ResultCategory::DestinationExists, "f:\\New\\2016\\Client2");
  run.RecordResult(ResultCategory::DestinationExists, "F:\\NEW\\2016\\CLIENT2");
  run.RecordResult(ResultCategory::DestinationExists, "\\\\srv\\share\\2016");
  ExportWhenOpen({"f:\\New\\2016\\Client2", "\\\\srv\\share\\2016"}, "f:\\out\\results.txt");
  results->findChild<QPushButton*>("btnStat14SmartExportDestinationExists")->click();
  EXPECT_EQ(testing::FileBytes(tree_, "f:\\out\\results.txt"),
            "f:\\New\\2016\\Client2\r\n\\\\srv\\share\\2016\r\n");
  EXPECT_EQ(dialog_->Kind(), "FOLDERS");
  prompter_.VerifyDone();
}

TEST_F(ExportCallersTest, TheListBuildersExportButton) {
  auto* builder = windows().Find<TfrmSubFolderListBuilder>();
  ASSERT_NE(builder, nullptr);
  builder->IncludeList().Assign({"d:\\Projects\\Project1", "D:\\PROJECTS\\PROJECT1",
                                 "d:\\Projects\\Project2"});
  ExportWhenOpen({"d:\\Projects\\Project1", "d:\\Projects\\Project2"}, "f:\\out\\builder.txt");
  builder->btnSmartExport->click();
  EXPECT_EQ(testing::FileBytes(tree_, "f:\\out\\builder.txt"),
            "d:\\Projects\\Project1\r\nd:\\Projects\\Project2\r\n");
  prompter_.VerifyDone();
}

}  // namespace
}  // namespace ordovan
