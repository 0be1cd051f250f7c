#pragma once
// Test hook of the real file system: while set, every CopyFileNoOverwrite of
// a file longer than the limit writes exactly that many bytes into the new
// target and then fails, as a full disk or a lost network share would. Tests
// use it to prove that a failed copy leaves no partial file behind. Costs one
// relaxed atomic load per copy when unused.

#include <atomic>
#include <cstdint>

namespace ordovan {

inline constexpr std::uint64_t kNoCopyFault = UINT64_MAX;

// The byte limit in force, kNoCopyFault when copies run normally.
std::uint64_t CopyFaultLimit();
// Makes copies fail after `bytes` bytes; kNoCopyFault turns the fault off.
void SetCopyFaultLimit(std::uint64_t bytes);

// Test hook: while set, copies on POSIX take the way of file systems that
// have no unnamed temporary files (vfat, network shares), writing under the
// target's own name from the first byte on. Windows copies always do.
bool CopyWithoutUnnamedFiles();
void SetCopyWithoutUnnamedFiles(bool without);

// Sets the fault for one scope.
class ScopedCopyFault {
 public:
  explicit ScopedCopyFault(std::uint64_t bytes) : previous_(CopyFaultLimit()) {
    SetCopyFaultLimit(bytes);
  }
  ~ScopedCopyFault() { SetCopyFaultLimit(previous_); }
  ScopedCopyFault(const ScopedCopyFault&) = delete;
  ScopedCopyFault& operator=(const ScopedCopyFault&) = delete;

 private:
  std::uint64_t previous_;
};

}  // namespace ordovan
