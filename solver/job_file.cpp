#include "solver/job_file.h"

#include <bit>
#include <cstdio>
#include <vector>

#include "runtime/letter_case.h"
#include "runtime/line_end.h"

namespace solver {
namespace {

constexpr std::string_view kSuits = "SHDC";
constexpr std::string_view kRanks = "23456789TJQKA";  // rank r stands at index r - 2
constexpr std::string_view kStrains = "cdhsn";

using runtime::LowerCaseOf;
using runtime::UpperCaseOf;

// A byte as a message shows it: quoted when printable, else by its code.
std::string Shown(char c) {
  if (c > ' ' && c < 127) return std::string{'\'', c, '\''};
  char code[16];
  std::snprintf(code, sizeof code, "byte 0x%02X", static_cast<unsigned char>(c));
  return code;
}

// The lines of the text; a line ends at CR LF, LF alone or CR alone.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) lines.push_back(runtime::TakeFirstLine(text));
  return lines;
}

// Adds the cards of one hand line's holdings to the seat's hand; a fault, or empty.
std::string ReadHoldings(std::string_view holdings, size_t seat, Deal& deal) {
  size_t suit = 0;
  int cards = 0;
  for (const char c : holdings) {
    if (c == '.') {
      if (++suit == 4) return "more than three dots";
      continue;
    }
    const size_t rank = kRanks.find(UpperCaseOf(c));
    if (rank == std::string_view::npos) return Shown(c) + " is not a rank";
    const auto bit = static_cast<uint16_t>(1u << (rank + 2));
    const std::string card{kSuits[suit], kRanks[rank]};
    for (size_t other = 0; other < 4; ++other) {
      if ((deal.holdings[other][suit] & bit) == 0) continue;
      if (other == seat) return card + " twice";
      return card + " is held by " + kSeats[other] + " too";
    }
    deal.holdings[seat][suit] |= bit;
    ++cards;
  }
  if (suit < 3) return "fewer than three dots";
  if (cards != 13) return std::to_string(cards) + " cards, not 13";
  return "";
}

std::string ReadHandLine(std::string_view line, bool (&seen)[4], Deal& deal) {
  const size_t seat = line.empty() ? std::string_view::npos : kSeats.find(LowerCaseOf(line[0]));
  if (seat == std::string_view::npos || line.size() < 2 || (line[1] != ' ' && line[1] != '\t')) {
    return "not a hand line (w, n, e or s and a blank, then the holdings)";
  }
  if (seen[seat]) return std::string("a second hand for ") + kSeats[seat];
  seen[seat] = true;
  return ReadHoldings(line.substr(2), seat, deal);
}

std::string ReadLeadLine(std::string_view line, Job& job) {
  if (line.size() != 3 || (line[1] != ' ' && line[1] != '\t')) {
    return "not a lead line (the leader's seat letter, a blank, the strain letter)";
  }
  job.leader = LowerCaseOf(line[0]);
  job.strain = LowerCaseOf(line[2]);
  if (kSeats.find(job.leader) == std::string_view::npos) {
    return Shown(line[0]) + " is not a seat (n, e, s or w)";
  }
  if (kStrains.find(job.strain) == std::string_view::npos) {
    return Shown(line[2]) + " is not a strain (c, d, h, s or n)";
  }
  return "";
}

std::string ReadJob(std::string_view text, Job& job) {
  if (text.empty()) return "the file is empty";
  const std::vector<std::string_view> lines = SplitLines(text);
  if (lines.size() < 5) return std::to_string(lines.size()) + " lines, not 5";
  for (size_t i = 5; i < lines.size(); ++i) {
    if (!lines[i].empty()) return "line " + std::to_string(i + 1) + ": more than five lines";
  }
  bool seen[4] = {};
  for (size_t i = 0; i < 4; ++i) {
    const std::string fault = ReadHandLine(lines[i], seen, job.deal);
    if (!fault.empty()) return "line " + std::to_string(i + 1) + ": " + fault;
  }
  const std::string fault = ReadLeadLine(lines[4], job);
  return fault.empty() ? fault : "line 5: " + fault;
}

}  // namespace

bool IsWholeDeal(const Deal& deal) {
  uint16_t seen[4] = {};
  constexpr uint16_t kRankBits = 0x7ffc;  // bits 2 to 14
  for (const auto& hand : deal.holdings) {
    int cards = 0;
    for (size_t suit = 0; suit < 4; ++suit) {
      if ((hand[suit] & ~kRankBits) != 0 || (hand[suit] & seen[suit]) != 0) return false;
      seen[suit] = static_cast<uint16_t>(seen[suit] | hand[suit]);
      cards += std::popcount(hand[suit]);
    }
    if (cards != 13) return false;
  }
  return true;
}

JobOrFault ParseJobFile(std::string_view text) {
  JobOrFault result;
  result.fault = ReadJob(text, result.job);
  return result;
}

std::string DealText(const Deal& deal) {
  std::string text = "N:";
  for (size_t seat = 0; seat < 4; ++seat) {
    if (seat > 0) text += ' ';
    for (size_t suit = 0; suit < 4; ++suit) {
      if (suit > 0) text += '.';
      for (size_t rank = kRanks.size(); rank-- > 0;) {
        if (deal.holdings[seat][suit] & (1u << (rank + 2))) text += kRanks[rank];
      }
    }
  }
  return text;
}

}  // namespace solver
