#include "settings/SettingsFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <istream>
#include <ostream>

#include "paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "platform/TextCodec.h"
#include "settings/SettingsStore.h"

namespace ordovan {

namespace {

constexpr char kSaveFailedText[] =
    "Unable to open output file to save settings !\n\nAction: Try to save again the settings, "
    "or \n\nimmediately e-mail us, please!";
constexpr char kSaveFailedTitle[] = "Severe Error!    Msg no: 0130.";

enum class RecordKind { kText, kNumber, kTextAndNumber, kListItem, kEnd };

// How a record's text is written and read back.
enum class TextRule {
  kExact,             // written and read exactly, even when empty
  kBlankWhenEmpty,    // an empty text is written as " "; read as stored
  kBlankWhenBlank,    // a text empty after Trim is written as " "; read as stored
  kTrimmedWhenBlank,  // a text empty after Trim is written as " "; read trimmed
};

struct _tagSettingsRecordRow {
  std::int32_t number;
  const char* key;
  RecordKind kind;
  TextRule rule;
};

// Every record the file holds, in the order WriteAll writes them.
constexpr _tagSettingsRecordRow kRecordTable[] = {
    {1, "APPNAME", RecordKind::kText, TextRule::kBlankWhenEmpty},
    {2, "DEFDIRECTRY", RecordKind::kText, TextRule::kBlankWhenEmpty},
    {3, "SELSEDELIM", RecordKind::kText, TextRule::kBlankWhenEmpty},
    {4, "DELIMLIST", RecordKind::kListItem, TextRule::kExact},
    {5, "SELSEQUOT", RecordKind::kText, TextRule::kBlankWhenEmpty},
    {6, "QUOTLIST", RecordKind::kListItem, TextRule::kExact},
    {7, "FMNAMESRDO", RecordKind::kNumber, TextRule::kExact},
    {8, "FMNAMESRDO", RecordKind::kNumber, TextRule::kExact},
    {9, "FMNAMESTXT", RecordKind::kText, TextRule::kBlankWhenBlank},
    {10, "FMDEQINC", RecordKind::kListItem, TextRule::kExact},
    {11, "FMDEQINC", RecordKind::kListItem, TextRule::kExact},
    {12, "FMALLTYPES", RecordKind::kNumber, TextRule::kExact},
    {13, "FMINCTYPES", RecordKind::kNumber, TextRule::kExact},
    {14, "FMINCTYPES", RecordKind::kNumber, TextRule::kExact},
    {15, "FMONETYPES", RecordKind::kNumber, TextRule::kExact},
    {16, "FMONEFILE", RecordKind::kTextAndNumber, TextRule::kExact},
    {17, "FMDEQINC", RecordKind::kListItem, TextRule::kExact},
    {18, "FMDEQEXC", RecordKind::kListItem, TextRule::kExact},
    {19, "FMDEQEXC", RecordKind::kListItem, TextRule::kExact},
    {20, "FMINCCHECK", RecordKind::kNumber, TextRule::kExact},
    {21, "FMNAMESTXT", RecordKind::kText, TextRule::kTrimmedWhenBlank},
    {22, "FMDEQINC", RecordKind::kListItem, TextRule::kExact},
    {23, "FMDEQINC", RecordKind::kListItem, TextRule::kExact},
    {24, "FMINCCHECK", RecordKind::kNumber, TextRule::kExact},
    {25, "FMNAMESTXT", RecordKind::kText, TextRule::kTrimmedWhenBlank},
    {26, "FMDEQINC", RecordKind::kListItem, TextRule::kExact},
    {27, "FMDEQINC", RecordKind::kListItem, TextRule::kExact},
    {28, "FMALLTYPES", RecordKind::kNumber, TextRule::kExact},
    {29, "FMALLTYPES", RecordKind::kNumber, TextRule::kExact},
    {30, "FMNAMESTXT", RecordKind::kText, TextRule::kTrimmedWhenBlank},
    {31, "VOL03DEST", RecordKind::kListItem, TextRule::kExact},
    {32, "FMALLTYPES", RecordKind::kNumber, TextRule::kExact},
    {33, "FMNAMESTXT", RecordKind::kText, TextRule::kTrimmedWhenBlank},
    {34, "VOL03DEST", RecordKind::kListItem, TextRule::kExact},
    {kSettingsEndRecord, "VEGVEGEVE", RecordKind::kEnd, TextRule::kExact},
};

const _tagSettingsRecordRow* FindRow(std::int32_t number) {
  auto it = std::find_if(std::begin(kRecordTable), std::end(kRecordTable),
                         [number](const auto& row) { return row.number == number; });
  return it == std::end(kRecordTable) ? nullptr : &*it;
}

using RECORD_BYTES = std::array<char, kSettingsRecordSize>;

void PutInt32(RECORD_BYTES& record, std::size_t offset, std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) {
    record[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  }
}

std::int32_t GetInt32(const RECORD_BYTES& record, std::size_t offset) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(record[offset + i])) << (8 * i);
  }
  return static_cast<std::int32_t>(bits);
}

