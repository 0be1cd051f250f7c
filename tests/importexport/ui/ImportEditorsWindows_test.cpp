// The import dialog, the delimiter and quotation-mark managers and the list
// editors, driven through their controls from the main window.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QMetaMethod>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "importexport/ListEditing.h"
#include "importexport/ui/TfrmFileImport.h"
#include "importexport/ui/TfrmListEditor.h"
#include "importexport/ui/TfrmListManager.h"
#include "uikit/EntryListView.h"
#include "scanning/ui/TfrmSubFolderListBuilder.h"
#include "settings/SettingsFile.h"
#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

namespace fs = std::filesystem;

const char kBrowseTitle[] = "Import Folder Names (strings) from Files.";
const char kPreviewDone[] = "End of the IMPORT process!";
const char kPreviewDoneTitle[] = "Import File content.            Information no: 0450.";
const char kCreateDone[] = "End of the making FOLDER LIST process! (Preview)";
const char kCreateDoneTitle[] = "Import File content.            Information no: 0451.";
const char kNotTxt[] =
    "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to select "
    "this file ?\nClick YES to Continue Selecting this file,\nClick NO to Stop the Select process.";
const char kNotTxtTitle[] = "Import File content.            Warnings no: 0311.";

class ImportEditorsTest : public AppFixture {
 protected:
  ImportEditorsTest() {
    tree_.Mount("f:");
    StartWindows();
    import = windows().Find<TfrmFileImport>();
    delimiters = windows().Find<TfrmDelimiters>();
  }
  // Browse in the import dialog, answering the file dialog with `file`.
  void Browse(const std::string& file) {
    dialogs_.ExpectOpenFile(kBrowseTitle, file);
    import->btnFileImportBrowse->click();
  }
  void BrowseRead(const std::string& file) {
    prompter_.Expect(MessageKind::kInformation, kPreviewDone, kPreviewDoneTitle);
    Browse(file);
  }
  void Create() {
    prompter_.Expect(MessageKind::kInformation, kCreateDone, kCreateDoneTitle);
    import->btnFileImportFrom->click();
  }
  std::string SettingsPath() const { return SandboxFolder() + "\\default.set"; }

  TfrmFileImport* import = nullptr;
  TfrmDelimiters* delimiters = nullptr;
};

