// ordovan-cli run as a process on real trees: the road from a folder tree to
// a list file, a plan, a run and its undo, and the bad input it refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/NativePath.h"
#include "support/TempTree.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace ordovan {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The built program; under wine the Linux path of the build is reached
// through drive Z:.
std::string CliProgram() {
  std::string path = ORDOVAN_CLI;
#ifdef _WIN32
  if (!path.empty() && path.front() == '/') {
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    path = "Z:" + path;
  }
#endif
  return path;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Runs ordovan-cli (or the command `program`) with `args` in `folder`'s
// sandbox, its output caught in files.
Outcome RunCli(const fs::path& scratch, const std::vector<std::string>& args,
               const std::string& program = {}) {
  const fs::path out = scratch / "stdout.txt";
  const fs::path err = scratch / "stderr.txt";
  std::string command = program.empty() ? Quoted(CliProgram()) : program;
  for (const std::string& arg : args) command += " " + Quoted(arg);
  command += " > " + Quoted(out.string()) + " 2> " + Quoted(err.string());
#ifdef _WIN32
  // cmd.exe takes off the outermost pair of quotes.
  command = "\"" + command + "\"";
#endif
  Outcome outcome;
  const int raw = std::system(command.c_str());
#ifdef _WIN32
  outcome.status = raw;
#else
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  outcome.out = ReadAll(out);
  outcome.err = ReadAll(err);
  return outcome;
}

// Every file and folder below `root` with the file contents: equal maps mean
// equal trees.
std::map<std::string, std::string> TreeOf(const fs::path& root) {
  std::map<std::string, std::string> tree;
  if (!fs::exists(root)) return tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).generic_string();
    tree[name] = entry.is_directory() ? "<folder>" : ReadAll(entry.path());
  }
  return tree;
}

// src/Old Clients/<client>/<year>/docs, a file on the year and one in docs.
class CliRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    work_ = temp_.root() / "work";
    source_ = work_ / "src";
    for (const char* client : {"Client1", "Client2"}) {
      for (const char* year : {"2016", "2017"}) {
        const fs::path year_folder = source_ / "Old Clients" / client / year;
        fs::create_directories(year_folder / "docs");
        std::ofstream(year_folder / "notes.txt") << client << ' ' << year;
        std::ofstream(year_folder / "docs" / "a.pdf") << "pdf of " << client << ' ' << year;
      }
    }
    scratch_ = temp_.root() / "scratch";
    fs::create_directories(scratch_);
    list_file_ = (scratch_ / "list.txt").string();
    // The destination the user picked exists already; Undo leaves it.
    dest_ = (work_ / "out").string();
    fs::create_directories(dest_);
    // The template starts below Old Clients: <client>\<year>\docs.
    base_ = (source_ / "Old Clients").string();
    journal_ = (scratch_ / "run.journal").string();
  }

  // Every docs folder of the tree, into the list file.
  void ListDocs() {
    std::ofstream list(list_file_);
    for (const char* client : {"Client1", "Client2"}) {
      for (const char* year : {"2016", "2017"}) {
        list << (source_ / "Old Clients" / client / year / "docs").string() << '\n';
      }
    }
  }
  std::vector<std::string> Organize() {
    return RunArgs("organize", {"--positions", "2,1,3", "--journal", journal_});
  }
  std::vector<std::string> Undo() const { return {"undo", "--journal", journal_, "--yes"}; }

  std::vector<std::string> RunArgs(const char* command, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {command, "--include", list_file_, "--base", base_,
                                     "--dest", dest_, "--quiet"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }

  testing::TempTree temp_;
  fs::path work_, source_, scratch_;
  std::string list_file_, dest_, base_, journal_;
};

