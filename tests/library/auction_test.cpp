#include "library/auction.h"

#include <gtest/gtest.h>

#include <string>

#include "pbn/hands.h"

namespace library {
namespace {

using runtime::Text;

// Only suit lengths count, so hands are written with x for every card.
void Deal(const char* north, const char* south) {
  pbn::ClearHands();
  pbn::LoadHand('N', Text(north));
  pbn::LoadHand('S', Text(south));
}

// A template as ExpandAuction writes it: every "-" an explicit pass.
std::string Passes(std::string auction) {
  for (size_t at = auction.find('-'); at != std::string::npos; at = auction.find('-')) {
    auction.replace(at, 1, " p ");
  }
  return auction;
}

std::string Expanded(const char* auction) {
  Text text(auction);
  ExpandAuction(text);
  return text.str();
}

class AuctionTest : public testing::Test {
 protected:
  void SetUp() override { ResetAuctionAnalysis(); }
};

TEST_F(AuctionTest, StaymanGivesEachReplyAndStrainThroughAllThreeTemplates) {
  const struct {
    const char *north, *south;
    char reply, strain;
    const char *game, *decline, *accept;
  } cases[] = {
      {"xxx.xxxx.xxx.xxx", "xxx.xxxx.xxx.xxx", 'h', 'h', "1n-2c-2h-4h", "1n-2c-2h-3h",
       "1n-2c-2h-3h-4h"},
      {"xxxx.xxxx.xxx.xx", "xxxx.xxx.xxx.xxx", 'h', 's', "1n-2c-2h-3n-4s", "1n-2c-2h-2n-3s",
       "1n-2c-2h-2n-4s"},
      {"xxx.xxxx.xxx.xxx", "xxxx.xxx.xxx.xxx", 'h', 'n', "1n-2c-2h-3n", "1n-2c-2h-2n",
       "1n-2c-2h-2n-3n"},
      {"xxxx.xxx.xxx.xxx", "xxxx.xx.xxxx.xxx", 's', 's', "1n-2c-2s-4s", "1n-2c-2s-3s",
       "1n-2c-2s-3s-4s"},
      {"xxxx.xxx.xxx.xxx", "xxx.xxxx.xxx.xxx", 's', 'n', "1n-2c-2s-3n", "1n-2c-2s-2n",
       "1n-2c-2s-2n-3n"},
      // Five hearts is not four: North denies a major, whatever South holds.
      {"xxx.xxxxx.xxx.xx", "xxxx.xxxx.xxx.xx", 'd', 'n', "1n-2c-2d-3n", "1n-2c-2d-2n",
       "1n-2c-2d-2n-3n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.reply << c.strain);
    Deal(c.north, c.south);
    AnalyseStayman();
    EXPECT_EQ(c.reply, StaymanReply);
    EXPECT_EQ(c.strain, FinalStrain);
    EXPECT_EQ(Passes(c.game), Expanded("1n-2c-2S-game-?"));
    EXPECT_EQ(Passes(c.decline), Expanded("1n-2c-2S-invite-decline"));
    EXPECT_EQ(Passes(c.accept), Expanded("1n-2c-2S-invite-accept"));
  }
}

TEST_F(AuctionTest, TransfersGoToTheLongerMajorAndSpadesWithFiveOfEach) {
  const struct {
    const char* south;
    char bid;
  } cases[] = {{"xxxxx.xxxxx.xx.x", 'h'},
               {"xxxxx.xxxxxx.xx.", 'd'},
               {"xxxx.xxxx.xxx.xx", 'n'},
               {"xxxxxx.xxx.xx.xx", 'h'}};
  for (const auto& c : cases) {
    Deal("xxx.xxx.xxxx.xxx", c.south);
    AnalyseTransfer();
    EXPECT_EQ(c.bid, TransferBid) << c.south;
  }
}

TEST_F(AuctionTest, TrialBidsAreTriedInTheirOrderAndNorthSettlesWithThreeCardSupport) {
  const struct {
    const char *north, *south;
    char suit;
    const char* trial;
    char strain;
  } cases[] = {
      {"xxx.xx.xxxx.xxxx", "xxxx.xxxxx..xxxx", 'h', "2s", 'n'},  // spades before clubs
      {"xx.xxx.xxxx.xxxx", "xx.xxxxx.xxxx.xx", 'h', "3d", 'h'},
      {"xxx.xxx.xxx.xxxx", "xxxxx.xxxx.xxxx.", 's', "3d", 's'},  // diamonds before hearts
      {"xx.xxxx.xxxx.xxx", "xxxxx.xxxx.xx.xx", 's', "3h", 'n'},
      {"xxx.xxx.xxx.xxxx", "xxxxxx.xxx.xx.xx", 's', "2n", 's'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.south);
    Deal(c.north, c.south);
    AnalyseTransfer();
    EXPECT_EQ(c.suit, TransferSuit);
    EXPECT_EQ(Text(c.trial), TrialBid);
    EXPECT_EQ(c.strain, FinalStrain);
  }
}

TEST_F(AuctionTest, TheWorkedTransferExampleExpandsToExplicitPasses) {
  Deal("xxx.xxxx.xxx.xxx", "xxxxxx.x.xx.xxxx");  // South six spades and four clubs
  AnalyseTransfer();
  EXPECT_EQ("1n p 2h p 2s p 3c p 4s", Expanded("1n-2t-2T-TransferAuctionTrialBid-4m"));
  EXPECT_EQ(Text("1n2h2s3c4s"), CompactAuction(Text("1n-2t-2T-TransferAuctionTrialBid-4m")));
}

TEST_F(AuctionTest, ExpandingBeforeAnyAnalysisEndsAndShowsTheMissingValues) {
  // Both characters are still unset, so they count as equal: the game template's rule b.
  EXPECT_EQ("1n p 2c p 2? p 4?", Expanded("1n-2c-2S-game-?"));
  EXPECT_EQ("1n p 2c p 2? p ga?e", Expanded("1n-2c-2S-game"));
  EXPECT_EQ("1n p 2? p 2? p  p 4?", Expanded("1n-2t-2T-TransferAuctionTrialBid-4m"));
  EXPECT_EQ("1n p 2c", Expanded("1n-2c"));
  EXPECT_EQ("1n2c", Expanded("1n2c"));
}

TEST_F(AuctionTest, StrippingRemovesBlanksDashesAndLowerCasePassesOnly) {
  Text auction("1n p 2c p 2h p 4h");
  StripAuction(auction);
  EXPECT_EQ(Text("1n2c2h4h"), auction);
  auction = Text("1n - P-2c p");
  StripAuction(auction);
  EXPECT_EQ(Text("1nP2c"), auction);
}

TEST_F(AuctionTest, ReplaceFirstFindsInsideWordsAndCutsAt255) {
  Text text("abcabc");
  ReplaceFirst(text, Text("bc"), Text("XY"));
  EXPECT_EQ(Text("aXYabc"), text);
  ReplaceFirst(text, Text("zz"), Text("Q"));
  EXPECT_EQ(Text("aXYabc"), text);
  Text long_text(std::string(253, 'a') + "-");
  ExpandAuction(long_text);
  EXPECT_EQ(Text(std::string(253, 'a') + " p"), long_text);
}

}  // namespace
}  // namespace library
