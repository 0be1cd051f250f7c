#include "platform/EventPump.h"

namespace ordovan {

namespace {
class NoPump final : public EventPump {
 public:
  void Pump() override {}
};
}  // namespace

EventPump& EventPump::None() {
  static NoPump pump;
  return pump;
}

}  // namespace ordovan
