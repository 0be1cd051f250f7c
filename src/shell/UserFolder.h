#pragma once
// Where an installed program keeps a user's settings and run journals on
// Windows: %LOCALAPPDATA%\Ordovan. The program keeps both in the folder it
// starts in; an installer that serves every account of a machine cannot know
// that folder for each of them, so its Start menu entry asks the program to
// go there itself (the option below), whoever starts it.

#include <optional>
#include <string>

namespace ordovan {

class FileSystem;

// The command-line option of the Start menu entry.
inline constexpr char kUserFolderOption[] = "--user-folder";

// The user's folder below `local_app_data` (the value of LOCALAPPDATA, a
// program path). nullopt when the variable is unset, blank or not a full
// path (a drive or a network share first), so the program never settles in
// a folder relative to wherever it was started.
std::optional<std::string> InstalledUserFolder(const std::optional<std::string>& local_app_data);

// Makes the folder of InstalledUserFolder (with its parents) when missing and
// starts the program there. False, with the current folder as it was, when
// there is no such folder or it cannot be made or entered.
bool EnterInstalledUserFolder(FileSystem& fs, const std::optional<std::string>& local_app_data);

}  // namespace ordovan
