#include "driver/board_loop.h"

#include <string>
#include <string_view>

#include "bridge/chairs.h"
#include "driver/directory_lock.h"
#include "driver/job_files.h"
#include "driver/par_file.h"
#include "driver/par_search.h"
#include "driver/solver_run.h"
#include "pbn/board_reader.h"
#include "runtime/console.h"
#include "runtime/text_file.h"
#include "util/run_abort.h"

namespace driver {
namespace {

constexpr size_t kExtensionLength = 4;  // ".pbn", ".par"

// True when the board just read is to be solved: a block with a Board tag whose number
// has no par line yet. Blocks without a Board tag (headers, comments) are skipped.
bool IsNewBoard() {
  const pbn::TBoardRecord& board = pbn::BoardRecord;
  return board.Found && board.Number >= 1 && !Processed[board.Number];
}

// One board from the hand table to its par line: the solver's tricks, every contract's
// score, the par, the line.
void ProcessBoard(const pbn::TBoardRecord& board, runtime::TextFile& par_file) {
  runtime::ConsoleWriteLine("Processing board " + std::to_string(board.Number));
  WriteJobFiles();
  RunSolver();
  ReadSolverResults(kSolverOutputAsGiven);
  const TTricks& tricks = TrickTable;
  const TScores scores = ScoresOf(tricks, board.Vulnerability);
  const TParResult par = ParOf(scores, bridge::CharToChair(board.Dealer));
  WriteParLine(par_file, board.Number, par, tricks);
  Processed[board.Number] = true;
}

}  // namespace

void ReadCommandLine(int argc, const char* const* argv) {
  if (argc != 2) {
    util::StopWithLines({"Incorrect number of parameters for Dealmint.  Invoke with:",
                         "  o  Name of PBN file (no .PBN)"});
  }
  const std::string argument = argv[1];
  // A name cut at 255 characters would read or overwrite some other file.
  if (argument.size() + kExtensionLength > runtime::Text::kMaxLength) {
    util::RunAbort("File name too long (over 255 characters): " + argument + ".pbn");
  }
  BaseName = argument;
}

void WarnNotDeleted(const runtime::Text& name) {
  runtime::ConsoleWriteLine(("Warning: Unable to delete temporary file " + name).view());
}

void DeleteTempFiles() {
  for (const char* name : {kArgumentFile, kSolverOutput}) {
    if (runtime::DeleteFile(name) != 0) WarnNotDeleted(name);
  }
  for (int16_t strain = 1; strain <= 5; ++strain) {
    for (int16_t chair = 1; chair <= 4; ++chair) {
      const runtime::Text name = JobFileName(chair, strain);
      if (runtime::DeleteFile(name.str()) != 0) WarnNotDeleted(name);
    }
  }
}

void RunDealmint(int argc, const char* const* argv) {
  Processed = {};
  ReadCommandLine(argc, argv);
  runtime::TextFile pbn_file;
  if (pbn_file.OpenForReading((BaseName + ".pbn").str()) != 0) {
    util::RunAbort("Input file " + BaseName + ".pbn not found.");
  }
  const std::string_view encoding = pbn::SkipByteOrderMark(pbn_file);
  if (!encoding.empty()) {
    util::RunAbort("Input file " + BaseName + ".pbn is in " + runtime::Text(std::string(encoding)) +
                   ": save it as ASCII or UTF-8.");
  }
  LockWorkingDirectory();
  WriteArgumentFile();
  runtime::TextFile par_file;
  par_file.Rewrite((BaseName + ".par").str());
  do {
    pbn::ClearBoard();
    pbn::ReadBoard(pbn_file);
    if (IsNewBoard()) ProcessBoard(pbn::BoardRecord, par_file);
  } while (!pbn::BoardRecord.AtEof);
  pbn_file.Close();
  par_file.Close();
  DeleteTempFiles();
}

}  // namespace driver
