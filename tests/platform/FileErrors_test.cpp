// The reasons a caller must tell apart without asking the disk again, on the
// real backend: why a file did not open or could not be made new, why a
// folder was not removed, and whether the last bytes of a written file
// landed.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

TEST(FileErrors, EachCallSaysWhyItFailed) {
  testing::TempTree tree;
  tree.Mount("f:");
  tree.File("f:\\old.txt", "old");
  tree.Folder("f:\\folder");
  tree.Folder("f:\\full", {"a.txt"});
  FileSystem& files = *FileSystem::Default();

  using Call = std::function<bool(FileError*)>;
  const struct {
    const char* what;
    Call call;
    std::optional<FileError> error;  // none: it succeeds
  } cases[] = {
      {"read a file", [&](FileError* e) { return !!files.OpenBinaryRead("f:\\old.txt", e); }, {}},
      {"read nothing", [&](FileError* e) { return !!files.OpenBinaryRead("f:\\none.txt", e); },
       FileError::kNotFound},
      {"read below nothing",
       [&](FileError* e) { return !!files.OpenTextRead("f:\\none\\x.txt", e); }, FileError::kNotFound},
      {"read a folder", [&](FileError* e) { return !!files.OpenBinaryRead("f:\\folder", e); },
       FileError::kWrongKind},
#ifndef _WIN32
      {"read a device", [&](FileError* e) { return !!files.OpenBinaryRead("c:\\dev\\null", e); },
       FileError::kWrongKind},
#endif
      {"make a file anew",
       [&](FileError* e) { return !!files.CreateNewBinaryFile("f:\\new.txt", e); }, {}},
      {"make over a file",
       [&](FileError* e) { return !!files.CreateNewBinaryFile("f:\\old.txt", e); }, FileError::kExists},
      {"make over a folder",
       [&](FileError* e) { return !!files.CreateNewBinaryFile("f:\\folder", e); }, FileError::kExists},
      {"make below nothing",
       [&](FileError* e) { return !!files.CreateNewBinaryFile("f:\\none\\x.txt", e); },
       FileError::kNotFound},
      {"remove a full folder", [&](FileError* e) { return files.RemoveEmptyFolder("f:\\full", e); },
       FileError::kRefused},
      {"remove nothing", [&](FileError* e) { return files.RemoveEmptyFolder("f:\\none", e); },
       FileError::kNotFound},
      {"remove a file as a folder",
       [&](FileError* e) { return files.RemoveEmptyFolder("f:\\old.txt", e); }, FileError::kWrongKind},
      {"remove an empty folder", [&](FileError* e) { return files.RemoveEmptyFolder("f:\\folder", e); },
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // Another reason first, so that only a call that says why passes.
    FileError error = c.error == FileError::kRefused ? FileError::kNotFound : FileError::kRefused;
    EXPECT_EQ(c.call(&error), !c.error);
    if (c.error) {
      EXPECT_EQ(error, *c.error);
    }
  }
  EXPECT_TRUE(files.IsFile("f:\\old.txt"));

  std::unique_ptr<OutputFile> written = files.OpenBinaryWrite("f:\\written.txt");
  ASSERT_NE(written, nullptr);
  *written << "all of it";
  EXPECT_TRUE(written->Close());
#ifndef _WIN32
  // A device that takes no byte: the buffered write fails only as it closes.
  std::unique_ptr<OutputFile> full = files.OpenBinaryWrite("c:\\dev\\full");
  ASSERT_NE(full, nullptr);
  *full << "lost";
  EXPECT_FALSE(full->Close());
#endif
}

}  // namespace
}  // namespace ordovan
