#include "shell/ui/RunOrdovan.h"

#include "platform/FileSystem.h"
#include "settings/SettingsStore.h"
#include "scanning/ui/FolderPicker.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/OrdovanApplication.h"
#include "uikit/QtDialogs.h"
#include "uikit/QtEventPump.h"
#include "uikit/QtPrompter.h"
#include "uikit/Shell.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {

int RunOrdovan(OrdovanApplication& app) {
  QtPrompter prompter;
  app.SetErrorPrompter(&prompter);
  try {
    QtDialogs dialogs(&BrowseForFolder);
    QtEventPump pump;
    AppServices services;
    services.prompter = &prompter;
    services.dialogs = &dialogs;
    services.shell = &Shell::System();
    services.file_system = FileSystem::Default();
    services.pump = &pump;
    services.stop_input = &pump;
    services.settings = &TheSettings();  // the stores take their initial values here

    AppWindows windows(services);
    prompter.SetOwner(windows.main());
    QObject::connect(windows.main(), &TfrmMainFR::MainWindowClosed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    windows.main()->show();
    const int code = app.exec();
    app.SetErrorPrompter(nullptr);
    return code;
  } catch (...) {
    prompter.SetOwner(nullptr);
    ReportUnexpectedError(prompter, CurrentExceptionText());
    app.SetErrorPrompter(nullptr);
    return 1;
  }
}

}  // namespace ordovan
