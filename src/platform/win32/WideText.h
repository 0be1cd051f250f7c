#pragma once
// UTF-8 <-> UTF-16 for the calls of the Win32 backend. Internal to win32/.

#include <string>
#include <string_view>

namespace ordovan::win32 {

// Appends the UTF-16 form of `utf8` to `*out`. False, with `*out` unchanged,
// when `utf8` is not valid UTF-8.
bool AppendWide(std::string_view utf8, std::wstring* out);
// The UTF-8 form of `wide` in `*out`. False when `wide` is not valid UTF-16
// (a lone surrogate), which no program path can hold.
bool ToUtf8(std::wstring_view wide, std::string* out);

}  // namespace ordovan::win32
