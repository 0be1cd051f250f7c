#pragma once
// What a Normal run decided, applied in the order it decided it.
//
// The run's thread decides as one worker would: it lists, forms targets,
// makes folders and hands each copy over. A copy may run on a worker while
// the thread goes on deciding; what the run records about it (and
// everything it decided after it) waits here until the copy has ended, so
// the results, the records and the journal's records come out in decided
// order, the same with one worker as with many.
//
// When the run ends early (the user stops it, or a copy finds the disk
// full), copies not yet begun are dropped, the ones in hand end, and what
// was decided after the first copy that did not get made is taken back, last
// first: the run leaves what one worker stopped at that point would have.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>

#include "reorganizer/RunWorkers.h"

namespace ordovan {

class EventPump;

// A copy handed to RunSteps: its record is made by Apply, in decided order,
// once it has ended; should the run end before its turn, TakeBack instead
// (whether it ran or not).
class StepCopy : public WorkerJob {
 public:
  using WorkerJob::WorkerJob;
  virtual void Apply() = 0;
  virtual void TakeBack() = 0;
};

class RunSteps {
 public:
  // `asked_workers`: a count, or kAutomaticWorkers. `pump` (may be null) is
  // pumped while the thread waits, and its Stop ends the run.
  RunSteps(std::size_t asked_workers, EventPump* pump);
  RunSteps(const RunSteps&) = delete;
  RunSteps& operator=(const RunSteps&) = delete;

  // Copies go to workers now (more than one at a time).
  bool pooled() const { return choice_.workers() > 1; }
  std::size_t workers() const { return choice_.workers(); }
  // Set once copies in hand are to break off.
  const std::atomic<bool>* stop_flag() const { return &stop_; }
  // True once the run is ending: nothing more is to be decided.
  bool ending() const { return ended_ || stopping_; }

  // Applies `apply` once every step decided before it is applied: at once
  // when none waits.
  template <class Apply>
  void Then(Apply&& apply) {
    if (ended_) return;
    if (steps_.empty()) {
      apply();
      return;
    }
    steps_.push_back(Step{std::function<void()>(std::forward<Apply>(apply)), {}, nullptr});
  }
  // As Then; should the run end before it, `take_back` runs instead.
  void Then(std::function<void()> apply, std::function<void()> take_back);
  // Runs the copy `job` (on a worker, or here when one at a time) and then,
  // in order, applies it. Waits first while many copies wait.
  void Copy(std::shared_ptr<StepCopy> job);
  // A job the thread will want later (a listing): a worker starts it now
  // when copies go to workers.
  void Ahead(const std::shared_ptr<WorkerJob>& job);
  // Waits until `job` (from Ahead or Copy) has run; runs it here when no
  // worker has begun it.
  void Await(WorkerJob& job);
  // Waits until every copy handed over so far has ended.
  void Drain();
  // For an applied step: the run ends with it; what was decided after it is
  // taken back.
  void EndAfterThis() { ended_ = true; }
  // Ends the run: `stop` (or an EndAfterThis) ends it early as said above;
  // otherwise every copy runs. Afterwards every step is applied or taken
  // back. True when it ended early.
  bool Finish(bool stop);

 private:
  // A decision, or a copy (`job`, which applies itself).
  struct Step {
    std::function<void()> apply;
    std::function<void()> take_back;
    std::shared_ptr<StepCopy> job;
  };
  // Applies the steps from the front whose copies have ended.
  void ApplyReady();
  // Waits until `ready()`, applying steps meanwhile and letting window
  // messages (and Stop) through; woken when the job `awaited()` names ends.
  template <class Ready, class Awaited>
  void WaitUntil(Ready ready, Awaited awaited);
  void StopNow();
  bool CopiesInHand() const;
  // The last copy not yet ended; none: null.
  const WorkerJob* LastInHand() const;
  // The last copy not yet ended among the first `index` + 1 copy steps
  // waiting (the one likely to end last of them); none: null.
  const WorkerJob* LastInHandUpTo(std::size_t index) const;
  // Gives the workers the count the choice says.
  void Limit();

  WorkerChoice choice_;
  std::unique_ptr<RunWorkers> workers_;  // made once copies first go to workers
  std::size_t limit_ = 0;                // the count the workers were given
  EventPump* pump_;
  std::deque<Step> steps_;
  std::size_t copies_waiting_ = 0;  // copy steps not yet applied
  std::atomic<bool> stop_{false};
  bool ended_ = false;
  bool stopping_ = false;
  std::chrono::steady_clock::time_point last_pump_{};
};

}  // namespace ordovan
