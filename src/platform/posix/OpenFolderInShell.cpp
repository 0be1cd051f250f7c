// Opens a folder with the desktop's file manager through xdg-open.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <vector>

#include "platform/NativePath.h"
#include "platform/PathServices.h"

extern char** environ;

namespace ordovan {

namespace {

// The file manager may stay open for as long as the user likes, so it is not
// waited for; earlier starts are reaped here so that none lingers as a zombie.
std::vector<pid_t>& Started() {
  static std::vector<pid_t> started;
  return started;
}

void ReapFinished() {
  auto& started = Started();
  std::erase_if(started, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

}  // namespace

bool OpenFolderInShell(const std::string& program_path) {
  ReapFinished();
  auto native = ToNativePath(program_path);
  if (!native) return false;

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawnattr_init(&attributes);
  // Its own session: the file manager outlives a closed terminal.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

  std::string program = "xdg-open";
  std::string folder = native->native();
  char* argv[] = {program.data(), folder.data(), nullptr};
  pid_t pid = 0;
  // A missing xdg-open makes posix_spawnp fail; that is reported, not fatal.
  int error = ::posix_spawnp(&pid, program.c_str(), &actions, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return false;
  Started().push_back(pid);
  return true;
}

}  // namespace ordovan
