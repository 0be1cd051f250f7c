#include "shell/StartupLoad.h"

#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "shell/DefaultExtensions.h"
#include "shell/SettingsFile.h"
#include "shell/SettingsStore.h"

namespace ordovan {

namespace {

constexpr std::size_t kMaxDirectoryCharacters = 260;

}  // namespace

std::string StartupSettingsDirectory(FileSystem& file_system) {
  std::string directory = file_system.CurrentFolder();
  // A directory that does not fit the 260 characters cannot be read; a cut
  // one would name some other folder.
  if (Utf8CharacterCount(directory) > kMaxDirectoryCharacters) return {};
  return directory;
}

StartupLoadResult StartupLoad(SettingsStore& store, FileSystem& file_system, Prompter& prompter) {
  store.SetProgramCode(kProgramCode);
  store.SetSettingsDirectory(StartupSettingsDirectory(file_system));
  {
    RestoreClass restore(store, file_system);
    if (restore.IsOpen()) {
      store.ClearStoredLists();
      restore.ReadAll();
      return StartupLoadResult::kRead;
    }
  }
  AppendDefaultExtensions(store);
  if (store.FileMaskList().empty()) store.AppendFileMask("*.*");
  SaveClass save(store, file_system, prompter);
  return save.WriteAll() ? StartupLoadResult::kCreated : StartupLoadResult::kCreateFailed;
}

}  // namespace ordovan
