#pragma once
// The windows' event pump: lets pending window messages run at most every
// ~15 ms, so a 30,000-entry fill repaints a few dozen times instead of
// 30,000. User input waits until the command has finished, so no second
// command can start in the middle of a list change.

#include <QElapsedTimer>

#include "platform/EventPump.h"

namespace ordovan {

class QtEventPump : public EventPump {
 public:
  static constexpr int kSliceMs = 15;

  QtEventPump();
  void Pump() override;

  int runs() const { return runs_; }  // how often the events actually ran

 private:
  QElapsedTimer since_last_;
  int runs_ = 0;
};

}  // namespace ordovan
