#include "driver/par_search.h"

#include "bridge/chairs.h"
#include "bridge/contract_score.h"
#include "pbn/board_reader.h"

namespace driver {
namespace {

// A contract of the present par's level and strain never takes the par over, whichever
// side or partner would declare it.
void RecordPar(TParResult& par, int16_t level, int16_t strain, int16_t chair, int16_t candidate) {
  if (level == par.ParLevel && strain == par.ParStrain) return;
  par = {candidate, level, strain, chair};
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
      return bridge::IsNorthSouth(chair);
    case 'E':
    case 'e':
      return !bridge::IsNorthSouth(chair);
    default:
      return false;
  }
}

TScores ScoresOf(const TTricks& tricks, char vulnerability) {
  TScores scores{};
  for (int16_t chair = 1; chair <= 4; ++chair) {
    const bool vulnerable = ChairVulnerable(vulnerability, chair);
    for (int16_t strain = 1; strain <= 5; ++strain) {
      const int16_t taken = tricks[chair][strain];
      for (int16_t level = 1; level <= 7; ++level) {
        const bridge::TDoubleStatus status =
            taken >= level + 6 ? bridge::TDoubleStatus::Undoubled : bridge::TDoubleStatus::Doubled;
        scores[chair][strain][level] =
            bridge::ContractScore(level, bridge::DenominationOf(strain), status, taken, vulnerable);
      }
    }
  }
  return scores;
}

TParResult ParOf(const TScores& scores, int16_t dealer) {
  TParResult par{};
  for (int16_t level = 1; level <= 7; ++level) {
    for (int16_t strain = 1; strain <= 5; ++strain) {
      int16_t chair = dealer;
      for (int turn = 0; turn < 4; ++turn) {
        const int16_t score = scores[chair][strain][level];
        if (bridge::IsNorthSouth(chair)) {
          if (score > par.ParScore) RecordPar(par, level, strain, chair, score);
        } else {
          const auto candidate = static_cast<int16_t>(-score);
          if (candidate < par.ParScore) RecordPar(par, level, strain, chair, candidate);
        }
        chair = bridge::NextChair(chair);
      }
    }
  }
  return par;
}

void BuildScoreTable(char vulnerability) { ScoreTable = ScoresOf(TrickTable, vulnerability); }

void FindPar() { ParResult = ParOf(ScoreTable, bridge::CharToChair(pbn::BoardRecord.Dealer)); }

}  // namespace driver
