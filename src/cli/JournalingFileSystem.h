#pragma once
// Journals a run as it works: every folder the run creates is journaled
// before it is made, every copy before it begins and once it is complete, so
// that a run ended by a crash or a kill can still be taken back by `undo`.
// Everything else goes straight through to the real file system.

#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace ordovan {
class RunJournalWriter;
}

namespace ordovan::cli {

class JournalingFileSystem : public FileSystemWrapper {
 public:
  // `destination`: the run's; only folders below it are the run's to create.
  JournalingFileSystem(FileSystem* target, RunJournalWriter& journal, std::string destination)
      : FileSystemWrapper(target), journal_(journal), destination_(std::move(destination)) {}

  bool CreateFolders(const std::string& path) override;
  bool CopyFileNoOverwrite(const std::string& from, const std::string& to) override;
  std::optional<FileIdentity> IdentifyFile(const std::string& path) override;

 private:
  RunJournalWriter& journal_;
  std::string destination_;
  // The identity of the copy just made, read for the journal; the run asks
  // for it next, and nothing can have changed the file in between.
  std::string last_copy_;
  std::optional<FileIdentity> last_copy_identity_;
};

}  // namespace ordovan::cli
