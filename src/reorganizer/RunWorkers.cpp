#include "reorganizer/RunWorkers.h"

#include <algorithm>

#include "platform/EventPump.h"

namespace ordovan {

namespace {

// How far a worker looks down the queue for a job of a folder nobody works in.
constexpr std::size_t kSpreadLookahead = 256;

}  // namespace

RunWorkers::~RunWorkers() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ending_ = true;
    for (const auto& job : queue_) {
      int queued = WorkerJob::kQueued;
      job->state_.compare_exchange_strong(queued, WorkerJob::kDropped);
    }
    queue_.clear();
  }
  wake_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void RunWorkers::SetLimit(std::size_t limit) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (limit == limit_) return;
    limit_ = limit;
    while (threads_.size() < limit_) threads_.emplace_back([this] { Work(); });
  }
  wake_.notify_all();
}

void RunWorkers::Submit(std::shared_ptr<WorkerJob> job, bool first) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (first) {
      queue_.push_front(std::move(job));
    } else {
      queue_.push_back(std::move(job));
    }
  }
  wake_.notify_one();
}

void RunWorkers::DropQueued() {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const auto& job : queue_) {
    int queued = WorkerJob::kQueued;
    job->state_.compare_exchange_strong(queued, WorkerJob::kDropped);
  }
  queue_.clear();
  ++generation_;
  changed_.notify_all();
}

std::uint64_t RunWorkers::Generation() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return generation_;
}

void RunWorkers::WaitForChange(std::uint64_t seen, std::chrono::milliseconds most) {
  std::unique_lock<std::mutex> lock(mutex_);
  ++change_waiters_;
  changed_.wait_for(lock, most, [&] { return generation_ != seen; });
  --change_waiters_;
}

void RunWorkers::WaitForJob(const WorkerJob& job, std::chrono::milliseconds most) {
  std::unique_lock<std::mutex> lock(mutex_);
  awaited_ = &job;
  changed_.wait_for(lock, most, [&] {
    const WorkerJob::State state = job.state();
    return state == WorkerJob::kDone || state == WorkerJob::kDropped;
  });
  awaited_ = nullptr;
}

bool RunWorkers::Runnable() const { return !queue_.empty() && running_ < limit_; }

std::shared_ptr<WorkerJob> RunWorkers::Pick() {
  // Jobs someone else claimed meanwhile are gone from the front.
  while (!queue_.empty() && queue_.front()->state() != WorkerJob::kQueued) queue_.pop_front();
  if (queue_.empty()) return nullptr;
  std::size_t chosen = 0;
  const std::size_t look = std::min(queue_.size(), kSpreadLookahead);
  // Copies of one folder come in runs: a folder found busy is passed over
  // without asking the map again for each of its copies.
  const std::string* busy = nullptr;
  for (std::size_t i = 0; i < look; ++i) {
    const WorkerJob& job = *queue_[i];
    if (job.state() != WorkerJob::kQueued) continue;
    if (busy != nullptr && job.spread() == *busy) continue;
    if (job.spread().empty() || running_by_folder_.count(job.spread()) == 0) {
      chosen = i;
      break;
    }
    busy = &job.spread();
  }
  std::shared_ptr<WorkerJob> job = std::move(queue_[chosen]);
  queue_.erase(queue_.begin() + static_cast<std::ptrdiff_t>(chosen));
  return job;
}

void RunWorkers::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  static const std::atomic<bool> kNeverStop{false};
  for (;;) {
    wake_.wait(lock, [this] { return ending_ || Runnable(); });
    if (ending_) return;
    std::shared_ptr<WorkerJob> job = Pick();
    if (!job) continue;
    if (!job->Claim()) continue;  // the command's thread took it
    ++running_;
    const std::string& folder = job->spread();
    if (!folder.empty()) ++running_by_folder_[folder];
    lock.unlock();
    job->Timed(job->stop_ ? *job->stop_ : kNeverStop);
    lock.lock();
    job->state_.store(WorkerJob::kDone, std::memory_order_release);
    --running_;
    if (!folder.empty()) {
      const auto found = running_by_folder_.find(folder);
      if (--found->second == 0) running_by_folder_.erase(found);
    }
    ++generation_;
    if (change_waiters_ != 0 || awaited_ == job.get()) changed_.notify_all();
    if (Runnable()) wake_.notify_one();
  }
}

WorkerChoice::WorkerChoice(std::size_t asked, std::size_t cores)
    : automatic_(asked == kAutomaticWorkers),
      cores_(std::max<std::size_t>(1, cores)),
      workers_(asked == kAutomaticWorkers ? 1 : std::min(asked, kMostWorkers)) {}

void WorkerChoice::Ended(Clock::time_point now, Clock::duration took, std::size_t count) {
  if (!automatic_) return;
  // A measure starts at the first end after a change, so what ran before the
  // change does not count for it.
  if (!measuring_) {
    measuring_ = true;
    measure_start_ = now;
    measured_ = 0;
    busy_ = {};
    return;
  }
  measured_ += count;
  busy_ += took;
  if (now - measure_start_ < kMeasureTime || measured_ < kMeasureCount) return;
  // How many quick operations end per second swings with what the command
  // does between them (a new folder, a listing): a longer look evens it out.
  // Not the first, one at a time, which is the steadiest: a local disk's
  // command would do a third of a second's work without its second worker.
  const bool quick = busy_ < kWaiting * static_cast<std::int64_t>(measured_);
  if (quick && phase_ != Phase::kFirst && now - measure_start_ < kQuickMeasureTime) return;
  measuring_ = false;
  Judge(
      std::chrono::duration<double>(busy_).count() / static_cast<double>(measured_),
      static_cast<double>(measured_) / std::chrono::duration<double>(now - measure_start_).count(),
      now);
}

