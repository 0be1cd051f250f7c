#include "uikit/Throttle.h"

#include <memory>

namespace ordovan {

std::function<void(std::size_t)> Throttled(std::function<void(std::size_t)> show,
                                           int interval_ms) {
  if (!show) return {};
  auto throttle = std::make_shared<Throttle>(interval_ms);
  return [show = std::move(show), throttle](std::size_t count) {
    if (throttle->Due()) show(count);
  };
}

}  // namespace ordovan
