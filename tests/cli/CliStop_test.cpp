// Ctrl-C during a run: the run ends after the file it is copying, its
// journal says it was stopped, and undo takes back exactly what it made.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliCommands.h"
#include "cli/CliProgress.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "reorganizer/RunJournalReader.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

// Ctrl-C arrives while the first file is being copied.
class CtrlCDuringFirstCopy : public FileSystemWrapper {
 public:
  using FileSystemWrapper::FileSystemWrapper;
  bool CopyFileNoOverwrite(const std::string& from, const std::string& to,
                           CopyError* error = nullptr) override {
    cli::RequestStop();
    return target()->CopyFileNoOverwrite(from, to, error);
  }
};

TEST(CliStop, CtrlCEndsTheRunAfterTheFileInHandAndUndoTakesBackWhatItMade) {
  testing::TempTree tree;
  const fs::path source = tree.root() / "src";
  std::ofstream list(tree.root() / "list.txt");
  for (const char* client : {"A", "B", "C"}) {
    fs::create_directories(source / client / "2016" / "docs");
    std::ofstream(source / client / "2016" / "docs" / "a.pdf") << client;
    list << (source / client / "2016" / "docs").string() << '\n';
  }
  list.close();
  const fs::path dest = tree.root() / "out";
  fs::create_directories(dest);
  const std::string journal = (tree.root() / "run.journal").string();
  // Everything down to src is cut: the template is <client>\2016\docs.
  const std::optional<std::string> program = ToProgramPath(source);
  ASSERT_TRUE(program.has_value());
  const std::string cut = std::to_string(std::count(program->begin(), program->end(), '\\'));

  std::ostringstream out, err;
  std::istringstream in;
  const cli::CliStreams io{out, err, in, false, false};
  CtrlCDuringFirstCopy interrupted(FileSystem::Default());
  const int status = cli::RunCli({"organize", "--include", (tree.root() / "list.txt").string(),
                                  "--cut", cut, "--positions", "2,1,3", "--dest", dest.string(),
                                  "--journal", journal},
                                 interrupted, io);
  cli::ClearStopRequest();
  EXPECT_EQ(status, 1) << err.str();
  EXPECT_NE(err.str().find("stopped after 1 of 3 paths"), std::string::npos) << err.str();

  std::size_t copies = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dest)) copies += entry.is_regular_file();
  EXPECT_EQ(copies, 1u);
  const JournalReadResult read = ReadRunJournal(*FileSystem::Default(), journal);
  ASSERT_EQ(read.status, JournalReadStatus::Read);
  EXPECT_TRUE(read.contents.ended);
  EXPECT_TRUE(read.contents.stopped);
  EXPECT_EQ(read.contents.copied_files.size(), 1u);

  const int undone = cli::RunCli({"undo", "--journal", journal, "--yes"}, *FileSystem::Default(), io);
  EXPECT_EQ(undone, 0) << err.str();
  EXPECT_TRUE(fs::is_empty(dest));
}

}  // namespace
}  // namespace ordovan
