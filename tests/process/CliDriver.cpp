// ordovan-cli for the kill tests: the same commands, and with a first
// argument --without-unnamed-files its copies take the way of file systems
// that have no unnamed temporary files (vfat, network shares), writing under
// the target's own name from the first byte on.

#include <iostream>
#include <string>
#include <vector>

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
  const int status = ordovan::cli::RunCli(args, *ordovan::FileSystem::Default(), io);
  std::cout.flush();
  return status;
}
