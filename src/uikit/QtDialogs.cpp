#include "uikit/QtDialogs.h"

#include <QDir>
#include <QFileDialog>

#include "platform/NativePath.h"
#include "uikit/QtText.h"

namespace ordovan {

namespace {

QString NativeFolderOf(const std::string& program_path) {
  if (program_path.empty()) return {};
  const auto native = ToNativePath(program_path);
  return native ? ToQt(NativeToUtf8(*native)) : QString();
}

std::string ProgramPathOf(const QString& native) {
  if (native.isEmpty()) return {};
  const auto program = ToProgramPath(Utf8ToNative(FromQt(QDir::toNativeSeparators(native))));
  return program ? *program : std::string();
}

// The Qt dialog's own widgets, not the native one, so that the same dialog
// appears on every platform and in the offscreen tests.
QFileDialog::Options DialogOptions() { return QFileDialog::DontUseNativeDialog; }

std::string RunFileDialog(QWidget* owner, const FileDialogRequest& request,
                          QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, ToQt(request.title), NativeFolderOf(request.initial_folder),
                     ToQt(request.filter));
  QFileDialog::Options options = DialogOptions();
  if (!request.confirm_overwrite) options |= QFileDialog::DontConfirmOverwrite;
  dialog.setOptions(options);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  if (!request.default_extension.empty()) dialog.setDefaultSuffix(ToQt(request.default_extension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return ProgramPathOf(dialog.selectedFiles().front());
}

}  // namespace

std::string QtDialogs::BrowseForFolder(QWidget* owner, const std::string& title) {
  return folder_picker_ ? folder_picker_(owner, title) : std::string();
}

std::string QtDialogs::OpenFileName(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::string QtDialogs::SaveFileName(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, QFileDialog::AcceptSave);
}

}  // namespace ordovan
