#include "runtime/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/support/test_support.h"

namespace runtime {
namespace {

using test_support::ReadBytes;
using test_support::ScopedTempDir;
using test_support::StdoutToStderr;
using test_support::WriteBytes;

constexpr char kStopPattern[] = "^Runtime error %d at \\$[0-9A-F]{8}\r\n$";

std::string StopPattern(int number) {
  char pattern[64];
  std::snprintf(pattern, sizeof pattern, kStopPattern, number);
  return pattern;
}

class TextFileTest : public testing::Test {
 protected:
  // Opens a file holding bytes for reading.
  TextFile& Open(const std::string& bytes) {
    const std::string name = (dir_.path() / "input.txt").string();
    WriteBytes(name, bytes);
    EXPECT_EQ(0, file_.OpenForReading(name));
    return file_;
  }
  std::string PathOf(const std::string& name) const { return (dir_.path() / name).string(); }

  ScopedTempDir dir_;
  TextFile file_;
};

using TextFileDeathTest = TextFileTest;

TEST_F(TextFileTest, EachLineEndStyleEndsALine) {
  TextFile& f = Open("crlf\r\nlf\ncr\rlast");
  EXPECT_EQ(Text("crlf"), f.TakeLine());
  EXPECT_EQ(Text("lf"), f.TakeLine());
  EXPECT_EQ(Text("cr"), f.TakeLine());
  EXPECT_FALSE(f.Eof());
  EXPECT_EQ(Text("last"), f.TakeLine());
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(Text(), f.TakeLine());  // reading past the end is no error
}

TEST_F(TextFileTest, ReadLineLeavesTheLineEndAndEmptyLinesCount) {
  TextFile& f = Open("a\r\n\r\n\nb");
  EXPECT_EQ(Text("a"), f.ReadLine());
  EXPECT_EQ(Text(), f.ReadLine());  // still before the line end
  f.SkipLine();
  EXPECT_EQ(Text(), f.TakeLine());
  EXPECT_EQ(Text(), f.TakeLine());
  EXPECT_EQ(Text("b"), f.TakeLine());
}

TEST_F(TextFileTest, CtrlZEndsTheReadableInputWhereverItStands) {
  TextFile& f = Open("one\r\n\x1Ahidden\r\n");
  EXPECT_EQ(Text("one"), f.TakeLine());
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(Text(), f.TakeLine());
  EXPECT_TRUE(f.Eof());

  TextFile& g = Open(
      "ab\x1A"
      "cd\n");
  EXPECT_EQ(Text("ab"), g.TakeLine());
  EXPECT_TRUE(g.Eof());
}

TEST_F(TextFileTest, ALineOver255CharactersIsCutAndItsRestSkipped) {
  const std::string long_line(1000, 'x');
  TextFile& f = Open(long_line + "\nnext\n");
  EXPECT_EQ(Text(std::string(255, 'x')), f.TakeLine());
  EXPECT_EQ(Text("next"), f.TakeLine());
}

TEST_F(TextFileTest, IntegersAreReadAcrossLinesAndNothingLeftGivesZero) {
  TextFile& f = Open("  12\r\n\t\r\n  -7 rest\n\x01$1F");
  EXPECT_EQ(12, f.ReadInteger());
  EXPECT_EQ(-7, f.ReadInteger());
  EXPECT_EQ(Text(" rest"), f.ReadLine());  // the terminator is left unread
  f.SkipLine();
  EXPECT_EQ(31, f.ReadInteger());
  EXPECT_EQ(0, f.ReadInteger());
  EXPECT_TRUE(f.Eof());
}

TEST_F(TextFileTest, ReadCharTakesLineEndsAsCharacters) {
  TextFile& f = Open("a\r\nb");
  EXPECT_EQ('a', f.ReadChar());
  EXPECT_EQ('\r', f.ReadChar());
  EXPECT_EQ('\n', f.ReadChar());
  EXPECT_EQ('b', f.ReadChar());
  EXPECT_EQ(std::nullopt, f.ReadChar());
}

TEST_F(TextFileDeathTest, ABadNumberStopsWith106) {
  TextFile& f = Open("  9,\r\n");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        f.ReadInteger();
      },
      testing::ExitedWithCode(106), StopPattern(106));
}

TEST_F(TextFileDeathTest, AFullDeviceStopsWith101OnceABlockIsWritten) {
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile out;
        out.Rewrite("/dev/full");
        out.Write(std::string(255, 'x'));  // still in the buffer: no error yet
        std::fprintf(stderr, "buffered\n");
        out.Write("yz");
      },
      testing::ExitedWithCode(101), "buffered\nRuntime error 101 at \\$[0-9A-F]{8}\r\n$");
}

TEST_F(TextFileDeathTest, MisusedFilesStopWithTheirNumbers) {
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile().ReadLine();
      },
      testing::ExitedWithCode(103), StopPattern(103));
  EXPECT_EXIT(
      {
        StdoutToStderr();
        Open("x").Write("y");
      },
      testing::ExitedWithCode(105), StopPattern(105));
  const std::string name = PathOf("out.txt");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile out;
        out.Rewrite(name);
        out.Eof();
      },
      testing::ExitedWithCode(104), StopPattern(104));
  EXPECT_EXIT(
      {
        StdoutToStderr();
        TextFile().Rewrite(PathOf("no/such/dir"));
      },
      testing::ExitedWithCode(2), StopPattern(2));
}

TEST_F(TextFileTest, WritingEndsLinesWithCrLfAndReplacesThroughALinkInPlace) {
  const std::string target = PathOf("target.txt");
  const std::string link = PathOf("link.txt");
  WriteBytes(target, "old content that is longer\r\n");
  std::filesystem::create_symlink(target, link);
  TextFile out;
  out.Rewrite(link);
  out.WriteLine("first");
  out.Write(std::string(600, 'z'));
  out.WriteLine();
  out.Close();
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ("first\r\n" + std::string(600, 'z') + "\r\n", ReadBytes(target));
}

TEST_F(TextFileTest, OpeningForReadingAndDeletingReportTheirErrorNumbers) {
  TextFile f;
  EXPECT_EQ(2, f.OpenForReading(PathOf("missing")));
  EXPECT_EQ(5, f.OpenForReading(dir_.path().string()));  // a directory is no text file
  EXPECT_EQ(2, f.OpenForReading(PathOf("missing/x")));
  EXPECT_EQ(2, DeleteFile(PathOf("missing")));
  WriteBytes(PathOf("present"), "x");
  EXPECT_EQ(0, DeleteFile(PathOf("present")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("present")));
  const std::string file = PathOf("file");
  WriteBytes(file, "x");
  EXPECT_EQ(3, f.OpenForReading(file + "/below"));  // a file used as a directory
}

}  // namespace
}  // namespace runtime
