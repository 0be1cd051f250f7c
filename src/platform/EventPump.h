#pragma once
// "Let pending window messages run": long fills call Pump() between entries so
// lists and counters repaint. The windows give a time-sliced pump; the core
// and its tests use the one that does nothing.
//
// Long commands (runs, Undo, scans) also ask StopRequested() at their safe
// points: the windows' pump lets one Stop input through (a Stop button, the
// Escape key) and answers true from then on until the command ends.

namespace ordovan {

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void Pump() = 0;
  // True once the user asked the long command in progress to stop; it ends at
  // its next safe point and says that it stopped.
  virtual bool StopRequested() const { return false; }

  // A pump that does nothing; for the core and its tests.
  static EventPump& None();
};

}  // namespace ordovan
