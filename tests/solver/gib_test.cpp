// The built gib program, run as the driver runs it: argument lines on standard input, job
// files in the current directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;
using test_support::RunResult;
using test_support::ShellQuote;

constexpr char kGib[] = BIN_DIR "/gib";
constexpr char kPrompt[] = "Enter argument line: ";

// Hands by seat letter n, e, s, w in PBN holding form.
using Hands = std::map<char, std::string>;

class Gib : public testing::Test {
 protected:
  // Writes a job file for the deal with that leader and strain.
  void Job(const std::string& name, const Hands& hands, char leader, char strain) const {
    std::string text;
    for (const char seat : {'w', 'n', 'e', 's'})
      text += std::string{seat, ' '} + hands.at(seat) + "\r\n";
    test_support::WriteBytes(dir_.path() / name, text + leader + ' ' + strain + "\r\n");
  }
  // Runs gib on the argument lines; errors go to the file "err".
  RunResult Run(const std::string& arguments) const {
    test_support::WriteBytes(dir_.path() / "args", arguments);
    return test_support::RunIn(dir_.path(), ShellQuote(kGib) + " < args 2> err");
  }
  std::string Errors() const { return test_support::ReadBytes(dir_.path() / "err"); }

  // North-South's tricks of each job of the argument lines, read as the driver reads them.
  static std::vector<int> Results(const std::string& output) {
    std::vector<int> results;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
      if (line != std::string(kPrompt) + "\r") continue;
      if (!std::getline(in, line)) break;
      EXPECT_EQ("Tricks for NS: ", line.substr(0, 15));
      results.push_back(std::stoi(line.substr(15)));
    }
    return results;
  }

  // Solves the deal for every leader and strain: results[leader][strain].
  std::map<char, std::map<char, int>> Table(const Hands& hands) const {
    std::string arguments;
    const std::string leaders = "nesw", strains = "cdhsn";
    for (const char leader : leaders) {
      for (const char strain : strains) {
        const std::string name = std::string("job.") + leader + strain;
        Job(name, hands, leader, strain);
        arguments += "-d " + name + "\r\n";
      }
    }
    const RunResult run = Run(arguments);
    EXPECT_EQ(0, run.exit_code) << Errors();
    const std::vector<int> results = Results(run.output);
    std::map<char, std::map<char, int>> table;
    for (size_t i = 0; i < results.size() && i < 20; ++i)
      table[leaders[i / 5]][strains[i % 5]] = results[i];
    return table;
  }

  test_support::ScopedTempDir dir_;
};

const Hands kOneSuitEach = {{'n', "AKQJT98765432..."},
                            {'e', ".AKQJT98765432.."},
                            {'s', "..AKQJT98765432."},
                            {'w', "...AKQJT98765432"}};
const Hands kTopCardsNorthSouth = {{'n', "AKQJ.AKQ.AKQ.AKQ"},
                                   {'s', "T987.JT9.JT9.JT9"},
                                   {'e', "65.87654.8765.87"},
                                   {'w', "432.32.432.65432"}};

TEST_F(Gib, EachHandHoldingOneSuitGivesTheEvidentTable) {
  const auto table = Table(kOneSuitEach);
  for (const char leader : std::string("nesw")) {
    SCOPED_TRACE(leader);
    // The side with the trumps takes every trick; at notrump the side on lead does.
    EXPECT_EQ(13, table.at(leader).at('s'));
    EXPECT_EQ(13, table.at(leader).at('d'));
    EXPECT_EQ(0, table.at(leader).at('h'));
    EXPECT_EQ(0, table.at(leader).at('c'));
    EXPECT_EQ(leader == 'n' || leader == 's' ? 13 : 0, table.at(leader).at('n'));
  }
}

TEST_F(Gib, ASideWithAllTheTopCardsTakesEveryTrickAtNotrumpWhoeverLeads) {
  const auto table = Table(kTopCardsNorthSouth);
  for (const char leader : std::string("nesw")) EXPECT_EQ(13, table.at(leader).at('n')) << leader;
  // East and West leading against a North-South spade contract.
  EXPECT_EQ(13, table.at('e').at('s'));
  EXPECT_EQ(13, table.at('w').at('s'));
}

TEST_F(Gib, AnswersTwoDealsInOneInputEachFromItsOwnSolve) {
  Job("a", kOneSuitEach, 'e', 'n');
  Job("b", kTopCardsNorthSouth, 'e', 'n');
  Job("c", kOneSuitEach, 'n', 'n');
  const RunResult run = Run("-d a\r\n-d b\r\n-d c\r\n");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ((std::vector<int>{0, 13, 13}), Results(run.output));
}

TEST_F(Gib, TheLineAfterEachPromptIsTheResultAndVerboseEchoesFollowIt) {
  // The driver's own argument file: twenty lines with CR LF.
  std::string arguments;
  for (int number = 1; number <= 20; ++number) {
    char name[32];
    std::snprintf(name, sizeof name, "99Store.txt.%03d", number);
    const char leader = "ewsn"[(number - 1) / 5];  // left of declarers N, S, E, W
    Job(name, kOneSuitEach, leader, "cdhsn"[(number - 1) % 5]);
    arguments += std::string("-d -v ") + name + "\r\n";
  }
  const RunResult run = Run(arguments);
  EXPECT_EQ(0, run.exit_code);
  // Declarers N, S, E, W; strains clubs to notrump.
  EXPECT_EQ(
      (std::vector<int>{0, 13, 0, 13, 0, 0, 13, 0, 13, 0, 0, 13, 0, 13, 13, 0, 13, 0, 13, 13}),
      Results(run.output));
  const std::string first =
      std::string(kPrompt) +
      "\r\nTricks for NS: 0\r\nDeal: N:AKQJT98765432... "
      ".AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\r\nLeader: e  Strain: c\r\n";
  EXPECT_EQ(first, run.output.substr(0, first.size()));
  EXPECT_EQ("", Errors());
}

TEST_F(Gib, AFaultEndsTheRunWithItsPromptAsTheLastLineAndExitCodeTwo) {
  Job("good", kOneSuitEach, 'e', 'n');
  test_support::WriteBytes(dir_.path() / "short", "w ...AKQJT98765432\r\nn AKQJT98765432...\r\n");
  const struct {
    std::string arguments;
    std::string error;
  } cases[] = {
      {"-d missing\r\n", "gib: missing: cannot read the job file\n"},
      {"-d short\r\n", "gib: short: fewer than five lines\n"},
      {"-x good\r\n", "gib: argument line \"-x good\": unknown option -x\n"},
      {"-d -v\r\n", "gib: argument line \"-d -v\": no job file named\n"},
      {"-d good good\r\n", "gib: argument line \"-d good good\": more than one job file\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const RunResult run = Run("-d good\r\n" + c.arguments + "-d good\r\n");
    EXPECT_EQ(2, run.exit_code);
    EXPECT_EQ(std::string(kPrompt) + "\r\nTricks for NS: 0\r\n" + kPrompt + "\r\n", run.output);
    EXPECT_EQ(c.error, Errors());
  }
}

TEST_F(Gib, ArgumentLinesMayEndWithLfOrCrAlone) {
  Job("good", kOneSuitEach, 'n', 'n');
  const RunResult run = Run("-d good\n-d good\r-d good");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ((std::vector<int>{13, 13, 13}), Results(run.output));
}

}  // namespace
