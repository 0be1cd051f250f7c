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

}  // namespace ordovan
