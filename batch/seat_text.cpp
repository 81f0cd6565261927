#include "batch/seat_text.h"

#include "bridge/chairs.h"

namespace batch {

char SeatLetter(int16_t chair) { return static_cast<char>(bridge::ChairToChar(chair) - 'a' + 'A'); }

std::string SeatName(int16_t chair) {
  std::string name = bridge::ChairToString(chair).str();
  name[0] = SeatLetter(chair);
  return name;
}

}  // namespace batch
