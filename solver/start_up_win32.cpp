#include "solver/start_up.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "solver/dds_library.h"

// gib on Windows: libdds is linked in, has plain threads built in, and its tables come
// from the ordinary heap.
namespace solver {

// A libdds linked statically has no library start-up to size its thread pool, so the
// first solve would find none: SetMaxThreads(0) takes one per processor.
void PrepareSolver() { SetMaxThreads(0); }

void BinaryStandardStreams() {
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace solver