TEST_F(ImportEditorsTest, FromAListFileThroughImportToTheIncludeListAndFind) {
  tree_.Folder("f:\\Old Clients\\Client1\\2016\\docs\\pdf");
  tree_.File("f:\\lists\\road.txt",
             "  \"f:\\Old Clients\\Client1\\2016\\docs\\pdf\"  \r\n"
             "\r\n"
             "'f:\\Old Clients\\Client1\\2016'\r\n"
             "F:\\OLD CLIENTS\\CLIENT1\\2016\r\n"
             "f:\\Docs\r\n");
  main().ExcludeList().Append("f:\\Parked\\One");
  bool driven = false;
  WhenModalOpens([&](QWidget* modal) {
    ASSERT_EQ(modal, import);
    BrowseRead("f:\\lists\\road.txt");
    EXPECT_EQ(import->SourcePreview().size(), 4u);
    EXPECT_EQ(import->lblFileImportSourceLines->text(), "4");
    EXPECT_TRUE(import->rdoFileImportPlainText->isChecked());
    EXPECT_FALSE(import->btnFileImportOk->isEnabled());
    Create();
    // Quotation marks gone, case duplicates merged; the counter shows the
    // position of the last item taken among the parser's items.
    EXPECT_EQ(import->CreatedList().entries(),
              (TEXT_LIST{"f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                         "f:\\Old Clients\\Client1\\2016", "f:\\Docs"}));
    EXPECT_EQ(import->lblFileImportPreviewLines->text(), "4");
    EXPECT_TRUE(import->btnFileImportOk->isEnabled());
    driven = true;
    prompter_.Expect(MessageKind::kWarning, "End of the Import Process !!!\n",
                     "Ordovan        rning no: 140011.");
    import->btnFileImportOk->click();
  });
  main().btnVol14IncludeWindowImportFolderList->click();
  ASSERT_TRUE(driven);
  prompter_.VerifyDone();
  // f:\Docs has one level name only and is not taken over.
  EXPECT_EQ(main().IncludeList().entries(),
            (TEXT_LIST{"f:\\Old Clients\\Client1\\2016\\docs\\pdf",
                       "f:\\Old Clients\\Client1\\2016"}));
  EXPECT_EQ(main().lblVol14IncSum->text(), "2");

  main().findChild<QPushButton*>("btnVol14FindShortestPath")->click();
  auto* old_order = main().findChild<EntryListView*>("lstVol14SubFoldersSource");
  ASSERT_NE(old_order, nullptr);
  EXPECT_EQ(old_order->list().entries(), (TEXT_LIST{"Old Clients", "Client1", "2016"}));

  // Cancel on the next opening keeps the created list and takes nothing.
  WhenModalOpens([&](QWidget*) {
    EXPECT_EQ(import->CreatedList().size(), 3u);
    import->btnFileImportCancel->click();
  });
  prompter_.Expect(MessageKind::kWarning, "End of the Import Process !!!\n",
                   "Ordovan        rning no: 140011.");
  main().btnVol14IncludeWindowImportFolderList->click();
  prompter_.VerifyDone();
  EXPECT_EQ(import->CreatedList().size(), 3u);
}

TEST_F(ImportEditorsTest, FileNamesExtensionsAndUnreadableFiles) {
  tree_.File("f:\\lists\\UPPER.TXT", "f:\\a\\b\n");
  tree_.File("f:\\lists\\noext", "f:\\c\\d\n");
  tree_.File("f:\\lists\\binary.txt", std::string("f:\\e\0\\f\n", 8));
  BrowseRead("f:\\lists\\UPPER.TXT");  // no question: the case is ignored
  Create();
  ASSERT_EQ(import->CreatedList().entries(), (TEXT_LIST{"f:\\a\\b"}));

  // No extension: the question; No changes nothing.
  prompter_.Expect(MessageKind::kQuestion, kNotTxt, kNotTxtTitle, Answer::kNo);
  Browse("f:\\lists\\noext");
  EXPECT_EQ(import->edtFileImportFileName->text().toStdString(), "f:\\lists\\UPPER.TXT");
  EXPECT_EQ(import->SourcePreview().entries(), (TEXT_LIST{"f:\\a\\b"}));

  // A file that is not text is reported. Browse leaves the name, the preview
  // and the created list as they were: the dialog names the file it shows.
  const char kNotText[] =
      "The file is not a text file !\nAction : Choose a plain text or separated file.";
  const char kNotTextTitle[] = "Import File content.            Warnings no: 0315.";
  prompter_.Expect(MessageKind::kWarning, kNotText, kNotTextTitle);
  Browse("f:\\lists\\binary.txt");
  EXPECT_EQ(import->edtFileImportFileName->text().toStdString(), "f:\\lists\\UPPER.TXT");
  EXPECT_EQ(import->SourcePreview().entries(), (TEXT_LIST{"f:\\a\\b"}));
  EXPECT_EQ(import->CreatedList().entries(), (TEXT_LIST{"f:\\a\\b"}));
  // A failed Create takes the earlier file's list away, and IMPORT with it,
  // so the Include list never gets one file's paths under another's name.
  import->edtFileImportFileName->setText("f:\\lists\\binary.txt");
  prompter_.Expect(MessageKind::kWarning, kNotText, kNotTextTitle);
  Create();
  EXPECT_TRUE(import->CreatedList().empty());
  EXPECT_FALSE(import->btnFileImportOk->isEnabled());

  // A file that vanished since the preview: the parser's 0313, the same.
  import->edtFileImportFileName->setText("f:\\lists\\UPPER.TXT");
  Create();
  ASSERT_TRUE(import->btnFileImportOk->isEnabled());
  import->edtFileImportFileName->setText("f:\\lists\\gone.txt");
  prompter_.Expect(MessageKind::kWarning,
                   "There was a problem opening the file !\nAction : The file is maybe corrupted.",
                   "Import File content.            Warnings no: 0313.");
  Create();
  EXPECT_TRUE(import->CreatedList().empty());
  EXPECT_FALSE(import->btnFileImportOk->isEnabled());

  prompter_.Expect(MessageKind::kQuestion, kNotTxt, kNotTxtTitle, Answer::kYes);
  BrowseRead("f:\\lists\\noext");
  EXPECT_EQ(import->SourcePreview().entries(), (TEXT_LIST{"f:\\c\\d"}));
  EXPECT_TRUE(import->CreatedList().empty());
  prompter_.VerifyDone();
}

TEST_F(ImportEditorsTest, SeparatedModesLongLinesAndTheColumnNumber) {
  const std::string long_path = "f:\\" + std::string(3000, 'x') + "\\y";
  tree_.File("f:\\lists\\cols.csv", "f:\\a\\b;f:\\c\\d\n" + long_path + ";f:\\e\\f\n");
  prompter_.Expect(MessageKind::kQuestion, kNotTxt, kNotTxtTitle, Answer::kYes);
  BrowseRead("f:\\lists\\cols.csv");
  // The preview cuts a long line; Create reads the whole one.
  EXPECT_EQ(import->SourcePreview()[1].size(), 2048u);

  import->rdoFileImportSeparatedFile->setFocus();
  ASSERT_TRUE(import->rdoFileImportSeparatedFile->isEnabled());
  import->rdoFileImportSeparatedFile->click();
  EXPECT_TRUE(import->rdoFileImportAllColumns->isChecked());
  EXPECT_TRUE(import->cboFileImportDelimiter->isEnabled());
  EXPECT_FALSE(import->edtFileImportColumnNumber->isEnabled());
  import->cboFileImportDelimiter->setEditText(";");
  Create();
  EXPECT_EQ(import->CreatedList().entries(),
            (TEXT_LIST{"f:\\a\\b", "f:\\c\\d", long_path, "f:\\e\\f"}));

  import->rdoFileImportOneColumn->click();
  EXPECT_TRUE(import->edtFileImportColumnNumber->isEnabled());
  import->edtFileImportColumnNumber->setText("2.9");  // cut toward zero
  Create();
  EXPECT_EQ(import->CreatedList().entries(), (TEXT_LIST{"f:\\c\\d", "f:\\e\\f"}));

  // Not a number: refused before the created list is emptied.
  import->edtFileImportColumnNumber->setText("two");
  prompter_.Expect(MessageKind::kError, "'two' is not a valid integer value.",
                   "Import File content.");
  import->btnFileImportFrom->click();
  EXPECT_EQ(import->CreatedList().size(), 2u);

  // Enter in the file name field browses while IMPORT is disabled; browsing
  // again puts the plain-text mode back.
  EXPECT_TRUE(import->btnFileImportOk->isEnabled());
  emit import->edtFileImportFileName->returnPressed();  // IMPORT's turn: no Browse
  import->CreatedList().Clear();
  import->btnFileImportOk->setEnabled(false);
  prompter_.Expect(MessageKind::kQuestion, kNotTxt, kNotTxtTitle, Answer::kYes);
  prompter_.Expect(MessageKind::kInformation, kPreviewDone, kPreviewDoneTitle);
  dialogs_.ExpectOpenFile(kBrowseTitle, "f:\\lists\\cols.csv");
  emit import->edtFileImportFileName->returnPressed();
  EXPECT_TRUE(dialogs_.Done());
  EXPECT_TRUE(import->rdoFileImportPlainText->isChecked());
  EXPECT_FALSE(import->rdoFileImportSeparatedFile->isChecked());
  EXPECT_FALSE(import->cboFileImportDelimiter->isEnabled());

  // Clear All: the steps go back to the start, the counters stay.
  import->btnFileImportClear->click();
  EXPECT_TRUE(import->CreatedList().empty());
  EXPECT_EQ(import->edtFileImportColumnNumber->text(), "1");
  EXPECT_FALSE(import->btnFileImportFrom->isEnabled());
  EXPECT_FALSE(import->rdoFileImportSeparatedFile->isEnabled());
  EXPECT_EQ(import->lblFileImportPreviewLines->text(), "2");  // item 2 was the last one taken
  prompter_.VerifyDone();
}

TEST_F(ImportEditorsTest, ManagerStoresItsListAndTheImportComboFollows) {
  // First start: the 17 defaults; Close makes them the stored list.
  EXPECT_EQ(delimiters->lists().included().entries(), DefaultDelimiterSet());
  EXPECT_EQ(import->cboFileImportDelimiter->itemText(16), "space");  // the dialog's own order
  WhenModalOpens([&](QWidget* modal) {
    ASSERT_EQ(modal, delimiters);
    delimiters->edtAdd->setText("  ;  ");
    prompter_.Expect(MessageKind::kWarning, "This item is already exist in the Include list !",
                     "Delimiters.            Warning no: 0123.");
    delimiters->btnAdd->click();
    delimiters->edtAdd->setText("+");
    delimiters->btnAdd->click();
    delimiters->lstIncluded->SelectRow(0);  // ","
    ASSERT_EQ(delimiters->lstIncluded->SelectedRows(), (std::vector<std::size_t>{0}));
    delimiters->btnIncToExc->click();
    ASSERT_EQ(delimiters->lists().excluded().entries(), (TEXT_LIST{","}));
    delimiters->edtAdd->setText(",");
    prompter_.Expect(MessageKind::kWarning, "This item is already exist in the Exclude list !",
                     "Delimiters.            Warning no: 0124.");
    delimiters->btnAdd->click();
    // A message box came and went, the window became active again: the
    // moved entry stays out.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(delimiters, &activate);
    EXPECT_FALSE(delimiters->lists().included().Contains(","));
    delimiters->btnClose->click();
  });
  import->btnFileImportManageSeparatorsClick();
  prompter_.VerifyDone();
  EXPECT_EQ(import->cboFileImportDelimiter->itemText(0), ";");
  EXPECT_EQ(import->cboFileImportDelimiter->count(), 17);

  // The settings reader finds the list in the file written on Close.
  SettingsStore read;
  read.SetSettingsDirectory(SandboxFolder());
  RestoreClass(read, *FileSystem::Default()).ReadAll();
  TEXT_LIST expected(DefaultDelimiterSet().begin() + 1, DefaultDelimiterSet().end());
  expected.push_back("+");
  EXPECT_EQ(read.DelimiterList(), expected);
  EXPECT_EQ(read.List(17).size(), 172u);
}

// The twins differ in their titles and limit texts only.
TEST_F(ImportEditorsTest, EachManagerTitlesItsMessages) {
  struct Twin {
    TfrmListManager* window;
    const char* warning;   // title prefix of 0121 to 0124
    const char* managing;  // title prefix of 0125 to 0129
    const char* limit;     // the text of 0126 and 0127
  };
  const Twin twins[] = {
      {delimiters, "Delimiters.            Warning no: ",
       "Managing Delimiters.            Warning no: ", "The limit is 30,000 Delimiters"},
      {windows().Find<TfrmQuotationMarks>(), "QuotationMarks.            Warning no: ",
       "Managing QuotationMarks.            Warning no: ", "The limit is 30,000 QuotationMarks"},
  };
  for (const Twin& twin : twins) {
    TfrmListManager& w = *twin.window;
    const std::string managing = twin.managing;
    w.lists().excluded().AppendAll({"x", "y"});
    w.lstExcluded->SelectRow(0);
    prompter_.Expect(MessageKind::kQuestion,
                     "Do you want to delete selected delimiter(s) from the Exclude list ?",
                     managing + "0128.", Answer::kYes);
    w.btnDelete->click();
    EXPECT_EQ(w.lists().excluded().entries(), (TEXT_LIST{"y"}));
    prompter_.Expect(MessageKind::kQuestion,
                     "Do you want to remove (delete) all delimiter(s) from the Exclude list ?",
                     managing + "0129.", Answer::kNo);
    w.btnRemoveAll->click();
    EXPECT_EQ(w.lists().excluded().entries(), (TEXT_LIST{"y"}));
    w.edtAdd->setText(" ");
    prompter_.Expect(MessageKind::kWarning,
                     "The text field is empty !\nAction : You must enter some text to add to the "
                     "Include List.",
                     std::string(twin.warning) + "0122.");
    w.btnAdd->click();

    TEXT_LIST many;
    for (int i = 0; i < 30001; ++i) many.push_back("e" + std::to_string(i));
    w.lists().excluded().AppendAll(many);
    prompter_.Expect(MessageKind::kWarning, twin.limit, managing + "0127.");
    w.btnExchange->click();
    prompter_.Expect(MessageKind::kWarning, twin.limit, managing + "0126.");
    w.btnAllExcToInc->click();
    prompter_.VerifyDone();
  }
}

TEST_F(ImportEditorsTest, ASettingsFileRemovedWhileAManagerIsOpenLosesNothing) {
  auto* marks = windows().Find<TfrmQuotationMarks>();
  settings_.AppendDelimiter("|");
  WhenModalOpens([&](QWidget*) {
    fs::remove(tree_.root() / "default.set");
    marks->edtAdd->setText("*");
    marks->btnAdd->click();
    marks->btnClose->click();
  });
  // Opened after the file is gone: the activation reload finds nothing and
  // keeps the store, so the write on Close holds every list.
  fs::remove(tree_.root() / "default.set");
  marks->exec();
  SettingsStore read;
  read.SetSettingsDirectory(SandboxFolder());
  RestoreClass(read, *FileSystem::Default()).ReadAll();
  EXPECT_EQ(read.DelimiterList(), (TEXT_LIST{"|"}));
  EXPECT_EQ(read.QuotationMarkList().back(), "*");
  EXPECT_EQ(read.QuotationMarkList()[3], "\",");
  EXPECT_EQ(read.List(17).size(), 172u);
  EXPECT_EQ(read.List(19).size(), 215u);
}

TEST_F(ImportEditorsTest, IncludeEditorWorkedExampleAndARefusedCheckKeepsTheText) {
  main().IncludeList().Assign({"f:\\Before\\Edit"});
  main().RefreshAfterListChange();
  auto* editor = windows().Find<TfrmVol14EditIncludeList>();
  const QString bad = "f:\\ok\\path\nOld Clients\\Client1\n";
  WhenModalOpens([&](QWidget* modal) {
    ASSERT_EQ(modal, editor);
    EXPECT_EQ(editor->mmoEdit->toPlainText(), "f:\\Before\\Edit\n");
    EXPECT_EQ(editor->lblLinesSum->text(), "1");
    editor->mmoEdit->setPlainText(bad);
    prompter_.Expect(MessageKind::kWarning,
                     CheckEditedPaths({"f:\\ok\\path", "Old Clients\\Client1"}),
                     "Ordovan.          Warning no: 140035.");
    editor->btnOk->click();
    // Still open, with what the user typed; the list is as before.
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->mmoEdit->toPlainText(), bad);
    EXPECT_EQ(main().IncludeList().entries(), (TEXT_LIST{"f:\\Before\\Edit"}));
    editor->mmoEdit->setPlainText(
        "f:\\Old Clients\\Client1\\2016\n\nF:/old clients//client1/2016\nf:\\Docs");
    editor->btnOk->click();
  });
  main().btnVol14IncludeWindowEditList->click();
  prompter_.VerifyDone();
  EXPECT_EQ(main().IncludeList().entries(), (TEXT_LIST{"f:\\Old Clients\\Client1\\2016"}));
  EXPECT_EQ(main().lblVol14IncSum->text(), "1");
  EXPECT_TRUE(editor->mmoEdit->toPlainText().isEmpty());

  WhenModalOpens([&](QWidget*) {
    editor->mmoEdit->setPlainText("f:\\x\\y");
    editor->btnCancel->click();
  });
  main().btnVol14IncludeWindowEditList->click();
  EXPECT_EQ(main().IncludeList().entries(), (TEXT_LIST{"f:\\Old Clients\\Client1\\2016"}));
}

TEST_F(ImportEditorsTest, BuilderEditorKeepsOneLevelPathsAndDropsExcludedOnes) {
  auto* builder = windows().Find<TfrmSubFolderListBuilder>();
  auto* editor = windows().Find<TfrmFLLEditIncludeFolderList>();
  builder->IncludeList().Assign({"d:\\x\\y"});
  builder->ExcludeList().Assign({"f:\\parked\\one"});
  WhenModalOpens([&](QWidget* modal) {
    ASSERT_EQ(modal, editor);
    EXPECT_EQ(editor->mmoEdit->toPlainText(), "d:\\x\\y\n");
    EXPECT_EQ(editor->lblLinesSum->text(), "1");
    editor->mmoEdit->setPlainText("x\\y");
    prompter_.Expect(MessageKind::kWarning, CheckEditedPaths({"x\\y"}),
                     "Folder Level List Builder.            Warning no: 0385bc.");
    editor->btnOk->click();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(builder->IncludeList().entries(), (TEXT_LIST{"d:\\x\\y"}));
    editor->mmoEdit->setPlainText("f:\\a\nF:\\PARKED\\ONE\n f:/b//c \n");
    editor->btnOk->click();
  });
  builder->btnEditIncludeList->click();
  prompter_.VerifyDone();
  EXPECT_EQ(builder->IncludeList().entries(), (TEXT_LIST{"f:\\a", "f:\\b\\c"}));
  EXPECT_EQ(builder->lblIncludeSum->text(), "2");
}

TEST_F(ImportEditorsTest, SmartImportEditorKeepsThirtyThousandOfThirtyThousandAndOneLines) {
  tree_.File("f:\\lists\\one.txt", "a\n");
  BrowseRead("f:\\lists\\one.txt");
  Create();
  auto* editor = windows().Find<TfrmEditSmartImport>();
  QString text;
  for (int i = 0; i <= 30000; ++i) text += QString("f:\\item%1\n").arg(i);
  WhenModalOpens([&](QWidget* modal) {
    ASSERT_EQ(modal, editor);
    EXPECT_EQ(editor->mmoEdit->toPlainText(), "a\n");
    editor->mmoEdit->setPlainText(text);
    prompter_.Expect(
        MessageKind::kWarning,
        "In this Version you can enter or load\nmaximum 30,000 Folders/Subfolders!\n\n",
        "Edit Import Folders/Subfolders.            Warning no: 0297.");
    editor->btnOk->click();
  });
  import->btnSmartImportPreviewEdit->click();
  prompter_.VerifyDone();
  EXPECT_EQ(import->CreatedList().size(), 30000u);
  EXPECT_EQ(import->CreatedList()[29999], "f:\\item29999");
  // The counter and IMPORT keep their state until the list is created again.
  EXPECT_EQ(import->lblFileImportPreviewLines->text(), "1");
}

}  // namespace
}  // namespace ordovan::testing

