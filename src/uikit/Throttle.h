#pragma once
// A running counter follows a long command without redrawing at every step:
// a new value is shown only once an interval has passed since the last one
// shown, by default the event pump's time slice, as nothing repaints more
// often. The command shows its final value itself when it ends.

#include <QElapsedTimer>
#include <cstddef>
#include <functional>

#include "uikit/QtEventPump.h"

namespace ordovan {

class Throttle {
 public:
  explicit Throttle(int interval_ms = QtEventPump::kSliceMs) : interval_ms_(interval_ms) {
    since_.start();
  }
  // True when the interval has passed since the last true (or the start);
  // the interval then starts again.
  bool Due() {
    if (since_.elapsed() < interval_ms_) return false;
    since_.restart();
    return true;
  }

 private:
  int interval_ms_;
  QElapsedTimer since_;
};

// `show`, heard only when a Throttle is due; nothing when `show` is empty.
std::function<void(std::size_t)> Throttled(std::function<void(std::size_t)> show,
                                           int interval_ms = QtEventPump::kSliceMs);

}  // namespace ordovan
