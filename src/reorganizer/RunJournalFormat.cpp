#include "reorganizer/RunJournalFormat.h"

#include <cstdint>

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

bool BeginsWithJournalHeader(std::istream& in) {
  std::string first;
  std::getline(in, first);
  return in.good() && first == kRunJournalHeader;
}

std::string RunJournalPath(const std::string& settings_directory) {
  std::string path = settings_directory;
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path + "\\" + kRunJournalFileName;
}

std::string NotAJournalText(const std::string& path) {
  return "The file " + path +
         " is not a run journal of this program.\nIt is left as it is, and Undo does not use it.";
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

std::optional<std::string> UnescapeJournalField(const std::string& text) {
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

std::optional<std::string> CheckedJournalRecord(const std::string& line) {
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

std::vector<std::string> SplitJournalFields(const std::string& record) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = record.find('\t', start);
    fields.push_back(record.substr(start, tab == std::string::npos ? tab : tab - start));
    if (tab == std::string::npos) return fields;
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

std::optional<FileIdentity> ParseJournalIdentity(const std::vector<std::string>& fields,
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
