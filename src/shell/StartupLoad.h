#pragma once
// The settings part of the main window's creation step: set the program code,
// take the current directory as the settings directory, then read
// `default.set` there, or, when there is none, put the defaults into the store
// and write a new file at once.

#include <cstddef>
#include <string>

#include "settings/SettingsDirectory.h"

namespace ordovan {

class FileSystem;
class Prompter;
class SettingsStore;

enum class StartupLoadResult {
  kRead,           // the file was there and has been read
  kCreated,        // there was none; the defaults were written to a new file
  kCreateFailed,   // there was none, and writing the new one failed (message 0130 shown)
};

// In this order: the program code becomes "ORDOVAN300"; the settings
// directory becomes StartupSettingsDirectory(); then the default file of that
// directory is opened for reading.
//   Opened:     every stored list is emptied and the file is read (which may
//               replace the program code and the settings directory).
//   Not opened: lists 17, 18 and 19 receive the default extensions, an empty
//               `FileMaskList` receives "*.*", and the file is written.
StartupLoadResult StartupLoad(SettingsStore& store, FileSystem& file_system, Prompter& prompter);

}  // namespace ordovan
