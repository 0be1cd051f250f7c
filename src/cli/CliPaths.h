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

// The path as this system writes it, for people reading the output.
std::string NativeTextOf(const std::string& program_path);

}  // namespace ordovan::cli
