// Ordovan: reorders the folder levels of many folder paths at once.

#include <QDir>
#include <QIcon>
#include <cstring>

#include "platform/FileSystem.h"
#include "shell/UserFolder.h"
#include "shell/ui/OrdovanApplication.h"
#include "shell/ui/RunOrdovan.h"
#include "uikit/QtPrompter.h"
#include "uikit/QtText.h"

int main(int argc, char** argv) {
  ordovan::OrdovanApplication app(argc, argv);
  // Every window takes its icon from the application; each size is drawn
  // for itself, so small ones stay sharp.
  QIcon icon;
  const QDir icons(QStringLiteral(":/icons"));
  for (const QString& name : icons.entryList()) icon.addFile(icons.filePath(name));
  app.setWindowIcon(icon);
  // Matches the window to ordovan.desktop, whose icon Wayland shells show.
  app.setDesktopFileName(QStringLiteral("ordovan"));
  // The installer's Start menu entry: the settings go to the user's own
  // folder, before start-up takes the current folder as the settings folder.
  if (argc > 1 && std::strcmp(argv[1], ordovan::kUserFolderOption) == 0) {
    std::optional<std::string> local_app_data;
    if (qEnvironmentVariableIsSet("LOCALAPPDATA")) {
      local_app_data = ordovan::FromQt(qEnvironmentVariable("LOCALAPPDATA"));
    }
    if (!ordovan::EnterInstalledUserFolder(*ordovan::FileSystem::Default(), local_app_data)) {
      ordovan::QtPrompter prompter;
      prompter.Warn("The folder for your settings (%LOCALAPPDATA%\\Ordovan) cannot be used.\n"
                    "The settings are kept in the folder the program was started in.",
                    "Ordovan.");
    }
  }
  return ordovan::RunOrdovan(app);
}
