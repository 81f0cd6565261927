#pragma once

#include <cstdint>
#include <optional>

#include "runtime/text.h"

// Seats ("chairs"), strains, suits and card ranks. Chairs pair partners: 1 North,
// 2 South, 3 East, 4 West, so the clockwise order is 1, 3, 2, 4. Strains run up in rank:
// 1 clubs, 2 diamonds, 3 hearts, 4 spades, 5 notrump.
namespace bridge {

inline constexpr int16_t kNorth = 1;
inline constexpr int16_t kSouth = 2;
inline constexpr int16_t kEast = 3;
inline constexpr int16_t kWest = 4;

inline constexpr int16_t kClubs = 1;
inline constexpr int16_t kDiamonds = 2;
inline constexpr int16_t kHearts = 3;
inline constexpr int16_t kSpades = 4;
inline constexpr int16_t kNotrump = 5;

// The suits of a hand in the order a PBN deal writes them; the hand table numbers them
// 1..4 in this order, so suit number s and strain 5 - s name the same suit.
enum class Suits { Spades, Hearts, Diamonds, Clubs };

// Card ranks from the ace down, index 1..13 = position + 1.
inline constexpr char RankLetters[] = "akqjt98765432";

// Pure: North and South make one side, East and West the other. Expects chair 1..4.
constexpr bool IsNorthSouth(int16_t chair) { return chair == kNorth || chair == kSouth; }

// Pure: the partner's chair (North-South, East-West). Expects chair 1..4.
constexpr int16_t PartnerOf(int16_t chair) {
  return static_cast<int16_t>(IsNorthSouth(chair) ? kNorth + kSouth - chair
                                                  : kEast + kWest - chair);
}

// Pure: the chair of a seat letter in either case, or nothing for any other character.
std::optional<int16_t> ChairOfLetter(char letter);

// Lower-case strain letter c, d, h, s, n for strains 1..5; '?' for any other value.
char StrainToChar(int16_t strain);

// The next chair clockwise (North, East, South, West). Stops through RunAbort with
// "Requested NextChair for nonexistent chair--maybe kibitzer?" outside 1..4.
int16_t NextChair(int16_t chair);

// The chair of a seat letter N, S, E, W in either case. Stops through RunAbort with
// "Requested CharToChair for nonexistent chair--maybe kibitzer?" for any other character.
int16_t CharToChair(char letter);

// Lower-case seat letter n, s, e, w. Stops through RunAbort with
// "Requested character for nonexistent chair--maybe kibitzer?" outside 1..4.
char ChairToChar(int16_t chair);

// "north", "south", "east", "west". Stops through RunAbort with
// "Requested string for nonexistent chair--maybe kibitzer?" outside 1..4.
runtime::Text ChairToString(int16_t chair);

}  // namespace bridge
