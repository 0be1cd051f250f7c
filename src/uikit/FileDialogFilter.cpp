#include "uikit/FileDialogFilter.h"

#include <string_view>
#include <vector>

namespace ordovan {

namespace {
std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}
}  // namespace

std::string QtFileDialogFilter(const std::string& filter) {
  const auto fields = Split(filter, '|');
  std::string result;
  for (std::size_t i = 0; i < fields.size(); i += 2) {
    const std::string& description = fields[i];
    if (description.empty()) continue;
    std::string patterns;
    if (i + 1 < fields.size()) {
      for (const auto& pattern : Split(fields[i + 1], ';')) {
        if (pattern.empty()) continue;
        if (!patterns.empty()) patterns += ' ';
        patterns += pattern;
      }
    }
    if (patterns.empty()) patterns.push_back('*');
    if (!result.empty()) result += ";;";
    // "Text Files (*.txt)|*.txt" names its patterns already: Qt would show them twice.
    const std::string named = "(" + patterns + ")";
    result += description;
    if (!std::string_view(description).ends_with(named)) result += " " + named;
  }
  return result;
}

}  // namespace ordovan
