#pragma once

#include <array>

#include "runtime/text.h"

namespace pbn {

// The deal being worked on: Hands[chair][suit], chair 1..4 (North, South, East, West),
// suit 1..4 (spades, hearts, diamonds, clubs: bridge::SuitNumber); index 0 unused. A holding is the
// rank letters as the deal gave them, empty for a void. Nothing here checks the cards.
inline std::array<std::array<runtime::Text, 5>, 5> Hands{};

// A chair's four holdings joined by dots, spades first, exactly as stored.
runtime::Text HandText(int chair);

// Empties all sixteen holdings.
void ClearHands();

// Replaces the four holdings of the seat (N, S, E, W in either case) with those of a
// hand text "spades.hearts.diamonds.clubs"; the clubs take all that follows the third
// dot. Holdings are stored suit by suit, so a failure leaves the earlier suits replaced.
// Stops through RunAbort with "Not enough dots in hand: " and the whole hand text when a
// dot is missing (tested first), or "LoadHand does not recognize hand " and the letter.
void LoadHand(char seat, runtime::Text hand);

// The next seat clockwise, in upper case: N->E->S->W->N. Stops through RunAbort with
// "Cannot find next hand after hand " and the letter for any other character.
char NextHand(char seat);

// Replaces the whole table with a deal written as 52 holder digits, one per card from
// the ace of spades down to the two of clubs: 0 North, 1 East, 2 South, 3 West.
// Holdings come out in rank order in lower case. Any other character among the first
// 52, or a text shorter than 52, ends the process with exit code 1 and no message.
void LoadDigitDeal(runtime::Text digits);

}  // namespace pbn
