#pragma once

namespace solver {

// Sets the process up for solving; call it once, before the process's first solve and
// before it allocates in earnest (gib does little else before). libdds sets up its
// transposition tables as it is loaded (some 15 MB) and grows them in small blocks while
// it solves, and a fresh process pays a page fault for every 4 KiB of them: they now
// come from one heap region marked for transparent huge pages, so a process pays for
// about one fault per 2 MiB and its table look-ups miss the TLB less. That is why libdds
// is loaded here, after the heap is set up, and not by the program loader. It also has
// libdds start plain threads for each table instead of keeping an OpenMP pool that spins
// between solves. All of this is only for speed: when the system refuses huge pages the
// solves run as before with the same results. Never stops the process; a library that
// cannot be loaded is reported by the first solve.
void PrepareSolver();

// Has standard input, output and error pass bytes unchanged where the C library would
// otherwise translate line ends (Windows' text mode); nothing where it never does. Call
// it first thing in main.
void BinaryStandardStreams();

}  // namespace solver
