// Ordovan: reorders the folder levels of many folder paths at once.

#include <QDir>
#include <QIcon>

#include "shell/ui/OrdovanApplication.h"
#include "shell/ui/RunOrdovan.h"

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
  return ordovan::RunOrdovan(app);
}