TEST_F(CliRoad, ListPlanOrganizeUndoLeavesTheTreeAsItWas) {
  const auto before = TreeOf(work_);
  const std::string journal = (scratch_ / "run.journal").string();

  Outcome list = RunCli(scratch_, {"list", source_.string(), "--from", "4", "--to", "4"});
  ASSERT_EQ(list.status, 0) << list.err;
  std::ofstream(list_file_) << list.out;
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 4) << list.out;

  const std::string report = (scratch_ / "plan.json").string();
  Outcome plan = RunCli(scratch_, RunArgs("plan", {"--positions", "2,1,3", "--report", report}));
  ASSERT_EQ(plan.status, 0) << plan.err;
  EXPECT_NE(plan.out.find((fs::path("out") / "2016" / "Client1" / "docs").string()),
            std::string::npos)
      << plan.out;
  EXPECT_NE(plan.out.find("FilesReorganized: 8"), std::string::npos) << plan.out;
  EXPECT_EQ(TreeOf(work_), before) << "a plan writes nothing";
  const std::string json = ReadAll(report);
  EXPECT_NE(json.find("\"MainFoldersReorganized\": 4"), std::string::npos) << json;
  EXPECT_NE(json.find("\"FailedUndo\": []"), std::string::npos) << json;

  const Outcome organize =
      RunCli(scratch_, RunArgs("organize", {"--positions", "2,1,3", "--journal", journal}));
  ASSERT_EQ(organize.status, 0) << organize.err;
  const auto after = TreeOf(work_);
  for (const auto& [name, content] : before) EXPECT_EQ(after.at(name), content) << name;
  const fs::path out = work_ / "out";
  std::size_t copies = 0;
  for (const auto& [name, content] : after) copies += name.rfind("out/", 0) == 0 && content != "<folder>";
  EXPECT_EQ(copies, 8u);
  EXPECT_TRUE(fs::is_directory(out / "2017" / "Client2" / "docs"));

  // Undo asks first; without a terminal and without --yes nothing goes.
  Outcome refused = RunCli(scratch_, {"undo", "--journal", journal});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("Information no: 150057."), std::string::npos) << refused.err;
  EXPECT_EQ(TreeOf(work_), after);

  Outcome undo = RunCli(scratch_, {"undo", "--journal", journal, "--yes"});
  ASSERT_EQ(undo.status, 0) << undo.err;
  EXPECT_NE(undo.err.find("End of Undo process !!!"), std::string::npos) << undo.err;
  EXPECT_EQ(TreeOf(work_), before);

  // The journal went with the run it took back.
  Outcome again = RunCli(scratch_, {"undo", "--journal", journal, "--yes"});
  EXPECT_EQ(again.status, 2);
  EXPECT_NE(again.err.find("Warning no: 120056."), std::string::npos) << again.err;
}

// What a kill in a run's first moments leaves (zeros, part of a header) is
// this program's unfinished journal: nothing to undo, and no run refused.
TEST_F(CliRoad, AJournalCutBeforeItsHeaderRefusesNothing) {
  ListDocs();
  const auto before = TreeOf(work_);
  for (const std::string& start : {std::string(8192, '\0'), "ORDOVAN RUN JOUR" + std::string(99, '\0')}) {
    std::ofstream(journal_, std::ios::binary) << start;
    EXPECT_NE(RunCli(scratch_, Undo()).err.find("Warning no: 120056."), std::string::npos);
    EXPECT_EQ(RunCli(scratch_, Organize()).status, 0);
    EXPECT_EQ(RunCli(scratch_, Undo()).status, 0);
    EXPECT_EQ(TreeOf(work_), before);
  }
}

// A run folder moved out of the destination, a link left in its place.
TEST_F(CliRoad, UndoGoesThroughNoLinkBelowTheDestination) {
  ListDocs();
  ASSERT_EQ(RunCli(scratch_, Organize()).status, 0);
  const fs::path moved = scratch_ / "moved", link = fs::path(dest_) / "2016";
  fs::rename(link, moved);
  std::error_code error;
  fs::create_directory_symlink(moved, link, error);
  if (error) GTEST_SKIP() << "this system makes no folder links";
  const auto behind = TreeOf(moved);
  const Outcome undo = RunCli(scratch_, Undo());
  EXPECT_EQ(undo.status, 1);
  for (const auto& [name, content] : behind) {
    const fs::path shown = link / fs::path(name).make_preferred();
    EXPECT_NE(undo.out.find("stayed: " + shown.string()), std::string::npos) << undo.out;
  }
  EXPECT_EQ(TreeOf(moved), behind);
  EXPECT_FALSE(fs::exists(fs::path(dest_) / "2017"));
}

