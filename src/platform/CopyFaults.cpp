#include "platform/CopyFaults.h"

namespace ordovan {

namespace {
std::atomic<std::uint64_t> copy_fault_limit{kNoCopyFault};
std::atomic<bool> without_unnamed_files{false};
}  // namespace

std::uint64_t CopyFaultLimit() { return copy_fault_limit.load(std::memory_order_relaxed); }

void SetCopyFaultLimit(std::uint64_t bytes) {
  copy_fault_limit.store(bytes, std::memory_order_relaxed);
}

bool CopyWithoutUnnamedFiles() { return without_unnamed_files.load(std::memory_order_relaxed); }

void SetCopyWithoutUnnamedFiles(bool without) {
  without_unnamed_files.store(without, std::memory_order_relaxed);
}

}  // namespace ordovan
