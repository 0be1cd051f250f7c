#pragma once
// The backends' OutputFile: a file buffer whose closing says whether the last
// buffered bytes reached the system.

#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"

namespace ordovan {

class FileBufOutput final : public OutputFile {
 public:
  FileBufOutput() { rdbuf(&buffer_); }
  ~FileBufOutput() override { buffer_.close(); }

  // Opens `path` for writing with `mode`; false when it cannot be opened.
  bool Open(const std::filesystem::path& path, std::ios::openmode mode) {
    return buffer_.open(path, mode | std::ios::out) != nullptr;
  }
  bool Close() override {
    const bool flushed = static_cast<bool>(flush());
    return buffer_.close() != nullptr && flushed;
  }

 private:
  std::filebuf buffer_;
};

}  // namespace ordovan
