#include "paths/ByteSize.h"

#include <charconv>

namespace ordovan {

ByteSize FormatByteSize(std::uint64_t bytes) {
  ByteSize r;
  const double b = static_cast<double>(bytes);
  if (b / 1073741824.0 > 1) {
    r.value = b / 1073741824.0;
    r.unit = " GB";
  } else if (b / 1048576.0 > 1) {
    r.value = b / 1048576.0;
    r.unit = " MB";
  } else if (b / 1024.0 > 1) {
    r.value = b / 1024.0;
    r.unit = " KB";
  } else {
    r.value = b;
    r.unit = " Bytes";
  }
  // to_chars ignores the process locale: the point stays a point even after
  // the windowing toolkit has switched to the user's locale.
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, r.value,
                                 std::chars_format::fixed, 2);
  r.text.assign(buffer, ec == std::errc() ? end : buffer);
  r.text += r.unit;
  return r;
}

}  // namespace ordovan
