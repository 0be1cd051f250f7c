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
#include "platform/Utf8.h"

namespace ordovan {

namespace {

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
  if (LowerIfAscii(&out)) return out;

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
