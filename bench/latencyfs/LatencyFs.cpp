// latencyfs: a passthrough file system that makes every operation wait, as
// on a file server where each one is a round trip over the network. It
// forwards each request to a folder on a local disk after sleeping for the
// configured delay, and counts the requests by kind, so a benchmark can read
// off both the time a copy takes at that latency and the operations per
// copied file (exact, whatever else the machine is doing).
//
//   latencyfs [--delay-ms MS] [--cache-s S] [--threads N] [--stats FILE]
//             BACKING MOUNTPOINT
//
// Runs in the foreground until the mount point is unmounted or the process
// gets SIGTERM or SIGINT. SIGUSR1 writes the counts to the stats file (as
// `kind calls failed` lines, then `generation N`), and so does the end.
//
// Requests are served by many threads, so clients in parallel overlap their
// waits as they would on a share. The kernel keeps names and attributes for
// --cache-s seconds (1 by default, like a Linux SMB mount's actimeo), but never
// remembers that a name is missing: "is it there?" always reaches the server.

#define FUSE_USE_VERSION 314
#include <fuse_lowlevel.h>
#include <linux/fuse.h>

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Every request kind the kernel sends that this file system serves. The
// kernel learns from ENOSYS that the others are missing and stops asking.
#define LATENCYFS_OPS(X)                                                                       \
  X(lookup) X(forget) X(getattr) X(setattr) X(readlink) X(mknod) X(mkdir) X(unlink) X(rmdir) \
  X(symlink) X(rename) X(link) X(open) X(read) X(write) X(flush) X(release) X(fsync)          \
  X(opendir) X(readdir) X(readdirplus) X(releasedir) X(fsyncdir) X(statfs) X(access)          \
  X(create) X(fallocate) X(copy_file_range) X(lseek)

enum Op {
#define LATENCYFS_ENUM(name) k_##name,
  LATENCYFS_OPS(LATENCYFS_ENUM)
#undef LATENCYFS_ENUM
  kOpCount
};

const char* const kOpNames[] = {
#define LATENCYFS_NAME(name) #name,
    LATENCYFS_OPS(LATENCYFS_NAME)
#undef LATENCYFS_NAME
};

struct Options {
  std::chrono::microseconds delay{2000};
  double cache_seconds = 1.0;
  unsigned threads = 64;
  std::string stats;
  std::string backing;
  std::string mountpoint;
};

// What the kernel knows as one inode: an entry of the backing folder, named
// by its parent and its name there, alive while the kernel holds lookups of
// it or an inode below it does. A descriptor per inode would run out: the
// kernel remembers every file of a tree it copied.
struct Inode {
  dev_t dev = 0;
  ino_t ino = 0;
  std::uint64_t lookups = 0;
  std::uint64_t children = 0;  // inodes whose parent this is
  Inode* parent = nullptr;     // null for the root
  std::string name;
};

struct DirHandle {
  DIR* dir = nullptr;
  off_t offset = 0;
  dirent* entry = nullptr;  // read ahead, not yet handed out
};

class LatencyFs {
 public:
  explicit LatencyFs(Options options) : options_(std::move(options)) {}

  bool OpenRoot() {
    root_fd_ = ::open(options_.backing.c_str(), O_PATH | O_DIRECTORY);
    struct stat st;
    if (root_fd_ < 0 || ::fstat(root_fd_, &st) != 0) return false;
    root_.dev = st.st_dev;
    root_.ino = st.st_ino;
    return true;
  }

  // Every call below works relative to the backing folder.
  int root() const { return root_fd_; }

  const Options& options() const { return options_; }

  // The wait of one round trip, and the count of the request.
  void Arrive(Op op) {
    calls_[op].fetch_add(1, std::memory_order_relaxed);
    if (op != k_forget) std::this_thread::sleep_for(options_.delay);
  }
  void Failed(Op op) { failed_[op].fetch_add(1, std::memory_order_relaxed); }

