#pragma once
// The dialogs of the running program: the folder picker of this program and
// Qt's open and save file dialogs.

#include "shell/ui/Dialogs.h"

namespace ordovan {

class QtDialogs : public Dialogs {
 public:
  std::string BrowseForFolder(QWidget* owner, const std::string& title) override;
  std::string OpenFileName(QWidget* owner, const FileDialogRequest& request) override;
  std::string SaveFileName(QWidget* owner, const FileDialogRequest& request) override;
};

}  // namespace ordovan
