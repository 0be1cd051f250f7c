#pragma once
// Every window of the program, created as start-up creates them, with
// stand-in services: `P` answers the messages and `D` the dialogs, no file
// explorer opens, the event pump is the windows' time-sliced one, and the
// settings file goes to a temporary folder of its own.

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "settings/SettingsStore.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/TfrmMainFR.h"
#include "stubs/QuietPrompter.h"
#include "stubs/TempCurrentFolder.h"
#include "stubs/ui/NoDialogs.h"
#include "stubs/ui/NoShell.h"
#include "uikit/AppServices.h"
#include "uikit/QtEventPump.h"
#include "uikit/QtText.h"

namespace ordovan::bench {

template <typename P = stubs::QuietPrompter, typename D = stubs::NoDialogs>
struct BenchWindows {
  // With `stop_input`, long commands take their Stop from the pump, as in the program.
  explicit BenchWindows(bool stop_input = false)
      : file_system(FileSystem::Default(),
                    ToProgramPath(Utf8ToNative(FromQt(temp.path()))).value_or("")) {
    services = {&prompter, &dialogs, &shell, &file_system, &pump, &settings,
                stop_input ? &pump : nullptr};
    windows = std::make_unique<AppWindows>(services);
  }
  TfrmMainFR& main() { return *windows->main(); }
  std::string Folder() { return file_system.CurrentFolder(); }

  QTemporaryDir temp;
  P prompter;
  D dialogs;
  stubs::NoShell shell;
  stubs::TempCurrentFolder file_system;
  QtEventPump pump;
  SettingsStore settings;
  AppServices services;
  std::unique_ptr<AppWindows> windows;
};

}  // namespace ordovan::bench