  void WriteStats() {
    if (options_.stats.empty()) return;
    std::lock_guard<std::mutex> lock(stats_mutex_);
    const std::string temp = options_.stats + ".tmp";
    FILE* file = std::fopen(temp.c_str(), "w");
    if (file == nullptr) return;
    for (int op = 0; op < kOpCount; ++op) {
      std::fprintf(file, "%s %llu %llu\n", kOpNames[op],
                   static_cast<unsigned long long>(calls_[op].load()),
                   static_cast<unsigned long long>(failed_[op].load()));
    }
    // Readers wait for a new generation to know the counts are fresh.
    std::fprintf(file, "generation %llu\n", static_cast<unsigned long long>(++generation_));
    if (std::fclose(file) == 0) std::rename(temp.c_str(), options_.stats.c_str());
  }

  Inode& Get(fuse_ino_t ino) {
    return ino == FUSE_ROOT_ID ? root_ : *reinterpret_cast<Inode*>(ino);
  }

  // The inode's path below the backing folder ("." for the folder itself).
  std::string PathOf(fuse_ino_t ino) {
    std::shared_lock<std::shared_mutex> lock(inodes_mutex_);
    return PathLocked(&Get(ino));
  }
  // The path of `name` inside the folder `parent`.
  std::string PathOf(fuse_ino_t parent, const char* name) {
    std::shared_lock<std::shared_mutex> lock(inodes_mutex_);
    return ChildPath(PathLocked(&Get(parent)), name);
  }

  // Finds `name` in `parent` and hands the kernel one more lookup of it.
  int Lookup(fuse_ino_t parent, const char* name, fuse_entry_param* entry) {
    *entry = {};
    entry->attr_timeout = options_.cache_seconds;
    entry->entry_timeout = options_.cache_seconds;
    if (::fstatat(root_fd_, PathOf(parent, name).c_str(), &entry->attr, AT_SYMLINK_NOFOLLOW) != 0) return errno;
    std::unique_lock<std::shared_mutex> lock(inodes_mutex_);
    const auto key = std::make_pair(entry->attr.st_dev, entry->attr.st_ino);
    if (key == std::make_pair(root_.dev, root_.ino)) {
      entry->ino = FUSE_ROOT_ID;
      return 0;
    }
    std::unique_ptr<Inode>& slot = inodes_[key];
    if (!slot) {
      slot = std::make_unique<Inode>();
      slot->dev = key.first;
      slot->ino = key.second;
    }
    // The name it was found by last is the one that surely leads to it
    // (a rename, or a change made to the backing folder directly).
    Place(slot.get(), &Get(parent), name);
    ++slot->lookups;
    entry->ino = reinterpret_cast<fuse_ino_t>(slot.get());
    return 0;
  }

