#include "platform/ProcessStreams.h"

#include <unistd.h>

namespace ordovan {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

bool IsTerminal(StandardStream stream) {
  switch (stream) {
    case StandardStream::kInput:
      return ::isatty(STDIN_FILENO) == 1;
    case StandardStream::kOutput:
      return ::isatty(STDOUT_FILENO) == 1;
    case StandardStream::kError:
      return ::isatty(STDERR_FILENO) == 1;
  }
  return false;
}

}  // namespace ordovan
