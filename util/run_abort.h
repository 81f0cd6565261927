#pragma once

#include <initializer_list>
#include <string_view>

#include "runtime/text.h"

namespace util {

// Writes each of lines as a line to standard output (none for an empty list) and ends
// the process with exit code 1: the one way a run stops on a fault it has a message for.
// No caller's clean-up runs.
[[noreturn]] void StopWithLines(std::initializer_list<std::string_view> lines);

// StopWithLines of "Halted by URunAbor because:" and mess.
[[noreturn]] void RunAbort(const runtime::Text& mess);

// Writes "WARNING: " and mess as one line; a message of more than 70 characters goes on a
// line of its own after "WARNING: ". Returns.
void RunWarning(const runtime::Text& mess);

}  // namespace util
