// Every real PBN file of the shared corpus, read board by board to its end (or to the
// stop the reader must make), checked against what the file itself says.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "pbn/board_reader.h"
#include "pbn/hands.h"
#include "tests/support/test_support.h"

namespace pbn {
namespace {

namespace fs = std::filesystem;

// One block of lines as the reader takes it: up to and including a blank line.
struct Block {
  int number = -1;
  char dealer = ' ';
  bool has_deal = false;
};

std::vector<Block> Blocks(const std::string& bytes) {
  std::vector<Block> blocks(1);
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", at);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(at, end - at);
    at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    if (line.find_first_not_of(' ') == std::string::npos) {
      blocks.emplace_back();
      continue;
    }
    Block& block = blocks.back();
    if (line.starts_with("[Board \"")) block.number = std::atoi(line.c_str() + 8);
    if (line.starts_with("[Dealer \"")) block.dealer = line[9];
    if (line.starts_with("[Deal \"")) block.has_deal = true;
  }
  return blocks;
}

char DealerOfNumber(int number) { return "WNES"[number % 4]; }

int CardsOf(int chair) {
  int cards = 0;
  for (int suit = 1; suit <= 4; ++suit) cards += static_cast<int>(Hands[chair][suit].length());
  return cards;
}

// Files the reader must refuse, and the stop it makes.
const std::map<std::string, std::string> kRefused = {
    {"pbn20-verifier-games.pbn", "Not enough dots in hand: -"},
    {"pbn21-verifier-games.pbn", "Unrecognized vulnerability: \"-\"]"},
    {"teams-sample-dash-vul.pbn", "Unrecognized vulnerability: \"-\"]"},
};

// Reads the file as the driver does and checks each block; returns the boards read.
int ReadAndCheck(const fs::path& file) {
  const std::vector<Block> blocks = Blocks(test_support::ReadBytes(file));
  runtime::TextFile pbn_file;
  EXPECT_EQ(0, pbn_file.OpenForReading(file.string()));
  ResetBoardRecord();
  int boards = 0;
  size_t index = 0;
  do {
    ClearBoard();
    ReadBoard(pbn_file);
    if (index >= blocks.size()) {
      ADD_FAILURE() << "more blocks read than the file has";
      break;
    }
    const Block& block = blocks[index++];
    EXPECT_EQ(block.number, BoardRecord.Number) << "block " << index;
    if (block.number < 1) continue;
    ++boards;
    EXPECT_EQ(block.dealer != ' ' ? block.dealer : DealerOfNumber(block.number), BoardRecord.Dealer)
        << "board " << block.number;
    if (!block.has_deal) continue;
    for (int chair = 1; chair <= 4; ++chair) {
      EXPECT_EQ(13, CardsOf(chair)) << "board " << block.number << " chair " << chair;
    }
  } while (!BoardRecord.AtEof);
  return boards;
}

TEST(BoardReaderCorpusDeathTest, ReadsEveryRealFileOrStopsWhereItMust) {
  if (!fs::exists(test_support::CorpusDir())) GTEST_SKIP() << "no corpus";
  int total = 0;
  int files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(test_support::CorpusDir())) {
    if (entry.path().extension() != ".pbn") continue;
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ++files;
    const auto refused = kRefused.find(name);
    if (refused != kRefused.end()) {
      EXPECT_EXIT(
          {
            test_support::StdoutToStderr();
            ReadAndCheck(entry.path());
          },
          testing::ExitedWithCode(1),
          "Halted by URunAbor because:\r\n" + refused->second + "\r\n$");
      continue;
    }
    const int boards = ReadAndCheck(entry.path());
    std::printf("%s: %d boards\n", name.c_str(), boards);
    EXPECT_GT(boards, 0);
    total += boards;
  }
  std::printf("%d boards read from %d files\n", total, files);
  EXPECT_EQ(14, files);
}

}  // namespace
}  // namespace pbn
