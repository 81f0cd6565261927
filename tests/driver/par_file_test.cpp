#include "driver/par_file.h"

#include <gtest/gtest.h>

#include <string>

#include "bridge/chairs.h"

namespace driver {
namespace {

using bridge::kEast;
using bridge::kNorth;
using bridge::kSouth;
using bridge::kWest;

TEST(ParLineText, JoinsTheNumberTheParAndTheTricksChairByChairWithTabs) {
  TTricks tricks{};
  for (int16_t strain = 1; strain <= 5; ++strain) {
    tricks[kNorth][strain] = static_cast<int16_t>(strain);
    tricks[kSouth][strain] = static_cast<int16_t>(strain + 5);
    tricks[kEast][strain] = static_cast<int16_t>(13 - strain);
    tricks[kWest][strain] = 0;
  }
  EXPECT_EQ("32767\t-980\t6\t4\t3\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t12\t11\t10\t9\t8\t0\t0\t0\t0\t0",
            ParLineText(32767, {-980, 6, 4, 3}, tricks));
}

TEST(ParLineText, APassOutWritesZerosAndIndexZeroOfTheTableIsNeverRead) {
  TTricks tricks{};
  tricks[0][1] = 9;
  tricks[kNorth][0] = 9;
  std::string expected = "7";
  for (int field = 2; field <= 25; ++field) expected += "\t0";
  EXPECT_EQ(expected, ParLineText(7, TParResult{}, tricks));
}

}  // namespace
}  // namespace driver
