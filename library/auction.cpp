#include "library/auction.h"

#include <string>

#include "bridge/chairs.h"
#include "pbn/hands.h"

namespace library {
namespace {

using runtime::Text;

using bridge::Suits;

size_t Length(int16_t chair, Suits suit) {
  return pbn::Hands[chair][bridge::SuitNumber(suit)].length();
}
size_t North(Suits suit) { return Length(bridge::kNorth, suit); }
size_t South(Suits suit) { return Length(bridge::kSouth, suit); }

// Replaces every occurrence of a letter; a replacement equal to the letter changes
// nothing instead of looping.
void ReplaceLetter(Text& text, char letter, char replacement) {
  for (size_t i = 0; i < text.length(); ++i) {
    if (text[i] == letter) text[i] = replacement;
  }
}

// One Stayman template: rules a, b and c, each that holds replacing the whole auction.
void ResolveTemplate(Text& auction, const char* name, const std::string& a, const std::string& b,
                     const char* c) {
  if (auction != Text(name)) return;
  const std::string reply = std::string("1n-2c-2") + StaymanReply;
  if (FinalStrain == 'n') auction = Text(reply + a);
  if (StaymanReply == FinalStrain) auction = Text(reply + b);
  if (StaymanReply == 'h' && FinalStrain == 's') auction = Text(c);
}

}  // namespace

void ResetAuctionAnalysis() {
  StaymanReply = FinalStrain = TransferBid = TransferSuit = kNoValue;
  TrialBid = Text();
}

void AnalyseStayman() {
  StaymanReply = North(Suits::Hearts) == 4 ? 'h' : North(Suits::Spades) == 4 ? 's' : 'd';
  FinalStrain = 'n';
  if (StaymanReply == 'h') {
    if (South(Suits::Hearts) >= 4) {
      FinalStrain = 'h';
    } else if (South(Suits::Spades) >= 4 && North(Suits::Spades) >= 4) {
      FinalStrain = 's';
    }
  }
  if (StaymanReply == 's' && South(Suits::Spades) >= 4) FinalStrain = 's';
}

void AnalyseTransfer() {
  TransferBid = 'n';
  if (South(Suits::Spades) >= 5 && South(Suits::Spades) >= South(Suits::Hearts)) {
    TransferBid = 'h';
  } else if (South(Suits::Hearts) >= 5) {
    TransferBid = 'd';
  }
  if (TransferBid == 'd') TransferSuit = 'h';
  if (TransferBid == 'h') TransferSuit = 's';
  TrialBid = "2n";
  if (TransferSuit == 's') {
    if (South(Suits::Clubs) >= 4) {
      TrialBid = "3c";
    } else if (South(Suits::Diamonds) >= 4) {
      TrialBid = "3d";
    } else if (South(Suits::Hearts) >= 4) {
      TrialBid = "3h";
    }
  } else if (TransferSuit == 'h') {
    if (South(Suits::Spades) >= 4) {
      TrialBid = "2s";
    } else if (South(Suits::Clubs) >= 4) {
      TrialBid = "3c";
    } else if (South(Suits::Diamonds) >= 4) {
      TrialBid = "3d";
    }
  }
  FinalStrain = 'n';
  if (TransferBid == 'h' && North(Suits::Spades) >= 3) FinalStrain = 's';
  if (TransferBid == 'd' && North(Suits::Hearts) >= 3) FinalStrain = 'h';
}

void ReplaceFirst(Text& text, const Text& find, const Text& replacement) {
  const size_t at = text.view().find(find.view());
  if (at == std::string_view::npos) return;
  text.Erase(at, find.length());
  text.Insert(at, replacement.view());
}

void ExpandAuction(Text& auction) {
  const std::string f(1, FinalStrain);
  ReplaceFirst(auction, "TransferAuctionTrialBid", TrialBid);
  ResolveTemplate(auction, "1n-2c-2S-game-?", "-3n", "-4" + f, "1n-2c-2h-3n-4s");
  ResolveTemplate(auction, "1n-2c-2S-invite-decline", "-2n", "-3" + f, "1n-2c-2h-2n-3s");
  ResolveTemplate(auction, "1n-2c-2S-invite-accept", "-2n-3n", "-3" + f + "-4" + f,
                  "1n-2c-2h-2n-4s");
  ReplaceLetter(auction, 'S', StaymanReply);
  ReplaceLetter(auction, 'm', FinalStrain);
  ReplaceLetter(auction, 't', TransferBid);
  ReplaceLetter(auction, 'T', TransferSuit);
  for (size_t at = auction.view().find('-'); at != std::string_view::npos;
       at = auction.view().find('-')) {
    auction.Erase(at, 1);
    auction.Insert(at, " p ");
  }
}

void StripAuction(Text& auction) {
  std::string kept;
  for (const char c : auction.view()) {
    if (c != ' ' && c != '-' && c != 'p') kept += c;
  }
  auction = Text(kept);
}

Text CompactAuction(Text auction) {
  ExpandAuction(auction);
  StripAuction(auction);
  return auction;
}

}  // namespace library
