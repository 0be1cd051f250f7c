#pragma once
// Every window of the program, created once in the program's fixed order and
// owned here until the end: the main window first (its creation step loads
// the settings before any other window exists), then the others.

#include <QString>
#include <QWidget>
#include <memory>
#include <type_traits>
#include <vector>

#include "uikit/AppServices.h"

namespace ordovan {

struct IncludeListDialogs;
class ResultsWindowLink;
class TfrmHelp;
class TfrmDelimiters;
class TfrmEditSmartImport;
class TfrmFileImport;
class TfrmFLLEditIncludeFolderList;
class TfrmQuotationMarks;
class TfrmZoomIncludeWindow;
class TfrmLevelSummFolder;
class TfrmMainFR;
class TfrmSubFolderListBuilder;
class TfrmVol14EditIncludeList;

class AppWindows {
 public:
  explicit AppWindows(const AppServices& services);
  ~AppWindows();
  AppWindows(const AppWindows&) = delete;
  AppWindows& operator=(const AppWindows&) = delete;

  TfrmMainFR* main() const { return main_.get(); }

  // The first window of type W, or null.
  template <typename W>
  W* Find() const {
    for (const auto& window : others_) {
      if (auto* w = dynamic_cast<W*>(window.get())) return w;
    }
    return nullptr;
  }
  // The object names of every window in creation order, the main window first.
  std::vector<QString> CreationOrder() const;
  // Every window in creation order, the main window first.
  std::vector<QWidget*> All() const;

 private:
  void CreateOtherWindows();
  // Each of these wires a dialog's own windows and puts the dialog into
  // `dialogs`, which the main window's Include list buttons then open.
  void WireIncludeEditor(TfrmVol14EditIncludeList* editor, TfrmHelp* help,
                         IncludeListDialogs& dialogs);
  void WireImport(TfrmFileImport* import, TfrmEditSmartImport* editor, TfrmDelimiters* delimiters,
                  TfrmQuotationMarks* quotation_marks, TfrmZoomIncludeWindow* zoom, TfrmHelp* help,
                  IncludeListDialogs& dialogs);
  void WireListBuilder(TfrmSubFolderListBuilder* builder, TfrmLevelSummFolder* level_summary,
                       TfrmFLLEditIncludeFolderList* editor, TfrmHelp* help,
                       IncludeListDialogs& dialogs);
  QWidget* Frame() const;  // the main window, as the other windows' owner

  // Creates one window owned by the main window's frame; windows that need
  // the services take them as their first constructor argument.
  template <typename W>
  W* Add() {
    if constexpr (std::is_constructible_v<W, const AppServices&, QWidget*>) {
      return Keep(std::make_unique<W>(services_, Frame()));
    } else {
      return Keep(std::make_unique<W>(Frame()));
    }
  }
  // For a window whose constructor needs more than the services.
  template <typename W>
  W* Keep(std::unique_ptr<W> window) {
    W* raw = window.get();
    others_.push_back(std::move(window));
    return raw;
  }

  AppServices services_;
  std::unique_ptr<TfrmMainFR> main_;
  std::vector<std::unique_ptr<QWidget>> others_;  // in creation order
  std::unique_ptr<ResultsWindowLink> results_link_;
};

}  // namespace ordovan
