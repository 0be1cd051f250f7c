#pragma once
// Reading a list file line by line, whatever tool wrote it: UTF-8 with or
// without a byte-order mark, UTF-16 with one, or (a file that is not valid
// UTF-8) the Windows ANSI code page. Lines come out as UTF-8 without their
// line end. The file is streamed in fixed chunks and a line is capped, so a
// file of any size or kind is read in bounded memory.

#include <cstddef>
#include <functional>
#include <string>

namespace ordovan {

class FileSystem;
enum class FileError;

// The longest line a list file may hold, in characters.
inline constexpr std::size_t kMaxListLineCharacters = 32767;

enum class ListReadOutcome {
  kRead,            // every line was handed over
  kCannotOpen,      // missing, or the system refused to open it
  kNotRegularFile,  // a folder, device, pipe or socket
  kBinary,          // holds NUL characters: not a text file
  kLineTooLong,     // a line longer than kMaxListLineCharacters
  kReadError,       // the system failed while reading
};

enum class ListEncoding { kUtf8, kUtf16LE, kUtf16BE, kAnsi };

// Reads the file at `path` and calls `on_line` for each line in order. A
// file without a byte-order mark that turns out not to be UTF-8 is read
// again from its start in the ANSI code page: `on_restart` is called first,
// and the caller forgets the lines it was given. On any outcome but kRead the
// lines handed over do not make up the whole file. On kCannotOpen,
// `open_error` (when given) says whether the file is missing (kNotFound) or
// the system refused it.
ListReadOutcome ReadListFile(FileSystem& file_system, const std::string& path,
                             const std::function<void(const std::string&)>& on_line,
                             const std::function<void()>& on_restart,
                             ListEncoding* encoding = nullptr, FileError* open_error = nullptr);

}  // namespace ordovan
