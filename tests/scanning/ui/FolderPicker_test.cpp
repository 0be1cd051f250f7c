// The folder picker: the path display, the check box, the edit box and what
// comes back.

#include "scanning/ui/FolderPicker.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cctype>
#include <filesystem>

#include "platform/NativePath.h"
#include "uikit/QtText.h"
#include "support/TempTree.h"
#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

namespace fs = std::filesystem;

// A folder chosen in the tree comes with the drive letter as the system
// writes it: "F:" for a real Windows drive, "f:" for the sandbox's mounted
// one. The rest of the path keeps its case.
std::string DriveLowered(std::string path) {
  if (path.size() >= 2 && path[1] == ':') {
    path[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
  }
  return path;
}
std::string DriveLowered(const QString& text) { return DriveLowered(FromQt(text)); }

class FolderPickerTest : public ::testing::Test {
 protected:
  FolderPickerTest() : picker_(nullptr, "Select the Destination Directory.") {
    tree_.Mount("f:");
    tree_.Folder("f:\\Old Clients\\Client1\\2016");
    picker_.show();
  }
  QString Native(const std::string& program_path) {
    return ToQt(NativeToUtf8(tree_.Native(program_path)));
  }

  TempTree tree_;
  TfrmBrowseForFolder picker_;
};

TEST_F(FolderPickerTest, ShowsItsTitleAndStartsWithTheDummyText) {
  EXPECT_EQ(picker_.windowTitle(), "Select the Destination Directory.");
  EXPECT_EQ(picker_.lblBrowseTitle->text(), "Select the Destination Directory.");
  EXPECT_EQ(picker_.edtBrowseFolderPath->text(), "Dummy");
  EXPECT_TRUE(picker_.edtBrowseFolderPath->isReadOnly());
  EXPECT_EQ(picker_.chkBrowseShowEdit->text(), "Show the edit control.");
  EXPECT_TRUE(picker_.chkBrowseShowEdit->isChecked());
  EXPECT_TRUE(picker_.edtBrowseFolderPath->isVisible());
  EXPECT_TRUE(picker_.edtBrowseFolderEdit->isVisible());
}

TEST_F(FolderPickerTest, PathDisplayFollowsTheSelectionAndOkReturnsItsProgramPath) {
  ASSERT_TRUE(picker_.SelectNativeFolder(Native("f:\\Old Clients\\Client1")));
  EXPECT_EQ(DriveLowered(picker_.edtBrowseFolderPath->text()), "f:\\Old Clients\\Client1");
  picker_.btnBrowseOK->click();
  EXPECT_EQ(picker_.result(), QDialog::Accepted);
  EXPECT_EQ(DriveLowered(picker_.Result()), "f:\\Old Clients\\Client1");
}

TEST_F(FolderPickerTest, CancelReturnsAnEmptyText) {
  ASSERT_TRUE(picker_.SelectNativeFolder(Native("f:\\Old Clients")));
  picker_.btnBrowseCancel->click();
  EXPECT_EQ(picker_.Result(), "");
}

TEST_F(FolderPickerTest, ADriveRootComesBackWithItsTrailingBackslash) {
  ASSERT_TRUE(picker_.SelectNativeFolder(Native("f:\\")));
  EXPECT_EQ(DriveLowered(picker_.edtBrowseFolderPath->text()), "f:\\");
  picker_.btnBrowseOK->click();
  EXPECT_EQ(DriveLowered(picker_.Result()), "f:\\");
  TfrmBrowseForFolder system_root(nullptr, "Select the Folder.");
  ASSERT_TRUE(system_root.SelectNativeFolder(QDir::rootPath()));
  system_root.btnBrowseOK->click();
#ifdef _WIN32
  // The system drive, with the letter as Windows writes it.
  EXPECT_EQ(system_root.Result(), FromQt(QDir::toNativeSeparators(QDir::rootPath())));
  EXPECT_EQ(system_root.Result().substr(1), ":\\");
#else
  EXPECT_EQ(system_root.Result(), "c:\\");
#endif
}

TEST_F(FolderPickerTest, TheCheckBoxHidesAndShowsThePathDisplay) {
  ASSERT_TRUE(picker_.SelectNativeFolder(Native("f:\\Old Clients")));
  picker_.chkBrowseShowEdit->click();
  EXPECT_FALSE(picker_.chkBrowseShowEdit->isChecked());
  EXPECT_FALSE(picker_.edtBrowseFolderPath->isVisible());
  ASSERT_TRUE(picker_.SelectNativeFolder(Native("f:\\Old Clients\\Client1\\2016")));
  picker_.chkBrowseShowEdit->click();
  EXPECT_TRUE(picker_.edtBrowseFolderPath->isVisible());
  EXPECT_EQ(DriveLowered(picker_.edtBrowseFolderPath->text()), "f:\\Old Clients\\Client1\\2016");
}

TEST_F(FolderPickerTest, AFolderTypedIntoTheEditBoxIsTheChoice) {
  ASSERT_TRUE(picker_.SelectNativeFolder(Native("f:\\Old Clients")));
  picker_.edtBrowseFolderEdit->setText("F:\\Old Clients\\Client1\\2016");
  picker_.btnBrowseOK->click();
  EXPECT_EQ(picker_.result(), QDialog::Accepted);
  EXPECT_EQ(DriveLowered(picker_.Result()), "f:\\Old Clients\\Client1\\2016");
}

TEST_F(FolderPickerTest, AnameTypedBelowTheSelectedFolderOrANativePathAlsoCounts) {
  ASSERT_TRUE(picker_.SelectNativeFolder(Native("f:\\Old Clients")));
  picker_.edtBrowseFolderEdit->setText("Client1");
  picker_.btnBrowseOK->click();
  EXPECT_EQ(DriveLowered(picker_.Result()), "f:\\Old Clients\\Client1");

  TfrmBrowseForFolder native(nullptr, "Select the Folder.");
  native.show();
  native.edtBrowseFolderEdit->setText(Native("f:\\Old Clients\\Client1\\2016"));
  native.btnBrowseOK->click();
  EXPECT_EQ(native.Result(), "f:\\Old Clients\\Client1\\2016");
}

// Names outside every ANSI code page ("日") only survive wide calls on Windows.
TEST_F(FolderPickerTest, AFolderNamedBeyondAsciiComesBackAsItsUtf8ProgramPath) {
  const std::string folder = "f:\\Clients \xC3\xA9t\xC3\xA9\\\xE6\x97\xA5 Zo\xC3\xAB";
  tree_.Folder(folder);
  ASSERT_TRUE(picker_.SelectNativeFolder(Native(folder)));
  EXPECT_EQ(DriveLowered(picker_.edtBrowseFolderPath->text()), folder);
  picker_.btnBrowseOK->click();
  EXPECT_EQ(DriveLowered(picker_.Result()), folder);

  TfrmBrowseForFolder typed(nullptr, "Select the Folder.");
  typed.show();
  typed.edtBrowseFolderEdit->setText(ToQt(folder));
  typed.btnBrowseOK->click();
  EXPECT_EQ(typed.result(), QDialog::Accepted);
  EXPECT_EQ(typed.Result(), folder);
}

TEST_F(FolderPickerTest, ATypedFolderThatDoesNotExistKeepsThePickerOpen) {
  ASSERT_TRUE(picker_.SelectNativeFolder(Native("f:\\Old Clients")));
  picker_.edtBrowseFolderEdit->setText("f:\\No Such\\Folder");
  picker_.btnBrowseOK->click();
  EXPECT_TRUE(picker_.isVisible());
  EXPECT_TRUE(picker_.lblBrowseFolderNote->isVisible());
  EXPECT_EQ(picker_.Result(), "");
  picker_.btnBrowseCancel->click();
  EXPECT_FALSE(picker_.isVisible());
  EXPECT_EQ(picker_.Result(), "");
}

TEST_F(FolderPickerTest, OkWithoutAnySelectionReturnsAnEmptyText) {
  TfrmBrowseForFolder fresh(nullptr, "Select the Folder.");
  fresh.show();
  fresh.btnBrowseOK->click();
  EXPECT_EQ(fresh.result(), QDialog::Accepted);
  EXPECT_EQ(fresh.Result(), "");
}

TEST_F(FolderPickerTest, BrowseForFolderRunsThePickerModallyAndReturnsTheChoice) {
  const QString folder = Native("f:\\Old Clients\\Client1");
  WhenModalOpens([&](QWidget* modal) {
    auto* shown = qobject_cast<TfrmBrowseForFolder*>(modal);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), "Select the Folder.");
    shown->edtBrowseFolderEdit->setText(folder);
    shown->btnBrowseOK->click();
  });
  EXPECT_EQ(BrowseForFolder(nullptr, "Select the Folder."), "f:\\Old Clients\\Client1");
}

}  // namespace
}  // namespace ordovan::testing
