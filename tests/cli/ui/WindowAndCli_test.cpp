// The window and ordovan-cli are two front ends over one run session: the
// same Organize over the clients tree, once through the real main window and
// once through the command line, gives the same placements, counters, result
// lists, records and journal.

#include <gtest/gtest.h>

#include <QPushButton>
#include <fstream>
#include <sstream>

#include "cli/CliCommands.h"
#include "cli/CliReport.h"
#include "paths/EntryList.h"
#include "platform/FileSystem.h"
#include "reorganizer/FolderFileUndo.h"
#include "reorganizer/RunJournalReader.h"
#include "reorganizer/RunSession.h"
#include "support/ExamplePaths.h"
#include "support/ReorganizerFixtures.h"
#include "support/ui/AppFixture.h"
#include "uikit/EntryListView.h"

namespace ordovan::testing {
namespace {

using namespace example;

// What a journal says, without the identities that differ from run to run.
struct JournalSays {
  std::string destination;
  TEXT_LIST created_folders, main_folders, sub_folders, copied_files;
  bool ended = false;
  bool operator==(const JournalSays&) const = default;
};

JournalSays ReadJournal(const std::string& path) {
  const JournalReadResult read = ReadRunJournal(*FileSystem::Default(), path);
  EXPECT_EQ(read.status, JournalReadStatus::Read) << path;
  JournalSays says{read.contents.destination, read.contents.created_folders,
                   read.contents.main_folders, read.contents.sub_folders, {}, read.contents.ended};
  for (const JournalCopiedFile& file : read.contents.copied_files) {
    says.copied_files.push_back(file.path);
  }
  return says;
}

class WindowAndCliTest : public AppFixture {
 protected:
  WindowAndCliTest() : drive_(tree_.Mount("f:")) { BuildClientsTree(tree_); }

  void Click(const char* button) { Child<QPushButton>(button)->click(); }

  std::filesystem::path drive_;
};

TEST_F(WindowAndCliTest, BothFrontEndsRunTheSameOrganize) {
  TEXT_LIST include = ClientsIncludeList();
  include.push_back("f:\\Old Clients\\Client9\\2017\\docs\\pdf");  // gone
  const TREE_SNAPSHOT before = Snapshot(drive_);

  // The window, as a person uses it.
  StartWindows();
  for (const std::string& path : include) {
    dialogs_.ExpectFolder("Select the Folder.", path);
    Click("btnVol14IncludeWindowAddFolderToList");
  }
  Click("btnVol14FindShortestPath");
  ASSERT_EQ(main().lstVol14SubFoldersSource->list().entries(),
            (TEXT_LIST{"Old Clients", "Client2", "2015"}));
  for (std::size_t row : {2u, 1u, 0u}) {
    main().lstVol14SubFoldersSource->SelectRow(row);
    Click("btnVol14SourceToDest");
  }
  dialogs_.ExpectFolder("Select the Destination Directory.", N);
  Click("btnVol14BrowseDestinationFolder");
  Click("btnVol14Restructure");
  prompter_.VerifyDone();

  const TEXT_LIST window_entries = main().IncludeList().entries();
  const RUN_PLACEMENTS window_placements = main().Session().placements();
  ASSERT_EQ(window_placements.size(), include.size());
  const std::string window_report = cli::ResultsJson({"organize", N, false, true}, main().Results());
  const RunRecords window_records = main().Records();
  const JournalSays window_journal = ReadJournal(main().Session().journal_path());
  EXPECT_EQ(window_records.CopiedFiles.size(), 14u);

  prompter_.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
  prompter_.Expect(MessageKind::kInformation, kUndoEndText, kUndoEndTitle);
  Click("btnVol14Undo");
  prompter_.VerifyDone();
  ASSERT_EQ(Snapshot(drive_), before);

  // The command line, over the same list in a file.
  tree_.Folder("f:\\cli");
  std::string list;
  for (const std::string& path : include) list += path + "\n";
  tree_.File("f:\\cli\\list.txt", list);
  std::ostringstream out, err;
  std::istringstream in;
  const cli::CliStreams io{out, err, in, false, false};
  const int status = cli::RunCli(
      {"organize", "--include", "f:\\cli\\list.txt", "--positions", "3,2,1", "--dest", N,
       "--journal", "f:\\cli\\run.journal", "--report", "f:\\cli\\report.json",
       "--program-paths", "--quiet"},
      *FileSystem::Default(), io);
  EXPECT_EQ(status, 1) << err.str();  // the gone path is not reorganized

  std::string placed;
  for (std::size_t i = 0; i < window_entries.size(); ++i) {
    placed += window_entries[i] + " -> " +
              (window_placements[i].empty() ? "(not reorganized)" : window_placements[i]) + "\n";
  }
  EXPECT_EQ(out.str().substr(0, placed.size()), placed);
  EXPECT_EQ(ReadFile(tree_, "f:\\cli\\report.json"), window_report);

  const JournalSays cli_journal = ReadJournal("f:\\cli\\run.journal");
  EXPECT_EQ(cli_journal, window_journal);
  const JournalReadResult read = ReadRunJournal(*FileSystem::Default(), "f:\\cli\\run.journal");
  const RunRecords cli_records = RecordsFromJournal(read.contents);
  EXPECT_EQ(cli_records.RunDestination, window_records.RunDestination);
  EXPECT_EQ(cli_records.CreatedFolders, window_records.CreatedFolders);
  EXPECT_EQ(cli_records.CreatedMainFolders, window_records.CreatedMainFolders);
  EXPECT_EQ(cli_records.CreatedSubFolders, window_records.CreatedSubFolders);
  EXPECT_EQ(cli_records.CopiedFiles, window_records.CopiedFiles);
}

}  // namespace
}  // namespace ordovan::testing
