// Undo deletes a copied file only while it is still the run's copy: a file
// the user put at its path, or changed, stays and is reported like any file
// Undo could not delete.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "reorganizer/FolderFileUndo.h"
#include "support/ExamplePaths.h"
#include "support/ReorganizerFixtures.h"

namespace ordovan {
namespace {

using testing::ClientsRun;
using C = ResultCategory;
namespace fs = std::filesystem;

using namespace testing::example;

const std::string APdf = MClient1 + "\\docs\\a.pdf";                       // a deeper file
const std::string Marks = N + "\\2016\\f--Old Clients-Client2-2016-Marks.doc";  // a level file

struct OrganizedRun : ClientsRun {
  OrganizedRun() { run.Organize(inputs); }
  UndoResult Undo(const std::string& report) {
    prompter.Expect(MessageKind::kQuestion, kConfirmUndoText, kConfirmUndoTitle, Answer::kYes);
    UndoResult result = UndoLastRun(run.records(), *FileSystem::Default(), prompter, results);
    EXPECT_EQ(result.outcome, UndoOutcome::Done);
    EXPECT_EQ(result.report, report);
    return result;
  }
  // Puts another file at `path` the way an editor saves: written beside it,
  // given the same size and last-write time, and renamed over it.
  void ReplaceKeepingSizeAndTime(const std::string& path) {
    const fs::path native = tree.Native(path);
    const fs::path beside = tree.Native(path + ".tmp");
    const std::string content(static_cast<std::size_t>(fs::file_size(native)), 'u');
    { std::ofstream(beside, std::ios::binary) << content; }
    fs::last_write_time(beside, fs::last_write_time(native));
    fs::rename(beside, native);
  }
};

std::string ReportOf(const TEXT_LIST& folders, const TEXT_LIST& files) {
  std::string report = kReportHead;
  for (const std::string& folder : folders) report += folder + "\n";
  for (const std::string& file : files) report += file + "\n";
  return report;
}

TEST(UndoIdentityTest, EveryCopyIsRecordedWithItsIdentity) {
  OrganizedRun u;
  const RunRecords& records = u.run.records();
  ASSERT_EQ(records.CopiedFiles.size(), 14u);
  EXPECT_EQ(records.CopiedFileIdentities.size(), records.CopiedFiles.size());
  for (const std::string& file : records.CopiedFiles) {
    const auto found = records.CopiedFileIdentities.find(file);
    ASSERT_NE(found, records.CopiedFileIdentities.end()) << file;
    EXPECT_EQ(FileSystem::Default()->IdentifyFile(file), found->second) << file;
  }
  // Simulations copy nothing, so they record no identity.
  ClientsRun s;
  s.run.RunReorganize(RunMode::Simulate, s.inputs);
  EXPECT_EQ(s.run.records().CopiedFiles.size(), 14u);
  EXPECT_TRUE(s.run.records().CopiedFileIdentities.empty());
}

TEST(UndoIdentityTest, AFileTheUserPutInPlaceOfACopyStays) {
  OrganizedRun u;
  // One copy deleted and a file of the user's own made at its path; another
  // replaced by a file of the same size and time.
  fs::remove(u.tree.Native(APdf));
  u.tree.File(APdf, "the user's own a.pdf");
  u.ReplaceKeepingSizeAndTime(Marks);
  const std::string marks_content = testing::ReadFile(u.tree, Marks);

  const TEXT_LIST kept = {MClient1 + "\\docs", MClient1, N + "\\2016\\Client1", N + "\\2016"};
  const UndoResult result = u.Undo(ReportOf(kept, {Marks, APdf}));
  EXPECT_EQ(result.not_deleted_folders, kept);
  EXPECT_EQ(result.not_deleted_files, (TEXT_LIST{Marks, APdf}));
  EXPECT_EQ(u.results.list(ResultList::FailedUndo).Entries(), kept);
  EXPECT_EQ(testing::ReadFile(u.tree, APdf), "the user's own a.pdf");
  EXPECT_EQ(testing::ReadFile(u.tree, Marks), marks_content);
  // The untouched copies went as before: nothing else is left.
  EXPECT_EQ(testing::Snapshot(u.tree.Native(N)).size(), kept.size() + 2);
  EXPECT_FALSE(fs::exists(u.tree.Native(N + "\\2015")));
  EXPECT_TRUE(u.run.records().CopiedFileIdentities.empty());
}

TEST(UndoIdentityTest, ACopyTheUserEditedStays) {
  OrganizedRun u;
  { std::ofstream(u.tree.Native(Marks), std::ios::binary | std::ios::app) << ", edited"; }
  const UndoResult result = u.Undo(ReportOf({N + "\\2016"}, {Marks}));
  EXPECT_EQ(result.not_deleted_files, (TEXT_LIST{Marks}));
  EXPECT_EQ(testing::ReadFile(u.tree, Marks),
            "content of f:\\Old Clients\\Client2\\2016\\Marks.doc, edited");
  EXPECT_FALSE(fs::exists(u.tree.Native(APdf)));
  EXPECT_FALSE(fs::exists(u.tree.Native(MClient1)));
}

TEST(UndoIdentityTest, ACopyWhoseIdentityIsUnknownIsNotDeleted) {
  OrganizedRun u;
  // Records without identities cannot prove any file is the run's copy.
  RunRecords& records = u.run.records();
  records.CopiedFileIdentities.erase(APdf);
  const TEXT_LIST kept = {MClient1 + "\\docs", MClient1, N + "\\2016\\Client1", N + "\\2016"};
  const UndoResult result = u.Undo(ReportOf(kept, {APdf}));
  EXPECT_EQ(result.not_deleted_files, (TEXT_LIST{APdf}));
  EXPECT_EQ(testing::ReadFile(u.tree, APdf), "content of f:\\Old Clients\\Client1\\2016\\docs\\a.pdf");
}

}  // namespace
}  // namespace ordovan