void WorkerChoice::Try(std::size_t workers, Phase phase, double rate_before) {
  tried_from_ = workers_;
  rate_before_ = rate_before;
  workers_ = workers;
  phase_ = phase;
}

void WorkerChoice::Settle(std::size_t workers, double rate, Clock::time_point now, bool later) {
  workers_ = workers;
  settled_rate_ = rate;
  phase_ = Phase::kSettled;
  if (later) {
    next_try_ = now + wait_;
    wait_ = std::min(wait_ * 2, std::chrono::milliseconds(30000));
  }
}

void WorkerChoice::Judge(double each, double ended_per_second, Clock::time_point now) {
  constexpr double kFall = 0.7;   // a pace this far below the settled one asks why
  constexpr double kSame = 0.95;  // fewer at once may keep this much
  const bool waiting = each >= std::chrono::duration<double>(kWaiting).count();
  // More at once must bring this much more: operations that wait cost a
  // worker and a connection each; quick ones only a core's time.
  const double gain = waiting ? 1.15 : 1.05;
  // Operations that wait: what this many in flight can end per second, which
  // the command's own pace does not blur. Quick ones: what did end per
  // second, since then the command's own work between them is what a
  // second thread takes off it; more of them than cores cannot gain.
  const double rate =
      waiting ? static_cast<double>(workers_) / std::max(each, 1e-9) : ended_per_second;
  const std::size_t most = waiting ? kMostWorkers : std::min(kMostWorkers, cores_);
  switch (phase_) {
    case Phase::kFirst:
      if (workers_ < most) {
        Try(std::min(workers_ * 2, most), Phase::kMore, rate);
      } else {
        Settle(workers_, rate, now, true);
      }
      return;
    case Phase::kMore:
      if (rate > rate_before_ * gain) {
        if (workers_ < most) {
          Try(std::min(workers_ * 2, most), Phase::kMore, rate);
        } else {
          Settle(workers_, rate, now, true);
        }
      } else {
        Settle(tried_from_, rate_before_, now, true);
      }
      return;
    case Phase::kFewer:
      if (rate >= rate_before_ * kSame) {
        Settle(workers_, rate, now, true);
      } else {
        Settle(tried_from_, rate_before_, now, true);
      }
      return;
    case Phase::kSettled:
      break;
  }
  if (waiting && rate < settled_rate_ * kFall && workers_ > 1) {
    Try(workers_ / 2, Phase::kFewer, rate);
  } else if (now >= next_try_) {
    // Turns: more at once, then (when more than one) fewer.
    if (workers_ > 1 && (try_fewer_next_ || workers_ >= most)) {
      Try(workers_ / 2, Phase::kFewer, rate);
    } else if (workers_ < most) {
      Try(std::min(workers_ * 2, most), Phase::kMore, rate);
    } else {
      Settle(workers_, rate, now, true);
    }
    try_fewer_next_ = !try_fewer_next_;
  } else {
    settled_rate_ = 0.75 * settled_rate_ + 0.25 * rate;
  }
}

bool RunJobs(const std::vector<std::shared_ptr<WorkerJob>>& jobs, WorkerChoice& choice,
             EventPump* pump, std::atomic<bool>& stop, const std::vector<std::size_t>& weights) {
  std::unique_ptr<RunWorkers> pool;
  std::vector<std::size_t> in_hand;  // indexes handed to the pool, not yet counted
  std::size_t next = 0;
  // One at a time, the jobs themselves let window messages through; with
  // workers, the waiting thread does.
  auto stop_asked = [&](bool waiting) {
    if (!pump) return false;
    if (waiting) pump->Pump();
    return pump->StopRequested();
  };
  for (;;) {
    // What the pool finished counts for the choice.
    const auto now = WorkerChoice::Clock::now();
    std::erase_if(in_hand, [&](std::size_t i) {
      if (!jobs[i]->done()) return false;
      choice.Ended(now, jobs[i]->took(), weights[i]);
      return true;
    });
    if (!stop && stop_asked(!in_hand.empty() || choice.workers() > 1)) {
      stop = true;
      if (pool) pool->DropQueued();
    }
    if (stop) {
      if (in_hand.empty()) return false;
    } else if (next == jobs.size() && in_hand.empty()) {
      return true;
    }
    const std::size_t workers = choice.workers();
    if (!stop && workers <= 1 && in_hand.empty() && next < jobs.size()) {
      // One at a time, here.
      const std::size_t i = next++;
      jobs[i]->RunHere(stop);
      choice.Ended(WorkerChoice::Clock::now(), jobs[i]->took(), weights[i]);
      continue;
    }
    if (!pool) pool = std::make_unique<RunWorkers>();
    const std::uint64_t seen = pool->Generation();
    if (!stop && workers > 1) {
      pool->SetLimit(workers);
      // A few more than run at once, so a worker never waits for the next.
      while (next < jobs.size() && in_hand.size() < workers * 2) {
        jobs[next]->SetStop(&stop);
        in_hand.push_back(next);
        pool->Submit(jobs[next++]);
      }
    }
    pool->WaitForChange(seen, kWaitingPumpEvery);
    // Dropped jobs never ran.
    std::erase_if(in_hand, [&](std::size_t i) { return jobs[i]->state() == WorkerJob::kDropped; });
  }
}

}  // namespace ordovan
