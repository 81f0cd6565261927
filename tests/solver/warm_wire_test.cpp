#include "solver/warm_wire.h"

#include <gtest/gtest.h>

#include <string>

namespace solver {
namespace {

// A table whose every entry differs, so a transposed or shifted copy shows.
DdTable Numbered() {
  DdTable table;
  for (size_t strain = 0; strain < DdTable::kStrains; ++strain) {
    for (size_t declarer = 0; declarer < DdTable::kDeclarers; ++declarer) {
      table.SetTricks(strain, declarer, static_cast<int>(strain * 2 + declarer));
    }
  }
  return table;
}

bool SameTricks(const DdTable& a, const DdTable& b) {
  for (size_t strain = 0; strain < DdTable::kStrains; ++strain) {
    for (size_t declarer = 0; declarer < DdTable::kDeclarers; ++declarer) {
      if (a.Tricks(strain, declarer) != b.Tricks(strain, declarer)) return false;
    }
  }
  return true;
}

TEST(WarmWire, ARepliedTableOrFaultReadsBackAsItWasSent) {
  const DdTable sent = Numbered();
  DdTable got;
  std::string fault;
  EXPECT_EQ(WarmAnswer::kSolved, ReadReply(MakeReply(sent, ""), got, fault));
  EXPECT_TRUE(SameTricks(sent, got));
  EXPECT_EQ("", fault);

  const std::string long_fault(300, 'f');  // cut to what the reply holds
  DdTable untouched;
  EXPECT_EQ(WarmAnswer::kFault, ReadReply(MakeReply(sent, long_fault), untouched, fault));
  EXPECT_EQ(long_fault.substr(0, sizeof(Reply::fault) - 1), fault);
  EXPECT_TRUE(SameTricks(DdTable{}, untouched));
}

TEST(WarmWire, AReplyWithoutItsTagOrWithImpossibleTricksIsNoAnswer) {
  struct Case {
    const char* what;
    size_t strain, declarer;
    int tricks;
    bool bad_tag;
  };
  const Case cases[] = {
      {"request tag", 0, 0, 0, true},
      {"14 tricks", 4, 3, 14, false},
      {"negative tricks", 0, 0, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DdTable sent = Numbered();
    sent.SetTricks(c.strain, c.declarer, c.tricks);
    Reply reply = MakeReply(sent, "");
    if (c.bad_tag) reply.tag = kRequestTag;
    DdTable got;
    std::string fault;
    EXPECT_EQ(WarmAnswer::kUnavailable, ReadReply(reply, got, fault));
    EXPECT_TRUE(SameTricks(DdTable{}, got));
  }
}

TEST(WarmWire, OnlyATaggedWholeDealIsARequestToSolve) {
  Deal whole;  // each hand one suit
  for (size_t seat = 0; seat < 4; ++seat) whole.holdings[seat][seat] = 0x7ffc;
  EXPECT_TRUE(IsSoundRequest(MakeRequest(whole)));
  EXPECT_FALSE(IsSoundRequest(MakeRequest(Deal{})));
  Request untagged = MakeRequest(whole);
  untagged.tag = kReplyTag;
  EXPECT_FALSE(IsSoundRequest(untagged));
}

}  // namespace
}  // namespace solver
