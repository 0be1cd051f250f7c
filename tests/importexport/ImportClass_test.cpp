#include "importexport/ImportClass.h"

#include <gtest/gtest.h>

#include "ListFiles.h"
#include "support/FaultyFileSystem.h"

namespace ordovan {
namespace {

using testing::ParseFile;

constexpr const char* kList = "f:\\lists\\list.txt";

class ImportClassTest : public ::testing::Test {
 protected:
  void SetUp() override { tree.Mount("f:"); }

  TEXT_LIST Parse(const std::string& content, int mode, const std::string& delimiter = "",
                  bool abandon = true, int column = 1) {
    tree.File(kList, content);
    return ParseFile(*FileSystem::Default(), prompter, kList, mode, delimiter, abandon, column);
  }

  testing::TempTree tree;
  testing::RecordingPrompter prompter;
};

struct WorkedExample {
  int mode;
  const char* delimiter;
  bool abandon;
  int column;
  const char* lines;
  TEXT_LIST items;
};

TEST_F(ImportClassTest, WorkedExamples) {
  const WorkedExample examples[] = {
      {ImportPlainText, "", true, 1, "  \"f:\\Old Clients\\Client1\"  ", {"f:\\Old Clients\\Client1"}},
      {ImportPlainText, "", true, 1, "'f:\\2016\\docs'", {"f:\\2016\\docs"}},
      {ImportAllColumns, ",", true, 1, "f:\\a,f:\\b,,f:\\c,", {"f:\\a", "f:\\b", "f:\\c"}},
      {ImportAllColumns, ",", true, 1, "\"f:\\a,b\",\"f:\\c\"", {"\"f:\\a", "b\"", "f:\\c"}},
      {ImportAllColumns, ",", true, 1, "f:\\a, \"f:\\b\"", {"f:\\a", " \"f:\\b\""}},
      {ImportAllColumns, "space", true, 1, "\"f:\\My Docs\\a\" f:\\b", {"f:\\My Docs\\a", "f:\\b"}},
      {ImportAllColumns, "space", true, 1, "\"f:\\a b\" f:\\c f:\\d", {"f:\\a b", "f:\\c f:\\d"}},
      {ImportAllColumns, "space", false, 1, "\"f:\\My Docs\\a\" f:\\b\nf:\\c f:\\d",
       {"\"f:\\My Docs\\a\"", "\"f:\\b\"", "\"f:\\c\"", "\"f:\\d\""}},
      {ImportAllColumns, "space", true, 1, "'f:\\x y' f:\\z", {"f:\\x y", "f:\\z"}},
      {ImportAllColumns, "space", true, 1, "f:\\Client's f:\\b", {"f:\\Client's", "f:\\b"}},
      {ImportOneColumn, ";", true, 2, "a;;b;c", {"b"}},
      {ImportOneColumn, ";", true, 4, "a;;b;c", {}},
  };
  for (const WorkedExample& e : examples) {
    EXPECT_EQ(Parse(e.lines, e.mode, e.delimiter, e.abandon, e.column), e.items) << e.lines;
  }
}

TEST_F(ImportClassTest, EdgeCases) {
  const WorkedExample examples[] = {
      // blank lines, tabs, CR LF and a last line without a line feed
      {ImportPlainText, "", true, 1, " \t \r\n\r\nf:\\a\r\n\r\n\tf:\\b", {"f:\\a", "f:\\b"}},
      {ImportPlainText, "", true, 1, "\"\"", {""}},
      {ImportAllColumns, ",", true, 1, ",,,\r\n", {}},
      {ImportAllColumns, ",", true, 1, "a", {"a"}},
      {ImportOneColumn, ",", true, 1, "a", {"a"}},
      // a CR before the line feed is not part of the last field
      {ImportAllColumns, ",", false, 1, "f:\\a,f:\\b\r\nf:\\c\r\n", {"f:\\a", "f:\\b", "f:\\c"}},
      {ImportAllColumns, "space", true, 1, "\"a b\" \"c d", {"a b", "c d"}},
      {ImportAllColumns, "space", true, 1, "\"a\"\"b\"", {"a", "b"}},
      {ImportAllColumns, ";,", true, 1, "a;b,c", {"a", "b", "c"}},
      {ImportAllColumns, "Space", true, 1, "1S2p3 4e5", {"1", "2", "3 4", "5"}},
      // order of lines and fields; duplicates stay
      {ImportAllColumns, ";", true, 1, "b;a\na;b", {"b", "a", "a", "b"}},
      {ImportOneColumn, ";", true, 0, "a;b", {}},
      {3, ";", true, 1, "a;b", {}},
  };
  for (const WorkedExample& e : examples) {
    EXPECT_EQ(Parse(e.lines, e.mode, e.delimiter, e.abandon, e.column), e.items) << e.lines;
  }
  for (int mode : {ImportPlainText, ImportAllColumns, ImportOneColumn}) {
    EXPECT_EQ(Parse("", mode, ","), TEXT_LIST{});
    EXPECT_EQ(Parse("\r\n  \n\t\n", mode, ","), TEXT_LIST{});
  }
}

TEST_F(ImportClassTest, ReadsEveryEncodingOfOlderTools) {
  const TEXT_LIST expected = {"f:\\Café\\Ärger", "f:\\€uro"};
  // UTF-8 without and with a byte-order mark
  EXPECT_EQ(Parse("f:\\Café\\Ärger\r\nf:\\€uro\r\n", ImportPlainText), expected);
  EXPECT_EQ(Parse("\xEF\xBB\xBF" "f:\\Café\\Ärger\r\nf:\\€uro", ImportPlainText), expected);
  // UTF-16 with a byte-order mark, both byte orders, with a character
  // beyond the basic plane (a surrogate pair)
  auto utf16 = [](const std::u16string& text, bool little) {
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t unit : text) {
      char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
      bytes += little ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
  };
  const std::u16string text = u"f:\\Café\\Ärger\r\nf:\\€uro;f:\\\U0001F600\r\n";
  const TEXT_LIST separated = {"f:\\Café\\Ärger", "f:\\€uro", "f:\\\U0001F600"};
  EXPECT_EQ(Parse(utf16(text, true), ImportAllColumns, ";"), separated);
  EXPECT_EQ(Parse(utf16(text, false), ImportAllColumns, ";"), separated);
#ifndef _WIN32
  // Not valid UTF-8: the whole file is Windows-1252, the lines read before
  // the first bad byte included (no line is taken twice).
  EXPECT_EQ(Parse("f:\\plain\r\nf:\\Caf\xE9\\\xC4rger\r\nf:\\\x80uro\r\n", ImportPlainText),
            (TEXT_LIST{"f:\\plain", "f:\\Café\\Ärger", "f:\\€uro"}));
#endif
  prompter.VerifyDone();
}

TEST_F(ImportClassTest, RefusesWhatIsNoListFileWithItsWarning) {
  struct Refusal {
    const char* what;
    std::string path;
    ListReadOutcome outcome;
  };
  tree.Folder("f:\\a folder");
  tree.File("f:\\binary.dat", std::string("f:\\a\r\n\0\x01\x02", 7) + std::string(100000, 'x'));
  // one megabyte without a line feed: refused after the first 32,767
  // characters, not read whole
  tree.File("f:\\one line.txt", std::string(1 << 20, 'a'));
  tree.File("f:\\at the cap.txt", std::string(kMaxListLineCharacters, 'a') + "\r\n");
  tree.File("f:\\utf16 zero.txt", std::string("\xFF\xFE" "a\0\0\0", 6));
  const Refusal refusals[] = {
      {"missing", "f:\\missing.txt", ListReadOutcome::kCannotOpen},
      {"folder", "f:\\a folder", ListReadOutcome::kNotRegularFile},
      {"binary", "f:\\binary.dat", ListReadOutcome::kBinary},
      {"no line feed", "f:\\one line.txt", ListReadOutcome::kLineTooLong},
      {"UTF-16 NUL", "f:\\utf16 zero.txt", ListReadOutcome::kBinary},
#ifndef _WIN32
      {"device", "c:\\dev\\zero", ListReadOutcome::kNotRegularFile},
#endif
  };
  for (const Refusal& r : refusals) {
    const ImportWarning& warning = ImportWarningFor(r.outcome);
    prompter.Expect(MessageKind::kWarning, warning.text, warning.title);
    ImportClass import(*FileSystem::Default(), prompter,
                       ImportRequest{r.path, ImportPlainText, "", "\"", true});
    import.Parse();
    EXPECT_EQ(import.outcome(), r.outcome) << r.what;
    EXPECT_TRUE(import.GetItems().empty()) << r.what;
  }
  EXPECT_EQ(ImportWarningFor(ListReadOutcome::kCannotOpen).title,
            std::string("Import File content.            Warnings no: 0313."));
  EXPECT_EQ(ImportWarningFor(ListReadOutcome::kCannotOpen).text,
            std::string("There was a problem opening the file !\nAction : The file is maybe corrupted."));

  // a line of exactly 32,767 characters is still read
  EXPECT_EQ(ParseFile(*FileSystem::Default(), prompter, "f:\\at the cap.txt", ImportPlainText),
            TEXT_LIST{std::string(kMaxListLineCharacters, 'a')});
  prompter.VerifyDone();
}

TEST_F(ImportClassTest, AReadErrorIsReportedNotTakenAsTheEnd) {
  std::string content;
  for (int i = 0; i < 20000; ++i) content += "f:\\folder " + std::to_string(i) + "\r\n";
  tree.File(kList, content);
  testing::FaultyFileSystem faulty;
  faulty.FailReadAfter(100000);
  const ImportWarning& warning = ImportWarningFor(ListReadOutcome::kReadError);
  prompter.Expect(MessageKind::kWarning, warning.text, warning.title);
  ImportClass import(faulty, prompter, ImportRequest{kList, ImportPlainText, "", "\"", true});
  import.Parse();
  EXPECT_EQ(import.outcome(), ListReadOutcome::kReadError);
  EXPECT_TRUE(import.GetItems().empty());
  prompter.VerifyDone();
}

}  // namespace
}  // namespace ordovan
