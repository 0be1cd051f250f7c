// A test-only start of the program for the process tests: the real windows,
// offscreen, driven the way a person would drive them, with every message
// answered (Yes to questions) and printed, and the folder pickers answered
// from the command line.
//
//   ordovan_journal_driver organize <work> [copy-delay-us] [stop-after-ms]
//     Builds nothing; <work>/settings is the settings directory, <work>/f is
//     mounted as f:. Adds every f:\Src\<client>\<year>\docs path, Finds,
//     orders the levels year, client, Src, picks f:\New, presses Organize.
//     With stop-after-ms, presses Stop that long after Organize.
//   ordovan_journal_driver undo <work>
//     Starts as the program does and presses Undo.
//   ordovan_journal_driver picture <work>
//     Saves <work>/running.png: the main window with its Stop control shown.
// Prints each message as "message <kind> <title>|<text>" and ends with
// "done <outcome>"; with a Stop, also "stop-latency-ms <n>".

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

#include "paths/EntryList.h"
#include "uikit/EntryListView.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "settings/SettingsStore.h"
#include "uikit/AppServices.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/OrdovanApplication.h"
#include "uikit/QtEventPump.h"
#include "shell/ui/TfrmMainFR.h"
#include "stubs/ui/NoDialogs.h"
#include "stubs/ui/NoShell.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

class AnsweringPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string& text, const std::string& title) override {
    static const char* kNames[] = {"warning", "question", "information", "error"};
    std::string flat = text;
    for (char& c : flat) {
      if (c == '\n') c = ' ';
    }
    std::printf("message %s %s|%s\n", kNames[static_cast<int>(kind)], title.c_str(), flat.c_str());
    std::fflush(stdout);
    return kind == MessageKind::kQuestion ? Answer::kYes : Answer::kOk;
  }
};

class ScriptedDialogs : public stubs::NoDialogs {
 public:
  std::vector<std::string> folders;  // answered in order
  std::string BrowseForFolder(QWidget*, const std::string&) override {
    if (folders.empty()) return std::string();
    std::string next = folders.front();
    folders.erase(folders.begin());
    return next;
  }
};

// Copies take a little longer, so that a test can end the process while
// they go: half the delay before each copy, half after. One at a time, as on
// a disk that does one thing at once: more workers would not end them sooner.
class SlowCopies : public FileSystemWrapper {
 public:
  SlowCopies(FileSystem* target, int delay_us) : FileSystemWrapper(target), half_(delay_us / 2) {}
  bool CopyFileNoOverwrite(const std::string& from, const std::string& to,
                           CopyError* error = nullptr) override {
    const std::lock_guard<std::mutex> one_at_a_time(disk_);
    std::this_thread::sleep_for(std::chrono::microseconds(half_));
    const bool copied = target()->CopyFileNoOverwrite(from, to, error);
    std::this_thread::sleep_for(std::chrono::microseconds(half_));
    return copied;
  }

 private:
  int half_;
  std::mutex disk_;
};

QPushButton* Button(TfrmMainFR& main, const char* name) {
  auto* button = main.findChild<QPushButton*>(name);
  if (!button) {
    std::fprintf(stderr, "no button %s\n", name);
    std::exit(2);
  }
  return button;
}

int Drive(int argc, char** argv) {
  const std::string command = argv[1];
  const fs::path work = argv[2];
  const int copy_delay_us = argc > 3 ? std::atoi(argv[3]) : 0;
  const int stop_after_ms = argc > 4 ? std::atoi(argv[4]) : -1;
  MountDrive("f:", work / "f");
  fs::create_directories(work / "settings");
  fs::current_path(work / "settings");  // start-up takes it as the settings directory

  AnsweringPrompter prompter;
  ScriptedDialogs dialogs;
  stubs::NoShell shell;
  QtEventPump pump;
  SlowCopies files(FileSystem::Default(), copy_delay_us);
  AppServices services;
  services.prompter = &prompter;
  services.dialogs = &dialogs;
  services.shell = &shell;
  services.file_system = &files;
  services.pump = &pump;
  services.stop_input = &pump;
  services.settings = &TheSettings();
  AppWindows windows(services);
  TfrmMainFR& main = *windows.main();
  main.show();

  if (command == "picture") {  // the window as it looks while a command runs
    main.btnVol14Stop->setVisible(true);
    main.grab().save(QString::fromStdString((work / "running.png").string()));
    return 0;
  }
  if (command == "undo") {
    Button(main, "btnVol14Undo")->click();
    std::printf("done undo\n");
    return 0;
  }

  // The Include list: every docs folder, added with "Add Fold. Path".
  std::vector<std::string> paths;
  for (const auto& client : fs::directory_iterator(work / "f" / "Src")) {
    for (const auto& year : fs::directory_iterator(client.path())) {
      paths.push_back("f:\\Src\\" + client.path().filename().string() + "\\" +
                      year.path().filename().string() + "\\docs");
    }
  }
  std::sort(paths.begin(), paths.end());
  for (const std::string& path : paths) {
    dialogs.folders.push_back(path);
    Button(main, "btnVol14IncludeWindowAddFolderToList")->click();
  }
  Button(main, "btnVol14FindShortestPath")->click();
  // The template is Src, client, year, docs: the new order is the reverse.
  const std::size_t levels = main.lstVol14SubFoldersSource->list().size();
  for (std::size_t row = levels; row-- > 0;) {
    main.lstVol14SubFoldersSource->SelectRow(row);
    Button(main, "btnVol14SourceToDest")->click();
  }
  dialogs.folders.push_back("f:\\New");
  Button(main, "btnVol14BrowseDestinationFolder")->click();

  QElapsedTimer since_stop;
  if (stop_after_ms >= 0) {
    QTimer::singleShot(stop_after_ms, &main, [&main, &since_stop] {
      since_stop.start();
      QCoreApplication::postEvent(&main, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    });
  }
  Button(main, "btnVol14Restructure")->click();
  if (since_stop.isValid()) std::printf("stop-latency-ms %lld\n", since_stop.elapsed());
  std::printf("done organize\n");
  return 0;
}

}  // namespace
}  // namespace ordovan

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s organize|undo <work> [copy-delay-us] [stop-after-ms]\n",
                 argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ordovan::OrdovanApplication app(argc, argv);
  return ordovan::Drive(argc, argv);
}
