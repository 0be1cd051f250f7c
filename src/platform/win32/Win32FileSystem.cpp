// FileSystem on Windows, through the wide (W) calls.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <vector>

#include "platform/CopyFaults.h"
#include "platform/FileBufOutput.h"
#include "platform/FileSystem.h"
#include "platform/FolderCreation.h"
#include "platform/NativePath.h"
#include "platform/win32/WideText.h"

namespace ordovan {

namespace {

constexpr DWORD kKnownAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                   FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY |
                                   FILE_ATTRIBUTE_ARCHIVE;

DWORD AttributesOf(const std::string& program_path) {
  auto native = ToNativePath(program_path);
  return native ? GetFileAttributesW(native->c_str()) : INVALID_FILE_ATTRIBUTES;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

class Win32AppendFile final : public AppendFile {
 public:
  explicit Win32AppendFile(HANDLE handle) : handle_(handle) {}
  bool Append(const char* data, std::size_t size) override {
    while (size > 0) {
      const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
      DWORD written = 0;
      if (!WriteFile(handle_.get(), data, chunk, &written, nullptr) || written == 0) return false;
      data += written;
      size -= written;
    }
    return true;
  }
  bool Sync() override { return FlushFileBuffers(handle_.get()) != 0; }

 private:
  Handle handle_;
};

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// `folder\*`: every entry of the folder.
std::wstring AllEntriesPattern(const std::filesystem::path& folder) {
  std::wstring pattern = folder.native();
  if (!pattern.empty() && pattern.back() != L'\\') pattern.push_back(L'\\');
  pattern.push_back(L'*');
  return pattern;
}

HANDLE FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW* data) {
  // Basic info skips the 8.3 names nobody reads; large fetch reads a folder
  // in fewer round trips.
  return FindFirstFileExW(pattern.c_str(), FindExInfoBasic, data, FindExSearchNameMatch, nullptr,
                          FIND_FIRST_EX_LARGE_FETCH);
}

bool Failed(FileError* error, FileError why) {
  if (error) *error = why;
  return false;
}

std::nullptr_t NoFile(FileError* error, FileError why) {
  if (error) *error = why;
  return nullptr;
}

// What the last failed call on one path means to its caller.
FileError LastFileError() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return FileError::kNotFound;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return FileError::kExists;
    case ERROR_DIRECTORY:  // a file where a folder was meant
      return FileError::kWrongKind;
    default:
      return FileError::kRefused;
  }
}

// What a failed create of a copy's target says about the copy, by its error and, where
// the error does not tell which of the two files it is about, by a look at
// the source and the target's folder.
CopyError CopyErrorOf(DWORD error, const std::filesystem::path& source,
                      const std::filesystem::path& target) {
  switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return CopyError::kTargetExists;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return CopyError::kDiskFull;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_PATHNAME:
      return CopyError::kNameNotAllowed;
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_TOO_LARGE:
      return CopyError::kTargetRefused;
    case ERROR_SHARING_VIOLATION:  // only the source can be open elsewhere
    case ERROR_LOCK_VIOLATION:
      return CopyError::kSourceUnreadable;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: {
      const DWORD attributes = GetFileAttributesW(source.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES) return CopyError::kSourceMissing;
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return CopyError::kSourceNotAFile;
      // The source is there; a link that leads nowhere is "there" too.
      Handle in(CreateFileW(source.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr));
      if (!in.valid()) return CopyError::kSourceMissing;
      // With its folder there, "not found" is about the name itself (wine
      // says so of a name longer than the file system holds).
      const DWORD folder = GetFileAttributesW(target.parent_path().c_str());
      return folder != INVALID_FILE_ATTRIBUTES && (folder & FILE_ATTRIBUTE_DIRECTORY) != 0
                 ? CopyError::kNameNotAllowed
                 : CopyError::kTargetFolderMissing;
    }
    case ERROR_ACCESS_DENIED: {
      const DWORD attributes = GetFileAttributesW(source.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return CopyError::kSourceNotAFile;
      }
      Handle in(CreateFileW(source.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr));
      return in.valid() ? CopyError::kTargetRefused : CopyError::kSourceUnreadable;
    }
    default:
      return CopyError::kFailed;
  }
}

