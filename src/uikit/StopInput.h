#pragma once
// The windows' Stop input. While a long command runs it names its Stop
// controls (a StoppableSection); the windows' event pump then lets their
// clicks and Escape through and turns them into the stop request. A window
// reaches it through AppServices; where there is none (a test's plain pump),
// a section changes nothing.

#include <utility>
#include <vector>

class QWidget;

namespace ordovan {

class StopInput {
 public:
  StopInput() = default;
  StopInput(const StopInput&) = delete;
  StopInput& operator=(const StopInput&) = delete;
  virtual ~StopInput() = default;

  // Starts a section whose Stop input is each of `stop_controls` (null ones
  // are passed over) and Escape; clears an earlier stop. Sections do not nest.
  virtual void BeginStoppable(std::vector<QWidget*> stop_controls) = 0;
  // Ends the section: the stop request is cleared, held input delivered.
  virtual void EndStoppable() = 0;
};

// A stoppable section for the lifetime of the guard; none without an input.
class StoppableSection {
 public:
  StoppableSection(StopInput* input, std::vector<QWidget*> stop_controls) : input_(input) {
    if (input_) input_->BeginStoppable(std::move(stop_controls));
  }
  ~StoppableSection() {
    if (input_) input_->EndStoppable();
  }
  StoppableSection(const StoppableSection&) = delete;
  StoppableSection& operator=(const StoppableSection&) = delete;

 private:
  StopInput* input_;
};

}  // namespace ordovan
