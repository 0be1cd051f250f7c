#include "cli/CliPaths.h"

#include <filesystem>
#include <system_error>

#include "platform/NativePath.h"

namespace ordovan::cli {

namespace {
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool LooksLikeProgramPath(const std::string& text) {
  if (text.size() >= 2 && IsLetter(text[0]) && text[1] == ':') return true;
  return text.size() >= 2 && (text[0] == '\\' || text[0] == '/') && text[0] == text[1];
}

// A trailing separator says nothing more, except on a drive root ("f:\").
std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}
}  // namespace

std::optional<std::string> ProgramPathOfArgument(const std::string& argument) {
  if (argument.empty()) return std::nullopt;
  if (LooksLikeProgramPath(argument)) {
    std::string path = argument;
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    return WithoutTrailingSeparator(path);
  }
  std::error_code error;
  std::filesystem::path native = std::filesystem::absolute(Utf8ToNative(argument), error);
  if (error) return std::nullopt;
  native = native.lexically_normal();
  std::optional<std::string> program = ToProgramPath(native);
  if (!program) return std::nullopt;
  return WithoutTrailingSeparator(*program);
}

std::string NativeTextOf(const std::string& program_path) {
#ifdef _WIN32
  // The native form could differ only by the long-path prefix, which no
  // reader wants to see.
  return program_path;
#else
  const std::optional<std::filesystem::path> native = ToNativePath(program_path);
  return native ? NativeToUtf8(*native) : program_path;
#endif
}

std::string ShownPath(const std::string& program_path, bool program_paths) {
  return program_paths ? program_path : NativeTextOf(program_path);
}

}  // namespace ordovan::cli
