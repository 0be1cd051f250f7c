#include "shell/ui/AppWindows.h"

#include "help/ui/TfrmHelp.h"
#include "help/ui/TfrmInfoWindows.h"
#include "paths/ui/TfrmZoomIncludeWindow.h"
#include "shell/ui/TfrmMainFR.h"

namespace ordovan {

AppWindows::AppWindows(const AppServices& services) : services_(services) {
  main_ = std::make_unique<TfrmMainFR>(services_);
  CreateOtherWindows();
}

AppWindows::~AppWindows() {
  // The other windows go first, last created first; the main window last.
  while (!others_.empty()) others_.pop_back();
  main_.reset();
}

void AppWindows::CreateOtherWindows() {
  // The program's fixed order. A window that is built later takes its line
  // at its place here.
  //   include-list editor of the list builder
  auto* about = Add<TfrmAboutBox>();
  //   Subfolder List Builder
  //   include-list editor of the main window
  //   level summary
  //   smart-import editor
  //   export dialog
  //   import dialog
  auto* help = Add<TfrmHelp>();
  auto* overview = Add<TfrmOverview>();
  //   quotation-mark manager, delimiter manager
  //   results zoom window
  auto* zoom_include = Add<TfrmZoomIncludeWindow>();
  //   results window

  main_->SetHelpWindows(help, overview, about);
  main_->SetZoomIncludeWindow(zoom_include);
}

QWidget* AppWindows::Frame() const { return main_.get(); }

std::vector<QString> AppWindows::CreationOrder() const {
  std::vector<QString> names{main_->objectName()};
  for (const auto& window : others_) names.push_back(window->objectName());
  return names;
}

}  // namespace ordovan
