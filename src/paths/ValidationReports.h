#pragma once
// Validation reports for lists of typed, pasted or imported paths: each
// returns true when it found something and leaves the report text in
// `message` for the caller to show.

#include <cstdint>
#include <string>

#include "paths/PathText.h"

namespace ordovan {

struct _tagBadCharsInFolder {
  std::string folder;      // normalized
  std::string characters;  // as FindIllegalCharacters gives them
};

struct _tagColonsInFolder {
  std::string folder;  // normalized
  std::int32_t colons = 0;
};

// Appends the syntax-error section when a path holds illegal characters.
bool ReportSyntaxErrors(std::string* message, const TEXT_LIST& paths);
// Appends the colon section when a path holds more than one colon.
bool ReportColons(std::string* message, const TEXT_LIST& paths);
// The full report of the list editors: no drive letter, illegal characters,
// more than one colon. The message is replaced only when something was found.
bool ValidateFullPaths(std::string* message, const TEXT_LIST& paths);

}  // namespace ordovan
