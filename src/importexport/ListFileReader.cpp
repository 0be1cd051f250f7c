#include "importexport/ListFileReader.h"

#include <cstring>
#include <istream>
#include <memory>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "platform/Utf8.h"

namespace ordovan {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;
// A UTF-8 character has at most 4 bytes, an ANSI one at most 2; the byte cap
// bounds memory before the characters are counted.
constexpr std::size_t kMaxLineBytes = kMaxListLineCharacters * 4;

// Why a pass over the file stopped early; kNotUtf8 sends the caller back to
// the start in ANSI.
enum class PassEnd { kDone, kNotUtf8, kBinary, kLineTooLong, kReadError };

class ChunkSource {
 public:
  explicit ChunkSource(std::istream& in) : in_(in), buffer_(kChunkBytes) {}

  // The next chunk in [*data, *data + *size); false at the end of the file
  // or on a read error (then failed() is true).
  bool Next(const char** data, std::size_t* size) {
    if (done_) return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    const auto got = static_cast<std::size_t>(in_.gcount());
    if (in_.bad()) {
      failed_ = true;
      done_ = true;
      return false;
    }
    if (got < buffer_.size()) done_ = true;
    if (got == 0) return false;
    *data = buffer_.data();
    *size = got;
    return true;
  }
  bool failed() const { return failed_; }

 private:
  std::istream& in_;
  std::vector<char> buffer_;
  bool done_ = false;
  bool failed_ = false;
};

bool IsValidUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Bad bytes of a file that declared itself UTF-8 become U+FFFD.
std::string RepairUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {
      AppendUtf8(0xFFFD, &out);
      ++i;
    } else {
      out.append(text, i, length);
      i += length;
    }
  }
  return out;
}

void DropCarriageReturn(std::string* line) {
  if (!line->empty() && line->back() == '\r') line->pop_back();
}

// UTF-8 and ANSI: lines end at the byte LF.
PassEnd ReadByteLines(ChunkSource& source, const char* data, std::size_t size, ListEncoding encoding,
                      bool declared, const std::function<void(const std::string&)>& on_line) {
  std::string raw;
  bool open_line = false;  // bytes have come since the last line feed
  auto finish = [&]() -> PassEnd {
    DropCarriageReturn(&raw);
    std::string line;
    if (encoding == ListEncoding::kAnsi) {
      line = AnsiToUtf8(raw);
    } else if (IsValidUtf8(raw)) {
      line = std::move(raw);
    } else if (declared) {
      line = RepairUtf8(raw);
    } else {
      return PassEnd::kNotUtf8;
    }
    if (Utf8CharacterCount(line) > kMaxListLineCharacters) return PassEnd::kLineTooLong;
    on_line(line);
    raw.clear();
    open_line = false;
    return PassEnd::kDone;
  };
  do {
    if (std::memchr(data, '\0', size) != nullptr) return PassEnd::kBinary;
    while (size > 0) {
      const auto* feed = static_cast<const char*>(std::memchr(data, '\n', size));
      const std::size_t take = feed != nullptr ? static_cast<std::size_t>(feed - data) : size;
      if (raw.size() + take > kMaxLineBytes) return PassEnd::kLineTooLong;
      raw.append(data, take);
      open_line = true;
      if (feed == nullptr) break;
      data += take + 1;
      size -= take + 1;
      if (PassEnd end = finish(); end != PassEnd::kDone) return end;
    }
  } while (source.Next(&data, &size));
  if (source.failed()) return PassEnd::kReadError;
  if (open_line) return finish();
  return PassEnd::kDone;
}

