#pragma once
// Every message box of the program goes through a Prompter: kind, text and
// title in, the answer out. The windows show a real message box; tests record
// each message and answer from a queue.

#include <string>

namespace ordovan {

enum class MessageKind {
  kWarning,      // warning icon, OK
  kQuestion,     // question icon, Yes and No, No the default
  kInformation,  // information icon, OK
  kError,        // error icon, OK
  kPlain,        // no icon, OK: a plain notice
};

enum class Answer { kOk, kYes, kNo };

class Prompter {
 public:
  Prompter() = default;
  Prompter(const Prompter&) = delete;
  Prompter& operator=(const Prompter&) = delete;
  virtual ~Prompter() = default;

  // Shows one message and waits for the answer.
  virtual Answer Show(MessageKind kind, const std::string& text, const std::string& title) = 0;

  void Warn(const std::string& text, const std::string& title) {
    Show(MessageKind::kWarning, text, title);
  }
  void Inform(const std::string& text, const std::string& title) {
    Show(MessageKind::kInformation, text, title);
  }
  void Fail(const std::string& text, const std::string& title) {
    Show(MessageKind::kError, text, title);
  }
  void Notify(const std::string& text, const std::string& title) {
    Show(MessageKind::kPlain, text, title);
  }
  // True when the user answered Yes.
  bool Ask(const std::string& text, const std::string& title) {
    return Show(MessageKind::kQuestion, text, title) == Answer::kYes;
  }
};

}  // namespace ordovan