  // After a rename: the entry now at `name` in `parent` is named so.
  void Renamed(fuse_ino_t parent, const char* name) {
    struct stat st;
    if (::fstatat(root_fd_, PathOf(parent, name).c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return;
    std::unique_lock<std::shared_mutex> lock(inodes_mutex_);
    auto found = inodes_.find(std::make_pair(st.st_dev, st.st_ino));
    if (found != inodes_.end()) Place(found->second.get(), &Get(parent), name);
  }

  void Forget(fuse_ino_t ino, std::uint64_t count) {
    if (ino == FUSE_ROOT_ID) return;
    std::unique_lock<std::shared_mutex> lock(inodes_mutex_);
    Inode* inode = &Get(ino);
    inode->lookups -= std::min(inode->lookups, count);
    Release(inode);
  }

 private:
  static std::string ChildPath(const std::string& folder, const char* name) {
    return folder == "." ? std::string(name) : folder + "/" + name;
  }

  std::string PathLocked(const Inode* inode) const {
    if (inode->parent == nullptr) return ".";
    return ChildPath(PathLocked(inode->parent), inode->name.c_str());
  }

  void Place(Inode* inode, Inode* parent, const char* name) {
    if (inode->parent != parent) {
      ++parent->children;
      Inode* old = inode->parent;
      inode->parent = parent;
      if (old != nullptr) {
        --old->children;
        Release(old);
      }
    }
    inode->name = name;
  }

  // Drops an inode that neither the kernel nor an inode below it needs.
  void Release(Inode* inode) {
    while (inode != &root_ && inode->lookups == 0 && inode->children == 0) {
      Inode* parent = inode->parent;
      inodes_.erase(std::make_pair(inode->dev, inode->ino));
      if (parent == nullptr) break;
      --parent->children;
      inode = parent;
    }
  }

  Options options_;
  int root_fd_ = -1;
  Inode root_;
  std::shared_mutex inodes_mutex_;
  std::map<std::pair<dev_t, ino_t>, std::unique_ptr<Inode>> inodes_;
  std::atomic<std::uint64_t> calls_[kOpCount] = {};
  std::atomic<std::uint64_t> failed_[kOpCount] = {};
  std::mutex stats_mutex_;
  std::uint64_t generation_ = 0;
};

LatencyFs* fs_of(fuse_req_t req) { return static_cast<LatencyFs*>(fuse_req_userdata(req)); }

// Counts the request and waits; `op` names it for the replies below.
#define ARRIVE(name)                  \
  LatencyFs& fs = *fs_of(req);        \
  constexpr Op op = k_##name;         \
  fs.Arrive(op)

// The reply of a request that returns no data: 0 for success, else errno.
void ReplyStatus(fuse_req_t req, LatencyFs& fs, Op op, int error) {
  if (error != 0) fs.Failed(op);
  fuse_reply_err(req, error);
}

void ReplyEntry(fuse_req_t req, LatencyFs& fs, Op op, fuse_ino_t parent, const char* name) {
  fuse_entry_param entry;
  const int error = fs.Lookup(parent, name, &entry);
  if (error != 0) return ReplyStatus(req, fs, op, error);
  fuse_reply_entry(req, &entry);
}

void DoInit(void* userdata, fuse_conn_info* conn) {
  static_cast<void>(userdata);
  // Every write is a request, as it would be on a share without leases.
  conn->want &= ~FUSE_CAP_WRITEBACK_CACHE;
}

// Lookups and listings in one folder must overlap, as on a share; the kernel
// serialises them unless the reply to its INIT request carries
// FUSE_PARALLEL_DIROPS, which libfuse before 3.16 never puts there, however
// asked. So the reply is amended on its way to the kernel.
std::atomic<std::uint64_t> init_unique{~std::uint64_t{0}};
std::atomic<bool> parallel_dirops_offered{false};

ssize_t ReadRequest(int fd, void* buffer, std::size_t size, void* userdata) {
  static_cast<void>(userdata);
  const ssize_t n = ::read(fd, buffer, size);
  if (n >= static_cast<ssize_t>(sizeof(fuse_in_header) + sizeof(fuse_init_in))) {
    const auto* header = static_cast<const fuse_in_header*>(buffer);
    if (header->opcode == FUSE_INIT) {
      const auto* init = reinterpret_cast<const fuse_init_in*>(header + 1);
      parallel_dirops_offered = (init->flags & FUSE_PARALLEL_DIROPS) != 0;
      init_unique = header->unique;
    }
  }
  return n;
}

ssize_t WriteReply(int fd, iovec* iov, int count, void* userdata) {
  static_cast<void>(userdata);
  if (count >= 2 && iov[0].iov_len >= sizeof(fuse_out_header) && iov[1].iov_len >= 16 &&
      static_cast<const fuse_out_header*>(iov[0].iov_base)->unique == init_unique.load() &&
      static_cast<const fuse_out_header*>(iov[0].iov_base)->error == 0 && parallel_dirops_offered) {
    static_cast<fuse_init_out*>(iov[1].iov_base)->flags |= FUSE_PARALLEL_DIROPS;
    init_unique = ~std::uint64_t{0};
  }
  return ::writev(fd, iov, count);
}

void DoLookup(fuse_req_t req, fuse_ino_t parent, const char* name) {
  ARRIVE(lookup);
  ReplyEntry(req, fs, op, parent, name);
}

void DoForget(fuse_req_t req, fuse_ino_t ino, std::uint64_t nlookup) {
  ARRIVE(forget);
  static_cast<void>(op);
  fs.Forget(ino, nlookup);
  fuse_reply_none(req);
}

void DoForgetMulti(fuse_req_t req, std::size_t count, fuse_forget_data* forgets) {
  LatencyFs& fs = *fs_of(req);
  for (std::size_t i = 0; i < count; ++i) {
    fs.Arrive(k_forget);
    fs.Forget(forgets[i].ino, forgets[i].nlookup);
  }
  fuse_reply_none(req);
}

void DoGetattr(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  ARRIVE(getattr);
  struct stat st;
  const int result = fi != nullptr ? ::fstat(static_cast<int>(fi->fh), &st)
                                   : ::fstatat(fs.root(), fs.PathOf(ino).c_str(), &st, AT_SYMLINK_NOFOLLOW);
  if (result != 0) return ReplyStatus(req, fs, op, errno);
  fuse_reply_attr(req, &st, fs.options().cache_seconds);
}

void DoSetattr(fuse_req_t req, fuse_ino_t ino, struct stat* attr, int to_set, fuse_file_info* fi) {
  ARRIVE(setattr);
  const std::string path = fs.PathOf(ino);
  const int open_fd = fi != nullptr ? static_cast<int>(fi->fh) : -1;
  int result = 0;
  if (to_set & FUSE_SET_ATTR_MODE) {
    result = open_fd >= 0 ? ::fchmod(open_fd, attr->st_mode) : ::fchmodat(fs.root(), path.c_str(), attr->st_mode, 0);
  }
  if (result == 0 && (to_set & (FUSE_SET_ATTR_UID | FUSE_SET_ATTR_GID))) {
    const uid_t uid = (to_set & FUSE_SET_ATTR_UID) ? attr->st_uid : static_cast<uid_t>(-1);
    const gid_t gid = (to_set & FUSE_SET_ATTR_GID) ? attr->st_gid : static_cast<gid_t>(-1);
    result = ::fchownat(fs.root(), path.c_str(), uid, gid, AT_SYMLINK_NOFOLLOW);
  }
  if (result == 0 && (to_set & FUSE_SET_ATTR_SIZE)) {
    if (open_fd >= 0) {
      result = ::ftruncate(open_fd, attr->st_size);
    } else {
      const int fd = ::openat(fs.root(), path.c_str(), O_WRONLY | O_NOFOLLOW);
      result = fd < 0 ? -1 : ::ftruncate(fd, attr->st_size);
      if (fd >= 0) ::close(fd);
    }
  }
  if (result == 0 && (to_set & (FUSE_SET_ATTR_ATIME | FUSE_SET_ATTR_MTIME))) {
    struct timespec times[2];
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_nsec = UTIME_OMIT;
    if (to_set & FUSE_SET_ATTR_ATIME_NOW) {
      times[0].tv_nsec = UTIME_NOW;
    } else if (to_set & FUSE_SET_ATTR_ATIME) {
      times[0] = attr->st_atim;
    }
    if (to_set & FUSE_SET_ATTR_MTIME_NOW) {
      times[1].tv_nsec = UTIME_NOW;
    } else if (to_set & FUSE_SET_ATTR_MTIME) {
      times[1] = attr->st_mtim;
    }
    result = open_fd >= 0 ? ::futimens(open_fd, times)
                          : ::utimensat(fs.root(), path.c_str(), times, AT_SYMLINK_NOFOLLOW);
  }
  if (result != 0) return ReplyStatus(req, fs, op, errno);
  struct stat st;
  if (::fstatat(fs.root(), path.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    return ReplyStatus(req, fs, op, errno);
  }
  fuse_reply_attr(req, &st, fs.options().cache_seconds);
}

void DoReadlink(fuse_req_t req, fuse_ino_t ino) {
  ARRIVE(readlink);
  char target[PATH_MAX + 1];
  const ssize_t n = ::readlinkat(fs.root(), fs.PathOf(ino).c_str(), target, PATH_MAX);
  if (n < 0) return ReplyStatus(req, fs, op, errno);
  target[n] = 0;
  fuse_reply_readlink(req, target);
}

void DoMknod(fuse_req_t req, fuse_ino_t parent, const char* name, mode_t mode, dev_t rdev) {
  ARRIVE(mknod);
  if (::mknodat(fs.root(), fs.PathOf(parent, name).c_str(), mode, rdev) != 0) return ReplyStatus(req, fs, op, errno);
  ReplyEntry(req, fs, op, parent, name);
}

void DoMkdir(fuse_req_t req, fuse_ino_t parent, const char* name, mode_t mode) {
  ARRIVE(mkdir);
  if (::mkdirat(fs.root(), fs.PathOf(parent, name).c_str(), mode) != 0) return ReplyStatus(req, fs, op, errno);
  ReplyEntry(req, fs, op, parent, name);
}

void DoUnlink(fuse_req_t req, fuse_ino_t parent, const char* name) {
  ARRIVE(unlink);
  ReplyStatus(req, fs, op, ::unlinkat(fs.root(), fs.PathOf(parent, name).c_str(), 0) == 0 ? 0 : errno);
}

void DoRmdir(fuse_req_t req, fuse_ino_t parent, const char* name) {
  ARRIVE(rmdir);
  ReplyStatus(req, fs, op, ::unlinkat(fs.root(), fs.PathOf(parent, name).c_str(), AT_REMOVEDIR) == 0 ? 0 : errno);
}

void DoSymlink(fuse_req_t req, const char* link, fuse_ino_t parent, const char* name) {
  ARRIVE(symlink);
  if (::symlinkat(link, fs.root(), fs.PathOf(parent, name).c_str()) != 0) return ReplyStatus(req, fs, op, errno);
  ReplyEntry(req, fs, op, parent, name);
}

void DoRename(fuse_req_t req, fuse_ino_t parent, const char* name, fuse_ino_t newparent,
              const char* newname, unsigned int flags) {
  ARRIVE(rename);
  const int result = ::renameat2(fs.root(), fs.PathOf(parent, name).c_str(), fs.root(),
                                 fs.PathOf(newparent, newname).c_str(), flags);
  if (result != 0) return ReplyStatus(req, fs, op, errno);
  fs.Renamed(newparent, newname);
  if (flags & RENAME_EXCHANGE) fs.Renamed(parent, name);
  ReplyStatus(req, fs, op, 0);
}

void DoLink(fuse_req_t req, fuse_ino_t ino, fuse_ino_t newparent, const char* newname) {
  ARRIVE(link);
  if (::linkat(fs.root(), fs.PathOf(ino).c_str(), fs.root(), fs.PathOf(newparent, newname).c_str(), 0) != 0) {
    return ReplyStatus(req, fs, op, errno);
  }
  ReplyEntry(req, fs, op, newparent, newname);
}

void DoOpen(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  ARRIVE(open);
  const int fd = ::openat(fs.root(), fs.PathOf(ino).c_str(), fi->flags | O_NOFOLLOW);
  if (fd < 0) return ReplyStatus(req, fs, op, errno);
  fi->fh = static_cast<std::uint64_t>(fd);
  fuse_reply_open(req, fi);
}

void DoCreate(fuse_req_t req, fuse_ino_t parent, const char* name, mode_t mode, fuse_file_info* fi) {
  ARRIVE(create);
  const int fd = ::openat(fs.root(), fs.PathOf(parent, name).c_str(), fi->flags | O_CREAT | O_NOFOLLOW, mode);
  if (fd < 0) return ReplyStatus(req, fs, op, errno);
  fuse_entry_param entry;
  const int error = fs.Lookup(parent, name, &entry);
  if (error != 0) {
    ::close(fd);
    return ReplyStatus(req, fs, op, error);
  }
  fi->fh = static_cast<std::uint64_t>(fd);
  fuse_reply_create(req, &entry, fi);
}

void DoRead(fuse_req_t req, fuse_ino_t ino, std::size_t size, off_t offset, fuse_file_info* fi) {
  ARRIVE(read);
  static_cast<void>(ino);
  std::vector<char> buffer(size);
  const ssize_t n = ::pread(static_cast<int>(fi->fh), buffer.data(), size, offset);
  if (n < 0) return ReplyStatus(req, fs, op, errno);
  fuse_reply_buf(req, buffer.data(), static_cast<std::size_t>(n));
}

void DoWrite(fuse_req_t req, fuse_ino_t ino, const char* data, std::size_t size, off_t offset,
             fuse_file_info* fi) {
  ARRIVE(write);
  static_cast<void>(ino);
  const ssize_t n = ::pwrite(static_cast<int>(fi->fh), data, size, offset);
  if (n < 0) return ReplyStatus(req, fs, op, errno);
  fuse_reply_write(req, static_cast<std::size_t>(n));
}

void DoFlush(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  ARRIVE(flush);
  static_cast<void>(ino);
  // Closing a duplicate reports what closing the file would, and keeps it open.
  ReplyStatus(req, fs, op, ::close(::dup(static_cast<int>(fi->fh))) == 0 ? 0 : errno);
}

void DoRelease(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  ARRIVE(release);
  static_cast<void>(ino);
  ::close(static_cast<int>(fi->fh));
  ReplyStatus(req, fs, op, 0);
}

void DoFsync(fuse_req_t req, fuse_ino_t ino, int datasync, fuse_file_info* fi) {
  ARRIVE(fsync);
  static_cast<void>(ino);
  const int fd = static_cast<int>(fi->fh);
  ReplyStatus(req, fs, op, (datasync ? ::fdatasync(fd) : ::fsync(fd)) == 0 ? 0 : errno);
}

void DoOpendir(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  ARRIVE(opendir);
  const int fd = ::openat(fs.root(), fs.PathOf(ino).c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return ReplyStatus(req, fs, op, errno);
  auto handle = std::make_unique<DirHandle>();
  handle->dir = ::fdopendir(fd);
  if (handle->dir == nullptr) {
    const int error = errno;
    ::close(fd);
    return ReplyStatus(req, fs, op, error);
  }
  fi->fh = reinterpret_cast<std::uint64_t>(handle.release());
  fuse_reply_open(req, fi);
}

void ReadDirectory(fuse_req_t req, LatencyFs& fs, Op op, fuse_ino_t ino, std::size_t size, off_t offset,
                   fuse_file_info* fi, bool plus) {
  auto* handle = reinterpret_cast<DirHandle*>(fi->fh);
  if (offset != handle->offset) {
    ::seekdir(handle->dir, offset);
    handle->entry = nullptr;
    handle->offset = offset;
  }
  std::vector<char> buffer(size);
  std::size_t used = 0;
  for (;;) {
    if (handle->entry == nullptr) {
      errno = 0;
      handle->entry = ::readdir(handle->dir);
      if (handle->entry == nullptr) {
        if (errno != 0 && used == 0) return ReplyStatus(req, fs, op, errno);
        break;
      }
    }
    const dirent* entry = handle->entry;
    const off_t next = entry->d_off;
    const bool dots = std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0;
    std::size_t needed;
    if (plus) {
      fuse_entry_param found = {};
      if (!dots) {
        const int error = fs.Lookup(ino, entry->d_name, &found);
        if (error != 0) return ReplyStatus(req, fs, op, error);
      } else {
        found.attr.st_ino = entry->d_ino;
        found.attr.st_mode = static_cast<mode_t>(entry->d_type) << 12;
      }
      needed = fuse_add_direntry_plus(req, buffer.data() + used, size - used, entry->d_name, &found, next);
      if (needed > size - used) {
        // Not handed out after all: take the lookup back.
        if (found.ino != 0) fs.Forget(found.ino, 1);
        break;
      }
    } else {
      struct stat st = {};
      st.st_ino = entry->d_ino;
      st.st_mode = static_cast<mode_t>(entry->d_type) << 12;
      needed = fuse_add_direntry(req, buffer.data() + used, size - used, entry->d_name, &st, next);
      if (needed > size - used) break;
    }
    used += needed;
    handle->entry = nullptr;
    handle->offset = next;
  }
  fuse_reply_buf(req, buffer.data(), used);
}

void DoReaddir(fuse_req_t req, fuse_ino_t ino, std::size_t size, off_t offset, fuse_file_info* fi) {
  ARRIVE(readdir);
  ReadDirectory(req, fs, op, ino, size, offset, fi, false);
}

void DoReaddirplus(fuse_req_t req, fuse_ino_t ino, std::size_t size, off_t offset, fuse_file_info* fi) {
  ARRIVE(readdirplus);
  ReadDirectory(req, fs, op, ino, size, offset, fi, true);
}

void DoReleasedir(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  ARRIVE(releasedir);
  static_cast<void>(ino);
  auto* handle = reinterpret_cast<DirHandle*>(fi->fh);
  ::closedir(handle->dir);
  delete handle;
  ReplyStatus(req, fs, op, 0);
}

void DoFsyncdir(fuse_req_t req, fuse_ino_t ino, int datasync, fuse_file_info* fi) {
  ARRIVE(fsyncdir);
  static_cast<void>(ino);
  const int fd = ::dirfd(reinterpret_cast<DirHandle*>(fi->fh)->dir);
  ReplyStatus(req, fs, op, (datasync ? ::fdatasync(fd) : ::fsync(fd)) == 0 ? 0 : errno);
}

void DoStatfs(fuse_req_t req, fuse_ino_t ino) {
  ARRIVE(statfs);
  struct statvfs st;
  static_cast<void>(ino);
  if (::fstatvfs(fs.root(), &st) != 0) return ReplyStatus(req, fs, op, errno);
  fuse_reply_statfs(req, &st);
}

void DoAccess(fuse_req_t req, fuse_ino_t ino, int mask) {
  ARRIVE(access);
  ReplyStatus(req, fs, op, ::faccessat(fs.root(), fs.PathOf(ino).c_str(), mask, 0) == 0 ? 0 : errno);
}

void DoFallocate(fuse_req_t req, fuse_ino_t ino, int mode, off_t offset, off_t length, fuse_file_info* fi) {
  ARRIVE(fallocate);
  static_cast<void>(ino);
  ReplyStatus(req, fs, op, ::fallocate(static_cast<int>(fi->fh), mode, offset, length) == 0 ? 0 : errno);
}

// A share that copies on the server (SMB's server-side copy) does this in
// one round trip.
void DoCopyFileRange(fuse_req_t req, fuse_ino_t ino_in, off_t off_in, fuse_file_info* fi_in,
                     fuse_ino_t ino_out, off_t off_out, fuse_file_info* fi_out, std::size_t len, int flags) {
  ARRIVE(copy_file_range);
  static_cast<void>(ino_in);
  static_cast<void>(ino_out);
  const ssize_t n = ::copy_file_range(static_cast<int>(fi_in->fh), &off_in, static_cast<int>(fi_out->fh),
                                      &off_out, len, static_cast<unsigned>(flags));
  if (n < 0) return ReplyStatus(req, fs, op, errno);
  fuse_reply_write(req, static_cast<std::size_t>(n));
}

void DoLseek(fuse_req_t req, fuse_ino_t ino, off_t offset, int whence, fuse_file_info* fi) {
  ARRIVE(lseek);
  static_cast<void>(ino);
  const off_t result = ::lseek(static_cast<int>(fi->fh), offset, whence);
  if (result < 0) return ReplyStatus(req, fs, op, errno);
  fuse_reply_lseek(req, result);
}

fuse_lowlevel_ops Operations() {
  fuse_lowlevel_ops ops = {};
  ops.init = DoInit;
  ops.lookup = DoLookup;
  ops.forget = DoForget;
  ops.forget_multi = DoForgetMulti;
  ops.getattr = DoGetattr;
  ops.setattr = DoSetattr;
  ops.readlink = DoReadlink;
  ops.mknod = DoMknod;
  ops.mkdir = DoMkdir;
  ops.unlink = DoUnlink;
  ops.rmdir = DoRmdir;
  ops.symlink = DoSymlink;
  ops.rename = DoRename;
  ops.link = DoLink;
  ops.open = DoOpen;
  ops.read = DoRead;
  ops.write = DoWrite;
  ops.flush = DoFlush;
  ops.release = DoRelease;
  ops.fsync = DoFsync;
  ops.opendir = DoOpendir;
  ops.readdir = DoReaddir;
  ops.readdirplus = DoReaddirplus;
  ops.releasedir = DoReleasedir;
  ops.fsyncdir = DoFsyncdir;
  ops.statfs = DoStatfs;
  ops.access = DoAccess;
  ops.create = DoCreate;
  ops.fallocate = DoFallocate;
  ops.copy_file_range = DoCopyFileRange;
  ops.lseek = DoLseek;
  return ops;
}

int Usage(const char* why) {
  if (why != nullptr) std::fprintf(stderr, "latencyfs: %s\n", why);
  std::fprintf(stderr,
               "Usage: latencyfs [--delay-ms MS] [--cache-s S] [--threads N] [--stats FILE] BACKING MOUNTPOINT\n"
               "  --delay-ms MS  wait before every operation (default 2; fractions allowed)\n"
               "  --cache-s S    how long the kernel keeps names and attributes (default 1)\n"
               "  --threads N    requests served at once (default 64)\n"
               "  --stats FILE   counts by kind, written on SIGUSR1 and at the end\n");
  return 2;
}

bool ParseNumber(const char* text, double* value) {
  char* end = nullptr;
  *value = std::strtod(text, &end);
  return end != text && *end == 0 && *value >= 0;
}

// Writes the counts whenever SIGUSR1 arrives; every other thread blocks it.
void ServeStats(LatencyFs* fs, sigset_t signals) {
  for (;;) {
    int signal = 0;
    if (::sigwait(&signals, &signal) == 0 && signal == SIGUSR1) fs->WriteStats();
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    double value = 0;
    if ((arg == "--delay-ms" || arg == "--cache-s" || arg == "--threads" || arg == "--stats") && i + 1 >= argc) {
      return Usage(("missing value after " + arg).c_str());
    }
    if (arg == "--delay-ms") {
      if (!ParseNumber(argv[++i], &value)) return Usage("--delay-ms takes a number of milliseconds");
      options.delay = std::chrono::microseconds(static_cast<long long>(value * 1000 + 0.5));
    } else if (arg == "--cache-s") {
      if (!ParseNumber(argv[++i], &value)) return Usage("--cache-s takes a number of seconds");
      options.cache_seconds = value;
    } else if (arg == "--threads") {
      if (!ParseNumber(argv[++i], &value) || value < 1) return Usage("--threads takes a count of at least 1");
      options.threads = static_cast<unsigned>(value);
    } else if (arg == "--stats") {
      options.stats = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      return Usage(nullptr);
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage(("unknown option " + arg).c_str());
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) return Usage("give the backing folder and the mount point");
  options.backing = positional[0];
  options.mountpoint = positional[1];

  LatencyFs fs(options);
  if (!fs.OpenRoot()) {
    std::fprintf(stderr, "latencyfs: cannot open the backing folder %s: %s\n", options.backing.c_str(),
                 std::strerror(errno));
    return 1;
  }

  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGUSR1);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::thread(ServeStats, &fs, signals).detach();

  const std::string fsname = "fsname=latencyfs:" + options.backing;
  const char* fuse_argv[] = {argv[0], "-o", fsname.c_str(), "-o", "subtype=latencyfs"};
  fuse_args args = FUSE_ARGS_INIT(5, const_cast<char**>(fuse_argv));
  const fuse_lowlevel_ops ops = Operations();
  fuse_session* session = fuse_session_new(&args, &ops, sizeof ops, &fs);
  if (session == nullptr) return 1;
  int status = 1;
  if (fuse_set_signal_handlers(session) == 0) {
    fuse_custom_io io = {};
    io.read = ReadRequest;
    io.writev = WriteReply;
    if (fuse_session_mount(session, options.mountpoint.c_str()) == 0) {
      if (fuse_session_custom_io(session, &io, fuse_session_fd(session)) == 0) {
        fuse_loop_config* config = fuse_loop_cfg_create();
        fuse_loop_cfg_set_max_threads(config, options.threads);
        fuse_loop_cfg_set_idle_threads(config, options.threads);
        // A signal that ended the loop is a regular end, as an unmount is.
        status = fuse_session_loop_mt(session, config) < 0 ? 1 : 0;
        fuse_loop_cfg_destroy(config);
      }
      fuse_session_unmount(session);
    }
    fuse_remove_signal_handlers(session);
  }
  fuse_session_destroy(session);
  fs.WriteStats();
  return status;
}
