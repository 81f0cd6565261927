#include "driver/solver_run.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/chairs.h"
#include "driver/job_files.h"
#include "runtime/integer_text.h"
#include "runtime/io_error.h"
#include "runtime/text_file.h"
#include "util/run_abort.h"
#include "util/string_helpers.h"

namespace driver {
namespace {

constexpr char kPrompt[] = "Enter argument line: ";
constexpr int kLabelLength = 15;
// What the output file holds until the solver command's redirection truncates it.
constexpr char kUnwritten = 26;

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

// Makes the output file a regular file of this user's, so that the command's "> name"
// opens it and not a link or FIFO put there by someone else (who cannot remove it where
// the directory has the sticky bit, as shared ones do).
void CreateSolverOutput() {
  runtime::TextFile output;
  output.CreateOwn(kSolverOutput);
  output.Write(std::string_view(&kUnwritten, 1));
  output.Close();
}

// A command that never opened its output (an interpreter that did not start or ignored
// the command) leaves the file as made: it goes, so the reader finds no output.
void RemoveUnwrittenOutput() {
  runtime::TextFile output;
  if (output.OpenOwnForReading(kSolverOutput) != 0) return;
  const bool unwritten = output.ReadChar() == kUnwritten && !output.ReadChar();
  output.Close();
  if (unwritten) runtime::DeleteFile(kSolverOutput);
}

}  // namespace

void ResetTrickTable() { TrickTable = {}; }

void RunSolver() {
  const int deleted = runtime::DeleteFile(kSolverOutput);
  if (deleted != 0 && deleted != 2) runtime::IoErrorStop(deleted);
  CreateSolverOutput();
  RunSolverCommand();
  RemoveUnwrittenOutput();
}

void ReadSolverResults(runtime::Text file_name) {
  runtime::TextFile file;
  // Only the file the solver command wrote is read, whatever case the name was given in:
  // a stray 99Store.txt.Out is never taken for the solver's answer.
  const int error = util::CIEq(file_name, kSolverOutput) ? file.OpenOwnForReading(kSolverOutput)
                                                         : file.OpenForReading(file_name.str());
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
      TrickTable[chair][strain] =
          static_cast<int16_t>(bridge::IsNorthSouth(chair) ? *tricks : 13 - *tricks);
    }
  }
  file.Close();
}

}  // namespace driver
