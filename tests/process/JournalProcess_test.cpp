// The journal against a real process: the program, started offscreen by a
// driver, organizes a few thousand files and is killed with SIGKILL (or
// stopped) in the middle; started again, its Undo must give the drive back
// exactly as it was before the run, with no partial file anywhere.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

constexpr int kClients = 12;
constexpr int kYears = 5;
constexpr int kFilesPerPath = 50;  // 12 x 5 x 50 = 3,000 files

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every entry below `root`: its kind, and a file's content.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    entries[name] = entry.is_directory() ? std::string("<folder>") : ReadAll(entry.path());
  }
  return entries;
}

// The names that differ between two snapshots, for a readable failure.
std::string Difference(const std::map<std::string, std::string>& before,
                       const std::map<std::string, std::string>& after) {
  std::string text;
  int shown = 0;
  for (const auto& [name, content] : after) {
    auto found = before.find(name);
    if ((found == before.end() || found->second != content) && shown++ < 10) {
      text += (found == before.end() ? "new: " : "changed: ") + name + "\n";
    }
  }
  for (const auto& [name, content] : before) {
    if (after.count(name) == 0 && shown++ < 10) text += "gone: " + name + "\n";
  }
  return text;
}

class Driver {
 public:
  Driver(const fs::path& work, std::vector<std::string> args) : output_(work / "driver.out") {
    args.insert(args.begin(), ORDOVAN_JOURNAL_DRIVER);
    pid_ = ::fork();
    if (pid_ == 0) {
      std::FILE* out = std::freopen(output_.c_str(), "w", stdout);
      (void)out;
      std::vector<char*> argv;
      for (std::string& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
  }
  // Waits for the end; the exit code, or -signal.
  int Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  }
  void Kill() { ::kill(pid_, SIGKILL); }
  std::string Output() const { return ReadAll(output_); }

 private:
  fs::path output_;
  pid_t pid_ = -1;
};

class JournalProcessTest : public ::testing::Test {
 protected:
  JournalProcessTest() {
    work_ = fs::temp_directory_path() /
            ("ordovan-process-" + std::to_string(::getpid()) + "-" +
             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path src = work_ / "f" / "Src";
    const std::string content(1024, 'x');
    for (int c = 0; c < kClients; ++c) {
      for (int y = 0; y < kYears; ++y) {
        const fs::path docs = src / ("C" + std::to_string(100 + c)) / ("Y" + std::to_string(200 + y)) / "docs";
        fs::create_directories(docs);
        for (int f = 0; f < kFilesPerPath; ++f) {
          std::ofstream(docs / ("f" + std::to_string(f) + ".dat"), std::ios::binary)
              << content << c << y << f;
        }
      }
    }
    // The destination holds the user's own things, which Undo leaves alone.
    fs::create_directories(work_ / "f" / "New" / "Y200");
    std::ofstream(work_ / "f" / "New" / "mine.txt") << "mine";
    std::ofstream(work_ / "f" / "New" / "Y200" / "notes.txt") << "notes";
  }
  ~JournalProcessTest() override {
    std::error_code ec;
    fs::remove_all(work_, ec);
  }

  fs::path Journal() const { return work_ / "settings" / "ordovan-run.journal"; }
  int CopyRecords() const {
    const std::string text = ReadAll(Journal());
    int records = 0;
    for (std::size_t at = text.find("\nC\t"); at != std::string::npos; at = text.find("\nC\t", at + 1)) {
      ++records;
    }
    return records;
  }
  // Waits until the journal records `copies` copies; false after 30 s.
  bool WaitForCopies(int copies) const {
    for (int i = 0; i < 3000; ++i) {
      if (CopyRecords() >= copies) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  void UndoAndCompare(const std::map<std::string, std::string>& before) {
    Driver undo(work_, {"undo", work_.string()});
    ASSERT_EQ(undo.Wait(), 0) << undo.Output();
    const std::string said = undo.Output();
    EXPECT_NE(said.find("message question"), std::string::npos) << said;
    EXPECT_NE(said.find("End of Undo process !!!"), std::string::npos) << said;
    EXPECT_EQ(said.find("unable to delete"), std::string::npos) << said;
    const auto after = Snapshot(work_ / "f");
    EXPECT_TRUE(after == before) << Difference(before, after);
    EXPECT_FALSE(fs::exists(Journal()));  // a finished Undo retires it
  }

  fs::path work_;
};

TEST_F(JournalProcessTest, UndoAfterAKillInTheMiddleGivesTheDriveBackAsItWas) {
  const auto before = Snapshot(work_ / "f");
  Driver organize(work_, {"organize", work_.string(), "600"});
  ASSERT_TRUE(WaitForCopies(700)) << organize.Output();
  organize.Kill();
  ASSERT_EQ(organize.Wait(), -SIGKILL);
  const int recorded = CopyRecords();
  EXPECT_LT(recorded, kClients * kYears * kFilesPerPath);
  const auto killed = Snapshot(work_ / "f");
  ASSERT_GT(killed.size(), before.size() + 700);
  UndoAndCompare(before);
}

TEST_F(JournalProcessTest, UndoAfterAStopAndARestartGivesTheDriveBackAsItWas) {
  const auto before = Snapshot(work_ / "f");
  Driver organize(work_, {"organize", work_.string(), "600", "500"});
  ASSERT_EQ(organize.Wait(), 0) << organize.Output();
  const std::string said = organize.Output();
  EXPECT_NE(said.find("stop-latency-ms"), std::string::npos) << said;
  const int recorded = CopyRecords();
  EXPECT_GT(recorded, 0);
  EXPECT_LT(recorded, kClients * kYears * kFilesPerPath);
  EXPECT_NE(ReadAll(Journal()).find("E\tstopped"), std::string::npos);
  UndoAndCompare(before);
}

}  // namespace
