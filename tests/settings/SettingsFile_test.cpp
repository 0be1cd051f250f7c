#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <istream>
#include <ostream>
#include <random>
#include <streambuf>

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "settings/SettingsStore.h"
#include "support/RecordingPrompter.h"
#include "support/SettingsFileBytes.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

using testing::MakeRecord;
using testing::RawRecord;
using testing::ReadFileBytes;
using testing::SplitRecords;
using testing::WriteFileBytes;

constexpr char kSaveFailedText[] =
    "Unable to open output file to save settings !\n\nAction: Try to save again the settings, or "
    "\n\nimmediately e-mail us, please!";
constexpr char kSaveFailedTitle[] = "Severe Error!    Msg no: 0130.";

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Mount("f:");
    tree.Folder("f:\\conf");
    store.SetProgramCode("ORDOVAN300");
    store.SetSettingsDirectory("f:\\conf");
  }

  bool Save(const std::string& file_name = "") {
    return SaveClass(store, fs, prompter, file_name).WriteAll();
  }
  std::vector<RawRecord> FileRecords(const std::string& path = "f:\\conf\\default.set") {
    return SplitRecords(ReadFileBytes(tree.Native(path)));
  }
  // A fresh store that reads the default file of f:\conf.
  SettingsStore ReadBack(const std::string& file_name = "") {
    SettingsStore read;
    read.SetSettingsDirectory("f:\\conf");
    RestoreClass(read, fs, file_name).ReadAll();
    return read;
  }
  const RawRecord& Only(const std::vector<RawRecord>& records, std::int32_t number) {
    for (const auto& record : records) {
      if (record.number == number) return record;
    }
    ADD_FAILURE() << "no record " << number;
    return records.front();
  }

  testing::TempTree tree;
  FileSystem& fs = *FileSystem::Default();
  testing::RecordingPrompter prompter;
  SettingsStore store;
};

TEST_F(SettingsFileTest, DefaultPathIsTheSettingsDirectoryPlusDefaultSet) {
  EXPECT_EQ(SettingsFilePath(store, ""), "f:\\conf\\default.set");
  EXPECT_EQ(SettingsFilePath(store, "   "), "f:\\conf\\default.set");
  EXPECT_EQ(SettingsFilePath(store, "  f:\\x\\other.set "), "f:\\x\\other.set");
  store.SetSettingsDirectory("f:\\");
  EXPECT_EQ(SettingsFilePath(store, ""), "f:\\default.set");
  store.SetSettingsDirectory("f:\\conf\\\\");
  EXPECT_EQ(SettingsFilePath(store, ""), "f:\\conf\\default.set");
  store.SetSettingsDirectory("\\\\server\\share");
  EXPECT_EQ(SettingsFilePath(store, ""), "\\\\server\\share\\default.set");
  store.SetSettingsDirectory("");
  EXPECT_EQ(SettingsFilePath(store, ""), "\\default.set");
}

TEST_F(SettingsFileTest, RecordsLayOutKeyTextAndNumberWithUnusedBytesZero) {
  store.SetText(16, "one");
  store.SetNumber(16, -5);
  store.SetNumber(7, 0x01020304);
  ASSERT_TRUE(Save());
  auto records = FileRecords();

  // The eleven-letter key is cut to ten letters and the text follows at once.
  std::string bytes = ReadFileBytes(tree.Native("f:\\conf\\default.set"));
  EXPECT_EQ(bytes.substr(kSettingsRecordSize, 4), std::string("\x02\0\0\0", 4));
  EXPECT_EQ(bytes.substr(kSettingsRecordSize + 4, 18), std::string("DEFDIRECTRf:\\conf\0", 18));
  EXPECT_EQ(Only(records, 3).key, "SELSEDELIM");
  EXPECT_EQ(Only(records, 1).key, std::string("APPNAME\0\0\0", 10));
  EXPECT_EQ(Only(records, 900).key, std::string("VEGVEGEVE\0", 10));

  std::size_t seventh = 4;  // records 1, 2, 3, 5, then 7: the empty lists 4 and 6 write none
  ASSERT_EQ(records[seventh].number, 7);
  EXPECT_EQ(bytes.substr(seventh * kSettingsRecordSize + kSettingsNumberOffset, 4),
            std::string("\x04\x03\x02\x01", 4));  // little-endian
  EXPECT_EQ(Only(records, 16).Text(), "one");
  EXPECT_EQ(Only(records, 16).value, -5);

  for (const auto& record : records) {
    SCOPED_TRACE(record.number);
    std::string text = record.Text();
    EXPECT_EQ(record.text_field, text + std::string(kSettingsTextFieldSize - text.size(), '\0'));
    EXPECT_EQ(record.reserved, std::string(32, '\0'));
    if (record.number != 7 && record.number != 16 && record.number != 12 &&
        record.number != 28) {
      EXPECT_EQ(record.value, 0);
    }
  }
  EXPECT_EQ(records.back().number, 900);
}

