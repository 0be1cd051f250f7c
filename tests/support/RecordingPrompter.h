#pragma once
// Test double for Prompter: a test queues the messages it expects, each with
// its answer, before it acts; a message nobody expected, or one whose kind,
// text or title differ, fails the test.

#include <deque>
#include <string>
#include <vector>

#include "platform/Prompter.h"

namespace ordovan::testing {

struct ShownMessage {
  MessageKind kind;
  std::string text;
  std::string title;
};

class RecordingPrompter : public Prompter {
 public:
  ~RecordingPrompter() override;

  // The next message must be exactly this one; `answer` is what the user says.
  void Expect(MessageKind kind, std::string text, std::string title,
              Answer answer = Answer::kOk);

  Answer Show(MessageKind kind, const std::string& text, const std::string& title) override;

  const std::vector<ShownMessage>& shown() const { return shown_; }
  // True when every expected message has been shown.
  bool Done() const { return expected_.empty(); }
  // Fails the current test when expected messages are left unshown.
  void VerifyDone();

 private:
  struct Expected {
    ShownMessage message;
    Answer answer;
  };
  std::deque<Expected> expected_;
  std::vector<ShownMessage> shown_;
  bool verified_ = false;
};

}  // namespace ordovan::testing
