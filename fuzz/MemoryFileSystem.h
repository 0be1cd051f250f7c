#pragma once
// A file system that lives in memory and holds one file: reading serves its
// bytes, writing replaces them. The fuzz targets feed the settings reader
// from it, so fuzzing never touches the disk.

#include <istream>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

#include "platform/FileSystem.h"

namespace ordovan::fuzzing {

class MemoryFileSystem : public FileSystem {
 public:
  std::string bytes;  // the one file's content, whatever its path

  bool IsFolder(const std::string&) override { return false; }
  bool IsFile(const std::string&) override { return true; }
  bool CreateFolders(const std::string&) override { return false; }
  bool CopyFileNoOverwrite(const std::string&, const std::string&, CopyError* error) override {
    if (error) *error = CopyError::kFailed;
    return false;
  }
  bool RemoveFile(const std::string&) override { return false; }
  bool IsLink(const std::string&) override { return false; }
  std::optional<FileIdentity> IdentifyFile(const std::string&) override { return std::nullopt; }
  bool RemoveEmptyFolder(const std::string&, FileError*) override { return false; }
  bool ListFolder(const std::string&, DIR_ENTRIES* entries, DIR_ENTRIES* nameless) override {
    entries->clear();
    if (nameless) nameless->clear();
    return false;
  }
  bool CanEnterFolder(const std::string&) override { return false; }
  bool SetReadOnly(const std::string&, bool) override { return false; }
  std::string CurrentFolder() override { return "m:\\"; }
  bool SetCurrentFolder(const std::string&) override { return false; }
  std::unique_ptr<std::istream> OpenTextRead(const std::string&, FileError* error) override {
    if (error) *error = FileError::kRefused;
    return nullptr;
  }
  std::unique_ptr<OutputFile> OpenTextWrite(const std::string&) override { return nullptr; }
  // The stream reads `bytes` in place: do not change them while it is open.
  std::unique_ptr<std::istream> OpenBinaryRead(const std::string&, FileError*) override {
    return std::make_unique<ViewStream>(bytes);
  }
  // Empties the file; the stream appends to `bytes` (their capacity is kept,
  // so a long fuzzing run does not allocate a new file each time).
  std::unique_ptr<OutputFile> OpenBinaryWrite(const std::string&) override {
    bytes.clear();
    return std::make_unique<AppendStream>(&bytes);
  }
  std::unique_ptr<OutputFile> CreateNewBinaryFile(const std::string&, FileError* error) override {
    if (error) *error = FileError::kRefused;
    return nullptr;
  }
  bool ReplaceFileWith(const std::string&, const std::string&) override { return false; }
  std::unique_ptr<AppendFile> CreateAppendFile(const std::string&) override { return nullptr; }
  std::unique_ptr<AppendFile> ContinueAppendFile(const std::string&, const FileIdentity&) override {
    return nullptr;
  }

 private:
  struct ViewBuffer : std::streambuf {
    explicit ViewBuffer(const std::string& text) {
      char* begin = const_cast<char*>(text.data());
      setg(begin, begin, begin + text.size());
    }
  };
  struct ViewStream : std::istream {
    explicit ViewStream(const std::string& text) : std::istream(nullptr), buffer(text) {
      rdbuf(&buffer);
    }
    ViewBuffer buffer;
  };
  struct AppendBuffer : std::streambuf {
    explicit AppendBuffer(std::string* target) : target(target) {}
    int_type overflow(int_type c) override {
      if (!traits_type::eq_int_type(c, traits_type::eof())) target->push_back(static_cast<char>(c));
      return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* data, std::streamsize n) override {
      target->append(data, static_cast<std::size_t>(n));
      return n;
    }
    std::string* target;
  };
  struct AppendStream : OutputFile {
    explicit AppendStream(std::string* target) : buffer(target) { rdbuf(&buffer); }
    AppendBuffer buffer;
  };
};

}  // namespace ordovan::fuzzing
