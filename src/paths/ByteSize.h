#pragma once
// Byte counts as the program shows them.

#include <cstdint>
#include <string>

namespace ordovan {

struct ByteSize {
  std::string text;  // "1.50 KB"
  double value = 0;
  std::string unit;  // " KB", with its leading space
};
ByteSize FormatByteSize(std::uint64_t bytes);

}  // namespace ordovan
