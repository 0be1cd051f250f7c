#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

namespace ordovan::testing {

namespace {
const char* KindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning: return "warning";
    case MessageKind::kQuestion: return "question";
    case MessageKind::kInformation: return "information";
    case MessageKind::kError: return "error";
    case MessageKind::kPlain: return "plain";
  }
  return "?";
}
}  // namespace

RecordingPrompter::~RecordingPrompter() {
  if (!verified_) {
    EXPECT_TRUE(expected_.empty()) << expected_.size() << " expected message(s) never shown; first: "
                                   << (expected_.empty() ? "" : expected_.front().message.title);
  }
}

void RecordingPrompter::Expect(MessageKind kind, std::string text, std::string title,
                               Answer answer) {
  expected_.push_back({{kind, std::move(text), std::move(title)}, answer});
}

Answer RecordingPrompter::Show(MessageKind kind, const std::string& text,
                               const std::string& title) {
  shown_.push_back({kind, text, title});
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected " << KindName(kind) << " message\n  title: [" << title
                  << "]\n  text: [" << text << "]";
    return kind == MessageKind::kQuestion ? Answer::kNo : Answer::kOk;
  }
  Expected next = expected_.front();
  expected_.pop_front();
  EXPECT_EQ(KindName(next.message.kind), std::string(KindName(kind))) << "title: " << title;
  EXPECT_EQ(next.message.title, title);
  EXPECT_EQ(next.message.text, text);
  return next.answer;
}

void RecordingPrompter::VerifyDone() {
  verified_ = true;
  EXPECT_TRUE(expected_.empty()) << expected_.size() << " expected message(s) never shown; first: "
                                 << (expected_.empty() ? "" : expected_.front().message.title);
}

}  // namespace ordovan::testing
