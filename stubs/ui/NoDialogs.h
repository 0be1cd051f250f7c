#pragma once
// Dialogs that nobody answers: every dialog is cancelled. A program that
// wants one answer derives from it and overrides that dialog alone.

#include <string>

#include "uikit/Dialogs.h"

namespace ordovan::stubs {

class NoDialogs : public Dialogs {
 public:
  std::string BrowseForFolder(QWidget*, const std::string&) override { return {}; }
  std::string OpenFileName(QWidget*, const FileDialogRequest&) override { return {}; }
  std::string SaveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
};

}  // namespace ordovan::stubs
