#include "cli/CliProgress.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <ostream>

namespace ordovan::cli {

namespace {
std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
  g_stop.store(true);
  // A second Ctrl-C is not caught: whoever presses it twice wants out now.
  std::signal(SIGINT, SIG_DFL);
}

constexpr auto kRedrawEvery = std::chrono::milliseconds(200);
constexpr int kBarWidth = 30;
}  // namespace

void InstallStopSignal() { std::signal(SIGINT, OnInterrupt); }
bool StopSignalled() { return g_stop.load(); }
void RequestStop() { g_stop.store(true); }
void ClearStopRequest() { g_stop.store(false); }

CliProgress::CliProgress(std::ostream& err, bool draw, std::size_t total, std::string unit)
    : err_(err),
      draw_(draw),
      total_(total),
      unit_(std::move(unit)),
      start_(std::chrono::steady_clock::now()) {}

void CliProgress::Pump() {
  ++count_;
  if (!draw_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - last_draw_ < kRedrawEvery && count() != total_) return;
  Draw(now);
}

void CliProgress::Draw(std::chrono::steady_clock::time_point now) {
  last_draw_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  const std::size_t done = count();
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
  std::string line = "\r";
  if (total_ != 0) {
    const int filled = static_cast<int>(kBarWidth * std::min(done, total_) / total_);
    line += '[' + std::string(static_cast<std::size_t>(filled), '#') +
            std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] ";
    line += std::to_string(done) + '/' + std::to_string(total_);
  } else {
    line += std::to_string(done);
  }
  char rate_text[64];
  std::snprintf(rate_text, sizeof rate_text, " %s  %.0f/s", unit_.c_str(), rate);
  line += rate_text;
  if (detail_) line += "  " + detail_();
  if (StopSignalled()) line += "  stopping...";
  line += "\x1b[K";  // clear what a longer line left behind
  err_ << line;
  err_.flush();
  shown_ = true;
}

void CliProgress::Clear() {
  if (!shown_) return;
  err_ << "\r\x1b[K";
  err_.flush();
  shown_ = false;
}

}  // namespace ordovan::cli
