#include "batch/par_text.h"

#include <cstdlib>

#include "bridge/chairs.h"

namespace batch {

std::string ParContractText(const driver::TParResult& par, const driver::TTricks& tricks) {
  if (par.ParLevel == 0) return "Pass";
  const int16_t chair = par.ParChair;
  const int16_t taken = tricks[chair][par.ParStrain];
  const int16_t partner = bridge::PartnerOf(chair);
  std::string text;
  if (tricks[partner][par.ParStrain] == taken) {
    text = bridge::IsNorthSouth(chair) ? "NS" : "EW";
  } else {
    text = static_cast<char>(bridge::ChairToChar(chair) - 'a' + 'A');
  }
  text += ' ';
  text += std::to_string(par.ParLevel);
  text += static_cast<char>(bridge::StrainToChar(par.ParStrain) - 'a' + 'A');
  const int over = taken - (par.ParLevel + 6);
  if (over < 0) {
    text += "X-" + std::to_string(-over);
  } else if (over == 0) {
    text += '=';
  } else {
    text += '+' + std::to_string(over);
  }
  return text;
}

std::string OptimumScoreText(int16_t par_score) {
  return (par_score < 0 ? "EW " : "NS ") + std::to_string(std::abs(par_score));
}

}  // namespace batch
