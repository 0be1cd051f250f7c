// ordovan-cli for the kill tests; with a first argument
// --without-unnamed-files its copies write under the target's own name from
// the first byte on, as on file systems without unnamed temporary files.

#include <iostream>

#include "cli/CliCommands.h"
#include "platform/CopyFaults.h"
#include "platform/FileSystem.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args.front() == "--without-unnamed-files") {
    ordovan::SetCopyWithoutUnnamedFiles(true);
    args.erase(args.begin());
  }
  const ordovan::cli::CliStreams io{std::cout, std::cerr, std::cin, false, false};
  return ordovan::cli::RunCli(args, *ordovan::FileSystem::Default(), io);
}
