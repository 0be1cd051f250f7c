#pragma once
// The system dialogs a command opens and waits for: the folder picker and the
// open and save file dialogs. Paths go in and out as program paths. Tests use
// a double that answers from a queue.

#include <string>

class QWidget;

namespace ordovan {

struct FileDialogRequest {
  std::string title;
  std::string filter;             // Qt form: "Text files (*.txt);;All files (*)"
  std::string default_extension;  // without the dot; appended when the name has none
  std::string initial_folder;     // program path; empty for the dialog's own choice
  // Save dialogs: the dialog asks before an existing file is chosen. A caller
  // that asks through its own Prompter turns this off, so the user is asked once.
  bool confirm_overwrite = true;
};

class Dialogs {
 public:
  Dialogs() = default;
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;
  virtual ~Dialogs() = default;

  // The folder picker, owned by `owner`, with `title`. Returns the chosen
  // folder's program path (a drive root with its trailing backslash), or an
  // empty text when the user cancels or the choice has no program path.
  virtual std::string BrowseForFolder(QWidget* owner, const std::string& title) = 0;
  // An existing file to read; empty when cancelled.
  virtual std::string OpenFileName(QWidget* owner, const FileDialogRequest& request) = 0;
  // A file name to write; empty when cancelled.
  virtual std::string SaveFileName(QWidget* owner, const FileDialogRequest& request) = 0;
};

}  // namespace ordovan