#ifdef ORDOVAN_CLI_DRIVER
// A kill at a random moment of a run, and of every other Undo, then Undo:
// the destination is as before the run. For a time, on this file system and
// as one without unnamed temporary files, where a copy killed halfway leaves
// part of itself under its own name.
TEST_F(CliRoad, UndoAfterAKillAtAnyMomentGivesTheDestinationBack) {
  ListDocs();
  for (const char* client : {"Client1", "Client2"}) {
    std::ofstream(source_ / "Old Clients" / client / "2016" / "docs" / "big.dat")
        << std::string(8 << 20, 'b');
  }
  std::ofstream(fs::path(dest_) / "mine.txt") << "the user's own";
  const auto before = TreeOf(dest_);
  const unsigned seed = std::random_device()();
  std::mt19937 random(seed);
  using Clock = std::chrono::steady_clock;
  for (const char* copies : {"", " --without-unnamed-files"}) {
    const std::string driver = Quoted(ORDOVAN_CLI_DRIVER) + copies;
    auto start = Clock::now();
    ASSERT_EQ(RunCli(scratch_, Organize(), driver).status, 0);
    const double whole = std::chrono::duration<double>(Clock::now() - start).count();
    ASSERT_EQ(RunCli(scratch_, Undo(), driver).status, 0);
    auto killed = [&](const std::vector<std::string>& args, double most) {
      const double moment = std::uniform_real_distribution<double>(0, most)(random);
      return RunCli(scratch_, args, "timeout -s KILL " + std::to_string(moment) + " " + driver)
                 .status == 128 + 9;
    };
    int runs = 0, kills = 0, undo_kills = 0, cut = 0;
    for (start = Clock::now(); Clock::now() - start < std::chrono::seconds(4); ++runs) {
      kills += killed(Organize(), whole * 1.2);
      for (const auto& entry : fs::recursive_directory_iterator(dest_)) {
        cut += entry.path().extension() == ".dat" && entry.file_size() < (8 << 20);
      }
      if (runs % 2 == 1) undo_kills += killed(Undo(), whole / 2);
      // 2: nothing to undo, the kill came before the run made anything.
      const Outcome undone = RunCli(scratch_, Undo(), driver);
      ASSERT_TRUE(undone.status == 0 || undone.status == 2) << "seed " << seed << undone.err;
      ASSERT_EQ(TreeOf(dest_), before) << "seed " << seed << ", run " << runs;
    }
    std::printf("copies%s: %d runs, %d killed, %d Undos killed, %d copies killed halfway (seed %u)\n",
                copies, runs, kills, undo_kills, cut, seed);
    EXPECT_GT(kills, runs / 4);
    EXPECT_TRUE(cut > 0 || !*copies);
  }
}
#endif

