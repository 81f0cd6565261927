#pragma once

#include <dds/dll.h>

#include <string>

namespace solver {

// libdds, loaded at run time rather than by the program loader: the library sets up its
// transposition tables as soon as it is loaded, and the heap those tables come from is
// prepared first (see start_up.h). Only the types of <dds/dll.h> are used directly.
// Loaded this way, libdds cannot be torn down by exit: its C++ destructors then run
// before its own finaliser, which reads the tables they freed and crashes. A process
// that has called Dds() ends with std::_Exit after flushing what it wrote.
struct DdsLibrary {
  int (*CalcDDtable)(ddTableDeal deal, ddTableResults* results) = nullptr;
  void (*ErrorMessage)(int code, char line[80]) = nullptr;
  int (*SetThreading)(int code) = nullptr;
  std::string fault;  // why the library or a function could not be loaded; empty if all were
};

// Prepares the heap (PrepareHeap), loads libdds and has it use plain threads on the first
// call, and returns the same functions on every call: whoever solves first gets a
// prepared heap, whatever ran before. Never stops the process: a library that cannot be
// loaded leaves `fault` set (the heap is prepared all the same).
const DdsLibrary& Dds();

}  // namespace solver
