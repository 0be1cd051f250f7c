#pragma once
// Every disk operation of the program goes through FileSystem. Paths are
// program paths (drive first, backslashes, UTF-8); the backend turns them into
// native paths (see NativePath.h).

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ordovan {

// Attribute bits of a listed entry. The values are those of Windows, so that
// masks mean the same on every platform.
enum FileAttribute : std::uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  // A symbolic link or junction. A link to a folder lists as a folder (the
  // kind is that of its target); the flag lets a tree walk tell it apart.
  kAttrReparsePoint = 0x400,
};

struct DirEntry {
  std::string name;  // the entry's own name, UTF-8, without its folder
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;  // bytes; 0 for a folder
  bool IsDirectory() const { return (attributes & kAttrDirectory) != 0; }
};
using DIR_ENTRIES = std::vector<DirEntry>;

// Why a call on one path failed, where its caller must tell the user which
// (or decide by it) without asking the disk again.
enum class FileError {
  kNotFound,   // nothing is there, or a folder on the way is missing
  kWrongKind,  // something of another kind is there: a folder where a file
               // was meant, a file where a folder was, a device, pipe or socket
  kExists,     // a new file was to be made, and something is there already
  kRefused,    // the system refused: no access, in use, read-only, not empty,
               // or a path it cannot name
};

// Why a copy made no file. Every reason but kTargetExists is a file the user
// must hear of; a taken target is how "never overwrite" looks from outside.
enum class CopyError {
  kTargetExists,         // something stands at the target; it stays as it was
  kSourceMissing,        // the source is gone, or is a link that leads nowhere
  kSourceNotAFile,       // the source is a folder, device, pipe or socket
  kSourceUnreadable,     // no access to the source, it is in use, or reading it failed
  kTargetFolderMissing,  // the folder the target goes into is not there
  kTargetRefused,        // the system refused the target: no access, write-protected,
                         // a file larger than the destination holds
  kNameNotAllowed,       // the destination cannot hold the target's name: too long, or
                         // a character its file system does not allow
  kDiskFull,             // no room left on the destination's disk (or in the user's quota)
  kNoProgramName,        // the source's name has no program path (not UTF-8, or it holds
                         // a backslash): listings pass it over, so no copy is tried
  kFailed,               // any other failure, such as an I/O error on the way
  kStopped,              // the caller asked the copy to stop; it left nothing behind
};

// A file opened for writing: write through the stream, then Close. One that
// is destroyed unclosed is closed too, without a word about it.
class OutputFile : public std::ostream {
 public:
  OutputFile() : std::ostream(nullptr) {}
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // Ends the writing. True when every byte written reached the system and
  // the file closed cleanly; false after a failed write, flush or close.
  // Call it once.
  virtual bool Close() { return static_cast<bool>(flush()); }
};

// What tells one file from another at the same path without reading it. Two
// identities are equal only for the same file, unchanged: a file deleted and
// made anew, replaced or written to differs in its id, times or size. The
// times are in the system's own unit; they are compared, never shown.
class AppendFile;

struct FileIdentity {
  std::uint64_t size = 0;
  std::int64_t last_write = 0;
  // POSIX: the inode's last change (ctime), which no one can set back;
  // Windows: the creation time.
  std::int64_t change_stamp = 0;
  std::uint64_t volume = 0;  // st_dev, or the volume serial number
  std::uint64_t index = 0;   // st_ino, or the file index
  bool operator==(const FileIdentity&) const = default;
};

// How CopyNewFile makes a copy.
struct NewFileCopy {
  // True unless the caller knows that nothing stands at the target (it made
  // the target's folder and puts nothing there twice): then no look comes
  // before the create, whose failure on a taken target answers alone.
  bool look_first = true;
  // True where nothing else keeps track of the copy (no run journal): where
  // the system allows, the copy is an unnamed file that takes its name only
  // once complete, so a process killed halfway leaves nothing. Otherwise the
  // copy is written under its own name from the first byte on.
  bool unnamed_first = true;
  // Called with what the source is (its size and last write time, which the
  // copy gets) once the source is open and before anything can appear at the
  // target; never for a target a look found taken. A run journal writes its
  // announcement there.
  std::function<void(const FileIdentity&)> announce;
  // Once true, a copy in progress breaks off, removes what it made and fails
  // with kStopped.
  const std::atomic<bool>* stop = nullptr;
};

