#pragma once

#include "runtime/stop_hook.h"

// Every process stop of the code under test (RunAbort, the I/O error stop, the exit of
// the digit-deal loader) throws this instead of ending the fuzzer, so that a stop ends
// only the current input.
struct FuzzStop {
  int exit_code;
};

inline void ThrowFuzzStop(int exit_code) { throw FuzzStop{exit_code}; }

// Runs body; a process stop inside it counts as a normal end of the input.
template <typename Body>
void RunInput(Body body) {
  runtime::SetStopHook(ThrowFuzzStop);
  try {
    body();
  } catch (const FuzzStop&) {
  }
}
