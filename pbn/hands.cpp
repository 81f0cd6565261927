#include "pbn/hands.h"

#include <optional>
#include <string_view>

#include "bridge/chairs.h"
#include "runtime/letter_case.h"
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
  const std::optional<int16_t> chair = bridge::ChairOfLetter(seat);
  if (!chair) util::RunAbort(runtime::Text("Cannot find next hand after hand ") + seat);
  return runtime::UpperCaseOf(bridge::ChairToChar(bridge::NextChair(*chair)));
}

void LoadDigitDeal(runtime::Text digits) {
  ClearHands();
  for (size_t card = 0; card < 52; ++card) {
    const char digit = card < digits.length() ? digits[card] : '\0';
    if (digit < '0' || digit > '3') util::StopWithLines({});
    const auto suit = static_cast<bridge::Suits>(card / 13);
    Hands[bridge::kClockwise[digit - '0']][bridge::SuitNumber(suit)] +=
        bridge::RankLetters[card % 13];
  }
}

}  // namespace pbn
