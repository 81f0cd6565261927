#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "batch/record_reader.h"
#include "batch/record_sink.h"
#include "batch/table_cache.h"
#include "batch/table_solver.h"

namespace batch {

// What a run has done so far.
struct RunCounts {
  uint64_t records = 0;     // records read
  uint64_t analysed = 0;    // records given to the outputs with a table
  uint64_t left_out = 0;    // records reported and left out
  uint64_t solved = 0;      // deals solved by libdds
  uint64_t from_cache = 0;  // deals whose table came from the cache file
};

// Takes records in input order, finds each deal's table once (from the tables met
// recently, from the cache file, or by solving the deals not found, up to kDealsPerCall
// at a time), works out the par with the project's par search, and hands every record to
// the outputs in input order. Holds only the records waiting for a solve, so memory stays
// bounded whatever the input's size. Located messages go to the report function.
class Pipeline {
 public:
  using Report = void (*)(const std::string& message);

  // cache may be null (no cache).
  Pipeline(TableSolver& solver, TableCache* cache, std::vector<RecordSink*> sinks, Report report);

  // A record as read; its fault, if any, is reported now.
  void Add(ReadRecord record);
  // Solves what waits and hands out every record held.
  void Flush();

  const RunCounts& counts() const { return counts_; }

 private:
  // The table of a deal met before, from memory or the cache file.
  bool Lookup(const std::string& deal, driver::TTricks& tricks);
  void Remember(const std::string& deal, const driver::TTricks& tricks);
  void SolveWaiting();
  void Emit(ReadRecord& record);

  TableSolver& solver_;
  TableCache* cache_;
  std::vector<RecordSink*> sinks_;
  Report report_;
  RunCounts counts_;
  std::deque<ReadRecord> held_;       // records from the first that waits for a solve
  std::vector<std::string> waiting_;  // distinct deals to solve
  std::unordered_set<std::string> waiting_set_;
  std::unordered_map<std::string, driver::TTricks> recent_;  // bounded
  std::deque<std::string> recent_order_;
};

}  // namespace batch
