#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace solver {

// The seats clockwise from North, as libdds numbers its hands: a seat's index here is its
// number in a Deal and in libdds's tables.
inline constexpr std::string_view kSeats = "nesw";

// A whole deal: card bits by seat (index of its letter in kSeats) and suit (spades,
// hearts, diamonds, clubs); bit r stands for rank r, 2 (deuce) to 14 (ace).
struct Deal {
  std::array<std::array<uint16_t, 4>, 4> holdings{};
  friend bool operator==(const Deal&, const Deal&) = default;
};

// One job: the deal, the seat on lead and the strain, as lower-case letters
// (leader n, e, s, w; strain c, d, h, s, n).
struct Job {
  Deal deal;
  char leader = 0;
  char strain = 0;
};

// What reading a job file gave: the job, or the first fault found, in words.
struct JobOrFault {
  Job job;
  std::string fault;  // empty when the job is sound
};

// Whether the bits of the deal are 52 distinct cards, 13 in each hand, and nothing else
// (no bit outside ranks 2 to 14). Pure.
bool IsWholeDeal(const Deal& deal);

// Checks and reads the text of a job file. Lines 1 to 4 are hand lines: a seat letter
// (w, n, e or s, in any order, each once, either case), a blank or a tab, then the
// spade, heart, diamond and club holdings joined by three dots (a void is empty), with
// thirteen cards of ranks AKQJT98765432 (either case) per hand and no card twice in the
// deal. Line 5 is the leader's seat letter, a blank or a tab, and the strain letter
// (c, d, h, s or n; either case). Lines end with CR LF, LF or CR; only empty lines may
// follow the fifth. Pure.
JobOrFault ParseJobFile(std::string_view text);

// The deal in PBN form, "N:" then North's, East's, South's and West's holdings joined by
// dots, the hands separated by blanks, ranks in upper case from the ace down.
std::string DealText(const Deal& deal);

}  // namespace solver
