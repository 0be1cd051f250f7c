// Stopping a long scan of the List Builder: the Stop control and the Escape
// key are let through by the event pump while the scan runs; a stopped scan
// changes nothing the user had and says so.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <chrono>
#include <thread>

#include "uikit/EntryListView.h"
#include "scanning/ListBuilderMessages.h"
#include "scanning/ScanTrees.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
#include "support/ui/AppFixture.h"
#include "uikit/QtEventPump.h"

namespace ordovan::testing {
namespace {

namespace msg = builder_messages;

// Each listing takes a few milliseconds, as on a slow network drive, so the
// scan runs long enough for the pump to deliver input.
class SlowFileSystem : public FileSystemWrapper {
 public:
  using FileSystemWrapper::FileSystemWrapper;
  bool ListFolder(const std::string& path, DIR_ENTRIES* entries,
                  DIR_ENTRIES* nameless = nullptr) override {
    Wait();
    return FileSystemWrapper::ListFolder(path, entries, nameless);
  }
  bool ListSubfolders(const std::string& path, DIR_ENTRIES* entries) override {
    Wait();
    return FileSystemWrapper::ListSubfolders(path, entries);
  }
  int listed = 0;

 private:
  void Wait() {
    ++listed;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
};

class ListBuilderStopTest : public AppFixture {
 protected:
  ListBuilderStopTest() : slow_(&file_system_) {
    tree_.Mount("d:");
    for (int i = 0; i < 40; ++i) tree_.Folder("d:\\Wide\\Folder" + std::to_string(i) + "\\Inner");
    services_.pump = &pump_;
    services_.stop_input = &pump_;
    services_.file_system = &slow_;
    StartWindows();
    builder = windows().Find<TfrmSubFolderListBuilder>();
    builder->show();
  }
  void ClickLater(QWidget* button) {
    const QPointF at(button->width() / 2, button->height() / 2);
    const QPointF global = button->mapToGlobal(at);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                        Qt::LeftButton, Qt::LeftButton,
                                                        Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton,
                                                        Qt::NoModifier));
  }

  QtEventPump pump_;
  SlowFileSystem slow_;
  TfrmSubFolderListBuilder* builder = nullptr;
};

TEST_F(ListBuilderStopTest, EscapeStopsTheSourceScanAndKeepsTheSummary) {
  QCoreApplication::postEvent(builder, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  dialogs_.ExpectFolder("Select the Destination Folder.", "d:\\Wide");
  prompter_.Expect(MessageKind::kWarning, msg::kScanStopped, msg::Title("0585"));
  builder->btnMainSourceFolderAdd->click();
  prompter_.VerifyDone();
  EXPECT_LT(slow_.listed, 81);  // the whole tree has 81 folders
  EXPECT_EQ(builder->lblMainLevelSumSubFolder->text(), "0");
  EXPECT_EQ(builder->lstViewLevelSumFolder->rowCount(), 0);
  EXPECT_EQ(builder->cboMainSourceFolder->count(), 0);
  EXPECT_FALSE(builder->btnBuilderStop->isEnabled());
  EXPECT_TRUE(builder->isVisible());  // Escape stopped the scan, it did not close the window
}

TEST_F(ListBuilderStopTest, StopEndsBuildAndTheListStaysAsItWas) {
  builder->IncludeList().Assign({"c:\\Kept\\Entry"});
  builder->cboMainSourceFolder->setEditText("d:\\Wide");
  builder->edtFromLevelNumber->setText("1");
  builder->edtToLevelNumber->setText("2");
  prompter_.Expect(MessageKind::kQuestion, msg::kClearIncludeQuestion, msg::Title("0580"),
                   Answer::kYes);
  prompter_.Expect(MessageKind::kWarning, msg::kScanStopped, msg::Title("0585"));
  ClickLater(builder->btnBuilderStop);
  builder->btnBuildList->click();
  prompter_.VerifyDone();
  EXPECT_LT(slow_.listed, 41);
  EXPECT_EQ(builder->IncludeList().entries(), (TEXT_LIST{"c:\\Kept\\Entry"}));
  EXPECT_EQ(builder->lblIncludeSum->text(), "1");
}

}  // namespace
}  // namespace ordovan::testing
