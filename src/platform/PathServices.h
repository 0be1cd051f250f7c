#pragma once
// The platform's own path and text services, the same on every backend.

#include <string>

namespace ordovan {

// The drive part: `X:` when the second character is a colon, `\\server\share`
// for a network path (either separator), otherwise empty.
std::string PlatformDriveOf(const std::string& path);
// The extension: from the last dot that stands after the last `\` or `:` to
// the end, dot included; empty when there is none.
std::string PlatformExtensionOf(const std::string& path);
// Lower-cases UTF-8 text, accented and other non-ASCII letters included.
// Invalid UTF-8 bytes are kept as they are.
std::string PlatformLower(const std::string& text);
// The key under which list entries are compared: two entries are the same
// entry exactly when their keys are equal.
inline std::string EntryKey(const std::string& text) { return PlatformLower(text); }
// Same entry: equal without regard to letter case.
bool SameEntry(const std::string& a, const std::string& b);
// Asks the system to open a folder in its file explorer. The result of the
// request is returned but callers may ignore it.
bool OpenFolderInShell(const std::string& program_path);

}  // namespace ordovan
