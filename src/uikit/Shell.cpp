#include "uikit/Shell.h"

#include "platform/PathServices.h"

namespace ordovan {

namespace {
class SystemShell : public Shell {
 public:
  void OpenFolder(const std::string& program_path) override { OpenFolderInShell(program_path); }
};
}  // namespace

Shell& Shell::System() {
  static SystemShell shell;
  return shell;
}

}  // namespace ordovan
