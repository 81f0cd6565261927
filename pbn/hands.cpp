#include "pbn/hands.h"

#include <optional>
#include <string_view>

#include "bridge/chairs.h"
#include "util/run_abort.h"

namespace pbn {
namespace {

// Storing happens after the dot test of the same suit, so a hand without dots reports
// the dots, not the seat.
void StoreHolding(char seat, int suit, std::string_view holding) {
  const std::optional<int16_t> chair = bridge::ChairOfLetter(seat);
  if (!chair) util::RunAbort(runtime::Text("LoadHand does not recognize hand ") + seat);
  Hands[*chair][suit] = runtime::Text(holding);
}

}  // namespace

runtime::Text HandText(int chair) {
  return Hands[chair][1] + "." + Hands[chair][2] + "." + Hands[chair][3] + "." + Hands[chair][4];
}

void ClearHands() {
  for (auto& chair : Hands) {
    for (runtime::Text& holding : chair) holding = runtime::Text();
  }
}

void LoadHand(char seat, runtime::Text hand) {
  std::string_view rest = hand.view();
  for (int suit = 1; suit <= 3; ++suit) {
    const size_t dot = rest.find('.');
    if (dot == std::string_view::npos) util::RunAbort("Not enough dots in hand: " + hand);
    StoreHolding(seat, suit, rest.substr(0, dot));
    rest.remove_prefix(dot + 1);
  }
  StoreHolding(seat, 4, rest);
}

char NextHand(char seat) {
  switch (seat) {
    case 'N':
    case 'n':
      return 'E';
    case 'E':
    case 'e':
      return 'S';
    case 'S':
    case 's':
      return 'W';
    case 'W':
    case 'w':
      return 'N';
    default:
      util::RunAbort(runtime::Text("Cannot find next hand after hand ") + seat);
  }
}

void LoadDigitDeal(runtime::Text digits) {
  // The digits count clockwise from North; chairs pair partners.
  constexpr int16_t kChairOfDigit[] = {bridge::kNorth, bridge::kEast, bridge::kSouth,
                                       bridge::kWest};
  ClearHands();
  for (size_t card = 0; card < 52; ++card) {
    const char digit = card < digits.length() ? digits[card] : '\0';
    if (digit < '0' || digit > '3') util::StopWithLines({});
    const size_t suit = card / 13 + 1;
    Hands[kChairOfDigit[digit - '0']][suit] += bridge::RankLetters[card % 13];
  }
}

}  // namespace pbn
