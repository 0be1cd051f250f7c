#pragma once
// A Prompter for programs that run with nobody to ask: every question is
// answered Yes, everything else OK, and nothing is shown.

#include <string>

#include "platform/Prompter.h"

namespace ordovan::stubs {

class QuietPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string&, const std::string&) override {
    return kind == MessageKind::kQuestion ? Answer::kYes : Answer::kOk;
  }
};

}  // namespace ordovan::stubs
