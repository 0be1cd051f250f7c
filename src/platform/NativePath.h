#pragma once
// Program paths and native paths. Inside the program every path is a program
// path: `f:\Old Clients\Client1`, drive first, backslashes, UTF-8. Only the
// platform layer turns one into a native path and back.
//
// Drive table: a drive ("f:") may be mounted at a native directory; tests use
// it to run literal paths such as `f:\Old Clients` inside a sandbox. Without a
// mount, Windows takes the program path as the native path, and POSIX knows
// the one drive `c:`, which stands for `/`.

#include <filesystem>
#include <optional>
#include <string>

namespace ordovan {

// Mounts `drive` (a letter and a colon, any case) at an existing native
// directory, replacing an earlier mount of the same drive.
void MountDrive(const std::string& drive, const std::filesystem::path& native_dir);
// Removes a mount; unknown drives are ignored.
void UnmountDrive(const std::string& drive);
// Back to the start state: no mounts (on POSIX `c:` is `/` again).
void ResetDriveTable();

// The native path of a program path; empty when the path has no native form
// (POSIX: no such drive, a network path). On Windows paths of 260 characters
// or more come back in their long form (`\\?\`), so nothing is cut off.
std::optional<std::filesystem::path> ToNativePath(const std::string& program_path);
// The program path of a native path; empty when it has none (a POSIX path
// outside every mounted drive, or a name holding a backslash).
std::optional<std::string> ToProgramPath(const std::filesystem::path& native_path);

// UTF-8 <-> the native string form (identity on POSIX, UTF-16 on Windows).
std::filesystem::path Utf8ToNative(const std::string& utf8);
std::string NativeToUtf8(const std::filesystem::path& native);

}  // namespace ordovan
