#pragma once
// A Shell that opens nothing, so no file explorer appears while a program
// drives the windows.

#include <string>

#include "uikit/Shell.h"

namespace ordovan::stubs {

class NoShell : public Shell {
 public:
  void OpenFolder(const std::string&) override {}
};

}  // namespace ordovan::stubs
