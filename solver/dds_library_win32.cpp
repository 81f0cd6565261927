#include "solver/dds_library.h"

// libdds linked statically: every function is there, nothing can fail to load.
namespace solver {

const DdsLibrary& Dds() {
  // The wrappers drop libdds's calling convention (stdcall on 32-bit Windows).
  static const DdsLibrary dds{
      [](ddTableDealPBN deal, ddTableResults* results) { return CalcDDtablePBN(deal, results); },
      [](int code, char line[80]) { ErrorMessage(code, line); },
      [](int code) { return SetThreading(code); },
      "",
  };
  return dds;
}

}  // namespace solver
