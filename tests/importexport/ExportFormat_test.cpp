#include "importexport/ExportFormat.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ListFiles.h"
#include "paths/EntryList.h"
#include "platform/EventPump.h"
#include "support/FaultyFileSystem.h"

namespace ordovan {
namespace {

using testing::FileBytes;

constexpr const char* kTarget = "f:\\out\\list.txt";

// A plain text export of FOLDERS with backslashes to `path`.
ExportRequest To(const std::string& path) {
  ExportRequest request;
  request.file_name = path;
  return request;
}

class ExportFormatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Mount("f:");
    tree.Folder("f:\\out");
  }

  ExportResult Write(FileSystem& files, const ExportRequest& request, const TEXT_LIST& items) {
    counts.clear();
    return WriteExportFile(files, request, items, [this](std::size_t n) { counts.push_back(n); },
                           EventPump::None());
  }

  // Everything in f:\out but the target: no temporary file may stay.
  std::vector<std::string> Leftovers() {
    DIR_ENTRIES entries;
    FileSystem::Default()->ListFolder("f:\\out", &entries);
    std::vector<std::string> names;
    for (const DirEntry& e : entries) {
      if (e.name != "list.txt") names.push_back(e.name);
    }
    return names;
  }

  testing::TempTree tree;
  std::vector<std::size_t> counts;
};

TEST(ExportConversion, WorkedExamplesAndNetworkPaths) {
  struct Case {
    const char* item;
    ExportLines lines;
    ExportSlashes slashes;
    const char* written;
  };
  using L = ExportLines;
  using S = ExportSlashes;
  const Case cases[] = {
      {"f:\\Old Clients\\Client1\\2016", L::kUnmodified, S::kBackslashes, "f:\\Old Clients\\Client1\\2016"},
      {"f:\\Old Clients\\Client1\\2016", L::kUnmodified, S::kForwardSlashes, "f:/Old Clients/Client1/2016"},
      {"f:\\Old Clients\\Client1\\2016", L::kFolderTemplates, S::kBackslashes, "\\Old Clients\\Client1\\2016"},
      {"f:\\Old Clients\\Client1\\2016", L::kFolderTemplates, S::kForwardSlashes, "/Old Clients/Client1/2016"},
      // runs collapse, mixed separators follow the choice
      {"f:\\a\\\\b//c/", L::kUnmodified, S::kBackslashes, "f:\\a\\b\\c\\"},
      {"f:\\a:b", L::kFolderTemplates, S::kBackslashes, "\\a:b"},
      {"no colon\\x", L::kFolderTemplates, S::kBackslashes, "no colon\\x"},
      // a network path keeps its leading pair in every conversion
      {"\\\\srv\\share\\a", L::kUnmodified, S::kBackslashes, "\\\\srv\\share\\a"},
      {"\\\\srv\\share\\a", L::kUnmodified, S::kForwardSlashes, "//srv/share/a"},
      {"\\\\srv\\share\\a", L::kFolderTemplates, S::kBackslashes, "\\\\srv\\share\\a"},
      {"//srv/share\\\\a", L::kUnmodified, S::kBackslashes, "\\\\srv\\share\\a"},
      {"\\\\\\srv\\share", L::kUnmodified, S::kBackslashes, "\\\\srv\\share"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ConvertExportItem(c.item, c.lines, c.slashes), c.written) << c.item;
  }
  EXPECT_EQ(ExportDelimiter("  space "), " ");
  EXPECT_EQ(ExportDelimiter("Space"), "Space");
  EXPECT_EQ(ExportDelimiter(" ;\t"), ";");
  EXPECT_FALSE(IsWrittenKind("OTHER"));
  EXPECT_TRUE(IsWrittenKind(" renamedfiles "));
  EXPECT_EQ(DefaultExportDelimiters().size(), 17u);
}

TEST(ExportShownList, RebuildConvertsAndDropsWhatBecameTheSame) {
  EntryList shown;
  shown.Append("left over");
  std::vector<std::size_t> counts;
  std::size_t n = RebuildShownList({"c:\\a", "d:\\A", "c:\\b", "C:\\b"}, ExportLines::kFolderTemplates,
                                   ExportSlashes::kForwardSlashes, shown,
                                   [&](std::size_t k) { counts.push_back(k); }, EventPump::None());
  EXPECT_EQ(n, 2u);
  EXPECT_EQ(shown.entries(), (TEXT_LIST{"/a", "/b"}));
  EXPECT_EQ(counts, (std::vector<std::size_t>{1, 2}));
}

