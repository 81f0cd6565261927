#include "batch/par_explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <random>

#include "batch/par_text.h"
#include "bridge/chairs.h"
#include "tests/batch/explanation_reading.h"

namespace batch {
namespace {

using bridge::kEast;
using bridge::kNorth;
using bridge::kWest;

// Tricks of North, South, East, West, each in clubs, diamonds, hearts, spades, notrump.
using Rows = std::array<std::array<int16_t, 5>, 4>;

driver::TTricks TricksOf(const Rows& rows) {
  driver::TTricks tricks{};
  for (int chair = 1; chair <= 4; ++chair) {
    for (int strain = 1; strain <= 5; ++strain) tricks[chair][strain] = rows[chair - 1][strain - 1];
  }
  return tricks;
}

TEST(ParExplanation, SaysWhyEachKindOfParIsPar) {
  struct Case {
    const char* name;
    Rows rows;
    int16_t dealer;
    char vulnerability;
    const char* want;
  };
  const Case cases[] = {
      {"a sacrifice that does not pay",
       {{{4, 7, 10, 7, 8}, {4, 7, 10, 7, 8}, {8, 5, 3, 5, 4}, {8, 5, 3, 5, 4}}},
       kNorth,
       '-',
       "North-South own the deal: 4♥ makes for +420. East-West's cheapest sacrifice over it, "
       "5♣ doubled, would go three down for -500, more than the 420 that 4♥ is worth, so "
       "North-South play 4♥: par +420."},
      {"a sacrifice that pays, and bidding on that does not",
       {{{5, 4, 6, 10, 7}, {5, 4, 6, 10, 7}, {7, 9, 6, 3, 5}, {7, 9, 6, 3, 5}}},
       kNorth,
       'N',
       "North-South own the deal: 4♠ makes for +620. East-West sacrifice in 5♦ doubled: two "
       "down costs 300, less than the 620 that 4♠ would give North-South. Bidding on to 5♠ "
       "doubled would go one down for -200, less than the 300 that doubling 5♦ gives "
       "North-South, so East-West play 5♦ doubled, two down: par +300."},
      {"a double sacrifice",
       {{{4, 11, 3, 10, 8}, {4, 11, 3, 10, 8}, {9, 2, 9, 3, 4}, {9, 2, 9, 3, 4}}},
       kNorth,
       '-',
       "North-South's 4♠ would make for +420; over East-West's sacrifice in 5♣ doubled, two "
       "down for -300, they bid on to 5♦, which makes for +400. East-West sacrifice again in "
       "5♥ doubled: two down costs 300, less than the 400 that 5♦ would give North-South. "
       "Bidding on to 5♠ doubled would go one down for -100, less than the 300 that doubling "
       "5♥ gives North-South, so East-West play 5♥ doubled, two down: par +300."},
      {"bidding on over a sacrifice that pays",
       {{{4, 11, 3, 10, 8}, {4, 11, 3, 10, 8}, {9, 2, 5, 3, 4}, {9, 2, 5, 3, 4}}},
       kNorth,
       '-',
       "North-South's 4♠ would make for +420, but East-West would sacrifice over it in 5♣ "
       "doubled, two down for -300. So North-South bid on to 5♦, which makes for +400, more "
       "than the 300 the sacrifice would give them. East-West's cheapest sacrifice over it, "
       "6♣ doubled, would go three down for -500, more than the 400 that 5♦ is worth, so "
       "North-South play 5♦: par +400."},
      {"one declarer of a pair",
       {{{6, 7, 8, 8, 12}, {6, 7, 8, 8, 11}, {5, 4, 3, 4, 1}, {5, 4, 3, 4, 1}}},
       kNorth,
       '-',
       "North-South own the deal: 6NT by North makes for +990. The declarer matters: North "
       "takes twelve tricks in notrump, South only eleven. East-West's cheapest sacrifice over "
       "it, 7♣ doubled, would go eight down for -2000, more than the 990 that 6NT is worth, so "
       "North plays 6NT: par +990."},
      {"passed out",
       {{{6, 6, 6, 6, 6}, {5, 6, 6, 6, 6}, {6, 6, 6, 6, 6}, {6, 6, 6, 6, 5}}},
       kNorth,
       'B',
       "No player takes more than six tricks in any strain, so every contract goes down. "
       "Whoever bids first would be doubled and lose, so the deal is passed out: par 0."},
      {"a tie between two games: the first bid stands",
       {{{5, 6, 10, 10, 8}, {5, 6, 10, 10, 8}, {7, 6, 3, 3, 4}, {7, 6, 3, 3, 4}}},
       kNorth,
       '-',
       "North-South own the deal: 4♥ makes for +420. 4♠ would score the same +420, but 4♥ "
       "comes first in the auction and stands. East-West's cheapest sacrifice over it, 5♣ "
       "doubled, would go four down for -800, more than the 420 that 4♥ is worth, so "
       "North-South play 4♥: par +420."},
      {"both sides make the same contract: the one nearer the dealer has it",
       {{{6, 6, 6, 6, 7}, {6, 6, 6, 6, 7}, {6, 6, 6, 6, 7}, {6, 6, 6, 6, 7}}},
       kEast,
       '-',
       "East-West own the deal: 1NT makes for +90. North-South can make 1NT as well, but "
       "East-West bid it first in the auction from the dealer. North-South's cheapest "
       "sacrifice over it, 2NT doubled, would go one down for -100, more than the 90 that 1NT "
       "is worth, so East-West play 1NT: par -90."},
      {"the other side outbids a game and is outbid in turn by a sacrifice",
       {{{5, 4, 4, 10, 6}, {5, 4, 4, 10, 6}, {6, 6, 11, 2, 6}, {6, 6, 11, 2, 6}}},
       kWest,
       'E',
       "North-South can make 4♠ for +420, but East-West outbid them: 5♥ makes for +650. "
       "North-South sacrifice in 5♠ doubled: one down costs 100, less than the 650 that 5♥ "
       "would give East-West. Bidding on to 6♥ doubled would go one down for -200, less than "
       "the 100 that doubling 5♠ gives East-West, so North-South play 5♠ doubled, one down: "
       "par -100."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.want,
              ParExplanation(TricksOf(c.rows), c.dealer, c.vulnerability, SuitStyle::Symbols));
  }
}

TEST(ParExplanation, WritesStrainsAsLettersForPbnFiles) {
  const Rows rows{{{4, 7, 10, 7, 8}, {4, 7, 10, 7, 8}, {8, 5, 3, 5, 4}, {8, 5, 3, 5, 4}}};
  EXPECT_EQ(
      "North-South own the deal: 4H makes for +420. East-West's cheapest sacrifice over it, 5C "
      "doubled, would go three down for -500, more than the 420 that 4H is worth, so "
      "North-South play 4H: par +420.",
      ParExplanation(TricksOf(rows), kNorth, '-', SuitStyle::Letters));
  EXPECT_EQ("NT", StrainText(bridge::kNotrump, SuitStyle::Symbols));
  EXPECT_EQ("\u2663", StrainText(bridge::kClubs, SuitStyle::Symbols));
}

// Random trick tables, half of them shaped like real deals (the defenders of a strain take
// about what the declarers do not), the other half anything from 0 to 13.
driver::TTricks RandomTricks(std::mt19937& random, bool realistic) {
  std::uniform_int_distribution<int> any(0, 13);
  std::uniform_int_distribution<int> slip(0, 1);
  driver::TTricks tricks{};
  for (int strain = 1; strain <= 5; ++strain) {
    const int ns = any(random);
    for (int chair = 1; chair <= 4; ++chair) {
      const int base = bridge::IsNorthSouth(chair) ? ns : 13 - ns;
      tricks[chair][strain] =
          static_cast<int16_t>(realistic ? std::max(0, base - slip(random)) : any(random));
    }
  }
  return tricks;
}

// The number just before text[at], with its sign.
int NumberBefore(const std::string& text, size_t at) {
  size_t from = at;
  while (from > 0 && std::isdigit(static_cast<unsigned char>(text[from - 1]))) --from;
  if (from > 0 && (text[from - 1] == '-' || text[from - 1] == '+')) --from;
  return std::stoi(text.substr(from, at - from));
}

// Each comparison the text makes, checked on its own numbers: "for -500, more than the
// 420" (a cost above what the contract is worth), "costs 300, less than the 620".
void ExpectComparisonsHold(const std::string& text) {
  for (const std::string marker : {", more than the ", ", less than the "}) {
    for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
      const int before = NumberBefore(text, at);
      const int after = std::stoi(text.substr(at + marker.size()));
      if (marker == ", more than the ") {
        EXPECT_GT(std::abs(before), after) << text.substr(at - 20, 60);
      } else {
        EXPECT_LT(before, after) << text.substr(at - 20, 60);
      }
    }
  }
}

TEST(ParExplanation, EndsInTheParOfTheParSearchOnRandomDeals) {
  std::mt19937 random(19);
  for (int i = 0; i < 4000; ++i) {
    const driver::TTricks tricks = RandomTricks(random, i % 2 == 0);
    const auto dealer = static_cast<int16_t>(1 + i % 4);
    const char vulnerability = "-NEB"[(i / 4) % 4];
    const std::string text = ParExplanation(tricks, dealer, vulnerability, SuitStyle::Symbols);
    SCOPED_TRACE(text);
    const driver::TParResult par = driver::ParOf(driver::ScoresOf(tricks, vulnerability), dealer);
    EXPECT_EQ(std::make_pair(ParContractText(par, tricks), static_cast<int>(par.ParScore)),
              ReadClosing(text));
    size_t sentences = 1;
    for (size_t at = text.find(". "); at != std::string::npos; at = text.find(". ", at + 1)) {
      ++sentences;
    }
    EXPECT_GE(sentences, 2u);
    EXPECT_LE(sentences, 4u);
    ExpectComparisonsHold(text);
  }
}

}  // namespace
}  // namespace batch