// What CopyNewFile did.
struct NewFileCopied {
  bool copied = false;
  bool announced = false;                // `announce` was called
  CopyError error = CopyError::kFailed;  // why, when not copied
  // The copy as it was made, read on the open file, for Undo to compare
  // later; nullopt when it could not be read.
  std::optional<FileIdentity> identity;
};

// What RemoveCopies did with one file.
enum class CopyRemoval {
  kNotBegun,    // stopped before it
  kRemoved,
  kGone,        // nothing of that name was there
  kNotTheCopy,  // something else is there now (changed, replaced, a link, a folder)
  kRefused,     // it is the copy, and the system (or its read-only bit) refused
};
struct CopyToRemove {
  std::string name;  // in the folder
  std::optional<FileIdentity> identity;
  CopyRemoval outcome = CopyRemoval::kNotBegun;
};

// What MakeFolder found.
enum class FolderMade {
  kCreated,
  kExists,         // something stands at the path already
  kParentMissing,  // the folder it goes into is not there
  kFailed,         // refused, or a name the system cannot hold
};

class FileSystem {
 public:
  FileSystem() = default;
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;
  virtual ~FileSystem();

  // The real file system of this platform. Never null; lives until the end.
  static FileSystem* Default();

  // True when path names an existing folder (a drive root included); false
  // when it does not exist, is a file, or cannot be examined.
  virtual bool IsFolder(const std::string& path) = 0;
  // True when path names an existing entry that is not a folder.
  virtual bool IsFile(const std::string& path) = 0;
  // Creates the folder with every missing parent. True when the folder exists
  // afterwards (also when it existed before); false otherwise.
  virtual bool CreateFolders(const std::string& path) = 0;
  // Copies the content of file `from` into a new file `to`. Fails without
  // touching anything when `to` exists. When the copy fails after `to` was
  // created, `to` is removed again: a failed copy never leaves a file behind.
  // On failure `error`, when given, says why.
  virtual bool CopyFileNoOverwrite(const std::string& from, const std::string& to,
                                   CopyError* error = nullptr) = 0;
  // Copies `from` into a new file `to` as `how` says (see NewFileCopy): never
  // onto anything that stands at `to`, the source's last write time on the
  // copy. A copy that fails or is stopped removes what it made of `to`.
  // The real file systems make it in as few calls as they can; this one
  // composes it of IsFile, IsFolder, IdentifyFile and CopyFileNoOverwrite, so
  // a test that overrides only those sees every copy.
  virtual NewFileCopied CopyNewFile(const std::string& from, const std::string& to,
                                    const NewFileCopy& how);
  // Deletes a file. False when it does not exist, is a folder, is read-only or
  // cannot be deleted for another reason.
  virtual bool RemoveFile(const std::string& path) = 0;
  // True when the entry at path is itself a symbolic link or a junction (any
  // reparse point on Windows), whatever it points to; false when it is not,
  // or nothing is there.
  virtual bool IsLink(const std::string& path) = 0;
  // The identity of the entry at path, itself and not what a link points to
  // (the entry RemoveFile would delete). nullopt when it does not exist, is a
  // folder, or cannot be examined.
  virtual std::optional<FileIdentity> IdentifyFile(const std::string& path) = 0;
  // Deletes from `folder` each file of `files` that is still the one its
  // identity names (a file without one is never deleted), and says for each
  // what became of it. `removing(name)`, when given, is called right before
  // each deletion; when it answers false, that file and the ones after it
  // are left (kNotBegun), and so are they once `stop` is true. The entries
  // are taken as themselves: a link is never followed, and a read-only file
  // is refused as RemoveFile refuses it. The real file systems look at the
  // folder once for all of them; this one asks IdentifyFile and RemoveFile
  // for each.
  virtual void RemoveCopies(const std::string& folder, std::vector<CopyToRemove>* files,
                            const std::function<bool(const std::string& name)>& removing,
                            const std::atomic<bool>* stop = nullptr);
  // Makes one folder, whose parent must exist. kExists when something (a
  // folder or not) stands there already: the one call answers "is it there?".
  virtual FolderMade MakeFolder(const std::string& path);
  // Removes an empty folder. False when it is not empty, does not exist or
  // cannot be removed; then `error`, when given, says which: kNotFound
  // (nothing there), kWrongKind (a file there), kRefused (not empty, or the
  // system refused).
  virtual bool RemoveEmptyFolder(const std::string& path, FileError* error = nullptr) = 0;
  // Fills `entries` with the folder's entries (without "." and "..") in the
  // order the system gives them, each with attributes and size from the
  // listing itself. Names that have no program path are passed over; when
  // `nameless` is given it receives those entries alike, each named for a
  // person to find it: its valid UTF-8 as it is, every other byte (and the
  // backslash) as %XX. False, with both empty, when the folder cannot be read.
  virtual bool ListFolder(const std::string& path, DIR_ENTRIES* entries,
                          DIR_ENTRIES* nameless = nullptr) = 0;
  // True when the folder exists and may be entered (search permission); the
  // current directory is not changed.
  virtual bool CanEnterFolder(const std::string& path) = 0;
  // Sets or clears the read-only attribute of a file. False on failure.
  virtual bool SetReadOnly(const std::string& path, bool read_only) = 0;
  // The process's current directory as a program path; empty when it cannot
  // be read or has no program path.
  virtual std::string CurrentFolder() = 0;
  // Changes the process's current directory. False on failure.
  virtual bool SetCurrentFolder(const std::string& path) = 0;

