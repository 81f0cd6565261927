// The solver-output reader on arbitrary bytes as 99Store.txt.out, then the score table and
// the par search on whatever it accepted.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "driver/job_files.h"
#include "driver/par_search.h"
#include "driver/solver_run.h"
#include "fuzz/fuzz_stop.h"
#include "pbn/board_reader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The reader opens its file in the current directory.
  char pattern[] = "/tmp/solver-output-fuzz-XXXXXX";
  if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    std::ofstream out(driver::kSolverOutput, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  RunInput([] {
    driver::ResetTrickTable();
    driver::ReadSolverResults(driver::kSolverOutputAsGiven);
    pbn::BoardRecord.Dealer = 'W';
    driver::BuildScoreTable('B');
    driver::FindPar();
  });
  return 0;
}
