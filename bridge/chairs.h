#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "runtime/text.h"

// Seats ("chairs"), strains, suits, card ranks and board numbers. Chairs pair partners:
// 1 North, 2 South, 3 East, 4 West, so the clockwise order is 1, 3, 2, 4. Strains run up
// in rank: 1 clubs, 2 diamonds, 3 hearts, 4 spades, 5 notrump.
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

// The chairs clockwise from North. A deal's holder digits (0 North, 1 East, ...) and the
// dealer rotation of board numbers count in this order.
inline constexpr std::array<int16_t, 4> kClockwise{kNorth, kEast, kSouth, kWest};

// The suits of a hand in the order a PBN deal writes them.
enum class Suits { Spades, Hearts, Diamonds, Clubs };

// Pure: the suit's number in the hand table, 1 spades .. 4 clubs (index 0 unused).
constexpr int SuitNumber(Suits suit) { return static_cast<int>(suit) + 1; }

// The largest board number: board numbers are 1..32767.
inline constexpr int16_t kMaxBoardNumber = 32767;

// Pure: the dealer of a board number (0 or more) in the usual rotation: board 1 North,
// 2 East, 3 South, 4 West, 5 North again; 0 counts as a multiple of 4.
constexpr int16_t DealerOfBoard(int number) { return kClockwise[(number + 3) % 4]; }

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

// Pure: the strain of a letter C, D, H, S, N in either case, or nothing for any other
// character.
std::optional<int16_t> StrainOfLetter(char letter);

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
