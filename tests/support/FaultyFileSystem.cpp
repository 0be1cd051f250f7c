#include "support/FaultyFileSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <streambuf>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "platform/CopyFaults.h"

namespace ordovan::testing {

namespace {

// True when `path` is `folder` or lies below it.
bool IsAtOrBelow(const std::string& path, const std::string& folder) {
  if (folder.empty() || path.compare(0, folder.size(), folder) != 0) return false;
  return path.size() == folder.size() || path[folder.size()] == '\\' ||
         path[folder.size()] == '/' || folder.back() == '\\';
}

// Passes writes on to a real file until a byte budget is spent, then fails
// every write.
class LimitedWriteBuffer : public std::streambuf {
 public:
  LimitedWriteBuffer(OutputFile& real, std::uint64_t budget) : real_(real), budget_(budget) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    char ch = traits_type::to_char_type(c);
    return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
  }
  std::streamsize xsputn(const char* data, std::streamsize n) override {
    const auto take = static_cast<std::streamsize>(std::min<std::uint64_t>(budget_, std::uint64_t(n)));
    real_.write(data, take);
    budget_ -= static_cast<std::uint64_t>(take);
    return take;  // fewer than asked: the stream sets badbit
  }
  int sync() override { return real_.flush() ? 0 : -1; }

 private:
  OutputFile& real_;
  std::uint64_t budget_;
};

class LimitedWriteStream : public OutputFile {
 public:
  LimitedWriteStream(std::unique_ptr<OutputFile> real, std::uint64_t budget)
      : real_(std::move(real)), buffer_(*real_, budget) {
    rdbuf(&buffer_);
  }
  bool Close() override {
    const bool flushed = static_cast<bool>(flush());
    return real_->Close() && flushed;
  }

 private:
  std::unique_ptr<OutputFile> real_;
  LimitedWriteBuffer buffer_;
};

// Serves a real stream's bytes until a budget is spent, then reports a
// failure of the device (which the istream turns into badbit).
class LimitedReadBuffer : public std::streambuf {
 public:
  LimitedReadBuffer(std::unique_ptr<std::istream> real, std::uint64_t budget)
      : real_(std::move(real)), budget_(budget) {}

 protected:
  int_type underflow() override {
    if (budget_ == 0) throw std::ios_base::failure("read failed");
    const auto want = static_cast<std::streamsize>(std::min<std::uint64_t>(budget_, sizeof(chunk_)));
    real_->read(chunk_, want);
    const std::streamsize got = real_->gcount();
    if (got <= 0) return traits_type::eof();
    budget_ -= static_cast<std::uint64_t>(got);
    setg(chunk_, chunk_, chunk_ + got);
    return traits_type::to_int_type(chunk_[0]);
  }

 private:
  std::unique_ptr<std::istream> real_;
  std::uint64_t budget_;
  char chunk_[4096];
};

class LimitedReadStream : public std::istream {
 public:
  LimitedReadStream(std::unique_ptr<std::istream> real, std::uint64_t budget)
      : std::istream(nullptr), buffer_(std::move(real), budget) {
    rdbuf(&buffer_);
  }

 private:
  LimitedReadBuffer buffer_;
};

}  // namespace

