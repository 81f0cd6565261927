#include "solver/gib_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/test_support.h"

namespace solver {
namespace {

TEST(ParseArgumentLine, ReadsTheOptionsAndTheJobFile) {
  const struct {
    const char* line;
    bool verbose;
    const char* job_file;
    const char* fault;
  } cases[] = {
      {"-d -v 99Store.txt.001", true, "99Store.txt.001", ""},
      {"-d 99Store.txt.001", false, "99Store.txt.001", ""},
      {"\t job  -v\t", true, "job", ""},
      {"job", false, "job", ""},
      {"-d -x job", false, "", "unknown option -x"},
      {"-dv job", false, "", "unknown option -dv"},
      {"-d job -", false, "job", "unknown option -"},
      {"-d -v", true, "", "no job file named"},
      {"a b", false, "a", "more than one job file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const ArgumentLine parsed = ParseArgumentLine(c.line);
    EXPECT_EQ(c.verbose, parsed.verbose);
    EXPECT_EQ(c.job_file, parsed.job_file);
    EXPECT_EQ(c.fault, parsed.fault);
  }
}

// RunGib on in-memory streams, with job files in a directory of their own.
class RunGibTest : public testing::Test {
 protected:
  struct Outcome {
    int code;
    std::string out;
    std::string err;
  };

  // A job file for the deal where each hand holds one whole suit: North spades, East
  // hearts, South diamonds, West clubs.
  std::string OneSuitEach(const std::string& name, const char* lead_line) const {
    const std::string path = (dir_.path() / name).string();
    test_support::WriteBytes(path,
                             "w ...AKQJT98765432\r\nn AKQJT98765432...\r\ne .AKQJT98765432..\r\n"
                             "s ..AKQJT98765432.\r\n" +
                                 std::string(lead_line) + "\r\n");
    return path;
  }

  static Outcome Run(const std::string& input, std::FILE* out = nullptr) {
    std::FILE* in = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
    char* out_text = nullptr;
    char* err_text = nullptr;
    size_t out_size = 0, err_size = 0;
    std::FILE* own_out = out != nullptr ? out : open_memstream(&out_text, &out_size);
    std::FILE* err = open_memstream(&err_text, &err_size);
    const int code = RunGib(in, own_out, err);
    std::fclose(in);
    std::fclose(own_out);
    std::fclose(err);
    Outcome outcome{code, out_text != nullptr ? out_text : "", err_text};
    std::free(out_text);
    std::free(err_text);
    return outcome;
  }

  test_support::ScopedTempDir dir_;
};

TEST_F(RunGibTest, PassesOverBlankLinesAndAcceptsEveryLineEnd) {
  const std::string job = OneSuitEach("job", "w h");  // declarer South in hearts
  const Outcome outcome = Run("\r\n-d " + job + "\r \t\n-d " + job + "\n-v " + job + "\r");
  EXPECT_EQ(0, outcome.code);
  const std::string answer = "Enter argument line: \r\nTricks for NS: 0\r\n";
  EXPECT_EQ(answer + answer + answer +
                "Deal: N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\r\n"
                "Leader: w  Strain: h\r\n",
            outcome.out);
  EXPECT_EQ("", outcome.err);
}

TEST_F(RunGibTest, NoInputGivesNoOutput) {
  const Outcome outcome = Run("");
  EXPECT_EQ(0, outcome.code);
  EXPECT_EQ("", outcome.out);
}

TEST_F(RunGibTest, AJobAfterAFaultIsNotAnswered) {
  const std::string job = OneSuitEach("job", "e s");
  const Outcome outcome = Run("-d " + job + "\r\n-q " + job + "\r\n-d " + job + "\r\n");
  EXPECT_EQ(2, outcome.code);
  EXPECT_EQ("Enter argument line: \r\nTricks for NS: 13\r\nEnter argument line: \r\n", outcome.out);
  EXPECT_EQ("gib: argument line \"-q " + job + "\": unknown option -q\n", outcome.err);
}

TEST_F(RunGibTest, AnOverlongArgumentLineIsAFaultThatQuotesOnlyItsStart) {
  const std::string job = OneSuitEach("job", "e s");
  // 64 KiB is still an argument line (a long name of a missing file); one byte more is not.
  const std::string longest = "-d " + job + "/" + std::string(65536 - job.size() - 4, 'x');
  const Outcome fits = Run(longest + "\n");
  EXPECT_EQ(2, fits.code);
  EXPECT_NE(std::string::npos, fits.err.find("cannot open the job file")) << fits.err.size();
  for (const size_t length : {size_t{65537}, size_t{8} << 20}) {
    SCOPED_TRACE(length);
    const std::string line = "-d " + std::string(length - 3, 'y');
    const Outcome outcome = Run("-d " + job + "\n" + line + "\r\n-d " + job + "\n");
    EXPECT_EQ(2, outcome.code);
    EXPECT_EQ("Enter argument line: \r\nTricks for NS: 13\r\nEnter argument line: \r\n",
              outcome.out);
    EXPECT_EQ("gib: argument line \"" + line.substr(0, 64) +
                  "...\": longer than 65536 bytes: not an argument line\n",
              outcome.err);
  }
}

TEST_F(RunGibTest, OutputThatCannotBeWrittenIsAFault) {
  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(nullptr, full);
  const Outcome outcome = Run("-d " + OneSuitEach("job", "e s") + "\r\n", full);
  EXPECT_EQ(2, outcome.code);
  EXPECT_EQ("gib: standard output: No space left on device\n", outcome.err);
}

}  // namespace
}  // namespace solver
