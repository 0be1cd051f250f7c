#pragma once
// Paths on the command line: a program path (`f:\Old Clients`, `f:/Old
// Clients`, `\\server\share\x`) is taken as it is, with its separators made
// backslashes; anything else is a native path of this system, relative to
// the current directory, and becomes the program path that names it.

#include <optional>
#include <string>

namespace ordovan::cli {

// The program path an argument names; nullopt when a native path has none
// (on POSIX: a name holding a backslash).
std::optional<std::string> ProgramPathOfArgument(const std::string& argument);

// The path as this system writes it, for people and scripts reading the
// output. On Windows a program path is the system's own form already.
std::string NativeTextOf(const std::string& program_path);

// A path of the output: as this system writes it, or with --program-paths
// as the program writes it (`c:\srv\files`).
std::string ShownPath(const std::string& program_path, bool program_paths);

}  // namespace ordovan::cli