// A name that has no UTF-8 form (a lone surrogate) as a person can find it:
// the rest as it is, each lone surrogate as %uXXXX.
std::string ShownName(std::wstring_view name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string shown;
  std::string piece;
  for (std::size_t i = 0; i < name.size();) {
    const wchar_t c = name[i];
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    const bool paired = high && i + 1 < name.size() && name[i + 1] >= 0xDC00 && name[i + 1] <= 0xDFFF;
    const std::size_t units = paired ? 2 : 1;
    if ((c >= 0xD800 && c <= 0xDFFF && !paired) || !win32::ToUtf8(name.substr(i, units), &piece)) {
      shown += "%u";
      for (int shift = 12; shift >= 0; shift -= 4) shown += kHex[(c >> shift) & 0x0F];
    } else {
      shown += piece;
    }
    i += units;
  }
  return shown;
}

// Removes a target that a failed copy created, read-only or not.
void RemovePartialTarget(const std::filesystem::path& target) {
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(target.c_str());
}

FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& info) {
  auto ticks = [](const FILETIME& time) {
    return static_cast<std::int64_t>((std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  };
  FileIdentity identity;
  identity.size = (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  identity.last_write = ticks(info.ftLastWriteTime);
  identity.change_stamp = ticks(info.ftCreationTime);
  identity.volume = info.dwVolumeSerialNumber;
  identity.index = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return identity;
}

// Why the source of a copy could not be opened for reading.
CopyError SourceOpenError(DWORD error, const std::filesystem::path& source) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_CANT_RESOLVE_FILENAME:  // a link that leads in a circle
      return CopyError::kSourceMissing;
    case ERROR_ACCESS_DENIED: {
      const DWORD attributes = GetFileAttributesW(source.c_str());
      return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                 ? CopyError::kSourceNotAFile
                 : CopyError::kSourceUnreadable;
    }
    default:
      return CopyError::kSourceUnreadable;
  }
}

// The content of `in`, `size` bytes as the source said and on to its end,
// into `out`. False, with *error set, when a read or write fails, on an
// injected fault, or once `stop` is set.
bool CopyContent(HANDLE in, HANDLE out, std::uint64_t size, const std::atomic<bool>* stop,
                 CopyError* error) {
  const std::uint64_t limit = CopyFaultLimit();
  const bool fault = limit != kNoCopyFault && size > limit;
  std::vector<char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(size + 1, 1u << 20)));
  std::uint64_t written = 0;
  for (;;) {
    if (stop && stop->load(std::memory_order_relaxed)) {
      *error = CopyError::kStopped;
      return false;
    }
    DWORD want = static_cast<DWORD>(buffer.size());
    if (fault) want = static_cast<DWORD>(std::min<std::uint64_t>(want, limit - written));
    if (fault && want == 0) {
      *error = CopyError::kFailed;
      return false;
    }
    DWORD got = 0;
    if (!ReadFile(in, buffer.data(), want, &got, nullptr)) {
      *error = CopyError::kSourceUnreadable;
      return false;
    }
    if (got == 0) return true;
    DWORD put = 0;
    if (!WriteFile(out, buffer.data(), got, &put, nullptr) || put != got) {
      const DWORD why = GetLastError();
      *error = why == ERROR_DISK_FULL || why == ERROR_HANDLE_DISK_FULL ? CopyError::kDiskFull
                                                                        : CopyError::kFailed;
      return false;
    }
    written += put;
  }
}

