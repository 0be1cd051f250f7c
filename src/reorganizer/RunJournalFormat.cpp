#include "reorganizer/RunJournalFormat.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>

namespace ordovan {

namespace {

// FNV-1a: enough to tell a torn or garbled line from a whole one.
std::uint32_t Checksum(const char* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= static_cast<unsigned char>(data[i]);
    hash *= 16777619u;
  }
  return hash;
}

constexpr char kHexDigits[] = "0123456789abcdef";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

int JournalVersionOf(const std::string& text) {
  for (const auto& [header, version] : {std::pair{kRunJournalHeader, 2},
                                        std::pair{kRunJournalHeaderVersion1, 1}}) {
    const std::string_view line = header;
    if (text.size() > line.size() && text.compare(0, line.size(), line) == 0 &&
        text[line.size()] == '\n') {
      return version;
    }
  }
  return 0;
}

bool IsUnfinishedJournalStart(const std::string& text) {
  // The headers of both versions differ only in their last digit.
  const std::string header = std::string(kRunJournalHeader) + '\n';
  std::size_t start = 0;
  while (start < text.size() && start < header.size() && text[start] != '\0' &&
         (text[start] == header[start] ||
          (start == header.size() - 2 && text[start] == kRunJournalHeaderVersion1[start]))) {
    ++start;
  }
  if (start == header.size()) return false;  // a whole header: a journal
  return text.find_first_not_of('\0', start) == std::string::npos;
}

JournalFileKind JudgeJournalFile(FileSystem& fs, const std::string& path) {
  FileError error = FileError::kRefused;
  std::unique_ptr<std::istream> in = fs.OpenBinaryRead(path, &error);
  if (!in) return error == FileError::kNotFound ? JournalFileKind::None : JournalFileKind::Other;
  // The header, and a byte more: a journal is known by its first line.
  std::string start(sizeof kRunJournalHeader + 1, '\0');
  in->read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(in->gcount()));
  if (JournalVersionOf(start) != 0) return JournalFileKind::Journal;
  if (!IsUnfinishedJournalStart(start)) return JournalFileKind::Other;
  // Room made ahead of a header that never came may go on for megabytes.
  char chunk[1 << 14];
  while (in->read(chunk, sizeof chunk) || in->gcount() > 0) {
    const std::string_view read(chunk, static_cast<std::size_t>(in->gcount()));
    if (read.find_first_not_of('\0') != std::string_view::npos) return JournalFileKind::Other;
  }
  return in->bad() ? JournalFileKind::Other : JournalFileKind::Unfinished;
}

std::string RunJournalPath(const std::string& settings_directory) {
  std::string path = settings_directory;
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path + "\\" + kRunJournalFileName;
}

std::string RunJournalTempPath(const std::string& journal_path) { return journal_path + ".new"; }

std::string KeptJournalPath(const std::string& journal_path, int n) {
  return journal_path + ".damaged-" + std::to_string(n);
}

std::string NotAJournalText(const std::string& path) {
  return "The file " + path +
         " is not a run journal of this program.\nIt is left as it is, and Undo does not use it.";
}

std::string DamagedJournalText(const std::string& path, std::size_t line, std::size_t acted_on,
                               const std::string& kept_as) {
  std::string text = "The run journal " + path + " cannot be read from line " +
                     std::to_string(line) + " on.\nUndo takes back the " +
                     std::to_string(acted_on) + " folders and files named before that line.\n";
  return text + (kept_as.empty() ? "The journal could not be kept under another name: it is "
                                   "left as it is, and no run writes a journal until it is gone."
                                 : "The journal as it was is kept as " + kept_as + ".");
}

std::string UnusableJournalText(const std::string& path, const std::string& destination,
                                const std::string& kept_as) {
  // Control characters are shown as codes: a message box would cut or garble them.
  std::string shown;
  for (const char c : destination) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      shown.append(1, '%').append(1, kHexDigits[(c >> 4) & 0xF]).append(1, kHexDigits[c & 0xF]);
    } else {
      shown.push_back(c);
    }
  }
  std::string text = "The run journal " + path + " names \"" + shown +
                     "\" as its destination, which no run can have.\nUndo does not use it.";
  return text + (kept_as.empty() ? " It is left as it is."
                                 : " It is kept as " + kept_as + ".");
}

void AppendEscapedJournalField(std::string* line, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '%': line->append("%25"); break;
      case '\t': line->append("%09"); break;
      case '\n': line->append("%0A"); break;
      case '\r': line->append("%0D"); break;
      default: line->push_back(c);
    }
  }
}

std::string EscapeJournalField(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  AppendEscapedJournalField(&escaped, text);
  return escaped;
}

std::optional<std::string> UnescapeJournalField(std::string_view text) {
  // Most paths hold no escape: taken whole.
  if (text.find('%') == std::string_view::npos) return std::string(text);
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      plain.push_back(text[i]);
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    plain.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return plain;
}

void AppendJournalChecksum(std::string* text, std::size_t line_start) {
  const std::uint32_t sum = Checksum(text->data() + line_start, text->size() - line_start);
  text->push_back('\t');
  for (int shift = 28; shift >= 0; shift -= 4) text->push_back(kHexDigits[(sum >> shift) & 0xF]);
  text->push_back('\n');
}

std::optional<std::string_view> CheckedJournalRecord(std::string_view line) {
  if (line.size() < 10 || line[line.size() - 9] != '\t') return std::nullopt;
  const std::size_t content = line.size() - 9;
  std::uint32_t stored = 0;
  for (std::size_t i = content + 1; i < line.size(); ++i) {
    const int digit = HexValue(line[i]);
    if (digit < 0) return std::nullopt;
    stored = (stored << 4) | static_cast<std::uint32_t>(digit);
  }
  if (stored != Checksum(line.data(), content)) return std::nullopt;
  return line.substr(0, content);
}

void SplitJournalFields(std::string_view record, std::vector<std::string_view>* fields) {
  fields->clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = record.find('\t', start);
    fields->push_back(record.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return;
    start = tab + 1;
  }
}

void AppendJournalIdentity(std::string* line, const FileIdentity& identity) {
  AppendJournalNumber(line, identity.size);
  AppendJournalNumber(line, identity.last_write);
  AppendJournalNumber(line, identity.change_stamp);
  AppendJournalNumber(line, identity.volume);
  AppendJournalNumber(line, identity.index);
}

std::optional<FileIdentity> ParseJournalIdentity(const std::vector<std::string_view>& fields,
                                                 std::size_t first) {
  FileIdentity identity;
  if (fields.size() >= first + kJournalIdentityFields &&
      ParseJournalNumber(fields[first], &identity.size) &&
      ParseJournalNumber(fields[first + 1], &identity.last_write) &&
      ParseJournalNumber(fields[first + 2], &identity.change_stamp) &&
      ParseJournalNumber(fields[first + 3], &identity.volume) &&
      ParseJournalNumber(fields[first + 4], &identity.index)) {
    return identity;
  }
  return std::nullopt;
}

}  // namespace ordovan
