#include "platform/NativePath.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempTree.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

std::string NativeText(const std::string& program_path) {
  auto native = ToNativePath(program_path);
  return native ? NativeToUtf8(*native) : "<none>";
}

std::string ProgramText(const fs::path& native) {
  return ToProgramPath(native).value_or("<none>");
}

class NativePathTest : public ::testing::Test {
 protected:
  testing::TempTree tree;
};

TEST_F(NativePathTest, MountedDriveRunsInsideItsDirectory) {
  fs::path f = tree.Mount("f:");
  const std::string dir = NativeToUtf8(f);
#ifdef _WIN32
  const std::string sep = "\\";
#else
  const std::string sep = "/";
#endif
  EXPECT_EQ(NativeText("f:\\Old Clients\\Client1\\2016"),
            dir + sep + "Old Clients" + sep + "Client1" + sep + "2016");
  EXPECT_EQ(NativeText("F:\\Old Clients"), dir + sep + "Old Clients");  // any case
  EXPECT_EQ(NativeText("f:/Old Clients/Client1"), dir + sep + "Old Clients" + sep + "Client1");
  EXPECT_EQ(NativeText("f:\\"), dir);
  EXPECT_EQ(NativeText("f:"), dir);

  EXPECT_EQ(ProgramText(f / "Old Clients" / "Client1"), "f:\\Old Clients\\Client1");
  EXPECT_EQ(ProgramText(f), "f:\\");
  EXPECT_EQ(ProgramText(f / ""), "f:\\");
}

TEST_F(NativePathTest, DotDotStopsAtTheRootOfAMountedDrive) {
  fs::path f = tree.Mount("f:");
  EXPECT_EQ(NativeText("f:\\..\\Escape\\2016"), NativeToUtf8(f / "Escape" / "2016"));
  EXPECT_EQ(NativeText("f:\\a\\..\\..\\..\\b"), NativeToUtf8(f / "b"));
  EXPECT_EQ(NativeText("f:\\a\\.\\b\\..\\c"), NativeToUtf8(f / "a" / "c"));
  EXPECT_EQ(NativeText("f:\\.."), NativeToUtf8(f));
  // Names that merely hold dots are names.
  EXPECT_EQ(NativeText("f:\\..a\\b..\\.c"), NativeToUtf8(f / "..a" / "b.." / ".c"));
}

TEST_F(NativePathTest, NonAsciiNamesRoundTrip) {
  tree.Mount("f:");
  for (const std::string path :
       {"f:\\\xC3\x84rger\\\xE6\x97\xA5\xE6\x9C\xAC", "f:\\caf\xC3\xA9\\na\xC3\xAFve \xF0\x9F\x93\x81"}) {
    auto native = ToNativePath(path);
    ASSERT_TRUE(native.has_value()) << path;
    EXPECT_EQ(ToProgramPath(*native).value_or("<none>"), path);
  }
  EXPECT_EQ(NativeToUtf8(Utf8ToNative("\xC3\x84rger")), "\xC3\x84rger");
}

TEST_F(NativePathTest, InnermostMountWins) {
  fs::path f = tree.Mount("f:");
  fs::create_directories(f / "sub");
  MountDrive("g:", f / "sub");
  EXPECT_EQ(ProgramText(f / "sub" / "x"), "g:\\x");
  EXPECT_EQ(ProgramText(f / "sub"), "g:\\");
  // A longer name is not inside the mount.
  EXPECT_EQ(ProgramText(f / "subway"), "f:\\subway");
  UnmountDrive("g:");
  EXPECT_EQ(ProgramText(f / "sub" / "x"), "f:\\sub\\x");
#ifndef _WIN32
  EXPECT_FALSE(ToNativePath("g:\\x").has_value());
#else
  EXPECT_EQ(NativeText("g:\\x"), "g:\\x");
#endif
}

#ifndef _WIN32

TEST_F(NativePathTest, PosixDriveCIsTheRoot) {
  EXPECT_EQ(NativeText("c:\\home\\ann"), "/home/ann");
  EXPECT_EQ(NativeText("C:\\home\\ann\\"), "/home/ann/");
  EXPECT_EQ(NativeText("c:\\"), "/");
  EXPECT_EQ(NativeText("c:"), "/");
  EXPECT_EQ(ProgramText("/home/ann"), "c:\\home\\ann");
  EXPECT_EQ(ProgramText("/home//ann/"), "c:\\home\\ann");
  EXPECT_EQ(ProgramText("/"), "c:\\");
}