TEST_F(CliRoad, BadInputIsRefusedNamingTheArgumentAndWritesNothing) {
  std::ofstream(list_file_) << (source_ / "Old Clients" / "Client1" / "2016" / "docs").string()
                            << '\n'
                            << (source_ / "Old Clients" / "Client2" / "2017" / "docs").string()
                            << '\n';
  const std::string inside = (source_ / "Old Clients" / "Client1" / "2016" / "docs" / "new").string();
  const std::string root = fs::path(dest_).root_path().string();
  const std::string existing_report = list_file_;
  const struct {
    const char* what;
    std::vector<std::string> args;
    const char* named;  // in standard error
  } cases[] = {
      {"unknown option", RunArgs("plan", {"--positions", "2,1,3", "--fast"}), "--fast"},
      {"unknown command", {"reorder"}, "reorder"},
      {"missing list file",
       {"plan", "--include", (scratch_ / "none.txt").string(), "--positions", "1,2", "--dest", dest_},
       "--include"},
      {"too few levels", RunArgs("organize", {"--positions", "2,1"}), "--positions"},
      {"position out of range", RunArgs("organize", {"--positions", "2,1,4"}), "--positions"},
      {"level named twice", RunArgs("organize", {"--positions", "2,2,1"}), "--positions"},
      {"no such level name", RunArgs("organize", {"--order", "docs,2016,Nowhere"}), "--order"},
      {"both orders", RunArgs("organize", {"--order", "a", "--positions", "1"}), "--order"},
      {"cut too deep", {"organize", "--include", list_file_, "--cut", "99", "--positions", "1",
                        "--dest", dest_}, "140043"},
      {"destination inside a source",
       {"organize", "--include", list_file_, "--base", base_, "--positions", "2,1,3", "--dest", inside},
       "--dest"},
      // Blanks count as nothing: no folder named "   " in the current directory.
      {"blank destination",
       {"organize", "--include", list_file_, "--base", base_, "--positions", "2,1,3", "--dest", "   "},
       "The selection field is empty !"},
      {"root as destination",
       {"organize", "--include", list_file_, "--base", base_, "--positions", "2,1,3", "--dest", root},
       "Warning no: 140033."},
      {"base not above the paths",
       {"plan", "--include", list_file_, "--base", (source_ / "elsewhere").string(), "--positions",
        "2,1,3", "--dest", dest_},
       "--base"},
      {"report over a file", RunArgs("plan", {"--positions", "2,1,3", "--report", existing_report}),
       "--report"},
      {"no workers", RunArgs("organize", {"--positions", "2,1,3", "--workers", "0"}), "--workers"},
      {"workers in a plan", RunArgs("plan", {"--positions", "2,1,3", "--workers", "2"}), "--workers"},
      {"level number", {"list", source_.string(), "--from", "x", "--to", "2"}, "--from"},
      // Someone's file where the journal should be is never read as one nor replaced.
      {"undo from no journal", {"undo", "--journal", list_file_, "--yes"}, "Warning no: 140060."},
      {"run over no journal", RunArgs("organize", {"--positions", "2,1,3", "--journal", list_file_}),
       "Warning no: 140060."},
  };
  const std::string list_content = ReadAll(list_file_);
  const auto before = TreeOf(temp_.root() / "work");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome outcome = RunCli(scratch_, c.args);
    EXPECT_EQ(outcome.status, 2) << outcome.err;
    EXPECT_NE(outcome.err.find(c.named), std::string::npos) << outcome.err;
    EXPECT_EQ(TreeOf(temp_.root() / "work"), before);
    EXPECT_EQ(ReadAll(list_file_), list_content);
  }
  EXPECT_FALSE(fs::exists(fs::current_path() / "   "));
}

TEST_F(CliRoad, SomePathsNotReorganizedGiveStatusOneWithTheReasonsCounted) {
  std::ofstream(list_file_) << (source_ / "Old Clients" / "Client1" / "2016" / "docs").string()
                            << '\n'
                            << (source_ / "Old Clients" / "Gone" / "2016" / "docs").string()
                            << '\n';
  const std::string journal = (scratch_ / "run.journal").string();
  const Outcome run =
      RunCli(scratch_, RunArgs("organize", {"--positions", "2,1,3", "--journal", journal,
                                            "--without-files"}));
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("source missing 1"), std::string::npos) << run.err;
  EXPECT_TRUE(fs::is_directory(fs::path(dest_) / "2016" / "Client1" / "docs"));
  EXPECT_FALSE(fs::exists(fs::path(dest_) / "2016" / "Client1" / "docs" / "a.pdf"));
}

#ifndef _WIN32
// A disk that fills up after a few kilobytes while it lives: a tmpfs, which
// only root may mount.
struct SmallDisk {
  SmallDisk(const fs::path& at, int kilobytes) : path(at) {
    fs::create_directories(at);
    mounted = std::system(("mount -t tmpfs -o size=" + std::to_string(kilobytes) + "k tmpfs '" +
                           at.string() + "' 2>/dev/null").c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted) static_cast<void>(std::system(("umount '" + path.string() + "'").c_str()));
  }
  fs::path path;
  bool mounted = false;
};
#endif

