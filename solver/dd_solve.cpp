#include "solver/dd_solve.h"

#include <cstring>
#include <string_view>

#include "solver/dds_library.h"
#include "solver/job_file.h"

namespace solver {

std::string SolveDeal(const Deal& deal, TrickTable& table) {
  const DdsLibrary& dds = Dds();
  if (!dds.fault.empty()) return dds.fault;
  ddTableDealPBN pbn{};
  const std::string text = DealText(deal);
  std::strncpy(pbn.cards, text.c_str(), sizeof pbn.cards - 1);
  const int status = dds.CalcDDtablePBN(pbn, &table.results);
  if (status == RETURN_NO_FAULT) return "";
  char message[80] = {};
  dds.ErrorMessage(status, message);
  return "libdds error " + std::to_string(status) + ": " + message;
}

// The one place where seat and strain letters meet libdds's numbering: hands N, E, S, W
// from 0, strains spades, hearts, diamonds, clubs, notrump from 0.
int NorthSouthTricks(const TrickTable& table, char leader, char strain) {
  constexpr std::string_view kStrains = "shdcn";
  const size_t declarer = (kSeats.find(leader) + 3) % 4;
  const int tricks = table.results.resTable[kStrains.find(strain)][declarer];
  return kSeats[declarer] == 'n' || kSeats[declarer] == 's' ? tricks : 13 - tricks;
}

}  // namespace solver
