#pragma once

namespace solver {

// Sets the process up for one short run of solves; call it once, first thing in main,
// before anything is allocated in earnest. libdds grows its transposition tables in
// small blocks, and a fresh process pays a page fault for every 4 KiB of them: it now
// takes them from one heap region marked for transparent huge pages, so a run pays for
// about one fault per 2 MiB and its table look-ups miss the TLB less. It also has libdds
// start plain threads for each table instead of keeping an OpenMP pool that spins
// between solves. Both are only for speed: when the system refuses either, the solves
// run as before with the same results. Never stops the process.
void PrepareSolver();

}  // namespace solver
