#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/PathServices.h"
#include "support/TempTree.h"

namespace ordovan {
namespace {

#ifndef _WIN32

namespace fs = std::filesystem;

// Runs with PATH set to one folder, then puts the old PATH back.
class OnlyPath {
 public:
  explicit OnlyPath(const fs::path& dir) : old_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    ::setenv("PATH", dir.c_str(), 1);
  }
  ~OnlyPath() { ::setenv("PATH", old_.c_str(), 1); }

 private:
  std::string old_;
};

class OpenFolderInShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f = tree.Mount("f:");
    tree.Folder("f:\\Old Clients\\Client1");
    bin = tree.root() / "bin";
    fs::create_directories(bin);
  }

  testing::TempTree tree;
  fs::path f;
  fs::path bin;
};

TEST_F(OpenFolderInShellTest, HandsTheNativeFolderToXdgOpen) {
  const fs::path said = tree.root() / "said.txt";
  {
    std::ofstream script(bin / "xdg-open");
    script << "#!/bin/sh\nprintf '%s' \"$1\" > '" << said.native() << ".tmp'\n/bin/mv '"
           << said.native() << ".tmp' '" << said.native() << "'\n";
  }
  fs::permissions(bin / "xdg-open", fs::perms::owner_all);
  {
    OnlyPath path(bin);
    EXPECT_TRUE(OpenFolderInShell("f:\\Old Clients\\Client1"));
  }
  // Not waited for: the answer comes when the started program gets to it.
  for (int i = 0; i < 500 && !fs::exists(said); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(said);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
            (f / "Old Clients" / "Client1").native());
}

TEST_F(OpenFolderInShellTest, MissingXdgOpenIsAFailedRequest) {
  OnlyPath path(bin);  // holds no xdg-open
  EXPECT_FALSE(OpenFolderInShell("f:\\Old Clients\\Client1"));
  EXPECT_FALSE(OpenFolderInShell("q:\\unmapped"));
}

#endif

}  // namespace
}  // namespace ordovan
