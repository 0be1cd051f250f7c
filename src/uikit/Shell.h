#pragma once
// Asking the system shell to "open" a folder: it shows the folder in the
// system's file explorer. Callers ignore the outcome.

#include <string>

namespace ordovan {

class Shell {
 public:
  Shell() = default;
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;
  virtual ~Shell() = default;

  // Opens `program_path` in the file explorer, in a normally sized window.
  // Nothing happens when the folder does not exist or the shell refuses.
  virtual void OpenFolder(const std::string& program_path) = 0;

  // The system's shell (OpenFolderInShell of the platform). Lives until the end.
  static Shell& System();
};

}  // namespace ordovan