class Win32FileSystem final : public FileSystem {
 public:
  bool IsFolder(const std::string& path) override {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  bool IsFile(const std::string& path) override {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  bool CreateFolders(const std::string& path) override {
    auto make_one = [](const std::string& folder) {
      auto native = ToNativePath(folder);
      if (!native) return MakeFolderResult::kFailed;
      if (CreateDirectoryW(native->c_str(), nullptr)) return MakeFolderResult::kCreated;
      switch (GetLastError()) {
        case ERROR_ALREADY_EXISTS:
        case ERROR_ACCESS_DENIED:  // what a drive root answers
          return MakeFolderResult::kExists;
        case ERROR_PATH_NOT_FOUND:
          return MakeFolderResult::kParentMissing;
        default:
          return MakeFolderResult::kFailed;
      }
    };
    auto is_folder = [this](const std::string& folder) { return IsFolder(folder); };
    return CreateFoldersWith(path, make_one, is_folder);
  }

  bool CopyFileNoOverwrite(const std::string& from, const std::string& to,
                           CopyError* error) override {
    const NewFileCopied made = CopyNewFile(from, to, NewFileCopy());
    if (!made.copied && error) *error = made.error;
    return made.copied;
  }

  // Open the source and ask it what it is; look at the target only when the
  // caller cannot know it free; announce; create the target with CREATE_NEW
  // (a taken target fails there, never overwritten); copy; set the time and
  // read the identity on the open handle; close. On a file server every call
  // is a round trip, so each saved is saved per file. The copy writes under
  // the target's name from its first byte on: Windows has no unnamed files.
  NewFileCopied CopyNewFile(const std::string& from, const std::string& to,
                            const NewFileCopy& how) override {
    NewFileCopied result;
    auto failed = [&result](CopyError why) {
      result.error = why;
      return result;
    };
    auto source = ToNativePath(from);
    if (!source) return failed(CopyError::kSourceMissing);
    auto target = ToNativePath(to);
    if (!target) return failed(CopyError::kTargetFolderMissing);
    Handle in(CreateFileW(source->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.valid()) return failed(SourceOpenError(GetLastError(), *source));
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(in.get(), &info)) return failed(CopyError::kSourceUnreadable);
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || GetFileType(in.get()) != FILE_TYPE_DISK) {
      return failed(CopyError::kSourceNotAFile);
    }
    if (how.look_first && GetFileAttributesW(target->c_str()) != INVALID_FILE_ATTRIBUTES) {
      return failed(CopyError::kTargetExists);
    }
    if (how.stop && how.stop->load()) return failed(CopyError::kStopped);
    const FileIdentity source_identity = IdentityOf(info);
    if (how.announce) {
      how.announce(source_identity);
      result.announced = true;
    }
    // The copy carries the source's attributes, as CopyFileExW gives them.
    DWORD attributes = info.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    Handle out(CreateFileW(target->c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, 0, nullptr, CREATE_NEW,
                           (attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes) | FILE_FLAG_SEQUENTIAL_SCAN,
                           nullptr));
    if (!out.valid()) {
      // "Exists" means a file is there; a folder there answers "access denied".
      const DWORD error = GetLastError();
      CopyError why = CopyErrorOf(error, *source, *target);
      if (why != CopyError::kTargetExists && GetFileAttributesW(target->c_str()) != INVALID_FILE_ATTRIBUTES) {
        why = CopyError::kTargetExists;
      }
      return failed(why);
    }
    CopyError error = CopyError::kFailed;
    bool ok = CopyContent(in.get(), out.get(), source_identity.size, how.stop, &error);
    if (ok) {
      FILETIME written = info.ftLastWriteTime;
      BY_HANDLE_FILE_INFORMATION made;
      if (SetFileTime(out.get(), nullptr, nullptr, &written) && GetFileInformationByHandle(out.get(), &made)) {
        result.identity = IdentityOf(made);
      }
    }
    if (!out.Close() && ok) {
      error = CopyError::kFailed;
      ok = false;
    }
    if (!ok) {
      result.identity.reset();
      RemovePartialTarget(*target);  // ours: CREATE_NEW made it
      return failed(error);
    }
    result.copied = true;
    return result;
  }

  FolderMade MakeFolder(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return FolderMade::kFailed;
    if (CreateDirectoryW(native->c_str(), nullptr)) return FolderMade::kCreated;
    switch (GetLastError()) {
      case ERROR_ALREADY_EXISTS:
      case ERROR_FILE_EXISTS:
        return FolderMade::kExists;
      case ERROR_PATH_NOT_FOUND:
        return FolderMade::kParentMissing;
      case ERROR_ACCESS_DENIED:  // what a drive root answers
        return GetFileAttributesW(native->c_str()) != INVALID_FILE_ATTRIBUTES ? FolderMade::kExists
                                                                              : FolderMade::kFailed;
      default:
        return FolderMade::kFailed;
    }
  }

  bool RemoveFile(const std::string& path) override {
    auto native = ToNativePath(path);
    return native && DeleteFileW(native->c_str());
  }

  bool IsLink(const std::string& path) override {
    // The attributes of the entry itself: a link or junction is not followed.
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  }

  std::optional<FileIdentity> IdentifyFile(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return std::nullopt;
    // Attribute access alone: no sharing mode of another program refuses it,
    // and the file's content is never opened. A reparse point is taken as
    // itself, as DeleteFileW takes it.
    Handle file(CreateFileW(native->c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                            nullptr));
    if (!file.valid()) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return std::nullopt;
    }
    return IdentityOf(info);
  }

