// copy_design: copies every file of one folder into another, empty folder,
// one file at a time, with one of several sequences of system calls that all
// keep the copier's promises (never overwrite, the source's modification
// time on the copy, the copy's identity read for a later Undo). Run under
// strace -c or on the latency file system, it shows what each sequence costs
// per file in calls and in time.
//
//   copy_design VARIANT FROM TO
//
// Variants:
//   tmpfile     look whether the target exists, copy into an unnamed file of
//               the target's folder (O_TMPFILE), set its times, link it in
//               under the target's name, then read the target's identity;
//               where unnamed files are refused, create the target
//               exclusively instead. Copies until the kernel copy says end.
//   exclusive   create the target exclusively (O_EXCL answers "is it
//               there?"), copy the known size with copy_file_range, set the
//               times and read the identity on the open file, close.
//   exclusive-rw  as exclusive, with one read and one write through a buffer
//               instead of the kernel copy.
//   rename      create a name of this process's own beside the target
//               exclusively, copy as exclusive, then rename it to the target
//               without replacing (RENAME_NOREPLACE).
//
// Prints the files copied, the time per file and the variant to standard output.
// Exit status 1 when a copy failed.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// What a later Undo compares; the copier keeps it.
struct Identity {
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = 0;
  struct timespec mtime = {};
  struct timespec ctime = {};
};

Identity IdentityOf(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }

// Until the kernel copy reports the end, as a copier that does not trust the
// size it was told must.
bool CopyToEnd(int in, int out) {
  for (;;) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
    if (n == 0) return true;
    if (n < 0 && errno != EINTR) return false;
  }
}

// Exactly `size` bytes: the copy ends without a call that finds nothing more.
bool CopyKnownSize(int in, int out, off_t size) {
  off_t done = 0;
  while (done < size) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<std::size_t>(size - done), 0);
    if (n == 0) return false;  // the source shrank
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += n;
  }
  return true;
}

bool CopyThroughBuffer(int in, int out, off_t size, std::vector<char>& buffer) {
  off_t done = 0;
  while (done < size) {
    const std::size_t want = static_cast<std::size_t>(std::min<off_t>(size - done, static_cast<off_t>(buffer.size())));
    const ssize_t n = ::read(in, buffer.data(), want);
    if (n == 0) return false;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t written = 0; written < n;) {
      const ssize_t w = ::write(out, buffer.data() + written, static_cast<std::size_t>(n - written));
      if (w < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      written += w;
    }
    done += n;
  }
  return true;
}

bool SetTimes(int out, const struct stat& source) {
  const struct timespec times[2] = {source.st_atim, source.st_mtim};
  return ::futimens(out, times) == 0;
}

bool CopyTmpfile(const std::string& from, const std::string& to, const std::string& folder, Identity* identity) {
  Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st;
  if (in.get() < 0 || ::fstat(in.get(), &st) != 0) return false;
  struct stat existing;
  if (::lstat(to.c_str(), &existing) == 0) return false;
  Fd unnamed(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, st.st_mode & 0777));
  if (unnamed.get() >= 0) {
    if (!CopyToEnd(in.get(), unnamed.get()) || !SetTimes(unnamed.get(), st)) return false;
    const std::string fd_path = "/proc/self/fd/" + std::to_string(unnamed.get());
    if (::linkat(AT_FDCWD, fd_path.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) != 0) return false;
    if (!unnamed.Close()) return false;
  } else {
    Fd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0777));
    if (out.get() < 0) return false;
    const bool ok = CopyToEnd(in.get(), out.get()) && SetTimes(out.get(), st);
    if (!out.Close() || !ok) {
      ::unlink(to.c_str());
      return false;
    }
  }
  struct stat copy;
  if (::lstat(to.c_str(), &copy) != 0) return false;
  *identity = IdentityOf(copy);
  return true;
}

// The exclusive create and everything after it, on `name`.
bool CopyExclusive(const std::string& from, const std::string& name, bool kernel_copy, std::vector<char>& buffer,
                   Identity* identity) {
  Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st;
  if (in.get() < 0 || ::fstat(in.get(), &st) != 0) return false;
  Fd out(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0777));
  if (out.get() < 0) return false;  // EEXIST: taken, and nothing was touched
  struct stat copy;
  bool ok = (kernel_copy ? CopyKnownSize(in.get(), out.get(), st.st_size)
                         : CopyThroughBuffer(in.get(), out.get(), st.st_size, buffer)) &&
            SetTimes(out.get(), st) && ::fstat(out.get(), &copy) == 0;
  if (!out.Close()) ok = false;
  if (!ok) {
    ::unlink(name.c_str());  // ours: O_EXCL made it
    return false;
  }
  *identity = IdentityOf(copy);
  return true;
}

bool CopyRename(const std::string& from, const std::string& to, std::vector<char>& buffer, Identity* identity) {
  static const std::string suffix = ".part-" + std::to_string(::getpid());
  const std::string part = to + suffix;
  if (!CopyExclusive(from, part, true, buffer, identity)) return false;
  if (::renameat2(AT_FDCWD, part.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
    ::unlink(part.c_str());
    return false;
  }
  return true;
}

int Usage() {
  std::fprintf(stderr, "Usage: copy_design tmpfile|exclusive|exclusive-rw|rename FROM-DIR TO-DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Usage();
  const std::string variant = argv[1];
  const std::string from = argv[2];
  const std::string to = argv[3];
  if (variant != "tmpfile" && variant != "exclusive" && variant != "exclusive-rw" && variant != "rename") {
    return Usage();
  }
  std::vector<std::string> names;
  DIR* dir = ::opendir(from.c_str());
  if (dir == nullptr) {
    std::fprintf(stderr, "copy_design: cannot list %s: %s\n", from.c_str(), std::strerror(errno));
    return 1;
  }
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_type == DT_REG) names.emplace_back(entry->d_name);
  }
  ::closedir(dir);

  std::vector<char> buffer(1 << 18);
  std::vector<Identity> identities(names.size());
  int failed = 0;
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string source = from + "/" + names[i];
    const std::string target = to + "/" + names[i];
    bool ok;
    if (variant == "tmpfile") {
      ok = CopyTmpfile(source, target, to, &identities[i]);
    } else if (variant == "rename") {
      ok = CopyRename(source, target, buffer, &identities[i]);
    } else {
      ok = CopyExclusive(source, target, variant == "exclusive", buffer, &identities[i]);
    }
    if (!ok) ++failed;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%s files %zu failed %d us_per_file %.1f\n", variant.c_str(), names.size(), failed,
              names.empty() ? 0.0 : seconds * 1e6 / static_cast<double>(names.size()));
  return failed == 0 ? 0 : 1;
}
