#pragma once
// The app-wide services a window reaches: one small struct handed to every
// window, so tests hand in doubles (a recording Prompter, queued Dialogs, a
// recording Shell, a sandboxed FileSystem, a store of their own).

namespace ordovan {

class Dialogs;
class EventPump;
class FileSystem;
class Prompter;
class SettingsStore;
class Shell;
class StopInput;

struct AppServices {
  Prompter* prompter = nullptr;
  Dialogs* dialogs = nullptr;
  Shell* shell = nullptr;
  FileSystem* file_system = nullptr;
  EventPump* pump = nullptr;
  SettingsStore* settings = nullptr;
  // The Stop input of long commands: the windows' pump, the same object as
  // `pump` when that is one; none leaves commands without a Stop.
  StopInput* stop_input = nullptr;
};

}  // namespace ordovan
