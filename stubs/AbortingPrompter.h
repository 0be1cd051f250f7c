#pragma once
// A Prompter for work that must show no message: the first one is printed to
// standard error and ends the program, so a measurement or a fuzz run never
// goes on past a failure.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Prompter.h"

namespace ordovan::stubs {

class AbortingPrompter : public Prompter {
 public:
  Answer Show(MessageKind, const std::string& text, const std::string& title) override {
    std::fprintf(stderr, "unexpected message: %s %s\n", title.c_str(), text.c_str());
    std::abort();
  }
};

}  // namespace ordovan::stubs
