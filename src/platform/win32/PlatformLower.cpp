// Lower-casing of UTF-8 text with the system's own case tables (the ones the
// file explorer uses), through UTF-16.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstddef>
#include <string>

#include "platform/PathServices.h"

namespace ordovan {

namespace {

// Length of the well-formed UTF-8 sequence at `i`, or 0 when the bytes there
// are not one (overlong, surrogate, out of range, cut short).
std::size_t Utf8SequenceLength(const std::string& s, std::size_t i) {
  const auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  std::size_t len;
  unsigned long value;
  unsigned long min;
  if (b0 < 0x80) {
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2, value = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, value = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, value = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const unsigned char b = byte(i + k);
    if ((b & 0xC0) != 0x80) return 0;
    value = (value << 6) | (b & 0x3F);
  }
  if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return len;
}

// Lowers a run of well-formed UTF-8 and appends it to `out`.
void AppendLoweredRun(const char* run, int length, std::string* out) {
  if (length <= 0) return;
  const int wide_length = MultiByteToWideChar(CP_UTF8, 0, run, length, nullptr, 0);
  if (wide_length <= 0) {
    out->append(run, static_cast<std::size_t>(length));
    return;
  }
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, run, length, wide.data(), wide_length);
  CharLowerBuffW(wide.data(), static_cast<DWORD>(wide_length));
  const int narrow_length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  if (narrow_length <= 0) {
    out->append(run, static_cast<std::size_t>(length));
    return;
  }
  const std::size_t at = out->size();
  out->resize(at + static_cast<std::size_t>(narrow_length));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, out->data() + at, narrow_length,
                      nullptr, nullptr);
}

}  // namespace

std::string PlatformLower(const std::string& text) {
  std::string out = text;
  bool ascii = true;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c + ('a' - 'A'));
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii) return out;

  // Convert the well-formed stretches; bytes that are not UTF-8 stay as they
  // are instead of turning into replacement characters.
  out.clear();
  out.reserve(text.size());
  std::size_t run_start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t len = Utf8SequenceLength(text, i);
    if (len > 0) {
      i += len;
      continue;
    }
    AppendLoweredRun(text.data() + run_start, static_cast<int>(i - run_start), &out);
    out += text[i];
    ++i;
    run_start = i;
  }
  AppendLoweredRun(text.data() + run_start, static_cast<int>(i - run_start), &out);
  return out;
}

}  // namespace ordovan
