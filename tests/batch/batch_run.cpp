#include "tests/batch/batch_run.h"

BatchRun::Result BatchRun::RunBatch(const std::string& arguments,
                                    const std::string& defaults) const {
  const test_support::RunResult run =
      RunIn(std::string(kBatchBin) + " " + defaults + " " + arguments + " 2> errors.txt");
  Result result;
  result.exit_code = run.exit_code;
  result.output = run.output;
  result.errors = test_support::ReadBytes(work() / "errors.txt");
  return result;
}