  bool RemoveEmptyFolder(const std::string& path, FileError* error) override {
    auto native = ToNativePath(path);
    if (!native) return Failed(error, FileError::kNotFound);
    return RemoveDirectoryW(native->c_str()) || Failed(error, LastFileError());
  }

  bool ListFolder(const std::string& path, DIR_ENTRIES* entries, DIR_ENTRIES* nameless) override {
    entries->clear();
    if (nameless) nameless->clear();
    auto native = ToNativePath(path);
    if (!native) return false;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirst(AllEntriesPattern(*native), &data));
    if (find.get() == INVALID_HANDLE_VALUE) {
      // A drive root may hold nothing at all, not even "." and "..".
      return GetLastError() == ERROR_FILE_NOT_FOUND && IsFolder(path);
    }
    do {
      const wchar_t* name = data.cFileName;
      if (name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0))) continue;
      DirEntry item;
      const bool named = win32::ToUtf8(name, &item.name);
      if (!named) {
        if (!nameless) continue;
        item.name = ShownName(name);
      }
      item.attributes = data.dwFileAttributes & kKnownAttributes;
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        item.attributes |= kAttrReparsePoint;
      }
      if (!item.IsDirectory()) {
        item.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
      }
      (named ? entries : nameless)->push_back(std::move(item));
    } while (FindNextFileW(find.get(), &data));
    if (GetLastError() != ERROR_NO_MORE_FILES) {
      entries->clear();
      if (nameless) nameless->clear();
      return false;
    }
    return true;
  }

  bool CanEnterFolder(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return false;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirst(AllEntriesPattern(*native), &data));
    return find.get() != INVALID_HANDLE_VALUE ||
           (GetLastError() == ERROR_FILE_NOT_FOUND && IsFolder(path));
  }

  bool SetReadOnly(const std::string& path, bool read_only) override {
    auto native = ToNativePath(path);
    if (!native) return false;
    DWORD attributes = GetFileAttributesW(native->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    attributes = read_only ? (attributes | FILE_ATTRIBUTE_READONLY)
                           : (attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    return SetFileAttributesW(native->c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes);
  }

  std::string CurrentFolder() override {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return {};
    std::wstring buffer(size, L'\0');
    DWORD n = GetCurrentDirectoryW(size, buffer.data());
    if (n == 0 || n >= size) return {};
    buffer.resize(n);
    return ToProgramPath(std::filesystem::path(std::move(buffer))).value_or(std::string());
  }

  bool SetCurrentFolder(const std::string& path) override {
    auto native = ToNativePath(path);
    return native && SetCurrentDirectoryW(native->c_str());
  }

  // The C runtime's text mode turns "\n" into CR LF on writing and back on
  // reading.
  std::unique_ptr<std::istream> OpenTextRead(const std::string& path, FileError* error) override {
    return OpenRead(path, std::ios::in, error);
  }
  std::unique_ptr<std::istream> OpenBinaryRead(const std::string& path,
                                               FileError* error) override {
    return OpenRead(path, std::ios::in | std::ios::binary, error);
  }
  std::unique_ptr<OutputFile> OpenTextWrite(const std::string& path) override {
    return OpenWrite(path, std::ios::trunc);
  }
  std::unique_ptr<OutputFile> OpenBinaryWrite(const std::string& path) override {
    return OpenWrite(path, std::ios::trunc | std::ios::binary);
  }

 private:
  static std::unique_ptr<std::istream> OpenRead(const std::string& path, std::ios::openmode mode,
                                                FileError* error) {
    auto native = ToNativePath(path);
    if (!native) return NoFile(error, FileError::kNotFound);
    {
      // Only a file on disk is read: device names (CON, NUL, COM1) open as
      // character devices, and a folder opens with backup semantics.
      Handle handle(CreateFileW(native->c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
      if (!handle.valid()) return NoFile(error, LastFileError());
      BY_HANDLE_FILE_INFORMATION info;
      if (GetFileType(handle.get()) != FILE_TYPE_DISK ||
          !GetFileInformationByHandle(handle.get(), &info) ||
          (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return NoFile(error, FileError::kWrongKind);
      }
    }
    auto stream = std::make_unique<std::ifstream>(*native, mode);
    if (!stream->is_open()) return NoFile(error, FileError::kRefused);
    return stream;
  }

  static std::unique_ptr<OutputFile> OpenWrite(const std::string& path, std::ios::openmode mode) {
    auto native = ToNativePath(path);
    if (!native) return nullptr;
    // Windows refuses to write a read-only file; wine running as root (the
    // tests, CI) would not, so the refusal is made here as well.
    DWORD attributes = GetFileAttributesW(native->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      return nullptr;
    }
    auto file = std::make_unique<FileBufOutput>();
    if (!file->Open(*native, mode)) return nullptr;
    return file;
  }

 public:
  std::optional<std::string> ResolveLinks(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return std::nullopt;
    // Opened without FILE_FLAG_OPEN_REPARSE_POINT, so the handle is what every
    // link on the way leads to; the system names it by its final path.
    Handle entry(CreateFileW(native->c_str(), FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!entry.valid()) return std::nullopt;
    std::wstring final_path(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
      const DWORD n = GetFinalPathNameByHandleW(entry.get(), final_path.data(),
                                                static_cast<DWORD>(final_path.size()),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
      if (n == 0) return std::nullopt;
      if (n < final_path.size()) {
        final_path.resize(n);
        return ToProgramPath(std::filesystem::path(final_path));
      }
      final_path.assign(n + 1, L'\0');  // n is the room needed
    }
    return std::nullopt;
  }

  std::optional<FileIdentity> IdentifyFolder(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return std::nullopt;
    // Without FILE_FLAG_OPEN_REPARSE_POINT: a link or junction is followed to
    // the folder it stands for. Attribute access only, so nothing refuses it.
    Handle folder(CreateFileW(native->c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder.valid()) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(folder.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return std::nullopt;
    }
    FileIdentity identity;
    identity.volume = info.dwVolumeSerialNumber;
    identity.index = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return identity;
  }

  // --- List files and reports ---
 public:
  std::unique_ptr<OutputFile> CreateNewBinaryFile(const std::string& path,
                                                  FileError* error) override {
    auto native = ToNativePath(path);
    if (!native) return NoFile(error, FileError::kNotFound);
    // CREATE_NEW makes the file ours; the stream then opens what we just made.
    Handle handle(CreateFileW(native->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid()) {
      // A folder of that name answers "access denied".
      const FileError why = LastFileError();
      const DWORD there = GetFileAttributesW(native->c_str());
      return NoFile(error, why == FileError::kRefused && there != INVALID_FILE_ATTRIBUTES
                               ? FileError::kExists
                               : why);
    }
    handle.Close();
    auto file = std::make_unique<FileBufOutput>();
    if (!file->Open(*native, std::ios::binary)) {
      DeleteFileW(native->c_str());
      return NoFile(error, FileError::kRefused);
    }
    return file;
  }

  bool ReplaceFileWith(const std::string& temp, const std::string& target) override {
    auto from = ToNativePath(temp);
    auto to = ToNativePath(target);
    if (!from || !to) return false;
    DWORD attributes = GetFileAttributesW(to->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
      return false;
    }
    return MoveFileExW(from->c_str(), to->c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  // --- Run journal ---
  std::unique_ptr<AppendFile> CreateAppendFile(const std::string& path) override {
    auto native = ToNativePath(path);
    if (!native) return nullptr;
    // Sharing delete lets the journal, written beside its place, be renamed
    // into it while it stays open.
    HANDLE handle = CreateFileW(native->c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32AppendFile>(handle);
  }
  std::unique_ptr<AppendFile> ContinueAppendFile(const std::string& path,
                                                 const FileIdentity& expected) override {
    auto native = ToNativePath(path);
    if (!native) return nullptr;
    // Append data only: every write lands at the end, after what was read.
    HANDLE handle = CreateFileW(native->c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    auto file = std::make_unique<Win32AppendFile>(handle);
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0 ||
        IdentityOf(info) != expected) {
      return nullptr;
    }
    return file;
  }
};

}  // namespace

FileSystem* FileSystem::Default() {
  static Win32FileSystem file_system;
  return &file_system;
}

}  // namespace ordovan
