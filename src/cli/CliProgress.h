#pragma once
// Progress on standard error and the Ctrl-C stop. The long commands call
// Pump() once per item; when standard error is a terminal a bar with the
// count and the rate is redrawn a few times a second, otherwise nothing is
// written. Ctrl-C only raises a flag: the command stops at its next safe
// point, as the window's Stop makes it, and says so.

#include <chrono>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>

#include "platform/EventPump.h"

namespace ordovan::cli {

// Catches Ctrl-C from now on; a second Ctrl-C ends the program at once.
void InstallStopSignal();
// True once Ctrl-C was pressed (or RequestStop called).
bool StopSignalled();
// Raises the flag as Ctrl-C does; for tests.
void RequestStop();
void ClearStopRequest();

class CliProgress : public EventPump {
 public:
  // `total` 0: the count is shown without a bar (scans, whose size is unknown).
  CliProgress(std::ostream& err, bool draw, std::size_t total, std::string unit);
  ~CliProgress() override { Clear(); }
  CliProgress(const CliProgress&) = delete;
  CliProgress& operator=(const CliProgress&) = delete;

  // Where the count comes from when the long command pumps more often than
  // once per item (a run pumps between files); by default each Pump counts one.
  void SetCount(std::function<std::size_t()> count) { count_from_ = std::move(count); }
  // Further text after the rate ("1200 files").
  void SetDetail(std::function<std::string()> detail) { detail_ = std::move(detail); }

  void Pump() override;
  bool StopRequested() const override { return StopSignalled(); }

  // Removes the bar from the terminal line (before a message or at the end).
  void Clear();
  std::size_t count() const { return count_from_ ? count_from_() : count_; }

 private:
  void Draw(std::chrono::steady_clock::time_point now);

  std::ostream& err_;
  bool draw_;
  std::size_t total_;
  std::string unit_;
  std::size_t count_ = 0;
  bool shown_ = false;
  std::function<std::size_t()> count_from_;
  std::function<std::string()> detail_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point last_draw_{};
};

}  // namespace ordovan::cli
