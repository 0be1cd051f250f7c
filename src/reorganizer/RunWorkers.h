#pragma once
// Workers for the file operations of a run or an Undo. On a file server
// every operation waits for the network, so several copies (or deletions) in
// flight at once finish many times sooner than one after another; on a local
// disk they gain nothing. The run's thread keeps deciding and recording; the
// workers only do the operations it hands them.
//
// How many work at once is chosen while the command goes (WorkerChoice), or
// fixed by the user: one means one at a time, on the command's own thread.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace ordovan {

class EventPump;

// The count that means "choose while the command goes".
inline constexpr std::size_t kAutomaticWorkers = 0;
// The most operations in flight at once.
inline constexpr std::size_t kMostWorkers = 32;
// How often a command's thread that waits for its workers lets window
// messages (and Stop) through.
inline constexpr std::chrono::milliseconds kWaitingPumpEvery{15};

// One operation for a worker. Whoever claims it (a worker, or the thread that
// needs its answer now) runs it, once.
class WorkerJob {
 public:
  enum State : int { kQueued, kRunning, kDone, kDropped };

  explicit WorkerJob(std::string spread = std::string()) : spread_(std::move(spread)) {}
  virtual ~WorkerJob() = default;
  WorkerJob(const WorkerJob&) = delete;
  WorkerJob& operator=(const WorkerJob&) = delete;

  // Jobs of one folder wait for each other while jobs of other folders are
  // waiting: a system that locks a folder for every create or delete in it
  // (Linux does) would make them queue anyway. Empty: no folder.
  const std::string& spread() const { return spread_; }
  State state() const { return static_cast<State>(state_.load(std::memory_order_acquire)); }
  bool done() const { return state() == kDone; }
  // Takes the job for running; false when someone else has it, or it was dropped.
  bool Claim() {
    int queued = kQueued;
    return state_.compare_exchange_strong(queued, kRunning, std::memory_order_acq_rel);
  }
  // False when the operation broke off at a stop and did nothing.
  virtual bool Reached() const { return true; }
  // The flag a worker hands to Run; none: never stopped.
  void SetStop(const std::atomic<bool>* stop) { stop_ = stop; }
  // Claims and runs it here; false when it was someone else's.
  bool RunHere(const std::atomic<bool>& stop) {
    if (!Claim()) return false;
    Timed(stop);
    state_.store(kDone, std::memory_order_release);
    return true;
  }
  // How long the operation took, once done.
  std::chrono::steady_clock::duration took() const { return took_; }

 protected:
  // The operation. Once `stop` is set it may break off, leaving nothing.
  virtual void Run(const std::atomic<bool>& stop) = 0;

 private:
  friend class RunWorkers;
  void Timed(const std::atomic<bool>& stop) {
    const auto start = std::chrono::steady_clock::now();
    Run(stop);
    took_ = std::chrono::steady_clock::now() - start;
  }
  std::string spread_;
  std::chrono::steady_clock::duration took_{};
  std::atomic<int> state_{kQueued};
  const std::atomic<bool>* stop_ = nullptr;
};

// Threads that run queued jobs, at most `limit` at a time, made when first
// needed. Jobs queued first go before all others; among the rest, the oldest
// job of a folder nobody works in goes first.
class RunWorkers {
 public:
  RunWorkers() = default;
  // Drops what is queued and waits for the jobs in hand.
  ~RunWorkers();
  RunWorkers(const RunWorkers&) = delete;
  RunWorkers& operator=(const RunWorkers&) = delete;

  void SetLimit(std::size_t limit);
  void Submit(std::shared_ptr<WorkerJob> job, bool first = false);
  // Every queued job not yet begun is dropped (never runs).
  void DropQueued();

  // A count that changes whenever a job ends: read it, look at the jobs,
  // then wait for a change from it.
  std::uint64_t Generation() const;
  // Waits until a job ends after `seen` was read, or `most` has passed.
  void WaitForChange(std::uint64_t seen, std::chrono::milliseconds most);
  // Waits until `job` (handed to these workers) ended or was dropped, or
  // `most` has passed. Only that job's end wakes the caller: a thread that
  // waits for room among many short copies is woken once, not per copy.
  void WaitForJob(const WorkerJob& job, std::chrono::milliseconds most);

