#include "bridge/contract_score.h"

#include "bridge/chairs.h"

namespace bridge {
namespace {

// Doubled undertricks: 100 or 200 for the first, then 200 or 300 each, and not
// vulnerable a further 100 each from the fourth on.
int Penalty(int under, TDoubleStatus status, bool vulnerable) {
  if (status == TDoubleStatus::Undoubled) return (vulnerable ? 100 : 50) * under;
  int penalty = vulnerable ? 200 : 100;
  for (int trick = 2; trick <= under; ++trick) {
    penalty += vulnerable ? 300 : 200;
    if (!vulnerable && trick >= 4) penalty += 100;
  }
  return status == TDoubleStatus::Redoubled ? 2 * penalty : penalty;
}

// Contract trick points before doubling.
int TrickPoints(int level, TDenomination denomination) {
  switch (denomination) {
    case TDenomination::Minor:
      return 20 * level;
    case TDenomination::Major:
      return 30 * level;
    case TDenomination::Notrump:
      return 40 + 30 * (level - 1);
  }
  return 0;
}

}  // namespace

TDenomination DenominationOf(int16_t strain) {
  if (strain <= kDiamonds) return TDenomination::Minor;
  if (strain <= kSpades) return TDenomination::Major;
  return TDenomination::Notrump;
}

int16_t ContractScore(int16_t level, TDenomination denomination, TDoubleStatus status,
                      int16_t tricks, bool vulnerable) {
  const int over = tricks - (level + 6);
  if (over < 0) return static_cast<int16_t>(-Penalty(-over, status, vulnerable));
  int points = TrickPoints(level, denomination);
  int overtrick = denomination == TDenomination::Minor ? 20 : 30;
  int insult = 0;
  if (status == TDoubleStatus::Doubled) {
    points *= 2;
    overtrick = kDoubledOvertrick.For(vulnerable);
    insult = 50;
  } else if (status == TDoubleStatus::Redoubled) {
    points *= 4;
    overtrick = kRedoubledOvertrick.For(vulnerable);
    insult = 100;
  }
  const int game_or_part = points >= 100 ? kGameBonus.For(vulnerable) : 50;
  int slam = 0;
  if (level == 7) slam = kGrandSlamBonus.For(vulnerable);
  if (level == 6) slam = kSmallSlamBonus.For(vulnerable);  // by the level bid, not taken
  return static_cast<int16_t>(points + game_or_part + slam + overtrick * over + insult);
}

}  // namespace bridge
