#include "solver/dds_library.h"

#include "solver/start_up.h"

// libdds linked statically: every function is there, nothing can fail to load.
namespace solver {
namespace {

DdsLibrary Load() {
  PrepareHeap();
  // A libdds linked statically has no library start-up to size its thread pool, so the
  // first solve would find none: SetMaxThreads(0) takes one per processor.
  SetMaxThreads(0);
  // The wrappers drop libdds's calling convention (stdcall on 32-bit Windows).
  return DdsLibrary{
      [](ddTableDeal deal, ddTableResults* results) { return CalcDDtable(deal, results); },
      [](int code, char line[80]) { ErrorMessage(code, line); },
      [](int code) { return SetThreading(code); },
      [](int threads) { SetMaxThreads(threads); },
      [](ddTableDealsPBN* deals, int mode, int filter[DDS_STRAINS], ddTablesRes* results,
         allParResults* par) { return CalcAllTablesPBN(deals, mode, filter, results, par); },
      "",
  };
}

}  // namespace

const DdsLibrary& Dds() {
  static const DdsLibrary dds = Load();
  return dds;
}

}  // namespace solver
