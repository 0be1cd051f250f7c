// The run journal: what the writer puts down is what the reader gives back,
// a journal cut off anywhere reads up to its last whole record, nothing
// outside the destination and nothing that is not a journal is acted on, and
// the records reach the disk in batches.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/FileSystem.h"
#include "reorganizer/RunRecords.h"
#include "reorganizer/RunJournalReader.h"
#include "reorganizer/RunJournalWriter.h"
#include "support/ExamplePaths.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;
using testing::TempTree;

const std::string Dest = "f:\\New Clients";
using namespace testing::example;

FileIdentity Identity(std::uint64_t n) {
  return FileIdentity{n, -static_cast<std::int64_t>(n) * 1000, 77 + static_cast<std::int64_t>(n),
                      3, 900000000000ull + n};
}

std::string ReadNative(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteNative(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct JournalTree {
  JournalTree() {
    tree.Mount("f:");
    tree.Folder("f:\\settings");
    tree.Folder(Dest);
  }
  JournalReadResult Read() { return ReadRunJournal(*FileSystem::Default(), Journal); }
  fs::path Native() const { return tree.Native(Journal); }
  TempTree tree;
};

// A run as the reorganizer journals it, with names that need escaping.
struct WrittenRun {
  const std::string main = Dest + "\\2016\\Client1";
  const std::string sub = main + "\\docs";
  const std::string odd = main + "\\100% done\tnow\r\nreally";
  const std::string file1 = sub + "\\a.pdf";
  const std::string file2 = main + "\\f--Old-Marks.doc";

  void Write(RunJournalWriter& writer, bool end) {
    ASSERT_EQ(writer.Begin(Dest), JournalStart::Started);
    writer.CreatingFolder(Dest + "\\2016");
    writer.CreatingFolder(main);
    writer.CreatedMainFolder(main);
    writer.CreatingFolder(sub);
    writer.CreatedSubFolder(sub);
    writer.CopyStarting(file1, Identity(5), "f:\\Old\\a.pdf");
    writer.CopiedFile(file1, Identity(1));
    writer.CopyStarting(file2, Identity(6), "f:\\Old\\Marks.doc");
    writer.CopiedFile(file2, std::nullopt);  // identity unreadable after the copy
    writer.CreatingFolder(odd);
    if (end) {
      EXPECT_TRUE(writer.Finish(true));
    }
  }
  void ExpectAll(const RunJournalContents& c) const {
    EXPECT_EQ(c.destination, Dest);
    EXPECT_EQ(c.created_folders, (TEXT_LIST{Dest + "\\2016", main, sub, odd}));
    EXPECT_EQ(c.main_folders, TEXT_LIST{main});
    EXPECT_EQ(c.sub_folders, TEXT_LIST{sub});
    ASSERT_EQ(c.copied_files.size(), 2u);
    EXPECT_EQ(c.copied_files[0].path, file1);
    EXPECT_EQ(c.copied_files[0].identity, Identity(1));
    EXPECT_EQ(c.copied_files[1].path, file2);
    EXPECT_FALSE(c.copied_files[1].identity.has_value());
    EXPECT_TRUE(c.pending_copies.empty());
    EXPECT_TRUE(c.outside_destination.empty());
  }
};

TEST(RunJournalTest, TheReaderGivesBackWhatTheWriterWrote) {
  JournalTree t;
  WrittenRun run;
  RunJournalWriter writer(*FileSystem::Default(), Journal);
  run.Write(writer, true);
  const JournalReadResult read = t.Read();
  ASSERT_EQ(read.status, JournalReadStatus::Read);
  run.ExpectAll(read.contents);
  EXPECT_FALSE(read.contents.cut_off);
  EXPECT_TRUE(read.contents.ended);
  EXPECT_TRUE(read.contents.stopped);
  // Escaped fields hold neither tabs nor line breaks, and read back intact.
  const std::string text = ReadNative(t.Native());
  EXPECT_NE(text.find("100%25 done%09now%0D%0Areally"), std::string::npos);

  // A folder whose creation failed is taken out again.
  RunJournalWriter again(*FileSystem::Default(), Journal);
  ASSERT_EQ(again.Begin(Dest), JournalStart::Started);
  for (const char* name : {"\\a", "\\a\\b", "\\c"}) again.CreatingFolder(Dest + name);
  again.FolderNotMade(Dest + "\\a\\b");
  again.Finish(false);
  EXPECT_EQ(t.Read().contents.created_folders, (TEXT_LIST{Dest + "\\a", Dest + "\\c"}));
}

TEST(RunJournalTest, ACutOffJournalReadsUpToItsLastWholeRecord) {
  JournalTree t;
  WrittenRun run;
  {
    RunJournalWriter writer(*FileSystem::Default(), Journal);
    run.Write(writer, false);  // a crash: no end record
  }
  const std::string whole = ReadNative(t.Native());
  const JournalReadResult full = t.Read();
  run.ExpectAll(full.contents);
  EXPECT_FALSE(full.contents.ended);

  // Every cut, at every byte: the records are those of the whole lines
  // before it, in order, and nothing of the torn line.
  const std::size_t header = std::string(kRunJournalHeader).size() + 1;
  std::size_t whole_lines = 0;
  for (std::size_t cut = header; cut <= whole.size(); ++cut) {
    WriteNative(t.Native(), whole.substr(0, cut));
    const JournalReadResult read = t.Read();
    ASSERT_EQ(read.status, JournalReadStatus::Read) << cut;
    const RunJournalContents& c = read.contents;
    const bool at_line_end = whole[cut - 1] == '\n';
    if (at_line_end) ++whole_lines;
    EXPECT_EQ(c.cut_off, !at_line_end) << cut;
    const std::size_t records = (c.destination.empty() ? 0 : 1) + c.created_folders.size() +
                                c.main_folders.size() + c.sub_folders.size() +
                                c.copied_files.size() + c.pending_copies.size();
    // Lines 1 and after: D, F, F, M, F, S, P+C (one entry), P+C, F.
    const std::size_t lines = whole_lines - 1;  // whole lines after the header
    const std::size_t expected_table[] = {0, 1, 2, 3, 4, 5, 6, 7, 7, 8, 8, 9};
    ASSERT_LT(lines, std::size(expected_table));
    EXPECT_EQ(records, expected_table[lines]) << "cut at " << cut;
    for (std::size_t i = 0; i < c.created_folders.size(); ++i) {
      EXPECT_EQ(c.created_folders[i], full.contents.created_folders[i]);
    }
    // The writer's room made ahead stays as zeros after a crash: the same.
    WriteNative(t.Native(), whole.substr(0, cut) + std::string(5000, '\0'));
    const RunJournalContents z = t.Read().contents;
    EXPECT_EQ(z.cut_off, c.cut_off) << cut;
    EXPECT_EQ(z.created_folders, c.created_folders) << cut;
    EXPECT_EQ(z.copied_files.size(), c.copied_files.size()) << cut;
    EXPECT_EQ(z.pending_copies.size(), c.pending_copies.size()) << cut;
  }

  // A garbled byte in the middle ends the reading before that line.
  std::string garbled = whole;
  const std::size_t at = garbled.find("a.pdf");
  garbled[at] = 'b';
  WriteNative(t.Native(), garbled);
  const JournalReadResult read = t.Read();
  EXPECT_TRUE(read.contents.cut_off);
  EXPECT_TRUE(read.contents.copied_files.empty());
  EXPECT_EQ(read.contents.sub_folders, TEXT_LIST{run.sub});
}

TEST(RunJournalTest, AFileThatIsNotAJournalIsNeverActedOnNorReplaced) {
  JournalTree t;
  const std::string mine = "ORDOVAN RUN JOURNAL\t9\nD\tf:\\New Clients\t00000000\n";
  for (const std::string& text : {std::string("my notes\n"), mine}) {
    WriteNative(t.Native(), text);
    EXPECT_EQ(t.Read().status, JournalReadStatus::NotAJournal);
    EXPECT_FALSE(RetireRunJournal(*FileSystem::Default(), Journal));
    RunJournalWriter writer(*FileSystem::Default(), Journal);
    EXPECT_EQ(writer.Begin(Dest), JournalStart::NotAJournalInTheWay);
    writer.CreatingFolder(Dest + "\\x");
    EXPECT_FALSE(writer.Finish(false));
    EXPECT_EQ(ReadNative(t.Native()), text);
  }
  fs::remove(t.Native());
  EXPECT_EQ(t.Read().status, JournalReadStatus::NoJournal);
  EXPECT_TRUE(RetireRunJournal(*FileSystem::Default(), Journal));
}

TEST(RunJournalTest, ANewRunRetiresTheJournalOfTheLastOne) {
  JournalTree t;
  WrittenRun run;
  {
    RunJournalWriter writer(*FileSystem::Default(), Journal);
    run.Write(writer, true);
  }
  RunJournalWriter writer(*FileSystem::Default(), Journal);
  ASSERT_EQ(writer.Begin("f:\\Other"), JournalStart::Started);
  EXPECT_TRUE(writer.Finish(false));
  const JournalReadResult read = t.Read();
  EXPECT_EQ(read.contents.destination, "f:\\Other");
  EXPECT_TRUE(read.contents.created_folders.empty());
  EXPECT_TRUE(read.contents.copied_files.empty());
  EXPECT_TRUE(read.contents.ended);
  EXPECT_FALSE(read.contents.stopped);
  EXPECT_TRUE(RetireRunJournal(*FileSystem::Default(), Journal));
  EXPECT_FALSE(fs::exists(t.Native()));
}

// Records are checked when they are read, not trusted from the file: a
// journal edited to name other places names them in vain.
TEST(RunJournalTest, RecordsOutsideTheDestinationAreSetApart) {
  JournalTree t;
  RunJournalWriter writer(*FileSystem::Default(), Journal);
  ASSERT_EQ(writer.Begin(Dest), JournalStart::Started);
  const TEXT_LIST outside = {"f:\\settings",   "f:\\New Clients",       "f:\\New Clientsx\\a",
                             "g:\\New Clients\\a", Dest + "\\..\\settings", Dest + "\\x\\..",
                             Dest + "\\a:b"};
  for (const std::string& path : outside) writer.CreatingFolder(path);
  writer.CopiedFile("f:\\settings\\default.set", Identity(2));
  writer.CreatingFolder(Dest + "\\in");
  writer.Finish(false);
  const RunJournalContents c = t.Read().contents;
  EXPECT_EQ(c.created_folders, TEXT_LIST{Dest + "\\in"});
  EXPECT_TRUE(c.copied_files.empty());
  TEXT_LIST expected = outside;
  expected.push_back("f:\\settings\\default.set");
  EXPECT_EQ(c.outside_destination, expected);
  EXPECT_FALSE(c.cut_off);
}

// A journal that ends in the middle of a copy: a complete copy of the source,
// and one cut short, holding only the start of the source, are the run's and
// taken back; a file of another kind there stays, reported.
TEST(RunJournalTest, TheCopyAJournalEndsInIsSettledByWhatIsThere) {
  JournalTree t;
  const std::string source = "f:\\Old\\a.pdf";
  const std::string target = Dest + "\\a.pdf";
  t.tree.File(source, "twelve bytes");
  fs::last_write_time(t.tree.Native(source),
                      fs::last_write_time(t.tree.Native(source)) - std::chrono::hours(1));
  FileSystem& files = *FileSystem::Default();
  const FileIdentity source_identity = *files.IdentifyFile(source);

  enum class There { Nothing, CompleteCopy, PartOfIt, UsersFile };
  for (There there : {There::Nothing, There::CompleteCopy, There::PartOfIt, There::UsersFile}) {
    fs::remove(t.tree.Native(target));
    {
      RunJournalWriter writer(files, Journal);
      ASSERT_EQ(writer.Begin(Dest), JournalStart::Started);
      writer.CopyStarting(target, source_identity, source);
    }  // the process ends here
    if (there == There::CompleteCopy) {
      ASSERT_TRUE(files.CopyFileNoOverwrite(source, target));
    }
    if (there == There::PartOfIt) t.tree.File(target, "twelve");
    if (there == There::UsersFile) t.tree.File(target, "someone else");  // same size, new time
    RunJournalContents c = t.Read().contents;
    ASSERT_EQ(c.pending_copies.size(), 1u);
    EXPECT_EQ(c.pending_copies[0].target, target);
    SettlePendingCopies(files, &c);
    EXPECT_TRUE(c.pending_copies.empty());
    if (there == There::Nothing) {
      EXPECT_TRUE(c.copied_files.empty());
      continue;
    }
    ASSERT_EQ(c.copied_files.size(), 1u);
    EXPECT_EQ(c.copied_files[0].path, target);
    if (there == There::UsersFile) {
      EXPECT_FALSE(c.copied_files[0].identity.has_value());
    } else {
      EXPECT_EQ(c.copied_files[0].identity, files.IdentifyFile(target));
    }
  }

  // A copy that began and failed is ended by its own record: not pending.
  RunJournalWriter writer(files, Journal);
  ASSERT_EQ(writer.Begin(Dest), JournalStart::Started);
  writer.CopyStarting(target, source_identity, source);
  writer.CopyNotMade(target);
  writer.CreatingFolder(Dest + "\\next");
  writer.CopyStarting(target, source_identity, source);
  writer.CopiedFile(target, source_identity);
  writer.Finish(false);
  EXPECT_TRUE(t.Read().contents.pending_copies.empty());
}

// Counts what reached the disk: the text appended up to each Sync.
class SyncCountingFileSystem : public FileSystemWrapper {
 public:
  SyncCountingFileSystem() : FileSystemWrapper(FileSystem::Default()) {}
  std::unique_ptr<AppendFile> CreateAppendFile(const std::string& path) override {
    auto real = target()->CreateAppendFile(path);
    if (!real) return nullptr;
    return std::make_unique<Counting>(std::move(real), this);
  }
  std::vector<std::size_t> lines_on_disk;  // after each Sync
  std::atomic<std::size_t> lines_written{0};

 private:
  struct Counting : AppendFile {
    Counting(std::unique_ptr<AppendFile> real, SyncCountingFileSystem* owner)
        : real_(std::move(real)), owner_(owner) {}
    bool Append(const char* data, std::size_t size) override {
      owner_->lines_written += static_cast<std::size_t>(std::count(data, data + size, '\n'));
      return real_->Append(data, size);
    }
    bool Sync() override {
      owner_->lines_on_disk.push_back(owner_->lines_written);
      return real_->Sync();
    }
    std::unique_ptr<AppendFile> real_;
    SyncCountingFileSystem* owner_;
  };
};

TEST(RunJournalTest, RecordsReachTheDiskEvery256RecordsEverySecondAndAtTheEnd) {
  JournalTree t;
  SyncCountingFileSystem files;
  std::chrono::steady_clock::time_point now{};
  RunJournalWriter writer(files, Journal, [&now] { return now; }, JournalSyncing::InLine);
  ASSERT_EQ(writer.Begin(Dest), JournalStart::Started);
  // The start (header and destination) is on the disk before any work.
  EXPECT_EQ(files.lines_on_disk, std::vector<std::size_t>{2});
  for (int i = 0; i < 600; ++i) writer.CreatingFolder(Dest + "\\" + std::to_string(i));
  EXPECT_EQ(files.lines_on_disk, (std::vector<std::size_t>{2, 258, 514}));
  // Every line is with the system at once, though not yet on the disk.
  EXPECT_EQ(t.Read().contents.created_folders.size(), 600u);

  now += std::chrono::milliseconds(999);
  writer.Tick();
  EXPECT_EQ(files.lines_on_disk.size(), 3u);
  now += std::chrono::milliseconds(1);
  writer.Tick();
  EXPECT_EQ(files.lines_on_disk.back(), 602u);
  writer.Tick();  // nothing new: no sync
  now += std::chrono::seconds(5);
  writer.CreatingFolder(Dest + "\\late");  // a record after a pause goes down at once
  EXPECT_EQ(files.lines_on_disk.back(), 603u);
  writer.CreatingFolder(Dest + "\\last");
  EXPECT_TRUE(writer.Finish(false));
  EXPECT_EQ(files.lines_on_disk.back(), 605u);
  EXPECT_EQ(files.lines_on_disk.size(), 6u);
  // A copy is one record in a batch, though two lines.
  RunJournalWriter copies(files, Journal, [&now] { return now; }, JournalSyncing::InLine);
  ASSERT_EQ(copies.Begin(Dest), JournalStart::Started);
  files.lines_on_disk.clear();
  for (int i = 0; i < 256; ++i) {
    const std::string target = Dest + "\\" + std::to_string(i) + ".pdf";
    copies.CopyStarting(target, Identity(1), "f:\\Old\\a.pdf");
    copies.CopiedFile(target, Identity(2));
  }
  EXPECT_EQ(files.lines_on_disk, std::vector<std::size_t>{605u + 2 + 512});
  copies.Finish(false);

  // On the writer's own thread the batches are the same, and the end waits
  // for every one of them.
  SyncCountingFileSystem background;
  RunJournalWriter other(background, Journal);
  ASSERT_EQ(other.Begin(Dest), JournalStart::Started);
  for (int i = 0; i < 600; ++i) other.CreatingFolder(Dest + "\\" + std::to_string(i));
  EXPECT_TRUE(other.Finish(false));
  EXPECT_EQ(other.syncs(), 4u);
  EXPECT_EQ(background.lines_on_disk.front(), 2u);
  EXPECT_EQ(background.lines_on_disk.back(), 603u);
  EXPECT_EQ(t.Read().contents.created_folders.size(), 600u);
}

// A completed copy's record goes out with the next line; until then the
// line that announced the copy stands for it, and a record of a copy that
// was not announced goes out at once.
TEST(RunJournalTest, ACopysRecordFollowsItsAnnouncementWithTheNextLine) {
  JournalTree t;
  RunJournalWriter writer(*FileSystem::Default(), Journal);
  ASSERT_EQ(writer.Begin(Dest), JournalStart::Started);
  const std::string a = Dest + "\\a.pdf", b = Dest + "\\b.pdf";
  writer.CopyStarting(a, Identity(1), "f:\\Old\\a.pdf");
  writer.CopiedFile(a, Identity(2));
  JournalReadResult read = t.Read();
  EXPECT_TRUE(read.contents.copied_files.empty());
  ASSERT_EQ(read.contents.pending_copies.size(), 1u);
  EXPECT_EQ(read.contents.pending_copies[0].target, a);
  writer.CopyStarting(b, Identity(3), "f:\\Old\\b.pdf");
  read = t.Read();
  ASSERT_EQ(read.contents.copied_files.size(), 1u);
  EXPECT_EQ(read.contents.copied_files[0].identity, Identity(2));
  ASSERT_EQ(read.contents.pending_copies.size(), 1u);
  EXPECT_EQ(read.contents.pending_copies[0].target, b);
  writer.CopiedFile(b, Identity(4));
  EXPECT_EQ(t.Read().contents.copied_files.size(), 1u);  // b's record waits
  writer.CopiedFile(Dest + "\\unannounced.pdf", Identity(5));
  read = t.Read();
  ASSERT_EQ(read.contents.copied_files.size(), 3u);
  EXPECT_EQ(read.contents.copied_files[2].path, Dest + "\\unannounced.pdf");
  EXPECT_TRUE(read.contents.pending_copies.empty());
  EXPECT_TRUE(writer.Finish(false));
  EXPECT_EQ(t.Read().contents.copied_files.size(), 3u);
  EXPECT_FALSE(t.Read().contents.cut_off);
}

// After an Undo stopped half-way the journal is written anew from what is
// left; read back, it restores exactly those records.
TEST(RunJournalTest, RecordsWrittenAnewRestoreThemselves) {
  JournalTree t;
  RunRecords left;
  left.RunKindMarker = "R";
  left.RunDestination = Dest;
  left.CreatedFolders = {Dest + "\\2016", Dest + "\\2016\\C1", Dest + "\\2016\\C1\\docs"};
  left.CreatedMainFolders = {Dest + "\\2016\\C1"};
  left.CreatedSubFolders = {Dest + "\\2016\\C1\\docs"};
  left.CopiedFiles = {Dest + "\\2016\\C1\\docs\\a.pdf", Dest + "\\2016\\C1\\b%\tc.doc"};
  left.CopiedFileIdentities[left.CopiedFiles[0]] = Identity(9);
  RunJournalWriter writer(*FileSystem::Default(), Journal);
  ASSERT_TRUE(writer.Rewrite(left));
  const RunRecords restored = RecordsFromJournal(t.Read().contents);
  EXPECT_EQ(restored.RunKindMarker, "R");
  EXPECT_EQ(restored.RunDestination, Dest);
  EXPECT_FALSE(restored.Simulated);
  EXPECT_EQ(restored.CreatedFolders, left.CreatedFolders);
  EXPECT_EQ(restored.CreatedMainFolders, left.CreatedMainFolders);
  EXPECT_EQ(restored.CreatedSubFolders, left.CreatedSubFolders);
  EXPECT_EQ(restored.CopiedFiles, left.CopiedFiles);
  EXPECT_EQ(restored.CopiedFileIdentities, left.CopiedFileIdentities);
  // A journal cut before its destination restores nothing.
  WriteNative(t.Native(), std::string(kRunJournalHeader) + "\nD\tf:\\New");
  EXPECT_TRUE(RecordsFromJournal(t.Read().contents).RunKindMarker.empty());
}

}  // namespace
}  // namespace ordovan
