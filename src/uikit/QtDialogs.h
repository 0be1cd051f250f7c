#pragma once
// The dialogs of the running program: the program's folder picker (handed in
// by start-up, as it is a window of its own) and Qt's open and save file
// dialogs.

#include <functional>

#include "uikit/Dialogs.h"

namespace ordovan {

class QtDialogs : public Dialogs {
 public:
  using FolderPicker = std::function<std::string(QWidget* owner, const std::string& title)>;
  explicit QtDialogs(FolderPicker folder_picker) : folder_picker_(std::move(folder_picker)) {}

  std::string BrowseForFolder(QWidget* owner, const std::string& title) override;
  std::string OpenFileName(QWidget* owner, const FileDialogRequest& request) override;
  std::string SaveFileName(QWidget* owner, const FileDialogRequest& request) override;

 private:
  FolderPicker folder_picker_;
};

}  // namespace ordovan
