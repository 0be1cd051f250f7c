#include "support/ui/QueuedDialogs.h"

#include <gtest/gtest.h>

namespace ordovan::testing {

namespace {
const char* KindName(QueuedDialogs::Kind kind) {
  switch (kind) {
    case QueuedDialogs::Kind::kFolder: return "folder picker";
    case QueuedDialogs::Kind::kOpenFile: return "open file dialog";
    case QueuedDialogs::Kind::kSaveFile: return "save file dialog";
  }
  return "?";
}
}  // namespace

QueuedDialogs::~QueuedDialogs() {
  EXPECT_TRUE(expected_.empty()) << expected_.size() << " expected dialog(s) never shown; first: "
                                 << (expected_.empty() ? "" : expected_.front().title);
}

void QueuedDialogs::ExpectFolder(std::string title, std::string answer) {
  expected_.push_back({Kind::kFolder, std::move(title), std::move(answer)});
}
void QueuedDialogs::ExpectOpenFile(std::string title, std::string answer) {
  expected_.push_back({Kind::kOpenFile, std::move(title), std::move(answer)});
}
void QueuedDialogs::ExpectSaveFile(std::string title, std::string answer) {
  expected_.push_back({Kind::kSaveFile, std::move(title), std::move(answer)});
}

std::string QueuedDialogs::Answer(Kind kind, const std::string& title) {
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected " << KindName(kind) << " titled [" << title << "]";
    return {};
  }
  Expected next = expected_.front();
  expected_.pop_front();
  EXPECT_STREQ(KindName(next.kind), KindName(kind)) << "title: " << title;
  EXPECT_EQ(next.title, title);
  return next.answer;
}

std::string QueuedDialogs::BrowseForFolder(QWidget*, const std::string& title) {
  return Answer(Kind::kFolder, title);
}
std::string QueuedDialogs::OpenFileName(QWidget*, const FileDialogRequest& request) {
  last_file_request_ = request;
  return Answer(Kind::kOpenFile, request.title);
}
std::string QueuedDialogs::SaveFileName(QWidget*, const FileDialogRequest& request) {
  last_file_request_ = request;
  return Answer(Kind::kSaveFile, request.title);
}

}  // namespace ordovan::testing