// Builds one record. Every byte the record's kind does not use (the text of
// a number record, the number of a text record, the rest of the key and text
// fields after their terminators, the reserved tail) is written as zero, so a
// file is fully determined by the store.
void BuildRecord(RECORD_BYTES& record, const _tagSettingsRecordRow& row, const std::string* text,
                 std::int32_t number) {
  record.fill('\0');
  PutInt32(record, 0, row.number);
  // The key fills at most its ten bytes: a ten-letter key has no terminator
  // and the eleven-letter DEFDIRECTRY is cut to DEFDIRECTR.
  std::size_t key_length = std::min(std::strlen(row.key), kSettingsKeySize);
  std::memcpy(record.data() + kSettingsKeyOffset, row.key, key_length);
  if (text != nullptr) {
    std::string file_text = ToSettingsText(*text);
    // The field holds at most 5261 bytes before its NUL. A longer text is cut
    // on a character boundary (never inside a UTF-8 sequence on POSIX, nor
    // inside a double-byte ANSI character on Windows) and never runs into the
    // number field.
    std::size_t length = SettingsTextFit(file_text, kSettingsMaxTextBytes);
    std::memcpy(record.data() + kSettingsTextOffset, file_text.data(), length);
  }
  PutInt32(record, kSettingsNumberOffset, number);
}

// The text a text record holds for a store text: never empty, except where
// the rule says exactly.
std::string TextToWrite(const std::string& text, TextRule rule) {
  switch (rule) {
    case TextRule::kExact: return text;
    case TextRule::kBlankWhenEmpty: return text.empty() ? " " : text;
    case TextRule::kBlankWhenBlank:
    case TextRule::kTrimmedWhenBlank: return Trim(text).empty() ? " " : text;
  }
  return text;
}

std::string TextOfRecord(const RECORD_BYTES& record) {
  // Up to the first NUL, but never past the field: a field without NUL gives
  // all of its bytes.
  const char* field = record.data() + kSettingsTextOffset;
  const void* nul = std::memchr(field, '\0', kSettingsTextFieldSize);
  std::size_t length = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - field)
                                      : kSettingsTextFieldSize;
  return FromSettingsText(std::string(field, length));
}

}  // namespace

std::string SettingsFilePath(const SettingsStore& store, const std::string& file_name) {
  if (!TrimSpaces(file_name).empty()) return TrimSpaces(file_name);
  std::string joined = store.SettingsDirectory();
  joined += '\\';
  joined += kSettingsFileName;
  // A network directory keeps the two backslashes that begin it; collapsing
  // them would name a folder on the current drive instead of the share.
  bool network = joined.rfind("\\\\", 0) == 0;
  std::string path = CollapseDoubleBackslashes(network ? joined.substr(1) : joined);
  if (network) path.insert(0, 1, '\\');
  return TrimSpaces(path);
}

SaveClass::SaveClass(const SettingsStore& store, FileSystem& file_system, Prompter& prompter,
                     const std::string& file_name)
    : store_(store), prompter_(prompter), path_(SettingsFilePath(store, file_name)) {
  out_ = file_system.OpenBinaryWrite(path_);
}

SaveClass::~SaveClass() = default;

bool SaveClass::WriteAll() {
  bool written = out_ != nullptr;
  RECORD_BYTES record;
  auto put = [&](const _tagSettingsRecordRow& row, const std::string* text, std::int32_t number) {
    if (!written) return;
    BuildRecord(record, row, text, number);
    written = static_cast<bool>(out_->write(record.data(), record.size()));
  };
  for (const auto& row : kRecordTable) {
    switch (row.kind) {
      case RecordKind::kText: {
        std::string text = TextToWrite(store_.Text(row.number), row.rule);
        put(row, &text, 0);
        break;
      }
      case RecordKind::kNumber: put(row, nullptr, store_.Number(row.number)); break;
      case RecordKind::kTextAndNumber: {
        std::string text = TextToWrite(store_.Text(row.number), row.rule);
        put(row, &text, store_.Number(row.number));
        break;
      }
      case RecordKind::kListItem:
        for (const auto& item : store_.ListView(row.number)) put(row, &item, 0);
        break;
      case RecordKind::kEnd: put(row, nullptr, 0); break;
    }
  }
  // Closing reports the last buffered write too.
  if (written) written = out_->Close();
  if (!written) {
    // A file that could not be opened, or a write that failed on the way (a
    // full disk), is reported: the settings were not saved.
    prompter_.Show(MessageKind::kError, kSaveFailedText, kSaveFailedTitle);
  }
  return written;
}

RestoreClass::RestoreClass(SettingsStore& store, FileSystem& file_system,
                           const std::string& file_name)
    : store_(store), path_(SettingsFilePath(store, file_name)) {
  in_ = file_system.OpenBinaryRead(path_);
}

RestoreClass::~RestoreClass() = default;

std::size_t RestoreClass::ReadAll() {
  if (in_ == nullptr) return 0;
  std::size_t records = 0;
  RECORD_BYTES record;
  // One fixed-size read per record; a record that cannot be read whole ends
  // the reading unapplied. Every field is taken from inside the record, so no
  // content can make the reader look beyond it.
  while (in_->read(record.data(), record.size()) &&
         in_->gcount() == static_cast<std::streamsize>(record.size())) {
    ++records;
    const _tagSettingsRecordRow* row = FindRow(GetInt32(record, 0));
    if (row == nullptr) continue;
    switch (row->kind) {
      case RecordKind::kText:
      case RecordKind::kTextAndNumber: {
        std::string text = TextOfRecord(record);
        store_.SetText(row->number,
                       row->rule == TextRule::kTrimmedWhenBlank ? Trim(text) : std::move(text));
        if (row->kind == RecordKind::kTextAndNumber) {
          store_.SetNumber(row->number, GetInt32(record, kSettingsNumberOffset));
        }
        break;
      }
      case RecordKind::kNumber:
        store_.SetNumber(row->number, GetInt32(record, kSettingsNumberOffset));
        break;
      case RecordKind::kListItem: store_.AppendToList(row->number, TextOfRecord(record)); break;
      case RecordKind::kEnd: break;  // the end record carries nothing
    }
  }
  return records;
}

}  // namespace ordovan
