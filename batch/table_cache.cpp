#include "batch/table_cache.h"

#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

#include "batch/par_text.h"

namespace batch {
namespace {

constexpr int kBusyMilliseconds = 60000;

constexpr char kSchema[] =
    "PRAGMA journal_mode=WAL;"
    "CREATE TABLE IF NOT EXISTS dd_tables(deal TEXT PRIMARY KEY, tricks TEXT NOT NULL, "
    "row_check INTEGER NOT NULL) WITHOUT ROWID;";

bool MakeDirectory(const std::string& path) {
  return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

int64_t RowCheck(const std::string& deal, const std::string& tricks_text) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : deal + "|" + tricks_text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return static_cast<int64_t>(hash);
}

std::unique_ptr<TableCache> TableCache::Open(const std::string& path, std::string& warning) {
  std::unique_ptr<TableCache> cache(new TableCache());
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  int status = sqlite3_open_v2(path.c_str(), &cache->db_, flags, nullptr);
  if (status == SQLITE_OK) status = sqlite3_busy_timeout(cache->db_, kBusyMilliseconds);
  if (status == SQLITE_OK) status = sqlite3_exec(cache->db_, kSchema, nullptr, nullptr, nullptr);
  if (status == SQLITE_OK) {
    status =
        sqlite3_prepare_v2(cache->db_, "SELECT tricks, row_check FROM dd_tables WHERE deal = ?1",
                           -1, &cache->find_, nullptr);
  }
  if (status == SQLITE_OK) {
    status = sqlite3_prepare_v2(cache->db_,
                                "INSERT OR REPLACE INTO dd_tables(deal, tricks, row_check) "
                                "VALUES (?1, ?2, ?3)",
                                -1, &cache->store_, nullptr);
  }
  if (status != SQLITE_OK) {
    warning = "cannot use the table cache " + path + ": " +
              (cache->db_ != nullptr ? sqlite3_errmsg(cache->db_) : sqlite3_errstr(status)) +
              "; going on without it";
    return nullptr;
  }
  return cache;
}

TableCache::~TableCache() {
  sqlite3_finalize(find_);
  sqlite3_finalize(store_);
  sqlite3_close(db_);
}

void TableCache::TurnOff(const std::string& what) {
  if (off_) return;
  off_ = true;
  warning_ =
      "the table cache failed (" + what + ": " + sqlite3_errmsg(db_) + "); going on without it";
}

std::string TableCache::TakeWarning() { return std::exchange(warning_, std::string()); }

std::optional<driver::TTricks> TableCache::Find(const std::string& deal) {
  if (off_) return std::nullopt;
  sqlite3_reset(find_);
  sqlite3_bind_text(find_, 1, deal.data(), static_cast<int>(deal.size()), SQLITE_TRANSIENT);
  const int status = sqlite3_step(find_);
  if (status == SQLITE_DONE) return std::nullopt;
  if (status != SQLITE_ROW) {
    TurnOff("reading");
    return std::nullopt;
  }
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(find_, 0));
  const std::string tricks = text != nullptr ? text : "";
  const int64_t check = sqlite3_column_int64(find_, 1);
  sqlite3_reset(find_);
  if (check != RowCheck(deal, tricks)) return std::nullopt;
  return TricksOfText(tricks);
}

void TableCache::Store(const std::vector<std::string>& deals,
                       const std::vector<driver::TTricks>& tables) {
  if (off_) return;
  if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
    TurnOff("writing");
    return;
  }
  for (size_t i = 0; i < deals.size(); ++i) {
    const std::string tricks = DoubleDummyTricksText(tables[i]);
    sqlite3_reset(store_);
    sqlite3_bind_text(store_, 1, deals[i].data(), static_cast<int>(deals[i].size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_text(store_, 2, tricks.data(), static_cast<int>(tricks.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(store_, 3, RowCheck(deals[i], tricks));
    if (sqlite3_step(store_) != SQLITE_DONE) {
      TurnOff("writing");
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      return;
    }
  }
  if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
    TurnOff("writing");
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  }
}

std::string DefaultCachePath() {
  std::string base;
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
      const passwd* entry = getpwuid(getuid());
      home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/') return "";
    base = std::string(home) + "/.cache";
    MakeDirectory(base);
  }
  MakeDirectory(base);
  const std::string directory = base + "/dealmint";
  MakeDirectory(directory);
  return directory + "/tables.sqlite3";
}

}  // namespace batch
