#include "importexport/ExportFormat.h"

#include <memory>
#include <ostream>

#include "importexport/ListFileReader.h"
#include "paths/EntryList.h"
#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/PathServices.h"
#include "platform/Utf8.h"

namespace ordovan {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Temporary names are tried in turn; one of these many is always free
// unless the folder cannot take a new file at all.
constexpr int kTemporaryNameAttempts = 100;

std::string TemporaryNameBeside(const std::string& target, int attempt) {
  return target + ".ordovan-" + std::to_string(attempt) + ".tmp";
}

}  // namespace

const TEXT_LIST& DefaultExportDelimiters() {
  static const TEXT_LIST kDelimiters = {",", "space", "\"", "'", "|", "~", ";", ":", "#",
                                        "&", "@",     "$",  "<", ">", ".", "-", "_"};
  return kDelimiters;
}

std::string ExportDelimiter(const std::string& combo_text) {
  std::string delimiter = Trim(combo_text);
  return delimiter == "space" ? std::string(" ") : delimiter;
}

std::string ExportKind(const std::string& kind) {
  std::string upper = Trim(kind);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool IsWrittenKind(const std::string& kind) {
  const std::string k = ExportKind(kind);
  return k == kExportKindFolders || k == kExportKindStrings || k == kExportKindRenamedFiles;
}

std::string ConvertSlashes(const std::string& item, ExportSlashes slashes) {
  const char separator = slashes == ExportSlashes::kBackslashes ? '\\' : '/';
  std::string out;
  out.reserve(item.size());
  std::size_t i = 0;
  // Collapsing runs would turn \\srv\share into \srv\share, a folder of the
  // current drive: the pair that opens a network path is kept.
  if (item.size() >= 2 && IsSeparator(item[0]) && IsSeparator(item[1])) {
    out.append(2, separator);
    while (i < item.size() && IsSeparator(item[i])) ++i;
  }
  for (; i < item.size(); ++i) {
    if (!IsSeparator(item[i])) {
      out.push_back(item[i]);
    } else if (out.empty() || out.back() != separator) {
      out.push_back(separator);
    }
  }
  return out;
}

std::string ConvertExportItem(const std::string& item, ExportLines lines, ExportSlashes slashes) {
  std::string converted = ConvertSlashes(item, slashes);
  if (lines == ExportLines::kFolderTemplates) {
    const std::size_t colon = converted.find(':');
    if (colon != std::string::npos) converted.erase(0, colon + 1);
  }
  return converted;
}

std::size_t RebuildShownList(const TEXT_LIST& callers_items, ExportLines lines,
                             ExportSlashes slashes, EntryList& shown,
                             const std::function<void(std::size_t)>& on_count, EventPump& pump) {
  shown.Clear();
  std::size_t appended = 0;
  for (const std::string& item : callers_items) {
    std::string converted = ConvertExportItem(item, lines, slashes);
    std::string key = EntryKey(converted);
    if (shown.ContainsKey(key)) continue;
    shown.AppendKeyed(converted, key);
    ++appended;
    if (on_count) on_count(appended);
    pump.Pump();
  }
  return appended;
}

void AppendExportItem(const std::string& item, const ExportRequest& request, std::string* out) {
  if (request.quotes) out->push_back('"');
  out->append(ConvertSlashes(item, request.slashes));
  if (request.quotes) out->push_back('"');
  if (request.type == ExportFileType::kPlainText) {
    out->append("\r\n");
  } else {
    out->append(request.delimiter);
  }
}

bool FitsOneImportLine(const TEXT_LIST& items, const ExportRequest& request) {
  if (request.type == ExportFileType::kPlainText) return true;
  std::size_t characters = 0;
  std::string bytes;
  for (const std::string& item : items) {
    bytes.clear();
    AppendExportItem(item, request, &bytes);
    characters += Utf8CharacterCount(bytes);
    if (characters > kMaxListLineCharacters) return false;
  }
  return true;
}

ExportResult WriteExportFile(FileSystem& file_system, const ExportRequest& request,
                             const TEXT_LIST& items,
                             const std::function<void(std::size_t)>& on_count, EventPump& pump) {
  ExportResult result;
  if (file_system.IsFolder(request.file_name)) {
    result.outcome = ExportOutcome::kCannotCreate;
    return result;
  }
  // An existing file reached through a link is replaced where it lies, the
  // link kept; the new content is written beside it, so that it takes the
  // file's place in one step on the file's own drive.
  // Only a plain file is replaced there: a device or pipe behind a link is
  // never renamed over.
  std::string target = request.file_name;
  if (std::optional<std::string> real = file_system.ResolveLinks(target)) {
    FileError kind = FileError::kRefused;
    if (file_system.OpenBinaryRead(*real, &kind) || kind == FileError::kRefused) {
      target = std::move(*real);
    }
  }
  std::string temporary;
  std::unique_ptr<OutputFile> out;
  for (int attempt = 1; attempt <= kTemporaryNameAttempts && !out; ++attempt) {
    temporary = TemporaryNameBeside(target, attempt);
    out = file_system.CreateNewBinaryFile(temporary);
  }
  if (!out) {
    result.outcome = ExportOutcome::kCannotCreate;
    return result;
  }

  const bool written_kind = IsWrittenKind(request.kind);
  std::size_t count = 0;
  std::string bytes;
  bool ok = true;
  for (const std::string& item : items) {
    if (!written_kind) continue;
    bytes.clear();
    AppendExportItem(item, request, &bytes);
    if (!out->write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
      ok = false;
      break;
    }
    ++count;
    if (on_count) on_count(count);
    pump.Pump();
  }
  // Closing reports the last buffered write; only a closed file is put in place.
  ok = out->Close() && ok;
  out.reset();
  if (ok && file_system.ReplaceFileWith(temporary, target)) {
    result.exported = count;
    return result;
  }
  file_system.RemoveFile(temporary);
  result.outcome = ExportOutcome::kWriteFailed;
  return result;
}

}  // namespace ordovan
