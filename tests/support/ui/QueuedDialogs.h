#pragma once
// Test double for Dialogs: a test queues each dialog it expects (its kind
// and title) with the answer the user gives; a dialog nobody expected, or
// one with another title, fails the test.

#include <deque>
#include <string>

#include "uikit/Dialogs.h"

namespace ordovan::testing {

class QueuedDialogs : public Dialogs {
 public:
  enum class Kind { kFolder, kOpenFile, kSaveFile };

  ~QueuedDialogs() override;

  void ExpectFolder(std::string title, std::string answer);
  void ExpectOpenFile(std::string title, std::string answer);
  void ExpectSaveFile(std::string title, std::string answer);
  bool Done() const { return expected_.empty(); }
  // The request of the last file dialog shown, to check filter and options.
  const FileDialogRequest& last_file_request() const { return last_file_request_; }

  std::string BrowseForFolder(QWidget* owner, const std::string& title) override;
  std::string OpenFileName(QWidget* owner, const FileDialogRequest& request) override;
  std::string SaveFileName(QWidget* owner, const FileDialogRequest& request) override;

 private:
  struct Expected {
    Kind kind;
    std::string title;
    std::string answer;
  };
  std::string Answer(Kind kind, const std::string& title);

  std::deque<Expected> expected_;
  FileDialogRequest last_file_request_;
};

}  // namespace ordovan::testing
