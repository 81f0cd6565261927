#include "driver/solver_run.h"

#include <optional>
#include <string>
#include <vector>

#include "bridge/chairs.h"
#include "runtime/integer_text.h"
#include "runtime/io_error.h"
#include "runtime/text_file.h"
#include "util/run_abort.h"
#include "util/string_helpers.h"

namespace driver {
namespace {

constexpr char kSolverOutput[] = "99Store.txt.out";
constexpr char kPrompt[] = "Enter argument line: ";
constexpr int kLabelLength = 15;

[[noreturn]] void CannotFind(const runtime::Text& file_name) {
  util::RunAbort(runtime::Text("Cannot find 20 \"") + kPrompt + "\" lines in " + file_name + ".");
}

// Moves past the next prompt line. Stops when the file ends first, or right after it.
void FindPrompt(runtime::TextFile& file, const runtime::Text& file_name) {
  for (;;) {
    const runtime::Text line = file.TakeLine();
    if (file.Eof()) CannotFind(file_name);
    if (line == kPrompt) return;
  }
}

}  // namespace

void ResetTrickTable() { TrickTable = {}; }

void ReadSolverResults(runtime::Text file_name) {
  runtime::TextFile file;
  int error = file.OpenForReading(file_name.str());
  if (error == 2 && util::CIEq(file_name, kSolverOutput))
    error = file.OpenForReading(kSolverOutput);
  if (error != 0) util::RunAbort("Input file " + file_name + " not found.");
  for (int16_t chair = 1; chair <= 4; ++chair) {
    for (int16_t strain = 1; strain <= 5; ++strain) {
      FindPrompt(file, file_name);
      // The label is skipped byte by byte; a short line lets the skip run into the next.
      for (int i = 0; i < kLabelLength && file.ReadChar(); ++i) {
      }
      const runtime::Text count = file.ReadToken();
      // Output cut short before its last count is a broken solver, not zero tricks.
      if (count.empty()) CannotFind(file_name);
      const std::optional<int32_t> tricks = runtime::TextToInteger(count.view());
      if (!tricks) runtime::IoErrorStop(runtime::kInvalidNumber);
      if (*tricks < 0 || *tricks > 13) {
        util::RunAbort("Trick count out of range in " + file_name + ": " + count);
      }
      file.SkipLine();
      const bool east_west = chair == bridge::kEast || chair == bridge::kWest;
      TrickTable[chair][strain] = static_cast<int16_t>(east_west ? 13 - *tricks : *tricks);
    }
  }
  file.Close();
}

}  // namespace driver
