// Every real PBN file of the shared corpus, read board by board as the driver does, each
// board checked against what the file itself says; where a file holds a value the reader
// must refuse, the boards before it are checked and the stop is expected there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "pbn/board_reader.h"
#include "pbn/hands.h"
#include "tests/support/test_support.h"

namespace pbn {
namespace {

using test_support::AbortOutput;

namespace fs = std::filesystem;

std::string Upper(std::string s) {
  for (char& c : s) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return s;
}

// One block of lines as the file writes it, up to and including a blank line. The five
// tags appear in every corpus file as [Tag "value"] at the start of a line.
struct Block {
  int first_line = 0;
  bool found = false;
  int number = -1;
  char dealer = ' ';
  std::optional<char> vulnerability;
  std::optional<int> score;
  std::string deal;
  std::string stop;  // the message the reader must stop with, at the first bad value
};

std::optional<char> VulnerabilityWord(const std::string& value) {
  const std::map<std::string, char> words = {
      {"NONE", '-'}, {"NS", 'N'}, {"EW", 'E'}, {"ALL", 'B'}, {"BOTH", 'B'}};
  const auto word = words.find(Upper(value));
  return word == words.end() ? std::nullopt : std::optional<char>(word->second);
}

// "NS 620", "NS -100", "NS +90", "EW 50" or a bare number.
int ScoreWords(const std::string& value) {
  std::istringstream in(value);
  std::string side;
  int score = 0;
  if (value.starts_with("NS") || value.starts_with("EW")) in >> side;
  in >> score;
  return side == "EW" ? -score : score;
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

void TakeTag(Block& block, const std::string& line) {
  const size_t open = line.find(" \"");
  const size_t close = line.rfind("\"]");
  if (!line.starts_with('[') || open == std::string::npos || close <= open) return;
  const std::string tag = line.substr(1, open - 1);
  const std::string value = line.substr(open + 2, close - open - 2);
  std::string stop;
  if (tag == "Board") {
    const bool digits = !value.empty() && value.size() <= 5 &&
                        value.find_first_not_of("0123456789") == std::string::npos;
    block.number = digits ? std::stoi(value) : 0;
    if (block.number < 1 || block.number > 32767)
      stop = "Error decoding board number: " + Upper(value);
  } else if (tag == "Dealer") {
    block.dealer = Upper(value + ' ')[0];
    if (std::string("NSEW").find(block.dealer) == std::string::npos) {
      stop = "Unrecognized dealer: \"" + Upper(value) + "\"]";
    }
  } else if (tag == "Vulnerable") {
    block.vulnerability = VulnerabilityWord(value);
    if (!block.vulnerability) stop = "Unrecognized vulnerability: \"" + Upper(value) + "\"]";
  } else if (tag == "Score") {
    block.score = ScoreWords(value);
  } else if (tag == "Deal") {
    block.deal = Upper(value);
    std::vector<std::string> hands = Words(block.deal.substr(std::min<size_t>(2, value.size())));
    hands.resize(4);  // a missing hand is loaded as an empty text
    for (const std::string& hand : hands) {
      if (std::count(hand.begin(), hand.end(), '.') < 3 && stop.empty()) {
        stop = "Not enough dots in hand: " + hand;
      }
    }
  }
  if (block.stop.empty()) block.stop = stop;
}

std::vector<Block> Blocks(const std::string& bytes) {
  std::vector<Block> blocks(1);
  blocks.back().first_line = 1;
  size_t at = 0;
  int line_number = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", at);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(at, end - at);
    at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    ++line_number;
    if (line.find_first_not_of(' ') != std::string::npos) {
      blocks.back().found = true;
      TakeTag(blocks.back(), line);
    } else if (at < bytes.size()) {
      blocks.emplace_back().first_line = line_number + 1;
    }
  }
  return blocks;
}

int ChairOf(char seat) { return static_cast<int>(std::string("NSEW").find(seat)) + 1; }

// The table holds exactly the hands the file gives. A full deal (the ordinary way of
// writing one, 52 cards) also gives each hand 13 cards of a whole pack; an end position
// written as a Deal has fewer.
void CheckHands(const std::string& deal) {
  std::string seats = "NESWNES";
  seats.erase(0, seats.find(deal[0]));
  const std::vector<std::string> hands = Words(deal.substr(2));
  ASSERT_EQ(4u, hands.size());
  std::string pack[5];
  std::string cards[5];
  for (int i = 0; i < 4; ++i) {
    const int chair = ChairOf(seats[i]);
    EXPECT_EQ(hands[i], HandText(chair).str()) << "seat " << seats[i];
    for (int suit = 1; suit <= 4; ++suit) {
      cards[chair] += Hands[chair][suit].str();
      pack[suit] += Hands[chair][suit].str();
    }
  }
  if (std::count_if(deal.begin() + 2, deal.end(),
                    [](unsigned char c) { return std::isalnum(c); }) != 52)
    return;
  for (int chair = 1; chair <= 4; ++chair) EXPECT_EQ(13u, cards[chair].size()) << chair;
  for (int suit = 1; suit <= 4; ++suit) {
    std::sort(pack[suit].begin(), pack[suit].end());
    EXPECT_EQ("23456789AJKQT", pack[suit]) << "suit " << suit;
  }
}

// Checks the record and the table after one ReadBoard against the block; vulnerability
// and score carry over from earlier boards as the reader keeps them.
void CheckBoard(const Block& block, char& vulnerability, int& score) {
  SCOPED_TRACE(testing::Message() << "block from line " << block.first_line);
  vulnerability = block.vulnerability.value_or(vulnerability);
  score = block.score.value_or(score);
  EXPECT_EQ(block.found, BoardRecord.Found);
  EXPECT_EQ(block.number, BoardRecord.Number);
  const char dealer = block.dealer != ' ' ? block.dealer
                      : block.number > 0  ? "WNES"[block.number % 4]
                                          : ' ';
  EXPECT_EQ(dealer, BoardRecord.Dealer);
  EXPECT_EQ(vulnerability, BoardRecord.Vulnerability);
  EXPECT_EQ(score, BoardRecord.Score);
  if (!block.deal.empty()) CheckHands(block.deal);
}

// The files that hold a value the reader refuses, and its message.
const std::map<std::string, std::string> kRefused = {
    {"pbn20-verifier-games.pbn", "Not enough dots in hand: -"},
    {"pbn21-verifier-games.pbn", "Unrecognized vulnerability: \"-\"]"},
    {"teams-sample-dash-vul.pbn", "Unrecognized vulnerability: \"-\"]"},
};

// Reads the file up to its end or its first refused value; returns the numbered boards
// read before that.
int ReadAndCheck(const fs::path& file) {
  const std::vector<Block> blocks = Blocks(test_support::ReadBytes(file));
  const auto refused =
      std::find_if(blocks.begin(), blocks.end(), [](const Block& b) { return !b.stop.empty(); });
  const auto expected = kRefused.find(file.filename().string());
  EXPECT_EQ(expected != kRefused.end(), refused != blocks.end());
  runtime::TextFile pbn_file;
  EXPECT_EQ(0, pbn_file.OpenForReading(file.string()));
  ResetBoardRecord();
  char vulnerability = 0;
  int score = 0;
  int boards = 0;
  for (auto block = blocks.begin(); block != refused; ++block) {
    EXPECT_FALSE(BoardRecord.AtEof) << "the reader ended before the file";
    if (BoardRecord.AtEof) return boards;
    ClearBoard();
    ReadBoard(pbn_file);
    CheckBoard(*block, vulnerability, score);
    if (BoardRecord.Number > 0) ++boards;
  }
  if (refused == blocks.end()) {
    EXPECT_TRUE(BoardRecord.AtEof) << "the file goes on after its last block";
  } else if (expected != kRefused.end()) {
    EXPECT_EQ(expected->second, refused->stop);
    std::fflush(stdout);
    EXPECT_EXIT(
        {
          test_support::StdoutToStderr();
          ClearBoard();
          ReadBoard(pbn_file);
        },
        testing::ExitedWithCode(1), AbortOutput(expected->second))
        << "block from line " << refused->first_line;
  }
  pbn_file.Close();
  return boards;
}

TEST(BoardReaderCorpusDeathTest, ReadsEveryRealFileOrStopsWhereItMust) {
  if (!fs::exists(test_support::CorpusDir())) GTEST_SKIP() << "no corpus";
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(test_support::CorpusDir())) {
    if (entry.path().extension() == ".pbn") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  int total = 0;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    const int boards = ReadAndCheck(file);
    std::printf("%s: %d boards\n", file.filename().string().c_str(), boards);
    total += boards;
  }
  std::printf("%d boards read from %zu files\n", total, files.size());
  EXPECT_EQ(14u, files.size());
}

}  // namespace
}  // namespace pbn
