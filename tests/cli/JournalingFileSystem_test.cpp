// A run that dies half-way: what its journal holds up to then is enough for
// undo to take back every folder and copy it made, the one being copied when
// it died included, and nothing else.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "cli/JournalingFileSystem.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/ReorganizeRun.h"
#include "reorganizer/RunJournal.h"
#include "reorganizer/RunResults.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

// The process dies right after its third copy is complete, before anyone
// hears of it.
class DiesAfterThirdCopy : public FileSystemWrapper {
 public:
  using FileSystemWrapper::FileSystemWrapper;
  bool CopyFileNoOverwrite(const std::string& from, const std::string& to) override {
    const bool copied = target()->CopyFileNoOverwrite(from, to);
    if (++copies_ == 3) throw std::runtime_error("killed");
    return copied;
  }

 private:
  int copies_ = 0;
};

class YesPrompter : public Prompter {
 public:
  Answer Show(MessageKind kind, const std::string&, const std::string&) override {
    return kind == MessageKind::kQuestion ? Answer::kYes : Answer::kOk;
  }
};

TEST(JournalingFileSystem, UndoFromTheJournalOfAKilledRunTakesBackAllItMade) {
  testing::TempTree tree;
  TEXT_LIST include;
  for (const char* client : {"A", "B", "C"}) {
    const fs::path docs = tree.root() / "src" / client / "2016" / "docs";
    fs::create_directories(docs);
    std::ofstream(docs / "a.pdf") << client << " a";
    std::ofstream(docs / "b.pdf") << client << " b";
    include.push_back(*ToProgramPath(docs));
  }
  const fs::path dest = tree.root() / "out";
  fs::create_directories(dest / "kept");  // someone else's folder
  const std::string destination = *ToProgramPath(dest);
  const std::string journal_path = *ToProgramPath(tree.root() / "run.journal");
  const std::string src = *ToProgramPath(tree.root() / "src");

  {
    RunJournalWriter journal(*FileSystem::Default(), journal_path, {}, JournalSyncing::InLine);
    ASSERT_EQ(journal.Begin(destination), JournalStart::Started);
    DiesAfterThirdCopy dying(FileSystem::Default());
    cli::JournalingFileSystem journaling(&dying, journal, destination);
    RunResults results;
    YesPrompter prompter;
    Reorganizer run(journaling, prompter, results);
    RunInputs inputs;
    inputs.include_entries = include;
    inputs.cut_number_text = std::to_string(std::count(src.begin(), src.end(), '\\'));
    inputs.new_level_order = {"2016", "A", "docs"};
    inputs.line_number_map = LineNumbersFor({"A", "2016", "docs"});
    inputs.stored_destination = destination;
    inputs.with_files = true;
    EXPECT_THROW(run.Organize(inputs), std::runtime_error);
  }
  std::size_t copies = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dest)) copies += entry.is_regular_file();
  ASSERT_EQ(copies, 3u);

  JournalReadResult read = ReadRunJournal(*FileSystem::Default(), journal_path);
  ASSERT_EQ(read.status, JournalReadStatus::Read);
  EXPECT_FALSE(read.contents.ended);
  SettlePendingCopy(*FileSystem::Default(), &read.contents);
  RunRecords records = RecordsFromJournal(read.contents);
  RunResults results;
  YesPrompter prompter;
  const UndoResult undo = UndoLastRun(records, *FileSystem::Default(), prompter, results);
  EXPECT_EQ(undo.outcome, UndoOutcome::Done);
  EXPECT_TRUE(undo.not_deleted_files.empty());
  EXPECT_TRUE(undo.not_deleted_folders.empty());

  std::vector<std::string> left;
  for (const auto& entry : fs::recursive_directory_iterator(dest)) {
    left.push_back(fs::relative(entry.path(), dest).generic_string());
  }
  EXPECT_EQ(left, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace ordovan