// UTF-16: lines end at the code unit LF; a pair of surrogates is one
// character, a lone surrogate becomes U+FFFD.
PassEnd ReadUtf16Lines(ChunkSource& source, const char* data, std::size_t size, bool little_endian,
                       const std::function<void(const std::string&)>& on_line) {
  std::string line;
  std::size_t characters = 0;
  bool open_line = false;
  char32_t high = 0;  // a high surrogate waiting for its partner
  int carry = -1;     // the first byte of a unit split between chunks
  auto put = [&](char32_t cp) {
    AppendUtf8(cp, &line);
    ++characters;
  };
  auto finish = [&]() -> PassEnd {
    if (high != 0) put(0xFFFD);
    high = 0;
    if (characters > kMaxListLineCharacters) return PassEnd::kLineTooLong;
    DropCarriageReturn(&line);
    on_line(line);
    line.clear();
    characters = 0;
    open_line = false;
    return PassEnd::kDone;
  };
  do {
    for (std::size_t i = 0; i < size; ++i) {
      const auto byte = static_cast<unsigned char>(data[i]);
      if (carry < 0) {
        carry = byte;
        continue;
      }
      const char32_t unit = little_endian ? (char32_t(byte) << 8) | char32_t(carry)
                                          : (char32_t(carry) << 8) | char32_t(byte);
      carry = -1;
      if (unit == 0) return PassEnd::kBinary;
      if (unit == '\n') {
        if (PassEnd end = finish(); end != PassEnd::kDone) return end;
        continue;
      }
      open_line = true;
      if (unit >= 0xD800 && unit <= 0xDBFF) {
        if (high != 0) put(0xFFFD);
        high = unit;
        continue;
      }
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (high != 0) {
          put(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
          high = 0;
        } else {
          put(0xFFFD);
        }
      } else {
        if (high != 0) put(0xFFFD);
        high = 0;
        put(unit);
      }
      if (characters > kMaxListLineCharacters) return PassEnd::kLineTooLong;
    }
  } while (source.Next(&data, &size));
  if (source.failed()) return PassEnd::kReadError;
  if (carry >= 0) {  // an odd last byte: half a character
    open_line = true;
    put(0xFFFD);
  }
  if (open_line) return finish();
  return PassEnd::kDone;
}

PassEnd ReadPass(std::istream& in, bool ansi, ListEncoding* encoding,
                 const std::function<void(const std::string&)>& on_line) {
  ChunkSource source(in);
  const char* data = nullptr;
  std::size_t size = 0;
  if (!source.Next(&data, &size)) {
    *encoding = ansi ? ListEncoding::kAnsi : ListEncoding::kUtf8;
    return source.failed() ? PassEnd::kReadError : PassEnd::kDone;
  }
  auto starts_with = [&](const char* mark, std::size_t length) {
    return size >= length && std::memcmp(data, mark, length) == 0;
  };
  if (!ansi && starts_with("\xEF\xBB\xBF", 3)) {
    *encoding = ListEncoding::kUtf8;
    return ReadByteLines(source, data + 3, size - 3, ListEncoding::kUtf8, true, on_line);
  }
  if (!ansi && (starts_with("\xFF\xFE", 2) || starts_with("\xFE\xFF", 2))) {
    const bool little = data[0] == '\xFF';
    *encoding = little ? ListEncoding::kUtf16LE : ListEncoding::kUtf16BE;
    return ReadUtf16Lines(source, data + 2, size - 2, little, on_line);
  }
  *encoding = ansi ? ListEncoding::kAnsi : ListEncoding::kUtf8;
  return ReadByteLines(source, data, size, *encoding, false, on_line);
}

ListReadOutcome OutcomeOf(PassEnd end) {
  switch (end) {
    case PassEnd::kBinary:
      return ListReadOutcome::kBinary;
    case PassEnd::kLineTooLong:
      return ListReadOutcome::kLineTooLong;
    case PassEnd::kReadError:
      return ListReadOutcome::kReadError;
    case PassEnd::kDone:
    case PassEnd::kNotUtf8:
      break;
  }
  return ListReadOutcome::kRead;
}

}  // namespace

ListReadOutcome ReadListFile(FileSystem& file_system, const std::string& path,
                             const std::function<void(const std::string&)>& on_line,
                             const std::function<void()>& on_restart, ListEncoding* encoding,
                             FileError* open_error) {
  ListEncoding found = ListEncoding::kUtf8;
  if (encoding == nullptr) encoding = &found;
  FileError error = FileError::kRefused;
  std::unique_ptr<std::istream> in = file_system.OpenBinaryRead(path, &error);
  if (!in) {
    if (error == FileError::kWrongKind) return ListReadOutcome::kNotRegularFile;
    if (open_error) *open_error = error;
    return ListReadOutcome::kCannotOpen;
  }
  PassEnd end = ReadPass(*in, false, encoding, on_line);
  if (end != PassEnd::kNotUtf8) return OutcomeOf(end);

  on_restart();
  in = file_system.OpenBinaryRead(path, open_error);
  if (!in) return ListReadOutcome::kCannotOpen;
  return OutcomeOf(ReadPass(*in, true, encoding, on_line));
}

}  // namespace ordovan
