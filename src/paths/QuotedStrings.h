#pragma once
// The hidden path filters' fields: quoted or blank-separated items, and the
// warning when their quotes do not pair up.

#include <string>

#include "paths/PathText.h"

namespace ordovan {

class Prompter;

// Appends the quoted or blank-separated items of a filter field to `target`.
// An odd number of `"` shows message 0519 through `prompter` and returns
// false, leaving `target` untouched.
bool ParseQuotedStrings(const std::string& text, const std::string& message_prefix,
                        TEXT_LIST* target, Prompter& prompter);

}  // namespace ordovan
