#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "driver/solver_run.h"

struct sqlite3;
struct sqlite3_stmt;

namespace batch {

// Solved tables kept in an SQLite file, keyed by the deal in canonical form ("N:" and the
// four hands, ranks from the ace down), so that no deal is solved twice across runs.
// Several processes may share one file at once (write-ahead log, a busy timeout). Each
// row carries a check of its deal and table; a row that fails it is never used. Nothing
// here stops the process: every failure turns the cache off with one warning.
class TableCache {
 public:
  // Opens or creates the cache file (and, for the default place, its directory). Null,
  // with the reason in warning, when it cannot be opened or is not a sound cache.
  static std::unique_ptr<TableCache> Open(const std::string& path, std::string& warning);
  ~TableCache();

  // The table stored for the deal, or nothing (also when the cache has been turned off).
  std::optional<driver::TTricks> Find(const std::string& deal);
  // Stores the tables of the deals in one transaction, replacing rows of those deals.
  void Store(const std::vector<std::string>& deals, const std::vector<driver::TTricks>& tables);

  // The warning of a failure after opening, once, then empty; the cache is off after it.
  std::string TakeWarning();

 private:
  TableCache() = default;
  void TurnOff(const std::string& what);

  sqlite3* db_ = nullptr;
  sqlite3_stmt* find_ = nullptr;
  sqlite3_stmt* store_ = nullptr;
  bool off_ = false;
  std::string warning_;
};

// The cache's usual place: $XDG_CACHE_HOME/dealmint/tables.sqlite3 when that variable
// holds an absolute path, else ~/.cache/dealmint/tables.sqlite3 ($HOME, or the user's
// home directory from the password database); the directories are created (mode 0700)
// when missing. Empty when no home directory is known.
std::string DefaultCachePath();

// Pure: the check stored with a row: a 64-bit FNV-1a hash of the deal, a '|' and the
// table's DoubleDummyTricks text.
int64_t RowCheck(const std::string& deal, const std::string& tricks_text);

}  // namespace batch
