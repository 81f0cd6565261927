#include "solver/dd_solve.h"

#include <dds/dll.h>

#include <string_view>

#include "solver/dds_library.h"
#include "solver/job_file.h"

namespace solver {

std::string SolveDeal(const Deal& deal, DdTable& table) {
  const DdsLibrary& dds = Dds();
  if (!dds.fault.empty()) return dds.fault;
  // A Deal's card bits are libdds's own: hands N, E, S, W, suits spades to clubs, bit r
  // for rank r; no text to print and have libdds parse again.
  static_assert(DDS_HANDS == 4 && DDS_SUITS == 4);
  ddTableDeal cards{};
  for (size_t seat = 0; seat < 4; ++seat) {
    for (size_t suit = 0; suit < 4; ++suit) cards.cards[seat][suit] = deal.holdings[seat][suit];
  }
  ddTableResults results{};
  const int status = dds.CalcDDtable(cards, &results);
  if (status == RETURN_NO_FAULT) {
    static_assert(DdTable::kStrains == DDS_STRAINS && DdTable::kDeclarers == DDS_HANDS);
    for (size_t strain = 0; strain < DdTable::kStrains; ++strain) {
      for (size_t declarer = 0; declarer < DdTable::kDeclarers; ++declarer) {
        table.SetTricks(strain, declarer, results.resTable[strain][declarer]);
      }
    }
    return "";
  }
  char message[80] = {};
  dds.ErrorMessage(status, message);
  return "libdds error " + std::to_string(status) + ": " + message;
}

// The one place where seat and strain letters meet libdds's numbering: hands N, E, S, W
// from 0, strains spades, hearts, diamonds, clubs, notrump from 0.
int NorthSouthTricks(const DdTable& table, char leader, char strain) {
  constexpr std::string_view kStrains = "shdcn";
  const size_t declarer = (kSeats.find(leader) + 3) % 4;
  const int tricks = table.Tricks(kStrains.find(strain), declarer);
  return kSeats[declarer] == 'n' || kSeats[declarer] == 's' ? tricks : 13 - tricks;
}

}  // namespace solver
