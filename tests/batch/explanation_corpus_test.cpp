#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/batch/batch_run.h"
#include "tests/batch/explanation_reading.h"

namespace {

// The "{...}" comments that follow a ParContract tag line, their lines joined by blanks.
std::vector<std::string> CommentariesAfterPar(const std::string& pbn) {
  std::vector<std::string> found;
  for (size_t at = pbn.find("[ParContract "); at != std::string::npos;
       at = pbn.find("[ParContract ", at + 1)) {
    const size_t open = pbn.find_first_not_of("\r\n", pbn.find(']', at) + 1);
    if (open == std::string::npos || pbn[open] != '{') continue;
    std::string text = pbn.substr(open + 1, pbn.find('}', open) - open - 1);
    std::string joined;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r') continue;
      joined += text[i] == '\n' ? ' ' : text[i];
    }
    found.push_back(joined);
  }
  return found;
}

// Every analysed corpus record: the explanation in the JSON ends in the par contract and
// score of the record's par tags, and --explain writes the same text, with strain letters,
// as the comment after them.
TEST_F(BatchRun, ExplanationsAgreeWithTheParOfEveryCorpusRecordInJsonAndPbn) {
  namespace fs = std::filesystem;
  if (!fs::exists(test_support::CorpusDir())) GTEST_SKIP() << "no corpus";
  size_t records = 0;
  for (const auto& entry : fs::directory_iterator(test_support::CorpusDir())) {
    if (entry.path().extension() != ".pbn") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const Result run = RunBatch("--explain --json records.json -o written.pbn " +
                                    test_support::ShellQuote(entry.path().string()),
                                "--cache " + test_support::ShellQuote(CORPUS_CACHE));
    EXPECT_TRUE(run.exit_code == 0 || run.exit_code == 1) << run.errors;  // 1: some left out
    std::ifstream json(work() / "records.json");
    const std::vector<std::string> commentaries =
        CommentariesAfterPar(test_support::ReadBytes(work() / "written.pbn"));
    size_t index = 0;
    for (std::string line; std::getline(json, line); ++index) {
      const nlohmann::json record = nlohmann::json::parse(line);
      const std::string explanation = record.at("explanation");
      SCOPED_TRACE(explanation);
      EXPECT_EQ(std::make_pair(record.at("par_contract").get<std::string>(),
                               record.at("par_score").get<int>()),
                batch::ReadClosing(explanation));
      ASSERT_LT(index, commentaries.size());
      EXPECT_EQ(batch::WithLetters(explanation), commentaries[index]);
    }
    EXPECT_EQ(index, commentaries.size());
    EXPECT_GT(index, 0u);
    records += index;
  }
  std::cout << "explanations checked on " << records << " corpus records\n";
}

// The example's four boards twice over (the same boards at a second table), and the page
// refused where it would overwrite the input.
TEST_F(BatchRun, WritesHandRecordsOfEachBoardOnceAndNeverOverAnInput) {
  const std::string example =
      test_support::ReadBytes(std::filesystem::path(SOURCE_DIR) / "examples" / "example.pbn");
  test_support::WriteBytes(work() / "in.pbn", example + "\r\n" + example);
  const Result run = RunBatch("--quiet --html page.html -o /dev/null in.pbn");
  ASSERT_EQ(0, run.exit_code) << run.errors;
  const std::string page = test_support::ReadBytes(work() / "page.html");
  EXPECT_EQ(4u, batch::Count(page, "<section class=\"board\">"));
  EXPECT_EQ(4u, batch::Count(page, "<p class=\"par\">Par "));
  EXPECT_EQ(4u, batch::Count(page, ": par "));  // each explanation's closing clause
  EXPECT_TRUE(page.ends_with("</html>\n"));
  EXPECT_EQ(2, RunBatch("--html in.pbn in.pbn").exit_code);
  EXPECT_EQ(example + "\r\n" + example, test_support::ReadBytes(work() / "in.pbn"));
}

}  // namespace
