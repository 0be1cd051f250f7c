#include "reorganizer/RunSteps.h"

#include <algorithm>

#include "platform/EventPump.h"

namespace ordovan {

namespace {

// Copies decided and not yet applied, at most: enough that the workers find
// copies into many folders at once, few enough that a stop takes back little.
std::size_t MostWaiting(std::size_t workers) {
  return std::clamp<std::size_t>(16 * workers, 64, 1024);
}

}  // namespace

RunSteps::RunSteps(std::size_t asked_workers, EventPump* pump)
    : choice_(asked_workers), pump_(pump) {}

void RunSteps::Then(std::function<void()> apply, std::function<void()> take_back) {
  if (ended_) {
    if (take_back) take_back();
    return;
  }
  if (steps_.empty()) {
    apply();
    return;
  }
  steps_.push_back(Step{std::move(apply), std::move(take_back), nullptr});
}

void RunSteps::Copy(std::shared_ptr<StepCopy> job) {
  if (ending()) return;
  if (!pooled()) {
    // One at a time: here and now.
    job->RunHere(stop_);
    if (steps_.empty()) {
      choice_.Ended(std::chrono::steady_clock::now(), job->took());
      job->Apply();
      return;
    }
    steps_.push_back(Step{{}, {}, std::move(job)});
    ++copies_waiting_;
    ApplyReady();
    return;
  }
  if (!workers_) workers_ = std::make_unique<RunWorkers>();
  Limit();
  const std::size_t most = MostWaiting(choice_.workers());
  if (copies_waiting_ >= most) {
    // Full: wait until half have been applied, woken by the copy that
    // frees that room rather than by every copy that ends.
    const std::size_t room = most / 2;
    WaitUntil([this, room] { return copies_waiting_ <= room || ending(); },
              [this, room] { return LastInHandUpTo(copies_waiting_ - room - 1); });
  }
  if (ending()) return;
  job->SetStop(&stop_);
  workers_->Submit(job);
  steps_.push_back(Step{{}, {}, std::move(job)});
  ++copies_waiting_;
}

void RunSteps::Ahead(const std::shared_ptr<WorkerJob>& job) {
  if (!pooled() || ending()) return;
  if (!workers_) workers_ = std::make_unique<RunWorkers>();
  job->SetStop(&stop_);
  workers_->Submit(job, true);
}

void RunSteps::Await(WorkerJob& job) {
  if (job.RunHere(stop_)) return;
  WaitUntil(
      [&job] {
        const WorkerJob::State state = job.state();
        return state == WorkerJob::kDone || state == WorkerJob::kDropped;
      },
      [&job] { return &job; });
}

void RunSteps::Drain() {
  WaitUntil([this] { return !CopiesInHand() || stopping_; }, [this] { return LastInHand(); });
}

namespace {

bool InHand(const WorkerJob& job) {
  const WorkerJob::State state = job.state();
  return state == WorkerJob::kQueued || state == WorkerJob::kRunning;
}

}  // namespace

bool RunSteps::CopiesInHand() const { return LastInHand() != nullptr; }

const WorkerJob* RunSteps::LastInHand() const {
  for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) {
    if (it->job && InHand(*it->job)) return it->job.get();
  }
  return nullptr;
}

const WorkerJob* RunSteps::LastInHandUpTo(std::size_t index) const {
  const WorkerJob* last = nullptr;
  for (const Step& step : steps_) {
    if (!step.job) continue;
    if (InHand(*step.job)) last = step.job.get();
    if (index-- == 0) break;
  }
  return last;
}

void RunSteps::Limit() {
  // The workers' lock is theirs to take between copies; asked only on a change.
  if (limit_ == choice_.workers()) return;
  limit_ = choice_.workers();
  workers_->SetLimit(limit_);
}

void RunSteps::ApplyReady() {
  while (!steps_.empty() && !ended_) {
    Step& front = steps_.front();
    if (front.job) {
      if (!front.job->done() || !front.job->Reached()) break;
      --copies_waiting_;
      choice_.Ended(std::chrono::steady_clock::now(), front.job->took());
    }
    std::function<void()> apply = std::move(front.apply);
    std::shared_ptr<StepCopy> copy = std::move(front.job);
    steps_.pop_front();
    if (copy) copy->Apply();
    if (apply) apply();
  }
  if (workers_ && pooled()) Limit();
}

template <class Ready, class Awaited>
void RunSteps::WaitUntil(Ready ready, Awaited awaited) {
  for (;;) {
    ApplyReady();
    if (ready() || !workers_) return;
    // The job whose end may make it ready: only that one wakes this thread.
    // None in hand: a change elsewhere (a stop) is waited for.
    const WorkerJob* job = awaited();
    if (job != nullptr && InHand(*job)) {
      workers_->WaitForJob(*job, kWaitingPumpEvery);
    } else {
      const std::uint64_t seen = workers_->Generation();
      ApplyReady();
      if (ready()) return;
      workers_->WaitForChange(seen, kWaitingPumpEvery);
    }
    if (pump_) {
      pump_->Pump();
      if (!stopping_ && pump_->StopRequested()) StopNow();
    }
  }
}

void RunSteps::StopNow() {
  stopping_ = true;
  stop_ = true;
  if (workers_) workers_->DropQueued();
}

bool RunSteps::Finish(bool stop) {
  if (stop || ended_) StopNow();
  WaitUntil([this] { return !CopiesInHand(); }, [this] { return LastInHand(); });
  ApplyReady();
  const bool early = stopping_ || ended_;
  // What the run did not get to, last first: copies before the folders they
  // went into.
  for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) {
    if (it->job) it->job->TakeBack();
    if (it->take_back) it->take_back();
  }
  steps_.clear();
  copies_waiting_ = 0;
  workers_.reset();
  limit_ = 0;
  return early;
}

}  // namespace ordovan
