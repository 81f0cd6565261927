#include "batch/json_writer.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "bridge/chairs.h"

namespace batch {
namespace {

TEST(RecordJson, HoldsEveryFieldOfTheRecordAndTheExplanationWhenGiven) {
  AnalysedRecord record;
  record.file = "a.pbn";
  record.line = 12;
  record.board = 0;  // no Board tag
  record.dealer = bridge::kWest;
  record.vulnerability = 'E';
  const char* holdings[5][5] = {{},
                                {"", "AKQJ", "T98", "765", "432"},
                                {"", "T98", "765", "432", "AKQJ"},
                                {"", "765", "432", "AKQJ", "T98"},
                                {"", "432", "AKQJ", "T98", "765"}};
  for (int chair = 1; chair <= 4; ++chair) {
    for (int suit = 1; suit <= 4; ++suit) record.hands[chair][suit] = holdings[chair][suit];
  }
  record.tricks[bridge::kSouth][bridge::kClubs] = 13;
  record.tricks[bridge::kEast][bridge::kNotrump] = 9;
  record.par = {-600, 3, bridge::kNotrump, bridge::kEast};
  record.event = "Caf\xe9";  // not UTF-8
  const nlohmann::json json = nlohmann::json::parse(RecordJson(record, "why"));
  EXPECT_EQ("a.pbn", json["file"]);
  EXPECT_EQ(12, json["line"]);
  EXPECT_TRUE(json["board"].is_null());
  EXPECT_EQ("W", json["dealer"]);
  EXPECT_EQ("EW", json["vulnerability"]);
  EXPECT_EQ("N:AKQJ.T98.765.432 765.432.AKQJ.T98 T98.765.432.AKQJ 432.AKQJ.T98.765", json["deal"]);
  EXPECT_EQ(13, json["tricks"]["S"]["C"]);
  EXPECT_EQ(9, json["tricks"]["E"]["NT"]);
  EXPECT_EQ("000000000d9000000000", json["double_dummy_tricks"]);
  EXPECT_EQ(-600, json["par_score"]);
  EXPECT_EQ("EW 600", json["optimum_score"]);
  EXPECT_EQ("E 3N=", json["par_contract"]);  // West takes fewer
  EXPECT_EQ("Caf\xef\xbf\xbd", json["event"]);
  EXPECT_EQ("why", json["explanation"]);
  EXPECT_FALSE(nlohmann::json::parse(RecordJson(record)).contains("explanation"));
}

}  // namespace
}  // namespace batch
