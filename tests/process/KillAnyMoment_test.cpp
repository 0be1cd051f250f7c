// A kill at any moment of a run or of its Undo, followed by Undo (once, or
// again after a kill), gives the destination back exactly as it was before
// the run: ordovan-cli killed at random moments over a small tree, within a
// time budget, on this file system and as one without unnamed temporary
// files, where a copy killed halfway leaves part of itself under its name.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uintmax_t kBigFile = 16u << 20;
constexpr auto kBudget = std::chrono::seconds(5);  // of random kills, per file system

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::map<std::string, std::string> TreeOf(const fs::path& root) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    entries[fs::relative(entry.path(), root).string()] =
        entry.is_directory() ? std::string("<folder>") : ReadAll(entry.path());
  }
  return entries;
}

pid_t Start(std::vector<std::string> args, const fs::path& output) {
  args.insert(args.begin(), ORDOVAN_CLI_DRIVER);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!std::freopen(output.c_str(), "w", stdout) || ::dup2(::fileno(stdout), 2) < 0) ::_exit(126);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  return pid;
}

// The exit code, or minus the signal that ended it.
int Wait(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

class KillAnyMomentTest : public ::testing::TestWithParam<bool> {
 protected:
  KillAnyMomentTest() {
    // In memory where there is room: hundreds of runs copy gigabytes.
    const fs::path shm = "/dev/shm";
    work_ = (fs::is_directory(shm) ? shm : fs::temp_directory_path()) /
            ("ordovan-kill-" + std::to_string(::getpid()) + "-" + std::to_string(GetParam()));
    source_ = work_ / "src" / "Old Clients";
    out_ = work_ / "out";
    fs::create_directories(out_);
    std::ofstream list(work_ / "list.txt", std::ios::trunc);
    for (const char* client : {"C1", "C2", "C3"}) {
      for (const char* year : {"2016", "2017"}) {
        const fs::path docs = source_ / client / year / "docs";
        fs::create_directories(docs);
        std::ofstream(source_ / client / year / "notes.txt") << client << year;
        for (int f = 0; f < 4; ++f) std::ofstream(docs / ("f" + std::to_string(f) + ".txt")) << f << client;
        list << docs.string() << '\n';
      }
    }
    for (const char* client : {"C1", "C2"}) {
      std::ofstream big(source_ / client / "2016" / "docs" / "big.dat", std::ios::binary);
      for (std::uintmax_t i = 0; i < kBigFile / 4096; ++i) big << std::string(4096, 'a' + i % 26);
    }
    std::ofstream(out_ / "mine.txt") << "the user's own";
  }
  ~KillAnyMomentTest() override {
    std::error_code error;
    fs::remove_all(work_, error);
  }

  std::vector<std::string> Args(const std::string& command) const {
    std::vector<std::string> args;
    if (GetParam()) args.push_back("--without-unnamed-files");
    if (command == "organize") {
      args.insert(args.end(), {"organize", "--include", (work_ / "list.txt").string(), "--base",
                               source_.string(), "--positions", "2,1,3", "--dest", out_.string()});
    } else {
      args.insert(args.end(), {"undo", "--yes"});
    }
    args.insert(args.end(), {"--journal", (work_ / "run.journal").string(), "--quiet"});
    return args;
  }
  int Run(const std::string& command) { return Wait(Start(Args(command), work_ / "said.txt")); }
  // Kills the command after `delay`; true when the kill came before its end.
  bool RunKilledAfter(const std::string& command, std::chrono::microseconds delay) {
    const pid_t pid = Start(Args(command), work_ / "said.txt");
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    return Wait(pid) == -SIGKILL;
  }
  // Copies of the big files that hold only part of it.
  int CopiesCutShort() const {
    // The run may still be at work: entries come and go while they are read.
    int cut = 0;
    std::error_code error;
    for (fs::recursive_directory_iterator it(out_, error), end; !error && it != end;
         it.increment(error)) {
      const std::string name = it->path().filename().string();
      const std::uintmax_t size = it->file_size(error);
      cut += !error && name.size() >= 7 && name.compare(name.size() - 7, 7, "big.dat") == 0 &&
             size < kBigFile;
      error.clear();
    }
    return cut;
  }
  // Undo after the kills, as often as it says something is left; true when
  // the destination is as before.
  void UndoAndCompare(const std::map<std::string, std::string>& before, const std::string& what) {
    const int status = Run("undo");
    // 2: nothing to undo, when the kill came before the run made anything.
    ASSERT_TRUE(status == 0 || status == 2) << what << "\n" << ReadAll(work_ / "said.txt");
    ASSERT_TRUE(TreeOf(out_) == before) << what << "\n" << ReadAll(work_ / "said.txt");
  }

  fs::path work_, source_, out_;
};

TEST_P(KillAnyMomentTest, UndoAfterAKillAtAnyMomentGivesTheDestinationBack) {
  const auto before = TreeOf(out_);
  const auto sources = TreeOf(work_ / "src");
  auto since = [](Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  };
  // How long a whole run and its Undo take here: the middle of three.
  std::vector<std::chrono::microseconds> organize_times, undo_times;
  Clock::time_point start;
  for (int i = 0; i < 3; ++i) {
    start = Clock::now();
    ASSERT_EQ(Run("organize"), 0) << ReadAll(work_ / "said.txt");
    organize_times.push_back(since(start));
    start = Clock::now();
    ASSERT_EQ(Run("undo"), 0) << ReadAll(work_ / "said.txt");
    undo_times.push_back(since(start));
    ASSERT_TRUE(TreeOf(out_) == before);
  }
  std::sort(organize_times.begin(), organize_times.end());
  std::sort(undo_times.begin(), undo_times.end());
  const auto organize_time = organize_times[1], undo_time = undo_times[1];

  const unsigned seed = std::random_device()();
  std::mt19937 random(seed);
  auto moment = [&random](std::chrono::microseconds whole) {
    return std::chrono::microseconds(
        std::uniform_int_distribution<long long>(0, whole.count() * 6 / 5)(random));
  };
  int runs = 0, run_kills = 0, undo_kills = 0, cut_copies = 0;
  for (start = Clock::now(); Clock::now() - start < kBudget; ++runs) {
    const std::string what = "seed " + std::to_string(seed) + ", run " + std::to_string(runs);
    if (RunKilledAfter("organize", moment(organize_time))) {
      ++run_kills;
      cut_copies += CopiesCutShort();
    }
    // Every other time the first Undo is killed as well.
    if (runs % 2 == 1 && RunKilledAfter("undo", moment(undo_time))) ++undo_kills;
    UndoAndCompare(before, what);
  }
  // Killed while a big file is being copied, for certain.
  for (int tries = 0; GetParam() && tries < 20 && cut_copies < 3; ++tries) {
    const pid_t pid = Start(Args("organize"), work_ / "said.txt");
    bool cut = false;
    for (auto polled = Clock::now(); !cut && Clock::now() - polled < std::chrono::seconds(5);) {
      cut = CopiesCutShort() > 0;
      if (!cut && ::waitpid(pid, nullptr, WNOHANG) == pid) break;
    }
    ::kill(pid, SIGKILL);
    Wait(pid);
    cut_copies += cut;
    UndoAndCompare(before, "a kill in the middle of a copy");
  }
  EXPECT_TRUE(TreeOf(work_ / "src") == sources);
  std::printf("%s: %d runs, %d killed, %d Undo killed, %d copies killed halfway (seed %u)\n",
              GetParam() ? "without unnamed files" : "with unnamed files", runs, run_kills,
              undo_kills, cut_copies, seed);
  EXPECT_GT(run_kills, runs / 3);
  if (GetParam()) {
    EXPECT_GE(cut_copies, 3);
  }
}

INSTANTIATE_TEST_SUITE_P(FileSystems, KillAnyMomentTest, ::testing::Bool(),
                         [](const auto& info) {
                           return std::string(info.param ? "WithoutUnnamedFiles" : "WithUnnamedFiles");
                         });

}  // namespace
