// FileSystem on POSIX. Read-only means "no write permission for the owner",
// the bit SetReadOnly sets and clears.

#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#ifdef __linux__
#include <linux/magic.h>
#include <sys/vfs.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/CopyFaults.h"
#include "platform/FileBufOutput.h"
#include "platform/FileSystem.h"
#include "platform/FolderCreation.h"
#include "platform/NativePath.h"

namespace ordovan {

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

bool IsReadOnlyMode(mode_t mode) { return (mode & S_IWUSR) == 0; }

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }
  // Closes now; false when close reports an error (a write that did not land).
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool StatNative(const std::string& program_path, struct stat* st) {
  auto native = ToNativePath(program_path);
  return native && ::stat(native->c_str(), st) == 0;
}

// The length of the UTF-8 character at `p` other than a backslash; 0 when
// the bytes there are no such character.
int ProgramCharacterLength(const unsigned char* p) {
  const unsigned char c = *p;
  if (c < 0x80) return c == '\\' ? 0 : 1;
  int follow;
  std::uint32_t code;
  if (c >= 0xC2 && c <= 0xDF) {
    follow = 1;
    code = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    follow = 2;
    code = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    follow = 3;
    code = c & 0x07;
  } else {
    return 0;
  }
  for (int i = 1; i <= follow; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    code = (code << 6) | (p[i] & 0x3F);
  }
  if ((follow == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
      (follow == 3 && (code < 0x10000 || code > 0x10FFFF))) {
    return 0;
  }
  return follow + 1;
}

// A name that is not UTF-8, or that holds a backslash, has no program path.
bool HasProgramName(const char* name) {
  for (const auto* p = reinterpret_cast<const unsigned char*>(name); *p != 0;) {
    const int length = ProgramCharacterLength(p);
    if (length == 0) return false;
    p += length;
  }
  return true;
}

// Such a name as a person can find it: what is UTF-8 stays, each other byte
// and the backslash become %XX.
std::string ShownName(const char* name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (const auto* p = reinterpret_cast<const unsigned char*>(name); *p != 0;) {
    const int length = ProgramCharacterLength(p);
    if (length == 0) {
      shown.append(1, '%').append(1, kHex[*p >> 4]).append(1, kHex[*p & 0x0F]);
      ++p;
    } else {
      shown.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(length));
      p += length;
    }
  }
  return shown;
}

// What a failed system call on the target says about the copy.
CopyError TargetError(int error) {
  switch (error) {
    case EEXIST:
      return CopyError::kTargetExists;
    case ENOENT:
    case ENOTDIR:
      return CopyError::kTargetFolderMissing;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
    case EFBIG:
      return CopyError::kTargetRefused;
    case ENAMETOOLONG:
    case EINVAL:  // vfat and others refuse characters such as ':' or '?' so
    case EILSEQ:  // (and names not in their character set so)
      return CopyError::kNameNotAllowed;
    case ENOSPC:
    case EDQUOT:
      return CopyError::kDiskFull;
    default:
      return CopyError::kFailed;
  }
}

// ... and a failed call on the source.
CopyError SourceError(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
      return CopyError::kSourceMissing;
    default:
      return CopyError::kSourceUnreadable;
  }
}

