#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/test_support.h"

inline constexpr char kBatchBin[] = BIN_DIR "/dealmint-batch";
inline constexpr char kDealmintBin[] = BIN_DIR "/dealmint";

// Runs the built dealmint-batch (and dealmint) in a fresh directory.
class BatchRun : public testing::Test {
 protected:
  struct Result {
    int exit_code = -1;
    std::string output;  // standard output
    std::string errors;  // standard error
  };

  const std::filesystem::path& work() const { return dir_.path(); }

  // "dealmint-batch defaults arguments" in the work directory; by default without a
  // cache, so that runs do not depend on each other.
  Result RunBatch(const std::string& arguments, const std::string& defaults = "--no-cache") const;
  // Any shell command in the work directory.
  test_support::RunResult RunIn(const std::string& command) const {
    return test_support::RunIn(work(), command);
  }

 private:
  test_support::ScopedTempDir dir_;
};
