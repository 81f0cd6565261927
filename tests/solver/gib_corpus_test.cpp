// gib against the OptimumResultTable tags of real files, keyed by each row's labels since
// the files order their rows differently.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;

struct Row {
  char declarer;  // n e s w
  char strain;    // c d h s n
  int tricks;     // the declarer's
};

struct Board {
  std::string deal;  // "N:... ... ... ..."
  std::vector<Row> rows;
};

char Lower(char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

// The boards of a file with a Deal tag and table rows, first record of each number only.
std::vector<Board> BoardsWithTables(const fs::path& file, size_t most) {
  std::ifstream in(file, std::ios::binary);
  std::vector<Board> boards;
  Board board;
  bool in_table = false;
  std::string line;
  auto finish = [&] {
    if (!board.deal.empty() && !board.rows.empty() && boards.size() < most) boards.push_back(board);
    board = Board();
  };
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("[Board ")) finish();
    if (line.starts_with("[Deal \"")) board.deal = line.substr(7, line.find('"', 7) - 7);
    if (line.starts_with("[")) in_table = line.starts_with("[OptimumResultTable ");
    if (!in_table || line.starts_with("[")) continue;
    std::istringstream words(line);
    std::string declarer, strain;
    int tricks = -1;
    if (words >> declarer >> strain >> tricks && declarer.size() == 1 && tricks >= 0) {
      board.rows.push_back({Lower(declarer[0]), strain == "NT" ? 'n' : Lower(strain[0]), tricks});
    }
  }
  finish();
  return boards;
}

// The deal's job-file hand lines, from a PBN Deal value.
std::string HandLines(const std::string& deal) {
  const std::string seats = "nesw";
  size_t seat = seats.find(Lower(deal[0]));
  std::istringstream hands(deal.substr(2));
  std::string by_seat[4];
  for (int i = 0; i < 4; ++i, seat = (seat + 1) % 4) hands >> by_seat[seat];
  return "w " + by_seat[3] + "\r\nn " + by_seat[0] + "\r\ne " + by_seat[1] + "\r\ns " + by_seat[2] +
         "\r\n";
}

TEST(GibCorpus, AgreesWithTheOptimumResultTablesOfRealFiles) {
  if (!fs::exists(test_support::CorpusDir())) GTEST_SKIP() << "no corpus";
  const size_t most = std::getenv("DEALMINT_FULL_CORPUS") != nullptr ? 10000 : 12;
  const test_support::ScopedTempDir dir;
  int boards_compared = 0;
  int rows_compared = 0;
  for (const char* name : {"bbohelper-daylong-2024-06-03.pbn", "pbn21-verifier-games.pbn",
                           "bba-opener-reverses-500.pbn", "bridgecomposer-2014-three-crlf.pbn"}) {
    SCOPED_TRACE(name);
    for (const Board& board : BoardsWithTables(test_support::CorpusDir() / name, most)) {
      SCOPED_TRACE(board.deal);
      std::string arguments;
      for (size_t i = 0; i < board.rows.size(); ++i) {
        const Row& row = board.rows[i];
        const std::string seats = "nesw";  // clockwise: the leader sits after the declarer
        const char leader = seats[(seats.find(row.declarer) + 1) % 4];
        const std::string job = "job" + std::to_string(i);
        test_support::WriteBytes(dir.path() / job,
                                 HandLines(board.deal) + leader + ' ' + row.strain + "\r\n");
        arguments += "-d " + job + "\r\n";
      }
      test_support::WriteBytes(dir.path() / "args", arguments);
      const test_support::RunResult run =
          test_support::RunIn(dir.path(), std::string(BIN_DIR "/gib") + " < args");
      ASSERT_EQ(0, run.exit_code);
      std::istringstream out(run.output);
      std::string line;
      size_t i = 0;
      while (std::getline(out, line)) {
        if (!line.starts_with("Tricks for NS: ")) continue;
        const Row& row = board.rows.at(i++);
        const int north_south = std::stoi(line.substr(15));
        const bool ns = row.declarer == 'n' || row.declarer == 's';
        EXPECT_EQ(row.tricks, ns ? north_south : 13 - north_south)
            << row.declarer << " " << row.strain;
        ++rows_compared;
      }
      EXPECT_EQ(board.rows.size(), i);
      ++boards_compared;
    }
  }
  std::printf("compared %d boards, %d table rows\n", boards_compared, rows_compared);
  EXPECT_GE(boards_compared, 20);
}

}  // namespace
