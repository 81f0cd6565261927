#pragma once

namespace solver {

// Sets the heap up for libdds; Dds() calls it once, just before it loads libdds, and
// nothing else should. libdds sets up its transposition tables as it is loaded (some
// 15 MB) and grows them in small blocks while it solves, and a fresh process pays a page
// fault for every 4 KiB of them: they now come from one heap region marked for transparent
// huge pages, so a process pays for about one fault per 2 MiB and its table look-ups miss
// the TLB less. That is why libdds is loaded at run time, after the heap is set up, and
// not by the program loader, and why gib allocates little before its first solve. Only
// for speed: when the system refuses huge pages the solves run as before with the same
// results. Never stops the process.
void PrepareHeap();

// Has standard input, output and error pass bytes unchanged where the C library would
// otherwise translate line ends (Windows' text mode); nothing where it never does. Call
// it first thing in main.
void BinaryStandardStreams();

}  // namespace solver
