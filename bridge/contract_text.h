#pragma once

#include <cstdint>
#include <optional>

#include "bridge/contract_score.h"
#include "runtime/text.h"

namespace bridge {

// A contract as RawScore reads it from its text.
struct TContract {
  int16_t level;
  TDenomination denomination;
  TDoubleStatus status;
};

// Pure: a contract string read as RawScore reads it (level digit 1-7, strain letter C D H
// S N in either case, doubling from the final X or XX in either case; anything between
// is ignored), or nothing when it is illegal.
std::optional<TContract> ParseContract(const runtime::Text& contract);

// Score of a contract written as text ("4S", "3NX", "6hxx", "3NT"). On an illegal
// contract writes "RawScore halted because of illegal contract: " and the string as a
// line and ends the process with exit code 1.
int16_t RawScore(const runtime::Text& contract, int16_t tricks, bool vulnerable);

// The first trick count 0..13 for which RawScore gives score, or -1. Stops like RawScore
// on an illegal contract.
int16_t TricksForScore(const runtime::Text& contract, int16_t score, bool vulnerable);

// The last bid of a written auction with "x" or "xx" when a double or redouble follows
// it ("1n-2c-2S-p-4s-x-p-p-p" gives "4sx"); the strain keeps its case; empty when no
// level digit 1-7 occurs or the auction is shorter than 2 characters.
runtime::Text FinalContract(const runtime::Text& auction);

}  // namespace bridge
