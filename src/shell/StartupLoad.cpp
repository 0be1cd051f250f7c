#include "shell/StartupLoad.h"

#include "platform/FileSystem.h"
#include "settings/DefaultExtensions.h"
#include "settings/SettingsDirectory.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

namespace ordovan {

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
