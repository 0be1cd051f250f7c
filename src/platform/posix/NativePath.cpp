// POSIX: a program path `f:\a\b` is the directory drive f: is mounted at,
// followed by a/b. Drive c: is `/` unless it is mounted elsewhere; network
// paths have no native form.

#include "platform/NativePath.h"

#include "platform/DotComponents.h"
#include "platform/DriveTable.h"

namespace ordovan {

namespace {

bool IsSeparator(char c) { return IsPathSeparator(c); }

// Appends the program path text `rest` to `out` as native path components.
void AppendComponents(std::string_view rest, std::string* out) {
  std::size_t from = 0;
  while (from < rest.size() && IsSeparator(rest[from])) ++from;
  if (from == rest.size()) return;
  if (!out->empty() && out->back() != '/') out->push_back('/');
  for (std::size_t i = from; i < rest.size(); ++i) {
    out->push_back(rest[i] == '\\' ? '/' : rest[i]);
  }
}

// The native directory of drive `index`; null when it has none.
const std::string* DriveDir(int index) {
  static const std::string kRoot = "/";
  if (const drives::Mount* mount = drives::MountOf(index)) return &mount->dir;
  return index == drives::kDriveC ? &kRoot : nullptr;
}

// `\a\b`-style program text from native components; separators collapse and
// a trailing one goes.
void AppendProgramComponents(std::string_view rest, std::string* out) {
  for (char c : rest) {
    if (c == '/') {
      if (out->empty() || out->back() != '\\') out->push_back('\\');
    } else {
      out->push_back(c);
    }
  }
}

}  // namespace

std::optional<std::filesystem::path> ToNativePath(const std::string& program_path) {
  const std::string_view text = program_path;
  // The system would end the path at a zero byte and name another place.
  if (text.empty() || text.find('\0') != std::string_view::npos) return std::nullopt;
  std::string out;
  std::string_view rest;
  if (int index = drives::DriveIndex(text); index >= 0) {
    const std::string* dir = DriveDir(index);
    if (dir == nullptr) return std::nullopt;
    out.reserve(dir->size() + text.size());
    out = *dir;
    rest = text.substr(2);
  } else if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
    return std::nullopt;  // \\server\share
  } else if (IsSeparator(text[0])) {
    // Rooted without a drive: the root of c:, the drive the program starts on.
    const std::string* dir = DriveDir(drives::kDriveC);
    if (dir == nullptr) return std::nullopt;
    out = *dir;
    rest = text;
  } else {
    AppendComponents(text, &out);  // relative to the current folder
    return std::filesystem::path(std::move(out));
  }
  if (HasDotComponent(rest)) {
    AppendComponents(ResolveDotComponents(rest), &out);
  } else {
    AppendComponents(rest, &out);
  }
  return std::filesystem::path(std::move(out));
}

std::optional<std::string> ToProgramPath(const std::filesystem::path& native_path) {
  const std::string& text = native_path.native();
  if (text.empty() || text.find('\\') != std::string::npos) return std::nullopt;
  std::string out;
  if (text[0] != '/') {
    AppendProgramComponents(text, &out);
    if (out.size() > 1 && out.back() == '\\') out.pop_back();
    return out;
  }
  std::size_t rest = 0;
  const std::string* drive = nullptr;
  for (const drives::Mount& mount : drives::MountsLongestFirst()) {
    if (drives::ContainsNative(mount.dir, text, [](char a, char b) { return a == b; }, &rest)) {
      drive = &mount.drive;
      break;
    }
  }
  static const std::string kDriveC = "c:";
  if (drive == nullptr) {
    if (drives::MountOf(drives::kDriveC) != nullptr) return std::nullopt;
    drive = &kDriveC;
    rest = 1;
  }
  out.reserve(drive->size() + 1 + text.size() - rest);
  out = *drive;
  out.push_back('\\');
  AppendProgramComponents(std::string_view(text).substr(rest), &out);
  if (out.size() > 3 && out.back() == '\\') out.pop_back();
  return out;
}

std::filesystem::path Utf8ToNative(const std::string& utf8) { return std::filesystem::path(utf8); }

std::string NativeToUtf8(const std::filesystem::path& native) { return native.native(); }

}  // namespace ordovan
