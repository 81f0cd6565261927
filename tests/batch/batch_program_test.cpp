// dealmint-batch as a program: bad records reported and left out, the rest written, its
// command line, and the GNU parallel recipe of the manual page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "tests/batch/batch_run.h"

namespace {

namespace fs = std::filesystem;
using test_support::ReadBytes;
using test_support::WriteBytes;

constexpr char kDeal1[] = "N:Q743.Q32.9754.T2 6.9754.AK83.AQ86 K9.KJT6.QJT6.J94 AJT852.A8.2.K753";
constexpr char kDeal2[] = "N:KJT942.T2.AJ2.K8 A863.76.KT97.AQ9 7.K843.Q85.75432 Q5.AQJ95.643.JT6";

std::string Record(const std::string& board, const std::string& dealer, const std::string& vul,
                   const std::string& deal, const std::string& extra = "") {
  return "[Board \"" + board + "\"]\n[Dealer \"" + dealer + "\"]\n[Vulnerable \"" + vul +
         "\"]\n[Deal \"" + deal + "\"]\n" + extra + "\n";
}

TEST_F(BatchRun, ReportsEachBadRecordWhereItStandsAndWritesTheGoodOnes) {
  const std::string good1 = Record("1", "N", "None", kDeal1);
  const std::string good2 = Record("2", "E", "NS", kDeal2);
  const std::string bad =
      Record("x", "N", "None", kDeal1) +                               // line 7
      Record("3", "N", "LOVELY", kDeal1) +                             // line 12
      Record("4", "Q", "None", kDeal1) +                               // line 17
      Record("5", "N", "None", "N:Q743.Q32 6.9754.AK83.AQ86 K9 AJ") +  // 22
      Record("6", "N", "None",
             "X:Q743.Q32.9754.T2 6.9754.AK83.AQ86 K9.KJT6.QJT6.J94 AJT852.A8.2.K753") +
      Record("7", "N", "None",
             "N:Q743.Q32.9754.T2 6.9754.AK83.AQ86 K9.KJT6.QJT6.J94 AJT852.A8.2.K75") +
      Record("8", "N", "None",
             "N:Q743.Q32.9754.T2 6.9754.AK83.AQ86 K9.KJT6.QJT6.J94 AJT852.A8.2.K752") +
      Record("9", "N", "None", kDeal1, "[Score \"NS many\"]\n");
  WriteBytes(work() / "mixed.pbn", good1 + bad + good2);
  const Result run = RunBatch("--par mixed.par --json mixed.json mixed.pbn");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(
      "mixed.pbn:6: board ?: Error decoding board number: X\n"
      "mixed.pbn:13: board 3: Unrecognized vulnerability: \"LOVELY\"]\n"
      "mixed.pbn:17: board 4: Unrecognized dealer: \"Q\"]\n"
      "mixed.pbn:24: board 5: Not enough dots in hand: Q743.Q32\n"
      "mixed.pbn:29: board 6: LoadHand does not recognize hand X\n"
      "mixed.pbn:34: board 7: Bad deal: west's hand: 12 cards, not 13\n"
      "mixed.pbn:39: board 8: Bad deal: west's hand: C2 is held by n too\n"
      "mixed.pbn:45: board 9: Error decoding score: MANY\n"
      "dealmint-batch: 10 records, 2 analysed, 8 left out; 2 deals solved, 0 from the cache\n",
      run.errors);
  // Bad records are copied as they stand; the good ones gain their tags.
  const std::string output = run.output;
  EXPECT_NE(std::string::npos, output.find(bad));
  EXPECT_NE(std::string::npos, output.find("[ParContract \"EW 6S=\"]\n\n[Board \"x\"]"));
  const std::string par = ReadBytes(work() / "mixed.par");
  EXPECT_TRUE(par.starts_with("1\t-980\t6\t4\t3\t")) << par;
  EXPECT_NE(std::string::npos, par.find("\r\n2\t")) << par;
  EXPECT_EQ(2, std::count(par.begin(), par.end(), '\n'));
}

TEST_F(BatchRun, TakesMissingDealerAndVulnerabilityFromTheBoardNumberWithAWarning) {
  WriteBytes(work() / "in.pbn", "[Board \"7\"]\r\n[Deal \"" + std::string(kDeal1) + "\"]\r\n");
  const Result run = RunBatch("--quiet --json out.json in.pbn");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ(
      "in.pbn:2: board 7: warning: no Vulnerable tag, taken from the board number\n"
      "in.pbn:2: board 7: warning: no Dealer tag, taken from the board number\n",
      run.errors);
  const std::string json = ReadBytes(work() / "out.json");
  EXPECT_NE(std::string::npos, json.find("\"dealer\":\"S\",\"vulnerability\":\"All\"")) << json;
  // The tags follow the Deal line with its own line end, the last one ending the input.
  EXPECT_TRUE(run.output.ends_with("[ParContract \"EW 6S=\"]\r\n")) << run.output;
  EXPECT_NE(std::string::npos, run.output.find("K753\"]\r\n[DoubleDummyTricks \""));
}

TEST_F(BatchRun, ReadsTagsOutsideCommentsOnlyAndSkipsAByteOrderMark) {
  const std::string input =
      "\xEF\xBB\xBF[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n{A note\n"
      "[Deal \"N:broken\"]\n[Vulnerable \"All\"] } [Deal \"" +
      std::string(kDeal1) + "\"]\n";
  WriteBytes(work() / "in.pbn", input);
  const Result run = RunBatch("--quiet --par out.par in.pbn");
  EXPECT_EQ(0, run.exit_code) << run.errors;
  EXPECT_TRUE(ReadBytes(work() / "out.par").starts_with("1\t-980\t6\t4\t3\t"));
}

TEST_F(BatchRun, RefusesABadCommandLineAndAnOutputThatIsAlsoAnInput) {
  WriteBytes(work() / "in.pbn", Record("1", "N", "None", kDeal1));
  for (const char* arguments : {"--threads 0 in.pbn", "--frobnicate in.pbn", "--par"}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(2, RunBatch(arguments).exit_code);
  }
  const Result run = RunBatch("-o in.pbn in.pbn");
  EXPECT_EQ(2, run.exit_code);
  EXPECT_EQ(Record("1", "N", "None", kDeal1), ReadBytes(work() / "in.pbn"));
}

TEST_F(BatchRun, TwoParallelJobsWriteTheSameBytesAsOneProcess) {
  if (RunIn("command -v parallel > /dev/null").exit_code != 0) GTEST_SKIP() << "no parallel";
  std::string input;
  for (int board = 1; board <= 24; ++board) {
    input += Record(std::to_string(board), "N", "None", board % 2 ? kDeal1 : kDeal2,
                    "[Event \"e" + std::to_string(board) + "\"]\r\n");
  }
  WriteBytes(work() / "in.pbn", input);
  const Result one = RunBatch("--quiet in.pbn");
  ASSERT_EQ(0, one.exit_code);
  // The recipe of the manual page, on two local jobs with small blocks.
  const test_support::RunResult two =
      RunIn("parallel --will-cite --pipe --keep-order --jobs 2 --block 300 --recend '\\n\\n' " +
            std::string(kBatchBin) + " --no-cache --quiet < in.pbn");
  EXPECT_EQ(0, two.exit_code);
  EXPECT_EQ(one.output, two.output);
}

}  // namespace