  // Streams. Text streams read and write line ends as CR LF on Windows and
  // as LF elsewhere; binary streams never translate.
  // The read forms open a regular file (a link counts as what it points to).
  // Null when it cannot be opened; then `error`, when given, says why:
  // kNotFound, kWrongKind (a folder, device, pipe or socket) or kRefused.
  virtual std::unique_ptr<std::istream> OpenTextRead(const std::string& path,
                                                     FileError* error = nullptr) = 0;
  virtual std::unique_ptr<std::istream> OpenBinaryRead(const std::string& path,
                                                       FileError* error = nullptr) = 0;
  // The write forms create the file or truncate it. Null when it cannot be
  // opened (a folder or a read-only file there, a missing folder).
  virtual std::unique_ptr<OutputFile> OpenTextWrite(const std::string& path) = 0;
  virtual std::unique_ptr<OutputFile> OpenBinaryWrite(const std::string& path) = 0;

  // Folder identity, for tree walks that follow links: the volume and index
  // of the folder at path, links followed (the other fields stay 0), so two
  // paths give equal identities exactly when they reach the same folder.
  // nullopt when it does not exist, is not a folder, or cannot be examined.
  virtual std::optional<FileIdentity> IdentifyFolder(const std::string& path);
  // As ListFolder, but only the entries that are folders (links to folders
  // included), each with the directory, link and hidden flags only: what a
  // walk through folder levels needs, without asking the system about every
  // file. False, with `entries` empty, when the folder cannot be read.
  virtual bool ListSubfolders(const std::string& path, DIR_ENTRIES* entries);
  // The program path of what `path` reaches, every link on the way followed
  // (the last name's included), so that paths reaching the same file or
  // folder give the same text. nullopt when nothing exists there, it cannot
  // be examined or it has no program path.
  virtual std::optional<std::string> ResolveLinks(const std::string& path);

  // --- List files and reports: a file that is only ever made new ---
  // Creates a new, empty file and opens it for binary writing. Null when
  // anything exists at path already (it is never opened) or it cannot be
  // made; then `error`, when given, says kExists, kNotFound (its folder is
  // missing) or kRefused.
  virtual std::unique_ptr<OutputFile> CreateNewBinaryFile(const std::string& path,
                                                          FileError* error = nullptr) = 0;
  // Puts the file `temp` in place of `target` in one step: `target` then
  // holds temp's content (an existing file of that name is replaced, and temp
  // takes its permissions) and `temp` is gone; where the system allows, the
  // new name is on the disk when this returns. A link at `target` stays: the
  // file it leads to is the one replaced. `temp` may be an AppendFile still
  // open, which goes on writing under the new name. False, with both left as
  // they were, on failure (also for a link that leads nowhere).
  virtual bool ReplaceFileWith(const std::string& temp, const std::string& target) = 0;

  // Appending, for the run journal. Creates a new file that only grows; null
  // when something exists at path already or the file cannot be created.
  virtual std::unique_ptr<AppendFile> CreateAppendFile(const std::string& path) = 0;
  // Opens the file at `path` to append to it, when it is still `expected`
  // (what IdentifyFile said when it was read): same file, size and times.
  // Null when it changed, is a link or cannot be opened.
  virtual std::unique_ptr<AppendFile> ContinueAppendFile(const std::string& path,
                                                         const FileIdentity& expected) = 0;
};