// A file not copied is never a success: it is listed with its reason in the
// report, the run ends with one warning and status 1; a full destination
// disk stops the run with its own warning and status 3.
TEST_F(CliRoad, FilesNotCopiedGiveStatusOneAndAFullDiskStatusThree) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX links and mounts";
#else
  const fs::path docs = source_ / "Old Clients" / "Client1" / "2016" / "docs";
  std::ofstream(list_file_) << docs.string() << '\n';
  fs::create_symlink("../../../../../outside/gone.pdf", docs / "link.pdf");
  const std::string report = (scratch_ / "run.json").string();
  const Outcome run = RunCli(scratch_, RunArgs("organize", {"--positions", "2,1,3", "--report", report}));
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("Warning no: 140070.\n1 file was not copied !"), std::string::npos) << run.err;
  EXPECT_NE(ReadAll(report).find("-docs-link.pdf\", \"reason\": \"the file is gone, or is a link "
                                 "that leads nowhere\"}\n  ]"),
            std::string::npos);

  const SmallDisk small(temp_.root() / "small", 16);
  if (!small.mounted) GTEST_SKIP() << "mounting a tmpfs needs root";
  std::ofstream(docs / "big.pdf") << std::string(64 * 1024, 'b');
  std::vector<std::string> args = RunArgs("organize", {"--positions", "2,1,3", "--report", report + "2"});
  std::replace(args.begin(), args.end(), dest_, small.path.string());
  const Outcome full = RunCli(scratch_, args);
  EXPECT_EQ(full.status, 3) << full.err;
  for (const auto& entry : fs::recursive_directory_iterator(small.path)) {
    EXPECT_EQ(entry.path().string().find("big.pdf"), std::string::npos);  // no partial copy
  }
  EXPECT_NE(full.err.find("Warning no: 140071.\nThe destination disk is full !"), std::string::npos);
  EXPECT_NE(ReadAll(report + "2").find("\"disk_full\": true"), std::string::npos);
#endif
}

// Scripts get paths as this system writes them (on Windows the program's form
// is the system's own), or program paths when they ask for them.
TEST_F(CliRoad, OutputPathsAreThisSystemsUnlessProgramPathsAreAsked) {
  const std::string docs = (source_ / "Old Clients" / "Client1" / "2016" / "docs").string();
  std::ofstream(list_file_) << docs << '\n';
  const std::string report = (scratch_ / "plan.json").string();
  const std::string program_report = (scratch_ / "program.json").string();
  for (const bool program : {false, true}) {
    SCOPED_TRACE(program);
    const auto shown = [program](const std::string& native) {
      return program ? ToProgramPath(native).value_or("?") : native;
    };
    std::vector<std::string> more = {"--positions", "2,1,3", "--report",
                                     program ? program_report : report};
    std::vector<std::string> list = {"list", source_.string(), "--from", "4", "--to", "4"};
    if (program) {
      more.push_back("--program-paths");
      list.push_back("--program-paths");
    }
    Outcome listed = RunCli(scratch_, list);
    std::erase(listed.out, '\r');  // Windows ends the lines in CR LF
    EXPECT_NE(listed.out.find(shown(docs) + "\n"), std::string::npos) << listed.out;
    const Outcome plan = RunCli(scratch_, RunArgs("plan", more));
    ASSERT_EQ(plan.status, 0) << plan.err;
    EXPECT_EQ(plan.out.rfind(shown(docs) + " -> " + shown(dest_), 0), 0u) << plan.out;
    std::string destination;
    for (const char c : shown(dest_)) destination += c == '\\' ? std::string("\\\\") : std::string(1, c);
    EXPECT_NE(ReadAll(program ? program_report : report).find("\"destination\": \"" + destination + "\""),
              std::string::npos);
  }
}

TEST_F(CliRoad, ScanSummarisesTheLevels) {
  const Outcome scan = RunCli(scratch_, {"scan", source_.string(), "--json"});
  ASSERT_EQ(scan.status, 0) << scan.err;
  // Old Clients; two clients; four years; four docs folders; eight files.
  for (const char* part : {"{\"level\": 1, \"folders\": 1}", "{\"level\": 2, \"folders\": 2}",
                           "{\"level\": 3, \"folders\": 4}", "{\"level\": 4, \"folders\": 4}",
                           "\"folders\": 11", "\"files\": 8"}) {
    EXPECT_NE(scan.out.find(part), std::string::npos) << part << "\n" << scan.out;
  }
  const Outcome help = RunCli(scratch_, {"organize", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--journal FILE"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace ordovan
