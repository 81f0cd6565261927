#include "batch/par_text.h"

#include <cstdlib>
#include <string_view>

#include "batch/seat_text.h"
#include "bridge/chairs.h"

namespace batch {

std::string ParContractText(const driver::TParResult& par, const driver::TTricks& tricks) {
  if (par.ParLevel == 0) return "Pass";
  const int16_t chair = par.ParChair;
  const int16_t taken = tricks[chair][par.ParStrain];
  const int16_t partner = bridge::PartnerOf(chair);
  // Built in one expression: g++ 12 warns of an uninitialised string otherwise (-O2).
  std::string text = tricks[partner][par.ParStrain] == taken
                         ? std::string(bridge::IsNorthSouth(chair) ? "NS " : "EW ")
                         : std::string{SeatLetter(chair), ' '};
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

namespace {
// Strains in the order of the tags: NT, S, H, D, C; declarers N, S, E, W are chairs 1..4.
constexpr int16_t kTagStrains[] = {bridge::kNotrump, bridge::kSpades, bridge::kHearts,
                                   bridge::kDiamonds, bridge::kClubs};
constexpr std::string_view kHexDigits = "0123456789abcdef";
}  // namespace

std::string DoubleDummyTricksText(const driver::TTricks& tricks) {
  std::string text;
  for (int16_t chair = 1; chair <= 4; ++chair) {
    for (const int16_t strain : kTagStrains) text += kHexDigits[tricks[chair][strain] & 15];
  }
  return text;
}

std::optional<driver::TTricks> TricksOfText(std::string_view text) {
  if (text.size() != 20) return std::nullopt;
  driver::TTricks tricks{};
  for (size_t i = 0; i < 20; ++i) {
    const char c = static_cast<char>(text[i] >= 'A' && text[i] <= 'F' ? text[i] + 32 : text[i]);
    const size_t value = kHexDigits.find(c);
    if (value == std::string_view::npos || value > 13) return std::nullopt;
    tricks[i / 5 + 1][kTagStrains[i % 5]] = static_cast<int16_t>(value);
  }
  return tricks;
}

std::vector<std::string> OptimumResultRows(const driver::TTricks& tricks) {
  std::vector<std::string> rows;
  for (int16_t chair = 1; chair <= 4; ++chair) {
    for (const int16_t strain : kTagStrains) {
      const int taken = tricks[chair][strain];
      std::string row{SeatLetter(chair), ' '};
      row += strain == bridge::kNotrump
                 ? "NT"
                 : std::string{' ', static_cast<char>(bridge::StrainToChar(strain) - 'a' + 'A')};
      row += taken < 10 ? "  " : " ";
      rows.push_back(row + std::to_string(taken));
    }
  }
  return rows;
}

}  // namespace batch