TEST_F(SettingsFileTest, EveryEntryRoundTrips) {
  int n = 0;
  for (int record : {1, 3, 5, 9, 16, 21, 25, 30, 33}) store.SetText(record, "text " + std::to_string(record));
  for (int record : {7, 8, 12, 13, 14, 15, 16, 20, 24, 28, 29, 32}) store.SetNumber(record, --n * 1000003);
  for (int record : {4, 6, 10, 11, 17, 18, 19, 22, 23, 26, 27, 31, 34}) {
    store.AppendToList(record, "item " + std::to_string(record));
    store.AppendToList(record, "");
    store.AppendToList(record, " \t x ");
  }
  store.SetNumber(32, INT_MIN);
  ASSERT_TRUE(Save());
  EXPECT_EQ(FileRecords().size(), 22u + 13 * 3);
  EXPECT_EQ(ReadBack(), store);
}

TEST_F(SettingsFileTest, ThreeDelimitersComeBackExactlyInOrder) {
  for (const char* delimiter : {"; ", "\t", ""}) store.AppendDelimiter(delimiter);
  ASSERT_TRUE(Save());
  EXPECT_EQ(ReadBack().DelimiterList(), (TEXT_LIST{"; ", "\t", ""}));
}

TEST_F(SettingsFileTest, EmptyTextsAreWrittenAsOneBlank) {
  store.SetSelectedDelimiter("");
  store.SetText(9, " \t");
  store.SetText(21, "");
  store.SetText(25, " \r\n ");
  store.SetText(30, "  kept \t");
  store.SetText(16, "");
  ASSERT_TRUE(Save());
  auto records = FileRecords();
  EXPECT_EQ(Only(records, 3).Text(), " ");
  EXPECT_EQ(Only(records, 9).Text(), " ");
  EXPECT_EQ(Only(records, 21).Text(), " ");
  EXPECT_EQ(Only(records, 25).Text(), " ");
  EXPECT_EQ(Only(records, 30).Text(), "  kept \t");
  EXPECT_EQ(Only(records, 16).Text(), "");

  SettingsStore read = ReadBack();
  EXPECT_EQ(read.SelectedDelimiter(), " ");  // as stored
  EXPECT_EQ(read.Text(9), " ");
  EXPECT_EQ(read.Text(21), "");  // trimmed
  EXPECT_EQ(read.Text(25), "");
  EXPECT_EQ(read.Text(30), "kept");
  EXPECT_EQ(read.Text(16), "");
}

TEST_F(SettingsFileTest, EmptyProgramCodeAndDirectoryAreWrittenAsBlank) {
  store.SetProgramCode("");
  store.SetSettingsDirectory("");
  ASSERT_TRUE(Save("f:\\conf\\named.set"));
  auto records = FileRecords("f:\\conf\\named.set");
  EXPECT_EQ(records[0].Text(), " ");
  EXPECT_EQ(records[1].Text(), " ");
  SettingsStore read;
  RestoreClass(read, fs, "f:\\conf\\named.set").ReadAll();
  EXPECT_EQ(read.ProgramCode(), " ");
  EXPECT_EQ(read.SettingsDirectory(), " ");
}

TEST_F(SettingsFileTest, OverlongTextIsCutInsideItsFieldOnACharacterBoundary) {
  store.SetText(16, std::string(6000, 'a'));
  store.SetNumber(16, 77);
  // "é" takes two bytes in UTF-8 and one in an ANSI code page: on either it
  // must be kept whole or dropped whole.
  std::string accented = std::string(5260, 'a') + "\xC3\xA9" + "b";
  store.AppendToList(31, accented);
  ASSERT_TRUE(Save());
  auto records = FileRecords();
  EXPECT_EQ(Only(records, 16).text_field.back(), '\0');
  EXPECT_EQ(Only(records, 16).value, 77);

  SettingsStore read = ReadBack();
  EXPECT_EQ(read.Text(16), std::string(5261, 'a'));
  EXPECT_EQ(read.Number(16), 77);
  ASSERT_EQ(read.List(31).size(), 1u);
  std::string cut = read.List(31)[0];
  EXPECT_EQ(accented.compare(0, cut.size(), cut), 0) << "not a prefix";
  EXPECT_GE(cut.size(), 5260u);
  EXPECT_LE(cut.size(), 5262u);
  EXPECT_NE(static_cast<unsigned char>(accented[cut.size()]) & 0xC0, 0x80) << "cut inside é";
}

TEST_F(SettingsFileTest, TrailingPartialRecordIsNotApplied) {
  store.SetSelectedDelimiter(";");
  store.SetSelectedQuotationMark("'");
  ASSERT_TRUE(Save());
  std::string bytes = ReadFileBytes(tree.Native("f:\\conf\\default.set"));
  // Records 1, 2, 3 whole, then half of record 5.
  WriteFileBytes(tree.Native("f:\\conf\\default.set"),
                 bytes.substr(0, 3 * kSettingsRecordSize + kSettingsRecordSize / 2));

  SettingsStore read;
  read.SetSettingsDirectory("f:\\conf");
  RestoreClass restore(read, fs);
  EXPECT_EQ(restore.ReadAll(), 3u);
  EXPECT_EQ(read.ProgramCode(), "ORDOVAN300");
  EXPECT_EQ(read.SelectedDelimiter(), ";");
  EXPECT_EQ(read.SelectedQuotationMark(), "\"");  // unchanged
}

