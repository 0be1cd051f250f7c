#pragma once
// The few UTF-8 facts the program needs: how long a well-formed sequence is,
// how to write a code point, and how many characters a text has.

#include <cstddef>
#include <string>

namespace ordovan {

// Length of the well-formed UTF-8 sequence at `i` (1 to 4), with its code
// point in `*cp` when given; 0 when the bytes there are not one (overlong,
// surrogate, out of range, cut short).
std::size_t Utf8SequenceLength(const std::string& text, std::size_t i, char32_t* cp = nullptr);

// Appends the UTF-8 form of a valid code point.
void AppendUtf8(char32_t cp, std::string* out);

// Characters, not bytes: every byte that is not a continuation byte counts.
std::size_t Utf8CharacterCount(const std::string& text);

// Lowers the ASCII letters of `text` and returns true when it is ASCII
// throughout; stops at the first byte above 0x7F and returns false.
bool LowerIfAscii(std::string* text);

}  // namespace ordovan
