#include "driver/par_search.h"

#include "bridge/chairs.h"
#include "bridge/contract_score.h"
#include "driver/solver_run.h"
#include "pbn/board_reader.h"

namespace driver {
namespace {

bridge::TDenomination DenominationOf(int16_t strain) {
  if (strain <= bridge::kDiamonds) return bridge::TDenomination::Minor;
  if (strain <= bridge::kSpades) return bridge::TDenomination::Major;
  return bridge::TDenomination::Notrump;
}

bool NorthSouth(int16_t chair) { return chair == bridge::kNorth || chair == bridge::kSouth; }

// A contract of the present par's level and strain never takes the par over, whichever
// side or partner would declare it.
void RecordPar(int16_t level, int16_t strain, int16_t chair, int16_t candidate) {
  if (level == ParResult.ParLevel && strain == ParResult.ParStrain) return;
  ParResult = {candidate, level, strain, chair};
}

}  // namespace

void ResetParSearch() {
  ScoreTable = {};
  ParResult = {};
}

bool ChairVulnerable(char vulnerability, int16_t chair) {
  switch (vulnerability) {
    case 'B':
    case 'b':
      return true;
    case 'N':
    case 'n':
      return NorthSouth(chair);
    case 'E':
    case 'e':
      return !NorthSouth(chair);
    default:
      return false;
  }
}

void BuildScoreTable(char vulnerability) {
  for (int16_t chair = 1; chair <= 4; ++chair) {
    const bool vulnerable = ChairVulnerable(vulnerability, chair);
    for (int16_t strain = 1; strain <= 5; ++strain) {
      const int16_t tricks = TrickTable[chair][strain];
      ScoreTable[chair][strain][0] = 0;
      for (int16_t level = 1; level <= 7; ++level) {
        const bridge::TDoubleStatus status =
            tricks >= level + 6 ? bridge::TDoubleStatus::Undoubled : bridge::TDoubleStatus::Doubled;
        ScoreTable[chair][strain][level] =
            bridge::ContractScore(level, DenominationOf(strain), status, tricks, vulnerable);
      }
    }
  }
}

void FindPar() {
  ParResult = {};
  const int16_t dealer = bridge::CharToChair(pbn::BoardRecord.Dealer);
  for (int16_t level = 1; level <= 7; ++level) {
    for (int16_t strain = 1; strain <= 5; ++strain) {
      int16_t chair = dealer;
      for (int turn = 0; turn < 4; ++turn) {
        const int16_t score = ScoreTable[chair][strain][level];
        if (NorthSouth(chair)) {
          if (score > ParResult.ParScore) RecordPar(level, strain, chair, score);
        } else {
          const auto candidate = static_cast<int16_t>(-score);
          if (candidate < ParResult.ParScore) RecordPar(level, strain, chair, candidate);
        }
        chair = bridge::NextChair(chair);
      }
    }
  }
}

}  // namespace driver
