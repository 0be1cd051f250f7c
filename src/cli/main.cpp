// ordovan-cli: the reorganizer for scripts, over the same core as the window.

#include <iostream>

#include "cli/CliCommands.h"
#include "cli/CliProgress.h"
#include "platform/FileSystem.h"
#include "platform/ProcessStreams.h"

int main(int argc, char** argv) {
  using namespace ordovan;
  cli::InstallStopSignal();
  std::ios::sync_with_stdio(false);
  const cli::CliStreams io{std::cout, std::cerr, std::cin, IsTerminal(StandardStream::kError),
                           IsTerminal(StandardStream::kInput), true};
  const int status = cli::RunCli(ProgramArguments(argc, argv), *FileSystem::Default(), io);
  std::cout.flush();
  return status;
}
