#pragma once
// "Let pending window messages run": long fills call Pump() between entries so
// lists and counters repaint. The windows give a time-sliced pump; the core
// and its tests use the one that does nothing.

namespace ordovan {

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void Pump() = 0;

  // A pump that does nothing; for the core and its tests.
  static EventPump& None();
};

}  // namespace ordovan
