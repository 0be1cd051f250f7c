#pragma once
// A mutex that spins a moment before it sleeps. Around a few microseconds of
// work that several threads want at a high rate (a journal line per copy),
// being put to sleep and woken costs more than the wait itself, and on a
// virtual machine far more.

#include <mutex>
#include <thread>
#if defined(__x86_64__) || defined(_M_X64) || defined(__i386__) || defined(_M_IX86)
#include <immintrin.h>
#define ORDOVAN_SPIN_PAUSE() _mm_pause()
#else
#define ORDOVAN_SPIN_PAUSE() std::this_thread::yield()
#endif

namespace ordovan {

class SpinningMutex {
 public:
  void lock() {
    for (int i = 0; i < kSpins; ++i) {
      if (mutex_.try_lock()) return;
      ORDOVAN_SPIN_PAUSE();
    }
    mutex_.lock();
  }
  bool try_lock() { return mutex_.try_lock(); }
  void unlock() { mutex_.unlock(); }

 private:
  // About ten microseconds: longer than a journal line takes, far shorter
  // than a sleep.
  static constexpr int kSpins = 200;
  std::mutex mutex_;
};

}  // namespace ordovan

#undef ORDOVAN_SPIN_PAUSE
