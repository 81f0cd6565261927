#include "bridge/contract_text.h"

#include <string>
#include <string_view>

#include "bridge/chairs.h"
#include "util/run_abort.h"

namespace bridge {
namespace {

bool IsX(char c) { return c == 'X' || c == 'x'; }

}  // namespace

std::optional<TContract> ParseContract(const runtime::Text& contract) {
  const std::string_view s = contract.view();
  if (s.size() < 2 || s[0] < '1' || s[0] > '7') return std::nullopt;
  const std::optional<int16_t> strain = StrainOfLetter(s[1]);
  if (!strain) return std::nullopt;
  TDoubleStatus status = TDoubleStatus::Undoubled;
  if (IsX(s.back())) {
    status = IsX(s[s.size() - 2]) ? TDoubleStatus::Redoubled : TDoubleStatus::Doubled;
  }
  return TContract{static_cast<int16_t>(s[0] - '0'), DenominationOf(*strain), status};
}

int16_t RawScore(const runtime::Text& contract, int16_t tricks, bool vulnerable) {
  const std::optional<TContract> parsed = ParseContract(contract);
  if (!parsed) {
    // Joined as std::string: a Text would cut a long contract off at 255 characters.
    util::StopWithLines(
        {"RawScore halted because of illegal contract: " + std::string(contract.view())});
  }
  return ContractScore(parsed->level, parsed->denomination, parsed->status, tricks, vulnerable);
}

int16_t TricksForScore(const runtime::Text& contract, int16_t score, bool vulnerable) {
  for (int16_t tricks = 0; tricks <= 13; ++tricks) {
    if (RawScore(contract, tricks, vulnerable) == score) return tricks;
  }
  return -1;
}

runtime::Text FinalContract(const runtime::Text& auction) {
  const std::string_view s = auction.view();
  if (s.size() < 2) return runtime::Text();
  const size_t p = s.find_last_of("1234567");
  if (p == std::string_view::npos) return runtime::Text();
  const runtime::Text bid(s.substr(p, 2));
  for (size_t i = s.size() - 1; i > p + 1; --i) {
    if (IsX(s[i - 1]) && IsX(s[i])) return bid + "xx";
  }
  for (size_t i = s.size() - 1; i > p; --i) {
    if (IsX(s[i])) return bid + "x";
  }
  return bid;
}

}  // namespace bridge
