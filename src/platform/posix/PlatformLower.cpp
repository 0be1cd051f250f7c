// Lower-casing of UTF-8 text with the C library's wide-character tables under
// a UTF-8 locale of our own, so the process locale plays no part.

#include <locale.h>
#include <wctype.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/PathServices.h"
#include "platform/Utf8.h"

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

}  // namespace

std::string PlatformLower(const std::string& text) {
  std::string out = text;
  if (LowerIfAscii(&out)) return out;

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
    const std::size_t len = Utf8SequenceLength(text, i, &cp);
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
    AppendUtf8(lower, &out);
    i += len;
  }
  return out;
}

}  // namespace ordovan