 private:
  void Work();
  bool Runnable() const;
  std::shared_ptr<WorkerJob> Pick();

  mutable std::mutex mutex_;
  std::condition_variable wake_;     // workers: a job or a free place
  std::condition_variable changed_;  // the command's thread: a job ended
  std::deque<std::shared_ptr<WorkerJob>> queue_;
  std::unordered_map<std::string, std::size_t> running_by_folder_;
  std::size_t running_ = 0;
  std::size_t limit_ = 0;
  std::uint64_t generation_ = 0;
  std::size_t change_waiters_ = 0;      // in WaitForChange
  const WorkerJob* awaited_ = nullptr;  // in WaitForJob
  bool ending_ = false;
  std::vector<std::thread> threads_;
};

// How many operations run at once. Fixed, or chosen while the command goes:
// one at a time first, then twice as many as long as that lets at least 15%
// more end per second, back when it does not; tried again later (after a
// second, then twice as long each time), and fewer are tried when operations
// that wait slow down.
// What "end per second" means depends on the operations. One that waits (for
// a file server, or a disk's seek) takes a millisecond or more, and as long as
// it takes no longer with twice as many in flight, twice as many end per
// second (in flight / time each): the time each takes is the signal, not how
// many ended, which depends as much on what the command's own thread does
// between them (listing, making folders). One that does not wait (a local
// disk's) is mostly processor work, and so is the command's own work between
// them: a second worker gains only where a second core takes part of it, and
// what ended per second says whether it did. No more of those run at once
// than there are cores.
class WorkerChoice {
 public:
  using Clock = std::chrono::steady_clock;

  // `asked`: 1 to kMostWorkers, or kAutomaticWorkers.
  // `cores`: how many operations that do not wait can run at once.
  explicit WorkerChoice(std::size_t asked, std::size_t cores = std::thread::hardware_concurrency());

  std::size_t workers() const { return workers_; }
  // `count` operations ended at `now`, having taken `took` in all.
  void Ended(Clock::time_point now, Clock::duration took, std::size_t count = 1);

  // What one measure takes at least: this long, and this many operations.
  static constexpr std::chrono::milliseconds kMeasureTime{100};
  static constexpr std::chrono::milliseconds kQuickMeasureTime{300};
  static constexpr std::size_t kMeasureCount = 8;
  // Operations that take this long or longer wait for something.
  static constexpr std::chrono::microseconds kWaiting{1000};

 private:
  enum class Phase { kFirst, kMore, kSettled, kFewer };
  // `each`: the seconds one operation took, on average, in the last measure;
  // `ended_per_second`: how many ended per second in it.
  void Judge(double each, double ended_per_second, Clock::time_point now);
  void Try(std::size_t workers, Phase phase, double rate_before);
  void Settle(std::size_t workers, double rate, Clock::time_point now, bool later);

  bool automatic_;
  std::size_t cores_;
  std::size_t workers_;
  Phase phase_ = Phase::kFirst;
  bool measuring_ = false;
  Clock::time_point measure_start_{};
  std::size_t measured_ = 0;
  Clock::duration busy_{};  // the operations of this measure, added up
  std::size_t tried_from_ = 1;
  double rate_before_ = 0;  // at tried_from_: operations per second it can end
  double settled_rate_ = 0;
  Clock::time_point next_try_{};
  std::chrono::milliseconds wait_{1000};
  bool try_fewer_next_ = false;
};

// Runs `jobs` with as many at once as `choice` says (one after another on
// this thread when one), pumping `pump` meanwhile, until all ran or the
// user stopped: then `stop` is set, jobs not begun are dropped and the ones
// in hand end. `weight(i)` is how many operations job i holds, for the
// choice. False when stopped.
bool RunJobs(const std::vector<std::shared_ptr<WorkerJob>>& jobs, WorkerChoice& choice,
             EventPump* pump, std::atomic<bool>& stop, const std::vector<std::size_t>& weights);

}  // namespace ordovan
