#pragma once

#include <cstdint>

namespace bridge {

enum class TDoubleStatus { Undoubled, Doubled, Redoubled };
enum class TDenomination { Minor, Major, Notrump };

// Pure: how a strain scores: clubs and diamonds Minor, hearts and spades Major, 5
// Notrump. Expects strain 1..5 (bridge/chairs.h); anything above 4 scores as notrump.
TDenomination DenominationOf(int16_t strain);

// One row of the duplicate bonus table: the value not vulnerable and vulnerable.
struct TBonus {
  int16_t not_vulnerable;
  int16_t vulnerable;
  int16_t For(bool is_vulnerable) const { return is_vulnerable ? vulnerable : not_vulnerable; }
};
inline constexpr TBonus kGameBonus{300, 500};  // doubled trick points of 100 or more
inline constexpr TBonus kGrandSlamBonus{1000, 1500};
inline constexpr TBonus kSmallSlamBonus{500, 750};
inline constexpr TBonus kDoubledOvertrick{100, 200};
inline constexpr TBonus kRedoubledOvertrick{200, 400};

// Declaring side's duplicate score: positive when made, the penalty as a negative number
// when defeated. Pure; expects level 1..7 and tricks 0..13 and does not check them (a
// level outside 1..7 is scored by the same formulas, without a slam bonus).
int16_t ContractScore(int16_t level, TDenomination denomination, TDoubleStatus status,
                      int16_t tricks, bool vulnerable);

}  // namespace bridge
