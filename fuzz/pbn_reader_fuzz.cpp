// The PBN board reader and the deal loaders on arbitrary bytes, read as the driver reads a
// file: ClearBoard and ReadBoard until the end.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_stop.h"
#include "fuzz/memory_file.h"
#include "pbn/board_reader.h"
#include "pbn/hands.h"
#include "runtime/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const MemoryFile input(data, size);
  RunInput([&] {
    pbn::ResetBoardRecord();
    runtime::TextFile file;
    if (file.OpenForReading(input.name()) != 0) return;
    do {
      pbn::ClearBoard();
      pbn::ReadBoard(file);
      // The job-file line of every hand, as the driver builds it.
      for (int chair = 1; chair <= 4; ++chair) pbn::HandText(chair);
    } while (!pbn::BoardRecord.AtEof);
  });
  RunInput([&] {
    pbn::LoadDigitDeal(runtime::Text(std::string_view(reinterpret_cast<const char*>(data), size)));
  });
  return 0;
}
