#pragma once
// An event pump for core tests of long commands: after a given number of
// pumps it reports that the user asked to stop, as the window's Stop button
// or the Escape key would.

#include "platform/EventPump.h"

namespace ordovan::testing {

class StoppingPump : public EventPump {
 public:
  // Stop is requested once `pumps_before_stop` pumps have run (0: at once).
  explicit StoppingPump(int pumps_before_stop) : left_(pumps_before_stop) {}
  void Pump() override {
    ++pumps_;
    if (left_ > 0) --left_;
  }
  bool StopRequested() const override { return left_ == 0; }
  int pumps() const { return pumps_; }

 private:
  int left_;
  int pumps_ = 0;
};

}  // namespace ordovan::testing
