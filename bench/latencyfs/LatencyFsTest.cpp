// The latency test bed must forward faithfully, wait and count every
// operation, and serve parallel clients at once; otherwise the benchmarks
// built on it measure the test bed. Skipped where FUSE cannot be used.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Counts = std::map<std::string, long long>;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool IsMounted(const fs::path& mount) {
  std::ifstream mounts("/proc/mounts");
  std::string device, point, rest;
  while (mounts >> device >> point && std::getline(mounts, rest)) {
    if (point == mount.string()) return true;
  }
  return false;
}

// One latencyfs over a new backing folder, unmounted at the end.
class LatencyFsTest : public ::testing::Test {
 protected:
  void Mount(const char* delay_ms) {
    const int device = ::open("/dev/fuse", O_RDWR);
    if (device < 0) GTEST_SKIP() << "no usable /dev/fuse";
    ::close(device);
    if (::geteuid() != 0) GTEST_SKIP() << "mounting needs root";
    char pattern[] = "/tmp/latencyfs-test.XXXXXX";
    root_ = ::mkdtemp(pattern);
    back_ = root_ / "back";
    mount_ = root_ / "mnt";
    fs::create_directories(back_);
    fs::create_directories(mount_);
    stats_ = root_ / "stats";
    const std::string program = LATENCYFS, stats = stats_.string(), back = back_.string(), mount = mount_.string();
    const char* argv[] = {program.c_str(), "--delay-ms", delay_ms, "--stats", stats.c_str(), back.c_str(),
                          mount.c_str(), nullptr};
    ASSERT_EQ(::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    for (int i = 0; i < 200 && !IsMounted(mount_); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(IsMounted(mount_)) << "latencyfs did not mount";
  }

  void TearDown() override {
    if (pid_ > 0) {
      if (IsMounted(mount_)) ::umount2(mount_.c_str(), 0);
      int status = 0;
      ::waitpid(pid_, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "latencyfs ended with " << status;
    }
    if (!root_.empty()) fs::remove_all(root_);
  }

  // The counts as of now: asks for them and waits for the new generation.
  Counts Calls() {
    const std::string before = fs::exists(stats_) ? ReadFile(stats_) : "";
    ::kill(pid_, SIGUSR1);
    for (int i = 0; i < 500; ++i) {
      if (fs::exists(stats_)) {
        const std::string text = ReadFile(stats_);
        if (text != before && text.find("generation") != std::string::npos) {
          Counts counts;
          std::istringstream lines(text);
          std::string kind;
          long long calls = 0, failed = 0;
          while (lines >> kind >> calls) {
            if (kind != "generation") lines >> failed;
            counts[kind] = calls;
          }
          return counts;
        }
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ADD_FAILURE() << "no counts written";
    return {};
  }

  fs::path root_, back_, mount_, stats_;
  pid_t pid_ = 0;
};

// Catches a passthrough that alters data or drops the no-overwrite rules
// (exclusive create, rename without replacing), and a listing that loses
// names past its first reply.
TEST_F(LatencyFsTest, ForwardsFilesAndKeepsTheirRules) {
  Mount("0");
  if (IsSkipped()) return;
  const std::string content(5000, 'q');
  std::ofstream(mount_ / "a.txt", std::ios::binary) << content;
  EXPECT_EQ(ReadFile(back_ / "a.txt"), content);

  const std::string a = (mount_ / "a.txt").string(), b = (mount_ / "b.txt").string();
  EXPECT_EQ(::open(a.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644), -1);
  EXPECT_EQ(errno, EEXIST);

  const int in = ::open(a.c_str(), O_RDONLY);
  const int out = ::open(b.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  ASSERT_GE(in, 0);
  ASSERT_GE(out, 0);
  EXPECT_EQ(::copy_file_range(in, nullptr, out, nullptr, content.size(), 0), static_cast<ssize_t>(content.size()));
  const struct timespec times[2] = {{1000000000, 0}, {1234567890, 500}};
  EXPECT_EQ(::futimens(out, times), 0);
  ::close(in);
  ::close(out);
  EXPECT_EQ(ReadFile(back_ / "b.txt"), content);
  struct stat st;
  ASSERT_EQ(::stat((back_ / "b.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
  EXPECT_EQ(st.st_mtim.tv_nsec, 500);

  EXPECT_EQ(::renameat2(AT_FDCWD, b.c_str(), AT_FDCWD, a.c_str(), RENAME_NOREPLACE), -1);
  EXPECT_EQ(errno, EEXIST);
  EXPECT_TRUE(fs::exists(back_ / "b.txt"));

  std::set<std::string> made;
  for (int i = 0; i < 300; ++i) {
    const std::string name = "entry-with-a-long-name-" + std::to_string(i);
    fs::create_directory(back_ / name);
    made.insert(name);
  }
  std::set<std::string> listed;
  for (const auto& entry : fs::directory_iterator(mount_)) listed.insert(entry.path().filename().string());
  for (const std::string& name : made) EXPECT_TRUE(listed.count(name)) << name;
  EXPECT_EQ(listed.size(), made.size() + 2);

  EXPECT_TRUE(fs::remove(mount_ / "b.txt"));
  EXPECT_FALSE(fs::exists(back_ / "b.txt"));
}

// Catches an operation that is not delayed or not counted exactly once, which
// would make the benchmarks' times and operations per file wrong.
TEST_F(LatencyFsTest, DelaysAndCountsEveryOperation) {
  Mount("20");
  if (IsSkipped()) return;
  const Counts before = Calls();
  const auto start = Clock::now();
  for (int i = 0; i < 5; ++i) ASSERT_EQ(::mkdir((mount_ / ("d" + std::to_string(i))).c_str(), 0755), 0);
  for (int i = 0; i < 5; ++i) ASSERT_EQ(::rmdir((mount_ / ("d" + std::to_string(i))).c_str()), 0);
  const auto elapsed = Clock::now() - start;
  const Counts after = Calls();
  EXPECT_EQ(after.at("mkdir") - before.at("mkdir"), 5);
  EXPECT_EQ(after.at("rmdir") - before.at("rmdir"), 5);
  // Each mkdir asks for the name first; each of the 15 or more waits 20 ms.
  EXPECT_GE(after.at("lookup") - before.at("lookup"), 5);
  EXPECT_GE(elapsed, std::chrono::milliseconds(15 * 20));
}

// Catches a file system that serves one request at a time: parallel clients
// would then gain nothing on the test bed, whatever a share would give them.
TEST_F(LatencyFsTest, ServesParallelClientsAtOnce) {
  Mount("100");
  if (IsSkipped()) return;
  for (int i = 0; i < 8; ++i) fs::create_directory(back_ / ("c" + std::to_string(i)));
  const auto start = Clock::now();
  std::vector<std::thread> clients;
  for (int i = 0; i < 8; ++i) {
    clients.emplace_back([this, i] {
      struct stat st;
      // Two lookups of 100 ms each: the folder, then the missing name in it.
      ::lstat((mount_ / ("c" + std::to_string(i)) / "missing").c_str(), &st);
    });
  }
  for (std::thread& client : clients) client.join();
  // One request at a time would take 8 x 200 ms; all at once about 200 ms.
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(800));
}

}  // namespace