int RunInChildProcess(const std::function<void()>& body) {
#ifdef _WIN32
  static_cast<void>(body);
  return -1;
#else
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    std::_Exit(0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
#endif
}

void FaultyFileSystem::CrashAt(CrashPoint point, int n) {
  crash_point_ = point;
  crash_in_ = n;
}

void FaultyFileSystem::CrashMidCopy(int n, std::uint64_t bytes) {
  crash_copy_at_ = calls_.copies + n;
  crash_copy_bytes_ = bytes;
}

void FaultyFileSystem::Reached(CrashPoint point) {
  if (point == crash_point_ && crash_in_ > 0 && --crash_in_ == 0) std::_Exit(kCrashExitCode);
}

void FaultyFileSystem::FailWriteAfter(std::uint64_t bytes) { write_limit_ = bytes; }

void FaultyFileSystem::FailReadAfter(std::uint64_t bytes) { read_limit_ = bytes; }

std::unique_ptr<OutputFile> FaultyFileSystem::LimitWrite(std::unique_ptr<OutputFile> real) {
  if (!real || write_limit_ == UINT64_MAX) return real;
  std::uint64_t budget = write_limit_;
  write_limit_ = UINT64_MAX;
  return std::make_unique<LimitedWriteStream>(std::move(real), budget);
}

std::unique_ptr<OutputFile> FaultyFileSystem::CreateNewBinaryFile(const std::string& path,
                                                                  FileError* error) {
  return LimitWrite(FileSystemWrapper::CreateNewBinaryFile(path, error));
}

std::unique_ptr<OutputFile> FaultyFileSystem::OpenBinaryWrite(const std::string& path) {
  return LimitWrite(FileSystemWrapper::OpenBinaryWrite(path));
}

std::unique_ptr<std::istream> FaultyFileSystem::OpenBinaryRead(const std::string& path,
                                                               FileError* error) {
  auto real = FileSystemWrapper::OpenBinaryRead(path, error);
  if (!real || read_limit_ == UINT64_MAX) return real;
  std::uint64_t budget = read_limit_;
  read_limit_ = UINT64_MAX;
  return std::make_unique<LimitedReadStream>(std::move(real), budget);
}

bool FaultyFileSystem::ReplaceFileWith(const std::string& temp, const std::string& target) {
  Reached(CrashPoint::kReplace);
  if (fail_replace_) return false;
  return FileSystemWrapper::ReplaceFileWith(temp, target);
}

void FaultyFileSystem::FailCopy(int n, CopyError why) { failing_copies_[calls_.copies + n] = why; }

void FaultyFileSystem::FailCopyMidway(int n, std::uint64_t bytes) {
  midway_copy_at_ = calls_.copies + n;
  midway_bytes_ = bytes;
}

void FaultyFileSystem::RefuseRemoval(const std::string& path) { refused_removals_.insert(path); }

void FaultyFileSystem::FailCreateFolders(const std::string& path) { failing_folder_ = path; }

bool FaultyFileSystem::IsFolder(const std::string& path) {
  ++calls_.is_folder;
  return FileSystemWrapper::IsFolder(path);
}

bool FaultyFileSystem::IsFile(const std::string& path) {
  ++calls_.is_file;
  return FileSystemWrapper::IsFile(path);
}

bool FaultyFileSystem::CreateFolders(const std::string& path) {
  ++calls_.create_folders;
  if (IsAtOrBelow(path, failing_folder_)) return false;
  return FileSystemWrapper::CreateFolders(path);
}

FolderMade FaultyFileSystem::MakeFolder(const std::string& path) {
  ++calls_.make_folder;
  if (IsAtOrBelow(path, failing_folder_)) return FolderMade::kFailed;
  return FileSystemWrapper::MakeFolder(path);
}

bool FaultyFileSystem::CopyFileNoOverwrite(const std::string& from, const std::string& to,
                                           CopyError* error) {
  int number = ++calls_.copies;
  if (const auto failing = failing_copies_.find(number); failing != failing_copies_.end()) {
    if (error) *error = failing->second;
    return false;
  }
  if (number == crash_copy_at_) {
    std::unique_ptr<std::istream> in = FileSystemWrapper::OpenBinaryRead(from);
    std::unique_ptr<OutputFile> out = FileSystemWrapper::CreateNewBinaryFile(to);
    std::string start(crash_copy_bytes_, '\0');
    in->read(start.data(), static_cast<std::streamsize>(start.size()));
    out->write(start.data(), in->gcount());
    out->Close();
    std::_Exit(kCrashExitCode);
  }
  if (number == midway_copy_at_) {
    ScopedCopyFault fault(midway_bytes_);
    return FileSystemWrapper::CopyFileNoOverwrite(from, to, error);
  }
  return FileSystemWrapper::CopyFileNoOverwrite(from, to, error);
}

bool FaultyFileSystem::RemoveFile(const std::string& path) {
  ++calls_.remove_file;
  Reached(CrashPoint::kRemoveFile);
  if (refused_removals_.count(path) != 0) return false;
  return FileSystemWrapper::RemoveFile(path);
}

bool FaultyFileSystem::RemoveEmptyFolder(const std::string& path, FileError* error) {
  ++calls_.remove_folder;
  if (refused_removals_.count(path) != 0) {
    if (error) *error = FileError::kRefused;
    return false;
  }
  return FileSystemWrapper::RemoveEmptyFolder(path, error);
}

bool FaultyFileSystem::ListFolder(const std::string& path, DIR_ENTRIES* entries,
                                  DIR_ENTRIES* nameless) {
  ++calls_.list_folder;
  return FileSystemWrapper::ListFolder(path, entries, nameless);
}

}  // namespace ordovan::testing