namespace ordovan::testing {
namespace {

// Pressing a button that nothing hears would do nothing: every button of
// every window is wired, and every control is named for assistive tools.
// Whether anything listens to a signal of a button (the check is protected in
// QObject; a derived class may hand out its address).
struct SignalPeek : QObject {
  static bool Connected(const QObject* object, const QMetaMethod& signal) {
    bool (QObject::*connected)(const QMetaMethod&) const = &SignalPeek::isSignalConnected;
    return (object->*connected)(signal);
  }
};

class EveryWindowTest : public AppFixture {
 protected:
  EveryWindowTest() { StartWindows(); }
};

TEST_F(EveryWindowTest, EveryButtonIsWiredAndEveryControlNamed) {
  for (QWidget* window : windows().All()) {
    // Check boxes and radio buttons hold choices that commands read; these two
    // push buttons act by taking the focus (Cut) or through the event pump (the Stops).
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      if (button->objectName() == "btnVol14CutLeadSubFolders" ||
          button->objectName() == "btnBuilderStop" || button->objectName() == "btnVol14Stop" ||
          button->objectName() == "btnStat14Stop") {
        continue;
      }
      const QString where = window->objectName() + "/" + button->objectName();
      const bool wired =
          SignalPeek::Connected(button, QMetaMethod::fromSignal(&QAbstractButton::clicked)) ||
          SignalPeek::Connected(button, QMetaMethod::fromSignal(&QAbstractButton::toggled)) ||
          SignalPeek::Connected(button, QMetaMethod::fromSignal(&QAbstractButton::pressed));
      if (!button->objectName().startsWith("qt_")) {
        EXPECT_TRUE(wired) << where.toStdString();
      }
    }
  }
  for (const char* name : {"frmFileImport", "frmDelimiters", "frmQuotationMarks",
                           "frmVol14EditIncludeList", "frmFLLEditIncludeFolderList",
                           "frmEditSmartImport"}) {
    QWidget* window = nullptr;
    for (QWidget* w : windows().All()) {
      if (w->objectName() == name) window = w;
    }
    ASSERT_NE(window, nullptr) << name;
    for (QWidget* control : window->findChildren<QWidget*>()) {
      const bool named_kind = qobject_cast<QAbstractButton*>(control) ||
                              qobject_cast<QLineEdit*>(control) ||
                              qobject_cast<QComboBox*>(control) ||
                              qobject_cast<QPlainTextEdit*>(control) ||
                              qobject_cast<QAbstractItemView*>(control);
      if (!named_kind || control->objectName().isEmpty() ||
          control->objectName().startsWith("qt_")) {
        continue;
      }
      EXPECT_FALSE(control->accessibleName().isEmpty())
          << name << "/" << control->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace ordovan::testing
