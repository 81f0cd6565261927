#include "bridge/chairs.h"

#include <algorithm>
#include <string_view>

#include "runtime/letter_case.h"
#include "util/run_abort.h"

namespace bridge {
namespace {

// Strains 1..5 at index strain - 1.
constexpr std::string_view kStrainLetters = "cdhsn";

bool IsChair(int16_t chair) { return chair >= kNorth && chair <= kWest; }

}  // namespace

std::optional<int16_t> ChairOfLetter(char letter) {
  switch (letter) {
    case 'N':
    case 'n':
      return kNorth;
    case 'S':
    case 's':
      return kSouth;
    case 'E':
    case 'e':
      return kEast;
    case 'W':
    case 'w':
      return kWest;
    default:
      return std::nullopt;
  }
}

char StrainToChar(int16_t strain) {
  // Callers pass 1..5 only; a fixed character keeps any other value visible in a file.
  return strain >= kClubs && strain <= kNotrump ? kStrainLetters[strain - 1] : '?';
}

std::optional<int16_t> StrainOfLetter(char letter) {
  const size_t at = kStrainLetters.find(runtime::LowerCaseOf(letter));
  if (at == std::string_view::npos) return std::nullopt;
  return static_cast<int16_t>(kClubs + at);
}

int16_t NextChair(int16_t chair) {
  if (!IsChair(chair)) util::RunAbort("Requested NextChair for nonexistent chair--maybe kibitzer?");
  const auto at = std::find(kClockwise.begin(), kClockwise.end(), chair) - kClockwise.begin();
  return kClockwise[(at + 1) % 4];
}

int16_t CharToChair(char letter) {
  const std::optional<int16_t> chair = ChairOfLetter(letter);
  if (!chair) util::RunAbort("Requested CharToChair for nonexistent chair--maybe kibitzer?");
  return *chair;
}

char ChairToChar(int16_t chair) {
  if (!IsChair(chair)) util::RunAbort("Requested character for nonexistent chair--maybe kibitzer?");
  return "nsew"[chair - 1];
}

runtime::Text ChairToString(int16_t chair) {
  if (!IsChair(chair)) util::RunAbort("Requested string for nonexistent chair--maybe kibitzer?");
  constexpr const char* kWords[] = {"north", "south", "east", "west"};
  return kWords[chair - 1];
}

}  // namespace bridge
