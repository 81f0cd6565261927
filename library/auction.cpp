#include "library/auction.h"

#include <string>

#include "bridge/chairs.h"
#include "pbn/hands.h"

namespace library {
namespace {

using runtime::Text;

enum Suit { kSpadeSuit = 1, kHeartSuit = 2, kDiamondSuit = 3, kClubSuit = 4 };

size_t Length(int16_t chair, Suit suit) { return pbn::Hands[chair][suit].length(); }
size_t North(Suit suit) { return Length(bridge::kNorth, suit); }
size_t South(Suit suit) { return Length(bridge::kSouth, suit); }

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
  StaymanReply = North(kHeartSuit) == 4 ? 'h' : North(kSpadeSuit) == 4 ? 's' : 'd';
  FinalStrain = 'n';
  if (StaymanReply == 'h') {
    if (South(kHeartSuit) >= 4) {
      FinalStrain = 'h';
    } else if (South(kSpadeSuit) >= 4 && North(kSpadeSuit) >= 4) {
      FinalStrain = 's';
    }
  }
  if (StaymanReply == 's' && South(kSpadeSuit) >= 4) FinalStrain = 's';
}

void AnalyseTransfer() {
  TransferBid = 'n';
  if (South(kSpadeSuit) >= 5 && South(kSpadeSuit) >= South(kHeartSuit)) {
    TransferBid = 'h';
  } else if (South(kHeartSuit) >= 5) {
    TransferBid = 'd';
  }
  if (TransferBid == 'd') TransferSuit = 'h';
  if (TransferBid == 'h') TransferSuit = 's';
  TrialBid = "2n";
  if (TransferSuit == 's') {
    if (South(kClubSuit) >= 4) {
      TrialBid = "3c";
    } else if (South(kDiamondSuit) >= 4) {
      TrialBid = "3d";
    } else if (South(kHeartSuit) >= 4) {
      TrialBid = "3h";
    }
  } else if (TransferSuit == 'h') {
    if (South(kSpadeSuit) >= 4) {
      TrialBid = "2s";
    } else if (South(kClubSuit) >= 4) {
      TrialBid = "3c";
    } else if (South(kDiamondSuit) >= 4) {
      TrialBid = "3d";
    }
  }
  FinalStrain = 'n';
  if (TransferBid == 'h' && North(kSpadeSuit) >= 3) FinalStrain = 's';
  if (TransferBid == 'd' && North(kHeartSuit) >= 3) FinalStrain = 'h';
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
