#pragma once
// A file system whose current folder is one of the caller's choosing. Start-up
// keeps the settings file in the current folder, so a program that starts
// the windows on it writes its settings there, never where it was started.

#include <string>
#include <utility>

#include "platform/FileSystem.h"

namespace ordovan::stubs {

class TempCurrentFolder : public FileSystemWrapper {
 public:
  TempCurrentFolder(FileSystem* target, std::string folder)
      : FileSystemWrapper(target), folder_(std::move(folder)) {}
  std::string CurrentFolder() override { return folder_; }

 private:
  std::string folder_;
};

}  // namespace ordovan::stubs
