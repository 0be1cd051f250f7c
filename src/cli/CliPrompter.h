#pragma once
// The command line's message box: every warning the windows would show goes
// to standard error with its title (which names its number) and its text, as
// the window writes them. A question is answered Yes by `--yes`, asked on the
// terminal when there is one, and otherwise refused: the command then ends
// with bad input rather than guessing.

#include <functional>
#include <iosfwd>
#include <istream>
#include <string>

#include "platform/Prompter.h"

namespace ordovan::cli {

class CliPrompter : public Prompter {
 public:
  struct Answers {
    bool yes = false;          // --yes: every question is answered Yes
    bool interactive = false;  // standard input and error are terminals
  };

  CliPrompter(std::ostream& err, std::istream& in, Answers answers)
      : err_(err), in_(in), answers_(answers) {}

  // Called before a message is written, so a progress bar can make room.
  void SetBeforeMessage(std::function<void()> hook) { before_message_ = std::move(hook); }

  Answer Show(MessageKind kind, const std::string& text, const std::string& title) override;

  // A question that went unanswered because nobody could answer it.
  bool refused() const { return refused_; }
  int warnings() const { return warnings_; }

 private:
  std::ostream& err_;
  std::istream& in_;
  Answers answers_;
  std::function<void()> before_message_;
  bool refused_ = false;
  int warnings_ = 0;
};

}  // namespace ordovan::cli
