#include "importexport/ui/TfrmFileExport.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "importexport/ListFiles.h"
#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "platform/EventPump.h"
#include "settings/SettingsStore.h"
#include "support/FaultyFileSystem.h"
#include "support/ui/AppFixture.h"
#include "support/ui/QueuedDialogs.h"

namespace ordovan {
namespace {

using testing::FileBytes;

constexpr const char* kSaveTitle = "Export Folder Names (strings) to a file.";
constexpr const char* kTarget = "f:\\out\\list.txt";
constexpr const char* kEndTitle = "Ordovan 3.00";
constexpr const char* kCannotSaveText =
    "There was a problem saving the file !\nAction : The file is maybe corrupted.";
constexpr const char* kCannotSaveTitle = "Export Conrent to File.            Warning no: 0330.";

class FileExportTest : public ::testing::Test {
 protected:
  FileExportTest() : faulty_(FileSystem::Default()) {
    tree_.Mount("f:");
    tree_.Folder("f:\\out");
    services_.prompter = &prompter_;
    services_.dialogs = &dialogs_;
    services_.file_system = &faulty_;
    services_.pump = &EventPump::None();
    services_.settings = &settings_;
    dialog_ = std::make_unique<TfrmFileExport>(services_);
  }

  // The hand-over every caller makes, then `while_open` inside the modal
  // dialog, which is closed after it.
  void Open(const TEXT_LIST& items, const std::function<void()>& while_open,
            const std::string& kind = "FOLDERS") {
    dialog_->Reset();
    for (const std::string& item : items) {
      if (!dialog_->ShownList().Contains(item)) dialog_->ShownList().Append(item);
    }
    dialog_->ShowSourceCount(dialog_->ShownList().size());
    dialog_->SetKind(kind);
    bool ran = false;
    testing::WhenModalOpens([&](QWidget* modal) {
      EXPECT_EQ(modal, dialog_.get());
      while_open();
      ran = true;
      dialog_->btnFileExportClose->click();
    });
    dialog_->ShowModally();
    EXPECT_TRUE(ran);
  }

  // "Export To..." answered with `target` in the save dialog.
  void ExportTo(const std::string& target) {
    dialogs_.ExpectSaveFile(kSaveTitle, target);
    dialog_->btnFileExportTo->click();
  }
  void ExpectEnd() {
    prompter_.Expect(MessageKind::kPlain, "End of the exporting process.", kEndTitle);
  }
  TEXT_LIST Shown() { return dialog_->ShownList().entries(); }
  QString Exported() { return dialog_->lblSmartExportExported->text(); }

  testing::TempTree tree_;
  testing::RecordingPrompter prompter_;
  testing::QueuedDialogs dialogs_;
  testing::FaultyFileSystem faulty_;
  SettingsStore settings_;
  AppServices services_;
  std::unique_ptr<TfrmFileExport> dialog_;
};

TEST_F(FileExportTest, CreationStateAndAccessibleNames) {
  TfrmFileExport& d = *dialog_;
  EXPECT_EQ(d.windowTitle(), "Export Datas to a File.");
  EXPECT_TRUE(d.rdoFileExportPlainTextFile->isChecked());
  EXPECT_FALSE(d.cboFileExportDelimiter->isEnabled());
  EXPECT_FALSE(d.chkFileExportQuotationMarks->isChecked());
  EXPECT_TRUE(d.rdoFileExportUnModified->isChecked());
  EXPECT_TRUE(d.rdoExportWithBackSlashes->isChecked());
  EXPECT_EQ(d.lblSmartExportSource->text(), "0");
  EXPECT_EQ(d.lblSmartExportExported->text(), "0");
  EXPECT_EQ(d.Kind(), "FOLDERS");
  EXPECT_EQ(d.lstFileExportSource->HorizontalExtent(), 2000);
  ASSERT_EQ(d.cboFileExportDelimiter->count(), 17);
  EXPECT_EQ(d.cboFileExportDelimiter->currentText(), ",");
  EXPECT_EQ(d.cboFileExportDelimiter->itemText(1), "space");
  EXPECT_EQ(d.rdoFileExportWithoutDriveLetter->toolTip(),
            "Export Folders without Drive Letter, strings Unmodified.");
  for (QWidget* control : d.findChildren<QWidget*>()) {
    const QString name = control->objectName();
    for (const char* prefix : {"lst", "lbl", "rdo", "chk", "cbo", "btn"}) {
      if (name.startsWith(prefix)) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(face, nullptr) << name.toStdString();
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << name.toStdString();
      }
    }
  }

