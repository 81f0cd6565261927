#include "solver/start_up.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <initializer_list>

// gib on Windows: libdds is linked in, has plain threads built in, and its tables come
// from the ordinary heap.
namespace solver {

void PrepareHeap() {}

void BinaryStandardStreams() {
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace solver
