#include "batch/hand_record.h"

#include <gtest/gtest.h>

#include "bridge/chairs.h"
#include "tests/batch/explanation_reading.h"

namespace batch {
namespace {

using bridge::kEast;
using bridge::kNorth;
using bridge::kSouth;
using bridge::kWest;

TEST(HtmlText, EscapesMarkupAndReadsNonUtf8AsLatin1) {
  struct Case {
    std::string in, want;
  };
  const Case cases[] = {
      {"Club <b>\"night\"</b> & 'friends'",
       "Club &lt;b&gt;&quot;night&quot;&lt;/b&gt; &amp; &#39;friends&#39;"},
      {"Caf\xC3\xA9 \xE2\x99\xA5", "Caf\xC3\xA9 \xE2\x99\xA5"},  // UTF-8 stays
      {"Hotel Des Indes\xA0- The Hague", "Hotel Des Indes\xC2\xA0- The Hague"},
      {"Caf\xE9", "Caf\xC3\xA9"},                        // Latin-1 e acute
      {"over\xC0\xAFlong", "over\xC3\x80\xC2\xAFlong"},  // an overlong form is not UTF-8
      {std::string("a\0b\x1b\tc", 6), "a b \tc"},        // controls but tab become blanks
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(c.want, HtmlText(c.in));
  }
}

driver::TTricks Tricks(std::initializer_list<std::initializer_list<int16_t>> rows) {
  driver::TTricks tricks{};
  int16_t chair = 1;
  for (const auto& row : rows) {
    int16_t strain = 1;
    for (const int16_t taken : row) tricks[chair][strain++] = taken;
    ++chair;
  }
  return tricks;
}

TEST(MakeableText, ListsEachSidesContractsAndEachPlayersWherePartnersDiffer) {
  struct Case {
    driver::TTricks tricks;  // N, S, E, W by C, D, H, S, NT
    const char* want;
  };
  const Case cases[] = {
      {Tricks({{4, 5, 10, 8, 6}, {4, 5, 10, 8, 6}, {9, 8, 3, 5, 6}, {9, 8, 3, 5, 6}}),
       "NS 2♠ 4♥; EW 2♦ 3♣"},
      {Tricks({{6, 6, 6, 6, 9}, {6, 6, 6, 6, 8}, {6, 6, 6, 6, 4}, {6, 6, 6, 6, 4}}),
       "N 3NT; S 2NT"},
      {Tricks({{5, 5, 10, 7, 9}, {5, 5, 10, 7, 8}, {7, 7, 3, 6, 4}, {8, 7, 3, 6, 4}}),
       "NS 1♠ 4♥; N 3NT; S 2NT; EW 1♦; E 1♣; W 2♣"},
      {Tricks({{6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}}), "none"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(c.want, MakeableText(c.tricks, SuitStyle::Symbols));
  }
  EXPECT_EQ("NS 2S 4H; EW 2D 3C", MakeableText(cases[0].tricks, SuitStyle::Letters));
}

TEST(HandRecordParLine, GivesTheScoreFromNorthSouthAndTheParContractWithSymbols) {
  const driver::TTricks tricks =
      Tricks({{4, 5, 10, 8, 12}, {4, 5, 10, 8, 11}, {9, 8, 3, 5, 6}, {9, 8, 3, 5, 6}});
  EXPECT_EQ("Par +420: NS 4♥=",
            HandRecordParLine({420, 4, bridge::kHearts, kNorth}, tricks, SuitStyle::Symbols));
  EXPECT_EQ("Par +990: N 6NT=",
            HandRecordParLine({990, 6, bridge::kNotrump, kNorth}, tricks, SuitStyle::Symbols));
  EXPECT_EQ("Par +300: EW 5♦X-3",
            HandRecordParLine({300, 5, bridge::kDiamonds, kEast}, tricks, SuitStyle::Symbols));
  EXPECT_EQ("Par -110: EW 3♣=",
            HandRecordParLine({-110, 3, bridge::kClubs, kWest}, tricks, SuitStyle::Symbols));
  EXPECT_EQ("Par 0: Pass", HandRecordParLine({}, tricks, SuitStyle::Symbols));
}

AnalysedRecord Board(int16_t number, const std::string& north_spades) {
  AnalysedRecord record;
  record.board = number;
  record.dealer = kSouth;
  record.vulnerability = 'E';
  record.hands[kNorth] = {"", north_spades, "KQ3", "", "T98765J"};
  record.hands[kEast] = {"", "KJT9", "AJ", "T9876", "32"};
  record.hands[kSouth] = {"", "432", "T98765", "AK", "54"};
  record.hands[kWest] = {"", "Q", "42", "Q532", "AKQJ"};
  record.tricks = Tricks({{6, 6, 10, 6, 6}, {6, 6, 10, 6, 6}, {6, 6, 3, 6, 6}, {6, 6, 3, 6, 6}});
  record.par = driver::ParOf(driver::ScoresOf(record.tricks, 'E'), kSouth);
  record.event = "Spring <Pairs> & Co";
  record.site = "Club";
  record.date = "2024.06.03";
  return record;
}

TEST(BoardHtml, ShowsHandsPointsGridParAndExplanationWithSpokenSuits) {
  const std::string html = BoardHtml(Board(7, "A65"));
  for (const char* part :
       {"Board 7 ", "Dealer South, E-W vulnerable", "North · 10 HCP", "East · 9 HCP",
        "South · 7 HCP", "West · 14 HCP", "aria-label=\"void\"",
        "<span class=\"suit red\" role=\"img\" aria-label=\"hearts\">♥</span>",
        "<span class=\"suit\" role=\"img\" aria-label=\"spades\">♠</span> A\u20096\u20095",
        "10\u20099\u20098\u20097\u20096", "<td>10</td>", "Makeable: NS 4", "Par +420: NS 4",
        "<span class=\"side\">North-South</span> own the deal"}) {
    EXPECT_NE(std::string::npos, html.find(part)) << part;
  }
  EXPECT_EQ(std::string::npos, html.find("T 9"));  // the ten is written 10
  EXPECT_EQ(4u, Count(html, "<div class=\"hand "));
  EXPECT_EQ(4u, Count(html, "<tr><th scope=\"row\">"));
}

TEST(HandRecordPage, HeadsWithTheFirstRecordShowsABoardOnceAndFillsSheets) {
  std::string page;
  HandRecordPage writer([&](std::string_view bytes) { page += bytes; });
  writer.Add(Board(1, "A65"));
  writer.Add(Board(1, "A65"));  // the same board at another table
  writer.Add(Board(2, "A65"));
  writer.Add(Board(1, "A64"));  // another deal under the same number
  writer.Add(Board(3, "A65"));
  writer.Finish();
  EXPECT_EQ(4u, writer.boards());
  EXPECT_EQ(4u, Count(page, "<section class=\"board\">"));
  EXPECT_EQ(2u, Count(page, "<div class=\"sheet\">"));
  EXPECT_EQ(Count(page, "<div"), Count(page, "</div>"));
  EXPECT_EQ(1u, Count(page, "<h1>Spring &lt;Pairs&gt; &amp; Co</h1>"));
  EXPECT_EQ(1u, Count(page, "<p>Club · 2024.06.03</p>"));
  EXPECT_EQ(0u, Count(page, "<script"));
  EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
  EXPECT_TRUE(page.ends_with("</html>\n"));
}

TEST(HandRecordPage, SaysSoWhenNoRecordCame) {
  std::string page;
  HandRecordPage writer([&](std::string_view bytes) { page += bytes; });
  writer.Finish();
  EXPECT_NE(std::string::npos, page.find("<h1>Hand records</h1>"));
  EXPECT_NE(std::string::npos, page.find("No deals were analysed."));
  EXPECT_EQ(0u, Count(page, "class=\"sheet\""));
  EXPECT_EQ(Count(page, "<div"), Count(page, "</div>"));
}

}  // namespace
}  // namespace batch
