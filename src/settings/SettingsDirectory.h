#pragma once
// Where the settings live when the program starts: the folder it starts in.
// The run journal sits beside the settings file, so ordovan-cli asks too.

#include <string>

namespace ordovan {

class FileSystem;

// The settings directory start-up takes: the current directory as a program
// path, empty when it cannot be read or is longer than 260 characters.
std::string StartupSettingsDirectory(FileSystem& file_system);

}  // namespace ordovan
