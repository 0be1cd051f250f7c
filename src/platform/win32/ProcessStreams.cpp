#include "platform/ProcessStreams.h"

#include <windows.h>

#include <io.h>
#include <shellapi.h>
#include <stdio.h>

#include "platform/NativePath.h"

namespace ordovan {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) {
    // Without the wide form the ANSI arguments are all there is.
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
  }
  for (int i = 1; i < count; ++i) args.push_back(NativeToUtf8(std::filesystem::path(wide[i])));
  LocalFree(wide);
  return args;
}

bool IsTerminal(StandardStream stream) {
  switch (stream) {
    case StandardStream::kInput:
      return _isatty(_fileno(stdin)) != 0;
    case StandardStream::kOutput:
      return _isatty(_fileno(stdout)) != 0;
    case StandardStream::kError:
      return _isatty(_fileno(stderr)) != 0;
  }
  return false;
}

}  // namespace ordovan
