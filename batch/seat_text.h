#pragma once

#include <cstdint>
#include <string>

// Seats as the outputs of dealmint-batch write them.
namespace batch {

// Upper-case seat letter 'N', 'S', 'E', 'W'. Stops like bridge::ChairToChar outside 1..4.
char SeatLetter(int16_t chair);

// "North", "South", "East", "West". Stops like bridge::ChairToString outside 1..4.
std::string SeatName(int16_t chair);

}  // namespace batch