// Forwards every call to a target. Tests derive from it and override only the
// call they want to fail. CopyNewFile and RemoveCopies are not forwarded: they
// are composed of the calls here, so an override of those sees every copy
// and every deletion.
class FileSystemWrapper : public FileSystem {
 public:
  explicit FileSystemWrapper(FileSystem* target) : target_(target) {}
  FileSystem* target() const { return target_; }

  bool IsFolder(const std::string& path) override { return target_->IsFolder(path); }
  bool IsFile(const std::string& path) override { return target_->IsFile(path); }
  bool CreateFolders(const std::string& path) override { return target_->CreateFolders(path); }
  bool CopyFileNoOverwrite(const std::string& from, const std::string& to,
                           CopyError* error = nullptr) override {
    return target_->CopyFileNoOverwrite(from, to, error);
  }
  bool RemoveFile(const std::string& path) override { return target_->RemoveFile(path); }
  bool IsLink(const std::string& path) override { return target_->IsLink(path); }
  std::optional<FileIdentity> IdentifyFile(const std::string& path) override {
    return target_->IdentifyFile(path);
  }
  bool RemoveEmptyFolder(const std::string& path, FileError* error = nullptr) override {
    return target_->RemoveEmptyFolder(path, error);
  }
  FolderMade MakeFolder(const std::string& path) override { return target_->MakeFolder(path); }
  bool ListFolder(const std::string& path, DIR_ENTRIES* entries,
                  DIR_ENTRIES* nameless = nullptr) override {
    return target_->ListFolder(path, entries, nameless);
  }
  bool CanEnterFolder(const std::string& path) override { return target_->CanEnterFolder(path); }
  bool SetReadOnly(const std::string& path, bool read_only) override {
    return target_->SetReadOnly(path, read_only);
  }
  std::string CurrentFolder() override { return target_->CurrentFolder(); }
  bool SetCurrentFolder(const std::string& path) override {
    return target_->SetCurrentFolder(path);
  }
  std::unique_ptr<std::istream> OpenTextRead(const std::string& path,
                                             FileError* error = nullptr) override {
    return target_->OpenTextRead(path, error);
  }
  std::unique_ptr<std::istream> OpenBinaryRead(const std::string& path,
                                               FileError* error = nullptr) override {
    return target_->OpenBinaryRead(path, error);
  }
  std::unique_ptr<OutputFile> OpenTextWrite(const std::string& path) override {
    return target_->OpenTextWrite(path);
  }
  std::unique_ptr<OutputFile> OpenBinaryWrite(const std::string& path) override {
    return target_->OpenBinaryWrite(path);
  }

  std::optional<FileIdentity> IdentifyFolder(const std::string& path) override {
    return target_->IdentifyFolder(path);
  }
  bool ListSubfolders(const std::string& path, DIR_ENTRIES* entries) override {
    return target_->ListSubfolders(path, entries);
  }
  std::optional<std::string> ResolveLinks(const std::string& path) override {
    return target_->ResolveLinks(path);
  }

  // --- List files and reports ---
  std::unique_ptr<OutputFile> CreateNewBinaryFile(const std::string& path,
                                                  FileError* error = nullptr) override {
    return target_->CreateNewBinaryFile(path, error);
  }
  bool ReplaceFileWith(const std::string& temp, const std::string& target) override {
    return target_->ReplaceFileWith(temp, target);
  }

  // --- Run journal ---
  std::unique_ptr<AppendFile> CreateAppendFile(const std::string& path) override {
    return target_->CreateAppendFile(path);
  }
  std::unique_ptr<AppendFile> ContinueAppendFile(const std::string& path,
                                                 const FileIdentity& expected) override {
    return target_->ContinueAppendFile(path, expected);
  }

 private:
  FileSystem* target_;
};

// A file opened by CreateAppendFile or ContinueAppendFile. Append hands the
// bytes to the system at once, so they survive the end of the process; Sync
// puts them on the disk, so they survive the loss of power. Closed when
// destroyed.
class AppendFile {
 public:
  AppendFile() = default;
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;
  virtual ~AppendFile() = default;

  // Writes `size` bytes after those appended before. False when not all of
  // them were written. Until the file is closed it may hold zero bytes after
  // them (room made ahead of time, which stays after a crash); closed, it
  // holds exactly what was appended. Readers take a zero byte as the end.
  virtual bool Append(const char* data, std::size_t size) = 0;
  // Waits until everything appended so far is on the disk. False on failure.
  virtual bool Sync() = 0;
};

}  // namespace ordovan