// Copies until end of file or until `limit` bytes are written; sets *written.
// Uses the kernel's copy first and falls back when the file systems do not
// support it. On failure *error says why: a read that failed is the
// source's, a full disk the target's; the kernel's copy cannot tell a read
// error from a write error, so that is kFailed. Once `stop` is set it ends
// with kStopped, within a step of 16 MB.
bool CopyContent(int in, int out, std::uint64_t limit, const std::atomic<bool>* stop,
                 std::uint64_t* written, CopyError* error) {
  auto failed = [error](CopyError why) {
    *error = why;
    return false;
  };
  auto stopped = [stop] { return stop != nullptr && stop->load(std::memory_order_relaxed); };
  auto either = [](int e) {
    const CopyError why = TargetError(e);
    return why == CopyError::kDiskFull || why == CopyError::kTargetRefused ? why
                                                                          : CopyError::kFailed;
  };
  const std::size_t kKernelChunk = stop ? std::size_t{1} << 24 : std::size_t{1} << 30;
  *written = 0;
  bool kernel_copy = true;
  while (kernel_copy && *written < limit) {
    if (stopped()) return failed(CopyError::kStopped);
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kKernelChunk, limit - *written));
    ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, want, 0);
    if (n > 0) {
      *written += static_cast<std::uint64_t>(n);
      continue;
    }
    if (n == 0) return true;
    if (errno == EINTR) continue;
    if (*written != 0 || (errno != ENOSYS && errno != EXDEV && errno != EINVAL &&
                          errno != EOPNOTSUPP && errno != EPERM && errno != EBADF)) {
      return failed(either(errno));
    }
    kernel_copy = false;
  }
  if (*written >= limit) return true;
  bool send = true;
  while (send && *written < limit) {
    if (stopped()) return failed(CopyError::kStopped);
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kKernelChunk, limit - *written));
    ssize_t n = ::sendfile(out, in, nullptr, want);
    if (n > 0) {
      *written += static_cast<std::uint64_t>(n);
      continue;
    }
    if (n == 0) return true;
    if (errno == EINTR) continue;
    if (*written != 0 || (errno != EINVAL && errno != ENOSYS)) return failed(either(errno));
    send = false;
  }
  if (*written >= limit) return true;
  std::vector<char> buffer(1u << 18);
  while (*written < limit) {
    if (stopped()) return failed(CopyError::kStopped);
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), limit - *written));
    ssize_t n = ::read(in, buffer.data(), want);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return failed(CopyError::kSourceUnreadable);
    }
    for (ssize_t done = 0; done < n;) {
      ssize_t w = ::write(out, buffer.data() + done, static_cast<std::size_t>(n - done));
      if (w < 0) {
        if (errno == EINTR) continue;
        return failed(TargetError(errno) == CopyError::kDiskFull ? CopyError::kDiskFull
                                                                  : CopyError::kFailed);
      }
      done += w;
    }
    *written += static_cast<std::uint64_t>(n);
  }
  return true;
}

// The file grows in steps of zeros written ahead of the lines, which the
// next Sync puts on the disk once. Later Syncs then carry only new lines into
// blocks the file already has, at a size the disk already knows, so the file
// system need not commit its own journal for each of them; on ext4 those
// commits, every 256 records of a run, had cost a quarter of the run's time.
// Closing cuts the zeros off; after a crash they stay, and readers take the
// first zero byte as the end.
//
// Where it is safe, the lines are stored into a shared mapping of that room
// rather than written: a store is in the system's cache at once, as a write
// is, and survives the end of the process, but costs no system call, which
// was most of what a journal line cost.
class PosixAppendFile final : public AppendFile {
 public:
  // `end`: the size of a file continued.
  explicit PosixAppendFile(int fd, off_t end = 0)
      : fd_(fd), mappable_(OverwritesInPlace(fd)), end_(end), reserved_(end) {}
  ~PosixAppendFile() override {
    Unmap();
    // Should the cut fail, the zeros stay, which readers take as the end anyway.
    static_cast<void>(::ftruncate(fd_.get(), end_));
  }
  bool Append(const char* data, std::size_t size) override {
    const off_t after = end_ + static_cast<off_t>(size);
    // Room that cannot be made ahead (a nearly full disk) is no reason to
    // refuse a line that still fits.
    if (after > reserved_) static_cast<void>(Reserve(after));
    if (map_ != nullptr && after <= mapped_) {
      std::memcpy(map_ + end_, data, size);
    } else if (!WriteAt(data, size, end_)) {
      return false;
    }
    end_ = after;
    return true;
  }
  // Linux keeps a shared mapping and the file's cache the same pages, so
  // fdatasync carries the stores as well; msync would sync the times too.
  bool Sync() override { return ::fdatasync(fd_.get()) == 0; }

 private:
  static constexpr off_t kMaxStep = off_t{16} << 20;

