// The Windows file layer: error numbers from the system's codes, binary bytes, the
// program's own files made anew, and no writing through a second name.
#include <windows.h>
#undef DeleteFile

#include <gtest/gtest.h>

#include <string>

#include "runtime/io_error_win32.h"
#include "runtime/text_file.h"
#include "tests/support/test_support.h"

namespace runtime {
namespace {

using test_support::ReadBytes;
using test_support::ScopedTempDir;
using test_support::StdoutToStderr;
using test_support::WriteBytes;

// GoogleTest's regular expressions on Windows know no brackets or counts.
std::string StopPattern(int number) {
  return "^Runtime error " + std::to_string(number) + " at \\$\\w\\w\\w\\w\\w\\w\\w\\w\r\n$";
}

TEST(ErrorNumberOfSystemError, KeepsOrMapsEachCode) {
  const struct {
    unsigned long code;
    int number;
  } rows[] = {{ERROR_FILE_NOT_FOUND, 2}, {ERROR_PATH_NOT_FOUND, 3},  {ERROR_TOO_MANY_OPEN_FILES, 4},
              {ERROR_ACCESS_DENIED, 5},  {ERROR_INVALID_HANDLE, 6},  {ERROR_SHARING_VIOLATION, 5},
              {ERROR_LOCK_VIOLATION, 5}, {ERROR_FILE_EXISTS, 5},     {ERROR_ALREADY_EXISTS, 5},
              {ERROR_DIR_NOT_EMPTY, 5},  {ERROR_WRITE_PROTECT, 150}, {ERROR_READ_FAULT, 161},
              {ERROR_WRITE_FAULT, 160},  {ERROR_GEN_FAILURE, 162},   {ERROR_DISK_FULL, 101},
              {ERROR_INVALID_NAME, 123}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(row.number, ErrorNumberOfSystemError(row.code));
  }
}

TEST(TextFileWin32, OpeningAndDeletingReportTheSystemsNumbers) {
  ScopedTempDir dir;
  const std::string folder = dir.path().string();
  WriteBytes(dir.path() / "held.txt", "x");
  TextFile held;
  ASSERT_EQ(0, held.OpenForReading(folder + "\\held.txt"));
  const struct {
    const char* name;
    int open;
    int remove;
  } rows[] = {{"\\missing.txt", 2, 2},
              {"\\no-folder\\x.txt", 3, 3},
              {"", 5, 5},             // the directory itself
              {"\\held.txt", 0, 5}};  // a file open here is not deleted
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TextFile file;
    EXPECT_EQ(row.open, file.OpenForReading(folder + row.name));
    if (row.open == 0) file.Close();
    EXPECT_EQ(row.remove, DeleteFile(folder + row.name));
  }
}

TEST(TextFileWin32StopTest, CreatingStopsWith5ForADirectoryAnd3ThroughAMissingFolder) {
  ScopedTempDir dir;
  const std::string folder = dir.path().string();
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile().Rewrite(folder);
      },
      testing::ExitedWithCode(5), StopPattern(5));
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile().Rewrite(folder + "\\no-folder\\x.par");
      },
      testing::ExitedWithCode(3), StopPattern(3));
}

TEST(TextFileWin32, OwnFilesReplaceWhatStandsAtTheNameAndReadOnlyPlainFiles) {
  ScopedTempDir dir;
  const std::string folder = dir.path().string();
  const std::string victim = folder + "\\victim.txt";
  const std::string own = folder + "\\99Store.txt.001";
  WriteBytes(victim, "keep me");
  ASSERT_TRUE(::CreateHardLinkA(own.c_str(), victim.c_str(), nullptr));
  TextFile out;
  out.CreateOwn(own);  // the planted name goes; the file it shared is not touched
  out.Write("job\r\n");
  out.Close();
  EXPECT_EQ("keep me", ReadBytes(victim));
  EXPECT_EQ("job\r\n", ReadBytes(own));
  const struct {
    const char* name;
    int open;
  } rows[] = {{"\\99Store.txt.001", 0}, {"\\missing.txt", 2}, {"\\no-folder\\x.txt", 3}, {"", 5}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TextFile in;
    EXPECT_EQ(row.open, in.OpenOwnForReading(folder + row.name));
    if (row.open == 0) {
      EXPECT_EQ('j', in.ReadChar());
      in.Close();
    }
  }
}

TEST(TextFileWin32StopTest, OwnFileStopsWith5WhereTheNameCannotBeFreed) {
  ScopedTempDir dir;
  const std::string held = (dir.path() / "99Store.txt").string();
  WriteBytes(held, "held");
  // Open elsewhere without leave to delete it: the name stays, so the creation fails.
  const HANDLE other = ::CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, other);
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile().CreateOwn(held);
      },
      testing::ExitedWithCode(5), StopPattern(5));
  ::CloseHandle(other);
  EXPECT_EQ("held", ReadBytes(held));
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile().CreateOwn(dir.path().string());
      },
      testing::ExitedWithCode(5), StopPattern(5));
}

TEST(TextFileWin32StopTest, NeverWritesIntoAFileThatHasAnotherName) {
  ScopedTempDir dir;
  const std::string victim = (dir.path() / "victim.txt").string();
  const std::string planted = (dir.path() / "session.par").string();
  WriteBytes(victim, "keep me");
  ASSERT_TRUE(::CreateHardLinkA(planted.c_str(), victim.c_str(), nullptr));
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile().Rewrite(planted);
      },
      testing::ExitedWithCode(5), StopPattern(5));
  EXPECT_EQ("keep me", ReadBytes(victim));
}

TEST(TextFileWin32, BytesPassUnchangedBothWays) {
  ScopedTempDir dir;
  const std::string name = (dir.path() / "file.txt").string();
  WriteBytes(name, "stale content that is longer");
  TextFile out;
  out.Rewrite(name);  // truncates in place
  out.WriteLine("a\nb\r");
  out.Close();
  EXPECT_EQ("a\nb\r\r\n", ReadBytes(name));
  TextFile in;
  ASSERT_EQ(0, in.OpenForReading(name));
  std::string read;
  while (const std::optional<char> c = in.ReadChar()) read += *c;
  EXPECT_EQ("a\nb\r\r\n", read);
}

}  // namespace
}  // namespace runtime
