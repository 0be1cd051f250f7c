#pragma once
// Text as the settings file holds it: single-byte text in the system's ANSI
// code page on Windows (so files of earlier versions read back), the UTF-8
// bytes themselves elsewhere.

#include <cstddef>
#include <string>

namespace ordovan {

// UTF-8 -> file text. On Windows a character the ANSI code page lacks becomes
// the code page's default character ("?").
std::string ToSettingsText(const std::string& utf8);
// File text -> UTF-8. Bytes that are not valid in the file's encoding are kept
// (POSIX) or mapped by the system's conversion (Windows); never fails.
std::string FromSettingsText(const std::string& file_text);
// The length of the longest prefix of `file_text` of at most `max_bytes`
// bytes that ends on a character boundary: never inside a UTF-8 sequence
// (POSIX) nor inside a double-byte character of the ANSI code page (Windows).
std::size_t SettingsTextFit(const std::string& file_text, std::size_t max_bytes);

// --- List files ---
// Text in the Windows ANSI code page -> UTF-8, for list files written by older
// tools: the system's ANSI code page on Windows, Windows-1252 elsewhere (its
// five unassigned bytes become U+FFFD). Never fails.
std::string AnsiToUtf8(const std::string& ansi);

}  // namespace ordovan
