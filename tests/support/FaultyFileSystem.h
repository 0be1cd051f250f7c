#pragma once
// A FileSystem for tests that forwards to a real one and fails the calls a
// test names: the n-th copy (outright, or midway through the real copy),
// removals of given paths, CreateFolders of a given folder. It counts every
// call, so a test can also prove what was not attempted. It can also end the
// process at a chosen operation, as a kill would (run such a test's command
// in RunInChildProcess).

#include <cstdint>
#include <functional>
#include <istream>
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
  int copies = 0;
  int remove_file = 0;
  int remove_folder = 0;
  int list_folder = 0;
};

// How a process ends that a crash point ended.
inline constexpr int kCrashExitCode = 86;
// Runs `body` in a child process and gives how that ended: its exit code (0
// when `body` returned), -1 when it died otherwise or when this system
// forks no process (Windows: tests of crashes skip there). The disk is what
// the child left; the caller's memory is as before.
int RunInChildProcess(const std::function<void()>& body);

enum class CrashPoint { kCopy, kRemoveFile, kAppend, kReplace };

class FaultyFileSystem : public FileSystemWrapper {
 public:
  explicit FaultyFileSystem(FileSystem* target = FileSystem::Default())
      : FileSystemWrapper(target) {}

  // The n-th copy from now on (1 = the next one) fails without touching the
  // disk.
  void FailCopy(int n);
  // The n-th copy from now on runs on the real file system but breaks off
  // after `bytes` bytes (a file no longer than that copies fine).
  void FailCopyMidway(int n, std::uint64_t bytes);
  // RemoveFile and RemoveEmptyFolder of exactly this program path fail (the
  // folder as refused).
  void RefuseRemoval(const std::string& path);
  // CreateFolders fails for this program path and every path below it.
  void FailCreateFolders(const std::string& path);
  // Ends the process before the n-th call from now on of `point` (an append
  // to a journal, the renaming of one into its place, a copy, a removal).
  void CrashAt(CrashPoint point, int n);
  // The n-th copy from now on makes its target new, writes `bytes` bytes of
  // the source into it, as a copy without unnamed files does, and ends the
  // process there.
  void CrashMidCopy(int n, std::uint64_t bytes);

  const FileSystemCalls& calls() const { return calls_; }

  bool IsFolder(const std::string& path) override;
  bool IsFile(const std::string& path) override;
  bool CreateFolders(const std::string& path) override;
  bool CopyFileNoOverwrite(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path, FileError* error = nullptr) override;
  bool ListFolder(const std::string& path, DIR_ENTRIES* entries) override;

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
  std::unique_ptr<AppendFile> CreateAppendFile(const std::string& path) override;
  // Counts toward the crash point and ends the process when it is reached.
  void Reached(CrashPoint point);

 private:
  std::unique_ptr<OutputFile> LimitWrite(std::unique_ptr<OutputFile> real);
  std::uint64_t write_limit_ = UINT64_MAX;
  std::uint64_t read_limit_ = UINT64_MAX;
  bool fail_replace_ = false;

  FileSystemCalls calls_;
  int fail_copy_at_ = 0;  // absolute copy number; 0 = none
  int midway_copy_at_ = 0;
  std::uint64_t midway_bytes_ = 0;
  std::set<std::string> refused_removals_;
  CrashPoint crash_point_ = CrashPoint::kCopy;
  int crash_in_ = 0;  // calls of crash_point_ until the crash; 0 = none
  int crash_copy_at_ = 0;
  std::uint64_t crash_copy_bytes_ = 0;
  std::string failing_folder_;
};

}  // namespace ordovan::testing
