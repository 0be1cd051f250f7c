#pragma once
// A FileSystem for tests that forwards to a real one and fails the calls a
// test names: the n-th copy (outright, or midway through the real copy),
// removals of given paths, CreateFolders of a given folder. It counts every
// call, so a test can also prove what was not attempted. It can also end the
// process at a chosen operation, as a kill would.

#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace ordovan::testing {

struct FileSystemCalls {
  int is_folder = 0;
  int is_file = 0;
  int create_folders = 0;
  int make_folder = 0;
  int copies = 0;
  int remove_file = 0;
  int remove_folder = 0;
  int list_folder = 0;
};

// Runs `body` in a child process: its exit code, or -1 when it died otherwise
// or no child process can be made (Windows, where tests of crashes skip).
int RunInChildProcess(const std::function<void()>& body);
inline constexpr int kCrashExitCode = 86;
enum class CrashPoint { kRemoveFile, kReplace };

class FaultyFileSystem : public FileSystemWrapper {
 public:
  explicit FaultyFileSystem(FileSystem* target = FileSystem::Default())
      : FileSystemWrapper(target) {}

  // The n-th copy from now on (1 = the next one) fails without touching the
  // disk, for the reason given. Several copies may be told to fail.
  void FailCopy(int n, CopyError why = CopyError::kFailed);
  // The n-th copy from now on runs on the real file system but breaks off
  // after `bytes` bytes (a file no longer than that copies fine).
  void FailCopyMidway(int n, std::uint64_t bytes);
  // RemoveFile and RemoveEmptyFolder of exactly this program path fail (the
  // folder as refused).
  void RefuseRemoval(const std::string& path);
  // CreateFolders and MakeFolder fail for this program path and every path
  // below it.
  void FailCreateFolders(const std::string& path);
  // Ends the process before the n-th call from now on of `point` (a removal,
  // a file put in place of another).
  void CrashAt(CrashPoint point, int n);
  // Ends it in the n-th copy from now on, once `bytes` bytes of the source
  // are in the new target, as a copy without unnamed files leaves it.
  void CrashMidCopy(int n, std::uint64_t bytes);

  const FileSystemCalls& calls() const { return calls_; }

  bool IsFolder(const std::string& path) override;
  bool IsFile(const std::string& path) override;
  bool CreateFolders(const std::string& path) override;
  FolderMade MakeFolder(const std::string& path) override;
  bool CopyFileNoOverwrite(const std::string& from, const std::string& to,
                           CopyError* error = nullptr) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path, FileError* error = nullptr) override;
  bool ListFolder(const std::string& path, DIR_ENTRIES* entries,
                  DIR_ENTRIES* nameless = nullptr) override;

  // --- List files ---
  // The next file opened for writing (CreateNewBinaryFile, OpenBinaryWrite)
  // takes `bytes` bytes and then fails every write, as a full disk would.
  void FailWriteAfter(std::uint64_t bytes);
  // The next OpenBinaryRead serves `bytes` bytes of the real file and then
  // fails as a lost network share would.
  void FailReadAfter(std::uint64_t bytes);
  // Every ReplaceFileWith fails.
  void FailReplace() { fail_replace_ = true; }
  std::unique_ptr<OutputFile> CreateNewBinaryFile(const std::string& path,
                                                  FileError* error = nullptr) override;
  std::unique_ptr<OutputFile> OpenBinaryWrite(const std::string& path) override;
  std::unique_ptr<std::istream> OpenBinaryRead(const std::string& path,
                                               FileError* error = nullptr) override;
  bool ReplaceFileWith(const std::string& temp, const std::string& target) override;

 private:
  std::unique_ptr<OutputFile> LimitWrite(std::unique_ptr<OutputFile> real);
  void Reached(CrashPoint point);
  CrashPoint crash_point_ = CrashPoint::kRemoveFile;
  int crash_in_ = 0;  // calls of crash_point_ left before the crash; 0: none
  int crash_copy_at_ = 0;
  std::uint64_t crash_copy_bytes_ = 0;
  std::uint64_t write_limit_ = UINT64_MAX;
  std::uint64_t read_limit_ = UINT64_MAX;
  bool fail_replace_ = false;

  FileSystemCalls calls_;
  std::map<int, CopyError> failing_copies_;  // by absolute copy number
  int midway_copy_at_ = 0;
  std::uint64_t midway_bytes_ = 0;
  std::set<std::string> refused_removals_;
  std::string failing_folder_;
};

}  // namespace ordovan::testing
