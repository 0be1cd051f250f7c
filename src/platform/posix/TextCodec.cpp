#include "platform/TextCodec.h"

namespace ordovan {

std::string ToSettingsText(const std::string& utf8) { return utf8; }

std::string FromSettingsText(const std::string& file_text) { return file_text; }

namespace {

// The number of bytes of the character that starts at `i`: the length of a
// complete UTF-8 sequence, or 1 for a byte that starts none (stray
// continuation byte, bad lead byte, sequence cut short). Invalid bytes thus
// count as characters of their own, and cutting stays idempotent.
std::size_t CharLengthAt(const std::string& text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (length == 1 || i + length > text.size()) return 1;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

std::size_t SettingsTextFit(const std::string& file_text, std::size_t max_bytes) {
  if (file_text.size() <= max_bytes) return file_text.size();
  std::size_t end = 0;
  while (end < file_text.size()) {
    std::size_t next = end + CharLengthAt(file_text, end);
    if (next > max_bytes) break;
    end = next;
  }
  return end;
}

// --- List files ---
std::string AnsiToUtf8(const std::string& ansi) {
  // Windows-1252 bytes 0x80..0x9F; 0xFFFD where the code page assigns none.
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 2);
  for (char c : ansi) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
      continue;
    }
    const char32_t cp = byte < 0xA0 ? kHigh[byte - 0x80] : byte;  // the rest is Latin-1
    if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    }
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
  return out;
}

}  // namespace ordovan
