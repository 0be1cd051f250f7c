#include "paths/ValidationReports.h"

#include <vector>

#include "platform/PathServices.h"

namespace ordovan {

namespace {

// Every section shows at most this many sample lines, then a "more left" count.
constexpr std::size_t kSampleLines = 3;

// The closing of a syntax or colon section.
void AppendSectionEnd(std::string* message, std::size_t findings) {
  if (findings <= kSampleLines) {
    *message += "\n";
  } else {
    *message += "\n" + std::to_string(findings - kSampleLines) + "  more left\n\n";
  }
}

}  // namespace

bool ReportSyntaxErrors(std::string* message, const TEXT_LIST& paths) {
  std::vector<_tagBadCharsInFolder> found;
  for (const std::string& path : paths) {
    std::string normalized = NormalizePath(path);
    IllegalCharacters bad = FindIllegalCharacters(normalized);
    if (bad.found) found.push_back({std::move(normalized), std::move(bad.characters)});
  }
  if (found.empty()) return false;

  *message += "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  (total: " +
              std::to_string(found.size()) + ") \n";
  for (std::size_t i = 0; i < found.size() && i < kSampleLines; ++i) {
    *message += "Syntax Error: " + found[i].characters + "    " + found[i].folder + "\n";
  }
  AppendSectionEnd(message, found.size());
  return true;
}

bool ReportColons(std::string* message, const TEXT_LIST& paths) {
  std::vector<_tagColonsInFolder> found;
  for (const std::string& path : paths) {
    std::string normalized = NormalizePath(path);
    std::int32_t colons = CountColons(normalized);
    if (colons > 1) found.push_back({std::move(normalized), colons});
  }
  if (found.empty()) return false;

  *message += "There are more than one Colons in the Folder Names (total: " +
              std::to_string(found.size()) + ") \n";
  for (std::size_t i = 0; i < found.size() && i < kSampleLines; ++i) {
    *message += "No. of Colons: " + std::to_string(found[i].colons) + "   " + found[i].folder + "\n";
  }
  AppendSectionEnd(message, found.size());
  return true;
}

bool ValidateFullPaths(std::string* message, const TEXT_LIST& paths) {
  TEXT_LIST normalized;
  normalized.reserve(paths.size());
  TEXT_LIST without_drive;
  bool any_illegal = false;
  bool any_without_extension = false;
  for (const std::string& path : paths) {
    normalized.push_back(NormalizePath(path));
    if (FindIllegalCharacters(normalized.back()).found) any_illegal = true;
    if (PlatformDriveOf(path).empty()) without_drive.push_back(path);
    if (!FileExtensionOf(normalized.back()).has_extension) any_without_extension = true;
  }

  // Built apart and handed over whole, so a caller's earlier text never
  // mixes with the report and nothing is touched when all is well.
  std::string report;
  bool result = false;
  if (!without_drive.empty()) {
    result = true;
    const std::size_t n = without_drive.size();
    report =
        "You can only enter full paths with drive letters.\nError Type: There are no drive "
        "letters in paths (" +
        std::to_string(n) + " )\n";
    for (std::size_t i = 0; i < n && i < kSampleLines; ++i) report += without_drive[i] + "\n";
    if (n > kSampleLines) report += "\n" + std::to_string(n - kSampleLines) + "  more left";
    if (any_without_extension || any_illegal) report += "\n\n";
  }
  if (ReportSyntaxErrors(&report, normalized)) result = true;
  if (ReportColons(&report, paths)) result = true;
  if (result) *message = std::move(report);
  return result;
}

}  // namespace ordovan
