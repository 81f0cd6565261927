#include "solver/job_file.h"

#include <vector>

namespace solver {
namespace {

constexpr std::string_view kSeats = "nesw";
constexpr std::string_view kRanks = "23456789TJQKA";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    text.remove_prefix(next);
  }
  return lines;
}

// Reads the four holdings of one hand line's text after its seat letter; a fault in
// words, or empty.
std::string ReadHand(std::string_view holdings, std::array<uint16_t, 4>& hand) {
  int suit = 0;
  int cards = 0;
  for (const char c : holdings) {
    if (c == '.') {
      if (++suit > 3) return "more than three dots in a hand";
      continue;
    }
    const size_t rank = kRanks.find(Upper(c));
    if (rank == std::string_view::npos) return std::string("not a card rank: '") + c + "'";
    const auto bit = static_cast<uint16_t>(1u << (rank + 2));
    if (hand[suit] & bit) return std::string("card given twice in a hand: ") + Upper(c);
    hand[suit] |= bit;
    ++cards;
  }
  if (suit < 3) return "fewer than three dots in a hand";
  if (cards != 13) return "a hand holds " + std::to_string(cards) + " cards, not 13";
  return "";
}

std::string ReadLeadLine(std::string_view line, Job& job) {
  if (line.size() != 3 || (line[1] != ' ' && line[1] != '\t')) {
    return "the fifth line is not a leader letter and a strain letter";
  }
  job.leader = Lower(line[0]);
  job.strain = Lower(line[2]);
  if (kSeats.find(job.leader) == std::string_view::npos) return "not a seat on lead";
  if (std::string_view("cdhsn").find(job.strain) == std::string_view::npos) {
    return "not a strain letter";
  }
  return "";
}

std::string ReadJob(std::string_view text, Job& job) {
  const std::vector<std::string_view> lines = SplitLines(text);
  if (lines.size() < 5) return "fewer than five lines";
  for (size_t i = 5; i < lines.size(); ++i) {
    if (!lines[i].empty()) return "more than five lines";
  }
  bool seen[4] = {};
  for (int i = 0; i < 4; ++i) {
    const std::string_view line = lines[i];
    const size_t seat = line.empty() ? std::string_view::npos : kSeats.find(Lower(line[0]));
    if (seat == std::string_view::npos || line.size() < 2 || (line[1] != ' ' && line[1] != '\t')) {
      return "line " + std::to_string(i + 1) + " is not a hand: seat letter and blank expected";
    }
    if (seen[seat]) return std::string("two hands for seat ") + kSeats[seat];
    seen[seat] = true;
    const std::string fault = ReadHand(line.substr(2), job.deal.holdings[seat]);
    if (!fault.empty()) return fault + " (seat " + kSeats[seat] + ")";
  }
  for (int suit = 0; suit < 4; ++suit) {
    uint16_t all = 0;
    for (int seat = 0; seat < 4; ++seat) {
      if (all & job.deal.holdings[seat][suit]) return "a card is held twice in the deal";
      all |= job.deal.holdings[seat][suit];
    }
  }
  return ReadLeadLine(lines[4], job);
}

}  // namespace

JobOrFault ParseJobFile(std::string_view text) {
  JobOrFault result;
  result.fault = ReadJob(text, result.job);
  return result;
}

std::string DealText(const Deal& deal) {
  std::string text = "N:";
  for (int seat = 0; seat < 4; ++seat) {
    if (seat > 0) text += ' ';
    for (int suit = 0; suit < 4; ++suit) {
      if (suit > 0) text += '.';
      for (int rank = 12; rank >= 0; --rank) {
        if (deal.holdings[seat][suit] & (1u << (rank + 2))) text += kRanks[rank];
      }
    }
  }
  return text;
}

}  // namespace solver