  // A store into a mapping cannot fail; a file system that needs new room
  // for every overwrite (copy on write, compression) could only report a full
  // disk by ending the process. These overwrite the zeros' own blocks.
  static bool OverwritesInPlace(int fd) {
#ifdef __linux__
    struct statfs info;
    if (::fstatfs(fd, &info) != 0) return false;
    switch (info.f_type) {
      case EXT4_SUPER_MAGIC:  // ext2, ext3 and ext4 alike
      case XFS_SUPER_MAGIC:
      case TMPFS_MAGIC:
        return true;
      default:
        return false;
    }
#else
    static_cast<void>(fd);
    return false;
#endif
  }

  bool WriteAt(const char* data, std::size_t size, off_t offset) {
    while (size > 0) {
      const ssize_t n = ::pwrite(fd_.get(), data, size, offset);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data += n;
      offset += n;
      size -= static_cast<std::size_t>(n);
    }
    return true;
  }
  // Zeros up to a step beyond `needed`; the steps double up to 16 MB, so a
  // long run's journal grows in a few steps and a short one stays small.
  bool Reserve(off_t needed) {
    const off_t target = (needed / step_ + 1) * step_;
    step_ = std::min<off_t>(step_ * 2, kMaxStep);
    static const std::vector<char> zeros(1 << 16, '\0');
    // Lines written past the room after an earlier step failed are kept.
    for (off_t at = std::max(reserved_, end_); at < target;) {
      const std::size_t n = static_cast<std::size_t>(std::min<off_t>(target - at, zeros.size()));
      if (!WriteAt(zeros.data(), n, at)) return false;
      at += static_cast<off_t>(n);
    }
    reserved_ = target;
    if (mappable_) Map();
    return true;
  }
  // Maps all the room there is; without a mapping the lines are written.
  void Map() {
    Unmap();
    void* map = ::mmap(nullptr, static_cast<std::size_t>(reserved_), PROT_READ | PROT_WRITE, MAP_SHARED,
                       fd_.get(), 0);
    if (map == MAP_FAILED) {
      mappable_ = false;
      return;
    }
    map_ = static_cast<char*>(map);
    mapped_ = reserved_;
  }
  void Unmap() {
    if (map_ != nullptr) ::munmap(map_, static_cast<std::size_t>(mapped_));
    map_ = nullptr;
    mapped_ = 0;
  }

  Fd fd_;
  bool mappable_;
  char* map_ = nullptr;  // the first `mapped_` bytes of the file
  off_t mapped_ = 0;
  off_t end_ = 0;       // what was appended
  off_t reserved_ = 0;  // what holds zeros ahead of it
  off_t step_ = off_t{1} << 20;
};

class PosixFileSystem final : public FileSystem {
 public:
  bool IsFolder(const std::string& path) override {
    struct stat st;
    return StatNative(path, &st) && S_ISDIR(st.st_mode);
  }

  bool IsFile(const std::string& path) override {
    struct stat st;
    return StatNative(path, &st) && !S_ISDIR(st.st_mode);
  }

  bool CreateFolders(const std::string& path) override {
    auto make_one = [](const std::string& folder) {
      auto native = ToNativePath(folder);
      if (!native) return MakeFolderResult::kFailed;
      if (::mkdir(native->c_str(), 0777) == 0) return MakeFolderResult::kCreated;
      if (errno == EEXIST) return MakeFolderResult::kExists;
      if (errno == ENOENT) return MakeFolderResult::kParentMissing;
      return MakeFolderResult::kFailed;
    };
    auto is_folder = [this](const std::string& folder) { return IsFolder(folder); };
    return CreateFoldersWith(path, make_one, is_folder);
  }

  bool CopyFileNoOverwrite(const std::string& from, const std::string& to,
                           CopyError* error) override {
    const NewFileCopied made = CopyNewFile(from, to, NewFileCopy());
    if (!made.copied && error) *error = made.error;
    return made.copied;
  }

  // The sequence, in as few calls as the promises allow: open the source and
  // ask it what it is; look at the target only when the caller cannot know
  // it free; announce; create the target exclusively (a taken target fails
  // there, never overwritten); copy; set the time and read the identity on
  // the open file; close. A file server answers each call with a round trip,
  // so every call saved is a round trip saved per file.
  NewFileCopied CopyNewFile(const std::string& from, const std::string& to,
                            const NewFileCopy& how) override {
    NewFileCopied result;
    result.copied = Copy(from, to, how, &result);
    return result;
  }

