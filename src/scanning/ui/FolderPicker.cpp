#include "scanning/ui/FolderPicker.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/NativePath.h"
#include "platform/PathServices.h"
#include "uikit/QtText.h"

namespace ordovan {

namespace {
QString LastChosenFolder;  // native, Qt form: where the next picker starts
}  // namespace

TfrmBrowseForFolder::TfrmBrowseForFolder(QWidget* owner, const std::string& title)
    : QDialog(owner), model_(new QFileSystemModel(this)) {
  setObjectName("frmBrowseForFolder");
  setWindowTitle(ToQt(title));
  setModal(true);

  lblBrowseTitle = new QLabel(ToQt(title), this);
  lblBrowseTitle->setObjectName("lblBrowseTitle");

  // Folders of the file system only.
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setReadOnly(true);
  model_->setRootPath(QString());

  tvwBrowseFolders = new QTreeView(this);
  tvwBrowseFolders->setObjectName("tvwBrowseFolders");
  tvwBrowseFolders->setAccessibleName("Folders");
  tvwBrowseFolders->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) {
    tvwBrowseFolders->hideColumn(column);
  }
  tvwBrowseFolders->header()->hide();
  tvwBrowseFolders->setSelectionMode(QAbstractItemView::SingleSelection);
  tvwBrowseFolders->setMinimumSize(290, 170);

  auto* edit_label = new QLabel("&Folder:", this);
  edtBrowseFolderEdit = new QLineEdit(this);
  edtBrowseFolderEdit->setObjectName("edtBrowseFolderEdit");
  edtBrowseFolderEdit->setAccessibleName("Folder:");
  edit_label->setBuddy(edtBrowseFolderEdit);

  chkBrowseShowEdit = new QCheckBox("Show the edit control.", this);
  chkBrowseShowEdit->setObjectName("chkBrowseShowEdit");
  chkBrowseShowEdit->setChecked(true);

  edtBrowseFolderPath = new QLineEdit("Dummy", this);
  edtBrowseFolderPath->setObjectName("edtBrowseFolderPath");
  edtBrowseFolderPath->setAccessibleName("Selected folder path");
  edtBrowseFolderPath->setReadOnly(true);
  edtBrowseFolderPath->setFocusPolicy(Qt::NoFocus);

  lblBrowseFolderNote = new QLabel(this);
  lblBrowseFolderNote->setObjectName("lblBrowseFolderNote");
  lblBrowseFolderNote->setStyleSheet("color: maroon;");
  lblBrowseFolderNote->hide();

  auto* buttons = new QDialogButtonBox(this);
  btnBrowseOK = buttons->addButton(QDialogButtonBox::Ok);
  btnBrowseOK->setObjectName("btnBrowseOK");
  btnBrowseCancel = buttons->addButton(QDialogButtonBox::Cancel);
  btnBrowseCancel->setObjectName("btnBrowseCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblBrowseTitle);
  layout->addWidget(tvwBrowseFolders, 1);
  auto* edit_row = new QHBoxLayout;
  edit_row->addWidget(edit_label);
  edit_row->addWidget(edtBrowseFolderEdit, 1);
  layout->addLayout(edit_row);
  layout->addWidget(chkBrowseShowEdit);
  layout->addWidget(edtBrowseFolderPath);
  layout->addWidget(lblBrowseFolderNote);
  layout->addWidget(buttons);
  resize(440, 480);

  connect(tvwBrowseFolders->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TfrmBrowseForFolder::SelectionChanged);
  // Toggled, not clicked: an assistive tool's Toggle is no click.
  connect(chkBrowseShowEdit, &QCheckBox::toggled, this,
          &TfrmBrowseForFolder::chkBrowseShowEditClick);
  connect(edtBrowseFolderEdit, &QLineEdit::textEdited, lblBrowseFolderNote, &QLabel::hide);
  tvwBrowseFolders->setFocus();
}

bool TfrmBrowseForFolder::SelectNativeFolder(const QString& native_path) {
  const QModelIndex index = model_->index(QDir::cleanPath(native_path));
  if (!index.isValid()) return false;
  tvwBrowseFolders->setCurrentIndex(index);
  tvwBrowseFolders->scrollTo(index, QAbstractItemView::PositionAtCenter);
  return true;
}

void TfrmBrowseForFolder::SelectionChanged() {
  const QString native = SelectedNativeFolder();
  const QString program = native.isEmpty() ? QString() : ToQt(ProgramPathOf(native));
  edtBrowseFolderPath->setText(program);
  // The edit box follows the tree unless the user is typing in it.
  if (!edtBrowseFolderEdit->hasFocus()) edtBrowseFolderEdit->setText(program);
  lblBrowseFolderNote->hide();
}

void TfrmBrowseForFolder::chkBrowseShowEditClick() {
  edtBrowseFolderPath->setVisible(chkBrowseShowEdit->isChecked());
}

QString TfrmBrowseForFolder::SelectedNativeFolder() const {
  const QModelIndex current = tvwBrowseFolders->currentIndex();
  if (!current.isValid()) return {};
  return model_->filePath(current);
}

std::string TfrmBrowseForFolder::ProgramPathOf(const QString& native_path) {
  if (native_path.isEmpty()) return {};
  const std::optional<std::string> program =
      ToProgramPath(Utf8ToNative(FromQt(QDir::toNativeSeparators(native_path))));
  if (!program || program->empty()) return {};
  std::string path = *program;
  // A drive root comes back with its trailing backslash.
  if (path.size() == 2 && path[1] == ':') path += '\\';
  return path;
}

QString TfrmBrowseForFolder::ChosenNativeFolder() const {
  const QString selected = SelectedNativeFolder();
  const QString typed = edtBrowseFolderEdit->text().trimmed();
  if (typed.isEmpty() || (!selected.isEmpty() && typed == ToQt(ProgramPathOf(selected)))) {
    return selected;
  }
  const std::string text = FromQt(typed);
  QString native;
  if (!PlatformDriveOf(text).empty()) {
    const std::optional<std::filesystem::path> path = ToNativePath(text);
    if (!path) return {};
    native = ToQt(NativeToUtf8(*path));
  } else if (QDir::isAbsolutePath(typed)) {
    native = typed;
  } else if (!selected.isEmpty()) {
    native = QDir(selected).filePath(typed);  // a name below the selected folder
  } else {
    return {};
  }
  native = QDir::cleanPath(native);
  return QFileInfo(native).isDir() ? native : QString();
}

void TfrmBrowseForFolder::done(int code) {
  if (code == QDialog::Accepted) {
    const QString native = ChosenNativeFolder();
    if (native.isEmpty() && !edtBrowseFolderEdit->text().trimmed().isEmpty()) {
      // A typed folder that does not exist: stay open, say why.
      lblBrowseFolderNote->setText("There is no such folder.");
      lblBrowseFolderNote->show();
      edtBrowseFolderEdit->setFocus();
      edtBrowseFolderEdit->selectAll();
      return;
    }
    result_ = ProgramPathOf(native);
    if (!native.isEmpty()) LastChosenFolder = native;
  } else {
    result_.clear();
  }
  QDialog::done(code);
}

std::string BrowseForFolder(QWidget* owner, const std::string& title) {
  TfrmBrowseForFolder picker(owner, title);
  const QString start = LastChosenFolder.isEmpty() ? QDir::homePath() : LastChosenFolder;
  picker.SelectNativeFolder(start);
  picker.exec();
  return picker.Result();
}

}  // namespace ordovan
