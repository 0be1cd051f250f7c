#pragma once
// A FileSystem for tests of commands with several workers: it forwards to a
// real one but holds each operation a short, varying time, so that the
// operations in flight together end in another order than they began, as on
// a file server. It can also fail the copies of named source files, whichever
// thread makes them. Safe from any thread once set up.

#include <chrono>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "platform/FileSystem.h"

namespace ordovan::testing {

class DelayingFileSystem : public FileSystemWrapper {
 public:
  explicit DelayingFileSystem(std::chrono::microseconds most, FileSystem* target = FileSystem::Default())
      : FileSystemWrapper(target), most_(most) {}

  // Before the command: every copy of `source` fails for `why`, touching nothing.
  void FailCopiesOf(const std::string& source, CopyError why) { failing_[source] = why; }

  // The real copy and the real removal, not the composed ones: their own
  // calls are what a run makes.
  NewFileCopied CopyNewFile(const std::string& from, const std::string& to,
                            const NewFileCopy& how) override {
    Hold();
    if (const auto failing = failing_.find(from); failing != failing_.end()) {
      NewFileCopied failed;
      failed.error = failing->second;
      return failed;
    }
    return target()->CopyNewFile(from, to, how);
  }
  void RemoveCopies(const std::string& folder, std::vector<CopyToRemove>* files,
                    const std::function<bool(const std::string& name)>& removing,
                    const std::atomic<bool>* stop = nullptr) override {
    Hold();
    target()->RemoveCopies(folder, files, removing, stop);
  }
  bool IsFolder(const std::string& path) override {
    Hold();
    return target()->IsFolder(path);
  }
  FolderMade MakeFolder(const std::string& path) override {
    Hold();
    return target()->MakeFolder(path);
  }
  bool RemoveEmptyFolder(const std::string& path, FileError* error = nullptr) override {
    Hold();
    return target()->RemoveEmptyFolder(path, error);
  }
  bool ListFolder(const std::string& path, DIR_ENTRIES* entries,
                  DIR_ENTRIES* nameless = nullptr) override {
    Hold();
    return target()->ListFolder(path, entries, nameless);
  }

 private:
  void Hold() const {
    thread_local std::minstd_rand random(
        static_cast<unsigned>(std::hash<std::thread::id>{}(std::this_thread::get_id())));
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (most_.count() + 1)));
  }

  const std::chrono::microseconds most_;
  std::map<std::string, CopyError> failing_;
};

}  // namespace ordovan::testing