  // strings have no drive letters to remove; the choice stays as it was
  Open({"f:\\a"}, [&] {
    EXPECT_FALSE(d.rdoFileExportUnModified->isEnabled());
    EXPECT_FALSE(d.rdoFileExportWithoutDriveLetter->isEnabled());
    EXPECT_TRUE(d.rdoFileExportUnModified->isChecked());
  }, " strings ");
  Open({"f:\\a"}, [&] { EXPECT_TRUE(d.rdoFileExportWithoutDriveLetter->isEnabled()); });

  // a stored delimiter list wins; an entry it holds twice is offered once
  settings_.AppendDelimiter(";");
  settings_.AppendDelimiter("Tab");
  settings_.AppendDelimiter("tab");
  TfrmFileExport stored(services_);
  ASSERT_EQ(stored.cboFileExportDelimiter->count(), 2);
  EXPECT_EQ(stored.cboFileExportDelimiter->itemText(1), "Tab");
}

TEST_F(FileExportTest, ExportsWhatTheShownListPromisesInEveryFormat) {
  const TEXT_LIST items = {"f:\\Old Clients\\Client1\\2016", "F:\\OLD CLIENTS\\CLIENT1\\2016",
                           "g:\\Old Clients\\Client1\\2016", "\\\\srv\\share\\a"};
  Open(items, [&] {
    EXPECT_EQ(Shown(), (TEXT_LIST{"f:\\Old Clients\\Client1\\2016", "g:\\Old Clients\\Client1\\2016",
                                  "\\\\srv\\share\\a"}));
    ExpectEnd();
    ExportTo(kTarget);
    EXPECT_EQ(FileBytes(tree_, kTarget),
              "f:\\Old Clients\\Client1\\2016\r\ng:\\Old Clients\\Client1\\2016\r\n"
              "\\\\srv\\share\\a\r\n");
    EXPECT_EQ(Exported(), "3");
    const FileDialogRequest& save = dialogs_.last_file_request();
    EXPECT_EQ(save.filter, "Text Files (*.txt);;Comma Separated (*.csv);;All Files (*.*)");
    EXPECT_EQ(save.default_extension, "txt");
    EXPECT_FALSE(save.confirm_overwrite);  // the dialog asks itself, once

    // folder templates: two items become one; the counters start again
    dialog_->rdoFileExportWithoutDriveLetter->click();
    dialog_->rdoExportWithForwardSlashes->click();
    EXPECT_EQ(Shown(), (TEXT_LIST{"/Old Clients/Client1/2016", "//srv/share/a"}));
    EXPECT_EQ(dialog_->lblSmartExportSource->text(), "2");
    EXPECT_EQ(Exported(), "0");
    dialog_->rdoFileExportCSVSeparatedFile->click();
    EXPECT_TRUE(dialog_->cboFileExportDelimiter->isEnabled());
    dialog_->cboFileExportDelimiter->setEditText("  ;  ");
    dialog_->chkFileExportQuotationMarks->setChecked(true);
    prompter_.Expect(MessageKind::kQuestion,
                     std::string("The file already exists !\n") + kTarget +
                         "\n\nDo you want to replace it?",
                     "Export Content to a File.            Question no: 0331.", Answer::kYes);
    ExpectEnd();
    ExportTo(kTarget);
    EXPECT_EQ(FileBytes(tree_, kTarget), "\"/Old Clients/Client1/2016\";\"//srv/share/a\";");
    EXPECT_EQ(Exported(), "2");  // the last export only

    dialog_->cboFileExportDelimiter->setEditText("space");
    dialog_->chkFileExportQuotationMarks->setChecked(false);
    ExpectEnd();
    ExportTo("f:\\out\\spaced.txt");
    EXPECT_EQ(FileBytes(tree_, "f:\\out\\spaced.txt"), "/Old Clients/Client1/2016 //srv/share/a ");
    dialog_->rdoFileExportPlainTextFile->click();
    EXPECT_FALSE(dialog_->cboFileExportDelimiter->isEnabled());
  });

  // Reopened with a new list: the kept choices apply to it at once, so the
  // preview is what gets written.
  Open({"c:\\x\\y"}, [&] {
    EXPECT_EQ(Shown(), TEXT_LIST{"/x/y"});
    EXPECT_EQ(dialog_->CallersItems(), TEXT_LIST{"c:\\x\\y"});
    ExpectEnd();
    ExportTo("f:\\out\\again.txt");
    EXPECT_EQ(FileBytes(tree_, "f:\\out\\again.txt"), "/x/y\r\n");
  });
  prompter_.VerifyDone();
  EXPECT_TRUE(dialogs_.Done());
}

TEST_F(FileExportTest, BadInputNeverTouchesAFileOrClaimsSuccess) {
  tree_.File(kTarget, "the old list\r\n");
  TEXT_LIST items;
  for (int i = 0; i < 3000; ++i) items.push_back("f:\\folder\\" + std::to_string(i));
  Open(items, [&] {
    ExpectEnd();
    ExportTo("f:\\out\\first.txt");
    ASSERT_EQ(Exported(), "3000");

    // an existing file: No leaves it byte-identical and the counter as it was
    prompter_.Expect(MessageKind::kQuestion,
                     std::string("The file already exists !\n") + kTarget +
                         "\n\nDo you want to replace it?",
                     "Export Content to a File.            Question no: 0331.", Answer::kNo);
    ExportTo(kTarget);
    EXPECT_EQ(FileBytes(tree_, kTarget), "the old list\r\n");
    EXPECT_EQ(Exported(), "3000");

    // the disk fills up midway: 0330, the old file stays, no partial file
    faulty_.FailWriteAfter(10000);
    prompter_.Expect(MessageKind::kQuestion,
                     std::string("The file already exists !\n") + kTarget +
                         "\n\nDo you want to replace it?",
                     "Export Content to a File.            Question no: 0331.", Answer::kYes);
    prompter_.Expect(MessageKind::kWarning, kCannotSaveText, kCannotSaveTitle);
    ExportTo(kTarget);
    EXPECT_EQ(FileBytes(tree_, kTarget), "the old list\r\n");
    DIR_ENTRIES entries;
    FileSystem::Default()->ListFolder("f:\\out", &entries);
    EXPECT_EQ(entries.size(), 2u) << "a temporary file was left behind";
    EXPECT_EQ(Exported(), "3000");

    // a folder given as the file
    prompter_.Expect(MessageKind::kWarning, kCannotSaveText, kCannotSaveTitle);
    ExportTo("f:\\out");

    // cancel in the save dialog: nothing happens
    ExportTo("");

    // an empty delimiter is refused before the save dialog
    dialog_->rdoFileExportCSVSeparatedFile->click();
    dialog_->cboFileExportDelimiter->setEditText(" \t ");
    prompter_.Expect(MessageKind::kWarning,
                     "The Delimiter is empty !\nAction : Choose or type a Delimiter for the "
                     "Separated File.",
                     "Export Content to a File.            Warning no: 0386.");
    dialog_->btnFileExportTo->click();

    // 3,000 items make a line longer than the import reads back
    dialog_->cboFileExportDelimiter->setEditText(",");
    prompter_.Expect(MessageKind::kWarning,
                     "The separated line would be longer than 32767 characters !\nAction : Export "
                     "to a Plain Text File (one line - one string), or export fewer strings.",
                     "Export Content to a File.            Warning no: 0387.");
    dialog_->btnFileExportTo->click();
    dialog_->rdoFileExportPlainTextFile->click();
  });

  // characters no folder name may hold: the report, no save dialog
  Open({"f:\\a|b"}, [&] {
    prompter_.Expect(MessageKind::kWarning,
                     "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  "
                     "(total: 1) \nSyntax Error:  |    f:\\a|b\n\n",
                     "Export Content to a File.            Warning no: 0385bc.");
    dialog_->btnFileExportTo->click();
  });
  prompter_.VerifyDone();
  EXPECT_TRUE(dialogs_.Done());
}

}  // namespace
}  // namespace ordovan