TEST_F(SettingsFileTest, ReaderGoesByRecordNumberAndSkipsTheRest) {
  std::string file;
  for (std::int32_t unknown : {0, -1, 35, 899, 901, INT_MIN, INT_MAX, 4 + 256}) {
    file += MakeRecord(unknown, "junk", 9, "APPNAME");
  }
  file += MakeRecord(7, "", 11, "FMNAMESRDO");
  file += MakeRecord(900, "", 0, "VEGVEGEVE");  // an end record in the middle ends nothing
  file += MakeRecord(7, "", 12, "");            // the later of two wins; the key does not matter
  file += MakeRecord(3, std::string(6000, 'x'), 5, "SELSEDELIM");  // no NUL in the field
  file += MakeRecord(4, "", 0, "ZZZZZZZZZZ");
  file += MakeRecord(4, "|");
  file += MakeRecord(21, "  padded\t", 0);
  file += MakeRecord(16, "sixteen", -3);
  WriteFileBytes(tree.Native("f:\\conf\\default.set"), file);

  SettingsStore expected;
  expected.SetSettingsDirectory("f:\\conf");
  expected.SetNumber(7, 12);
  expected.SetSelectedDelimiter(std::string(kSettingsTextFieldSize, 'x'));
  expected.AppendDelimiter("");
  expected.AppendDelimiter("|");
  expected.SetText(21, "padded");
  expected.SetText(16, "sixteen");
  expected.SetNumber(16, -3);
  EXPECT_EQ(ReadBack(), expected);
}

TEST_F(SettingsFileTest, RandomBytesAreReadWithoutHarm) {
  std::mt19937 random(20240607);
  for (int round = 0; round < 40; ++round) {
    std::string file;
    std::size_t records = 1 + random() % 6;
    for (std::size_t r = 0; r < records; ++r) {
      std::string record(kSettingsRecordSize, '\0');
      for (char& c : record) c = static_cast<char>(random());
      // Mostly valid numbers, so every kind of record is applied.
      if (random() % 4 != 0) record[0] = static_cast<char>(random() % 36), record[1] = record[2] = record[3] = 0;
      file += record;
    }
    file.resize(file.size() - random() % kSettingsRecordSize);
    WriteFileBytes(tree.Native("f:\\conf\\default.set"), file);
    SettingsStore read;
    read.SetSettingsDirectory("f:\\conf");
    RestoreClass restore(read, fs);
    EXPECT_LE(restore.ReadAll(), records);
    for (int list : {4, 6, 10, 11, 17, 18, 19, 22, 23, 26, 27, 31, 34}) {
      for (const auto& item : read.List(list)) EXPECT_LE(item.size(), 4 * kSettingsTextFieldSize);
    }
  }
}

TEST_F(SettingsFileTest, MissingFileLeavesTheStoreAsItIs) {
  store.AppendDelimiter(",");
  SettingsStore before = store;
  RestoreClass restore(store, fs, "f:\\conf\\none.set");
  EXPECT_FALSE(restore.IsOpen());
  EXPECT_EQ(restore.ReadAll(), 0u);
  EXPECT_EQ(store, before);
}

TEST_F(SettingsFileTest, MissingDirectoryShowsMessage0130AndWritesNothing) {
  store.SetSettingsDirectory("f:\\gone");
  prompter.Expect(MessageKind::kError, kSaveFailedText, kSaveFailedTitle);
  EXPECT_FALSE(Save());
  EXPECT_FALSE(fs.IsFolder("f:\\gone"));
}

// A disk that fills up after `room` bytes.
class FullDiskFileSystem : public FileSystemWrapper {
 public:
  FullDiskFileSystem(FileSystem* target, std::size_t room) : FileSystemWrapper(target), room_(room) {}
  std::unique_ptr<OutputFile> OpenBinaryWrite(const std::string&) override {
    return std::make_unique<Stream>(room_);
  }

 private:
  struct Buffer : std::streambuf {
    explicit Buffer(std::size_t room) : room(room) {}
    int_type overflow(int_type c) override {
      if (room == 0) return traits_type::eof();
      --room;
      return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
      auto taken = std::min<std::streamsize>(n, static_cast<std::streamsize>(room));
      room -= static_cast<std::size_t>(taken);
      return taken;
    }
    std::size_t room;
  };
  struct Stream : OutputFile {
    explicit Stream(std::size_t room) : buffer(room) { rdbuf(&buffer); }
    Buffer buffer;
  };
  std::size_t room_;
};

TEST_F(SettingsFileTest, WriteThatFailsOnTheWayIsReported) {
  FullDiskFileSystem full(&fs, 3 * kSettingsRecordSize + 100);
  prompter.Expect(MessageKind::kError, kSaveFailedText, kSaveFailedTitle);
  SaveClass save(store, full, prompter);
  EXPECT_TRUE(save.IsOpen());
  EXPECT_FALSE(save.WriteAll());
}

}  // namespace
}  // namespace ordovan
