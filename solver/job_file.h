#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace solver {

// A whole deal: card bits by seat (index of the letter in "nesw") and suit (spades,
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

// Checks and reads the text of a job file: four hand lines "w ", "n ", "e ", "s " (any
// order, each seat once, the letter in either case) with the spade, heart, diamond and
// club holdings joined by three dots, thirteen cards per hand of ranks AKQJT98765432 in
// either case and no card twice; then a line with the leader's letter and the strain
// letter. Lines may end with CR LF, LF or CR; only empty lines may follow.
JobOrFault ParseJobFile(std::string_view text);

// The deal in PBN form, "N:spades.hearts.diamonds.clubs E:... S:... W:...".
std::string DealText(const Deal& deal);

}  // namespace solver
