#include "bridge/chairs.h"

#include "util/run_abort.h"

namespace bridge {
namespace {

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
  constexpr char kLetters[] = "cdhsn";
  return strain >= kClubs && strain <= kNotrump ? kLetters[strain - 1] : '?';
}

int16_t NextChair(int16_t chair) {
  // Indexed by chair: North -> East -> South -> West -> North.
  constexpr int16_t kNext[] = {0, kEast, kWest, kSouth, kNorth};
  if (!IsChair(chair)) util::RunAbort("Requested NextChair for nonexistent chair--maybe kibitzer?");
  return kNext[chair];
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