TEST_F(NativePathTest, PosixPathsWithoutNativeForm) {
  EXPECT_FALSE(ToNativePath("d:\\data").has_value());  // no such drive
  EXPECT_FALSE(ToNativePath("\\\\server\\share\\x").has_value());
  EXPECT_FALSE(ToNativePath("//server/share").has_value());
  EXPECT_FALSE(ToNativePath("").has_value());
  // A backslash in a POSIX name cannot be written as a program path.
  EXPECT_FALSE(ToProgramPath("/tmp/a\\b").has_value());
}

TEST_F(NativePathTest, PosixMountingDriveCReplacesTheRoot) {
  fs::path c = tree.Mount("c:");
  EXPECT_EQ(NativeText("c:\\x"), NativeToUtf8(c / "x"));
  EXPECT_EQ(NativeText("\\x"), NativeToUtf8(c / "x"));  // rooted paths are on c:
  EXPECT_FALSE(ToProgramPath("/etc").has_value());       // outside every drive now
  UnmountDrive("c:");
  EXPECT_EQ(ProgramText("/etc"), "c:\\etc");
  EXPECT_EQ(NativeText("c:\\x"), "/x");
}

TEST_F(NativePathTest, PosixResetForgetsMounts) {
  tree.Mount("f:");
  tree.Mount("c:");
  ResetDriveTable();
  EXPECT_FALSE(ToNativePath("f:\\x").has_value());
  EXPECT_EQ(NativeText("c:\\x"), "/x");
}

TEST_F(NativePathTest, PosixRelativePathsStayRelative) {
  EXPECT_EQ(NativeText("conf\\default.set"), "conf/default.set");
  EXPECT_EQ(ProgramText("conf/default.set"), "conf\\default.set");
}

#else

TEST_F(NativePathTest, WindowsProgramPathIsTheNativePath) {
  EXPECT_EQ(NativeText("c:\\Windows\\System32"), "c:\\Windows\\System32");
  EXPECT_EQ(NativeText("c:/Windows/System32"), "c:\\Windows\\System32");
  EXPECT_EQ(NativeText("d:"), "d:\\");
  EXPECT_EQ(NativeText("\\\\server\\share\\x"), "\\\\server\\share\\x");
  EXPECT_EQ(ProgramText(L"C:\\Users"), "C:\\Users");
  EXPECT_EQ(ProgramText(L"\\\\?\\C:\\Users"), "C:\\Users");
  EXPECT_EQ(ProgramText(L"\\\\?\\UNC\\server\\share\\x"), "\\\\server\\share\\x");
}

TEST_F(NativePathTest, WindowsLongPathsTakeTheLongForm) {
  const std::string name(60, 'n');
  std::string path = "c:";
  while (path.size() < 300) path += "\\" + name;
  auto native = ToNativePath(path);
  ASSERT_TRUE(native.has_value());
  EXPECT_EQ(native->native().rfind(L"\\\\?\\c:\\", 0), 0u) << NativeToUtf8(*native);
  EXPECT_EQ(native->native().find(L'/'), std::wstring::npos);
  EXPECT_EQ(ProgramText(*native), path);

  // Forward slashes and doubled separators are normalized: the long form
  // would take them literally.
  std::string slashed = path;
  for (char& c : slashed) {
    if (c == '\\') c = '/';
  }
  EXPECT_EQ(ToNativePath(slashed)->native(), native->native());

  std::string unc = "\\\\server\\share";
  while (unc.size() < 300) unc += "\\" + name;
  auto unc_native = ToNativePath(unc);
  ASSERT_TRUE(unc_native.has_value());
  EXPECT_EQ(unc_native->native().rfind(L"\\\\?\\UNC\\server\\share\\", 0), 0u);
  EXPECT_EQ(ProgramText(*unc_native), unc);

  EXPECT_EQ(NativeText("c:\\" + std::string(200, 's')), "c:\\" + std::string(200, 's'));
}

#endif

}  // namespace
}  // namespace ordovan
