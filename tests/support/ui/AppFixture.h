#pragma once
// A fixture that starts the program's windows the way start-up does, with
// every service replaced: messages and dialogs answer from queues, the shell
// only records, and the current folder (where the settings file goes) is a
// fresh sandbox.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "settings/SettingsStore.h"
#include "uikit/AppServices.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/ResultsWindowLink.h"
#include "uikit/Shell.h"
#include "shell/ui/TfrmMainFR.h"
#include "stubs/TempCurrentFolder.h"
#include "support/RecordingPrompter.h"
#include "support/TempTree.h"
#include "support/ui/QueuedDialogs.h"

namespace ordovan::testing {

class RecordingShell : public Shell {
 public:
  void OpenFolder(const std::string& program_path) override { opened.push_back(program_path); }
  std::vector<std::string> opened;
};

// Reports `current` as the process's current folder.
using CurrentFolderFileSystem = stubs::TempCurrentFolder;

// Stands in for the results window: records what the main window asks.
class FakeResultsWindow : public ResultsWindowLink {
 public:
  void ShowResultsWindow() override { ++shown; }
  bool NormalRunMarked() const override { return normal_marked; }
  void SetModeCaption(const std::string& text) override { captions.push_back(text); }
  QWidget* StopControl() const override { return nullptr; }

  int shown = 0;
  bool normal_marked = true;
  std::vector<std::string> captions;
};

// The program path of a native folder (fails the test when it has none).
std::string ProgramPathOf(const std::filesystem::path& native);

// Runs `action` as soon as the next modal dialog is open (it is then the
// active modal widget); used to close what a command shows with exec().
void WhenModalOpens(std::function<void(QWidget* modal)> action);

class AppFixture : public ::testing::Test {
 protected:
  AppFixture();
  ~AppFixture() override;

  // Starts every window; the creation step reads or writes the settings.
  // The main window then talks to `results_` instead of the results window.
  void StartWindows();
  // The same, with the real results window.
  void StartWindowsWithResultsWindow();
  TfrmMainFR& main() { return *windows_->main(); }
  AppWindows& windows() { return *windows_; }
  std::string SandboxFolder() const { return sandbox_program_path_; }

  template <typename W>
  W* Child(const char* name) {
    W* child = main().findChild<W*>(name);
    EXPECT_NE(child, nullptr) << "no control " << name;
    return child;
  }

  TempTree tree_;
  std::string sandbox_program_path_;
  RecordingPrompter prompter_;
  QueuedDialogs dialogs_;
  RecordingShell shell_;
  CurrentFolderFileSystem file_system_;
  SettingsStore settings_;
  FakeResultsWindow results_;
  AppServices services_;
  std::unique_ptr<AppWindows> windows_;
};

}  // namespace ordovan::testing