TEST_F(ExportFormatTest, FileFormatsAsExactBytes) {
  const TEXT_LIST items = {"f:\\a", "f:/b", "say \"hi\""};
  struct Case {
    ExportFileType type;
    const char* delimiter;
    bool quotes;
    ExportSlashes slashes;
    const char* bytes;
  };
  using T = ExportFileType;
  const Case cases[] = {
      {T::kPlainText, "", false, ExportSlashes::kBackslashes, "f:\\a\r\nf:\\b\r\nsay \"hi\"\r\n"},
      {T::kPlainText, "", true, ExportSlashes::kForwardSlashes,
       "\"f:/a\"\r\n\"f:/b\"\r\n\"say \"hi\"\"\r\n"},
      {T::kSeparated, ",", false, ExportSlashes::kBackslashes, "f:\\a,f:\\b,say \"hi\","},
      {T::kSeparated, ";", true, ExportSlashes::kBackslashes, "\"f:\\a\";\"f:\\b\";\"say \"hi\"\";"},
      {T::kSeparated, " ", false, ExportSlashes::kBackslashes, "f:\\a f:\\b say \"hi\" "},
  };
  for (const Case& c : cases) {
    ExportRequest request{kTarget, c.type, c.delimiter, c.quotes, c.slashes, "FOLDERS"};
    ExportResult result = Write(*FileSystem::Default(), request, items);
    EXPECT_EQ(result.outcome, ExportOutcome::kWritten);
    EXPECT_EQ(result.exported, 3u);
    EXPECT_EQ(FileBytes(tree, kTarget), c.bytes) << c.bytes;
    EXPECT_EQ(counts, (std::vector<std::size_t>{1, 2, 3}));
  }
  // an empty list makes an empty file; an unknown kind writes nothing
  EXPECT_EQ(Write(*FileSystem::Default(), To(kTarget), {}).outcome, ExportOutcome::kWritten);
  EXPECT_EQ(FileBytes(tree, kTarget), "");
  ExportRequest other = To(kTarget);
  other.kind = "OTHER";
  EXPECT_EQ(Write(*FileSystem::Default(), other, items).exported, 0u);
  EXPECT_EQ(FileBytes(tree, kTarget), "");
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(ExportFormatTest, AFailedWriteLeavesTheOldFileAndNoPartialFile) {
  tree.File(kTarget, "the old list\r\n");
  TEXT_LIST items;
  for (int i = 0; i < 5000; ++i) items.push_back("f:\\folder\\" + std::to_string(i));

  testing::FaultyFileSystem faulty;
  faulty.FailWriteAfter(20000);  // the disk fills up midway
  ExportResult result = Write(faulty, To(kTarget), items);
  EXPECT_EQ(result.outcome, ExportOutcome::kWriteFailed);
  EXPECT_EQ(result.exported, 0u);
  EXPECT_EQ(FileBytes(tree, kTarget), "the old list\r\n");
  EXPECT_TRUE(Leftovers().empty());

  testing::FaultyFileSystem no_replace;
  no_replace.FailReplace();
  EXPECT_EQ(Write(no_replace, To(kTarget), items).outcome, ExportOutcome::kWriteFailed);
  EXPECT_EQ(FileBytes(tree, kTarget), "the old list\r\n");
  EXPECT_TRUE(Leftovers().empty());

  // a folder of that name, or a folder that does not exist
  tree.Folder("f:\\out\\folder.txt");
  EXPECT_EQ(Write(*FileSystem::Default(), To("f:\\out\\folder.txt"), items).outcome,
            ExportOutcome::kCannotCreate);
  EXPECT_EQ(Write(*FileSystem::Default(), To("f:\\nowhere\\list.txt"), items).outcome,
            ExportOutcome::kCannotCreate);
}

TEST_F(ExportFormatTest, ATemporaryNameInUseIsNeverTouched) {
  tree.File("f:\\out\\list.txt.ordovan-1.tmp", "someone else's");
  EXPECT_EQ(Write(*FileSystem::Default(), To(kTarget), {"f:\\a"}).outcome, ExportOutcome::kWritten);
  EXPECT_EQ(FileBytes(tree, "f:\\out\\list.txt.ordovan-1.tmp"), "someone else's");
  EXPECT_EQ(FileBytes(tree, kTarget), "f:\\a\r\n");
}

#ifndef _WIN32
// A list exported onto a link replaces the file the link leads to, which
// keeps its permissions, and the link stays; a link that leads nowhere is
// never turned into a plain file.
TEST_F(ExportFormatTest, ExportOntoALinkReplacesTheFileItLeadsTo) {
  namespace fs = std::filesystem;
  tree.File("f:\\lists\\real.txt", "the old list\r\n");
  const fs::path real = tree.Native("f:\\lists\\real.txt");
  const fs::path link = tree.Native(kTarget);
  const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(real, kept);
  fs::create_symlink(real, link);
  EXPECT_EQ(Write(*FileSystem::Default(), To(kTarget), {"f:\\a"}).outcome,
            ExportOutcome::kWritten);
  EXPECT_EQ(FileBytes(tree, "f:\\lists\\real.txt"), "f:\\a\r\n");
  EXPECT_EQ(fs::status(real).permissions(), kept);
  EXPECT_EQ(std::distance(fs::directory_iterator(real.parent_path()), {}), 1);  // no leftover
  fs::remove(real);
  EXPECT_EQ(Write(*FileSystem::Default(), To(kTarget), {"f:\\b"}).outcome,
            ExportOutcome::kWriteFailed);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_TRUE(Leftovers().empty());
}
#endif

// Every file the export writes reads back through the parser as the list it
// was written from: both formats, with and without quotes, every delimiter
// of the built-in list that cannot occur in the items.
TEST_F(ExportFormatTest, TheParserReadsBackEveryExport) {
  const TEXT_LIST items = {"f:\\Old Clients\\Client1\\2016", "f:\\Café\\Ärger",
                           "\\\\srv\\share\\a b", "f:\\it's"};
  testing::RecordingPrompter prompter;
  for (ExportLines lines : {ExportLines::kUnmodified, ExportLines::kFolderTemplates}) {
    for (ExportSlashes slashes : {ExportSlashes::kBackslashes, ExportSlashes::kForwardSlashes}) {
      EntryList shown;
      RebuildShownList(items, lines, slashes, shown, nullptr, EventPump::None());
      for (bool quotes : {false, true}) {
        ExportRequest plain{kTarget, ExportFileType::kPlainText, "", quotes, slashes, "FOLDERS"};
        ASSERT_EQ(Write(*FileSystem::Default(), plain, shown.entries()).exported, items.size());
        EXPECT_EQ(testing::ParseFile(*FileSystem::Default(), prompter, kTarget, ImportPlainText),
                  shown.entries());
        for (const std::string& combo : DefaultExportDelimiters()) {
          const std::string delimiter = ExportDelimiter(combo);
          bool clash = false;
          for (const std::string& item : shown.entries()) {
            clash = clash || item.find_first_of(delimiter) != std::string::npos;
          }
          // quotes and apostrophes are quotation marks; a blank splits
          // outside them only
          if (clash || delimiter == "\"" || delimiter == "'" || delimiter == " ") continue;
          ExportRequest separated{kTarget, ExportFileType::kSeparated, delimiter, quotes, slashes,
                                  "FOLDERS"};
          Write(*FileSystem::Default(), separated, shown.entries());
          EXPECT_EQ(testing::ParseFile(*FileSystem::Default(), prompter, kTarget, ImportAllColumns,
                                       combo),
                    shown.entries())
              << combo;
        }
      }
    }
  }
  // the blank delimiter with quotes keeps items with blanks whole
  ExportRequest spaced{kTarget, ExportFileType::kSeparated, " ", true, ExportSlashes::kBackslashes,
                       "FOLDERS"};
  const TEXT_LIST blanks = {"f:\\a b", "f:\\c", "\\\\srv\\d e"};
  Write(*FileSystem::Default(), spaced, blanks);
  EXPECT_EQ(testing::ParseFile(*FileSystem::Default(), prompter, kTarget, ImportAllColumns, "space"),
            blanks);
  // the longest separated line the parser takes back, and one more character
  ExportRequest comma{kTarget, ExportFileType::kSeparated, ",", false, ExportSlashes::kBackslashes,
                      "FOLDERS"};
  const TEXT_LIST longest = {std::string(kMaxListLineCharacters - 5, 'a'), "f:\b"};
  ASSERT_TRUE(FitsOneImportLine(longest, comma));
  Write(*FileSystem::Default(), comma, longest);
  EXPECT_EQ(testing::ParseFile(*FileSystem::Default(), prompter, kTarget, ImportAllColumns, ","),
            longest);
  EXPECT_FALSE(FitsOneImportLine({std::string(kMaxListLineCharacters - 4, 'a'), "f:\b"}, comma));
  EXPECT_TRUE(FitsOneImportLine({std::string(kMaxListLineCharacters * 2, 'a')}, To(kTarget)));
  prompter.VerifyDone();
}

}  // namespace
}  // namespace ordovan
