#pragma once
// What a command-line program needs from its process: its arguments as UTF-8
// and whether its standard streams are terminals.

#include <string>
#include <vector>

namespace ordovan {

// The program's arguments after its own name, as UTF-8. On Windows they are
// read from the wide command line, so names outside the ANSI code page stay
// whole; elsewhere argv is taken as it is.
std::vector<std::string> ProgramArguments(int argc, char** argv);

enum class StandardStream { kInput, kOutput, kError };
// True when the stream is a terminal (a console window on Windows), false for
// a file or a pipe.
bool IsTerminal(StandardStream stream);

}  // namespace ordovan
