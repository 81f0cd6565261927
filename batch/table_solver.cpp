#include "batch/table_solver.h"

#include <dds/dll.h>

#include <cstring>
#include <memory>

#include "solver/dd_solve.h"
#include "solver/dds_library.h"

namespace batch {

std::string TableSolver::Solve(const std::vector<std::string>& deals,
                               std::vector<driver::TTricks>& tables) {
  const solver::DdsLibrary& dds = solver::Dds();
  if (!started_) {
    if (dds.fault.empty()) dds.SetMaxThreads(threads_);
    started_ = true;
  }
  if (!dds.fault.empty()) return dds.fault;
  // Some 100 KB each: kept off the stack.
  auto input = std::make_unique<ddTableDealsPBN>();
  auto results = std::make_unique<ddTablesRes>();
  auto par = std::make_unique<allParResults>();
  input->noOfTables = static_cast<int>(deals.size());
  for (size_t i = 0; i < deals.size(); ++i) {
    std::strncpy(input->deals[i].cards, deals[i].c_str(), sizeof input->deals[i].cards - 1);
  }
  int filter[DDS_STRAINS] = {};  // 0: solve the strain
  constexpr int kNoPar = -1;
  const int status = dds.CalcAllTablesPBN(input.get(), kNoPar, filter, results.get(), par.get());
  if (status != RETURN_NO_FAULT) {
    char message[80] = {};
    dds.ErrorMessage(status, message);
    return "libdds error " + std::to_string(status) + ": " + message;
  }
  tables.assign(deals.size(), driver::TTricks{});
  for (size_t i = 0; i < deals.size(); ++i) {
    for (int16_t chair = 1; chair <= 4; ++chair) {
      for (int16_t strain = 1; strain <= 5; ++strain) {
        tables[i][chair][strain] =
            static_cast<int16_t>(solver::DeclarerTricks(results->results[i], chair, strain));
      }
    }
  }
  return "";
}

}  // namespace batch
