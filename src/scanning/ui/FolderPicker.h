#pragma once
// The folder picker (`BrowseForFolder`): a folder tree limited to folders of
// the file system, the picker's own edit box (a folder typed there and
// confirmed is the choice, so the keyboard alone can pick any folder), and a
// read-only display of the selected folder's path with a check box that
// hides and shows it. The choice comes back as a program path.

#include <QDialog>
#include <string>

class QCheckBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace ordovan {

class TfrmBrowseForFolder : public QDialog {
  Q_OBJECT
 public:
  TfrmBrowseForFolder(QWidget* owner, const std::string& title);

  // Selects a folder given by its native path (Qt form); false when the tree
  // has no such folder.
  bool SelectNativeFolder(const QString& native_path);

  // After the dialog closed: the chosen folder's program path, empty after
  // Cancel or when the choice has no program path.
  const std::string& Result() const { return result_; }

  void done(int code) override;

  QLabel* lblBrowseTitle;
  QTreeView* tvwBrowseFolders;
  QLineEdit* edtBrowseFolderEdit;   // the picker's own edit box
  QLineEdit* edtBrowseFolderPath;   // the path display, first "Dummy"
  QCheckBox* chkBrowseShowEdit;     // "Show the edit control."
  QLabel* lblBrowseFolderNote;      // why a typed folder was not taken
  QPushButton* btnBrowseOK;
  QPushButton* btnBrowseCancel;

 private:
  void SelectionChanged();
  void chkBrowseShowEditClick();
  // The program path of a native folder, a drive root with its backslash.
  static std::string ProgramPathOf(const QString& native_path);
  // The native folder the confirmed dialog stands for; empty when the typed
  // text names no existing folder.
  QString ChosenNativeFolder() const;
  QString SelectedNativeFolder() const;

  QFileSystemModel* model_;
  std::string result_;
};

// The one dialog routine of every "Browse": shows the picker owned by
// `owner` with `title`, starting at the folder chosen last (or the home
// folder), and returns the choice.
std::string BrowseForFolder(QWidget* owner, const std::string& title);

}  // namespace ordovan