  FolderMade MakeFolder(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return FolderMade::kFailed;
    if (::mkdir(native->c_str(), 0777) == 0) return FolderMade::kCreated;
    switch (errno) {
      case EEXIST:
        return FolderMade::kExists;
      case ENOENT:
        return FolderMade::kParentMissing;
      default:
        return FolderMade::kFailed;
    }
  }

  void RemoveCopies(const std::string& folder, std::vector<CopyToRemove>* files,
                    const std::function<bool(const std::string& name)>& removing,
                    const std::atomic<bool>* stop) override {
    auto native = ToNativePath(folder);
    // The folder itself is never taken through a link either.
    Fd dir(native ? ::open(native->c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1);
    if (dir.get() < 0) {
      const int why = errno;
      if (native && (why == ELOOP || why == ENOTDIR)) {
        for (CopyToRemove& file : *files) file.outcome = CopyRemoval::kNotTheCopy;
        return;
      }
      FileSystem::RemoveCopies(folder, files, removing, stop);
      return;
    }
    // One listing first: a file server sends every name with what it is in a
    // few round trips, and the questions about each file below are then
    // answered from what the system keeps, without a round trip each.
    std::set<std::string> listed;
    const bool read_whole = files->size() > 1 && ListNames(dir.get(), &listed);
    for (CopyToRemove& file : *files) {
      if (stop && stop->load()) return;
      const char* name = file.name.c_str();
      struct stat st;
      if ((read_whole && listed.count(file.name) == 0) ||
          ::fstatat(dir.get(), name, &st, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(st.st_mode)) {
        file.outcome = CopyRemoval::kGone;
        continue;
      }
      if (!file.identity || IdentityOf(st) != *file.identity) {
        file.outcome = CopyRemoval::kNotTheCopy;
        continue;
      }
      if (removing && !removing(file.name)) return;
      // As RemoveFile: a read-only file stays, as on Windows.
      const bool refused = !S_ISLNK(st.st_mode) && IsReadOnlyMode(st.st_mode);
      file.outcome = !refused && ::unlinkat(dir.get(), name, 0) == 0 ? CopyRemoval::kRemoved
                                                                     : CopyRemoval::kRefused;
    }
  }

 private:
  // The names in the folder open as `dir`; false when it cannot be read.
  static bool ListNames(int dir, std::set<std::string>* names) {
    const int own = ::dup(dir);
    if (own < 0) return false;
    DIR* stream = ::fdopendir(own);
    if (stream == nullptr) {
      ::close(own);
      return false;
    }
    bool ok = true;
    for (;;) {
      errno = 0;
      const dirent* entry = ::readdir(stream);
      if (entry == nullptr) {
        ok = errno == 0;
        break;
      }
      names->insert(entry->d_name);
    }
    ::closedir(stream);
    return ok;
  }

  static bool Copy(const std::string& from, const std::string& to, const NewFileCopy& how,
                   NewFileCopied* result) {
    auto failed = [result](CopyError why) {
      result->error = why;
      return false;
    };
    auto source = ToNativePath(from);
    if (!source) return failed(CopyError::kSourceMissing);
    auto target = ToNativePath(to);
    if (!target) return failed(CopyError::kTargetFolderMissing);
    Fd in(::open(source->c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return failed(SourceError(errno));
    struct stat st;
    if (::fstat(in.get(), &st) != 0) return failed(CopyError::kSourceUnreadable);
    if (!S_ISREG(st.st_mode)) return failed(CopyError::kSourceNotAFile);
    if (how.look_first) {
      struct stat existing;
      if (::lstat(target->c_str(), &existing) == 0) return failed(CopyError::kTargetExists);
      if (errno == ENAMETOOLONG) return failed(CopyError::kNameNotAllowed);
    }
    if (how.stop && how.stop->load()) return failed(CopyError::kStopped);
    // What the source is, as the copy will be: its size and modification time.
    if (how.announce) {
      how.announce(IdentityOf(st));
      result->announced = true;
    }
    CopyError error = CopyError::kFailed;
    if (how.unnamed_first && !CopyWithoutUnnamedFiles()) {
      // An unnamed file in the target's folder that gets its name only once
      // complete: a process killed halfway leaves nothing behind.
      const std::string folder = target->parent_path().string();
      Fd unnamed(::open(folder.empty() ? "/" : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                        st.st_mode & 0777));
      if (unnamed.get() >= 0) {
        if (!CopyContentOf(in.get(), st, unnamed.get(), how.stop, &error)) return failed(error);
        const std::string fd_path = "/proc/self/fd/" + std::to_string(unnamed.get());
        if (::linkat(AT_FDCWD, fd_path.c_str(), AT_FDCWD, target->c_str(), AT_SYMLINK_FOLLOW) == 0) {
          // Named, the file has its last change time.
          struct stat made;
          if (::fstat(unnamed.get(), &made) == 0) result->identity = IdentityOf(made);
          if (unnamed.Close()) return true;
          const int close_error = errno;
          ::unlink(target->c_str());  // ours: the link was just made
          result->identity.reset();
          return failed(TargetError(close_error) == CopyError::kDiskFull ? CopyError::kDiskFull
                                                                         : CopyError::kFailed);
        }
        // A name the folder cannot hold, or a full disk, is as final as a taken target.
        const CopyError link_error = TargetError(errno);
        if (link_error == CopyError::kTargetExists || link_error == CopyError::kNameNotAllowed ||
            link_error == CopyError::kDiskFull) {
          return failed(link_error);
        }
        // No /proc to name the file by: copy again the plain way.
        if (::lseek(in.get(), 0, SEEK_SET) != 0) return failed(CopyError::kSourceUnreadable);
      }
    }
    // O_EXCL: an existing target, a dangling link included, is never opened.
    // A process killed from here on leaves part of the copy under the
    // target's name; the announcement lets the run journal know it.
    Fd out(::open(target->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0777));
    if (out.get() < 0) return failed(TargetError(errno));
    bool ok = CopyContentOf(in.get(), st, out.get(), how.stop, &error);
    if (ok) {
      struct stat made;
      if (::fstat(out.get(), &made) == 0) result->identity = IdentityOf(made);
    }
    if (!out.Close() && ok) {
      error = TargetError(errno) == CopyError::kDiskFull ? CopyError::kDiskFull : CopyError::kFailed;
      ok = false;
    }
    if (ok) return true;
    ::unlink(target->c_str());  // the target is ours: O_EXCL created it
    result->identity.reset();
    return failed(error);
  }

  // The whole content of `in` (described by `st`) into `out`, with the
  // source's modification time. False, with *error set, on failure, on an
  // injected fault or once `stop` is set.
  static bool CopyContentOf(int in, const struct stat& st, int out, const std::atomic<bool>* stop,
                            CopyError* error) {
    std::uint64_t limit = CopyFaultLimit();
    const bool fault = limit != kNoCopyFault && static_cast<std::uint64_t>(st.st_size) > limit;
    // The size the source had when opened, which the announcement names, is
    // the copy: no call more to find the end. A size of 0 may not be true
    // (files the system makes up as they are read): those are read to their end.
    const std::uint64_t size = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : UINT64_MAX;
    std::uint64_t written = 0;
    if (!CopyContent(in, out, fault ? limit : size, stop, &written, error)) return false;
    if (fault) {
      *error = CopyError::kFailed;
      return false;
    }
    // Keep the modification time, as the Windows copy does.
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out, times);
    return true;
  }

 public:
  bool RemoveFile(const std::string& path) override {
    auto native = ToNativePath(path);
    struct stat st;
    if (!native || ::lstat(native->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    // Windows refuses to delete a read-only file. POSIX would let the owner
    // (and root, who runs the tests and CI) delete it, so the refusal is made
    // here: a read-only file behaves the same on both systems.
    if (!S_ISLNK(st.st_mode) && IsReadOnlyMode(st.st_mode)) return false;
    return ::unlink(native->c_str()) == 0;
  }

  bool IsLink(const std::string& path) override {
    auto native = ToNativePath(path);
    struct stat st;
    return native && ::lstat(native->c_str(), &st) == 0 && S_ISLNK(st.st_mode);
  }

  std::optional<FileIdentity> IdentifyFile(const std::string& path) override {
    auto native = ToNativePath(path);
    struct stat st;
    // lstat, as RemoveFile: a link put in place of a file is another entry.
    if (!native || ::lstat(native->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
    return IdentityOf(st);
  }

  static FileIdentity IdentityOf(const struct stat& st) {
    FileIdentity identity;
    identity.size = static_cast<std::uint64_t>(st.st_size);
    identity.last_write = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    identity.change_stamp = std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    identity.volume = static_cast<std::uint64_t>(st.st_dev);
    identity.index = static_cast<std::uint64_t>(st.st_ino);
    return identity;
  }

  bool RemoveEmptyFolder(const std::string& path, FileError* error) override {
    auto native = ToNativePath(path);
    if (!native) return Failed(error, FileError::kNotFound);
    if (::rmdir(native->c_str()) == 0) return true;
    // ENOTDIR: a file stands there, or on the way, so no folder is there.
    return Failed(error, errno == ENOENT ? FileError::kNotFound
                         : errno == ENOTDIR ? FileError::kWrongKind
                                            : FileError::kRefused);
  }

  bool ListFolder(const std::string& path, DIR_ENTRIES* entries, DIR_ENTRIES* nameless) override {
    if (nameless) nameless->clear();
    const bool listed = WalkFolder(path, entries, [nameless](int fd, const dirent* entry, DIR_ENTRIES* entries) {
      const char* name = entry->d_name;
      const bool named = HasProgramName(name);
      if (!named && !nameless) return;
      DirEntry item;
      item.name = named ? std::string(name) : ShownName(name);
      struct stat st;
      // A folder by the listing's own word needs no further call (no size,
      // and no program reads a folder's read-only bit).
      if (entry->d_type == DT_DIR) {
        st = {};
        st.st_mode = S_IFDIR | S_IWUSR;
      } else if (::fstatat(fd, name, &st, 0) != 0 &&
                 ::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        // Links are followed, as the program works with what they point to;
        // a dangling link shows as an empty file, so copying it fails visibly.
        st = {};
      }
      if (S_ISDIR(st.st_mode)) {
        item.attributes = kAttrDirectory;
      } else {
        // A file written on Windows carries the archive bit; give it here
        // too, so that attribute masks select the same entries.
        item.attributes = kAttrArchive;
        item.size = static_cast<std::uint64_t>(st.st_size);
      }
      if (IsReadOnlyMode(st.st_mode)) item.attributes |= kAttrReadOnly;
      if (name[0] == '.') item.attributes |= kAttrHidden;
      if (IsLink(fd, *entry)) item.attributes |= kAttrReparsePoint;
      (named ? entries : nameless)->push_back(std::move(item));
    });
    if (!listed && nameless) nameless->clear();
    return listed;
  }

  bool CanEnterFolder(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return false;
    // "folder/." resolves only for a folder (or a link to one) and asks for
    // search permission on it: one call where a scan asks it of every folder.
    std::string dot = native->native();
    if (dot.empty() || dot.back() != '/') dot.push_back('/');
    dot.push_back('.');
    return ::access(dot.c_str(), X_OK) == 0;
  }

  bool SetReadOnly(const std::string& path, bool read_only) override {
    auto native = ToNativePath(path);
    struct stat st;
    if (!native || ::stat(native->c_str(), &st) != 0) return false;
    mode_t mode = st.st_mode & 07777;
    mode = read_only ? (mode & ~kAnyWrite) : (mode | S_IWUSR);
    return ::chmod(native->c_str(), mode) == 0;
  }

  std::string CurrentFolder() override {
    std::vector<char> buffer(PATH_MAX);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
      if (errno != ERANGE) return {};
      buffer.resize(buffer.size() * 2);
    }
    return ToProgramPath(std::filesystem::path(buffer.data())).value_or(std::string());
  }

  bool SetCurrentFolder(const std::string& path) override {
    auto native = ToNativePath(path);
    return native && ::chdir(native->c_str()) == 0;
  }

  std::unique_ptr<std::istream> OpenTextRead(const std::string& path, FileError* error) override {
    return OpenRead(path, std::ios::in, error);
  }
  std::unique_ptr<std::istream> OpenBinaryRead(const std::string& path,
                                               FileError* error) override {
    return OpenRead(path, std::ios::in | std::ios::binary, error);
  }
  std::unique_ptr<OutputFile> OpenTextWrite(const std::string& path) override {
    return OpenWrite(path, std::ios::trunc);
  }
  std::unique_ptr<OutputFile> OpenBinaryWrite(const std::string& path) override {
    return OpenWrite(path, std::ios::trunc | std::ios::binary);
  }

 private:
  static bool Failed(FileError* error, FileError why) {
    if (error) *error = why;
    return false;
  }
  static std::nullptr_t NoFile(FileError* error, FileError why) {
    if (error) *error = why;
    return nullptr;
  }

  static std::unique_ptr<std::istream> OpenRead(const std::string& path, std::ios::openmode mode,
                                                FileError* error) {
    auto native = ToNativePath(path);
    // A path on no drive of the table names nothing here.
    if (!native) return NoFile(error, FileError::kNotFound);
    // Only a regular file is read: a FIFO would block the open, a device
    // never end.
    struct stat st;
    if (::stat(native->c_str(), &st) != 0) {
      const bool missing = errno == ENOENT || errno == ENOTDIR;
      return NoFile(error, missing ? FileError::kNotFound : FileError::kRefused);
    }
    if (!S_ISREG(st.st_mode)) return NoFile(error, FileError::kWrongKind);
    auto stream = std::make_unique<std::ifstream>(*native, mode);
    if (!stream->is_open()) return NoFile(error, FileError::kRefused);
    return stream;
  }

  static std::unique_ptr<OutputFile> OpenWrite(const std::string& path, std::ios::openmode mode) {
    auto native = ToNativePath(path);
    if (!native) return nullptr;
    // As with RemoveFile: root could truncate a read-only file, Windows
    // cannot; refuse it here so both behave alike.
    struct stat st;
    if (::stat(native->c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || IsReadOnlyMode(st.st_mode))) {
      return nullptr;
    }
    auto file = std::make_unique<FileBufOutput>();
    if (!file->Open(*native, mode)) return nullptr;
    return file;
  }

 public:
  std::optional<FileIdentity> IdentifyFolder(const std::string& path) override {
    auto native = ToNativePath(path);
    struct stat st;
    if (!native || ::stat(native->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    FileIdentity identity;
    identity.volume = static_cast<std::uint64_t>(st.st_dev);
    identity.index = static_cast<std::uint64_t>(st.st_ino);
    return identity;
  }

  std::optional<std::string> ResolveLinks(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return std::nullopt;
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(native->c_str(), nullptr),
                                                    &std::free);
    if (!real) return std::nullopt;
    return ToProgramPath(std::filesystem::path(real.get()));
  }

  bool ListSubfolders(const std::string& path, DIR_ENTRIES* entries) override {
    return WalkFolder(path, entries, [](int fd, const dirent* entry, DIR_ENTRIES* entries) {
      const char* name = entry->d_name;
      if (entry->d_type != DT_DIR && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) {
        return;  // a file by the listing's own word: nothing to ask
      }
      if (!HasProgramName(name)) return;
      DirEntry item;
      item.attributes = kAttrDirectory;
      if (entry->d_type != DT_DIR) {
        // A link (or an unknown kind) is what it leads to.
        struct stat st;
        if (::fstatat(fd, name, &st, 0) != 0 || !S_ISDIR(st.st_mode)) return;
        if (IsLink(fd, *entry)) item.attributes |= kAttrReparsePoint;
      }
      if (name[0] == '.') item.attributes |= kAttrHidden;
      item.name = name;
      entries->push_back(std::move(item));
    });
  }

 private:
  // Reads the folder once, handing each entry but "." and ".." to `take`
  // together with the folder's descriptor, so that a further question about
  // an entry is one call relative to it. False, with `entries` empty, when
  // the folder cannot be opened or read to its end.
  template <typename Take>
  static bool WalkFolder(const std::string& path, DIR_ENTRIES* entries, Take take) {
    entries->clear();
    auto native = ToNativePath(path);
    if (!native) return false;
    int fd = ::open(native->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
      ::close(fd);
      return false;
    }
    bool ok = true;
    for (;;) {
      errno = 0;
      const dirent* entry = ::readdir(dir);
      if (entry == nullptr) {
        ok = errno == 0;
        break;
      }
      const char* name = entry->d_name;
      if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
      take(fd, entry, entries);
    }
    ::closedir(dir);
    if (!ok) entries->clear();
    return ok;
  }

  // The listing's own type answers without a further call; file systems
  // that leave it unknown are asked.
  static bool IsLink(int dir_fd, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_LNK;
    struct stat st;
    return ::fstatat(dir_fd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
  }

  // --- List files and reports ---
 public:
  std::unique_ptr<OutputFile> CreateNewBinaryFile(const std::string& path,
                                                  FileError* error) override {
    auto native = ToNativePath(path);
    if (!native) return NoFile(error, FileError::kNotFound);
    // O_EXCL makes the file ours; the stream then opens what we just made.
    Fd fd(::open(native->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
      return NoFile(error, errno == EEXIST                      ? FileError::kExists
                           : errno == ENOENT || errno == ENOTDIR ? FileError::kNotFound
                                                                 : FileError::kRefused);
    }
    fd.Close();
    auto file = std::make_unique<FileBufOutput>();
    if (!file->Open(*native, std::ios::binary)) {
      ::unlink(native->c_str());
      return NoFile(error, FileError::kRefused);
    }
    return file;
  }

  bool ReplaceFileWith(const std::string& temp, const std::string& target) override {
    auto from = ToNativePath(temp);
    auto to = ToNativePath(target);
    if (!from || !to) return false;
    struct stat st;
    // A link stays a link: the file it leads to is replaced. Renaming onto
    // the link would put a plain file in its place.
    if (::lstat(to->c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
      std::unique_ptr<char, decltype(&std::free)> real(::realpath(to->c_str(), nullptr),
                                                      &std::free);
      if (!real) return false;  // it leads nowhere, or nowhere that can be reached
      *to = real.get();
    }
    if (::stat(to->c_str(), &st) == 0) {
      // A folder or a read-only file is never replaced, as on Windows.
      if (!S_ISREG(st.st_mode) || IsReadOnlyMode(st.st_mode)) return false;
      // The new content keeps the old file's permissions, and its owner where
      // this process may give it (ownership first: it can clear set-id bits).
      const bool owner_kept = ::chown(from->c_str(), st.st_uid, st.st_gid) == 0;
      (void)owner_kept;  // a file this user may not give away stays the user's
      if (::chmod(from->c_str(), st.st_mode & 07777) != 0) return false;
    }
    if (::rename(from->c_str(), to->c_str()) != 0) return false;
    // The new name lasts a power loss only once its folder is on the disk
    // too; a folder that cannot be opened for that still has the new name.
    const std::string folder = to->parent_path().string();
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) static_cast<void>(::fsync(dir.get()));
    return true;
  }

  // --- Run journal ---
  std::unique_ptr<AppendFile> CreateAppendFile(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return nullptr;
    // Read as well as write: a shared mapping of the file needs both.
    int fd = ::open(native->c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixAppendFile>(fd);
  }
  std::unique_ptr<AppendFile> ContinueAppendFile(const std::string& path,
                                                 const FileIdentity& expected) override {
    auto native = ToNativePath(path);
    if (!native) return nullptr;
    Fd fd(::open(native->c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        IdentityOf(st) != expected) {
      return nullptr;
    }
    return std::make_unique<PosixAppendFile>(fd.release(), st.st_size);
  }
};

}  // namespace

FileSystem* FileSystem::Default() {
  static PosixFileSystem file_system;
  return &file_system;
}

}  // namespace ordovan
