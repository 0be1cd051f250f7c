#include "cli/CliReport.h"

#include <cstdio>
#include <ostream>

#include "cli/CliPaths.h"
#include "platform/FileSystem.h"
#include "reorganizer/RunResults.h"

namespace ordovan::cli {

namespace {
// The files not copied are written apart, each with its target and reason.
constexpr const char* kListNames[kResultListCount] = {
    "ToReorganize",   "MainFoldersReorganized", "SubfoldersReorganized", "FilesReorganized",
    "SourceNotExists", "DestinationExists",     "OtherReasons",          "FailedUndo",
    nullptr,
};
}  // namespace

std::string JsonEscaped(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char code[8];
          std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
          out += code;
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string ResultsJson(const ReportHeader& header, const RunResults& results) {
  std::string json = "{\n  \"command\": \"" + JsonEscaped(header.command) + "\",\n";
  json += "  \"destination\": \"" +
          JsonEscaped(ShownPath(header.destination, header.program_paths)) + "\",\n";
  json += std::string("  \"stopped\": ") + (header.stopped ? "true" : "false") + ",\n";
  json += std::string("  \"disk_full\": ") + (header.disk_full ? "true" : "false") + ",\n";
  json += "  \"counters\": {";
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    json += i == 0 ? "\n    \"" : ",\n    \"";
    json += kListNames[i];
    json += "\": " + CounterText(results.counters()[i]);
  }
  json += "\n  },\n  \"lists\": {";
  for (std::size_t i = 0; i < kResultListCount; ++i) {
    if (!kListNames[i]) continue;
    const ResultEntries& list = results.list(kAllResultLists[i]);
    json += i == 0 ? "\n    \"" : ",\n    \"";
    json += kListNames[i];
    json += "\": [";
    for (std::size_t row = 0; row < list.size(); ++row) {
      json += row == 0 ? "\n      \"" : ",\n      \"";
      json += JsonEscaped(ShownPath(list.At(row), header.program_paths)) + "\"";
    }
    json += list.empty() ? "]" : "\n    ]";
  }
  json += "\n  },\n  \"not_copied\": [";
  const NOT_COPIED_FILES& not_copied = results.not_copied();
  for (std::size_t i = 0; i < not_copied.size(); ++i) {
    const NotCopiedFile& file = not_copied[i];
    json += i == 0 ? "\n    " : ",\n    ";
    json += "{\"file\": \"" + JsonEscaped(ShownPath(file.source, header.program_paths)) +
            "\", \"target\": \"" +
            JsonEscaped(file.target.empty() ? std::string() : ShownPath(file.target, header.program_paths)) +
            "\", \"reason\": \"" + JsonEscaped(NotCopiedReasonText(file.reason)) + "\"}";
  }
  json += not_copied.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return json;
}

bool WriteNewFile(FileSystem& fs, const std::string& path, const std::string& content,
                  FileError* error) {
  if (error) *error = FileError::kRefused;
  std::unique_ptr<OutputFile> file = fs.CreateNewBinaryFile(path, error);
  if (!file) return false;
  file->write(content.data(), static_cast<std::streamsize>(content.size()));
  const bool written = file->Close();
  file.reset();
  // Only this file was made by us; a half-written one must not look like a report.
  if (!written) fs.RemoveFile(path);
  return written;
}

}  // namespace ordovan::cli
