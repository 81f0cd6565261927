#pragma once

#include "runtime/text.h"

namespace util {

// Writes "Halted by URunAbor because:" and then mess, each as a line, to standard output
// and ends the process with exit code 1. No caller's clean-up runs.
[[noreturn]] void RunAbort(const runtime::Text& mess);

// Writes "WARNING: " and mess as one line; a message of more than 70 characters goes on a
// line of its own after "WARNING: ". Returns.
void RunWarning(const runtime::Text& mess);

}  // namespace util
