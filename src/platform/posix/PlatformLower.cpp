// Lower-casing of UTF-8 text with the C library's wide-character tables under
// a UTF-8 locale of our own, so the process locale plays no part.

#include <locale.h>
#include <wctype.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/PathServices.h"

namespace ordovan {

namespace {

locale_t Utf8Locale() {
  // Created once and kept for the life of the process.
  static const locale_t locale = [] {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      locale_t l = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0));
      if (l != static_cast<locale_t>(0)) return l;
    }
    return static_cast<locale_t>(0);
  }();
  return locale;
}

// Decodes the well-formed UTF-8 sequence at `i`; returns its length, or 0
// when the bytes there are not one (overlong, surrogate, out of range, cut).
std::size_t DecodeUtf8(const std::string& s, std::size_t i, char32_t* cp) {
  const auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  std::size_t len;
  char32_t value;
  char32_t min;
  if (b0 < 0x80) {
    *cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2, value = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, value = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, value = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const unsigned char b = byte(i + k);
    if ((b & 0xC0) != 0x80) return 0;
    value = (value << 6) | (b & 0x3F);
  }
  if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *cp = value;
  return len;
}

void EncodeUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    *out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    *out += static_cast<char>(0xC0 | (cp >> 6));
    *out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *out += static_cast<char>(0xE0 | (cp >> 12));
    *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *out += static_cast<char>(0xF0 | (cp >> 18));
    *out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string PlatformLower(const std::string& text) {
  std::string out = text;
  bool ascii = true;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c + ('a' - 'A'));
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii) return out;

  const locale_t locale = Utf8Locale();
  out.clear();
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      out += (b >= 'A' && b <= 'Z') ? static_cast<char>(b + ('a' - 'A')) : static_cast<char>(b);
      ++i;
      continue;
    }
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(text, i, &cp);
    if (len == 0) {
      out += text[i++];  // not UTF-8: kept as it is
      continue;
    }
    char32_t lower = cp;
    if (locale != static_cast<locale_t>(0)) {
      const wint_t l = towlower_l(static_cast<wint_t>(cp), locale);
      // Only a valid scalar value is written back.
      if (l <= 0x10FFFF && !(l >= 0xD800 && l <= 0xDFFF)) lower = static_cast<char32_t>(l);
    }
    EncodeUtf8(lower, &out);
    i += len;
  }
  return out;
}

}  // namespace ordovan
