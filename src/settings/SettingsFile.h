#pragma once
// The settings file `default.set`: a plain sequence of fixed 5312-byte
// records, no header, integers little-endian. SaveClass rewrites the whole
// file from a SettingsStore; RestoreClass applies a file's records to one.
//
// Record layout:
//   offset    0, 4 bytes     record number
//   offset    4, 10 bytes    key in ASCII, NUL-terminated when shorter
//   offset   14, 5262 bytes  text in the settings encoding (TextCodec.h),
//                            NUL-terminated, at most 5261 bytes
//   offset 5276, 4 bytes     number, signed
//   offset 5280, 32 bytes    reserved
// Readers go by the record number alone; the key only labels the record.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

namespace ordovan {

class FileSystem;
class OutputFile;
class Prompter;
class SettingsStore;

inline constexpr std::size_t kSettingsRecordSize = 5312;
inline constexpr std::size_t kSettingsKeyOffset = 4;
inline constexpr std::size_t kSettingsKeySize = 10;
inline constexpr std::size_t kSettingsTextOffset = 14;
inline constexpr std::size_t kSettingsTextFieldSize = 5262;
inline constexpr std::size_t kSettingsMaxTextBytes = kSettingsTextFieldSize - 1;
inline constexpr std::size_t kSettingsNumberOffset = 5276;
inline constexpr std::size_t kSettingsReservedOffset = 5280;
inline constexpr std::int32_t kSettingsEndRecord = 900;
inline constexpr char kSettingsFileName[] = "default.set";

// The path both classes open. A file name that is empty after TrimSpaces
// means the default file: the settings directory, "\", "default.set", with
// runs of backslashes collapsed (a drive root gives one separator).
// Otherwise the file name itself. TrimSpaces is applied to the result, so
// writing and reading always meet at the same file.
std::string SettingsFilePath(const SettingsStore& store, const std::string& file_name);

// Writes the settings file. The constructor opens it for binary writing,
// creating or truncating it; the destructor closes it.
class SaveClass {
 public:
  SaveClass(const SettingsStore& store, FileSystem& file_system, Prompter& prompter,
            const std::string& file_name = "");
  ~SaveClass();
  SaveClass(const SaveClass&) = delete;
  SaveClass& operator=(const SaveClass&) = delete;

  // Writes every record in the file's fixed order, each list one record per
  // entry, and the end record last, and closes the file. True when all of it
  // was written. When the
  // file could not be opened (nothing is written) or a write failed, shows
  // message 0130 as an error and returns false.
  bool WriteAll();

  const std::string& path() const { return path_; }
  bool IsOpen() const { return out_ != nullptr; }

 private:
  const SettingsStore& store_;
  Prompter& prompter_;
  std::string path_;
  std::unique_ptr<OutputFile> out_;
};

// Reads the settings file. The constructor opens it for binary reading and
// remembers whether that succeeded; the destructor closes it.
class RestoreClass {
 public:
  RestoreClass(SettingsStore& store, FileSystem& file_system, const std::string& file_name = "");
  ~RestoreClass();
  RestoreClass(const RestoreClass&) = delete;
  RestoreClass& operator=(const RestoreClass&) = delete;

  // Applies each whole record in file order: a text or number replaces its
  // entry, a list item is appended to its list, unknown numbers (the end
  // record included) are skipped. A trailing partial record ends the reading
  // unapplied. Does nothing when the file could not be opened. Returns the
  // number of whole records read.
  std::size_t ReadAll();

  const std::string& path() const { return path_; }
  bool IsOpen() const { return in_ != nullptr; }

 private:
  SettingsStore& store_;
  std::string path_;
  std::unique_ptr<std::istream> in_;
};

}  // namespace ordovan
