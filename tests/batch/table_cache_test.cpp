#include "batch/table_cache.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>

#include "tests/support/test_support.h"

namespace batch {
namespace {

constexpr char kDeal[] = "N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3";

driver::TTricks SomeTable() {
  driver::TTricks tricks{};
  for (int16_t chair = 1; chair <= 4; ++chair) {
    for (int16_t strain = 1; strain <= 5; ++strain) tricks[chair][strain] = (chair * strain) % 14;
  }
  return tricks;
}

TEST(TableCache, GivesBackWhatItStoredAcrossOpenings) {
  const test_support::ScopedTempDir dir;
  const std::string path = (dir.path() / "t.sqlite3").string();
  std::string warning;
  {
    const auto cache = TableCache::Open(path, warning);
    ASSERT_NE(nullptr, cache) << warning;
    EXPECT_FALSE(cache->Find(kDeal));
    cache->Store({kDeal}, {SomeTable()});
  }
  const auto cache = TableCache::Open(path, warning);
  ASSERT_NE(nullptr, cache);
  EXPECT_EQ(SomeTable(), cache->Find(kDeal));
  EXPECT_FALSE(cache->Find("N:other"));
  EXPECT_EQ("", cache->TakeWarning());
}

TEST(TableCache, NeverUsesARowThatFailsItsCheck) {
  const test_support::ScopedTempDir dir;
  const std::string path = (dir.path() / "t.sqlite3").string();
  std::string warning;
  TableCache::Open(path, warning)->Store({kDeal}, {SomeTable()});
  // Another table under the deal, its check left as it was; then a table out of range
  // with a check that fits it.
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
  ASSERT_EQ(SQLITE_OK, sqlite3_exec(db, "UPDATE dd_tables SET tricks = '0000000000000000000a'",
                                    nullptr, nullptr, nullptr));
  EXPECT_FALSE(TableCache::Open(path, warning)->Find(kDeal));
  const std::string wild = "ffffffffffffffffffff";
  const std::string update = "UPDATE dd_tables SET tricks = '" + wild +
                             "', row_check = " + std::to_string(RowCheck(kDeal, wild));
  ASSERT_EQ(SQLITE_OK, sqlite3_exec(db, update.c_str(), nullptr, nullptr, nullptr));
  sqlite3_close(db);
  EXPECT_FALSE(TableCache::Open(path, warning)->Find(kDeal));
}

TEST(TableCache, AFileThatIsNoCacheIsRefusedWithAWarning) {
  const test_support::ScopedTempDir dir;
  const std::string path = (dir.path() / "t.sqlite3").string();
  test_support::WriteBytes(path, std::string(4096, 'x'));
  std::string warning;
  EXPECT_EQ(nullptr, TableCache::Open(path, warning));
  EXPECT_NE(std::string::npos, warning.find("cannot use the table cache " + path)) << warning;
  EXPECT_EQ(nullptr, TableCache::Open((dir.path() / "missing" / "t").string(), warning));
}

TEST(DefaultCachePath, FollowsXdgCacheHomeWhenAbsoluteElseHome) {
  const test_support::ScopedTempDir dir;
  const char* saved_xdg = std::getenv("XDG_CACHE_HOME");
  const char* saved_home = std::getenv("HOME");
  const std::string xdg = saved_xdg ? saved_xdg : "", home = saved_home ? saved_home : "";
  setenv("XDG_CACHE_HOME", (dir.path() / "xdg").c_str(), 1);
  EXPECT_EQ((dir.path() / "xdg" / "dealmint" / "tables.sqlite3").string(), DefaultCachePath());
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "xdg" / "dealmint"));
  setenv("XDG_CACHE_HOME", "relative", 1);
  setenv("HOME", dir.path().c_str(), 1);
  EXPECT_EQ((dir.path() / ".cache" / "dealmint" / "tables.sqlite3").string(), DefaultCachePath());
  saved_xdg ? setenv("XDG_CACHE_HOME", xdg.c_str(), 1) : unsetenv("XDG_CACHE_HOME");
  saved_home ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
}  // namespace batch
